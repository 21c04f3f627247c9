#include "store/kontrole_pol.h"

#include <string>

#include "store/pola_rekordu.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {

using engine::Dataset;
using engine::Value;

void Wymagane(const Dataset& ds, const char* pole, const char* komunikat) {
    if (PustePole(ds, pole))
        throw BladDanych(komunikat, pole);
}

void WPrzedziale(const Dataset& ds, const char* pole, int64_t od, int64_t do_,
                 const char* komunikat) {
    const Value& v = ds.Field(pole);
    if (!v.IsNull() && (v.AsInteger() < od || v.AsInteger() > do_))
        throw BladDanych(komunikat, pole);
}

void NiePrzed(const Dataset& ds, const char* wczesniejsza, const char* pozniejsza,
              const char* komunikat) {
    const Value &a = ds.Field(wczesniejsza), &b = ds.Field(pozniejsza);
    if (!a.IsNull() && !b.IsNull() && b.AsDay() < a.AsDay())
        throw BladDanych(komunikat);
}

void KodWPrzedziale::Sprawdz(const Value& v) const {
    const std::string t = TekstPola(v);
    if (t < "1" || t > ostatni)
        throw BladDanych(komunikat, pole);
}

void KodWPrzedziale::Podlacz(TableComponent& c) const {
    PokazPrzezListe(c, pole, Lista(pole));
    const KodWPrzedziale* k = this;
    c.Hooks(pole).validate = [k](const Dataset&, const Value& v) { k->Sprawdz(v); };
}

}  // namespace mirta::store
