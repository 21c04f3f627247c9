// Leave taken, leave due, sickness and other absences.
#include "store/urlopy.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "compute/zakres_lat.h"
#include "store/kalendarz.h"
#include "store/kontrole_pol.h"
#include "store/pola_rekordu.h"
#include "store/pracownicy.h"
#include "store/rodzaje_urlopow.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

constexpr const char* kZalegle[] = {"UrlopZaleglyPoprzedniRok", "UrlopZalegly2LataWstecz",
                                    "UrlopZalegly3LataWstecz",  "DniZalegleDodatkowy",
                                    "GodzinyZalegleDodatkowy",  "GodzUrlopZalegly"};

int RokDnia(int32_t dzien) {
    return engine::CivilFromDayNumber(dzien).year;
}

compute::DataKal DataKalDnia(int32_t dzien) {
    const auto c = engine::CivilFromDayNumber(dzien);
    return {c.year, static_cast<uint8_t>(c.month), static_cast<uint8_t>(c.day)};
}

bool RokUrlopow(int rok) {
    return rok >= kPierwszyRokUrlopow && rok <= compute::kOstatniRok;
}

// A count stored into an int16 field: held at the field's limits instead of wrapping.
int32_t DoPolaKrotkiego(int32_t n) {
    return std::clamp<int32_t>(n, INT16_MIN, INT16_MAX);
}

int RokPrzetwarzania(const TDM1& t) {
    return t.Sesja().DataPrzetwarzania.year;
}

// When one of the pair is given, the other one, if empty, becomes 0; with `ujemne` a
// negative one too.
void UzupelnijPare(Dataset& ds, const char* a, const char* b, bool ujemne) {
    if (PustePole(ds, a) && PustePole(ds, b))
        return;
    for (const char* pole : {a, b}) {
        const Value& v = ds.Field(pole);
        if (v.IsNull() || (ujemne && v.AsInteger() < 0))
            ds.SetField(pole, Value::Integer(0));
    }
}

void TUrlopyBeforePost(const TDM1& t, Dataset& ds) {
    if (PustePole(ds, "DataOd"))
        throw BladDanych(" Data od urlopu musi być dobrze określona !!!", "DataOd");
    if (PustePole(ds, "DataDo"))
        throw BladDanych(" Data do urlopu musi być dobrze określona !!!", "DataDo");
    const int32_t od = ds.Field("DataOd").AsDay(), doDnia = ds.Field("DataDo").AsDay();
    if (od > doDnia)
        throw BladDanych("Data od nie może być większa od daty do urlopu !!!");
    if (PustePole(ds, "RodzajUrlopu"))
        throw BladDanych(" Musisz wybrać rodzaj urlopu !!!", "RodzajUrlopu");
    if (RokDnia(od) < kPierwszyRokUrlopow)
        throw BladDanych("Dane urlopu nie mogą być wcześniejsze niż: " +
                         std::to_string(kPierwszyRokUrlopow) + ".01.01 !!!");
    if (RokDnia(doDnia) > compute::kOstatniRok)
        throw BladDanych("Dane urlopu nie mogą być późniejsze niż: " +
                         std::to_string(compute::kOstatniRok) + ".12.31 !!!");
    const int rok = RokPrzetwarzania(t);
    if (rok >= kPierwszyRokNowychZasadUrlopow && (RokDnia(od) != rok || RokDnia(doDnia) != rok))
        throw BladDanych("Daty urlopu muszą dotyczyć: " + std::to_string(rok));
    UzupelnijPare(ds, "Ilosc", "Godziny", false);
}

