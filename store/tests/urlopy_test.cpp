#include "store/urlopy.h"

#include <gtest/gtest.h>

#include "store/rodzaje_urlopow.h"
#include "store/testing/historia_testowa.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetState;
using engine::Value;
using testing::Blad;
using testing::HistoriaTestowa;

// Leave types of a new data directory: 1 rest leave counted in working days, 4 maternity
// leave counted in calendar days.
constexpr int kWypoczynkowy = 1;
constexpr int kMacierzynski = 4;

class Urlopy : public HistoriaTestowa {
protected:
    void SetUp() override {
        HistoriaTestowa::SetUp();
        tdm1->Open(tdm1->TUrlopy);
        Pracownik("Kowalski");
    }

    int32_t RodzajUrlopu(const char* nazwa, const char* dni, const char* rodzaj) {
        return Slownik(tdm1->TRodzUrlop, "NazwaUrlopu", nazwa, "Identyfikator",
                       {{"RodzajDni", Value::Text(dni)}, {"RodzajUrlopu", Value::Text(rodzaj)}});
    }

    // The program started again with a processing date in 2005: the common leave files.
    void ZalogujW2005() {
        Otworz();
        ASSERT_TRUE(Zaloguj("ADMIN", "", {2005, 6, 1}));
        tdm1->Open(tdm1->TUrlopy);
    }

    // Posts a leave row and returns it as the grid reads it.
    engine::RowView Urlop(Value od, Value doDnia, int rodzaj, Value ilosc = {},
                          Value godziny = {}) {
        Dataset& u = *tdm1->TUrlopy;
        u.Insert();
        u.SetField("DataOd", od);
        u.SetField("DataDo", doDnia);
        u.SetField("RodzajUrlopu", Value::Integer(rodzaj));
        u.SetField("Ilosc", ilosc);
        u.SetField("Godziny", godziny);
        u.Post();
        return u.RowAt(u.RecNo());
    }
};

TEST_F(Urlopy, LeaveTypeRulesDefaultsAndDeleteRefusal) {
    Dataset& r = *tdm1->TRodzUrlop;
    r.Insert();
    EXPECT_EQ(r.Field("RodzajDni").AsText(), "R");
    EXPECT_EQ(r.Field("RodzajUrlopu").AsText(), "I");
    EXPECT_EQ(Blad([&] { r.SetField("RodzajDni", Value::Text("X")); }),
              "Rodzaj dni może być R-robocze, K-kalendarzowe, F-funkconariusza !!!");
    EXPECT_EQ(Blad([&] { r.SetField("RodzajDni", Value()); }),
              "Rodzaj dni może być R-robocze, K-kalendarzowe, F-funkconariusza !!!");
    EXPECT_EQ(Blad([&] { r.SetField("RodzajUrlopu", Value::Text("Q")); }),
              "Rodzaj urlopu może być I-inny, D-dodatkowy, W-wypoczynkowy  !!!");
    EXPECT_EQ(r.Field("RodzajDni").AsText(), "R");
    EXPECT_EQ(Blad([&] { r.Post(); }), "Nazwa rodzaju urlopu musi być wprowadzona !!!");
    r.SetField("NazwaUrlopu", Value::Text("Urlop funkcjonariusza"));
    r.SetField("RodzajDni", Value::Text("F"));
    r.Post();
    EXPECT_EQ(r.FieldText("RodzajDni"), "F-urlop funkcjonariusza");
    EXPECT_EQ(r.FieldText("RodzajUrlopu"), "I - inny");
    EXPECT_EQ(Blad([&] { r.Delete(); }), " Nie można kasować tych danych !!!");

    // The list in memory follows every change of the table.
    const int64_t id = r.Field("Identyfikator").AsInteger();
    ASSERT_NE(tdm1->Rodzaje().Znajdz(id), nullptr);
    EXPECT_EQ(tdm1->Rodzaje().RodzajDni(id), 'F');
    r.Edit();
    r.SetField("RodzajUrlopu", Value::Text("W"));
    r.Post();
    EXPECT_EQ(tdm1->Rodzaje().RodzajUrlopu(id), 'W');
    EXPECT_EQ(tdm1->Rodzaje().RodzajUrlopu(9999), 'I');
}

