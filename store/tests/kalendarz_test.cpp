#include <gtest/gtest.h>

#include "engine/paradox_table.h"
#include "store/kalendarz.h"
#include "store/kalendarz_kadrowy.h"
#include "store/testing/baza_testowa.h"
#include "store/zasady_wspolne.h"
#include "tools/demo.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using engine::Value;
using testing::BazaTestowa;
using testing::Blad;

DataKal D(int r, int m, int d) {
    return {r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}

class Kalendarz : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
    }

    void ZalogujBezPrawa() {
        DodajUzytkownika("PODGLAD", "podglad", true, false);
        ASSERT_TRUE(Zaloguj("PODGLAD", "podglad"));
    }

    uint64_t Wiersze() { return tdm->TKalendarz->GetTable().RowCount(); }

    std::string Litery() { return tdm->TKalendarz->Field("PrzebiegPracy").AsText(); }
    double Godziny(int d) { return tdm->TKalendarz->Field("G" + std::to_string(d)).AsNumber(); }
};

TEST_F(Kalendarz, GeneratedMonthsMarkWeekdaysAndHolidays) {
    struct Przypadek {
        int rok, miesiac;
        const char* litery;
    } const przypadki[] = {
        // 1 and 3 May holidays (Thursday, Saturday), Corpus Christi on the 22nd.
        {2008, 5, "SRSSRRRRRWSRRRRRWSRRRSRWSRRRRRW"},
        // Outside the years of the count, but the calendar window goes there.
        {1900, 2, "RRWSRRRRRWSRRRRRWSRRRRRWSRRRZZZ"},
        {2000, 2, "RRRRWSRRRRRWSRRRRRWSRRRRRWSRRZZ"},
        {2100, 2, "RRRRRWSRRRRRWSRRRRRWSRRRRRWSZZZ"},
        // 24 December from 2025; the 26th a Saturday holiday.
        {2024, 12, "SRRRRRWSRRRRRWSRRRRRWSRRSSRWSRR"},
        {2026, 12, "RRRRWSRRRRRWSRRRRRWSRRRSSSSRRRR"},
        // 6 January from 2011 and Easter Monday (5 April 2010, 25 April 2011).
        {2010, 1, "SWSRRRRRWSRRRRRWSRRRRRWSRRRRRWS"},
        {2011, 1, "SSRRRSRWSRRRRRWSRRRRRWSRRRRRWSR"},
        {2011, 4, "RWSRRRRRWSRRRRRWSRRRRRWSSRRRRWZ"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.rok) + "-" + std::to_string(p.miesiac));
        const uint64_t przed = Wiersze();
        ASSERT_TRUE(PrzygotujMiesiac(*tdm, p.rok, p.miesiac));
        EXPECT_EQ(Wiersze(), przed + 1);
        EXPECT_EQ(tdm->TKalendarz->Field("IdentyfikatorKalendarza").AsInteger(), 20000);
        EXPECT_EQ(tdm->TKalendarz->Field("Rok").AsInteger(), p.rok);
        EXPECT_EQ(tdm->TKalendarz->Field("Miesiac").AsInteger(), p.miesiac);
        EXPECT_EQ(Litery(), p.litery);
        for (int d = 1; d <= 31; ++d)
            EXPECT_EQ(Godziny(d), p.litery[d - 1] == 'R' ? 8.0 : 0.0) << "dzień " << d;
        EXPECT_EQ(GenerujMiesiac(p.rok, p.miesiac).przebieg, p.litery);
    }
}

TEST_F(Kalendarz, AStoredMonthIsFoundAndNeverRewritten) {
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 12));
    auto& k = *tdm->TKalendarz;
    k.Edit();
    k.SetField("PrzebiegPracy", Value::Text(std::string(31, 'W')));
    k.Post();
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 11));
    const uint64_t przed = Wiersze();
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 12));
    EXPECT_EQ(Wiersze(), przed);
    EXPECT_EQ(Litery(), std::string(31, 'W'));
    EXPECT_EQ(LiczDniKalendarza(*tdm, D(2026, 12, 1), D(2026, 12, 31), 'W'), 31);
}

