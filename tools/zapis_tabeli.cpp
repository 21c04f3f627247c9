#include "tools/zapis_tabeli.h"

#include <algorithm>

#include "engine/collation.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"

namespace mirta::tools {

using engine::Value;

namespace {

bool KonczySieNa(const std::string& s, const std::string& k) {
    if (s.size() < k.size())
        return false;
    for (size_t i = 0; i < k.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - k.size() + i])) != k[i])
            return false;
    return true;
}

}  // namespace

ZapisTabeli::ZapisTabeli(engine::FileSystem& fs, const std::string& katalog,
                         const std::string& plik) {
    const std::string sciezka = engine::ResolvePath(fs, katalog + "/" + plik);
    if (KonczySieNa(plik, ".dbf"))
        m_tabela = engine::DbfTable::Open(fs, sciezka);
    else
        m_tabela = engine::ParadoxTable::Open(fs, sciezka);
    const auto& pola = m_tabela->Fields();
    for (size_t i = 0; i < pola.size(); ++i)
        m_pola.emplace(pola[i].name, static_cast<int>(i));
    m_tabela->BeginBulk();
}

ZapisTabeli::~ZapisTabeli() {
    if (!m_zamkniety) {
        try {
            m_tabela->EndBulk();
        } catch (...) {
            // A failed generation is reported by the exception that got us here.
        }
    }
}

int ZapisTabeli::Pole(std::string_view nazwa) const {
    auto it = m_pola.find(std::string(nazwa));
    if (it == m_pola.end())
        throw engine::EngineError("Tabela " + m_tabela->Path() + " nie ma pola " +
                                  std::string(nazwa));
    return it->second;
}

void ZapisTabeli::Ustaw(engine::Record& wiersz, std::string_view pole, Value v) const {
    wiersz[static_cast<size_t>(Pole(pole))] = std::move(v);
}

void ZapisTabeli::Tekst(engine::Record& w, std::string_view pole, std::string t) const {
    Ustaw(w, pole, t.empty() ? Value() : Value::Text(std::move(t)));
}

void ZapisTabeli::Liczba(engine::Record& w, std::string_view pole, int64_t v) const {
    Ustaw(w, pole, Value::Integer(v));
}

void ZapisTabeli::Kwota(engine::Record& w, std::string_view pole, double v) const {
    Ustaw(w, pole, Value::Number(v));
}

void ZapisTabeli::Data(engine::Record& w, std::string_view pole, int32_t dzien) const {
    Ustaw(w, pole, dzien ? Value::Date(dzien) : Value());
}

void ZapisTabeli::Logiczne(engine::Record& w, std::string_view pole, bool v) const {
    Ustaw(w, pole, Value::Logical(v));
}

engine::Record ZapisTabeli::Wstaw(const engine::Record& wiersz) {
    const uint64_t n = m_tabela->Insert(wiersz);
    return m_tabela->ReadRow(n);
}

void ZapisTabeli::Zamknij() {
    Oproznij();
    m_tabela->EndBulk();
    m_zamkniety = true;
}

void ZapisTabeli::Oproznij() {
    const int klucz = m_tabela->KeyFieldCount();
    if (klucz > 0) {
        std::stable_sort(m_kolejka.begin(), m_kolejka.end(),
                         [klucz](const engine::Record& a, const engine::Record& b) {
                             for (int i = 0; i < klucz; ++i) {
                                 const int c = PorownajWartosci(a[static_cast<size_t>(i)],
                                                                b[static_cast<size_t>(i)]);
                                 if (c != 0)
                                     return c < 0;
                             }
                             return false;
                         });
    }
    for (const auto& w : m_kolejka)
        m_tabela->Insert(w);
    m_kolejka.clear();
}

int PorownajWartosci(const Value& a, const Value& b) {
    if (a.IsNull() || b.IsNull())
        return a.IsNull() == b.IsNull() ? 0 : (a.IsNull() ? -1 : 1);
    switch (a.kind()) {
        case Value::Kind::Text:
            return engine::CollateCompare(a.AsText(), b.AsText());
        case Value::Kind::Number:
        case Value::Kind::Timestamp: {
            const double x = a.AsNumber(), y = b.AsNumber();
            return x < y ? -1 : x > y ? 1 : 0;
        }
        default: {
            const int64_t x = a.AsInteger(), y = b.AsInteger();
            return x < y ? -1 : x > y ? 1 : 0;
        }
    }
}

}  // namespace mirta::tools
