// The personnel file on a data directory made by the test: filing, numbering, removing, the
// digest check, the hand-over between two directories (the archive also checked by Info-ZIP's
// unzip), hostile names and links, and the backup carrying the files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "akta/akta_osobowe.h"
#include "akta/przekazanie.h"
#include "akta/spis_akt.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "kopia/kopia_danych.h"
#include "reports/eksport.h"
#include "reports/miara_tekstu.h"
#include "store/dziennik_zmian.h"
#include "store/nowa_baza.h"

namespace mirta::akta {
namespace {

namespace fs = std::filesystem;

std::string Czytaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Zapisz(const fs::path& p, const std::string& bajty) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bajty;
}

int Polecenie(const std::string& p) {
    const int s = std::system((p + " >/dev/null 2>&1").c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

std::string Pdf(const std::string& tresc) {
    return "%PDF-1.4\n% " + tresc + "\n%%EOF\n";
}
std::string Png(const std::string& tresc) {
    return std::string("\x89PNG\r\n\x1A\n", 8) + tresc;
}

store::SesjaUzytkownika Sesja(bool zmiany, bool administrator) {
    store::SesjaUzytkownika s;
    s.Identyfikator = 1;
    s.NazwaKrotka = administrator ? "ADMIN" : (zmiany ? "KADRY" : "PODGLAD");
    s.Przegladanie = true;
    s.Aktualizowanie = zmiany;
    s.Administrator = administrator;
    s.DataPrzetwarzania = {2026, 12, 10};
    return s;
}

const OsobaAkt kKowalski{7, "Kowalski", "Jan", "80010112345", {1980, 1, 1}};

class Akta : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("akta-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "wej");
        m_dane = Baza("dane");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Baza(const std::string& nazwa) {
        const fs::path k = m_dir / nazwa;
        fs::create_directories(k);
        store::UtworzNowaBaze(engine::FileSystem::Real(), k.string(), {2026, 12, 10});
        return k.string();
    }

    fs::path Plik(const std::string& nazwa, const std::string& bajty) {
        Zapisz(m_dir / "wej" / nazwa, bajty);
        return m_dir / "wej" / nazwa;
    }

    fs::path m_dir;
    std::string m_dane;
    store::SesjaUzytkownika m_admin = Sesja(true, true);
    store::SesjaUzytkownika m_kadry = Sesja(true, false);
    store::SesjaUzytkownika m_podglad = Sesja(false, false);
};

TEST_F(Akta, FilingCopiesTheFileAndNumbersWithinEachPart) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    const fs::path zrodlo = Plik("podanie.pdf", Pdf("podanie"));
    const DokumentAkt a1 = akta.Dodaj(7, zrodlo, {"A", "Podanie o przyjęcie", {2020, 3, 1}});
    const DokumentAkt b1 = akta.Dodaj(7, Plik("umowa.pdf", Pdf("umowa")), {"B", "", {}});
    const DokumentAkt a2 = akta.Dodaj(7, Plik("cv.png", Png("cv")), {"A", "Życiorys", {}});
    const DokumentAkt inny = akta.Dodaj(8, Plik("x.pdf", Pdf("x")), {"A", "Inna osoba", {}});

    EXPECT_EQ(a1.numer, 1);
    EXPECT_EQ(a2.numer, 2);
    EXPECT_EQ(b1.numer, 1);
    EXPECT_EQ(inny.numer, 1);
    EXPECT_EQ(b1.tytul, "umowa");  // the file's name when no title was given
    EXPECT_EQ(a1.ktoZlozyl, "KADRY");
    EXPECT_EQ(a1.dataZlozenia, (engine::CivilDate{2026, 12, 10}));
    EXPECT_EQ(a1.sha256, Sha256(Pdf("podanie")));

    // Copied, not moved or linked, under a name of the program's own.
    EXPECT_TRUE(fs::exists(zrodlo));
    const fs::path kopia = fs::path(m_dane) / "AKTA" / "7" / a1.nazwaPliku;
    EXPECT_FALSE(fs::is_symlink(kopia));
    EXPECT_EQ(Czytaj(kopia), Pdf("podanie"));
    EXPECT_TRUE(BezpiecznaNazwaPliku(a1.nazwaPliku));
    EXPECT_EQ(fs::path(a2.nazwaPliku).extension(), ".png");

    const auto lista = akta.Dokumenty(7);
    ASSERT_EQ(lista.size(), 3u);
    EXPECT_EQ(lista[0].tytul, "Podanie o przyjęcie");
    EXPECT_EQ(lista[1].tytul, "Życiorys");
    EXPECT_EQ(lista[2].czesc, "B");
    EXPECT_EQ(lista[0].dataDokumentu, (engine::CivilDate{2020, 3, 1}));

    // Moved to another part, a document takes that part's next number.
    const DokumentAkt przeniesiony = akta.Zmien(a2.identyfikator, {"B", "Życiorys", {}});
    EXPECT_EQ(przeniesiony.numer, 2);
    EXPECT_TRUE(akta.Sprawdz().empty());
    // Every change is in the journal.
    const auto wpisy = store::CzytajDziennik(engine::FileSystem::Real(), m_dane, {.pracownik = 7});
    ASSERT_EQ(wpisy.size(), 4u);
    EXPECT_EQ(wpisy[3].operacja, "zmiana");
    EXPECT_EQ(wpisy[3].tabela, "AktaOsobowe.DB");
    EXPECT_EQ(wpisy[3].nowa, "B 2");
}

TEST_F(Akta, RefusesWhatTheFileMustNotTake) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    struct Przypadek {
        const char* nazwa;
        std::string bajty;
        const char* czesc;
        const char* komunikat;
    } przypadki[] = {
        {"skrypt.sh", "#!/bin/sh", "A", "Akta przyjmują pliki PDF"},
        {"udaje.pdf", "MZ\x90\x00", "A", "Zawartość pliku nie odpowiada"},
        {"dobry.pdf", Pdf("p"), "F", "Nieznana część akt"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        try {
            akta.Dodaj(7, Plik(p.nazwa, p.bajty), {p.czesc, "", {}});
            ADD_FAILURE() << "przyjęto";
        } catch (const BladAkt& e) {
            EXPECT_NE(std::string(e.what()).find(p.komunikat), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(akta.Dokumenty(7).empty());
    EXPECT_FALSE(fs::exists(fs::path(m_dane) / "AKTA" / "7") &&
                 !fs::is_empty(fs::path(m_dane) / "AKTA" / "7"));

    AktaOsobowe podglad(engine::FileSystem::Real(), m_dane, m_podglad);
    try {
        podglad.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "", {}});
        ADD_FAILURE() << "przyjęto bez prawa do zmian";
    } catch (const BladAkt& e) {
        EXPECT_STREQ(e.what(), "Nie masz prawa do zmiany danych !!!");
    }
}

TEST_F(Akta, RemovalIsForTheAdministratorAndKeepsTheFileInTheRecycleFolder) {
    AktaOsobowe kadry(engine::FileSystem::Real(), m_dane, m_kadry);
    const DokumentAkt d = kadry.Dodaj(7, Plik("a.pdf", Pdf("a")), {"C", "Świadectwo pracy", {}});
    const DokumentAkt drugi = kadry.Dodaj(7, Plik("b.pdf", Pdf("b")), {"C", "Wypowiedzenie", {}});
    EXPECT_THROW(kadry.Usun(d.identyfikator), BladAkt);
    EXPECT_EQ(kadry.Dokumenty(7).size(), 2u);

    AktaOsobowe admin(engine::FileSystem::Real(), m_dane, m_admin);
    admin.Usun(d.identyfikator);
    const auto zostaly = admin.Dokumenty(7);
    ASSERT_EQ(zostaly.size(), 1u);
    EXPECT_EQ(zostaly[0].numer, 2);  // numbers stay: the gap shows a removed document
    EXPECT_FALSE(fs::exists(fs::path(m_dane) / "AKTA" / "7" / d.nazwaPliku));
    EXPECT_EQ(Czytaj(fs::path(m_dane) / "AKTA" / "KOSZ" / "7" / d.nazwaPliku), Pdf("a"));
    const auto wpisy = store::CzytajDziennik(engine::FileSystem::Real(), m_dane, {.pracownik = 7});
    ASSERT_FALSE(wpisy.empty());
    EXPECT_EQ(wpisy.back().operacja, "usunięcie");
    EXPECT_EQ(wpisy.back().stara, "C 1: Świadectwo pracy (" + d.nazwaPliku + ")");
    EXPECT_EQ(wpisy.back().nowa, "AKTA/KOSZ/7/" + d.nazwaPliku);
    // The next document of the part still gets a new number.
    EXPECT_EQ(kadry.Dodaj(7, Plik("c.pdf", Pdf("c")), {"C", "", {}}).numer, 3);
    (void)drugi;
}

TEST_F(Akta, TheCheckFindsChangedMissingAndLinkedFiles) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    const DokumentAkt zmieniony = akta.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "", {}});
    const DokumentAkt brak = akta.Dodaj(7, Plik("b.pdf", Pdf("b")), {"A", "", {}});
    const DokumentAkt podmieniony = akta.Dodaj(7, Plik("c.pdf", Pdf("c")), {"B", "", {}});
    const DokumentAkt dobry = akta.Dodaj(7, Plik("d.pdf", Pdf("d")), {"B", "", {}});
    const fs::path folder = fs::path(m_dane) / "AKTA" / "7";
    Zapisz(folder / zmieniony.nazwaPliku, Pdf("A"));  // same size, another byte
    fs::remove(folder / brak.nazwaPliku);
    fs::remove(folder / podmieniony.nazwaPliku);
    Zapisz(m_dir / "obcy.pdf", Pdf("c"));
    fs::create_symlink(m_dir / "obcy.pdf", folder / podmieniony.nazwaPliku);