TEST_F(Urlopy, LeaveRowChecksInOrderAndTheProcessingYear) {
    Sprawdz(tdm1->TUrlopy,
            {{nullptr, {}, " Data od urlopu musi być dobrze określona !!!"},
             {"DataOd", Dzien(2026, 3, 12), " Data do urlopu musi być dobrze określona !!!"},
             {"DataDo", Dzien(2026, 3, 10), "Data od nie może być większa od daty do urlopu !!!"},
             {"DataDo", Dzien(2026, 3, 13), " Musisz wybrać rodzaj urlopu !!!"},
             {"RodzajUrlopu", Value::Integer(kWypoczynkowy), ""}});
    // Years: the lower bound 1990, the shared last year, then the processing year.
    Sprawdz(
        tdm1->TUrlopy,
        {{"DataOd", Dzien(1989, 12, 31),
          "Dane urlopu nie mogą być wcześniejsze niż: 1990.01.01 !!!"},
         {"DataOd", Dzien(2026, 12, 28), "Dane urlopu nie mogą być późniejsze niż: 2100.12.31 !!!"},
         {"DataDo", Dzien(2027, 1, 4), "Daty urlopu muszą dotyczyć: 2026"},
         {"DataDo", Dzien(2026, 12, 31), ""}},
        {{"RodzajUrlopu", Value::Integer(kWypoczynkowy)}, {"DataDo", Dzien(2101, 1, 1)}});
    EXPECT_EQ(tdm1->TUrlopy->RecordCount(), 2);
}

TEST_F(Urlopy, DaysCountedByTheKindOfDays) {
    // Monday 9 to Sunday 15 March 2026: no holiday.
    const auto robocze = Urlop(Dzien(2026, 3, 9), Dzien(2026, 3, 15), kWypoczynkowy);
    EXPECT_EQ(robocze["NazwaUrlopu"].AsText(), "Urlop wypoczynkowy");
    EXPECT_EQ(robocze["SymbolUrlopu"].AsText(), "UW");
    EXPECT_EQ(robocze["IloscWyliczona"].AsInteger(), 5);
    EXPECT_EQ(robocze["IloscRzeczywistaDni"].AsInteger(), 5);
    EXPECT_EQ(robocze["IloscRzeczywistaGodz"].AsInteger(), 0);
    const auto kalendarzowe = Urlop(Dzien(2026, 3, 16), Dzien(2026, 3, 22), kMacierzynski);
    EXPECT_EQ(kalendarzowe["IloscWyliczona"].AsInteger(), 7);

    // Days typed by hand win over the dates; the empty hours become 0.
    const auto reczne =
        Urlop(Dzien(2026, 4, 6), Dzien(2026, 4, 17), kWypoczynkowy, Value::Integer(3));
    EXPECT_EQ(tdm1->TUrlopy->Field("Godziny").AsInteger(), 0);
    EXPECT_EQ(reczne["IloscWyliczona"].AsInteger(), 9);  // Easter Monday 6 April
    EXPECT_EQ(reczne["IloscRzeczywistaDni"].AsInteger(), 3);
    EXPECT_EQ(reczne["IloscRzeczywistaGodz"].AsInteger(), 0);

    // A long span counts past what an int16 holds.
    EXPECT_EQ(DniUrlopu(*tdm1, 'K', D(1990, 1, 1), D(2100, 12, 31)), 40542);
    // Years the calendar does not count leave the days empty.
    EXPECT_EQ(DniUrlopu(*tdm1, 'R', D(1989, 12, 1), D(1990, 1, 5)), std::nullopt);
    EXPECT_EQ(DniUrlopu(*tdm1, 'K', D(2100, 12, 1), D(2101, 1, 5)), std::nullopt);
}

TEST_F(Urlopy, OfficersLeaveCountsCalendarDaysBefore2006) {
    const int32_t f = RodzajUrlopu("Urlop funkcjonariusza", "F", "W");
    // Monday to Sunday weeks without holidays.
    EXPECT_EQ(DniUrlopu(*tdm1, 'F', D(2005, 3, 7), D(2005, 3, 13)), 7);
    EXPECT_EQ(DniUrlopu(*tdm1, 'F', D(2006, 3, 6), D(2006, 3, 12)), 5);
    EXPECT_EQ(Urlop(Dzien(2026, 3, 9), Dzien(2026, 3, 15), f)["IloscWyliczona"].AsInteger(), 5);

    // Up to 2005 a row may cross the year and is counted in calendar days.
    ZalogujW2005();
    const auto w = Urlop(Dzien(2005, 12, 28), Dzien(2006, 1, 4), f);
    EXPECT_EQ(w["IloscWyliczona"].AsInteger(), 8);
}

