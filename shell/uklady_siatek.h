#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "kit/db_grid.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/uklady_siatek.h"

namespace mirta::shell {

// Personal layouts of the main window's grids: each user's column widths, titles, fields and
// looks, stored at close and applied after the login.

inline constexpr const char* kFormaGlowna = "FGlowny";
inline constexpr const char* kSiatkaPracownikow = "DBGrid1";             // employee list
inline constexpr const char* kSiatkaPoprzednichZatrudnien = "DBGrid14";  // previous employment

// Reads the logged-in user's layouts and applies them to the employee list, then to the
// previous-employment grid; a grid without a stored layout keeps its built-in columns. The
// layout messages are shown here; any other failure throws (the caller reports it).
void Zastosuj(store::TDM1& tdm1, kit::DbGrid& dbGrid1, kit::DbGrid& dbGrid14);

// Stores both grids' current layouts as the logged-in user's. Throws like Zastosuj.
void Zapisz(store::TDM1& tdm1, const kit::DbGrid& dbGrid1, const kit::DbGrid& dbGrid14);

// A click on a column title of the employee list opens the column dialog for that column,
// offering the fields of Mirta.DB. REQUIRES: tdm outlives the grid's connection.
void PodlaczEdycjeKolumn(kit::DbGrid& dbGrid1, store::TDM& tdm);

// ---- One grid

// The grid's columns as a layout keeps them; unset fonts and colours are the grid's own.
std::vector<store::KolumnaSiatki> UkladSiatki(const kit::DbGrid& siatka);
// Applies stored columns to the grid's columns of the same position. A stored field not among
// `pola` (the fields of the grid's table) leaves the column its field and title.
void ZastosujUklad(kit::DbGrid& siatka, const std::vector<store::ZapisanaKolumna>& uklad,
                   const std::vector<std::string>& pola);

// One column each way. `fontKomorek` and `fontTytulu` stand for a column without its own.
store::KolumnaSiatki DoZapisu(const kit::Column& kolumna, const QFont& fontKomorek,
                              const QFont& fontTytulu);
kit::Column ZZapisu(const store::KolumnaSiatki& zapisana, const QFont& fontKomorek,
                    const QFont& fontTytulu);

// The fields the column dialog offers: the table's fields in its declared order.
std::vector<std::string> PolaTabeli(const store::OpisTabeli& opis);

}  // namespace mirta::shell
