#include <gtest/gtest.h>

#include "store/czas_pracy.h"
#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::DatasetState;
using engine::Value;
using testing::BazaTestowa;
using testing::Blad;

class CzasPracy : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
        auto& p = *tdm->TPracownicy;
        p.Insert();
        p.SetField("Nazwisko", Value::Text("Nowak"));
        p.SetField("Imie1", Value::Text("Anna"));
        p.Post();
        pracownik = p.Field("Identyfikator").AsInteger();
    }

    int64_t Pole(const std::string& pole) { return tdm->TCzasPracy->Field(pole).AsInteger(); }

    // A card of the month posted through the card window's table.
    void DodajKarte(KartyPracy& karty, int rok, int miesiac) {
        auto& k = karty.Karta();
        k.Insert();
        k.SetField("Rok", Value::Integer(rok));
        k.SetField("Miesiac", Value::Integer(miesiac));
        k.Post();
    }

    int64_t pracownik = 0;
    GodzinyDomyslne godziny;
};

TEST_F(CzasPracy, ANewCardIsTheEmployeesAtTheProcessingMonthWithNoHours) {
    KartyPracy karty(*tdm, godziny);
    EXPECT_EQ(karty.Naglowek(), "Anna Nowak");
    auto& k = karty.Karta();
    k.Insert();
    EXPECT_EQ(Pole("IdPracownika"), pracownik);
    EXPECT_EQ(Pole("Rok"), 2026);
    EXPECT_EQ(Pole("Miesiac"), 12);
    for (int d = 1; d <= 31; ++d) {
        EXPECT_EQ(Pole("P" + std::to_string(d)), 0);
        EXPECT_EQ(Pole("W" + std::to_string(d)), 0);
    }
    k.Post();
    EXPECT_EQ(Pole("RazemPlan"), 0);
}

TEST_F(CzasPracy, BeforePostRefusesInOrderAndKeepsTheCardInEditState) {
    KartyPracy karty(*tdm, godziny);
    auto& k = karty.Karta();
    k.Insert();
    k.SetField("Rok", Value());
    k.SetField("Miesiac", Value::Integer(13));
    EXPECT_EQ(Blad([&] { k.Post(); }), "Rok kalendarza pracownika jest obowiązkowy !!!");
    k.SetField("Rok", Value::Integer(2026));
    k.SetField("Miesiac", Value());
    EXPECT_EQ(Blad([&] { k.Post(); }), "Miesiąc kalendarza pracownika jest obowiązkowy !!!");
    for (int m : {0, 13}) {
        k.SetField("Miesiac", Value::Integer(m));
        EXPECT_EQ(Blad([&] { k.Post(); }), "Miesiąc musi być z zakresu 1-12 !!!");
    }
    EXPECT_EQ(k.State(), DatasetState::Insert);
    EXPECT_EQ(k.GetTable().RowCount(), 0u);
}

TEST_F(CzasPracy, HoursAreCorrectedNotRefused) {
    KartyPracy karty(*tdm, godziny);
    auto& k = karty.Karta();
    k.Insert();
    k.SetField("Rok", Value::Integer(2007));
    k.SetField("Miesiac", Value::Integer(2));
    k.SetFieldText("P5", "30");
    k.SetFieldText("W5", "-2");
    k.SetField("P6", Value());
    k.SetField("P28", Value::Integer(8));
    k.SetField("P29", Value::Integer(8));  // February 2007 has 28 days
    k.SetField("P30", Value::Integer(8));
    k.SetField("W31", Value::Integer(5));
    k.SetField("W1", Value::Integer(7));
    k.Post();
    EXPECT_EQ(Pole("P5"), 24);
    EXPECT_EQ(Pole("W5"), 0);
    EXPECT_EQ(Pole("P6"), 0);
    EXPECT_FALSE(k.Field("P6").IsNull());
    EXPECT_EQ(Pole("P28"), 8);
    EXPECT_EQ(Pole("P29"), 0);
    EXPECT_EQ(Pole("P30"), 0);
    EXPECT_EQ(Pole("W31"), 0);
    EXPECT_EQ(Pole("RazemPlan"), 32);
    EXPECT_EQ(Pole("RazemWykonanie"), 7);
}

TEST_F(CzasPracy, ADayButtonFillsBothHoursFromTheChoiceAndTheDefaults) {
    KartyPracy karty(*tdm, godziny);
    EXPECT_EQ(karty.co, CoWstawiac::PlanIWykonanie);
    DodajKarte(karty, 2026, 12);
    godziny.plan = 6;
    godziny.wykonanie = 7;
    struct Przypadek {
        CoWstawiac co;
        int64_t plan, wykonanie;
    } const przypadki[] = {
        {CoWstawiac::PlanIWykonanie, 6, 7},
        {CoWstawiac::Plan, 6, 0},
        {CoWstawiac::Wykonanie, 0, 7},
        {CoWstawiac::Czysc, 0, 0},
    };
    for (const auto& p : przypadki) {
        karty.co = p.co;
        karty.WypelnijDzien(12);
        EXPECT_EQ(karty.Karta().State(), DatasetState::Edit);
        EXPECT_EQ(Pole("P12"), p.plan) << kCoWstawiac[static_cast<int>(p.co)];
        EXPECT_EQ(Pole("W12"), p.wykonanie) << kCoWstawiac[static_cast<int>(p.co)];
    }
}

