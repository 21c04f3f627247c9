// Employment-end, examination and other records of TDM1.
#include "store/zakonczenie_zatrudnienia.h"

#include <string>

#include "compute/okres_lmd.h"
#include "store/kontrole_pol.h"
#include "store/pola_rekordu.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

constexpr double kEpsilon = 0.00000001;

constexpr KodWPrzedziale kPowodZawieszenia{"Powod", "6",
                                           "Powód zawieszenia musi być z przedziału 1-6 !!!"};
constexpr KodWPrzedziale kKlasyfikacjaZawieszenia{
    "KlasyfikacjaZawieszenia", "4", "Klasyfikacja zawieszenia musi być z przedziału 1-4 !!!"};
constexpr KodWPrzedziale kTyp{"TypWypowiedzenia", "2",
                              "Typ wypowiedzenia musi być z przedziału 1-2 !!!"};
constexpr KodWPrzedziale kRodzaj{"RodzajBadania", "4",
                                 "Rodzaj badania musi być z przedziału 1-4 !!!"};
constexpr KodWPrzedziale kWynik{"WynikBadania", "4", "Wynik badania musi być z przedziału 1-4 !!!"};

void UstawZnaczniki(Dataset& ds, std::initializer_list<const char*> pola, bool wartosc) {
    for (const char* p : pola)
        ds.SetField(p, Value::Logical(wartosc));
}

void TZawieszeniaBeforePost(Dataset& ds) {
    Wymagane(ds, "DataZawieszenia", "Data zawieszenia musi być dobrze określona !!!");
    kPowodZawieszenia.Sprawdz(ds);
    kKlasyfikacjaZawieszenia.Sprawdz(ds);
}

void TWypowiedzeniaBeforePost(Dataset& ds) {
    Wymagane(ds, "DataWypowiedzeniaOd", "Data od wypowiedzenia musi być dobrze określona !!!");
    kTyp.Sprawdz(ds);
    Wymagane(ds, "DataWypowiedzeniaDo", "Data do wypowiedzenia musi być dobrze określona !!!");
    NiePrzed(ds, "DataWypowiedzeniaOd", "DataWypowiedzeniaDo",
             "Data do wypowiedzenia Do nie może być mniejsza od daty Od wypowiedzenia !!!");
}

void TZwolnieniaBeforePost(Dataset& ds) {
    Wymagane(ds, "DataZwolnienia", "Data zwolnienia musi być dobrze określona !!!");
    Wymagane(ds, "SposobZwolnienia", "Sposób zwolnienia musi być dobrze określony !!!");
    Wymagane(ds, "PrzyczynaZwolnienia", "Przyczyna zwolnienia musi być dobrze określona !!!");
}

void TDecyzjaBeforePost(Dataset& ds) {
    Wymagane(ds, "DataDecyzji", " Data decyzji musi być dobrze określona !!!");
    Wymagane(ds, "NrDecyzji", " Numer decyzji musi być dobrze określony !!!");
}

void TPopZatrudnienieBeforePost(Dataset& ds) {
    Wymagane(ds, "DataOd", "Data od poprzedniego zatrudnienia musi być dobrze określona !!!");
    Wymagane(ds, "DataDo", "Data do poprzedniego zatrudnienia musi być dobrze określona !!!");
    NiePrzed(ds, "DataOd", "DataDo",
             "Data do poprzedniego zatrudnienia musi być nie mniejsza od daty od !!!");
}

void TDodZatrudnienieBeforePost(Dataset& ds) {
    Wymagane(ds, "DataOd",
             "Data od dla zgody na dodatkowe zatrudnienie musi być dobrze określona !!!");
    // An empty part-time factor is refused as the number entry refuses it.
    const double etat = PustePole(ds, "WymiarCzasuPracy") ? CzytajLiczbe("")
                                                          : ds.Field("WymiarCzasuPracy").AsNumber();
    if (etat <= -kEpsilon)
        throw BladDanych("Wartość etatu nie może być mniejsza od zera !!!");
    NiePrzed(ds, "DataOd", "DataDo",
             "Data do dodatkowego zatrudnienia nie może być mniejsza od datu od !!!");
}

