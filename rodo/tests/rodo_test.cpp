// One person's data and the anonymisation, on a demo unit opened as the program opens it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/dbf_dump.h"
#include "engine/file_system.h"
#include "engine/paradox_dump.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"
#include "payroll/przegrywanie.h"
#include "reports/miara_tekstu.h"
#include "reports/raport.h"
#include "rodo/anonimizacja.h"
#include "rodo/dane_osoby.h"
#include "store/dziennik_zmian.h"
#include "store/okresy_przechowywania.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/terminy.h"
#include "store/udostepnienia.h"
#include "store/zrodla_obliczen.h"
#include "tools/demo.h"
#include "wspolne/blad_danych.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::rodo {
namespace {

namespace fs = std::filesystem;
using engine::Value;

constexpr engine::CivilDate kDzis{2026, 12, 10};

// Distinct values put on the person anonymised, so that a byte search finds only theirs.
constexpr const char* kNazwisko = "Xyzanonimowski";
constexpr const char* kUlica = "Qwertyuiopowa";
constexpr const char* kPesel = "55031412345";
constexpr const char* kRodzina = "Familiowskaya";

std::vector<std::string> Linie(const std::string& tekst) {
    std::vector<std::string> w;
    std::istringstream in(tekst);
    for (std::string l; std::getline(in, l);)
        w.push_back(l);
    return w;
}

std::vector<std::string> Pola(const std::string& linia) {
    std::vector<std::string> w;
    size_t a = 0;
    for (;;) {
        const size_t b = linia.find('\t', a);
        w.push_back(linia.substr(a, b - a));
        if (b == std::string::npos)
            return w;
        a = b + 1;
    }
}

std::string Zrzut(const fs::path& plik) {
    std::ostringstream out;
    std::string ext = plik.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    if (ext == ".dbf") {
        std::string s;
        engine::DumpDbf(engine::FileSystem::Real(), plik.string(), nullptr, s);
        return s;
    }
    engine::DumpParadox(engine::FileSystem::Real(), plik.string(), nullptr, out);
    return out.str();
}

std::string Bajty(const fs::path& plik) {
    std::ifstream f(plik, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class DaneOsobowe : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_wzor = new engine::testing::TempDir();
        tools::OpcjeDemo o;
        o.pracownicy = 40;
        o.lata = 2;
        tools::UtworzDemo(engine::FileSystem::Real(), s_wzor->Path(), o);
    }
    static void TearDownTestSuite() { delete s_wzor; }

    // The test's temporary folder holds the data directory and, beside it, the files
    // written outside it.
    void SetUp() override {
        fs::create_directories(m_poza);
        fs::copy(s_wzor->Path(), m_dir.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    void TearDown() override { fs::remove_all(m_poza); }

    void Otworz(const std::string& kto = "ADMIN", const std::string& haslo = "") {
        tdm1.reset();
        tdm.reset();
        tdm =
            std::make_unique<store::TDM>(engine::FileSystem::Real(), m_dir.Path(), dialogi, kDzis);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<store::TDM1>(*tdm);
        const store::DaneStartowe d{kDzis, kto, haslo};
        ASSERT_TRUE(tdm->FunkcjaStartowa(&d));
        tdm->OpenAll(store::Otwieranie::PoZalogowaniu);
        tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
    }

    // The employee with the most family members and leave rows: the widest test of the report.
    int32_t Najbogatszy() {
        std::map<int32_t, int> wiersze;
        for (const char* plik : {"StanRodz.db", "Urlopy.db", "Wykszt.DB", "Badania.db"}) {
            const fs::path p = m_dir.Path() / fs::path(plik);
            if (!fs::exists(p))
                continue;
            auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), p.string());
            for (uint64_t i = 0; i < t->RowCount(); ++i)
                ++wiersze[static_cast<int32_t>(t->ReadField(i, 0).AsInteger())];
        }
        return std::max_element(wiersze.begin(), wiersze.end(),
                                [](auto& a, auto& b) { return a.second < b.second; })
            ->first;
    }

    fs::path Plik(const std::string& nazwa) const { return fs::path(m_dir.Path()) / nazwa; }

    static engine::testing::TempDir* s_wzor;
    engine::testing::TempDir m_dir;
    const fs::path m_poza = fs::path(m_dir.Path() + "_poza");
    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
};

engine::testing::TempDir* DaneOsobowe::s_wzor = nullptr;

// Every value of every row of the person, as the tables' own dumps print them, is in the
// archive's CSV files, read back by unzip; the PDF holds the texts and dates, read by poppler.
TEST_F(DaneOsobowe, RaportIArchiwumZawierajaKazdaWartoscWierszyOsoby) {
    Otworz();
    const int32_t id = Najbogatszy();
    const DaneOsoby d = ZbierzDaneOsoby(*tdm, *tdm1, id);
    const std::string zip = (m_poza / "dane.zip").string();
    ZapiszArchiwumDanychOsoby(tdm->Sesja(), d, zip);

    const auto nazwy = NazwyPlikowArchiwum(d);
    size_t sprawdzonych = 0, tabelZWierszami = 0;
    for (size_t t = 0; t < d.tabele.size(); ++t) {
        const TabelaOsoby& tab = d.tabele[t];
        const fs::path plik = Plik(tab.plik);
        const std::string polecenie = "unzip -p '" + zip + "' '" + nazwy[t] + "'";
        std::string csv;
        if (FILE* p = popen(polecenie.c_str(), "r")) {
            char b[4096];
            for (size_t n; (n = fread(b, 1, sizeof b, p)) > 0;)
                csv.append(b, n);
            pclose(p);
        }
        ASSERT_FALSE(csv.empty()) << nazwy[t];
        if (!fs::exists(plik) || tab.plik == store::kPlikDziennika ||
            tab.plik == store::kPlikUdostepnien)
            continue;
        // The dump's rows of the person, in storage order, against the CSV's lines.
        const auto zrzut = Linie(Zrzut(plik));
        const auto naglowek = Pola(zrzut[0]);
        int kolumna = -1;
        for (size_t k = 0; k < naglowek.size(); ++k) {
            const std::string n = naglowek[k].substr(0, naglowek[k].find(':'));
            if (n == "IdentyfikatorPracownika" || n == "IdPracownika" ||
                (kolumna < 0 && tab.plik == "Mirta.DB" && n == "Identyfikator"))
                kolumna = static_cast<int>(k);
        }
        ASSERT_GE(kolumna, 0) << tab.plik;
        std::vector<std::vector<std::string>> osoby;
        for (size_t i = 1; i < zrzut.size(); ++i) {
            auto p = Pola(zrzut[i]);
            if (p[kolumna] == std::to_string(id))
                osoby.push_back(std::move(p));
        }
        auto linie = Linie(csv);
        for (auto& l : linie)
            if (!l.empty() && l.back() == '\r')
                l.pop_back();
        ASSERT_EQ(linie.size(), osoby.size() + 1) << tab.plik;
        tabelZWierszami += !osoby.empty();
        for (size_t r = 0; r < osoby.size(); ++r) {
            ASSERT_EQ(osoby[r].size(), tab.pola.size()) << tab.plik;
            for (size_t k = 0; k < tab.pola.size(); ++k) {
                const std::string& z = osoby[r][k];
                const std::string c = WartoscMaszynowa(tab.pola[k], tab.wiersze[r][k]);
                const auto typ = tab.pola[k].type;
                if (z == "\\N") {
                    EXPECT_EQ(c, "") << tab.plik << " " << tab.pola[k].name;
                } else if (typ == engine::FieldType::Number || typ == engine::FieldType::Money) {
                    EXPECT_DOUBLE_EQ(std::stod(c), std::stod(z))
                        << tab.plik << " " << tab.pola[k].name;
                } else if (typ == engine::FieldType::Timestamp || typ == engine::FieldType::Time) {
                    EXPECT_EQ(c, z.substr(0, c.size())) << tab.plik << " " << tab.pola[k].name;
                } else {
                    EXPECT_EQ(c, z) << tab.plik << " " << tab.pola[k].name;
                }
                // The CSV line holds the same value (quoted when it must be).
                EXPECT_NE(linie[r + 1].find(c), std::string::npos) << tab.plik;
                ++sprawdzonych;
            }
        }
    }
    EXPECT_GE(tabelZWierszami, 5u);
    EXPECT_GT(sprawdzonych, 100u);

    // The disclosure of the archive itself is in the register, and in the next report.
    store::FiltrUdostepnien f;
    f.pracownik = id;
    const auto wpisy = store::CzytajUdostepnienia(tdm->Fs(), tdm->DataDirectory(), f);
    ASSERT_EQ(wpisy.size(), 1u);
    EXPECT_EQ(wpisy[0].cel, zip);
    EXPECT_EQ(ZbierzDaneOsoby(*tdm, *tdm1, id).tabele.back().wiersze.size(), 1u);
}

TEST_F(DaneOsobowe, OdmawiaBezPrawaDoZmianyINieznanejOsoby) {
    Otworz("PODGLAD", "podglad");
    const DaneOsoby d = ZbierzDaneOsoby(*tdm, *tdm1, Najbogatszy());
    const std::string zip = (m_poza / "dane.zip").string();
    EXPECT_THROW(ZapiszArchiwumDanychOsoby(tdm->Sesja(), d, zip), store::BladDanych);
    EXPECT_FALSE(fs::exists(zip));
    EXPECT_THROW(ZbierzDaneOsoby(*tdm, *tdm1, 999999), store::BladDanych);
}

// The person anonymised is a former officer dismissed in 2010 whose file the unit keeps ten
// years; their names, PESEL and street were also exported to the payroll files, written to
// the change journal and named in a disclosure's file name.
class Anonimizacja : public DaneOsobowe {
protected:
    void Przygotuj() {
        auto& rfs = engine::FileSystem::Real();
        {
            auto t = engine::ParadoxTable::Open(rfs, Plik("Mirta.DB").string());
            auto pole = [&](const char* n) {
                for (size_t i = 0; i < t->Fields().size(); ++i)
                    if (t->Fields()[i].name == n)
                        return static_cast<int>(i);
                return -1;
            };
            m_id = Najbogatszy();
            for (uint64_t i = 0; i < t->RowCount(); ++i) {
                engine::Record r = t->ReadRow(i);
                if (r[pole("Identyfikator")].AsInteger() != m_id)
                    continue;
                r[pole("Nazwisko")] = Value::Text(kNazwisko);
                r[pole("Ulica")] = Value::Text(kUlica);
                r[pole("PESEL")] = Value::Text(kPesel);
                r[pole("OsobaPowiadamiania")] = Value::Text(std::string("Anna ") + kNazwisko);
                r[pole("Podzial")] = Value::Text("1");
                r[pole("DataZwolnienia")] = Value::Date(engine::DayNumberFromCivil(2010, 6, 30));
                t->Update(i, r);
            }
            t->Sync();
        }
        {
            auto t = engine::ParadoxTable::Open(rfs, Plik("StanRodz.db").string());
            for (uint64_t i = 0; i < t->RowCount(); ++i) {
                engine::Record r = t->ReadRow(i);
                if (r[0].AsInteger() == m_id) {
                    r[4] = Value::Text(kRodzina);
                    t->Update(i, r);
                }
            }
            t->Sync();
        }
        store::WpisDziennika w;
        w.kiedy = store::Teraz();
        w.uzytkownik = "KADRY";
        w.operacja = "zmiana";
        w.tabela = "Mirta.DB";
        w.klucz = std::to_string(m_id);
        w.pracownik = m_id;
        w.pole = "Nazwisko";
        w.stara = "Kowalski";
        w.nowa = kNazwisko;
        store::DopiszDoDziennika(rfs, m_dir.Path(), {w});
        store::Udostepnienie u;
        u.uzytkownik = "KADRY";
        u.odbiorca = store::kOdbiorcaPlik;
        u.rodzaj = store::kRodzajDokument;
        u.opis = "WZORY\\KARTA.RTF";
        u.cel = std::string("/home/kadry/") + kNazwisko + "_Jan.rtf";
        u.pracownicy = {m_id};
        store::ZapiszUdostepnienie(rfs, m_dir.Path(), u);
        auto zasady = store::DomyslneZasadyPrzechowywania();
        zasady[0].lata = 10;
        store::SesjaUzytkownika admin;
        admin.Administrator = true;
        store::ZapiszZasadyPrzechowywania(admin, rfs, m_dir.Path(), zasady);

        Otworz();
        // The payroll export of every employee, the dismissed included.
        tdm->Filtr().BezFiltru = true;
        tdm->OdswiezListePracownikow();
        dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
        ASSERT_EQ(payroll::PrzegrajDanePlacowe(tdm->Fs(), tdm->DataDirectory(), *tdm->TPracownicy,
                                               tdm->Sesja(), {}, dialogi)
                      .stan,
                  payroll::WynikPrzegrania::Stan::Przegrano);
        ASSERT_NE(Bajty(Plik("ROVANTE/MIRTA.DBF")).find(kPesel), std::string::npos);
    }

