#include "store/historia_sluzby.h"

#include <gtest/gtest.h>

#include "store/slowniki.h"
#include "store/testing/historia_testowa.h"
#include "wspolne/blad_danych.h"
#include "store/listy_kodow.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetState;
using engine::Value;
using testing::Blad;
using testing::HistoriaTestowa;

class HistoriaSluzby : public HistoriaTestowa {
protected:
    // Position with a pay group, as the positions dictionary holds it.
    int32_t Stanowisko(const std::string& nazwa, Value grupa, const char* ub = "N") {
        return Slownik(tdm->TSlowStanowisk, "NazwaStanowiska", nazwa, "IdentyfikatorStanowiska",
                       {{"GrupaPlacowa", grupa}, {"Ubruttowienie", Value::Text(ub)}});
    }
    void DodajStanowisko(Value data, int32_t stanowisko) {
        auto& s = *tdm->TStanowiska;
        s.Insert();
        s.SetField("DataOd", data);
        s.SetField("IdentyfikatorStanowiska", Value::Integer(stanowisko));
        s.Post();
    }
    // The employee's pay-group rows as (date, group, multiplier).
    std::vector<std::tuple<std::string, int64_t, std::string>> Grupy() {
        std::vector<std::tuple<std::string, int64_t, std::string>> w;
        auto& g = *tdm->TPracGrup;
        for (int64_t i = 0; i < g.RecordCount(); ++i) {
            auto r = g.RowAt(i);
            w.emplace_back(engine::FormatDate(r["DataOdKiedy"].AsDay()),
                           r["IdentyfikatorGrupy"].AsInteger(), r["Mnoznik"].ToString());
        }
        return w;
    }
};

TEST_F(HistoriaSluzby, BeforePostChecksInOrderWithTheirMessages) {
    Pracownik("Nowak");
    const Value wydawca = Value::Integer(Slownik(tdm->TWydawcy, "Nazwa", "KW", "Identyfikator"));
    const Value d = Dzien(2020, 5, 10);
    Sprawdz(
        tdm->TPracStop,
        {{nullptr, {}, "Data od kiedy obowiązuje stopień musi być dobrze określona !!!"},
         {"DataOdKiedy", d, " Musisz wybrać stopień !!!"},
         {"IdentyfikatorStopnia", Value::Integer(1), " Musisz wybrać przez kogo wydany rozkaz !!!"},
         {"KtoWydal", wydawca, " Musisz wprowadzić numer rozkazu !!!"},
         {"NrRozkazu", Value::Text("1/2020"), ""}});
    // The binding date may equal the start, not precede it.
    auto& ps = *tdm->TPracStop;
    ps.Edit();
    ps.SetField("DataObowiazywaniaStopnia", Dzien(2020, 5, 9));
    EXPECT_EQ(Blad([&] { ps.Post(); }),
              "Data obowiązywania stopnia nie może być nie mniejsza od daty od !!!");
    ps.SetField("DataObowiazywaniaStopnia", d);
    ps.Post();

    Sprawdz(tdm->TPracGrup,
            {{nullptr, {}, "Data od kiedy obowiązuje grupa musi być dobrze określona !!!"},
             {"DataOdKiedy", d, " Musisz wybrać grupę !!!"},
             {"IdentyfikatorGrupy", Value::Integer(1), ""}});
    Sprawdz(tdm->TStanowiska, {{nullptr, {}, "Musisz wybrać stanowisko !!!"},
                               {"IdentyfikatorStanowiska", Value::Integer(1),
                                "Data objęcia stanowiska musi być dobrze określona !!!"},
                               {"DataOd", d, ""}});
    Sprawdz(tdm->TStanowiskaE, {{nullptr, {}, "Musisz wybrać stanowisko etatowe!!!"},
                                {"IdentyfikatorStanowiska", Value::Integer(1),
                                 "Data objęcia stanowiska etatowego musi być dobrze określona !!!"},
                                {"DataOd", d, ""}});
    Sprawdz(
        tdm->TZatrudnienie,
        {{nullptr, {}, "Data od kiedy formy zatrudnienia musi być dobrze określona !!!"},
         {"DataOd", d, " Musisz wybrać formę zatrudnienia !!!"},
         {"IdentyfikatorFormyZatrudn", Value::Integer(3),
          "Data do zatrudnienia na czas określony musi być dobrze określona !!!"},
         {"DataDo", Dzien(2020, 5, 9), "Data do zatrudnienia musi być nie mniejsza od daty od !!!"},
         {"DataDo", d, ""}});
    Sprawdz(tdm->TSzkodliwe,
            {{nullptr, {}, "Data od kiedy grupy szkodliwości musi być dobrze określona !!!"},
             {"DataOd", d, "Grupa szkodliwości musi być określona !!!"},
             {"GrupaSzkodliwosci", Value::Text("4"), ""}});
    Sprawdz(
        tdm->TDodSluzbowy,
        {{nullptr, {}, "Data od kiedy dodatku służbowego musi być dobrze określona !!!"},
         {"DataOd", d, "'' nie jest poprawną wartością liczbową"},
         {"Wartosc", Value::Number(0), "Wartość dodatku służbowego musi być większa od zera !!!"},
         {"Wartosc", Value::Number(150), ""}});
    Sprawdz(tdm->TDodInny,
            {{"DataOd", d, "'' nie jest poprawną wartością liczbową"},
             {"Wartosc", Value::Number(-1), "Wartość dodatku innego musi być większa od zera !!!"},
             {"Wartosc", Value::Number(80), ""}});
    auto& dod = *tdm->TDodInny;
    dod.Edit();
    dod.SetField("DataDo", Dzien(2020, 5, 9));
    EXPECT_EQ(Blad([&] { dod.Post(); }),
              "Data do dodatku innego musi być nie mniejsza od daty od !!!");
    dod.Cancel();
    Sprawdz(tdm->TNagrody,
            {{nullptr, {}, "Data przyznania nagrody musi być dobrze określona !!!"},
             {"DataPrzyznania", d, "'' nie jest poprawną wartością liczbową"},
             {"Kwota", Value::Number(0), "Wartość nagrody musi być większ od zera !!!"},
             {"Kwota", Value::Number(500), ""}});
    Sprawdz(
        tdm->TPremPracCyw,
        {{nullptr, {}, "Rok premii pracowników cywilnych jest obowiązkowy !!!"},
         {"Rok", Value::Integer(2026), "Miesiąc premii pracowników cywilnych jest obowiązkowy !!!"},
         {"Miesiac", Value::Integer(3),
          "Procent premii pracowników cywilnych jest obowiązkowy !!!"},
         {"Kwota", Value::Number(20), ""}});
}

