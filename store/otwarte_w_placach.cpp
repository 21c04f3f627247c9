#include "store/otwarte_w_placach.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

namespace mirta::store {

namespace {

namespace fs = std::filesystem;

std::string Male(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// A lock of another process: flock (another copy of this program, a local payroll engine) or
// a POSIX byte-range lock (what a file server holds for its Windows clients).
bool ZablokowanyPrzezInny(const std::string& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool zablokowany = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        zablokowany = errno == EWOULDBLOCK;
    else
        ::flock(fd, LOCK_UN);
    struct flock zamek {};
    zamek.l_type = F_WRLCK;
    zamek.l_whence = SEEK_SET;
    if (!zablokowany && ::fcntl(fd, F_OFD_GETLK, &zamek) == 0)
        zablokowany = zamek.l_type != F_UNLCK;
    ::close(fd);
    return zablokowany;
}

}  // namespace

std::optional<std::string> SladOtwarciaWPlacach(const std::string& sciezka) {
    const fs::path plik(sciezka);
    const std::string tabela = Male(plik.stem().string()) + ".lck";
    std::error_code ec;
    const fs::path folder = plik.has_parent_path() ? plik.parent_path() : fs::path(".");
    for (const auto& wpis : fs::directory_iterator(folder, ec)) {
        const std::string nazwa = Male(wpis.path().filename().string());
        if (nazwa == "paradox.lck" || nazwa == "pdoxusrs.lck" || nazwa == tabela)
            return "plik blokady " + wpis.path().filename().string();
    }
    if (ZablokowanyPrzezInny(sciezka))
        return "blokada pliku założona przez inny program";
    return std::nullopt;
}

bool ZapisMimoOtwarciaWPlacach(const std::vector<PlikPlacowy>& pliki, Dialogi& dialogi) {
    for (const PlikPlacowy& p : pliki) {
        if (!SladOtwarciaWPlacach(p.sciezka))
            continue;
        // One question for the whole write: a lock file of the folder concerns every table.
        return dialogi.TakNie(
                   "Tabela " + p.nazwa +
                       " jest prawdopodobnie otwarta w programie płacowym. Zapisać mimo to?",
                   "Kontrola danych.", Ikona::Ostrzezenie, Odpowiedz::Nie) == Odpowiedz::Tak;
    }
    return true;
}

}  // namespace mirta::store
