#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Backup of a data directory into one zip archive with a manifest of every file's size and
// SHA-256, and its restore into a new directory. Failures throw BladKopii with the message.
namespace mirta::kopia {

struct OpcjeKopii {
    bool zPaczkami = false;  // the package folders under SPD/ too
    int zachowaj = 0;        // archives kept in the backup directory, the new one included; 0: all
    // The directory of the four tables shared with the payroll program; when it is not the
    // data directory they go into the archive under PLACE/.
    std::string katalogPlac;
};

// What is being done and how much of it is done (0 to 1).
using Postep = std::function<void(const std::string& etap, double czesc)>;

struct WynikKopii {
    std::string archiwum;
    size_t plikow = 0;
    uint64_t bajtow = 0;
    std::vector<std::string> usuniete;  // old archives removed by the rotation
};

// Writes "mirta-kopia-RRRR-MM-DD-GGMMSS.zip" into `katalogKopii` (made when missing) under a
// temporary name, reads it back against its manifest and only then gives it its name.
WynikKopii UtworzKopie(const std::string& katalogDanych, const std::string& katalogKopii,
                       const OpcjeKopii& opcje, const Postep& postep = {});

struct WynikOdczytu {
    size_t plikow = 0;
    uint64_t bajtow = 0;
};

// Reads every file of the archive against its manifest, writing nothing.
WynikOdczytu SprawdzKopie(const std::string& archiwum, const Postep& postep = {});

// Restores into `nowyKatalog`, which must not exist: the files go into a temporary directory
// beside it, which gets the name only when every file matched the manifest.
WynikOdczytu OdtworzKopie(const std::string& archiwum, const std::string& nowyKatalog,
                          const Postep& postep = {});

// Whether a name read from an archive may become a path inside the restored directory: relative,
// without "." or ".." parts, backslashes, drive letters or control characters.
bool BezpiecznaSciezka(std::string_view nazwa);

// The archives of `katalogKopii` made by UtworzKopie, oldest first.
std::vector<std::string> ArchiwaKopii(const std::string& katalogKopii);

}  // namespace mirta::kopia

namespace mirta::store {
class TDM;
struct SesjaUzytkownika;
}  // namespace mirta::store

namespace mirta::kopia {

// The payroll program's directory of the logged-in session (ParametryKadr.db, opened when
// closed). Throws the engine's error when the table cannot be read.
std::string KatalogPlacSesji(store::TDM& tdm);

// OdtworzKopie as a user asks for it: only an administrator restores; anybody else gets
// BladKopii with the refusal before anything is read.
WynikOdczytu OdtworzKopieJako(const store::SesjaUzytkownika& sesja, const std::string& archiwum,
                              const std::string& nowyKatalog, const Postep& postep = {});

}  // namespace mirta::kopia