    const auto n = akta.Sprawdz();
    ASSERT_EQ(n.size(), 3u);
    EXPECT_EQ(n[0].dokument.identyfikator, zmieniony.identyfikator);
    EXPECT_NE(n[0].opis.find("inna suma SHA-256"), std::string::npos);
    EXPECT_EQ(n[1].dokument.identyfikator, brak.identyfikator);
    EXPECT_NE(n[1].opis.find("brak pliku"), std::string::npos);
    EXPECT_EQ(n[2].dokument.identyfikator, podmieniony.identyfikator);
    EXPECT_NE(n[2].opis.find("nie jest zwykłym plikiem"), std::string::npos);
    EXPECT_THROW(akta.CzytajPlik(podmieniony), BladAkt);
    EXPECT_EQ(akta.CzytajPlik(dobry), Pdf("d"));
}

TEST_F(Akta, PlantedLinksAndDotDotNamesNeverLeadOutOfThePersonsFolder) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    const fs::path obcy = m_dir / "obcy";
    fs::create_directories(obcy);

    // A person's folder planted as a link elsewhere: nothing is written through it.
    fs::create_directories(fs::path(m_dane) / "AKTA");
    fs::create_directory_symlink(obcy, fs::path(m_dane) / "AKTA" / "9");
    EXPECT_THROW(akta.Dodaj(9, Plik("a.pdf", Pdf("a")), {"A", "", {}}), BladAkt);
    EXPECT_TRUE(fs::is_empty(obcy));

    // A link planted under the name the next copy will get is replaced, not written through.
    const std::string nazwa = "dok-" + Sha256(Pdf("b")).substr(0, 16) + ".pdf";
    fs::create_directories(fs::path(m_dane) / "AKTA" / "7");
    fs::create_symlink(obcy / "ofiara.pdf", fs::path(m_dane) / "AKTA" / "7" / nazwa);
    const DokumentAkt d = akta.Dodaj(7, Plik("b.pdf", Pdf("b")), {"A", "../../../etc/x", {}});
    EXPECT_NE(d.nazwaPliku, nazwa);
    EXPECT_FALSE(fs::exists(obcy / "ofiara.pdf"));
    EXPECT_TRUE(fs::is_empty(obcy));
    EXPECT_EQ(d.tytul, "../../../etc/x");  // a title is only a title

    // A row whose file name leaves the folder is refused when read, checked or removed.
    {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(),
                                            (fs::path(m_dane) / "AktaOsobowe.DB").string());
        engine::Record r = t->ReadRow(0);
        r[8] = engine::Value::Text("../../obcy/x.pdf");
        t->Update(0, r);
        t->Sync();
    }
    Zapisz(m_dane + "/../obcy/x.pdf", Pdf("b"));
    const auto zly = akta.Dokumenty(7).at(0);
    EXPECT_THROW(akta.SciezkaPliku(zly), BladAkt);
    EXPECT_THROW(akta.CzytajPlik(zly), BladAkt);
    ASSERT_EQ(akta.Sprawdz().size(), 1u);
    EXPECT_NE(akta.Sprawdz()[0].opis.find("niedozwolona nazwa"), std::string::npos);
    AktaOsobowe admin(engine::FileSystem::Real(), m_dane, m_admin);
    admin.Usun(zly.identyfikator);
    EXPECT_TRUE(fs::exists(obcy / "x.pdf"));

    for (const char* n : {"..", "../a.pdf", "a/b.pdf", ".ukryty.pdf", "a.b.pdf", "-a.pdf", "a"})
        EXPECT_FALSE(BezpiecznaNazwaPliku(n)) << n;
}