TEST_F(Kalendarz, CountsDaysOfALetterInEitherDirection) {
    struct Przypadek {
        DataKal od, doDnia;
        char litera;
        int32_t wynik;
    } const przypadki[] = {
        {D(2026, 6, 8), D(2026, 6, 14), 'R', 5},     // Monday to Sunday
        {D(2026, 6, 14), D(2026, 6, 8), 'R', 5},     // exchanged
        {D(2026, 6, 9), D(2026, 6, 9), 'R', 1},      // a working day alone
        {D(2026, 6, 13), D(2026, 6, 13), 'R', 0},    // a Saturday alone
        {D(2026, 12, 1), D(2026, 12, 31), 'R', 21},  //
        {D(2026, 12, 1), D(2026, 12, 31), 'S', 7},   //
        {D(2026, 12, 1), D(2026, 12, 31), 'W', 3},   //
        {D(2029, 11, 15), D(2030, 2, 10), 'R', 58},  // across months not stored yet
        {D(2099, 12, 20), D(2100, 1, 10), 'R', 11},  // up to the last supported year
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.od.rok) + "-" + std::to_string(p.od.miesiac) + "-" +
                     std::to_string(p.od.dzien) + " " + p.litera);
        EXPECT_EQ(LiczDniKalendarza(*tdm, p.od, p.doDnia, p.litera), p.wynik);
    }
}

TEST_F(Kalendarz, RangeCodesComeInTheirOrderBeforeTheDatesAreExchanged) {
    struct Przypadek {
        DataKal od, doDnia;
        int32_t wynik;
    } const przypadki[] = {
        {D(1989, 12, 31), D(2000, 1, 1), 10000}, {D(2000, 1, 1), D(1989, 12, 31), 10003},
        {D(2000, 1, 1), D(2101, 1, 1), 10000},   {D(2101, 1, 1), D(2000, 1, 1), 10000},
        {D(2000, 2, 30), D(2000, 13, 1), 10001},  // both invalid: the from-date first
        {DataKal{}, D(2000, 1, 1), 10001},       {D(2000, 1, 1), D(2001, 2, 29), 10002},
        {D(1900, 2, 1), D(1900, 2, 28), 10003},  {D(2101, 1, 1), D(1980, 1, 1), 10003},
    };
    const uint64_t przed = Wiersze();
    for (const auto& p : przypadki)
        EXPECT_EQ(LiczDniKalendarza(*tdm, p.od, p.doDnia, 'R'), p.wynik)
            << int(p.od.rok) << "-" << int(p.od.miesiac) << " .. " << int(p.doDnia.rok);
    EXPECT_EQ(Wiersze(), przed);  // a code is returned before any month is touched
    static_assert(!JestLiczbaDni(10000) && JestLiczbaDni(9999));
    static_assert(DniLubZero(10003) == 0 && DniLubZero(12) == 12);
}

TEST_F(Kalendarz, WithoutTheRightToChangeDataMissingMonthsAreCountedInMemory) {
    ZalogujBezPrawa();
    const uint64_t przed = Wiersze();
    std::string blad;
    EXPECT_FALSE(PrzygotujMiesiac(*tdm, 2030, 1, &blad));
    EXPECT_EQ(tdm->TKalendarz->State(), engine::DatasetState::Browse);
    EXPECT_FALSE(blad.empty()) << "the refusal keeps its message";
    // The count goes on from the months in memory and hands the refusal back once.
    std::string ostrzezenie;
    EXPECT_EQ(LiczDniKalendarza(*tdm, D(2029, 11, 15), D(2030, 2, 10), 'R', &ostrzezenie), 58);
    EXPECT_EQ(ostrzezenie, blad);
    EXPECT_EQ(Wiersze(), przed);
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST_F(Kalendarz, AShortTextWrittenElsewhereCountsOnlyItsLetters) {
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 12));
    auto& k = *tdm->TKalendarz;
    k.Edit();
    k.SetField("PrzebiegPracy", Value::Text("RRRRR"));
    k.Post();
    EXPECT_EQ(LiczDniKalendarza(*tdm, D(2026, 12, 3), D(2026, 12, 31), 'R'), 3);
}

