#include "store/slowniki.h"

#include <gtest/gtest.h>

#include "store/testing/historia_testowa.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using engine::DatasetState;
using engine::Value;
using testing::Blad;
using testing::HistoriaTestowa;

class Slowniki_ : public HistoriaTestowa {};

TEST_F(Slowniki_, EveryNameCheckRefusesAnEmptyNameAndNoDictionaryRowCanBeDeleted) {
    for (const auto& opis : Slowniki()) {
        if (opis.komunikatNazwy.empty())
            continue;
        SCOPED_TRACE(std::string(opis.komponent));
        TableComponent* c = tdm->Find(opis.komponent);
        ASSERT_NE(c, nullptr);
        auto& ds = **c;
        const int64_t wiersze = ds.RecordCount();
        ds.Insert();
        EXPECT_EQ(Blad([&] { ds.Post(); }), opis.komunikatNazwy);
        if (opis.nazwaPrzycieta) {
            ds.SetField(opis.poleNazwy, Value::Text("   "));
            EXPECT_EQ(Blad([&] { ds.Post(); }), opis.komunikatNazwy);
        }
        EXPECT_EQ(ds.State(), DatasetState::Insert);
        ds.SetField(opis.poleNazwy, Value::Text("Pozycja nowa"));
        ds.Post();
        EXPECT_FALSE(MoznaKasowacWiersz(*tdm, opis.komponent));
        EXPECT_EQ(Blad([&] { ds.Delete(); }), " Nie można kasować tych danych !!!");
        EXPECT_EQ(ds.RecordCount(), wiersze + 1);
    }
    EXPECT_TRUE(MoznaKasowacWiersz(*tdm, "TPodstawy"));
    EXPECT_TRUE(MoznaKasowacWiersz(*tdm, "TPremie"));
}

TEST_F(Slowniki_, APositionGetsCivilServiceGroupZeroAndShowsItsTexts) {
    auto& s = *tdm->TSlowStanowisk;
    for (const char* grupa : {"", "9", "3"}) {
        s.Insert();
        s.SetField("NazwaStanowiska", Value::Text(std::string("stanowisko ") + grupa));
        if (*grupa)
            s.SetField("GrupaStanowiskSC", Value::Text(grupa));
        s.Post();
        EXPECT_EQ(s.Field("GrupaStanowiskSC").AsText(), std::string(grupa) == "3" ? "3" : "0")
            << grupa;
    }
    EXPECT_EQ(s.FieldText("GrupaStanowiskSC"), "3 - stanowiska koordynujące i samodzielne w S.C.");
    s.Edit();
    s.SetField("GrupaStanowiskSC", Value::Text("2"));
    EXPECT_EQ(s.FieldText("GrupaStanowiskSC"),
              "2-stanowiska średniego szczebla zarządzania w S.C.");
    s.SetField("Ubruttowienie", Value::Text("X"));
    EXPECT_EQ(s.FieldText("Ubruttowienie"), "???");
    s.SetField("Ubruttowienie", Value::Text("T"));
    EXPECT_EQ(s.FieldText("Ubruttowienie"), "Tak");
    s.SetField("NazwaStanowiska", Value());
    EXPECT_EQ(Blad([&] { s.Post(); }), "Musisz podać nazwę stanowiska !!!");
    s.Cancel();

    // "Usuń grupę płacową" leaves the position in edit without its group.
    s.Edit();
    s.SetField("GrupaPlacowa", Value::Integer(4));
    s.Post();
    UsunGrupePlacowa(*tdm);
    EXPECT_EQ(s.State(), DatasetState::Edit);
    EXPECT_TRUE(s.Field("GrupaPlacowa").IsNull());
    s.Post();
}