TEST_F(Akta, HandOverCarriesTheSameDocumentsNumbersAndDigests) {
    AktaOsobowe zrodlo(engine::FileSystem::Real(), m_dane, m_kadry);
    zrodlo.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "Kwestionariusz osobowy", {2019, 5, 6}});
    zrodlo.Dodaj(7, Plik("b.png", Png("b")), {"A", "Zdjęcie, \"legitymacyjne\"", {}});
    zrodlo.Dodaj(7, Plik("c.pdf", Pdf("c")), {"B", "Umowa", {2019, 6, 1}});
    zrodlo.Dodaj(7, Plik("d.pdf", Pdf("d")), {"E", "Badanie trzeźwości", {}});
    zrodlo.Dodaj(7, Plik("e.pdf", Pdf("e")), {"E", "Badanie ponowne", {}});
    AktaOsobowe admin(engine::FileSystem::Real(), m_dane, m_admin);
    admin.Usun(zrodlo.Dokumenty(7)[3].identyfikator);  // E 1 goes: E 2 keeps its number

    const fs::path zip = m_dir / "przekazanie.zip";
    SpisAkt spis = ZbierzSpis(zrodlo, kKowalski);
    const auto w = EksportujAkta(zrodlo, spis, zip, [](const SpisAkt&) { return Pdf("spis"); });
    EXPECT_EQ(w.dokumentow, 4u);
    EXPECT_EQ(Polecenie("unzip -tq " + zip.string()), 0);

    // Another unit, where the person has another identifier.
    const std::string inna = Baza("inna");
    OsobaAkt tam = kKowalski;
    tam.identyfikator = 31;
    AktaOsobowe cel(engine::FileSystem::Real(), inna, m_kadry);
    const auto wynik = ImportujAkta(cel, zip, tam);
    EXPECT_EQ(wynik.dodane, 4u);
    const auto przed = zrodlo.Dokumenty(7);
    const auto po = cel.Dokumenty(31);
    ASSERT_EQ(po.size(), przed.size());
    for (size_t i = 0; i < po.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(po[i].czesc, przed[i].czesc);
        EXPECT_EQ(po[i].numer, przed[i].numer);
        EXPECT_EQ(po[i].tytul, przed[i].tytul);
        EXPECT_EQ(po[i].dataDokumentu, przed[i].dataDokumentu);
        EXPECT_EQ(po[i].sha256, przed[i].sha256);
        EXPECT_EQ(po[i].rozmiar, przed[i].rozmiar);
    }
    EXPECT_EQ(po[3].numer, 2);
    EXPECT_TRUE(cel.Sprawdz().empty());

    // Imported twice, nothing is duplicated.
    const auto znowu = ImportujAkta(cel, zip, tam);
    EXPECT_EQ(znowu.dodane, 0u);
    EXPECT_EQ(znowu.pominiete, 4u);
    EXPECT_EQ(cel.Dokumenty(31).size(), 4u);

    // Another person's archive is refused.
    OsobaAkt obca = tam;
    obca.pesel = "90020254321";
    EXPECT_THROW(ImportujAkta(cel, zip, obca), BladAkt);

    // The CSV table of contents lists every document with its name in the archive.
    const std::string csv = CsvSpisu(spis);
    EXPECT_NE(
        csv.find("A,2,\"Zdjęcie, \"\"legitymacyjne\"\"\",,2026-12-10,KADRY,dokumenty/A-002.png"),
        std::string::npos)
        << csv;
}