void LiczPolaUrlopu(TDM1& t, engine::RowView& row) {
    row.Set("NazwaUrlopu", Value());
    row.Set("SymbolUrlopu", Value());
    row.Set("IloscWyliczona", Value::Integer(0));
    if (t.ObliczeniaUrlopowZawieszone() || PustePole(row["RodzajUrlopu"]))
        return;
    const RekordRodzajuUrlopu* rodzaj = t.Rodzaje().Znajdz(row["RodzajUrlopu"].AsInteger());
    if (!rodzaj) {
        t.ZbierzKomunikat(kBladRodzajowUrlopow);
        return;
    }
    row.Set("NazwaUrlopu", Value::Text(rodzaj->NazwaUrlopu));
    row.Set("SymbolUrlopu", Value::Text(rodzaj->Symbol));
    const Value &od = row["DataOd"], &doDnia = row["DataDo"];
    if (od.IsNull() || doDnia.IsNull())
        return;
    const std::optional<int32_t> dni = DniUrlopu(t, rodzaj->RodzajDni, od.AsDay(), doDnia.AsDay());
    if (!dni) {
        row.Set("IloscWyliczona", Value());
        return;
    }
    row.Set("IloscWyliczona", Value::Integer(*dni));
    const Value &ilosc = row["Ilosc"], &godziny = row["Godziny"];
    if (!ilosc.IsNull() || !godziny.IsNull()) {
        row.Set("IloscRzeczywistaDni", Value::Integer(LiczbaCalkowita(ilosc)));
        row.Set("IloscRzeczywistaGodz", Value::Integer(LiczbaCalkowita(godziny)));
    } else {
        row.Set("IloscRzeczywistaDni", Value::Integer(*dni));
        row.Set("IloscRzeczywistaGodz", Value::Integer(0));
    }
}

void PodlaczUrlopyWykorzystane(TDM1& t, TableComponent& c) {
    TDM1* m = &t;
    c->AddHandler(DatasetEvent::BeforePost, [m](Dataset& ds) { TUrlopyBeforePost(*m, ds); });
    c.AddCalculation([m](engine::RowView& row) { LiczPolaUrlopu(*m, row); });
}

// The employee current in the master table: what a new leave-due year copies.
struct DanePracownikaDoUrlopu {
    Value etat, systemSluzby;
};
DanePracownikaDoUrlopu BiezacyPracownik(const TDM1& t) {
    const TableComponent& p = t.Tdm().TPracownicy;
    if (!p.IsOpen())
        return {};
    return {p->Field("Etat"), p->Field("SystemSluzby")};
}

void PrzeliczNalezny(const TDM1& t, Dataset& ds) {
    const auto& obliczenie = t.ObliczenieNaleznego();
    if (!obliczenie || PustePole(ds, "Rok"))
        return;
    const int64_t rok = ds.Field("Rok").AsInteger();
    if (!RokUrlopow(static_cast<int>(rok)))
        return;
    // A new row gets the employee from the link only when it is stored.
    const Value& id = ds.Field("IdentyfikatorPracownika");
    const TableComponent& prac = t.Tdm().TPracownicy;
    const int32_t pracownik = !PustePole(id)  ? LiczbaCalkowita(id)
                              : prac.IsOpen() ? LiczbaCalkowita(prac->Field("Identyfikator"))
                                              : 0;
    if (pracownik == 0)
        return;
    if (auto n = obliczenie(pracownik, engine::DayNumberFromCivil(static_cast<int>(rok), 1, 1))) {
        ds.SetField("UrlopNalezny", Value::Integer(DoPolaKrotkiego(n->wypoczynkowy)));
        ds.SetField("UrlopDodatkowy", Value::Integer(DoPolaKrotkiego(n->dodatkowy)));
    }
}

void TUrlopNalezNewRecord(const TDM1& t, Dataset& ds) {
    ds.SetField("Rok", Value::Integer(RokPrzetwarzania(t)));
    for (const char* pole : kZalegle)
        ds.SetField(pole, Value::Integer(0));
    const DanePracownikaDoUrlopu p = BiezacyPracownik(t);
    ds.SetField("Przelicznik", p.etat);
    ds.SetField("SystemSluzby", p.systemSluzby);
    PrzeliczNalezny(t, ds);
}

void TUrlopNalezBeforePost(const TDM1& t, Dataset& ds) {
    const int rokPrzetwarzania = RokPrzetwarzania(t);
    if (rokPrzetwarzania >= kPierwszyRokNowychZasadUrlopow)
        ds.SetField("Rok", Value::Integer(rokPrzetwarzania));
    if (PustePole(ds, "Rok"))
        throw BladDanych("Musisz podać rok dla urlopu należnego !!!", "Rok");
    const int64_t rok = ds.Field("Rok").AsInteger();
    if (rok < kPierwszyRokUrlopow || rok > compute::kOstatniRok)
        throw BladDanych("Niewłaściwy rok dla urlopu należnego !!!");
    for (const char* pole : kZalegle) {
        const Value& v = ds.Field(pole);
        if (v.IsNull() || v.AsInteger() < 0)
            ds.SetField(pole, Value::Integer(0));
    }
    UzupelnijPare(ds, "UrlopNaleznyDni", "UrlopNaleznyGodz", true);
    UzupelnijPare(ds, "UrlopDodatkowyDni", "UrlopDodatkowyGodz", true);
    const Value& przelicznik = ds.Field("Przelicznik");
    if (przelicznik.IsNull())
        ds.SetField("Przelicznik", Value::Number(1.0));
    else if (przelicznik.AsNumber() < 0)
        ds.SetField("Przelicznik", Value::Number(0));
    PrzeliczNalezny(t, ds);
}