TEST_F(HistoriaSluzby, DefaultsAndFieldEntryRules) {
    Pracownik("Nowak");
    auto& ps = *tdm->TPracStop;
    ps.Insert();
    EXPECT_EQ(ps.FieldText("Ubruttowienie"), "Nie");
    EXPECT_EQ(Blad([&] { ps.SetFieldText("Ubruttowienie", "X"); }),
              "Wartość może być równa T lun N !!!");
    ps.Cancel();
    auto& g = *tdm->TPracGrup;
    g.Insert();
    EXPECT_EQ(g.Field("Ubruttowienie").AsText(), "N");
    EXPECT_EQ(g.Field("PlacaZasadnicza").AsNumber(), 0.0);
    g.Cancel();
    auto& pr = *tdm->TPremPracCyw;
    pr.Insert();
    EXPECT_EQ(pr.Field("TypPremi").AsText(), "C");
    pr.Cancel();

    auto& n = *tdm->TNagrody;
    n.Insert();
    EXPECT_EQ(n.FieldText("RodzajNagrody"), "1 - uznaniowa");
    for (const char* zly : {"5", "0", ""})
        EXPECT_EQ(Blad([&] { n.SetFieldText("RodzajNagrody", zly); }),
                  "Typ nagrody moze być z zakresu 1 - 4 !!!")
            << zly;
    n.SetFieldText("RodzajNagrody", "4");
    EXPECT_EQ(n.FieldText("RodzajNagrody"), "4 - jubileuszowa");
    n.SetField("DataPrzyznania", Dzien(2025, 1, 1));
    n.SetField("Kwota", Value::Number(100));
    n.Post();
    // A kind emptied by another program is refused when the row is posted again.
    auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Nagrody.DB"));
    engine::Record r = t->ReadRow(0);
    r[0] = Value();
    t->Update(0, r);
    t->Sync();
    n.Refresh();
    EXPECT_EQ(n.FieldText("RodzajNagrody"), "???");
    n.Edit();
    EXPECT_EQ(Blad([&] { n.Post(); }), "Typ nagrody moze być z zakresu 1 - 4 !!!");
    n.Cancel();

    auto& s = *tdm->TSzkodliwe;
    s.Insert();
    EXPECT_EQ(Blad([&] { s.SetFieldText("GrupaSzkodliwosci", ""); }),
              "Grupa szkodliwości musi być określona !!!");
    EXPECT_EQ(Blad([&] { s.SetFieldText("GrupaSzkodliwosci", "5"); }),
              "Grupa szkodliwości musi być z zakresu 0-4 !!!");
    s.SetFieldText("GrupaSzkodliwosci", "3");
    EXPECT_EQ(s.FieldText("GrupaSzkodliwosci"), "3 - zmianowy rozkład czasu służby");  // 2026
    s.Cancel();
    EXPECT_EQ(ListaGrupSzkodliwosci(2006).Tekst("3"), "3 - III st. uciążliwości");
    EXPECT_EQ(ListaGrupSzkodliwosci(2007).Tekst("9"), "XXXXXX");
}