TEST_F(Akta, TheHandOverStopsOnAChangedDocumentAndAnImportOnADamagedArchive) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    const DokumentAkt d = akta.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "", {}});
    akta.Dodaj(7, Plik("b.pdf", Pdf("b")), {"B", "", {}});
    const fs::path zip = m_dir / "p.zip";
    ASSERT_NO_THROW(EksportujAkta(akta, ZbierzSpis(akta, kKowalski), zip, {}));
    Zapisz(fs::path(m_dane) / "AKTA" / "7" / d.nazwaPliku, Pdf("X"));
    const fs::path drugi = m_dir / "p2.zip";
    EXPECT_THROW(EksportujAkta(akta, ZbierzSpis(akta, kKowalski), drugi, {}), BladAkt);
    EXPECT_FALSE(fs::exists(drugi));
    for (const auto& w : fs::directory_iterator(m_dir))
        EXPECT_EQ(w.path().filename().string().find(".p2.zip"), std::string::npos);

    // Archives that lie: a document changed, an entry outside the list.
    struct Przypadek {
        const char* nazwa;
        std::function<void(zip_t*)> zmiana;
        const char* komunikat;
    } przypadki[] = {
        {"zmieniony dokument",
         [](zip_t* z) {
             static const std::string inny = Pdf("Z");
             zip_file_add(z, "dokumenty/A-001.pdf",
                          zip_source_buffer(z, inny.data(), inny.size(), 0), ZIP_FL_OVERWRITE);
         },
         "nie zgadza się z sumą SHA-256"},
        {"obcy plik",
         [](zip_t* z) {
             static const std::string obcy = "x";
             zip_file_add(z, "../../obcy.txt", zip_source_buffer(z, obcy.data(), obcy.size(), 0),
                          0);
         },
         "plik spoza spisu"},
    };
    const std::string inna = Baza("inna");
    AktaOsobowe cel(engine::FileSystem::Real(), inna, m_kadry);
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        const fs::path zly = m_dir / "zly.zip";
        fs::copy_file(zip, zly, fs::copy_options::overwrite_existing);
        int kod = 0;
        zip_t* z = zip_open(zly.c_str(), 0, &kod);
        ASSERT_NE(z, nullptr);
        p.zmiana(z);
        ASSERT_EQ(zip_close(z), 0);
        try {
            ImportujAkta(cel, zly, kKowalski);
            ADD_FAILURE() << "zaimportowano";
        } catch (const BladAkt& e) {
            EXPECT_NE(std::string(e.what()).find(p.komunikat), std::string::npos) << e.what();
        }
        EXPECT_TRUE(cel.Dokumenty(7).empty());
        EXPECT_FALSE(fs::exists(fs::path(inna) / "AKTA" / "7"));
    }
}