TEST_F(Kalendarz, RowsKeepTheirIdentifierHoursAndCannotBeDeleted) {
    auto& k = *tdm->TKalendarz;
    k.Insert();
    EXPECT_EQ(k.Field("IdentyfikatorKalendarza").AsInteger(), 20000);
    k.SetFieldText("G3", "-4");
    EXPECT_EQ(k.Field("G3").AsNumber(), 0.0);
    k.SetFieldText("G4", "7,5");
    EXPECT_EQ(k.Field("G4").AsNumber(), 7.5);
    k.Cancel();
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 12));
    EXPECT_EQ(Blad([&] { k.Delete(); }), kNieKasuj);
}

// The demo unit's calendar ends with 2027; its users KADRY may change data, PODGLAD may not.
TEST(KalendarzDemo, CountsAcrossMissingMonthsDoNotDependOnTheUsersRights) {
    engine::testing::TempDir dir;
    tools::OpcjeDemo opcje;
    opcje.pracownicy = 12;
    opcje.lata = 2;
    tools::UtworzDemo(engine::FileSystem::Real(), dir.Path(), opcje);
    testing::DialogiSkryptowe dialogi;
    auto policz = [&](const char* nazwa, const char* haslo, uint64_t& przybylo) {
        TDM tdm(engine::FileSystem::Real(), dir.Path(), dialogi, opcje.dzis);
        TDM1 tdm1(tdm);
        DaneStartowe d{opcje.dzis, nazwa, haslo};
        EXPECT_TRUE(tdm.FunkcjaStartowa(&d));
        const uint64_t przed = tdm.TKalendarz->GetTable().RowCount();
        const int32_t robocze = LiczDniKalendarza(tdm, D(2027, 11, 15), D(2030, 2, 10), 'R');
        przybylo = tdm.TKalendarz->GetTable().RowCount() - przed;
        return robocze;
    };
    uint64_t podglad = 0, kadry = 0;
    const int32_t bezPrawa = policz("PODGLAD", "podglad", podglad);
    const int32_t zPrawem = policz("KADRY", "kadry", kadry);
    EXPECT_EQ(bezPrawa, zPrawem);
    EXPECT_EQ(zPrawem, 564);
    EXPECT_EQ(podglad, 0u);
    EXPECT_EQ(kadry, 26u);  // 2028-01 .. 2030-02
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

// ---- The calendar window's logic

TEST_F(Kalendarz, TheWindowShowsTheProcessingMonthWithWeekdays) {
    KalendarzKadrowy okno(*tdm);
    ASSERT_TRUE(okno.Pokaz());
    EXPECT_EQ(okno.Rok(), 2026);
    EXPECT_EQ(okno.Miesiac(), 12);
    const auto& dni = okno.Dni();
    EXPECT_EQ(dni[0].skrot, "Wt");
    EXPECT_EQ(dni[0].litera, 'R');
    EXPECT_EQ(dni[5].skrot, "Nd");
    EXPECT_EQ(dni[23].litera, 'S');
    EXPECT_TRUE(dni[30].widoczny);
    ASSERT_TRUE(okno.UstawMiesiac(2));
    EXPECT_FALSE(okno.Dni()[28].widoczny);
    EXPECT_EQ(okno.Dni()[27].skrot, "So");
    ASSERT_TRUE(okno.UstawRok(2028));  // leap year
    EXPECT_TRUE(okno.Dni()[28].widoczny);
    EXPECT_FALSE(okno.Dni()[29].widoczny);
}

TEST_F(Kalendarz, AStatusChangeStoresTheLetterAndHours) {
    KalendarzKadrowy okno(*tdm);
    ASSERT_TRUE(okno.Pokaz());
    okno.WybierzDzien(2);
    ASSERT_TRUE(okno.ZmienStatus("Święto."));
    EXPECT_EQ(Litery()[1], 'S');
    EXPECT_EQ(Godziny(2), 0.0);
    EXPECT_EQ(okno.Dni()[1].litera, 'S');
    EXPECT_EQ(okno.WybranyDzien(), 0);
    okno.WybierzDzien(5);  // a Saturday
    ASSERT_TRUE(okno.ZmienStatus("Dzień roboczy."));
    EXPECT_EQ(Litery()[4], 'R');
    EXPECT_EQ(Godziny(5), 8.0);
    okno.WybierzDzien(5);
    ASSERT_TRUE(okno.ZmienStatus("Dzień wolny."));
    EXPECT_EQ(Litery()[4], 'W');
    EXPECT_EQ(Godziny(5), 0.0);
    EXPECT_TRUE(dialogi.komunikaty.empty());
    // The change is in the file at once.
    auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Kalendarz.DB"));
    bool znaleziony = false;
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        auto r = t->ReadRow(i);
        if (r[1].AsInteger() == 2026 && r[2].AsInteger() == 12) {
            znaleziony = true;
            EXPECT_EQ(r[3].AsText().substr(0, 5), "RSRRW");
        }
    }
    EXPECT_TRUE(znaleziony);
}

