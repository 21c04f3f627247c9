#include "store/szablony_wydrukow.h"

#include "compute/teksty.h"
#include "store/pola_rekordu.h"
#include "store/tdm1.h"
#include "store/uprawnienia.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {

namespace {

using engine::Dataset;
using engine::Value;

constexpr std::string_view kRozszerzenie = ".RTF";

std::string WielkieLitery(std::string_view tekst) {
    std::string wynik(tekst);
    for (char& c : wynik)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return compute::PrzetlumaczZnaki(wynik, "ąćęłńóśźż", "ĄĆĘŁŃÓŚŹŻ");
}

void TWydrukiNewRecord(Dataset& ds) {
    ds.SetField("IloscKolumn", Value::Integer(1));
    ds.SetField("Portret", Value::Logical(true));
    ds.SetField("Zawijanie", Value::Logical(false));
    ds.SetField("Edytor", Value::Logical(true));
}

void TWydrukiBeforePost(Dataset& ds) {
    if (Przyciety(ds.Field("NazwaWydruku")).empty())
        throw BladDanych("Nazwa wydruku musi być określona !!!");
    const std::string zbior = Przyciety(ds.Field("NazwaZbioru"));
    if (zbior.empty() || WielkieLitery(zbior) == ".RTF?")
        throw BladDanych("Nazwa zbioru wydruku musi być określona !!!");
    ds.SetField("NazwaZbioru", Value::Text(NazwaZbioruSzablonu(zbior)));
    if (ds.Field("IloscKolumn").IsNull() || LiczbaCalkowita(ds.Field("IloscKolumn")) <= 0)
        ds.SetField("IloscKolumn", Value::Integer(1));
    for (const char* pole : {"Portret", "Zawijanie", "Edytor"})
        if (ds.Field(pole).IsNull())
            ds.SetField(pole, Value::Logical(true));
}

}  // namespace

std::string NazwaZbioruSzablonu(std::string_view nazwa) {
    std::string wynik = WielkieLitery(nazwa);
    if (wynik.size() < kRozszerzenie.size() ||
        wynik.compare(wynik.size() - kRozszerzenie.size(), kRozszerzenie.size(), kRozszerzenie) !=
            0)
        wynik += kRozszerzenie;
    return wynik;
}

void PodlaczSzablonyWydrukow(TDM1& t, TableComponent& c) {
    if (&c != &t.TWydruki)
        return;
    // The registry decides what every user prints: the administrator keeps it.
    for (const auto zdarzenie :
         {engine::DatasetEvent::BeforeInsert, engine::DatasetEvent::BeforeEdit,
          engine::DatasetEvent::BeforeDelete})
        c->AddHandler(zdarzenie, [&t](Dataset&) { WymagajAdministratora(t.Sesja()); });
    c->AddHandler(engine::DatasetEvent::NewRecord, TWydrukiNewRecord);
    c->AddHandler(engine::DatasetEvent::BeforePost, TWydrukiBeforePost);
}

}  // namespace mirta::store