TEST_F(HistoriaSluzby, AnEmptyMultiplierTakesTheGroupsAndOneWhenTheGroupHasNone) {
    Pracownik("Nowak");
    const int32_t a = Grupa("A", 1.75);
    const int32_t b = Grupa("B", 0);
    auto& g = *tdm->TPracGrup;
    int dzien = 1;
    for (auto [grupa, mnoznik] : {std::pair{a, 1.75}, {b, 1.0}}) {
        g.Insert();
        g.SetField("DataOdKiedy", Dzien(2020, 1, dzien++));
        g.SetField("IdentyfikatorGrupy", Value::Integer(grupa));
        g.Post();
        EXPECT_EQ(g.Field("Mnoznik").AsNumber(), mnoznik);
    }
}

TEST_F(HistoriaSluzby, RankRateOverItsPeriodAcrossRateEdges) {
    const int32_t kapral = Stopien("kapral");
    Stawka(tdm->TStawStopni, Dzien(2019, 1, 1), 500);
    Stawka(tdm->TStawStopni, Dzien(2021, 1, 1), 550);  // the day the next rank starts
    Stawka(tdm->TStawStopni, Dzien(2023, 1, 1), 600);
    const int32_t sierzant = Stopien("sierżant");
    Stawka(tdm->TStawStopni, Dzien(2020, 1, 1), 700);
    Stawka(tdm->TStawStopni, Dzien(2025, 1, 1), 750);
    Stawka(tdm->TStawStopni, Dzien(2025, 1, 1), 900, "T");
    tdm->Close(tdm->TStawStopni);
    tdm->Stawki().PrzeladujJesliZmienione(*tdm);

    Pracownik("Czynny");
    StopienPracownika(Dzien(2020, 6, 1), kapral);
    StopienPracownika(Dzien(2021, 1, 1), sierzant);
    auto& ps = *tdm->TPracStop;
    auto stawki = [&] {
        std::vector<double> w;
        for (int64_t i = 0; i < ps.RecordCount(); ++i)
            w.push_back(ps.RowAt(i)["Stawka"].AsNumber());
        return w;
    };
    // Rates are 0 while they wait for a reload; the rank table's posts do not mark them.
    EXPECT_EQ(stawki(), (std::vector<double>{500, 750}));
    ps.Last();
    ps.Edit();
    ps.SetField("Ubruttowienie", Value::Text("T"));
    EXPECT_EQ(ps.Field("Stawka").AsNumber(), 0);  // not while the rank is being edited
    ps.Post();
    EXPECT_EQ(stawki(), (std::vector<double>{500, 900}));

    // A dismissed employee's last rank takes the rate before the dismissal.
    tdm->Filtr().PokazZwolnionych = true;
    tdm->OdswiezListePracownikow();
    Pracownik("Zwolniony", "1", Dzien(2024, 12, 31));
    StopienPracownika(Dzien(2020, 6, 1), sierzant);
    EXPECT_EQ(stawki(), (std::vector<double>{700}));
    tdm->TSlowStopni->Edit();
    tdm->TSlowStopni->SetField("Kod", Value::Text("x"));
    tdm->TSlowStopni->Post();
    ps.Refresh();
    EXPECT_EQ(stawki(), (std::vector<double>{0}));
    PoZamknieciuOknaStawek(*tdm);  // the rank window closes: reloaded and recomputed
    EXPECT_EQ(ps.Field("Stawka").AsNumber(), 700);
}

