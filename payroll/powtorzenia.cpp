#include "payroll/powtorzenia.h"

#include <cmath>
#include <cstdlib>

#include "engine/dataset.h"
#include "engine/dbf_table.h"
#include "payroll/kolumny_dbf.h"

namespace mirta::payroll {

namespace {

std::string Przyciety(std::string_view s) {
    return std::string(engine::TrimSpaces(s));
}

// A number column as the payroll program may have left it: a number or its digits.
int64_t Liczba(const engine::Value& v) {
    switch (v.kind()) {
        case engine::Value::Kind::Integer:
        case engine::Value::Kind::Number:
            return std::llround(v.AsNumber());
        case engine::Value::Kind::Text:
        case engine::Value::Kind::Bytes: {
            const std::string t = Przyciety(v.AsText());
            return t.empty() ? 0 : std::llround(std::strtod(t.c_str(), nullptr));
        }
        default:
            return 0;
    }
}

std::string Tekst(const engine::Value& v) {
    return v.IsNull() ? std::string() : Przyciety(v.AsText());
}

int64_t NumerPracownika(const engine::RowView& r, ZrodloNumeru numer) {
    return Liczba(r[numer == ZrodloNumeru::Identyfikator ? "Identyfikator" : "NumerPracownika"]);
}

}  // namespace

WierszeWPlacach::WierszeWPlacach(engine::DbfTable& mirta) {
    const int nrp = WymaganaKolumna(mirta, "K_NRP", "NF");
    const int pesel = ZnajdzKolumne(mirta, "K_PESEL");
    for (uint64_t i = 0; i < mirta.RowCount(); ++i) {
        const int64_t n = Liczba(mirta.ReadField(i, nrp));
        if (n != 0) {
            m_numery.insert(n);
        } else if (pesel >= 0) {
            std::string p = Tekst(mirta.ReadField(i, pesel));
            if (!p.empty())
                m_peseleBezNumeru.insert(std::move(p));
        }
    }
}

bool WierszeWPlacach::Jest(const engine::RowView& pracownik, ZrodloNumeru numer) const {
    const int64_t n = NumerPracownika(pracownik, numer);
    if (n != 0)
        return m_numery.count(n) > 0;
    const std::string pesel = Tekst(pracownik["PESEL"]);
    return !pesel.empty() && m_peseleBezNumeru.count(pesel) > 0;
}

int64_t PoliczPowtorzonych(engine::FileSystem& fs, const std::string& sciezkaMirty,
                           const engine::Dataset& pracownicy, ZrodloNumeru numer) {
    engine::DbfOptions doOdczytu;
    doOdczytu.readOnly = true;
    const auto mirta = engine::DbfTable::Open(fs, sciezkaMirty, doOdczytu);
    const WierszeWPlacach obecne(*mirta);
    int64_t n = 0;
    for (int64_t i = 0; i < pracownicy.RecordCount(); ++i)
        if (obecne.Jest(pracownicy.RowAt(i), numer))
            ++n;
    return n;
}

std::string PytanieOPowtorzenie(int64_t powtorzonych) {
    return "W plikach płacowych są już dane " + std::to_string(powtorzonych) +
           " pracowników z tej listy. Dopisać je ponownie?";
}

}  // namespace mirta::payroll
