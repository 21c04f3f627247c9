#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/table.h"
#include "engine/value.h"

namespace mirta::store {
class TDM;
class TDM1;
struct SesjaUzytkownika;
}  // namespace mirta::store

namespace mirta::rodo {

// The rows of one table that belong to the person, with the captions the pages give them.
struct TabelaOsoby {
    std::string plik;   // "StanRodz.db"; for the journal and the register their file
    std::string tytul;  // "Rodzina pracownika"
    std::vector<engine::FieldDef> pola;
    std::vector<std::string> podpisy;  // one per field
    std::vector<engine::Record> wiersze;
};

// Everything kept about one person (the right of access).
struct DaneOsoby {
    int32_t pracownik = 0;
    std::string nazwisko;  // "Nowak Jan"
    std::vector<TabelaOsoby> tabele;
};

// Every row of every table that belongs to the employee: the master record, every history,
// the leave of every year, family, education, distinctions, examinations, the change
// journal's entries and the disclosures about them, then what further holders add. Throws
// BladDanych when there is no such employee.
DaneOsoby ZbierzDaneOsoby(store::TDM& tdm, store::TDM1& tdm1, int32_t pracownik);

// A further holder of personal data (the personnel file's documents, kept by their own
// module): adds its part to the person's data and removes it at anonymisation, after the
// tables are done. Registered once when the program starts.
struct ZrodloDanychOsoby {
    std::string nazwa;
    std::function<void(store::TDM&, store::TDM1&, int32_t, DaneOsoby&)> dopisz;
    std::function<void(store::TDM&, store::TDM1&, int32_t)> anonimizuj;
};
void DodajZrodloDanychOsoby(ZrodloDanychOsoby zrodlo);
const std::vector<ZrodloDanychOsoby>& ZrodlaDanychOsoby();

// A value as a reader of the archive gets it: text as it is, integers in decimal, numbers
// with a decimal point in the shortest form that reads back the same, dates "yyyy-mm-dd",
// times "hh:mm:ss", timestamps "yyyy-mm-dd hh:mm:ss", logicals "T"/"F", empty as "".
std::string WartoscMaszynowa(const engine::FieldDef& pole, const engine::Value& v);

// One table as CSV (RFC 4180, UTF-8, CRLF): the field names, then a line per row.
std::string CsvTabeli(const TabelaOsoby& t);
// The archive's member name of each table: "01_Mirta.csv", "02_PracStop.csv" ...
std::vector<std::string> NazwyPlikowArchiwum(const DaneOsoby& d);
// The manifest: the person, the time it was made, and for each file its table, title, rows,
// SHA-256 and columns with their captions.
std::string ManifestArchiwum(const DaneOsoby& d, const std::vector<std::string>& csv);

// Checks the right to export data: BladDanych "Nie masz prawa do zmiany danych !!!" without it.
void SprawdzPrawoEksportu(const store::SesjaUzytkownika& sesja);

// Writes the person's data as a zip of CSV files with a manifest, whole or not at all, and
// registers the disclosure. Needs the right to change data.
void ZapiszArchiwumDanychOsoby(const store::SesjaUzytkownika& sesja, const DaneOsoby& d,
                               const std::string& plik);

}  // namespace mirta::rodo