TEST_F(HistoriaSluzby, PayGroupAmountsFromTheSalaryBaseOrTheGroupRate) {
    const int32_t g = Grupa("X");
    Stawka(tdm->TStawGrup, Dzien(2010, 1, 1), 1234);
    tdm->Stawki().PrzeladujJesliZmienione(*tdm);
    auto& p = *tdm->TPodstawy;
    p.Insert();
    p.SetField("DataOd", Dzien(2022, 1, 1));
    p.SetField("PodstawaFunkcjonariusze", Value::Number(1000));
    p.Post();

    auto wiersz = [&](Value data, double mnoznik, double placa) {
        auto& pg = *tdm->TPracGrup;
        pg.Insert();
        pg.SetField("DataOdKiedy", data);
        pg.SetField("IdentyfikatorGrupy", Value::Integer(g));
        pg.SetField("Mnoznik", Value::Number(mnoznik));
        pg.SetField("PlacaZasadnicza", Value::Number(placa));
        pg.Post();
        return std::pair(pg.Field("Stawka").AsNumber(), pg.Field("PlacaKoncowa").AsNumber());
    };
    using P = std::pair<double, double>;
    Pracownik("Funkcjonariusz");
    EXPECT_EQ(wiersz(Dzien(2020, 1, 1), 2.5, 0), (P{1234, 3090}));    // rate, rounded to tens
    EXPECT_EQ(wiersz(Dzien(2022, 1, 1), 1.234, 0), (P{1000, 1230}));  // base, rounding -1
    EXPECT_EQ(wiersz(Dzien(2023, 1, 1), 1.234, 2500), (P{1000, 2500}));
    Pracownik("Cywil", "2");
    EXPECT_EQ(wiersz(Dzien(2020, 1, 1), 2.5, 0), (P{1234, 3085}));
    EXPECT_EQ(tdm->TPracGrup->FieldText("PlacaKoncowa"), "3 085,00");
    EXPECT_EQ(tdm->TPracGrup->FieldText("Mnoznik"), "2,5");
    EXPECT_EQ(wiersz(Dzien(2022, 1, 1), 1.234, 0.0001), (P{1000, 1234}));
    // While the employee is being edited nothing is computed.
    tdm->TPracownicy->Edit();
    EXPECT_EQ(tdm->TPracGrup->RowAt(0)["Stawka"].AsNumber(), 0);
    EXPECT_TRUE(tdm->TPracGrup->RowAt(0)["PlacaKoncowa"].IsNull());
    tdm->TPracownicy->Cancel();
}

TEST_F(HistoriaSluzby, APositionKeepsItsPayGroupRowThroughCreateMoveAndDelete) {
    const int32_t g = Grupa("G", 1.5);
    const int32_t h = Grupa("H", 2);
    const int32_t referent = Stanowisko("referent", Value::Integer(g), "T");
    const int32_t kierownik = Stanowisko("kierownik", Value::Integer(h));
    Pracownik("Nowak");
    using W = std::vector<std::tuple<std::string, int64_t, std::string>>;

    DodajStanowisko(Dzien(2020, 3, 1), referent);
    EXPECT_EQ(Grupy(), (W{{"2020-03-01", g, "1.5"}}));
    EXPECT_EQ(tdm->TPracGrup->Field("Ubruttowienie").AsText(), "T");

    auto& st = *tdm->TStanowiska;
    st.Edit();
    st.SetField("DataOd", Dzien(2020, 4, 1));
    st.Post();
    EXPECT_EQ(Grupy(), (W{{"2020-04-01", g, "1.5"}}));

    // Another position on the same day changes the row's group; its multiplier is refilled.
    st.Edit();
    st.SetField("IdentyfikatorStanowiska", Value::Integer(kierownik));
    st.Post();
    EXPECT_EQ(Grupy(), (W{{"2020-04-01", h, "2"}}));
    EXPECT_EQ(tdm->TPracGrup->Field("Ubruttowienie").AsText(), "N");

    st.Delete();
    EXPECT_TRUE(tdm->TPracGrup->IsEmpty());
    EXPECT_TRUE(st.IsEmpty());
}