TEST_F(Akta, TheBackupCarriesTheFilesAndTheRestoredDirectoryPassesTheCheck) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    akta.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "", {}});
    akta.Dodaj(8, Plik("b.png", Png("b")), {"D", "", {}});
    const auto kopia = kopia::UtworzKopie(m_dane, (m_dir / "kopie").string(), {});
    const fs::path odtworzony = m_dir / "odtworzony";
    kopia::OdtworzKopie(kopia.archiwum, odtworzony.string());
    AktaOsobowe po(engine::FileSystem::Real(), odtworzony.string(), m_kadry);
    EXPECT_EQ(po.Dokumenty(0).size(), 2u);
    EXPECT_TRUE(po.Sprawdz().empty());
}

TEST_F(Akta, ThePartsDictionaryHasItsDefaultsInNewAndOlderDirectories) {
    AktaOsobowe nowa(engine::FileSystem::Real(), m_dane, m_kadry);
    // A directory made before the personnel file: the tables come with the first document.
    const fs::path stara = m_dir / "stara";
    fs::create_directories(stara);
    AktaOsobowe starsza(engine::FileSystem::Real(), stara.string(), m_kadry);
    EXPECT_TRUE(starsza.Dokumenty(7).empty());
    EXPECT_FALSE(fs::exists(stara / "AktaOsobowe.DB"));
    starsza.Dodaj(7, Plik("a.pdf", Pdf("a")), {"E", "", {}});
    EXPECT_TRUE(fs::exists(stara / "CzesciAkt.DB"));
    for (const AktaOsobowe* a : {&nowa, &starsza}) {
        const auto czesci = a->Czesci();
        ASSERT_EQ(czesci.size(), 5u);
        EXPECT_EQ(czesci[0].czesc, "A");
        EXPECT_EQ(czesci[4].czesc, "E");
        EXPECT_NE(czesci[4].nazwa.find("trzeźwości"), std::string::npos);
    }
    // pxlib reads the table we made.
    if (Polecenie("which pxview") == 0) {
        EXPECT_EQ(Polecenie("pxview " + (stara / "CzesciAkt.DB").string()), 0);
    }
}