TEST_F(Urlopy, SuspendedCalculationAndMissingTypeMessage) {
    Urlop(Dzien(2026, 3, 9), Dzien(2026, 3, 15), kWypoczynkowy);
    Dataset& u = *tdm1->TUrlopy;
    {
        ZawieszenieObliczenUrlopow okno(*tdm1);
        { ZawieszenieObliczenUrlopow skan(*tdm1); }
        EXPECT_TRUE(tdm1->ObliczeniaUrlopowZawieszone());
        const auto w = u.RowAt(0);
        EXPECT_TRUE(w["NazwaUrlopu"].IsNull());
        EXPECT_EQ(w["IloscWyliczona"].AsInteger(), 0);
    }
    EXPECT_FALSE(tdm1->ObliczeniaUrlopowZawieszone());
    EXPECT_EQ(u.RowAt(0)["IloscWyliczona"].AsInteger(), 5);

    // A row of a type that is gone: the message is collected and shown once.
    u.Edit();
    u.SetField("RodzajUrlopu", Value::Integer(77));
    u.Post();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(u.RowAt(0)["NazwaUrlopu"].IsNull());
    EXPECT_TRUE(dialogi.komunikaty.empty());
    tdm1->PokazZebraneKomunikaty();
    tdm1->PokazZebraneKomunikaty();
    EXPECT_EQ(dialogi.Teksty(), std::vector<std::string>{kBladRodzajowUrlopow});
}

TEST_F(Urlopy, LeaveDueDefaultsAndCorrections) {
    tdm->TPracownicy->Edit();
    tdm->TPracownicy->SetField("Etat", Value::Number(0.5));
    tdm->TPracownicy->SetField("SystemSluzby", Value::Text("2"));
    tdm->TPracownicy->Post();
    std::vector<int32_t> dni;
    tdm1->UstawObliczenieNaleznego([&](int32_t, int32_t dzien) -> std::optional<UrlopNaleznyDni> {
        dni.push_back(dzien);
        return UrlopNaleznyDni{13, 5};
    });
    Dataset& n = *tdm1->TUrlopNalez;
    n.Insert();
    EXPECT_EQ(n.Field("Rok").AsInteger(), 2026);
    EXPECT_EQ(n.Field("UrlopNalezny").AsInteger(), 13);
    EXPECT_EQ(n.Field("UrlopDodatkowy").AsInteger(), 5);
    for (const char* pole :
         {"UrlopZaleglyPoprzedniRok", "UrlopZalegly2LataWstecz", "UrlopZalegly3LataWstecz",
          "DniZalegleDodatkowy", "GodzinyZalegleDodatkowy", "GodzUrlopZalegly"})
        EXPECT_EQ(n.Field(pole).AsInteger(), 0) << pole;
    EXPECT_EQ(n.Field("Przelicznik").AsNumber(), 0.5);
    EXPECT_EQ(n.Field("SystemSluzby").AsText(), "2");
    EXPECT_EQ(n.FieldText("SystemSluzby"), "2 - zmianowy");
    EXPECT_TRUE(n.Field("UrlopNaleznyDni").IsNull());

    // The processing year wins over a typed one; one of a pair given fills the other.
    n.SetField("Rok", Value::Integer(2007));
    n.SetField("UrlopNaleznyGodz", Value::Integer(4));
    n.SetField("UrlopZalegly2LataWstecz", Value::Integer(-3));
    n.SetField("UrlopZaleglyPoprzedniRok", Value::Integer(2));
    n.SetField("UrlopZalegly3LataWstecz", Value::Integer(1));
    n.SetField("Przelicznik", Value());
    n.Post();
    EXPECT_EQ(n.Field("Rok").AsInteger(), 2026);
    EXPECT_EQ(n.Field("UrlopNaleznyDni").AsInteger(), 0);
    EXPECT_EQ(n.Field("UrlopNaleznyGodz").AsInteger(), 4);
    EXPECT_TRUE(n.Field("UrlopDodatkowyDni").IsNull());
    EXPECT_TRUE(n.Field("UrlopDodatkowyGodz").IsNull());
    EXPECT_EQ(n.Field("UrlopZalegly2LataWstecz").AsInteger(), 0);
    EXPECT_EQ(n.Field("Przelicznik").AsNumber(), 1.0);
    EXPECT_EQ(n.Field("RzDniZalegleWypocz").AsInteger(), 3);
    n.Edit();
    n.SetField("SystemSluzby", Value::Text("9"));
    EXPECT_EQ(n.FieldText("SystemSluzby"), "XXXXXX");
    n.Cancel();
    EXPECT_EQ(dni, (std::vector<int32_t>{D(2026, 1, 1), D(2026, 1, 1)}));
}

TEST_F(Urlopy, LeaveDueYearBoundsUpTo2005) {
    ZalogujW2005();
    Sprawdz(tdm1->TUrlopNalez,
            {{"Rok", Value(), "Musisz podać rok dla urlopu należnego !!!"},
             {"Rok", Value::Integer(1989), "Niewłaściwy rok dla urlopu należnego !!!"},
             {"Rok", Value::Integer(2101), "Niewłaściwy rok dla urlopu należnego !!!"},
             {"Rok", Value::Integer(2004), ""}});
}

