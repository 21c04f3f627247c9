#include "spd/pola_tabeli.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "compute/teksty.h"

namespace mirta::spd {

int PolaTabeli::Opcjonalne(std::string_view nazwa) const {
    const auto& pola = m_tabela.Fields();
    for (size_t i = 0; i < pola.size(); ++i)
        if (pola[i].name == nazwa)
            return static_cast<int>(i);
    return -1;
}

int PolaTabeli::operator()(std::string_view nazwa) const {
    const int i = Opcjonalne(nazwa);
    if (i < 0)
        throw engine::EngineError("Brak pola " + std::string(nazwa), m_tabela.Path(), "odczyt");
    return i;
}

std::string Tekst(const engine::Value& v) {
    switch (v.kind()) {
        case engine::Value::Kind::Null:
            return {};
        case engine::Value::Kind::Text:
            return v.AsText();
        case engine::Value::Kind::Integer:
            return std::to_string(v.AsInteger());
        default:
            return v.ToString();
    }
}

std::string Przyciety(const engine::Value& v) {
    return std::string(compute::Przytnij(Tekst(v)));
}

std::optional<int64_t> Calkowita(const engine::Value& v) {
    switch (v.kind()) {
        case engine::Value::Kind::Integer:
            return v.AsInteger();
        case engine::Value::Kind::Number:
            return static_cast<int64_t>(std::llround(v.AsNumber()));
        case engine::Value::Kind::Text: {
            const std::string_view t = compute::Przytnij(v.AsText());
            int64_t x = 0;
            const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
            if (ec != std::errc() || p != t.data() + t.size() || t.empty())
                return std::nullopt;
            return x;
        }
        default:
            return std::nullopt;
    }
}

int64_t CalkowitaLubZero(const engine::Value& v) {
    return Calkowita(v).value_or(0);
}

double Liczba(const engine::Value& v) {
    if (v.kind() == engine::Value::Kind::Text)
        return compute::LiczbaZTekstu(v.AsText());
    if (v.kind() == engine::Value::Kind::Integer || v.kind() == engine::Value::Kind::Number)
        return v.AsNumber();
    return 0;
}

compute::DataKal Data(const engine::Value& v) {
    if (v.kind() != engine::Value::Kind::Date)
        return {};
    const engine::CivilDate c = engine::CivilFromDayNumber(v.AsDay());
    return {c.year, static_cast<uint8_t>(c.month), static_cast<uint8_t>(c.day)};
}

std::string TekstDaty(compute::DataKal d) {
    if (!d.Poprawna() || d.rok > 9999)
        return std::string(kPustaData);
    char bufor[16];
    std::snprintf(bufor, sizeof bufor, "%04d-%02d-%02d", d.rok, d.miesiac, d.dzien);
    return bufor;
}

}  // namespace mirta::spd
