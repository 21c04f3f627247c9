#include "store/stawki.h"

#include <gtest/gtest.h>

#include "compute/stawki.h"
#include "store/pola_rekordu.h"
#include "store/slowniki.h"
#include "store/testing/historia_testowa.h"

namespace mirta::store {
namespace {

using compute::WpisStawki;
using engine::Value;
using testing::HistoriaTestowa;

int32_t D(int r, int m, int d) {
    return engine::DayNumberFromCivil(r, m, d);
}

TEST(StawkaNaDzien, TheRateInForceStrictlyBeforeTheDateOfItsVariant) {
    const WpisStawki stawki[] = {{D(2020, 1, 1), 100, 'N'},
                                 {D(2022, 1, 1), 200, 'N'},
                                 {D(2024, 1, 1), 300, 'N'},
                                 {D(2019, 1, 1), 999, 'T'}};
    struct {
        int32_t dzien;
        char ub;
        bool najnowsza;
        double stawka;
    } przypadki[] = {
        {D(2019, 12, 31), 'N', false, 0},  // nothing yet
        {D(2020, 1, 1), 'N', false, 0},    // a rate of that very day is not in force before it
        {D(2020, 1, 2), 'N', false, 100},
        {D(2022, 1, 1), 'N', false, 100},  // the next rate starts the next period
        {D(2023, 6, 1), 'N', false, 200},
        {D(2000, 1, 1), 'N', true, 300},  // the newest, whatever the date
        {D(2030, 1, 1), 'T', false, 999},
        {D(2030, 1, 1), 'X', true, 0},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(compute::StawkaNaDzien(stawki, p.ub, p.dzien, p.najnowsza), p.stawka)
            << engine::FormatDate(p.dzien) << " " << p.ub;
}

TEST(PlacaGrupy, FinalPayFromTheGroupRateAndFromASalaryBase) {
    // Officers round to tens, everyone else to grosze; a typed basic pay wins.
    EXPECT_EQ(compute::PlacaZeStawki(1234, true, 2.5, 0).placaKoncowa, 3090);
    EXPECT_EQ(compute::PlacaZeStawki(1234, false, 2.5, 0).placaKoncowa, 3085);
    EXPECT_EQ(compute::PlacaZeStawki(1234, false, 2.5, 0.0001).placaKoncowa, 3085);
    EXPECT_EQ(compute::PlacaZeStawki(1234, true, 2.5, 2500).placaKoncowa, 2500);
    EXPECT_EQ(compute::PlacaZeStawki(-1, true, 2.5, 0).placaKoncowa, 0);
    EXPECT_EQ(compute::PlacaZeStawki(-1, true, 2.5, 0).stawka, -1);
    EXPECT_EQ(compute::StawkaDoSumy(-1), 0);

    compute::PozPodstawWyn p;
    p.PodstawaFunkcjonariusze = 1000;
    p.PodstawaCywile = 1000;
    p.ZaokraglenieFunkcjonarius = -1;
    p.ZaokraglenieCywil = 2;
    EXPECT_EQ(compute::PlacaZPodstawy(p, true, 1.234, 0).placaKoncowa, 1230);
    EXPECT_EQ(compute::PlacaZPodstawy(p, false, 1.234, 0).placaKoncowa, 1234);
    EXPECT_EQ(compute::PlacaZPodstawy(p, false, 1.234, 0).stawka, 1000);
    EXPECT_EQ(compute::PlacaZPodstawy(p, false, 1.234, 2500).placaKoncowa, 2500);
}

TEST(TekstMnoznika, SevenDecimalsAtMostAndNoTrailingZeros) {
    const std::pair<double, const char*> przypadki[] = {
        {1.5, "1,5"},       {2, "2"},          {0, "0"}, {1.23456789, "1,2345679"},
        {1234.5, "1234,5"}, {-0.00000001, "0"}};
    for (auto [x, tekst] : przypadki)
        EXPECT_EQ(TekstMnoznika(x), tekst) << x;
}

class Stawki : public HistoriaTestowa {};

TEST_F(Stawki, RatesAreReadFromTheRateTablesWhenMarkedAndLookedUpByDate) {
    const int32_t kapral = Stopien("kapral");
    Stawka(tdm->TStawStopni, Dzien(2020, 1, 1), 1000);
    Stawka(tdm->TStawStopni, Dzien(2022, 1, 1), 1100);
    Stawka(tdm->TStawStopni, Dzien(2021, 1, 1), 1500, "T");
    const int32_t sierzant = Stopien("sierżant");
    const int32_t grupa = Grupa("III");
    Stawka(tdm->TStawGrup, Dzien(2020, 1, 1), 2000);
    tdm->Close(tdm->TStawStopni);
    tdm->Close(tdm->TStawGrup);

    DaneStopniiGrup& s = tdm->Stawki();
    EXPECT_TRUE(s.Zmienione());
    EXPECT_EQ(s.StawkaStopnia(kapral, 'N', D(2023, 1, 1), false), 0);  // not loaded yet
    s.PrzeladujJesliZmienione(*tdm);
    EXPECT_FALSE(s.Zmienione());
    // The rate tables are closed again after reading.
    EXPECT_FALSE(tdm->TStawStopni.IsOpen());
    EXPECT_EQ(s.StawkaStopnia(kapral, 'N', D(2022, 1, 1), false), 1000);
    EXPECT_EQ(s.StawkaStopnia(kapral, 'N', D(2022, 1, 2), false), 1100);
    EXPECT_EQ(s.StawkaStopnia(kapral, 'T', D(2022, 1, 2), false), 1500);
    EXPECT_EQ(s.StawkaStopnia(kapral, 'N', 0, true), 1100);
    EXPECT_EQ(s.StawkaStopnia(sierzant, 'N', 0, true), 0);
    EXPECT_EQ(s.StawkaStopnia(999, 'N', 0, true), 0);
    EXPECT_EQ(s.StawkaGrupy(grupa, 'N', D(2021, 1, 1), false), 2000);
    EXPECT_EQ(s.NazwaStopnia(sierzant), "sierżant");
    EXPECT_EQ(s.NazwaStopnia(999), "");
    ASSERT_NE(s.ZnajdzGrupe(grupa), nullptr);
    EXPECT_EQ(s.ZnajdzGrupe(grupa)->NazwaGrupy, "III");
    EXPECT_EQ(s.Stopnie().size(), 2u);

    // A renamed rank marks the rates again.
    tdm->TSlowStopni->Edit();
    tdm->TSlowStopni->SetField("NazwaStopnia", Value::Text("plutonowy"));
    tdm->TSlowStopni->Post();
    EXPECT_TRUE(s.Zmienione());
}

TEST_F(Stawki, TheSalaryBaseListHasNoCapacityLimitAndIsReadAgainAfterItsWindowCloses) {
    auto& p = *tdm->TPodstawy;
    p.BeginBulk();
    for (int i = 0; i < 501; ++i) {
        p.Insert();
        p.SetField("DataOd", Value::Date(D(2000, 1, 1) + i));
        p.SetField("PodstawaFunkcjonariusze", Value::Number(1000 + i));
        p.Post();
    }
    p.EndBulk();
    auto& lista = tdm->PodstawyWyn();
    auto ostatnia = lista.NaDzien(*tdm, D(2030, 1, 1));
    ASSERT_TRUE(ostatnia);
    EXPECT_EQ(ostatnia->PodstawaFunkcjonariusze, 1500);
    EXPECT_EQ(ostatnia->ZaokraglenieFunkcjonarius, -1);
    EXPECT_EQ(lista.NaDzien(*tdm, D(2000, 1, 1))->PodstawaFunkcjonariusze, 1000);
    EXPECT_FALSE(lista.NaDzien(*tdm, D(1999, 12, 31)));

    // Read once: a new base shows only after the window closes.
    p.Insert();
    p.SetField("DataOd", Dzien(2029, 1, 1));
    p.SetField("PodstawaFunkcjonariusze", Value::Number(7000));
    p.Post();
    EXPECT_EQ(lista.NaDzien(*tdm, D(2030, 1, 1))->PodstawaFunkcjonariusze, 1500);
    PoZamknieciuOknaPodstaw(*tdm);
    EXPECT_EQ(lista.NaDzien(*tdm, D(2030, 1, 1))->PodstawaFunkcjonariusze, 7000);
}

}  // namespace
}  // namespace mirta::store
