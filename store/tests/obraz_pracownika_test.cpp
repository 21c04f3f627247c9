#include "store/obraz_pracownika.h"

#include <gtest/gtest.h>

#include "compute/teksty_dat.h"

#include "store/terminy.h"
#include "store/testing/historia_testowa.h"
#include "store/urlop_nalezny.h"
#include "store/wyprowadzenie_stazu.h"
#include "store/zrodla_obliczen.h"

namespace mirta::store {
namespace {

using compute::DataKal;
using compute::DniGodziny;
using compute::OkresLMD;
using compute::ParaUrlopow;
using compute::RodzajStazu;
using engine::Value;

DataKal K(int r, int m, int d) {
    return DataKal{r, static_cast<uint8_t>(m), static_cast<uint8_t>(d)};
}
OkresLMD L(int32_t l, int m, int d) {
    return OkresLMD{l, static_cast<int8_t>(m), static_cast<int8_t>(d)};
}

using Pola = std::initializer_list<std::pair<const char*, Value>>;

class ObrazPracownikaTest : public testing::HistoriaTestowa {
protected:
    static int Indeks(const engine::Table& t, const char* pole) {
        const auto& f = t.Fields();
        for (size_t i = 0; i < f.size(); ++i)
            if (f[i].name == pole)
                return static_cast<int>(i);
        ADD_FAILURE() << pole;
        return 0;
    }
    // A row written straight into the file, as another program or an older version left it.
    static uint64_t Wstaw(engine::Table& t, Pola pola) {
        engine::Record r(t.Fields().size());
        for (const auto& [p, v] : pola)
            r[Indeks(t, p)] = v;
        const uint64_t w = t.Insert(r);
        t.Sync();
        return w;
    }
    uint64_t Wstaw(TableComponent& c, Pola pola) {
        if (!c.IsOpen())
            c.Module().Open(c);
        return Wstaw(c->GetTable(), pola);
    }
    int32_t Osoba(Pola pola) {
        engine::Table& t = tdm->TPracownicy->GetTable();
        const uint64_t w = Wstaw(t, pola);
        return static_cast<int32_t>(t.ReadField(w, 0).AsInteger());
    }
    static Value Id(int32_t id) { return Value::Integer(id); }
    static Value T(const char* t) { return Value::Text(t); }
    static Value N(double x) { return Value::Number(x); }

    ObrazPracownika Obraz(int32_t id, DataKal data = K(2026, 12, 10)) {
        zrodla = std::make_unique<ZrodlaObliczen>(*tdm, *tdm1);
        return PoliczObrazPracownika(*zrodla, id, data);
    }
    std::unique_ptr<ZrodlaObliczen> zrodla;
};

TEST_F(ObrazPracownikaTest, UnpaidLeaveOfEveryYearsFileCountsOnceAndOverrideDatesWin) {
    const int32_t id =
        Osoba({{"Nazwisko", T("Nowak")}, {"Podzial", T("1")}, {"DataDoSluzby", Dzien(2010, 1, 1)}});
    Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                               {"DataOd", Dzien(2000, 1, 1)},
                               {"IdentyfikatorFormyZatrudn", Id(1)}});
    Wstaw(tdm1->TPopZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                                   {"DataOd", Dzien(1990, 1, 1)},
                                   {"DataDo", Dzien(1994, 12, 31)},
                                   {"NazwaZakładuPracy", T("Huta")},
                                   {"DoWyslugi", Value::Logical(true)}});
    // March 2004 in the base file and, copied by the import, in the 2006 file; February 2026
    // in this year's file; annual leave deducts nothing.
    const Pola marzec{{"IdentyfikatorPracownika", Id(id)},
                      {"DataOd", Dzien(2004, 3, 1)},
                      {"DataDo", Dzien(2004, 3, 31)},
                      {"RodzajUrlopu", Id(9)}};
    tdm1->Open(tdm1->TUrlopyRoboczy);
    Wstaw(tdm1->TUrlopyRoboczy, marzec);
    Wstaw(tdm1->TUrlopy, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 2, 1)},
                          {"DataDo", Dzien(2026, 2, 28)},
                          {"RodzajUrlopu", Id(9)}});
    Wstaw(tdm1->TUrlopy, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 7, 1)},
                          {"DataDo", Dzien(2026, 7, 10)},
                          {"RodzajUrlopu", Id(1)}});
    auto rok2006 = tdm1->TUrlopy->GetTable().CreateLike(dir.File("WykUrl2006.DB"));
    Wstaw(*rok2006, marzec);
    rok2006.reset();

    const ObrazPracownika o = Obraz(id);
    ASSERT_TRUE(o.dane.znaleziony);
    const StazRodzaju& w = o.staz.Rodzaj(RodzajStazu::Wysluga);
    EXPECT_EQ(w.skladniki.zatrudnienie, L(26, 11, 10));
    EXPECT_EQ(w.skladniki.poprzednie, L(5, 0, 0));
    EXPECT_EQ(w.skladniki.urlopBezplatny, L(0, 2, 0));
    EXPECT_EQ(w.staz, L(31, 9, 10));
    EXPECT_EQ(o.staz.Rodzaj(RodzajStazu::NagrodaJubileuszowa).staz, L(26, 9, 10));
    // The override date ignores employment and leave.
    EXPECT_EQ(o.staz.Rodzaj(RodzajStazu::Sluzba).staz, L(16, 11, 10));
    EXPECT_EQ(o.staz.Rodzaj(RodzajStazu::Sluzba).dataUmowna, K(2010, 1, 1));
    EXPECT_EQ(o.staz.procentFunkcjonariusza, 25.0);
}

