#include "store/zamkniecie_roku.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "engine/paradox_table.h"
#include "engine/testing/fault_file_system.h"
#include "engine/testing/temp_dir.h"
#include "store/dograj_urlopy.h"
#include "store/nowa_baza.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::store {
namespace {

using engine::Value;
using Rodzaj = testing::DialogiSkryptowe::Rodzaj;

Value Dzien(int r, int m, int d) {
    return Value::Date(engine::DayNumberFromCivil(r, m, d));
}

// A data directory of 2026 with two employees, opened through a file system that can fail.
class ZamkniecieRoku : public ::testing::Test {
protected:
    static constexpr engine::CivilDate kDzis{2026, 12, 10};

    void SetUp() override {
        UtworzNowaBaze(engine::FileSystem::Real(), dir.Path(), kDzis);
        auto wstaw = [&](const char* plik,
                         std::initializer_list<std::pair<const char*, Value>> pola) {
            auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File(plik));
            engine::Record r(t->Fields().size());
            for (const auto& [p, v] : pola)
                r[PoleTabeli(*t, p)] = v;
            const uint64_t w = t->Insert(r);
            t->Sync();
            return static_cast<int32_t>(t->ReadField(w, 0).AsInteger());
        };
        // A civil employee of 12 years with 5 days of the year's leave taken and 3 carried in;
        // an officer dismissed long ago.
        cywil = wstaw("Mirta.DB", {{"Nazwisko", Value::Text("Lis")},
                                   {"Podzial", Value::Text("2")},
                                   {"Etat", Value::Number(1)},
                                   {"SystemSluzby", Value::Text("S")}});
        wstaw("Zatrudnienie.db", {{"IdentyfikatorPracownika", Value::Integer(cywil)},
                                  {"DataOd", Dzien(2014, 6, 1)},
                                  {"IdentyfikatorFormyZatrudn", Value::Integer(4)}});
        wstaw("UrN2026.DB", {{"IdentyfikatorPracownika", Value::Integer(cywil)},
                             {"Rok", Value::Integer(2026)},
                             {"UrlopZaleglyPoprzedniRok", Value::Integer(3)}});
        wstaw("WykUrl2026.DB", {{"IdentyfikatorPracownika", Value::Integer(cywil)},
                                {"DataOd", Dzien(2026, 3, 2)},
                                {"DataDo", Dzien(2026, 3, 6)},
                                {"RodzajUrlopu", Value::Integer(1)}});
        zwolniony = wstaw("Mirta.DB", {{"Nazwisko", Value::Text("Dawny")},
                                       {"Podzial", Value::Text("1")},
                                       {"DataZwolnienia", Dzien(2001, 1, 1)}});
    }

    // Both modules on the failing file system, ADMIN logged in on `data`.
    bool Zaloguj(engine::CivilDate data = kDzis, const char* uzytkownik = "ADMIN") {
        tdm1.reset();
        tdm.reset();
        tdm = std::make_unique<TDM>(fs, dir.Path(), dialogi, data);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<TDM1>(*tdm);
        DaneStartowe d{data, uzytkownik, ""};
        return tdm->FunkcjaStartowa(&d) && tdm->Sesja().Zalogowany();
    }

    std::set<std::string> Pliki() const {
        std::set<std::string> p;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            p.insert(e.path().filename().string());
        return p;
    }

    engine::testing::TempDir dir;
    engine::testing::FaultFileSystem fs;
    testing::DialogiSkryptowe dialogi;
    std::unique_ptr<TDM> tdm;
    std::unique_ptr<TDM1> tdm1;
    int32_t cywil = 0, zwolniony = 0;
};