TEST_F(Slowniki_, TheDisplayRepairsWriteOnlyWhenTheUserMayAndNeverRaise) {
    // A position stored without its civil-service group, as another program may leave it.
    auto& s = *tdm->TSlowStanowisk;
    s.Insert();
    s.SetField("NazwaStanowiska", Value::Text("kierowca"));
    s.Post();
    auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("SlStanowisk.db"));
    engine::Record r = t->ReadRow(0);
    r[3] = Value();
    t->Update(0, r);
    t->Sync();
    s.Refresh();
    ASSERT_TRUE(s.Field("GrupaStanowiskSC").IsNull());
    NaprawGrupeStanowiskaSC(*tdm);
    EXPECT_EQ(s.State(), DatasetState::Browse);
    EXPECT_EQ(s.Field("GrupaStanowiskSC").AsText(), "0");

    // A pay-group row stored without its multiplier gets 1.0 when shown.
    Pracownik("Nowak");
    const int32_t g = Grupa("G", 3);
    auto& pg = *tdm->TPracGrup;
    pg.Insert();
    pg.SetField("DataOdKiedy", Dzien(2020, 1, 1));
    pg.SetField("IdentyfikatorGrupy", Value::Integer(g));
    pg.Post();
    auto pgt = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("PracGrup.db"));
    r = pgt->ReadRow(0);
    r[4] = Value();
    pgt->Update(0, r);
    pgt->Sync();
    pg.Refresh();
    ASSERT_TRUE(pg.Field("Mnoznik").IsNull());
    NaprawMnoznikGrupy(*tdm);
    EXPECT_EQ(pg.State(), DatasetState::Browse);
    EXPECT_EQ(pg.Field("Mnoznik").AsNumber(), 1.0);

    DodajUzytkownika("GOSC", "", true, false);
    ASSERT_TRUE(Zaloguj("GOSC"));
    t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("SlStanowisk.db"));
    r = t->ReadRow(0);
    r[3] = Value();
    t->Update(0, r);
    t->Sync();
    tdm->TSlowStanowisk->Refresh();
    NaprawGrupeStanowiskaSC(*tdm);
    EXPECT_TRUE(tdm->TSlowStanowisk->Field("GrupaStanowiskSC").IsNull());
    EXPECT_TRUE(dialogi.komunikaty.empty() ||
                dialogi.komunikaty.back().rodzaj != testing::DialogiSkryptowe::Rodzaj::Blad);
}

TEST_F(Slowniki_, AGroupMultiplierBelowTheMinimumBecomesOne) {
    struct {
        Value mnoznik;
        double zapisany;
    } przypadki[] = {{Value(), 1.0},
                     {Value::Number(0), 1.0},
                     {Value::Number(0.00009), 1.0},
                     {Value::Number(2.5), 2.5}};
    int n = 0;
    for (const auto& p : przypadki) {
        auto& g = *tdm->TSlowGrup;
        g.Insert();
        g.SetField("NazwaGrupy", Value::Text("grupa " + std::to_string(++n)));
        g.SetField("MnożnikGrupy", p.mnoznik);
        g.Post();
        EXPECT_EQ(g.Field("MnożnikGrupy").AsNumber(), p.zapisany) << n;
    }
}