TEST_F(ObrazPracownikaTest, LeaveBalanceOfAPartTimeOfficerWithCarryOverAndHandEnteredDays) {
    const int32_t id = Osoba({{"Nazwisko", T("Kowal")},
                              {"Podzial", T("1")},
                              {"Etat", N(0.5)},
                              {"DataUrodzenia", Dzien(1970, 5, 5)}});
    Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                               {"DataOd", Dzien(2000, 1, 1)},
                               {"IdentyfikatorFormyZatrudn", Id(1)}});
    Wstaw(tdm1->TUrlopNalez, {{"IdentyfikatorPracownika", Id(id)},
                              {"Rok", Id(2026)},
                              {"UrlopZaleglyPoprzedniRok", Id(2)}});
    // Monday 2 March to Friday 6 March: 5 working days; then 3 hours typed by hand; a row of
    // a type the dictionary lacks, twice.
    Wstaw(tdm1->TUrlopy, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 3, 2)},
                          {"DataDo", Dzien(2026, 3, 6)},
                          {"RodzajUrlopu", Id(1)}});
    Wstaw(tdm1->TUrlopy, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 4, 1)},
                          {"DataDo", Dzien(2026, 4, 1)},
                          {"RodzajUrlopu", Id(1)},
                          {"Godziny", Id(3)}});
    for (int d : {5, 6})
        Wstaw(tdm1->TUrlopy, {{"IdentyfikatorPracownika", Id(id)},
                              {"DataOd", Dzien(2026, 5, d)},
                              {"DataDo", Dzien(2026, 5, d)},
                              {"RodzajUrlopu", Id(77)}});

    const ObrazPracownika o = Obraz(id);
    // 26 days at half time; 13 + 13 for age and service, capped at 13 after 2010.
    EXPECT_EQ(o.urlop.nalezny, (ParaUrlopow{{13, 0}, {13, 0}}));
    EXPECT_EQ(o.urlop.zalegly, (ParaUrlopow{{2, 0}, {0, 0}}));
    EXPECT_EQ(o.urlop.wykorzystany.wypoczynkowy, (DniGodziny{5, 3}));
    // Five days: two carried over, three of the year; then 3 of a day's 4 hours.
    EXPECT_EQ(o.urlop.pozostalyZalegly.wypoczynkowy, (DniGodziny{0, 0}));
    EXPECT_EQ(o.urlop.pozostalyBiezacy.wypoczynkowy, (DniGodziny{9, 1}));
    ASSERT_EQ(zrodla->Komunikaty().Wszystkie().size(), 1u);
    EXPECT_EQ(zrodla->Komunikaty().Wszystkie()[0].tekst, "Bląd obsługi rodzajów urlopów !!!");

    // Days entered by hand win over the computation.
    engine::Table& nalezne = tdm1->TUrlopNalez->GetTable();
    engine::Record r = nalezne.ReadRow(0);
    r[Indeks(nalezne, "UrlopNaleznyDni")] = Id(20);
    nalezne.Update(0, r);
    nalezne.Sync();
    EXPECT_EQ(Obraz(id).urlop.nalezny, (ParaUrlopow{{20, 0}, {13, 0}}));
}