void TBadaniaBeforePost(Dataset& ds) {
    Wymagane(ds, "DataBadania", "Data badania musi być dobrze określona !!!");
    kRodzaj.Sprawdz(ds);
    kWynik.Sprawdz(ds);
    if (TekstPola(ds.Field("WynikBadania")) == "2" && PustePole(ds, "DataNastepnegoBadania"))
        throw BladDanych(
            "Przy wyniku \"zdolny z ograniczeniem czasowym\" data następnego badania musi być "
            "dobrze określona !!!");
    NiePrzed(ds, "DataBadania", "DataNastepnegoBadania",
             "Data następnego badania nie może być mniejsza od daty badania !!!");
}

void TEmRentGrInwBeforePost(Dataset& ds) {
    Wymagane(ds, "DataPrzyznania",
             "Data przyznania emerytury / renty musi być dobrze określona !!!");
    if (PustePole(ds, "GrupaInwalidzka") && PustePole(ds, "RodzajSwiadczenia"))
        throw BladDanych("Grupa inwalidzka lub rodzaj świadczenia musi być określony !!!");
    NiePrzed(
        ds, "DataPrzyznania", "DataZawieszenia",
        "Data zawieszenia grupy inwalidzkiej nie może być wcześniejsza od daty przyznania !!!");
}

compute::DataKal DataKalDnia(int32_t dzien) {
    const auto c = engine::CivilFromDayNumber(dzien);
    return {c.year, static_cast<uint8_t>(c.month), static_cast<uint8_t>(c.day)};
}

void LiczDlugoscOkresu(engine::RowView& row) {
    const Value &od = row["DataOd"], &doDnia = row["DataDo"];
    if (od.IsNull() || doDnia.IsNull()) {
        row.Set("DlugoscOkresu", Value());
        return;
    }
    const compute::OkresLMD okres =
        compute::DlugoscOkresu(DataKalDnia(od.AsDay()), DataKalDnia(doDnia.AsDay()));
    row.Set("DlugoscOkresu", Value::Text(compute::TekstOkresu(okres)));
}

bool Funkcjonariusz(const TDM1& t) {
    const TableComponent& p = t.Tdm().TPracownicy;
    return p.IsOpen() && TekstPola(p->Field("Podzial")) == "1";
}

}  // namespace

void PodlaczZakonczenieZatrudnienia(TDM1& t, TableComponent& c) {
    Dataset& ds = *c;
    const TDM1* m = &t;
    if (&c == &t.TZawieszenia) {
        kPowodZawieszenia.Podlacz(c);
        kKlasyfikacjaZawieszenia.Podlacz(c);
        ds.AddHandler(DatasetEvent::NewRecord, [m](Dataset& d) {
            d.SetField("CzyFunkcjonariusz", Value::Logical(Funkcjonariusz(*m)));
            UstawZnaczniki(
                d,
                {"CzyWSluzbie", "DoWyslugi", "DoUrlopu", "DoNagrodyJubileuszowej", "DoEmerytury"},
                false);
        });
        ds.AddHandler(DatasetEvent::BeforePost, TZawieszeniaBeforePost);
    } else if (&c == &t.TWypowiedzenia) {
        kTyp.Podlacz(c);
        ds.AddHandler(DatasetEvent::BeforePost, TWypowiedzeniaBeforePost);
    } else if (&c == &t.TZwolnienia) {
        ds.AddHandler(DatasetEvent::BeforePost, TZwolnieniaBeforePost);
    } else if (&c == &t.TDecyzja) {
        ds.AddHandler(DatasetEvent::BeforePost, TDecyzjaBeforePost);
    } else if (&c == &t.TPopZatrudnienie) {
        ds.AddHandler(DatasetEvent::NewRecord, [](Dataset& d) {
            UstawZnaczniki(d, {"WSluzbie"}, false);
            UstawZnaczniki(d, {"DoWyslugi", "DoUrlopu", "DoNagrodyJubileuszowej", "DoEmerytury"},
                           true);
        });
        ds.AddHandler(DatasetEvent::BeforePost, TPopZatrudnienieBeforePost);
        c.AddCalculation(LiczDlugoscOkresu);
    } else if (&c == &t.TDodZatrudnienie) {
        ObrazEtatu(c, "WymiarCzasuPracy");
        ds.AddHandler(DatasetEvent::BeforePost, TDodZatrudnienieBeforePost);
    } else if (&c == &t.TBadania) {
        kRodzaj.Podlacz(c);
        kWynik.Podlacz(c);
        ds.AddHandler(DatasetEvent::BeforePost, TBadaniaBeforePost);
    } else if (&c == &t.TEmRentGrInw) {
        ds.AddHandler(DatasetEvent::BeforePost, TEmRentGrInwBeforePost);
    }
}

}  // namespace mirta::store
