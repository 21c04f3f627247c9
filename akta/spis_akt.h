#pragma once

#include <string>
#include <vector>

#include "akta/akta_osobowe.h"
#include "reports/miara_tekstu.h"
#include "reports/strona.h"

namespace mirta::akta {

// The table of contents of one person's file: the documents part by part with their numbers.
struct SpisAkt {
    OsobaAkt osoba;
    std::vector<CzescAkt> czesci;
    std::vector<DokumentAkt> dokumenty;  // by part and number
    std::string jednostka;               // the unit's name for the heading; may be empty
    std::string czasDruku;               // "2026-12-10 12:00:00"; now when empty
};

SpisAkt ZbierzSpis(const AktaOsobowe& akta, const OsobaAkt& osoba);

// As a report: a heading on every page, each part's name followed by its documents (number,
// title, document date, date filed, who filed it, size), "brak dokumentów" for an empty part.
reports::Wydruk WydrukSpisu(const SpisAkt& spis, const reports::MiaraTekstu& miara);

// The documents as a table (the data-protection tools' report of a person takes it): the
// column names and a row per document with part, number, title, dates, who filed it, its file
// name in the hand-over, size and SHA-256.
struct TabelaAkt {
    std::vector<std::string> kolumny;
    std::vector<std::vector<std::string>> wiersze;
};
TabelaAkt TabelaDokumentow(const std::vector<DokumentAkt>& dokumenty);

// As CSV: the table's header and rows, fields separated by commas.
std::string CsvSpisu(const SpisAkt& spis);
// The file name a document has in the hand-over archive: "A-001.pdf".
std::string NazwaWPrzekazaniu(const DokumentAkt& d);

}  // namespace mirta::akta
