#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compute/data_kal.h"
#include "wspolne/dialogi.h"

namespace mirta::spd {

// One stored field row of a package: the column's number within its record (1 starts a
// new record), its name, its type letter and the stored text (UTF-8).
struct PoleCSV {
    int identyfikatorPola = 0;
    std::string nazwaPola;
    std::string typ;
    std::string zawartosc;
};

// What names the file of one package header.
struct PlikCSV {
    std::string kodSD;              // of the SPD parameters
    std::string nazwaPliku;         // of the header, e.g. "PRACOWNICY_"
    std::string sposobPrzesylania;  // "K", "M", "P", "R", ...
    compute::DataKal dataDanych;    // the register entry's DataTworzenia
};

// One value as it stands in the file, still UTF-8: NULL when empty; "|" removed and control
// characters turned into spaces for every type; for S and C double quotes become apostrophes
// and the value is quoted; for N commas become full stops.
std::string WartoscCSV(std::string_view typ, std::string_view zawartosc);

// True when the value is written as NULL: nothing is left once trimmed and cleaned.
bool WartoscPusta(std::string_view zawartosc);

// The period date in the file name: day 1 for K, M and P; 1 January for R.
compute::DataKal DataOkresuCSV(compute::DataKal dataDanych, std::string_view sposobPrzesylania);

// "01PRACOWNICY_2008-03-01.CSV": the trimmed SD code, file name and period date.
std::string NazwaPlikuCSV(const PlikCSV& plik);
// False when the SD code or the file name holds a path separator or a character that a file
// name may not hold, so the file would land elsewhere or not be made at all.
bool NazwaPlikuCSVDozwolona(const PlikCSV& plik);

// Writes the rows of one header in code page 1250: the quoted column names of the first
// record joined by "|", then every record on its own line, each line ending in CR LF.
class PisarzCSV {
public:
    explicit PisarzCSV(std::FILE* plik) : m_plik(plik) {}

    void Dodaj(const PoleCSV& pole);
    // Writes what is still held and the last line end; false when any write failed.
    bool Zakoncz();

private:
    void Wypisz(std::string_view utf8);
    void WypiszRekord(const PoleCSV& pole);
    void WypiszPierwszyRekord();

    std::FILE* m_plik;
    std::vector<PoleCSV> m_pierwszyRekord;  // held until the header line is complete
    bool m_naglowekZapisany = false;
    bool m_blad = false;
};

// Source of a header's rows in order; returns false when there are no more.
using ZrodloPol = std::function<bool(PoleCSV&)>;

// Writes the file of one header into `folder`. A header without rows makes no file. A file
// that cannot be created or written is reported through `dialogi` (caption "Kontrola
// danych."), removed and answered with nothing; otherwise the file's path.
std::optional<std::string> ZapiszPlikCSV(const std::string& folder, const PlikCSV& plik,
                                         const ZrodloPol& zrodlo, store::Dialogi& dialogi);
std::optional<std::string> ZapiszPlikCSV(const std::string& folder, const PlikCSV& plik,
                                         std::span<const PoleCSV> pola, store::Dialogi& dialogi);

inline constexpr const char* kTytulKontroliDanych = "Kontrola danych.";

}  // namespace mirta::spd