TEST_F(ZamkniecieRoku, MakesTheNextYearsPairWithCarriedLeaveAndTheYearBecomesArchival) {
    ASSERT_TRUE(Zaloguj());
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    ASSERT_EQ(ZamknijRokUrlopowy(*tdm, *tdm1, dialogi), WynikZamkniecia::Zamknieto);
    ASSERT_GE(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, "Czy chcesz zamknąć urlopowy rok:2026 ?");
    // The closing's words, what was carried over, then the restart.
    const std::string& koniec = dialogi.komunikaty.back().tekst;
    EXPECT_EQ(koniec.rfind("Zamknięcie roku do urlopów zakończyło się poprwanie.\n", 0), 0u)
        << koniec;
    EXPECT_NE(koniec.find("\n Należy ponownie uruchomić program."), std::string::npos) << koniec;

    auto nalezne = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("UrN2027.DB"));
    ASSERT_EQ(nalezne->RowCount(), 2u);
    auto pole = [&](uint64_t w, const char* p) {
        return nalezne->ReadField(w, PoleTabeli(*nalezne, p));
    };
    // Rows in key order: the civil employee first (lower identifier).
    EXPECT_EQ(pole(0, "IdentyfikatorPracownika").AsInteger(), cywil);
    EXPECT_EQ(pole(0, "Rok").AsInteger(), 2027);
    EXPECT_EQ(pole(0, "UrlopNalezny").AsInteger(), 26);  // 12 whole years on 1 January 2027
    // 20 of 2026 (11 years in 2026 as well: 26) + 3 carried - 5 taken.
    EXPECT_EQ(pole(0, "UrlopZaleglyPoprzedniRok").AsInteger(), 26 + 3 - 5);
    EXPECT_EQ(pole(0, "SystemSluzby").AsText(), "S");
    EXPECT_EQ(pole(0, "Przelicznik").AsNumber(), 1.0);
    EXPECT_TRUE(pole(0, "UrlopNaleznyDni").IsNull());
    EXPECT_EQ(pole(1, "IdentyfikatorPracownika").AsInteger(), zwolniony);
    auto wykorzystane =
        engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("WykUrl2027.DB"));
    EXPECT_EQ(wykorzystane->RowCount(), 0u);
    for (const auto& p : Pliki())
        EXPECT_EQ(p.find("_nowy"), std::string::npos) << p;

    // The closed year is archival; the new one opens.
    ASSERT_TRUE(Zaloguj());
    EXPECT_TRUE(tdm->Sesja().RokUrlopowyZamkniety);
    dialogi.komunikaty.clear();
    EXPECT_EQ(ZamknijRokUrlopowy(*tdm, *tdm1, dialogi), WynikZamkniecia::Przerwano);
    EXPECT_EQ(
        dialogi.Teksty(),
        std::vector<std::string>{"Przeglądasz dane archiwalne, zamknięcie nie jest możliwe !!!"});
    ASSERT_TRUE(Zaloguj({2027, 1, 15}));
    EXPECT_FALSE(tdm->Sesja().RokUrlopowyZamkniety);
}

TEST_F(ZamkniecieRoku, AFailureAnywhereLeavesTheDirectoryAsItWas) {
    ASSERT_TRUE(Zaloguj());
    const std::set<std::string> przed = Pliki();
    int nieudane = 0;
    for (int64_t budzet = 0;; budzet += 700) {
        fs.FailWritesAfter(fs.BytesWritten() + budzet);
        dialogi.komunikaty.clear();
        dialogi.odpowiedzi = {Odpowiedz::Tak};
        if (ZamknijRokUrlopowy(*tdm, *tdm1, dialogi) == WynikZamkniecia::Zamknieto)
            break;
        ++nieudane;
        EXPECT_EQ(Pliki(), przed) << "budżet " << budzet;
        ASSERT_FALSE(dialogi.komunikaty.empty());
        EXPECT_EQ(dialogi.komunikaty.back().rodzaj, Rodzaj::Blad);
        EXPECT_EQ(dialogi.komunikaty.back().tekst.find("Zamknięcie roku do urlopów nie powiodło "
                                                       "się; nie utworzono plików roku 2027."),
                  0u)
            << dialogi.komunikaty.back().tekst;
        ASSERT_LT(nieudane, 500);
    }
    fs.FailWritesAfter(-1);
    EXPECT_GT(nieudane, 3);
    EXPECT_TRUE(Pliki().count("UrN2027.DB"));
    EXPECT_TRUE(Pliki().count("WykUrl2027.DB"));
}

TEST_F(ZamkniecieRoku, RightsTheQuestionAndAHalfClosedYear) {
    ASSERT_TRUE(Zaloguj());
    dialogi.odpowiedzi = {Odpowiedz::Nie};
    EXPECT_EQ(ZamknijRokUrlopowy(*tdm, *tdm1, dialogi), WynikZamkniecia::Przerwano);
    EXPECT_FALSE(Pliki().count("UrN2027.DB"));

    // An older version left the leave-due file alone.
    std::filesystem::copy_file(dir.File("UrN2026.DB"), dir.File("UrN2027.DB"));
    std::filesystem::copy_file(dir.File("UrN2026.PX"), dir.File("UrN2027.PX"));
    ASSERT_TRUE(Zaloguj());
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi = {Odpowiedz::Tak};
    EXPECT_EQ(ZamknijRokUrlopowy(*tdm, *tdm1, dialogi), WynikZamkniecia::Naprawiono);
    EXPECT_EQ(dialogi.komunikaty[0].tekst,
              "Rok urlopowy 2026 zamknięto niepełnie: brak pliku WykUrl2027.DB.\nCzy utworzyć "
              "brakujący, pusty plik ?");
    EXPECT_TRUE(Pliki().count("WykUrl2027.DB"));
    EXPECT_TRUE(Zaloguj({2027, 2, 1}));
}

