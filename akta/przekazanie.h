#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "akta/akta_osobowe.h"
#include "akta/spis_akt.h"

// The hand-over of one person's file when the person moves to another unit: a zip with the
// table of contents (PDF and CSV), every document and a list of them with their digests, and
// its import into another data directory.
namespace mirta::akta {

inline constexpr const char* kNazwaSpisuPrzekazania = "PRZEKAZANIE-AKT.txt";

// Makes the table of contents' PDF; the window and the command line lay it out and draw it
// with Qt's fonts.
using DrukPdf = std::function<std::string(const SpisAkt&)>;

struct WynikEksportu {
    size_t dokumentow = 0;
    uint64_t bajtow = 0;
};

// Writes the archive whole or not at all, every document read and checked against its digest
// first (a changed or missing file stops it, naming the document) and the written archive read
// back before it gets its name. Needs the right to change data.
WynikEksportu EksportujAkta(const AktaOsobowe& akta, const SpisAkt& spis,
                            const std::filesystem::path& archiwum, const DrukPdf& pdf);

struct WynikImportu {
    size_t dodane = 0;
    size_t pominiete = 0;       // the person's file already held the same document
    size_t przenumerowane = 0;  // their number in the part was taken: filed with the next one
};

// Reads the archive as untrusted input: every entry is checked against the list (size and
// SHA-256) before anything is written; names from the archive never become paths. The person
// must be the archive's (the same PESEL, or with none the same name and date of birth).
WynikImportu ImportujAkta(AktaOsobowe& akta, const std::filesystem::path& archiwum,
                          const OsobaAkt& osoba);

}  // namespace mirta::akta
