#include "payroll/przegrywanie.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "engine/code_page.h"
#include "payroll/tests/jednostka_placowa.h"

namespace mirta::payroll {
namespace {

using store::testing::DialogiSkryptowe;
using testing::Dzien;
using testing::JednostkaPlacowa;
using testing::Lewo;
using testing::Prawo;
using testing::T;
using testing::Value;
using Rodzaj = DialogiSkryptowe::Rodzaj;
using Stan = WynikPrzegrania::Stan;

std::string M(const char* s) {
    return engine::CodePage::Mazovia().Encode(s);
}

class Przegrywanie : public JednostkaPlacowa {
protected:
    void DodajWzorcowego() {
        Dodaj({{"NumerPracownika", Value::Integer(4711)},
               {"Nazwisko", T("Żółkiewska-Łęcka")},
               {"Imie1", T("Małgorzata")},
               {"Imie2", T("Ewa")},
               {"KodPocztowy", T("90-001")},
               {"Miejscowosc", T("Łódź")},
               {"Poczta", T("Łódź 1")},
               {"Ulica", T("Piotrkowska")},
               {"NrDomuiMieszkania", T("12/5")},
               {"DataUrodzenia", Dzien(1980, 5, 17)},
               {"ImieOjca", T("Józef")},
               {"ImieMatki", T("Halina")},
               {"UmyslowyFizyczny", T("U")},
               {"Etat", Value::Number(0.75)},
               {"SystemZatrudnienia", T("Z")},
               {"KosztyUzyskaniaPrzychodu", T("E")},
               {"DataZatrudnienia", Dzien(2005, 10, 1)},
               {"KontoKosztow", T("401-01")},
               {"UlgaPodatkowa", T("N")},
               {"NumerDowoduOsobistego", T("ABC123456")},
               {"NumerKontaBankowego", T("61 1090 1014 0000 0712 1981 2874")},
               {"Plec", T("K")},
               {"MiejsceUrodzenia", T("Kraków")},
               {"PESEL", T("80051712345")},
               {"KtoWydalDowodosobisty", T("Prezydent Miasta Łodzi")},
               {"CharakterZatrudnienia", T("S")},
               {"Nip", T("123-456-32-18")},
               {"KodUbezpieczenia", T("011000")},
               {"Podzial", T("2")}});
    }
};

TEST_F(Przegrywanie, WritesEveryColumnOfThePairInThePayrollProgramsBytes) {
    DodajWzorcowego();
    Zacznij();
    const std::string id = tdm->TPracownicy->RowAt(0).Text("Identyfikator");
    std::vector<int64_t> kroki;
    int64_t wszystkich = -1;
    PostepPrzegrywania postep{[&](int64_t n) { wszystkich = n; },
                              [&](int64_t n) { kroki.push_back(n); }};
    dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
    const WynikPrzegrania w =
        PrzegrajDanePlacowe(engine::FileSystem::Real(), dir.Path(), *tdm->TPracownicy, tdm->Sesja(),
                            {}, dialogi, postep);
    EXPECT_EQ(w.stan, Stan::Przegrano);
    EXPECT_EQ(w.przegranych, 1);
    EXPECT_EQ(wszystkich, 1);
    EXPECT_EQ(kroki, std::vector<int64_t>{1});
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, "Czy chcesz przegrać dane do płac ?");
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Kontrola.");
    EXPECT_EQ(dialogi.komunikaty[0].ikona, store::Ikona::Pytanie);