TEST_F(Akta, RemovingAPersonsFileTakesItsFilesAndRowsOnly) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_admin);
    const DokumentAkt d = akta.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "", {}});
    akta.Dodaj(7, Plik("b.pdf", Pdf("b")), {"B", "", {}});
    akta.Dodaj(8, Plik("c.pdf", Pdf("c")), {"B", "", {}});
    akta.Usun(d.identyfikator);  // a recycled copy goes too
    EXPECT_EQ(akta.UsunAktaPracownika(7), 1u);
    EXPECT_TRUE(akta.Dokumenty(7).empty());
    EXPECT_FALSE(fs::exists(fs::path(m_dane) / "AKTA" / "7"));
    EXPECT_FALSE(fs::exists(fs::path(m_dane) / "AKTA" / "KOSZ" / "7"));
    EXPECT_EQ(akta.Dokumenty(8).size(), 1u);
    EXPECT_TRUE(akta.Sprawdz().empty());
    AktaOsobowe kadry(engine::FileSystem::Real(), m_dane, m_kadry);
    EXPECT_THROW(kadry.UsunAktaPracownika(8), BladAkt);
}

TEST_F(Akta, TheTableOfContentsListsEveryPartWithItsDocuments) {
    AktaOsobowe akta(engine::FileSystem::Real(), m_dane, m_kadry);
    akta.Dodaj(7, Plik("a.pdf", Pdf("a")), {"A", "Podanie", {}});
    akta.Dodaj(7, Plik("b.pdf", Pdf("b")), {"C", "Świadectwo pracy", {2026, 11, 30}});
    SpisAkt spis = ZbierzSpis(akta, kKowalski);
    spis.czasDruku = "2026-12-10 12:00:00";
    const reports::Wydruk w = WydrukSpisu(spis, reports::MiaraPrzyblizona());
    const std::string txt = reports::EksportTxt(w);
    for (const char* s : {"Spis dokumentów akt osobowych: Kowalski Jan", "Część A:", "A/1",
                          "Podanie", "Część B:", "brak dokumentów", "C/1", "Świadectwo pracy",
                          "2026-11-30", "Część E:", "Razem dokumentów: 2"})
        EXPECT_NE(txt.find(s), std::string::npos) << s << "\n" << txt;
}

}  // namespace
}  // namespace mirta::akta
