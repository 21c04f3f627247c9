#pragma once

// The checks and repairs of one file kind; naprawa.cpp chooses by the catalogue's format.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "naprawa/naprawa.h"

namespace mirta::naprawa::odzysk {

WynikTabeli SprawdzParadox(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela);
// Rebuilds the indexes, or writes the table anew from every record that reads.
void NaprawParadox(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela, WynikTabeli& wynik);

WynikTabeli SprawdzDbase(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela);
// Sets the count and the end mark from the file's length, whole records only.
void NaprawDbase(engine::FileSystem& fs, const TabelaDoSprawdzenia& tabela, WynikTabeli& wynik);

// The whole file.
std::vector<uint8_t> CzytajPlik(engine::FileSystem& fs, const std::string& sciezka);

// Copies `pliki` (a table's files, all of one stem) beside them under the stem
// "<stem>-uszkodzona-RRRRMMDD-GGMMSS", each written whole; returns the new name of the first.
std::string ZachowajUszkodzone(engine::FileSystem& fs, const std::vector<std::string>& pliki);

// A finding's text made from a value for the report: printable, at most `n` characters.
std::string Pokaz(const std::string& tekst, size_t n = 40);

}  // namespace mirta::naprawa::odzysk