    const std::pair<const char*, std::string> mirta[] = {
        {"K_NRP", Prawo(id, 10)},
        {"K_NAZW", Lewo(M("Żółkiewska-Łęcka"), 30)},
        {"K_IMIE1", Lewo("Ma\x92gorzata", 15)},
        {"K_IMIE2", Lewo("Ewa", 15)},
        {"K_AK", "90-001"},
        {"K_AM", Lewo("\x9C\xA2"
                      "d\xA6",
                      20)},
        {"K_AP", Lewo("\x9C\xA2"
                      "d\xA6 1",
                      20)},
        {"K_AU", Lewo("Piotrkowska", 20)},
        {"K_AD", Lewo("12/5", 17)},
        {"K_DATU", "19800517"},
        {"K_IMIE3", Lewo("J\xA2zef", 15)},
        {"K_IMIE4", Lewo("Halina", 15)},
        {"K_FZ", "U"},
        {"K_WE", "    0.7500"},
        {"K_SZ", "Z"},
        {"K_CZ", "E"},
        {"K_DATZAT", "20051001"},
        {"K_DATZW", Lewo("", 8)},
        {"K_KT", Lewo("401-01", 12)},
        {"K_PD", "Nie"},
        {"K_DOW", "ABC123456 "},
        {"K_NRKONT", Lewo("61 1090 1014 0000 0712 1981 2874", 60)},
        {"K_PLEC", "K"},
        {"K_MIEJUR", Lewo("Krak\xA2w", 20)},
        {"K_PESEL", Lewo("80051712345", 13)},
        {"K_WYDDOW", Lewo("Prezydent Miasta \x9C"
                          "odzi",
                          30)},
        {"K_CHAR_ZAT", "S"},
        {"K_NIP", "123-456-32-18"},
        {"K_KOD_UB", "011000"},
        // Columns the payroll program fills itself stay empty.
        {"K_GZ", Lewo("", 4)},
        {"K_KO", Lewo("", 8)},
        {"K_ZUS", " "},
        {"K_SP", Lewo("", 4)},
        {"K_WOJ", Lewo("", 10)},
        {"K_WYKSZ", Lewo("", 4)},
        {"K_NAZB", Lewo("", 20)},
        {"K_ROZ", "  "},
        {"K_WSKS", " "},
        {"K_URZAD", "  "},
        {"K_INF", " "},
        {"K_NRKONT1", Lewo("", 60)},
    };
    ASSERT_EQ(Rekordy("MIRTA.DBF").size(), 1u);
    EXPECT_EQ(Rekordy("MIRTA.DBF")[0][0], ' ');
    for (const auto& [kolumna, bajty] : mirta)
        EXPECT_EQ(Pole("MIRTA.DBF", 0, kolumna), bajty) << kolumna;

