#include <gtest/gtest.h>

#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using engine::DatasetState;
using engine::Value;
using testing::BazaTestowa;
using testing::Blad;

class Pracownicy : public BazaTestowa {
protected:
    void SetUp() override {
        BazaTestowa::SetUp();
        ASSERT_TRUE(Zaloguj());
    }

    int32_t Dodaj(const std::string& nazwisko, const std::string& imie,
                  std::initializer_list<std::pair<const char*, Value>> pola = {}) {
        auto& p = *tdm->TPracownicy;
        p.Insert();
        p.SetField("Nazwisko", Value::Text(nazwisko));
        p.SetField("Imie1", Value::Text(imie));
        for (const auto& [pole, v] : pola)
            p.SetField(pole, v);
        p.Post();
        return static_cast<int32_t>(p.Field("Identyfikator").AsInteger());
    }

    static Value Dzien(int r, int m, int d) {
        return Value::Date(engine::DayNumberFromCivil(r, m, d));
    }

    std::vector<std::string> Lista() {
        tdm->OdswiezListePracownikow();
        std::vector<std::string> n;
        auto& p = *tdm->TPracownicy;
        for (int64_t i = 0; i < p.RecordCount(); ++i)
            n.push_back(p.RowAt(i)["Nazwisko"].AsText());
        return n;
    }

    int32_t Slownik(TableComponent& c, const char* pole, const char* nazwa, const char* id) {
        c->Insert();
        c->SetField(pole, Value::Text(nazwa));
        c->Post();
        return static_cast<int32_t>(c->Field(id).AsInteger());
    }
};

TEST_F(Pracownicy, ANewRecordGetsItsDefaults) {
    auto& p = *tdm->TPracownicy;
    p.Insert();
    EXPECT_EQ(p.Field("Etat").AsNumber(), 1.0);
    for (auto [pole, kod] : {std::pair{"SystemZatrudnienia", "Z"},
                             {"CharakterZatrudnienia", "S"},
                             {"UmyslowyFizyczny", "U"},
                             {"KosztyUzyskaniaPrzychodu", "E"},
                             {"UlgaPodatkowa", "T"},
                             {"Podzial", "1"},
                             {"SystemSluzby", "1"}})
        EXPECT_EQ(p.Field(pole).AsText(), kod) << pole;
    EXPECT_EQ(p.FieldText("Podzial"), "1 - funkcjonariusz");
    EXPECT_EQ(p.FieldText("SystemSluzby"), "1-codzienny, funkcje wykonawcze");
    p.Cancel();
}

TEST_F(Pracownicy, CodeFieldsRefuseOtherCodesAndShowTheirTexts) {
    auto& p = *tdm->TPracownicy;
    p.Insert();
    EXPECT_EQ(Blad([&] { p.SetFieldText("Plec", "X"); }),
              " Dopuszczalne: K - kobieta, M  - Mężczyzna !!!");
    EXPECT_EQ(Blad([&] { p.SetFieldText("Podzial", "5"); }),
              "Możesz wpisać jedynie 1,2,3 lub 4 !!!");
    EXPECT_EQ(Blad([&] { p.SetFieldText("SystemSluzby", "9"); }),
              "Możesz wpisać jedynie:\n0 - cywil\n1-codzienny, funkcje wykonawcze\n2 - "
              "zmianowy\n3-codzienny, funkcje dowódcze\n4-Inny bez dodatkowego urlopu");
    p.SetFieldText("Plec", "K");
    EXPECT_EQ(p.FieldText("Plec"), "Kobieta");
    p.SetFieldText("Plec", "");
    EXPECT_EQ(p.FieldText("Plec"), "");
    p.SetFieldText("SystemSluzby", "");
    EXPECT_EQ(p.FieldText("SystemSluzby"), "XXXXXX");
    p.Cancel();
}

TEST_F(Pracownicy, SexIsTakenFromTheFirstNameWhenEmpty) {
    for (auto [imie, plec] : {std::pair{"Anna", "K"}, {"Jan", "M"}, {"Kuba ", "K"}}) {
        Dodaj("Test", imie);
        EXPECT_EQ(tdm->TPracownicy->Field("Plec").AsText(), plec) << imie;
    }
}

TEST_F(Pracownicy, BeforePostChecksRunInOrderAndARefusedPostKeepsValuesAndDefaults) {
    auto& p = *tdm->TPracownicy;
    p.Insert();
    p.SetField("Nazwisko", Value::Text("   "));
    EXPECT_EQ(Blad([&] { p.Post(); }), " Nazwisko jest obowiązkowe !!!");
    p.SetField("Nazwisko", Value::Text("Nowak"));
    EXPECT_EQ(Blad([&] { p.Post(); }), " Imię pierwsze jest obowiązkowe !!!");
    p.SetField("Imie1", Value::Text("Ewa"));
    p.SetField("Podzial", Value::Text("2"));
    p.SetField("SystemSluzby", Value());
    p.SetField("LiczbaOsobDoZasilkuRodzin", Value::Integer(-3));
    EXPECT_EQ(Blad([&] { p.Post(); }), "Status pracownika cywilnego jest konieczna do SPD !!!");
    EXPECT_EQ(p.State(), DatasetState::Insert);
    EXPECT_EQ(p.Field("Nazwisko").AsText(), "Nowak");
    // Corrections made before the refusal stay.
    EXPECT_EQ(p.Field("Plec").AsText(), "K");
    EXPECT_EQ(p.Field("LiczbaOsobDoZasilkuRodzin").AsInteger(), 0);
    EXPECT_EQ(p.Field("LiczbaOsobDoZasilkuPieleg").AsInteger(), 0);
    EXPECT_EQ(p.Field("SystemSluzby").AsText(), "1");
    p.Cancel();

    // An officer's civil status is emptied.
    Dodaj("Wiśniewski", "Piotr", {{"IdStPracCyw", Value::Integer(1)}});
    EXPECT_TRUE(tdm->TPracownicy->Field("IdStPracCyw").IsNull());
}