TEST_F(Slowniki_, RateRowsChangeOnlyUnderABrowsingMasterAndAreChecked) {
    Stopien("szeregowy");
    tdm->Open(tdm->TStawStopni);
    auto& st = *tdm->TStawStopni;
    auto& sl = *tdm->TSlowStopni;
    sl.Edit();
    EXPECT_EQ(Blad([&] { st.Insert(); }), "Zapisz lub porzuć zmiany dla stopnia !!!");
    EXPECT_FALSE(MoznaKasowacWiersz(*tdm, "TStawStopni"));
    sl.Cancel();
    sl.Insert();
    EXPECT_EQ(Blad([&] { st.Insert(); }), "Zapisz lub porzuć dopis nowego stopnia !!!");
    sl.Cancel();
    Grupa("A");
    tdm->Open(tdm->TStawGrup);
    tdm->TSlowGrup->Edit();
    EXPECT_EQ(Blad([&] { tdm->TStawGrup->Insert(); }), "Zapisz lub porzuć zmiany dla grupy !!!");
    tdm->TSlowGrup->Cancel();
    tdm->TSlowGrup->Insert();
    EXPECT_EQ(Blad([&] { tdm->TStawGrup->Insert(); }), "Zapisz lub porzuć dopis nowei grupy !!!");
    tdm->TSlowGrup->Cancel();

    st.Insert();
    EXPECT_EQ(st.Field("Ubruttowienie").AsText(), "N");
    EXPECT_EQ(st.Field("IdentyfikatorStopnia"), sl.Field("IdentyfikatorStopnia"));
    EXPECT_EQ(Blad([&] { st.SetFieldText("Ubruttowienie", "X"); }),
              "Wartość może być równa T lun N !!!");
    EXPECT_EQ(Blad([&] { st.Post(); }),
              "Data od kiedy obowiązuje stawka musi być dobrze określona !!!");
    st.SetFieldText("DataObowiazywania", "2024-01-01");
    EXPECT_EQ(Blad([&] { st.Post(); }), "Wartość musi być wprowadzona !!!");
    EXPECT_EQ(Blad([&] { st.SetFieldText("Wartosc", "0"); }), "Wartość musi być różna od zera !!!");
    st.SetFieldText("Wartosc", "-5");
    EXPECT_EQ(Blad([&] { st.Post(); }), "Wartość musi być większa od zera !!!");
    st.SetFieldText("Wartosc", "1 500,00");
    EXPECT_EQ(st.State(), DatasetState::Insert);
    st.Post();

    // Any change marks the rates; closing the window reloads them.
    tdm->Stawki().PrzeladujJesliZmienione(*tdm);
    EXPECT_FALSE(tdm->Stawki().Zmienione());
    EXPECT_TRUE(MoznaKasowacWiersz(*tdm, "TStawStopni"));
    st.Delete();
    EXPECT_TRUE(tdm->Stawki().Zmienione());
    PoZamknieciuOknaStawek(*tdm);
    EXPECT_FALSE(tdm->Stawki().Zmienione());

    DodajUzytkownika("GOSC", "", true, false);
    ASSERT_TRUE(Zaloguj("GOSC"));
    tdm->Open(tdm->TStawStopni);
    EXPECT_EQ(Blad([&] { tdm->TStawStopni->Insert(); }), "Nie masz prawa do zmiany danych !!!");
    EXPECT_FALSE(MoznaKasowacWiersz(*tdm, "TPodstawy"));
}

TEST_F(Slowniki_, SalaryBaseDefaultsChecksAndRoundings) {
    auto& p = *tdm->TPodstawy;
    p.Insert();
    EXPECT_EQ(p.Field("ZaokraglenieFunkcjonarius").AsInteger(), -1);
    for (const char* pole : {"ZaokraglenieCywil", "Zaokraglenie1", "Zaokraglenie2"})
        EXPECT_EQ(p.Field(pole).AsInteger(), 2) << pole;
    EXPECT_EQ(p.Field("Rezerwa1").AsNumber(), 0.0);
    EXPECT_EQ(p.Field("Rezerwa2").AsNumber(), 0.0);
    EXPECT_EQ(p.FieldText("Ubruttowienie"), "Tak");
    // The legend's -1 and -2 are kept as typed; amounts and other negatives become 0.
    p.SetFieldText("ZaokraglenieCywil", "-2");
    EXPECT_EQ(p.Field("ZaokraglenieCywil").AsInteger(), -2);
    p.SetFieldText("Zaokraglenie1", "-3");
    EXPECT_EQ(p.Field("Zaokraglenie1").AsInteger(), 0);
    p.SetFieldText("PodstawaFunkcjonariusze", "-5");
    EXPECT_EQ(p.Field("PodstawaFunkcjonariusze").AsNumber(), 0.0);

    struct {
        const char* pole;
        Value wartosc;
        const char* komunikat;
    } kroki[] = {
        {"DataOd", Value(), "Data podstawy musi być dobrze określona !!!"},
        {"DataOd", Dzien(2024, 1, 1),
         "Wartość objęci ZUS może być tylko równa T - Tak, lub N - Nie !!!"},
        {"Ubruttowienie", Value::Text("N"), "Podstawa dla funkcjonariuszu musi być określona !!!"},
        {"PodstawaFunkcjonariusze", Value::Number(0.5),
         "Podstawa dla funkcjonariuszu musi być dodatnia !!!"},
    };
    p.SetField("Ubruttowienie", Value::Text("X"));
    p.SetField("PodstawaFunkcjonariusze", Value());
    for (const auto& k : kroki) {
        p.SetField(k.pole, k.wartosc);
        EXPECT_EQ(Blad([&] { p.Post(); }), k.komunikat) << k.pole;
        EXPECT_EQ(p.State(), DatasetState::Insert);
    }
    p.SetField("PodstawaFunkcjonariusze", Value::Number(3000));
    p.SetField("PodstawaCywile", Value::Number(0));
    p.Post();
    EXPECT_EQ(p.Field("PodstawaCywile").AsNumber(), 3000.0);
    EXPECT_EQ(p.Field("ZaokraglenieCywil").AsInteger(), -2);
    p.Delete();
    EXPECT_TRUE(p.IsEmpty());
}