    const std::pair<const char*, std::string> praclist[] = {
        {"PL_NRL", "     1"},
        {"PL_NRP", Prawo(id, 10)},
        {"PL_NAZ", Lewo(M("Żółkiewska-Łęcka"), 30)},
        {"PL_IMIE1", Lewo("Ma\x92gorzata", 15)},
        {"PL_IMIE2", Lewo("Ewa", 15)},
        {"PL_INDL", "0"},
        {"PL_PD", "Nie"},
        {"PL_ZUS", " "},
        {"PL_WE", "    0.7500"},
        {"PL_SZ", "Z"},
        {"PL_CZ", "E"},
    };
    ASSERT_EQ(Rekordy("PRACLIST.DBF").size(), 1u);
    for (const auto& [kolumna, bajty] : praclist)
        EXPECT_EQ(Pole("PRACLIST.DBF", 0, kolumna), bajty) << kolumna;
}

TEST_F(Przegrywanie, TaxReliefAndTheEmployeeNumberChosen) {
    Dodaj({{"Nazwisko", T("Adamska")},
           {"UlgaPodatkowa", T("N")},
           {"NumerPracownika", Value::Integer(17)}});
    Dodaj({{"Nazwisko", T("Bielecki")}, {"UlgaPodatkowa", T("T")}});
    Dodaj({{"Nazwisko", T("Cichy")}, {"NumerPracownika", Value::Integer(5)}});
    Zacznij();
    std::vector<std::string> identyfikatory;
    for (int64_t i = 0; i < 3; ++i)
        identyfikatory.push_back(tdm->TPracownicy->RowAt(i).Text("Identyfikator"));

    EXPECT_EQ(Przegraj({StandardLiter::Mazowia, ZrodloNumeru::Identyfikator}).przegranych, 3);
    EXPECT_EQ(
        Przegraj(Ponownie({StandardLiter::Mazowia, ZrodloNumeru::NumerPracownika})).przegranych, 3);
    struct Wiersz {
        const char* nazwisko;
        std::string numer;
        const char* ulga;
    };
    const Wiersz oczekiwane[] = {
        {"Adamska", identyfikatory[0], "Nie"},
        {"Bielecki", identyfikatory[1], "Tak"},
        {"Cichy", identyfikatory[2], "Tak"},  // an empty relief counts as one
        {"Adamska", "17", "Nie"},
        {"Bielecki", "0", "Tak"},  // no personnel number: 0
        {"Cichy", "5", "Tak"},
    };
    ASSERT_EQ(Rekordy("MIRTA.DBF").size(), 6u);
    ASSERT_EQ(Rekordy("PRACLIST.DBF").size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const Wiersz& o = oczekiwane[i];
        SCOPED_TRACE(std::to_string(i) + " " + o.nazwisko);
        EXPECT_EQ(Pole("MIRTA.DBF", i, "K_NAZW"), Lewo(o.nazwisko, 30));
        EXPECT_EQ(Pole("MIRTA.DBF", i, "K_NRP"), Prawo(o.numer, 10));
        EXPECT_EQ(Pole("PRACLIST.DBF", i, "PL_NRP"), Prawo(o.numer, 10));
        EXPECT_EQ(Pole("MIRTA.DBF", i, "K_PD"), o.ulga);
        EXPECT_EQ(Pole("PRACLIST.DBF", i, "PL_PD"), o.ulga);
    }
}

TEST_F(Przegrywanie, TakesTheEmployeesOfTheListUnderTheFilterInForce) {
    Dodaj({{"Nazwisko", T("Funkcjonariusz")}, {"Podzial", T("1")}});
    Dodaj({{"Nazwisko", T("Emeryt")}, {"Podzial", T("4")}});
    Dodaj({{"Nazwisko", T("Zwolniony")},
           {"Podzial", T("2")},
           {"DataZwolnienia", Dzien(2020, 3, 31)}});
    Dodaj({{"Nazwisko", T("Cywil")}, {"Podzial", T("2")}});
    Dodaj({{"Nazwisko", T("Zleceniobiorca")},
           {"Podzial", T("2")},
           {"CharakterZatrudnienia", T("U")}});
    Zacznij();
    EXPECT_EQ(Przegraj().przegranych, 2);
    EXPECT_EQ(Nazwiska("MIRTA.DBF", "K_NAZW"),
              (std::vector<std::string>{"Cywil", "Funkcjonariusz"}));

    tdm->Filtr().PokazEmerytow = true;
    tdm->Filtr().PokazFunkcjonariuszy = false;
    tdm->OdswiezListePracownikow();
    EXPECT_EQ(Przegraj(Ponownie()).przegranych, 2);
    EXPECT_EQ(Nazwiska("MIRTA.DBF", "K_NAZW"),
              (std::vector<std::string>{"Cywil", "Funkcjonariusz", "Cywil", "Emeryt"}));
    EXPECT_EQ(Nazwiska("PRACLIST.DBF", "PL_NAZ"), Nazwiska("MIRTA.DBF", "K_NAZW"));
}

// A second run finds the employees waiting in the files: asked, it skips them by default and
// appends only the new one; agreed, it appends them again and replaces nothing.
TEST_F(Przegrywanie, ASecondRunAsksAboutEmployeesAlreadyInTheFilesAndSkipsThemByDefault) {
    DodajWzorcowego();
    Dodaj({{"Nazwisko", T("Nowak")}, {"Imie1", T("Jan")}});
    // Hidden by the list's filter at first.
    Dodaj({{"Nazwisko", T("Zięba")}, {"Imie1", T("Ewa")}, {"DataZwolnienia", Dzien(2020, 3, 31)}});
    Zacznij();
    WynikPrzegrania w = Przegraj();
    ASSERT_EQ(w.przegranych, 2);
    EXPECT_EQ(dialogi.komunikaty.size(), 1u) << "nobody waiting: no second question";
    const auto mirta = Rekordy("MIRTA.DBF");
    const auto lista = Rekordy("PRACLIST.DBF");

    tdm->Filtr().PokazZwolnionych = true;
    tdm->OdswiezListePracownikow();
    w = Przegraj({}, engine::FileSystem::Real(), store::Odpowiedz::Nie);
    EXPECT_EQ(w.stan, Stan::Przegrano);
    EXPECT_EQ(w.przegranych, 1);
    EXPECT_EQ(w.pominietych, 2);
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[1].tekst,
              "W plikach płacowych są już dane 2 pracowników z tej listy. Dopisać je ponownie?");
    EXPECT_EQ(dialogi.komunikaty[1].domyslna, store::Odpowiedz::Nie);
    EXPECT_EQ(PodsumowaniePrzegrania(w),
              "Dopisano do plików płacowych pracowników: 1.\n"
              "Pominięto (dane już w plikach płacowych): 2.\n"
              "Nie przegrano (błąd zapisu): 0.");
    EXPECT_EQ(Nazwiska("MIRTA.DBF", "K_NAZW"),
              (std::vector<std::string>{"Nowak", M("Żółkiewska-Łęcka"), M("Zięba")}));