// Without a computation of its own the data module computes the entitlement from the
// employee's records as of 1 January of the row's year.
TEST_F(Urlopy, LeaveDueEntitlementFromTheEmployeesRecords) {
    Dataset& p = *tdm->TPracownicy;
    p.Edit();
    p.SetField("DataDoSluzby", Dzien(2015, 3, 1));
    p.Post();
    Dataset& n = *tdm1->TUrlopNalez;
    n.Insert();
    EXPECT_EQ(n.Field("UrlopNalezny").AsInteger(), 26);
    EXPECT_EQ(n.Field("UrlopDodatkowy").AsInteger(), 0);
    n.Post();
    p.Edit();
    p.SetField("Etat", Value::Number(0.5));
    p.Post();
    n.Edit();
    n.Post();
    EXPECT_EQ(n.Field("UrlopNalezny").AsInteger(), 13);
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST_F(Urlopy, ClosedYearRefusesEveryChange) {
    Urlop(Dzien(2026, 3, 9), Dzien(2026, 3, 15), kWypoczynkowy);
    tdm1->TUrlopNalez->Insert();
    tdm1->TUrlopNalez->Post();
    tdm->UstawRokUrlopowyZamkniety(true);
    for (auto* c : {&tdm1->TUrlopy, &tdm1->TUrlopNalez}) {
        Dataset& ds = **c;
        const std::string komunikat =
            c == &tdm1->TUrlopy ? "Nie można zmieniać archiwalnych danych o urlopach !!!"
                                : "Nie można zmieniać archiwalnych danych o urlopach należnych !!!";
        EXPECT_EQ(Blad([&] { ds.Insert(); }), komunikat);
        EXPECT_EQ(Blad([&] { ds.Edit(); }), komunikat);
        EXPECT_EQ(Blad([&] { ds.Delete(); }), komunikat);
        EXPECT_EQ(ds.State(), DatasetState::Browse);
        EXPECT_EQ(ds.RecordCount(), 1);
    }
}

TEST_F(Urlopy, SicknessAndAbsenceRules) {
    Dataset& c = *tdm1->TChoroby;
    c.Insert();
    for (const char* zly : {"", "0", "4", "A"})
        EXPECT_EQ(Blad([&] { c.SetField("RodzajChoroby", Value::Text(zly)); }),
                  "Rodzaj choroby musi być z przedziału 1-3 !!!")
            << zly;
    c.Cancel();
    Sprawdz(tdm1->TChoroby,
            {{nullptr, {}, "Data od choroby musi być dobrze określona !!!"},
             {"DataOd", Dzien(2026, 2, 10), "Data do choroby musi być dobrze określona !!!"},
             {"DataDo", Dzien(2026, 2, 9), "Data od nie może być większa od daty do choroby !!!"},
             {"DataDo", Dzien(2026, 2, 10), "Rodzaj choroby musi być określony !!!"},
             {"RodzajChoroby", Value::Text("3"), ""}});
    EXPECT_EQ(c.FieldText("RodzajChoroby"), "3 - pobyt w szpitalu");
    Sprawdz(
        tdm1->TNieobecnosci,
        {{nullptr, {}, "Data od nieobecności musi być dobrze określona !!!"},
         {"DataOd", Dzien(2026, 2, 10), "Data do nieobecności musi być dobrze określona !!!"},
         {"DataDo", Dzien(2026, 2, 9), "Data od nie może być większa od daty do nieobecności !!!"},
         {"DataDo", Dzien(2026, 2, 10), "Rodzaj nieobecności musi być określony !!!"},
         {"RodzajNieobecnosci", Value::Text("2"), ""}});
    EXPECT_EQ(tdm1->TNieobecnosci->FieldText("RodzajNieobecnosci"),
              "2-nieobecność nieusprawiedliwiona");
    EXPECT_EQ(Blad([&] {
                  tdm1->TNieobecnosci->Edit();
                  tdm1->TNieobecnosci->SetField("RodzajNieobecnosci", Value::Text("3"));
              }),
              "Rodzaj nieobecności musi być z przedziału 1-2 !!!");
}

TEST_F(Urlopy, LeaveTypeIdentifierRangeChecked) {
    Dataset& u = *tdm1->TUrlopy;
    u.Insert();
    EXPECT_EQ(Blad([&] { u.SetFieldText("RodzajUrlopu", "70000"); }),
              "Identyfikator poza zakresem pola RodzajUrlopu !!!");
    EXPECT_TRUE(u.Field("RodzajUrlopu").IsNull());
    u.Cancel();
}

}  // namespace
}  // namespace mirta::store