TEST_F(HistoriaSluzby, APayGroupRowEnteredByHandSurvivesThePositionsDeletionAndMove) {
    const int32_t g = Grupa("G");
    const int32_t inna = Grupa("Inna");
    const int32_t referent = Stanowisko("referent", Value::Integer(g));
    Pracownik("Nowak");
    auto& pg = *tdm->TPracGrup;
    pg.Insert();
    pg.SetField("DataOdKiedy", Dzien(2020, 3, 1));
    pg.SetField("IdentyfikatorGrupy", Value::Integer(inna));
    pg.SetField("Mnoznik", Value::Number(3));
    pg.Post();
    using W = std::vector<std::tuple<std::string, int64_t, std::string>>;

    // Entering the position on another day leaves the hand-entered row alone.
    DodajStanowisko(Dzien(2020, 5, 1), referent);
    EXPECT_EQ(Grupy(), (W{{"2020-03-01", inna, "3"}, {"2020-05-01", g, "1"}}));
    // Moving it onto the hand-entered row's day takes that row over and drops its own.
    auto& st = *tdm->TStanowiska;
    st.Edit();
    st.SetField("DataOd", Dzien(2020, 3, 1));
    st.Post();
    EXPECT_EQ(Grupy(), (W{{"2020-03-01", g, "1"}}));

    // A row entered by hand with another group on the position's day outlives the position.
    pg.Edit();
    pg.SetField("IdentyfikatorGrupy", Value::Integer(inna));
    pg.Post();
    st.Delete();
    EXPECT_EQ(Grupy(), (W{{"2020-03-01", inna, "1"}}));

    // Nor is such a row moved with a position whose date changes.
    DodajStanowisko(Dzien(2020, 6, 1), referent);
    pg.FindKey(
        {Value::Integer(tdm->TPracownicy->Field("Identyfikator").AsInteger()), Dzien(2020, 6, 1)});
    pg.Edit();
    pg.SetField("IdentyfikatorGrupy", Value::Integer(inna));
    pg.Post();
    st.Edit();
    st.SetField("DataOd", Dzien(2020, 7, 1));
    st.Post();
    EXPECT_EQ(Grupy(),
              (W{{"2020-03-01", inna, "1"}, {"2020-06-01", inna, "1"}, {"2020-07-01", g, "1"}}));
}

TEST_F(HistoriaSluzby, AFailedPayGroupPostInTheSynchronisationLeavesNothingHalfChanged) {
    const int32_t stanowisko = Stanowisko("dowódca", Value::Integer(40000));
    Pracownik("Nowak");
    auto& st = *tdm->TStanowiska;
    st.Insert();
    st.SetField("DataOd", Dzien(2020, 3, 1));
    st.SetField("IdentyfikatorStanowiska", Value::Integer(stanowisko));
    EXPECT_EQ(Blad([&] { st.Post(); }), "Identyfikator poza zakresem pola IdentyfikatorGrupy !!!");
    // The position is stored; the pay groups are as they were.
    EXPECT_EQ(st.State(), DatasetState::Browse);
    EXPECT_EQ(st.RecordCount(), 1);
    EXPECT_EQ(tdm->TPracGrup->State(), DatasetState::Browse);
    EXPECT_TRUE(tdm->TPracGrup->IsEmpty());

    // A pay-group change the user left pending is not swept away by the synchronisation.
    const int32_t g = Grupa("G");
    const int32_t referent = Stanowisko("referent", Value::Integer(g));
    auto& pg = *tdm->TPracGrup;
    pg.Insert();
    pg.SetField("DataOdKiedy", Dzien(2019, 1, 1));
    st.Insert();
    st.SetField("DataOd", Dzien(2021, 1, 1));
    st.SetField("IdentyfikatorStanowiska", Value::Integer(referent));
    EXPECT_EQ(Blad([&] { st.Post(); }), " Musisz wybrać grupę !!!");
    EXPECT_EQ(pg.State(), DatasetState::Insert);
    EXPECT_EQ(pg.Field("DataOdKiedy"), Dzien(2019, 1, 1));
    // Nor by a rank posted meanwhile, whose effects refresh the employee list.
    StopienPracownika(Dzien(2021, 1, 1), Stopien("kapral"));
    EXPECT_EQ(pg.State(), DatasetState::Insert);
    pg.Cancel();
}

TEST_F(HistoriaSluzby, CivilBonusFromTheEmployeeThenTheYearOrAWarning) {
    Pracownik("Cywil", "2");
    auto& pr = *tdm->TPremPracCyw;
    pr.Insert();
    pr.SetField("Rok", Value::Integer(2026));
    pr.SetField("Miesiac", Value::Integer(3));
    pr.SetField("Kwota", Value::Number(25));
    pr.Post();
    auto& p = *tdm->TPremie;
    for (auto [rok, kwota] : {std::pair{2025, 10.0}, {2026, 15.0}}) {
        p.Insert();
        p.SetField("Rok", Value::Integer(rok));
        p.SetField("Miesiac", Value::Integer(1));
        p.SetField("Kwota", Value::Number(kwota));
        p.Post();
    }
    EXPECT_EQ(PremiaCywila(*tdm, 2026, 3), 25);
    EXPECT_EQ(PremiaCywila(*tdm, 2026, 4), 15);
    EXPECT_EQ(PremiaCywila(*tdm, 2025, 3), 10);
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(PremiaCywila(*tdm, 2024, 3), 0);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst,
              "Brak wprowadzonej stawki premii pracowników cywilnej na rok: 2024 !!!");
    EXPECT_EQ(dialogi.komunikaty[0].tytul, "Kontrola danych.");
}

}  // namespace
}  // namespace mirta::store