    w = Przegraj({}, engine::FileSystem::Real(), store::Odpowiedz::Tak);
    EXPECT_EQ(w.przegranych, 3);
    EXPECT_EQ(w.pominietych, 0);
    const auto mirta2 = Rekordy("MIRTA.DBF");
    const auto lista2 = Rekordy("PRACLIST.DBF");
    ASSERT_EQ(mirta2.size(), 6u);
    ASSERT_EQ(lista2.size(), 6u);
    // Nowak, Zięba and Żółkiewska-Łęcka in the list's order; the first rows untouched.
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(mirta2[i], mirta[i]);
        EXPECT_EQ(mirta2[3 + 2 * i], mirta[i]);
        EXPECT_EQ(lista2[i], lista[i]);
        EXPECT_EQ(lista2[3 + 2 * i], lista[i]);
    }
}

// Employees are told apart by the number written; those written without one by the PESEL,
// and rows the payroll program has taken away (deleted) no longer count.
TEST_F(Przegrywanie, KnowsWaitingEmployeesByTheirNumberOrWithoutOneByPesel) {
    Dodaj({{"Nazwisko", T("Adamska")}, {"PESEL", T("80010112345")}});
    Dodaj({{"Nazwisko", T("Bielecki")}, {"PESEL", T("81020212345")}});
    Dodaj({{"Nazwisko", T("Cichy")}, {"NumerPracownika", Value::Integer(5)}});
    Zacznij();
    const OpcjePrzegrywania kadry{StandardLiter::Mazowia, ZrodloNumeru::NumerPracownika};
    ASSERT_EQ(Przegraj(kadry).przegranych, 3);
    {
        // The payroll program took Bielecki's row.
        auto plik = engine::DbfTable::Open(engine::FileSystem::Real(), Plik("MIRTA.DBF"));
        plik->Delete(1);
    }
    WynikPrzegrania w = Przegraj(kadry, engine::FileSystem::Real(), store::Odpowiedz::Nie);
    EXPECT_EQ(w.pominietych, 2);
    EXPECT_EQ(w.przegranych, 1);
    // The stored records, the taken one (marked deleted) among them.
    EXPECT_EQ(Nazwiska("MIRTA.DBF", "K_NAZW"),
              (std::vector<std::string>{"Adamska", "Bielecki", "Cichy", "Bielecki"}));

    // Under the other number every employee is somebody else to the payroll program.
    w = Przegraj({}, engine::FileSystem::Real());
    EXPECT_EQ(w.pominietych, 0);
    EXPECT_EQ(w.przegranych, 3);
    EXPECT_EQ(dialogi.komunikaty.size(), 1u);
}

TEST_F(Przegrywanie, RefusesAUserWithoutTheRightToChangeDataAndWritesNothing) {
    DodajWzorcowego();
    Zacznij();
    const std::string mirta = engine::testing::ReadBytesOf(Plik("MIRTA.DBF"));
    store::SesjaUzytkownika przegladajacy = tdm->Sesja();
    przegladajacy.Aktualizowanie = false;
    const WynikPrzegrania w = PrzegrajDanePlacowe(engine::FileSystem::Real(), dir.Path(),
                                                  *tdm->TPracownicy, przegladajacy, {}, dialogi);
    EXPECT_EQ(w.stan, Stan::BrakPrawa);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u) << "refused before the question";
    EXPECT_EQ(dialogi.komunikaty[0].rodzaj, Rodzaj::Blad);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, "Nie masz prawa do zmiany danych !!!");
    EXPECT_EQ(engine::testing::ReadBytesOf(Plik("MIRTA.DBF")), mirta);
}