TEST_F(Pracownicy, TheFilterByItsSettings) {
    // Processing date 2026-12-10.
    Dodaj("A-funkcjonariusz", "Jan");
    Dodaj("B-cywil", "Jan", {{"Podzial", Value::Text("2")}, {"IdStPracCyw", Value::Integer(1)}});
    Dodaj("C-emeryt", "Jan", {{"Podzial", Value::Text("4")}});
    Dodaj("D-umowa", "Jan", {{"CharakterZatrudnienia", Value::Text("U")}});
    Dodaj("E-zwolniony-wczoraj", "Jan", {{"DataZwolnienia", Dzien(2026, 12, 9)}});
    Dodaj("F-zwolniony-dzis", "Jan", {{"DataZwolnienia", Dzien(2026, 12, 10)}});
    Dodaj("G-komorka-7", "Jan", {{"KomorkaOrganizacyjna", Value::Integer(7)}});

    using L = std::vector<std::string>;
    auto& f = tdm->Filtr();
    EXPECT_EQ(Lista(), (L{"A-funkcjonariusz", "B-cywil", "F-zwolniony-dzis", "G-komorka-7"}));
    f.PokazZwolnionych = true;
    f.PokazUmowy = true;
    f.PokazEmerytow = true;
    f.PokazFunkcjonariuszy = false;
    // The contract worker shows whatever the division.
    EXPECT_EQ(Lista(), (L{"B-cywil", "C-emeryt", "D-umowa"}));
    f = FiltrPracownikow{};
    f.FiltrKomorki = true;
    f.KomorkaFiltru = 7;
    EXPECT_EQ(Lista(), (L{"G-komorka-7"}));
    f.FiltrWlaczony = false;
    f.KomorkaFiltru = -1;
    EXPECT_EQ(Lista().size(), 7u);
    f = FiltrPracownikow{};
    f.TylkoAktywni = true;
    EXPECT_EQ(Lista(), (L{"A-funkcjonariusz", "B-cywil", "F-zwolniony-dzis", "G-komorka-7"}));
    f = FiltrPracownikow{};
    f.BezFiltru = true;
    EXPECT_EQ(Lista().size(), 7u);
}

TEST_F(Pracownicy, CurrentRankAndPositionFollowTheLastRows) {
    const int32_t kapral =
        Slownik(tdm->TSlowStopni, "NazwaStopnia", "kapral", "IdentyfikatorStopnia");
    const int32_t sierzant =
        Slownik(tdm->TSlowStopni, "NazwaStopnia", "sierżant", "IdentyfikatorStopnia");
    const int32_t referent =
        Slownik(tdm->TSlowStanowisk, "NazwaStanowiska", "referent", "IdentyfikatorStanowiska");
    const int32_t id = Dodaj("Zieliński", "Adam");
    Dodaj("Bez-historii", "Jan");
    ASSERT_TRUE(tdm->TPracownicy->FindKey({Value::Text("Zieliński")}));
    EXPECT_EQ(tdm->TPracownicy->FieldText("AktualnyStopien"), "");

    auto stopien = [&](Value data, int32_t s) {
        auto& ps = *tdm->TPracStop;
        ps.Insert();
        ps.SetField("DataOdKiedy", data);
        ps.SetField("IdentyfikatorStopnia", Value::Integer(s));
        ps.SetField("KtoWydal", Value::Integer(1));
        ps.SetField("NrRozkazu", Value::Text("1/2020"));
        ps.Post();
    };
    stopien(Dzien(2020, 1, 1), kapral);
    stopien(Dzien(2024, 6, 1), sierzant);
    EXPECT_EQ(tdm->AktualnyStopien(id), "sierżant");
    auto& st = *tdm->TStanowiska;
    st.Insert();
    st.SetField("DataOd", Dzien(2021, 3, 1));
    st.SetField("IdentyfikatorStanowiska", Value::Integer(referent));
    st.Post();
    EXPECT_EQ(tdm->AktualneStanowisko(id), "referent");
    tdm->TPracownicy->Refresh();
    EXPECT_EQ(tdm->TPracownicy->FieldText("AktualnyStopien"), "sierżant");
    EXPECT_EQ(tdm->TPracownicy->FieldText("AktualneStanowisko"), "referent");

    // Deleting the last rank row shows the one before.
    auto& ps = *tdm->TPracStop;
    ps.Last();
    ps.Delete();
    EXPECT_EQ(tdm->AktualnyStopien(id), "kapral");
    // A rename in the dictionary shows at once.
    auto& sl = *tdm->TSlowStopni;
    for (sl.First(); !sl.Eof(); sl.Next())
        if (sl.Field("IdentyfikatorStopnia").AsInteger() == kapral)
            break;
    sl.Edit();
    sl.SetField("NazwaStopnia", Value::Text("starszy kapral"));
    sl.Post();
    EXPECT_EQ(tdm->AktualnyStopien(id), "starszy kapral");
}

}  // namespace
}  // namespace mirta::store