void PodlaczUrlopyNalezne(TDM1& t, TableComponent& c) {
    TDM1* m = &t;
    c->AddHandler(DatasetEvent::NewRecord, [m](Dataset& ds) { TUrlopNalezNewRecord(*m, ds); });
    c->AddHandler(DatasetEvent::BeforePost, [m](Dataset& ds) { TUrlopNalezBeforePost(*m, ds); });
    c.AddCalculation([](engine::RowView& row) {
        int64_t suma = 0;
        for (const char* pole :
             {"UrlopZaleglyPoprzedniRok", "UrlopZalegly2LataWstecz", "UrlopZalegly3LataWstecz"})
            suma += LiczbaCalkowita(row[pole]);
        row.Set("RzDniZalegleWypocz", Value::Integer(suma));
    });
    ObrazEtatu(c, "Przelicznik");
    // The year copies the employee's code as it is; only its text says it is unknown.
    PokazPrzezListe(c, "SystemSluzby", Lista("SystemSluzby"));
}

// Sickness and other absences share their shape: two dates and a code.
struct Nieobecnosc {
    KodWPrzedziale kod;
    const char* dataOd;
    const char* dataDo;
    const char* kolejnosc;
    const char* brakKodu;
};
constexpr Nieobecnosc kChoroba{
    {"RodzajChoroby", "3", "Rodzaj choroby musi być z przedziału 1-3 !!!"},
    "Data od choroby musi być dobrze określona !!!",
    "Data do choroby musi być dobrze określona !!!",
    "Data od nie może być większa od daty do choroby !!!",
    "Rodzaj choroby musi być określony !!!"};
constexpr Nieobecnosc kNieobecnosc{
    {"RodzajNieobecnosci", "2", "Rodzaj nieobecności musi być z przedziału 1-2 !!!"},
    "Data od nieobecności musi być dobrze określona !!!",
    "Data do nieobecności musi być dobrze określona !!!",
    "Data od nie może być większa od daty do nieobecności !!!",
    "Rodzaj nieobecności musi być określony !!!"};

void PodlaczNieobecnosc(TableComponent& c, const Nieobecnosc& n) {
    n.kod.Podlacz(c);
    c->AddHandler(DatasetEvent::BeforePost, [&n](Dataset& ds) {
        Wymagane(ds, "DataOd", n.dataOd);
        Wymagane(ds, "DataDo", n.dataDo);
        NiePrzed(ds, "DataOd", "DataDo", n.kolejnosc);
        Wymagane(ds, n.kod.pole, n.brakKodu);
    });
}

}  // namespace

std::optional<int32_t> DniUrlopu(TDM1& t, char rodzajDni, int32_t od, int32_t doDnia) {
    const int rokOd = RokDnia(od);
    if (!RokUrlopow(rokOd) || !RokUrlopow(RokDnia(doDnia)))
        return std::nullopt;
    const bool robocze =
        rodzajDni == 'R' || (rodzajDni == 'F' && rokOd >= kPierwszyRokNowychZasadUrlopow);
    if (!robocze)
        return std::abs(doDnia - od) + 1;
    const int32_t n = LiczDniKalendarza(t.Tdm(), DataKalDnia(od), DataKalDnia(doDnia), 'R');
    if (!JestLiczbaDni(n))
        return std::nullopt;
    return n;
}

void PodlaczUrlopy(TDM1& t, TableComponent& c) {
    if (&c == &t.TUrlopy || &c == &t.TUrlopyRoboczy)
        PodlaczUrlopyWykorzystane(t, c);
    else if (&c == &t.TUrlopNalez || &c == &t.TUrlopNaleznyRoboczy)
        PodlaczUrlopyNalezne(t, c);
    else if (&c == &t.TChoroby)
        PodlaczNieobecnosc(c, kChoroba);
    else if (&c == &t.TNieobecnosci)
        PodlaczNieobecnosc(c, kNieobecnosc);
}

}  // namespace mirta::store