TEST_F(Przegrywanie, StopsAtNoOrAMissingStandardWithoutWriting) {
    DodajWzorcowego();
    Zacznij();
    const std::string mirta = engine::testing::ReadBytesOf(Plik("MIRTA.DBF"));
    bool pokazano = false;
    PostepPrzegrywania postep{[&](int64_t) { pokazano = true; }, nullptr};

    dialogi.odpowiedzi.push_back(store::Odpowiedz::Nie);
    EXPECT_EQ(PrzegrajDanePlacowe(engine::FileSystem::Real(), dir.Path(), *tdm->TPracownicy,
                                  tdm->Sesja(), {}, dialogi, postep)
                  .stan,
              Stan::Rezygnacja);
    EXPECT_EQ(dialogi.komunikaty.size(), 1u);

    // A code table with the Mazovia row only.
    {
        auto kodpol = engine::DbfTable::Open(engine::FileSystem::Real(), Plik("KODPOL.DBF"));
        for (uint64_t i = kodpol->RowCount(); i-- > 0;)
            if (kodpol->ReadField(i, 1) == Value::Text("L"))
                kodpol->Delete(i);
    }
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
    EXPECT_EQ(
        PrzegrajDanePlacowe(engine::FileSystem::Real(), dir.Path(), *tdm->TPracownicy, tdm->Sesja(),
                            {StandardLiter::Latin2, ZrodloNumeru::Identyfikator}, dialogi, postep)
            .stan,
        Stan::BrakStandardu);
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[1].rodzaj, Rodzaj::Blad);
    EXPECT_EQ(dialogi.komunikaty[1].tekst, "Brak standartu polskich liter !!!");
    EXPECT_EQ(dialogi.komunikaty[1].tytul, "Kontrola danych.");
    EXPECT_FALSE(pokazano);
    EXPECT_EQ(engine::testing::ReadBytesOf(Plik("MIRTA.DBF")), mirta);
    EXPECT_EQ(Przegraj().przegranych, 1) << "Mazovia is still there";
}

// Signs that the payroll program has its files open: the Paradox engine's lock files in the
// folder (any case) and a lock another process holds on the file. Each one asks before
// writing, "Nie" by default; "Nie" writes nothing, "Tak" writes.
TEST_F(Przegrywanie, AsksBeforeWritingFilesProbablyOpenInThePayrollProgram) {
    DodajWzorcowego();
    Zacznij();
    const std::string pytanie =
        "Tabela ROVANTE\\MIRTA.DBF jest prawdopodobnie otwarta w programie płacowym. Zapisać "
        "mimo to?";
    struct Slad {
        const char* opis;
        std::function<std::function<void()>()> zaloz;  // answers how to take it away
    };
    auto plikBlokady = [&](const char* nazwa) {
        return [this, nazwa] {
            testing::Zapisz(dir.Path() + "/ROVANTE/" + nazwa, "");
            return std::function<void()>(
                [this, nazwa] { std::filesystem::remove(dir.Path() + "/ROVANTE/" + nazwa); });
        };
    };
    auto blokadaPliku = [&](bool zakresowa) {
        return [this, zakresowa] {
            const int fd = ::open(Plik("MIRTA.DBF").c_str(), O_RDWR | O_CLOEXEC);
            if (zakresowa) {
                struct flock z {};
                z.l_type = F_RDLCK;
                z.l_whence = SEEK_SET;
                z.l_start = 0;
                z.l_len = 1;
                EXPECT_EQ(::fcntl(fd, F_OFD_SETLK, &z), 0);
            } else {
                EXPECT_EQ(::flock(fd, LOCK_SH), 0);
            }
            return std::function<void()>([fd] { ::close(fd); });
        };
    };
    const Slad slady[] = {
        {"PARADOX.LCK", plikBlokady("PARADOX.LCK")}, {"pdoxusrs.lck", plikBlokady("pdoxusrs.lck")},
        {"MIRTA.LCK", plikBlokady("MIRTA.LCK")},     {"flock", blokadaPliku(false)},
        {"byte-range lock", blokadaPliku(true)},
    };
    for (const Slad& s : slady) {
        SCOPED_TRACE(s.opis);
        const std::string przed = engine::testing::ReadBytesOf(Plik("MIRTA.DBF"));
        const auto zdejmij = s.zaloz();
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi = {store::Odpowiedz::Tak, store::Odpowiedz::Nie};
        EXPECT_EQ(PrzegrajDanePlacowe(engine::FileSystem::Real(), dir.Path(), *tdm->TPracownicy,
                                      tdm->Sesja(), {}, dialogi)
                      .stan,
                  Stan::Rezygnacja);
        ASSERT_EQ(dialogi.komunikaty.size(), 2u);
        EXPECT_EQ(dialogi.komunikaty[1].tekst, pytanie);
        EXPECT_EQ(dialogi.komunikaty[1].domyslna, store::Odpowiedz::Nie);
        EXPECT_EQ(engine::testing::ReadBytesOf(Plik("MIRTA.DBF")), przed);
        zdejmij();
    }
    // Answered "Tak", the export goes on; with no sign left there is no question.
    const auto zdejmij = slady[0].zaloz();
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {store::Odpowiedz::Tak, store::Odpowiedz::Tak};
    EXPECT_EQ(PrzegrajDanePlacowe(engine::FileSystem::Real(), dir.Path(), *tdm->TPracownicy,
                                  tdm->Sesja(), {}, dialogi)
                  .przegranych,
              1);
    zdejmij();
}