TEST(GodzinyDomyslneKarty, StayWithinADay) {
    GodzinyDomyslne g;
    EXPECT_EQ(g.plan, 8);
    EXPECT_EQ(g.wykonanie, 8);
    g.plan = 24;
    g.ZmienPlan(+1);
    EXPECT_EQ(g.plan, 24);
    g.wykonanie = 0;
    g.ZmienWykonanie(-1);
    EXPECT_EQ(g.wykonanie, 0);
    g.ZmienPlan(-1);
    g.ZmienWykonanie(+1);
    EXPECT_EQ(g.plan, 23);
    EXPECT_EQ(g.wykonanie, 1);
}

TEST_F(CzasPracy, TheCardIsShownOnlyWhenSavedAndPresent) {
    KartyPracy karty(*tdm, godziny);
    EXPECT_FALSE(karty.PokazKarte());
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, "Brak kart pracy dla pracownika !!!");
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Kontrola danych.");
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Blad);
    EXPECT_FALSE(karty.TrybKarty());

    DodajKarte(karty, 2027, 2);
    karty.Karta().Edit();
    karty.Karta().SetField("Miesiac", Value::Integer(0));
    EXPECT_EQ(Blad([&] { karty.PokazKarte(); }), "Miesiąc musi być z zakresu 1-12 !!!");
    EXPECT_FALSE(karty.TrybKarty());
    karty.Karta().SetField("Miesiac", Value::Integer(2));
    ASSERT_TRUE(karty.PokazKarte());
    EXPECT_TRUE(karty.TrybKarty());
    const auto podpisy = karty.PodpisyDni();
    ASSERT_EQ(podpisy.size(), 28u);
    EXPECT_EQ(podpisy[0], "1 Pn.");
    EXPECT_EQ(podpisy[13], "14 Nd.");

    karty.WypelnijDzien(1);
    karty.Karta().SetField("P2", Value::Integer(-3));
    karty.Karta().SetField("Rok", Value());
    EXPECT_EQ(Blad([&] { karty.UkryjKarte(); }), "Rok kalendarza pracownika jest obowiązkowy !!!");
    EXPECT_TRUE(karty.TrybKarty());
    karty.Karta().SetField("Rok", Value::Integer(2027));
    karty.UkryjKarte();
    EXPECT_FALSE(karty.TrybKarty());
    EXPECT_EQ(Pole("RazemPlan"), 8);
}

TEST_F(CzasPracy, OneCardPerEmployeeAndMonth) {
    KartyPracy karty(*tdm, godziny);
    DodajKarte(karty, 2026, 12);
    auto& k = karty.Karta();
    k.Insert();
    const std::string raport = Blad([&] { k.Post(); });
    EXPECT_EQ(raport.rfind("  Dane powtarzają się lub są niepoprawne !!!", 0), 0u) << raport;
    EXPECT_NE(raport.find("(unikalne wartości powtarzają się)\n Dla komponentu:TCzasPracy\n"
                          "Nazwa tabeli:CzasPracy.DB"),
              std::string::npos)
        << raport;
    EXPECT_EQ(k.State(), DatasetState::Insert);
}

TEST_F(CzasPracy, DeletingACardNeedsTheRightToChangeData) {
    {
        KartyPracy karty(*tdm, godziny);
        DodajKarte(karty, 2026, 11);
        DodajKarte(karty, 2026, 12);
    }
    DodajUzytkownika("PODGLAD", "podglad", true, false);
    ASSERT_TRUE(Zaloguj("PODGLAD", "podglad"));
    tdm->TPracownicy->First();
    {
        KartyPracy karty(*tdm, godziny);
        auto& k = karty.Karta();
        ASSERT_EQ(k.RecordCount(), 2);
        EXPECT_EQ(Pole("Miesiac"), 12);  // opened on the last card
        EXPECT_EQ(Blad([&] { k.Delete(); }), kBrakPrawa);
        EXPECT_EQ(Blad([&] { k.Edit(); }), kBrakPrawa);
        EXPECT_EQ(Blad([&] { karty.WypelnijDzien(3); }), kBrakPrawa);
        EXPECT_EQ(k.RecordCount(), 2);
    }
    ASSERT_TRUE(Zaloguj());
    KartyPracy karty(*tdm, godziny);
    karty.Karta().Delete();
    EXPECT_EQ(karty.Karta().RecordCount(), 1);
}

}  // namespace
}  // namespace mirta::store