TEST_F(ObrazPracownikaTest, PayTotalsOfEachDivision) {
    const int32_t kapral = Stopien("kapral");
    Stawka(tdm->TStawStopni, Dzien(2020, 1, 1), 300);
    const int32_t grupa = Grupa("III", 2.5);
    Stawka(tdm->TStawGrup, Dzien(2020, 1, 1), 1234);
    tdm->Close(tdm->TStawStopni);
    tdm->Close(tdm->TStawGrup);
    auto grupaPracownika = [&](int32_t id) {
        Wstaw(tdm->TPracGrup, {{"IdentyfikatorPracownika", Id(id)},
                               {"DataOdKiedy", Dzien(2021, 1, 1)},
                               {"IdentyfikatorGrupy", Id(grupa)},
                               {"Ubruttowienie", T("N")},
                               {"Mnoznik", N(2.5)}});
    };

    // An officer of 26 years: 23 % of 3 090 (3 085 rounded to tens).
    const int32_t oficer = Osoba({{"Nazwisko", T("Wójcik")}, {"Podzial", T("1")}});
    Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(oficer)},
                               {"DataOd", Dzien(2000, 1, 1)},
                               {"IdentyfikatorFormyZatrudn", Id(1)}});
    grupaPracownika(oficer);
    Wstaw(tdm->TPracStop, {{"IdentyfikatorPracownika", Id(oficer)},
                           {"DataOdKiedy", Dzien(2021, 1, 1)},
                           {"IdentyfikatorStopnia", Id(kapral)},
                           {"Ubruttowienie", T("N")}});
    Wstaw(tdm->TDodSluzbowy, {{"IdentyfikatorPracownika", Id(oficer)},
                              {"DataOd", Dzien(2021, 1, 1)},
                              {"Wartosc", N(150)}});
    Wstaw(tdm->TDodInny, {{"IdentyfikatorPracownika", Id(oficer)},
                          {"DataOd", Dzien(2026, 1, 1)},
                          {"Wartosc", N(100)}});
    Wstaw(tdm->TDodInny, {{"IdentyfikatorPracownika", Id(oficer)},
                          {"DataOd", Dzien(2025, 1, 1)},
                          {"DataDo", Dzien(2025, 12, 31)},
                          {"Wartosc", N(999)}});
    const WynagrodzeniePracownika f = Obraz(oficer).wynagrodzenie;
    ASSERT_EQ(f.grupy.size(), 1u);
    EXPECT_EQ(f.grupy[0].stawka, 1234);
    EXPECT_EQ(f.placaZasadnicza, 3090);
    EXPECT_EQ(f.dodatekZaStopien, 300);
    EXPECT_EQ(f.dodatekSluzbowy, 150);
    EXPECT_EQ(f.dodatekMotywacyjny, 100);
    EXPECT_EQ(f.procentFunkcjonariusza, 23.0);
    EXPECT_DOUBLE_EQ(f.dodatekStazowyFunkcjonariusza, 710.70);
    EXPECT_DOUBLE_EQ(f.Razem(), 4350.70);
    // Officers need no bonus rate.
    EXPECT_TRUE(zrodla->Komunikaty().Puste());

    // A civil employee of 16 years: 16 % of 3 085, and the year's bonus rate of 10 %.
    const int32_t cywil = Osoba({{"Nazwisko", T("Zając")}, {"Podzial", T("2")}});
    Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(cywil)},
                               {"DataOd", Dzien(2010, 1, 1)},
                               {"IdentyfikatorFormyZatrudn", Id(4)}});
    grupaPracownika(cywil);
    const WynagrodzeniePracownika bezPremii = Obraz(cywil).wynagrodzenie;
    EXPECT_DOUBLE_EQ(bezPremii.Razem(), 3085 + 493.60);
    // The missing rate is noted, and told only by whoever uses a bonus value, once.
    EXPECT_EQ(bezPremii.brakStawkiPremii, 2026);
    EXPECT_TRUE(zrodla->Komunikaty().Puste());
    ZglosBrakPremii(zrodla->Komunikaty(), bezPremii);
    ZglosBrakPremii(zrodla->Komunikaty(), bezPremii);
    ZglosBrakPremii(zrodla->Komunikaty(), f);  // the officer's rate is missing too
    ASSERT_EQ(zrodla->Komunikaty().Wszystkie().size(), 1u);
    EXPECT_EQ(zrodla->Komunikaty().Wszystkie()[0].tekst,
              "Brak wprowadzonej stawki premii pracowników cywilnej na rok: 2026 !!!");

    Wstaw(tdm->TPremie,
          {{"TypPremi", T("C")}, {"Rok", Id(2026)}, {"Miesiac", Id(1)}, {"Kwota", N(10)}});
    const WynagrodzeniePracownika c = Obraz(cywil).wynagrodzenie;
    EXPECT_EQ(c.procentCywila, 16);
    EXPECT_DOUBLE_EQ(c.premia, 308.50);
    EXPECT_DOUBLE_EQ(c.Razem(), 3085 + 493.60 + 308.50);
    // The employee's own rate of the month wins.
    Wstaw(tdm->TPremPracCyw, {{"IdPracownika", Id(cywil)},
                              {"TypPremi", T("C")},
                              {"Rok", Id(2026)},
                              {"Miesiac", Id(12)},
                              {"Kwota", N(20)}});
    EXPECT_DOUBLE_EQ(Obraz(cywil).wynagrodzenie.premia, 617.00);
}