    std::map<std::string, std::string> Zrzuty() {
        std::map<std::string, std::string> w;
        for (const auto& e : fs::recursive_directory_iterator(m_dir.Path())) {
            std::string ext = e.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (e.is_regular_file() && (ext == ".db" || ext == ".dbf"))
                w[fs::relative(e.path(), m_dir.Path()).string()] = Zrzut(e.path());
        }
        return w;
    }

    // The counts of the statistics: every number the report prints and how many texts.
    std::pair<size_t, std::vector<double>> Statystyka(int numer) {
        store::ZrodlaObliczen zrodla(*tdm, *tdm1);
        reports::ParametryWydruku p;
        p.numer = numer;
        p.od = {2025, 1, 1};
        p.doDnia = {2026, 12, 10};
        p.czasDruku = "2026-12-10 12:00:00";
        const reports::Wydruk w = reports::PrzygotujWydruk(zrodla, reports::MiaraPrzyblizona(), p);
        size_t tekstow = 0;
        std::vector<double> liczby;
        for (const auto& s : w.strony)
            for (const auto& e : s.teksty) {
                ++tekstow;
                if (e.rodzaj == reports::RodzajWartosci::Liczba)
                    liczby.push_back(e.liczba);
            }
        return {tekstow, liczby};
    }