TEST_F(Slowniki_, BonusPercentagesNeedAYear) {
    auto& p = *tdm->TPremie;
    p.Insert();
    EXPECT_EQ(p.Field("TypPremi").AsText(), "C");
    EXPECT_EQ(Blad([&] { p.Post(); }), "Rok dla premii jest obowiązkowy !!!");
    EXPECT_EQ(p.Field("Kwota").IsNull(), true);
    p.SetField("Rok", Value::Integer(2026));
    p.Post();
    EXPECT_EQ(p.Field("Kwota").AsNumber(), 0.0);
}

TEST_F(Slowniki_, UseFillsTheTargetOfTheChoiceModeAndOpensOnItsRow) {
    const OpisSlownika& wydawcy = *ZnajdzSlownik("TWydawcy");
    const int32_t id = Slownik(tdm->TWydawcy, "Nazwa", "Komendant", "Identyfikator");
    m_wydawca = id;
    Slownik(tdm->TWydawcy, "Nazwa", "Komendant Główny", "Identyfikator");
    Pracownik("Nowak");
    StopienPracownika(Dzien(2020, 1, 1), Stopien("kapral"));
    auto& ps = *tdm->TPracStop;

    // While a new issuer is being typed the choice is refused and nothing changes.
    tdm->TWydawcy->Insert();
    EXPECT_EQ(Blad([&] { UzyjSlownika(*tdm, wydawcy, 1); }),
              " Najpierw zapisz dane o wydawcy rozkazów !!!");
    EXPECT_EQ(ps.State(), DatasetState::Browse);
    tdm->TWydawcy->Cancel();

    ASSERT_TRUE(tdm->TWydawcy->FindKey({Value::Text("Komendant Główny")}));
    UzyjSlownika(*tdm, wydawcy, 0);  // maintenance: nothing to fill
    EXPECT_EQ(ps.State(), DatasetState::Browse);
    UzyjSlownika(*tdm, wydawcy, 1);
    EXPECT_EQ(ps.State(), DatasetState::Edit);
    EXPECT_NE(ps.Field("KtoWydal").AsInteger(), id);
    ps.Post();

    // The window opened in choice mode stands on the row the field refers to.
    ps.Edit();
    ps.SetField("KtoWydal", Value::Integer(id));
    ps.Post();
    tdm->TWydawcy->First();
    ASSERT_TRUE(UstawSlownikNaCelu(*tdm, wydawcy, 1));
    EXPECT_EQ(tdm->TWydawcy->Field("Identyfikator").AsInteger(), id);

    // A choice whose target's guard refuses leaves the target untouched.
    tdm->TPracownicy->Edit();
    EXPECT_EQ(Blad([&] { UzyjSlownika(*tdm, wydawcy, 1); }),
              "Zapisz lub porzuć zmiany dla pracownika !!!");
    tdm->TPracownicy->Cancel();
}

TEST_F(Slowniki_, ALeaveTypeChosenForABrowsingLeaveRowPutsItIntoEditWithoutPosting) {
    Pracownik("Nowak");
    tdm1->Open(tdm1->TUrlopy);
    auto& u = *tdm1->TUrlopy;
    u.Insert();
    u.SetFieldText("DataOd", "2026-07-01");
    u.SetFieldText("DataDo", "2026-07-14");
    u.SetField("RodzajUrlopu", Value::Integer(1));
    u.Post();
    const int32_t typ =
        Slownik(tdm1->TRodzUrlop, "NazwaUrlopu", "okolicznościowy", "Identyfikator");
    UzyjSlownika(*tdm, *ZnajdzSlownik("TRodzUrlop"), 1);
    EXPECT_EQ(u.State(), DatasetState::Edit);
    EXPECT_EQ(u.Field("RodzajUrlopu").AsInteger(), typ);
    u.Cancel();
    EXPECT_EQ(u.Field("RodzajUrlopu").AsInteger(), 1);
}

}  // namespace
}  // namespace mirta::store
