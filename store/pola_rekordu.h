#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/engine/dataset.h"

namespace mirta::store {

// Small readers of record fields shared by the record rules.

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

}  // namespace mirta::store
