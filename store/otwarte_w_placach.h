#pragma once

#include <optional>
#include <string>
#include <vector>

#include "wspolne/dialogi.h"

namespace mirta::store {

// A table of the payroll program, or shared with it, about to be written: its path and the
// name the user knows it by ("ROVANTE\MIRTA.DBF", "Mirta.DB").
struct PlikPlacowy {
    std::string sciezka;
    std::string nazwa;
};

// Why the file is probably open in the payroll program: a Paradox engine lock file in its
// folder (PARADOX.LCK, PDOXUSRS.LCK, <TABLE>.LCK, any case) or a lock another process holds
// on the file itself (whole-file or byte-range, as a file server takes them for Windows
// programs); nothing when neither is found.
std::optional<std::string> SladOtwarciaWPlacach(const std::string& sciezka);

// Asked before writing `pliki`: when one of them is probably open, "Tabela ... jest
// prawdopodobnie otwarta w programie płacowym. Zapisać mimo to?" naming the first such one,
// with "Nie" as the default; asked once for them all. True when nothing was found or the
// answer was "Tak".
bool ZapisMimoOtwarciaWPlacach(const std::vector<PlikPlacowy>& pliki, Dialogi& dialogi);

}  // namespace mirta::store