TEST(Wynagrodzenie, ARateOfMinusOneCountsAsZeroInTheTotals) {
    EXPECT_DOUBLE_EQ(RazemFunkcjonariusz(3090, 23, -1, 150, 100), 3090 + 710.70 + 150 + 100);
    EXPECT_DOUBLE_EQ(RazemFunkcjonariusz(-1, 23, 300, 0, 0), 300);
    EXPECT_DOUBLE_EQ(RazemCywil(-1, 16, 10), 0);
}

}  // namespace
}  // namespace mirta::store

namespace mirta::store {
namespace {

// The derivation is the computation's own trace: its result equals the seniority of every kind,
// and it names the gap, the overlap, the record left out and each leave's file.
TEST_F(ObrazPracownikaTest, DerivationShowsPeriodsGapsOverlapsAndEqualsTheSeniority) {
    const int32_t id = Osoba({{"Nazwisko", T("Lis")}, {"Podzial", T("1")}});
    for (const auto& [od, doDnia, forma] :
         {std::tuple{Dzien(2000, 1, 1), Dzien(2004, 12, 31), 1},
          std::tuple{Dzien(2005, 1, 1), Dzien(2007, 6, 30), 3},   // continues; not service
          std::tuple{Dzien(2007, 6, 1), Dzien(2009, 12, 31), 1},  // overlaps a month
          std::tuple{Dzien(2011, 1, 1), Value(), 1}})             // after a year's gap
        Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                                   {"DataOd", od},
                                   {"DataDo", doDnia},
                                   {"IdentyfikatorFormyZatrudn", Id(forma)}});
    Wstaw(tdm1->TPopZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                                   {"DataOd", Dzien(1995, 1, 1)},
                                   {"DataDo", Dzien(1996, 12, 31)},
                                   {"NazwaZakładuPracy", T("Huta")},
                                   {"DoNagrodyJubileuszowej", Value::Logical(true)}});
    Wstaw(tdm1->TUrlopy, {{"IdentyfikatorPracownika", Id(id)},
                          {"DataOd", Dzien(2026, 2, 1)},
                          {"DataDo", Dzien(2026, 2, 28)},
                          {"RodzajUrlopu", Id(9)}});

    const ObrazPracownika o = Obraz(id);
    for (const RodzajStazu r : {RodzajStazu::Wysluga, RodzajStazu::Sluzba,
                                RodzajStazu::NagrodaJubileuszowa, RodzajStazu::Emerytura}) {
        const WyprowadzenieStazu w = WyprowadzStaz(*zrodla, id, r, K(2026, 12, 10));
        ASSERT_TRUE(w.znaleziony);
        EXPECT_EQ(w.wynik.staz, o.staz.Rodzaj(r).staz) << NazwaRodzajuStazu(r);
        const std::vector<std::string> t = TekstWyprowadzenia(w);
        EXPECT_EQ(t.back(), "Wynik: " + compute::TekstOkresu(o.staz.Rodzaj(r).staz));
    }

    const WyprowadzenieStazu s = WyprowadzStaz(*zrodla, id, RodzajStazu::Sluzba, K(2026, 12, 10));
    std::string tekst;
    for (const std::string& l : TekstWyprowadzenia(s))
        tekst += l + "\n";
    EXPECT_NE(tekst.find("2005-01-01 – 2007-06-30   pominięty: forma zatrudnienia poza służbą"),
              std::string::npos)
        << tekst;
    EXPECT_NE(tekst.find("przerwa: 2010-01-01 – 2010-12-31"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("1995-01-01 – 1996-12-31   pominięty: nie zaliczany"), std::string::npos)
        << tekst;
    EXPECT_NE(tekst.find("plik WykUrl2026.DB, rok 2026"), std::string::npos) << tekst;

    const WyprowadzenieStazu wy = WyprowadzStaz(*zrodla, id, RodzajStazu::Wysluga, K(2026, 12, 10));
    tekst.clear();
    for (const std::string& l : TekstWyprowadzenia(wy))
        tekst += l + "\n";
    EXPECT_NE(tekst.find("nakładanie się: 2007-06-01 – 2007-06-30"), std::string::npos) << tekst;
    ASSERT_EQ(wy.slad.zatrudnienie.okresy.size(), 3u);
}

}  // namespace
}  // namespace mirta::store

