#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/file_system.h"
#include "engine/table.h"

namespace mirta::tools {

// Writes rows into one table of a data directory by field name, so that the layout stays the
// catalogue's. Rows collected with Dodaj are sorted by key and appended in one bulk pass
// when the writer is closed, which keeps a keyed table's appends at the end of its chain.
class ZapisTabeli {
public:
    // Opens an existing table (Paradox or dBase by extension) of `katalog`.
    ZapisTabeli(engine::FileSystem& fs, const std::string& katalog, const std::string& plik);
    ~ZapisTabeli();

    // A new row with every field empty.
    engine::Record Nowy() const { return engine::Record(m_tabela->Fields().size()); }
    // Sets a field of `wiersz`; an unknown name is a bug in the generator and throws.
    void Ustaw(engine::Record& wiersz, std::string_view pole, engine::Value v) const;
    void Tekst(engine::Record& w, std::string_view pole, std::string t) const;
    void Liczba(engine::Record& w, std::string_view pole, int64_t v) const;
    void Kwota(engine::Record& w, std::string_view pole, double v) const;
    void Data(engine::Record& w, std::string_view pole, int32_t dzien) const;  // 0 = empty
    void Logiczne(engine::Record& w, std::string_view pole, bool v) const;

    // Queues a row for the bulk pass.
    void Dodaj(engine::Record wiersz) { m_kolejka.push_back(std::move(wiersz)); }
    // Stores a row at once and returns it as stored (autoincrement filled).
    engine::Record Wstaw(const engine::Record& wiersz);
    // Writes the queue in key order.
    void Oproznij();
    // Writes the queue and syncs.
    void Zamknij();

    engine::Table& Tabela() { return *m_tabela; }
    uint64_t Wierszy() const { return m_tabela->RowCount() + m_kolejka.size(); }
    int Pole(std::string_view nazwa) const;

private:
    std::unique_ptr<engine::Table> m_tabela;
    std::unordered_map<std::string, int> m_pola;
    std::vector<engine::Record> m_kolejka;
    bool m_zamkniety = false;
};

// Orders values the way a key is compared: empty first, numbers and dates by value, text by
// the Polish collation.
int PorownajWartosci(const engine::Value& a, const engine::Value& b);

}  // namespace mirta::tools