TEST_F(Kalendarz, RefusedStatusChangesShowTheirMessagesAndChangeNothing) {
    KalendarzKadrowy okno(*tdm);
    ASSERT_TRUE(okno.Pokaz());
    const std::string przed = Litery();
    okno.WybierzDzien(3);
    EXPECT_TRUE(okno.ZmienStatus("Urlop."));
    okno.WybierzDzien(0);
    EXPECT_TRUE(okno.ZmienStatus("Święto."));
    okno.WybierzDzien(32);
    EXPECT_TRUE(okno.ZmienStatus("Święto."));
    ASSERT_TRUE(okno.UstawMiesiac(2));
    okno.WybierzDzien(30);  // no such day in February
    EXPECT_TRUE(okno.ZmienStatus("Święto."));
    okno.WybierzDzien(3);
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 11));  // the table moved away from the month shown
    EXPECT_TRUE(okno.ZmienStatus("Święto."));
    EXPECT_EQ(dialogi.Teksty(), (std::vector<std::string>{
                                    "Złe ustawienie statusu !!!",
                                    "W kalendarzu nie ma dnia: 0 !!!",
                                    "W kalendarzu nie ma dnia: 32 !!!",
                                    "W kalendarzu nie ma dnia: 30 !!!",
                                    "Złe ustawienie zbioru kalendarza !!!",
                                }));
    ASSERT_TRUE(okno.UstawMiesiac(12));
    EXPECT_EQ(Litery(), przed);
}

TEST_F(Kalendarz, WithoutTheRightToChangeDataTheWindowCannotWriteOrGenerate) {
    ASSERT_TRUE(PrzygotujMiesiac(*tdm, 2026, 12));
    ZalogujBezPrawa();
    KalendarzKadrowy okno(*tdm);
    ASSERT_TRUE(okno.Pokaz());  // a stored month shows
    const std::string przed = Litery();
    okno.WybierzDzien(1);
    EXPECT_TRUE(okno.ZmienStatus("Święto."));
    EXPECT_EQ(OstatniKomunikat(), "Błąd zapisu danych !!!");
    EXPECT_EQ(tdm->TKalendarz->State(), engine::DatasetState::Browse);
    EXPECT_EQ(Litery(), przed);
    EXPECT_EQ(Godziny(1), 8.0);
    EXPECT_FALSE(okno.UstawRok(2031));  // a missing month: the window closes
    EXPECT_EQ(OstatniKomunikat(), " Niespodziewany błąd odczytu danych !!!");
}

}  // namespace
}  // namespace mirta::store
