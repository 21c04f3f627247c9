#include "store/filtr_pracownikow.h"

namespace mirta::store {
namespace {

char Kod(const engine::RowView& r, int pole) {
    const engine::Value& v = r.At(pole);
    return v.IsNull() || v.AsText().empty() ? '\0' : v.AsText()[0];
}

// Dismissed before the processing date; one dismissed on that day still counts.
bool Zwolniony(const engine::RowView& r, const PolaFiltru& pola, int32_t data) {
    const engine::Value& v = r.At(pola.dataZwolnienia);
    return !v.IsNull() && v.AsDay() < data;
}

}  // namespace

PolaFiltru::PolaFiltru(const engine::Dataset& pracownicy)
    : charakter(pracownicy.FieldIndex("CharakterZatrudnienia")),
      dataZwolnienia(pracownicy.FieldIndex("DataZwolnienia")),
      podzial(pracownicy.FieldIndex("Podzial")),
      komorka(pracownicy.FieldIndex("KomorkaOrganizacyjna")) {}

bool PracownikAktywny(const engine::RowView& r, const PolaFiltru& pola, int32_t data) {
    if (Kod(r, pola.charakter) == 'U')
        return false;
    if (Zwolniony(r, pola, data))
        return false;
    return Kod(r, pola.podzial) != '4';
}

bool PokazPracownika(const FiltrPracownikow& f, const engine::RowView& r, const PolaFiltru& pola,
                     int32_t data) {
    if (f.TylkoAktywni)
        return PracownikAktywny(r, pola, data);
    if (f.BezFiltru)
        return true;
    if (f.FiltrKomorki && f.KomorkaFiltru != -1) {
        const engine::Value& k = r.At(pola.komorka);
        if (k.IsNull() || k.AsInteger() != f.KomorkaFiltru)
            return false;
    }
    if (!f.FiltrWlaczony)
        return true;
    const bool umowa = Kod(r, pola.charakter) == 'U';
    if (umowa && !f.PokazUmowy)
        return false;
    if (!f.PokazZwolnionych && Zwolniony(r, pola, data))
        return false;
    if (umowa)
        return true;
    switch (Kod(r, pola.podzial)) {
        case '1':
            return f.PokazFunkcjonariuszy;
        case '2':
            return f.PokazCywilow;
        case '3':
            return f.PokazSluzbeCywilna;
        case '4':
            return f.PokazEmerytow;
        default:
            return true;
    }
}

}  // namespace mirta::store