namespace mirta::store {
namespace {

// Every kind of date coming due, found for the people of a unit made here; the dismissed left
// out.
TEST_F(ObrazPracownikaTest, DatesComingDueOfEachKind) {
    const auto zatrudnienie = [&](int32_t id, Value od, Value doDnia, int forma) {
        Wstaw(tdm->TZatrudnienie, {{"IdentyfikatorPracownika", Id(id)},
                                   {"DataOd", od},
                                   {"DataDo", doDnia},
                                   {"IdentyfikatorFormyZatrudn", Id(forma)}});
    };
    // An officer completing 20 years on the last day of the year.
    const int32_t a = Osoba({{"Nazwisko", T("Adamski")},
                             {"Imie1", T("Adam")},
                             {"Podzial", T("1")},
                             {"DataUrodzenia", Dzien(1990, 5, 5)}});
    zatrudnienie(a, Dzien(2007, 1, 1), Value(), 1);
    // An officer completing 25 years: the retirement seniority.
    const int32_t c = Osoba({{"Nazwisko", T("Cichy")},
                             {"Imie1", T("Cezary")},
                             {"Podzial", T("1")},
                             {"DataUrodzenia", Dzien(1975, 1, 1)}});
    zatrudnienie(c, Dzien(2002, 1, 1), Value(), 1);
    // A civil employee: a fixed-term contract, an examination, an identity card.
    const int32_t b = Osoba({{"Nazwisko", T("Bednarz")},
                             {"Imie1", T("Beata")},
                             {"Podzial", T("2")},
                             {"DataWaznosciDowodu", Dzien(2027, 2, 1)}});
    zatrudnienie(b, Dzien(2026, 1, 1), Dzien(2027, 1, 15), 3);
    for (const auto& [data, nastepne] : {std::pair{Dzien(2025, 6, 1), Dzien(2026, 6, 1)},
                                         std::pair{Dzien(2026, 6, 1), Dzien(2027, 1, 20)}})
        Wstaw(tdm1->TBadania, {{"IdentyfikatorPracownika", Id(b)},
                               {"DataBadania", data},
                               {"DataNastepnegoBadania", nastepne}});
    // A contract continued by the next record does not end; a dismissed one shows nothing.
    const int32_t e = Osoba({{"Nazwisko", T("Ebert")}, {"Imie1", T("Ewa")}, {"Podzial", T("2")}});
    zatrudnienie(e, Dzien(2026, 1, 1), Dzien(2026, 12, 31), 3);
    zatrudnienie(e, Dzien(2027, 1, 1), Value(), 2);
    Osoba({{"Nazwisko", T("Dudek")},
           {"Imie1", T("Dariusz")},
           {"Podzial", T("2")},
           {"DataZwolnienia", Dzien(2026, 11, 30)},
           {"DataWaznosciDowodu", Dzien(2027, 1, 1)}});

    zrodla = std::make_unique<ZrodlaObliczen>(*tdm, *tdm1);
    std::string tekst;
    for (const Termin& t : TerminyWOkresie(*zrodla, K(2026, 12, 10), 60))
        tekst += compute::TekstDaty(t.data) + " " + t.nazwisko + ": " + NazwaTerminu(t.rodzaj) +
                 (t.opis.empty() ? "" : " " + t.opis) + "\n";
    EXPECT_EQ(tekst,
              "2026-12-31 Adamski Adam: wzrost dodatku stażowego 20 lat, 20% (było 19%)\n"
              "2026-12-31 Adamski Adam: nagroda jubileuszowa 20 lat\n"
              "2026-12-31 Adamski Adam: wyższy urlop dodatkowy 9 dni (było 5)\n"
              "2026-12-31 Cichy Cezary: wzrost dodatku stażowego 25 lat, 22,5% (było 22%)\n"
              "2026-12-31 Cichy Cezary: nagroda jubileuszowa 25 lat\n"
              "2026-12-31 Cichy Cezary: staż emerytalny 25 lat\n"
              "2027-01-15 Bednarz Beata: koniec umowy na czas określony\n"
              "2027-01-20 Bednarz Beata: badanie lekarskie\n"
              "2027-02-01 Bednarz Beata: koniec ważności dowodu osobistego\n");
    (void)a;
    (void)c;
}

}  // namespace
}  // namespace mirta::store