// A database of an earlier version kept the 2006 leave in the base file: the import copies the
// rows starting in 2006 through the leave rules, once.
TEST_F(ZamkniecieRoku, TheImportOf2006LeaveCopiesEachRowOnce) {
    auto otworz = [&](const char* plik) {
        return engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File(plik));
    };
    otworz("UrlNalez.db")->CreateLike(dir.File("UrN2006.DB"))->Sync();
    otworz("Urlopy.db")->CreateLike(dir.File("WykUrl2006.DB"))->Sync();
    {
        auto bazowy = otworz("Urlopy.db");
        auto wstaw = [&](Value od, Value doDnia) {
            engine::Record r(bazowy->Fields().size());
            r[PoleTabeli(*bazowy, "IdentyfikatorPracownika")] = Value::Integer(cywil);
            r[PoleTabeli(*bazowy, "DataOd")] = od;
            r[PoleTabeli(*bazowy, "DataDo")] = doDnia;
            r[PoleTabeli(*bazowy, "RodzajUrlopu")] = Value::Integer(1);
            bazowy->Insert(r);
        };
        wstaw(Dzien(2005, 7, 4), Dzien(2005, 7, 8));    // an earlier year: not imported
        wstaw(Dzien(2006, 3, 6), Dzien(2006, 3, 10));   // imported
        wstaw(Dzien(2006, 12, 28), Dzien(2007, 1, 3));  // refused by the rules
        bazowy->Sync();
    }
    ASSERT_TRUE(Zaloguj({2006, 6, 1}));
    tdm1->Open(tdm1->TUrlopy);
    for (int przebieg = 0; przebieg < 2; ++przebieg) {
        dialogi.komunikaty.clear();
        const auto w = DograjUrlopy(*tdm1, dialogi);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->dopisane, przebieg == 0 ? 1 : 0);
        EXPECT_EQ(w->powtorzone, przebieg == 0 ? 0 : 1);
        EXPECT_EQ(w->bledne, 1);
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tytul, "Zakończenie operacj.");
        EXPECT_EQ(dialogi.komunikaty[0].tekst,
                  przebieg == 0 ? "Zaimportowano urlopy z poprzedniej wersji.\nPozycji "
                                  "dopisanych: 1,\nPozycji powtórzonych: 0,\nPozycji błędnych: 1."
                                : "Zaimportowano urlopy z poprzedniej wersji.\nPozycji "
                                  "dopisanych: 0,\nPozycji powtórzonych: 1,\nPozycji błędnych: 1.");
    }
    auto rok = otworz("WykUrl2006.DB");
    ASSERT_EQ(rok->RowCount(), 1u);
    EXPECT_EQ(rok->ReadField(0, PoleTabeli(*rok, "DataOd")), Dzien(2006, 3, 6));
    // The leave table follows the employee again.
    EXPECT_TRUE(tdm1->TUrlopy.IsOpen());

    // Another year: nothing happens; a leave row being edited stops it.
    ASSERT_TRUE(Zaloguj());
    dialogi.komunikaty.clear();
    EXPECT_FALSE(DograjUrlopy(*tdm1, dialogi));
    EXPECT_TRUE(dialogi.komunikaty.empty());
    ASSERT_TRUE(Zaloguj({2006, 6, 1}));
    tdm1->Open(tdm1->TUrlopy);
    tdm1->TUrlopy->Insert();
    EXPECT_FALSE(DograjUrlopy(*tdm1, dialogi));
    EXPECT_EQ(dialogi.komunikaty.back().tekst, "Najpierw zapisz lub porzuć zmiany dla urlopu !!!");
    tdm1->TUrlopy->Cancel();
}

// An administrator whose right to change data was taken away neither closes the year nor
// imports leave: both are refused before anything is written.
TEST_F(ZamkniecieRoku, WithoutTheRightToChangeDataNothingIsClosedOrImported) {
    {
        auto hasla = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Hasla.DB"));
        engine::Record r = hasla->ReadRow(0);
        r[PoleTabeli(*hasla, "NazwaKrotka")] = Value::Text("PODGLAD");
        r[PoleTabeli(*hasla, "Aktualizowanie")] = Value::Logical(false);
        r[PoleTabeli(*hasla, "Identyfikator")] = Value();
        hasla->Insert(r);
        hasla->Sync();
    }
    ASSERT_TRUE(Zaloguj(kDzis, "PODGLAD"));
    ASSERT_TRUE(tdm->Sesja().Administrator);
    dialogi.komunikaty.clear();
    EXPECT_EQ(ZamknijRokUrlopowy(*tdm, *tdm1, dialogi), WynikZamkniecia::Przerwano);
    EXPECT_EQ(dialogi.Teksty(), std::vector<std::string>{"Nie masz prawa do zmiany danych !!!"});
    EXPECT_FALSE(Pliki().count("UrN2027.DB"));

    auto otworz = [&](const char* plik) {
        return engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File(plik));
    };
    otworz("UrlNalez.db")->CreateLike(dir.File("UrN2006.DB"))->Sync();
    otworz("Urlopy.db")->CreateLike(dir.File("WykUrl2006.DB"))->Sync();
    ASSERT_TRUE(Zaloguj({2006, 6, 1}, "PODGLAD"));
    dialogi.komunikaty.clear();
    EXPECT_FALSE(DograjUrlopy(*tdm1, dialogi));
    EXPECT_EQ(dialogi.Teksty(), std::vector<std::string>{"Nie masz prawa do zmiany danych !!!"});
    EXPECT_EQ(otworz("WykUrl2006.DB")->RowCount(), 0u);
}

}  // namespace
}  // namespace mirta::store
