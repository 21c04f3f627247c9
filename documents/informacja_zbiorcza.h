#pragma once

// The salary statement of the page "Informacja zbiorcza": the monthly pay and its parts at the
// processing date, then the seniority summary, as a document in one of two renderings.

#include <string>

#include "documents/document.h"

namespace mirta::documents {

struct DaneTagow;

enum class Rendering {
    Prosty,        // plain lines, right-aligned
    Sformatowany,  // header on the left with the names in bold, values in bold
};

Document InformacjaZbiorcza(const DaneTagow& dane, Rendering rendering);
// Whether the statement shows a value holding the civil bonus (the bonus itself, or the civil
// total), so that a missing bonus rate is told.
bool InformacjaZbiorczaZPremia(const DaneTagow& dane);

// The header line of the statement pages: division label, title suffix, rank, names and
// position; empty for an unknown division.
std::string NaglowekPracownika(const DaneTagow& dane);
// Imie1, Imie2 and Nazwisko joined by single spaces, empty parts left out.
std::string ImionaINazwisko(const DaneTagow& dane);

}  // namespace mirta::documents