TEST_F(Przegrywanie, NamesTheFirstMissingFileInTheOrderLookedFor) {
    auto& fs = engine::FileSystem::Real();
    EXPECT_EQ(BrakujacyPlikPlacowy(fs, dir.Path()), std::nullopt);
    const std::pair<const char*, const char*> kolejno[] = {
        {"KODPOL.DBF", "Brak pliku:ROVANTE\\KODPOL.DBF"},
        {"PRACLIST.DBF", "Brak pliku:ROVANTE\\PRACLIST.DBF"},
        {"MIRTA.DBF", "Brak pliku:ROVANTE\\MIRTA.DBF"},
    };
    for (const auto& [plik, komunikat] : kolejno) {
        fs.Remove(Plik(plik));
        EXPECT_EQ(BrakujacyPlikPlacowy(fs, dir.Path()), komunikat);
    }
}

// Another dBase reader, not ours, reads what the export appended.
TEST_F(Przegrywanie, AnIndependentDbaseReaderSeesThePairsOfBothRuns) {
    DodajWzorcowego();
    Dodaj({{"Nazwisko", T("Nowak")},
           {"Imie1", T("Jan")},
           {"Etat", Value::Number(1)},
           {"NumerPracownika", Value::Integer(12)}});
    Zacznij();
    // The files carry the Latin 2 language byte, so a reader shows these letters as they are.
    ASSERT_EQ(Przegraj({StandardLiter::Latin2, ZrodloNumeru::NumerPracownika}).przegranych, 2);
    ASSERT_EQ(
        Przegraj(Ponownie({StandardLiter::Latin2, ZrodloNumeru::NumerPracownika})).przegranych, 2);

    const std::string skrypt =
        "import dbf, sys\n"
        "for nazwa in sys.argv[1:]:\n"
        "    t = dbf.Table(nazwa)\n"
        "    t.open()\n"
        "    print(len(t))\n"
        "    for r in t:\n"
        "        print('|'.join('' if v is None else str(v).strip() for v in r))\n";
    const std::string polecenie = "/usr/bin/python3 -W ignore -c \"" + skrypt + "\" " +
                                  Plik("MIRTA.DBF") + " " + Plik("PRACLIST.DBF") + " 2>&1";
    std::string wyjscie;
    {
        std::unique_ptr<FILE, int (*)(FILE*)> p(popen(polecenie.c_str(), "r"), pclose);
        ASSERT_TRUE(p);
        std::array<char, 4096> bufor;
        while (size_t n = std::fread(bufor.data(), 1, bufor.size(), p.get()))
            wyjscie.append(bufor.data(), n);
    }
    const std::string mirta1 =
        "4711|Żółkiewska-Łęcka|Małgorzata|Ewa|90-001|Łódź|Łódź 1|Piotrkowska|12/5|1980-05-17|"
        "Józef|Halina|U|0.75|Z|E|2005-10-01||||401-01|Nie|||ABC123456||||"
        "61 1090 1014 0000 0712 1981 2874||K|Kraków||80051712345||Prezydent Miasta Łodzi||S|"
        "123-456-32-18|011000|\n";
    const std::string mirta2 = "12|Nowak|Jan|||||||||||1.0||||||||Tak|||||||||||||||||||\n";
    const std::string lista1 = "1|4711|Żółkiewska-Łęcka|Małgorzata|Ewa|0|Nie||0.75|Z|E\n";
    const std::string lista2 = "1|12|Nowak|Jan||0|Tak||1.0||\n";
    // Nowak comes first in the list's order.
    EXPECT_EQ(wyjscie, "4\n" + mirta2 + mirta1 + mirta2 + mirta1 + "4\n" + lista2 + lista1 +
                           lista2 + lista1);
}

}  // namespace
}  // namespace mirta::payroll
