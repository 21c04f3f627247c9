#pragma once

// A rich-text document laid out in a column of a report page: its own fonts, sizes, bold,
// italic, underline and colours, alignment, indents, tabs and tables, broken into pieces that
// the band engine puts on pages one after another.

#include <vector>

#include "documents/document.h"
#include "reports/miara_tekstu.h"
#include "reports/uklad_stron.h"

namespace mirta::reports {

// One piece that is never split between pages: a line of a paragraph or a table row; or a
// page break written in the text.
struct WierszDokumentu {
    Pasmo pasmo;
    bool nowaStrona = false;
};

// The document's body laid out `szerokosc` points wide, x from the column's left edge, in
// reading order. Headers, footers and kept RTF (fields, pictures) are not printed.
std::vector<WierszDokumentu> SkladDokumentu(const documents::Document& dokument,
                                            const MiaraTekstu& miara, double szerokosc);

}  // namespace mirta::reports
