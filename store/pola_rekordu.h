#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "compute/teksty.h"
#include "compute/zaokraglij.h"
#include "store/data_module.h"
#include "engine/dataset.h"

namespace mirta::store {

// Small readers of record fields shared by the record rules.

// The gross-up code of rates, ranks and pay groups.
inline constexpr const char* kTylkoTlubN = "Wartość może być równa T lun N !!!";

// Empty as the rules see it: no value, or an empty text.
inline bool PustePole(const engine::Value& v) {
    return v.IsNull() || (v.kind() == engine::Value::Kind::Text && v.AsText().empty());
}
inline bool PustePole(const engine::Dataset& ds, std::string_view pole) {
    return PustePole(ds.Field(pole));
}

inline std::string TekstPola(const engine::Value& v) {
    return v.IsNull() ? std::string() : v.AsText();
}

inline std::string Przyciety(const engine::Value& v) {
    const std::string t = TekstPola(v);
    size_t a = 0, b = t.size();
    while (a < b && static_cast<unsigned char>(t[a]) <= ' ')
        ++a;
    while (b > a && static_cast<unsigned char>(t[b - 1]) <= ' ')
        --b;
    return t.substr(a, b - a);
}

inline int32_t LiczbaCalkowita(const engine::Value& v) {
    return v.IsNull() ? 0 : static_cast<int32_t>(v.AsInteger());
}

inline double LiczbaRzeczywista(const engine::Value& v) {
    return v.IsNull() ? 0.0 : v.AsNumber();
}

// The first letter of a text field, `brak` when it is empty.
inline char PierwszaLitera(const engine::Value& v, char brak) {
    const std::string t = TekstPola(v);
    return t.empty() ? brak : t[0];
}

// Shows the field in the amount picture "# ### ##0.00"; empty stays empty.
inline void ObrazKwoty(TableComponent& c, const char* pole) {
    c.Hooks(pole).getText = [](const engine::RowView&, const engine::Value& v) -> std::string {
        return v.IsNull() ? std::string() : compute::TekstKwoty(v.AsNumber());
    };
}

// Rates and multipliers in the picture "##0.#######": up to seven decimals, none shown
// when they are zeros.
inline std::string TekstMnoznika(double x) {
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, "%.7f", compute::Zaokraglij(x, 7));
    std::string s = bufor;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
        else
            s[s.find('.')] = ',';
    }
    return s == "-0" ? "0" : s;
}
inline void ObrazMnoznika(TableComponent& c, const char* pole) {
    c.Hooks(pole).getText = [](const engine::RowView&, const engine::Value& v) -> std::string {
        return v.IsNull() ? std::string() : TekstMnoznika(v.AsNumber());
    };
}

// Part-time factors in the picture "#0.00####": two to six decimals.
inline std::string TekstEtatu(double x) {
    char bufor[64];
    std::snprintf(bufor, sizeof bufor, "%.6f", compute::Zaokraglij(x, 6));
    std::string s = bufor;
    const size_t kropka = s.find('.');
    while (s.size() > kropka + 3 && s.back() == '0')
        s.pop_back();
    s[kropka] = ',';
    return s == "-0,00" ? "0,00" : s;
}
inline void ObrazEtatu(TableComponent& c, const char* pole) {
    c.Hooks(pole).getText = [](const engine::RowView&, const engine::Value& v) -> std::string {
        return v.IsNull() ? std::string() : TekstEtatu(v.AsNumber());
    };
}

}  // namespace mirta::store