    int32_t m_id = 0;
};

TEST_F(Anonimizacja, NieZostawiaBajtowOsobyIZmieniaTylkoJejWiersze) {
    Przygotuj();
    const auto przed = Zrzuty();
    const auto statystykaPrzed = Statystyka(14);
    const auto urlopyPrzed = Statystyka(19);
    const auto do_usuniecia =
        store::AktaDoZniszczenia(tdm->TPracownicy->GetTable(),
                                 store::CzytajZasadyPrzechowywania(tdm->Fs(), tdm->DataDirectory()),
                                 {2026, 12, 10}, {2026, 12, 10});
    ASSERT_TRUE(std::any_of(do_usuniecia.begin(), do_usuniecia.end(),
                            [&](const auto& o) { return o.pracownik == m_id; }));

    // The dates coming due list the file to destroy, on the day after its retention ended.
    {
        store::ZrodlaObliczen zrodla(*tdm, *tdm1);
        const auto terminy = store::TerminyWOkresie(zrodla, {2026, 12, 10}, 60);
        const auto t = std::find_if(terminy.begin(), terminy.end(), [&](const store::Termin& t) {
            return t.pracownik == m_id && t.rodzaj == store::RodzajTerminu::KoniecPrzechowywania;
        });
        ASSERT_NE(t, terminy.end());
        EXPECT_EQ(t->data, (compute::DataKal{2021, 1, 1}));
    }
    EXPECT_EQ(OsobaDoAnonimizacji(*tdm, m_id).rfind(kNazwisko, 0), 0u);
    const WynikAnonimizacji w = Anonimizuj(*tdm, *tdm1, m_id);
    EXPECT_GT(w.wierszy, 3u);

    // No file of the data directory holds the person's PESEL, surname, street or family name.
    for (const auto& e : fs::recursive_directory_iterator(m_dir.Path())) {
        if (!e.is_regular_file())
            continue;
        const std::string b = Bajty(e.path());
        for (const char* slad : {kPesel, kNazwisko, kUlica, kRodzina})
            EXPECT_EQ(b.find(slad), std::string::npos) << slad << " w " << e.path();
    }

    // Every other row is byte-identical in the dumps: whatever changed is the person's.
    const auto po = Zrzuty();
    for (const auto& [plik, zrzut] : przed) {
        ASSERT_TRUE(po.count(plik)) << plik;
        if (plik == store::kPlikDziennika || plik == store::kPlikUdostepnien)
            continue;
        std::multiset<std::string> a, b;
        for (const auto& l : Linie(zrzut))
            a.insert(l);
        for (const auto& l : Linie(po.at(plik)))
            b.insert(l);
        std::vector<std::string> znikly, nowe;
        std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(znikly));
        std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(nowe));
        EXPECT_EQ(znikly.size(), nowe.size()) << plik;
        for (const std::string& l : znikly) {
            const auto pola = Pola(l);
            const bool osoby =
                std::find(pola.begin(), pola.end(), std::to_string(m_id)) != pola.end() ||
                l.find(kPesel) != std::string::npos;
            EXPECT_TRUE(osoby) << plik << ": " << l;
        }
    }
    // The statistics count the same.
    EXPECT_EQ(Statystyka(14), statystykaPrzed);
    EXPECT_EQ(Statystyka(19), urlopyPrzed);

    // The journal keeps that it happened, and no value of the person.
    store::FiltrDziennika f;
    f.pracownik = m_id;
    const auto wpisy = store::CzytajDziennik(tdm->Fs(), tdm->DataDirectory(), f);
    ASSERT_FALSE(wpisy.empty());
    EXPECT_EQ(wpisy.back().operacja, kOperacjaAnonimizacji);
    for (const auto& wpis : wpisy)
        EXPECT_TRUE(wpis.stara.empty() && wpis.nowa.empty()) << wpis.pole;

    // The person's names read "ANONIM" in the window's view, and they are listed no more.
    ASSERT_TRUE(tdm->TPracownicy->FindKey({Value::Integer(m_id)}) ||
                tdm->TPracownicy->RecordCount() > 0);
    EXPECT_TRUE(
        store::AktaDoZniszczenia(tdm->TPracownicy->GetTable(),
                                 store::CzytajZasadyPrzechowywania(tdm->Fs(), tdm->DataDirectory()),
                                 {2026, 12, 10}, {2026, 12, 10})
            .size() == do_usuniecia.size() - 1);
    EXPECT_THROW(Anonimizuj(*tdm, *tdm1, m_id), store::BladDanych);
}

TEST_F(Anonimizacja, OdmawiaPrzedKoncemPrzechowywaniaIBezUprawnien) {
    Otworz();
    const int32_t id = Najbogatszy();
    // Nobody's file ends before 2030 under the default rules in the demo unit of 2026.
    const std::string blad = [&] {
        try {
            SprawdzAnonimizacje(*tdm, *tdm1, id);
        } catch (const store::BladDanych& e) {
            return std::string(e.what());
        }
        return std::string();
    }();
    EXPECT_FALSE(blad.empty());
    Otworz("KADRY", "kadry");
    EXPECT_THROW(Anonimizuj(*tdm, *tdm1, id), store::BladDanych);
}

}  // namespace
}  // namespace mirta::rodo
