// Writing the backup archive.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

#include "kopia/blad_kopii.h"
#include "kopia/kopia_danych.h"
#include "kopia/manifest.h"
#include "store/katalog.h"
#include "wspolne/zapis_atomowy.h"
#include "wspolne/zip_rownolegly.h"

namespace mirta::kopia {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPrzedrostek = "mirta-kopia-";
constexpr const char* kFolderPlac = "PLACE";

std::string Male(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

struct PlikKopii {
    fs::path naDysku;
    std::string wArchiwum;
};

struct Zawartosc {
    std::vector<std::string> katalogi;  // kept even when empty
    std::vector<PlikKopii> pliki;
};

bool TenSamKatalog(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// The engine's and the payroll engine's working files: undo journals, lock files and
// temporary files. A journal copied beside its table would undo the table's last change when
// the restored directory is first opened.
bool PlikRoboczy(const std::string& nazwa) {
    const std::string male = Male(nazwa);
    return male.ends_with(".jnl") || male.ends_with(".lck") || male.ends_with(".tmp");
}

// A package folder made by generation: "R" + the date + "T" + the time, "R20080317T140509025".
bool FolderPaczki(const std::string& nazwa) {
    if (nazwa.size() != 19 || nazwa[0] != 'R' || nazwa[9] != 'T')
        return false;
    for (size_t i = 1; i < nazwa.size(); ++i)
        if (i != 9 && !std::isdigit(static_cast<unsigned char>(nazwa[i])))
            return false;
    return true;
}

// Every regular file of the data directory but working files; package folders under SPD/ only
// when asked (its other folders, empty ones too, always), and never the backup directory when
// it lies inside.
Zawartosc ZbierzKatalogDanych(const fs::path& dane, const fs::path& kopie, bool zPaczkami) {
    Zawartosc z;
    std::error_code ec;
    fs::recursive_directory_iterator it(dane, fs::directory_options::none, ec);
    if (ec)
        throw BladKopii("Nie można odczytać katalogu danych " + dane.string() + ".");
    for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec)
            throw BladKopii("Nie można odczytać katalogu danych " + dane.string() + ": " +
                            ec.message() + ".");
        const fs::path wzgledna = it->path().lexically_relative(dane);
        const std::string nazwa = wzgledna.generic_string();
        if (it->is_symlink(ec)) {
            continue;  // a link may lead out of the directory, or back into it
        }
        if (it->is_directory(ec)) {
            const bool folderPaczki = it.depth() == 1 &&
                                      Male(wzgledna.begin()->string()) == "spd" &&
                                      FolderPaczki(it->path().filename().string());
            if (TenSamKatalog(it->path(), kopie) || (folderPaczki && !zPaczkami)) {
                it.disable_recursion_pending();
                continue;
            }
            z.katalogi.push_back(nazwa + "/");
            continue;
        }
        if (it->is_regular_file(ec) && !(it.depth() == 0 && nazwa == kNazwaManifestu) &&
            !PlikRoboczy(it->path().filename().string()))
            z.pliki.push_back({it->path(), nazwa});
    }
    return z;
}

// The files of the payroll program's tables (the table and its index and memo files) kept in
// a directory of their own.
void DodajPlikiPlac(Zawartosc& z, const fs::path& plac) {
    std::vector<std::string> tematy;
    for (const auto& opis : store::KatalogTabel())
        if (opis.miejsce == store::MiejscePliku::Placowy)
            tematy.push_back(Male(fs::path(std::string(opis.plik)).stem().string()));
    std::error_code ec;
    bool pierwszy = true;
    for (const auto& wpis : fs::directory_iterator(plac, ec)) {
        if (!wpis.is_regular_file(ec))
            continue;
        const std::string temat = Male(wpis.path().stem().string());
        if (std::find(tematy.begin(), tematy.end(), temat) == tematy.end() ||
            PlikRoboczy(wpis.path().filename().string()))
            continue;
        if (pierwszy)
            z.katalogi.push_back(std::string(kFolderPlac) + "/");
        pierwszy = false;
        z.pliki.push_back(
            {wpis.path(), std::string(kFolderPlac) + "/" + wpis.path().filename().string()});
    }
    if (ec)
        throw BladKopii("Nie można odczytać katalogu płac " + plac.string() + ".");
}

// Every table of the copy held under a shared lock from the first digest until the archive is
// closed: a writer of this program (which locks a table exclusively for each change) waits or
// goes before, so no change lands half in the copy. A table another writer keeps busy past
// the time allowed stops the backup.
class BlokadyTabel {
public:
    static constexpr auto kCzekanie = std::chrono::seconds(30);

    explicit BlokadyTabel(const std::vector<PlikKopii>& pliki) {
        std::vector<const PlikKopii*> tabele;
        for (const PlikKopii& p : pliki) {
            const std::string male = Male(p.naDysku.filename().string());
            if (!male.ends_with(".db") && !male.ends_with(".dbf"))
                continue;
            const int fd = ::open(p.naDysku.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;  // gone since it was listed: the digest will say so
            m_fd.push_back(fd);
            tabele.push_back(&p);
        }
        // All at once or none: holding some while waiting for another could stall a writer
        // that changes two tables in one step.
        const auto koniec = std::chrono::steady_clock::now() + kCzekanie;
        for (;;) {
            size_t i = 0;
            while (i < m_fd.size() && ::flock(m_fd[i], LOCK_SH | LOCK_NB) == 0)
                ++i;
            if (i == m_fd.size())
                return;
            const int kod = errno;
            for (size_t j = 0; j < i; ++j)
                ::flock(m_fd[j], LOCK_UN);
            if (kod != EWOULDBLOCK || std::chrono::steady_clock::now() > koniec) {
                for (const int fd : m_fd)
                    ::close(fd);
                throw BladKopii("Tabela " + tabele[i]->wArchiwum +
                                " jest cały czas zmieniana przez inny program; kopii nie "
                                "wykonano. Spróbuj ponownie.");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~BlokadyTabel() {
        for (const int fd : m_fd)
            ::close(fd);
    }
    BlokadyTabel(const BlokadyTabel&) = delete;
    BlokadyTabel& operator=(const BlokadyTabel&) = delete;

private:
    std::vector<int> m_fd;
};

std::string NazwaArchiwum(const fs::path& kopie) {
    const std::time_t teraz = std::time(nullptr);
    std::tm czas{};
    localtime_r(&teraz, &czas);
    char data[32];
    std::strftime(data, sizeof data, "%Y-%m-%d-%H%M%S", &czas);
    std::string nazwa = std::string(kPrzedrostek) + data + ".zip";
    for (int n = 2; fs::exists(kopie / nazwa); ++n)
        nazwa = std::string(kPrzedrostek) + data + "-" + std::to_string(n) + ".zip";
    return nazwa;
}

// "mirta-kopia-RRRR-MM-DD-GGMMSS[-N].zip": the date and the number, which order the archives;
// none for another name.
std::optional<std::string> KluczArchiwum(const std::string& nazwa) {
    static constexpr std::string_view kWzor = "mirta-kopia-dddd-dd-dd-dddddd";
    static constexpr std::string_view kKoniec = ".zip";
    if (nazwa.size() < kWzor.size() + kKoniec.size() || !nazwa.ends_with(kKoniec))
        return std::nullopt;
    for (size_t i = 0; i < kWzor.size(); ++i) {
        const bool cyfra = std::isdigit(static_cast<unsigned char>(nazwa[i])) != 0;
        if (kWzor[i] == 'd' ? !cyfra : nazwa[i] != kWzor[i])
            return std::nullopt;
    }
    std::string numer = nazwa.substr(kWzor.size(), nazwa.size() - kWzor.size() - kKoniec.size());
    if (numer.empty()) {
        numer = "1";
    } else {
        if (numer.size() < 2 || numer.size() > 7 || numer[0] != '-')
            return std::nullopt;
        numer.erase(0, 1);
        for (char c : numer)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return std::nullopt;
    }
    return nazwa.substr(0, kWzor.size()) + std::string(6 - numer.size(), '0') + numer;
}

void Rotuj(const fs::path& kopie, int zachowaj, WynikKopii& wynik) {
    if (zachowaj <= 0)
        return;
    std::vector<std::string> archiwa = ArchiwaKopii(kopie.string());
    const size_t nadmiar =
        archiwa.size() > static_cast<size_t>(zachowaj) ? archiwa.size() - zachowaj : 0;
    for (size_t i = 0; i < nadmiar; ++i) {
        std::error_code ec;
        if (fs::remove(archiwa[i], ec))
            wynik.usuniete.push_back(archiwa[i]);
    }
}

}  // namespace

std::vector<std::string> ArchiwaKopii(const std::string& katalogKopii) {
    std::vector<std::pair<std::string, std::string>> archiwa;  // (sort key, path)
    std::error_code ec;
    for (const auto& wpis : fs::directory_iterator(katalogKopii, ec)) {
        const std::string nazwa = wpis.path().filename().string();
        const auto klucz = KluczArchiwum(nazwa);
        if (klucz && wpis.is_regular_file(ec))
            archiwa.emplace_back(*klucz, wpis.path().string());
    }
    std::sort(archiwa.begin(), archiwa.end());
    std::vector<std::string> sciezki;
    for (auto& a : archiwa)
        sciezki.push_back(std::move(a.second));
    return sciezki;
}

WynikKopii UtworzKopie(const std::string& katalogDanych, const std::string& katalogKopii,
                       const OpcjeKopii& opcje, const Postep& postep) {
    const fs::path dane(katalogDanych);
    const fs::path kopie(katalogKopii);
    std::error_code ec;
    if (!fs::is_directory(dane, ec))
        throw BladKopii("Nie ma katalogu danych " + katalogDanych + ".");
    fs::create_directories(kopie, ec);
    if (!fs::is_directory(kopie, ec))
        throw BladKopii("Nie można utworzyć katalogu kopii " + katalogKopii + ".");

    Zawartosc z = ZbierzKatalogDanych(dane, kopie, opcje.zPaczkami);
    if (!opcje.katalogPlac.empty() && !TenSamKatalog(opcje.katalogPlac, dane))
        DodajPlikiPlac(z, opcje.katalogPlac);

    const std::string nazwa = NazwaArchiwum(kopie);
    const fs::path docelowe = kopie / nazwa;
    wspolne::ZapisAtomowy zapis(docelowe);
    // Each file is read once: its sum and size in the manifest are of the very bytes archived.
    std::vector<WpisManifestu> manifest(z.pliki.size());
    try {
        // Held until the archive is whole, so that no write interleaves with the copy.
        const BlokadyTabel blokady(z.pliki);
        // Tables are mostly empty blocks: the fastest level packs them almost as well.
        wspolne::ZipRownolegly a(zapis.Tymczasowy(), 1);
        for (const std::string& k : z.katalogi)
            a.DodajKatalog(k);
        for (size_t i = 0; i < z.pliki.size(); ++i) {
            manifest[i].sciezka = z.pliki[i].wArchiwum;
            a.DodajPlik(z.pliki[i].wArchiwum, z.pliki[i].naDysku,
                        [&w = manifest[i]](std::string_view bajty) {
                            Sha256 sha;
                            sha.Dodaj(bajty.data(), bajty.size());
                            w.rozmiar = bajty.size();
                            w.sha256 = sha.Hex();
                        });
        }
        // Last, once every file's sum is known; restore finds it by its name.
        a.DodajTekst(kNazwaManifestu, [&manifest] { return TekstManifestu(manifest); });
        a.Zamknij({}, [&postep](double czesc) {
            if (postep)
                postep("Zapisywanie archiwum", czesc);
        });
    } catch (const BladKopii&) {
        throw;
    } catch (const std::exception& e) {
        throw BladKopii("Błąd zapisu archiwum kopii: " + std::string(e.what()));
    }
    uint64_t bajtow = 0;
    for (const WpisManifestu& w : manifest)
        bajtow += w.rozmiar;
    try {
        SprawdzKopie(zapis.Tymczasowy().string(), postep);
    } catch (const BladKopii& e) {
        throw BladKopii(std::string("Zapisana kopia nie zgadza się z danymi (czy inny program "
                                    "zmieniał pliki w czasie kopii?); archiwum usunięto.\n") +
                        e.what());
    }
    try {
        zapis.Zatwierdz();
    } catch (const std::exception& e) {
        throw BladKopii(e.what());
    }
    WynikKopii wynik{docelowe.string(), z.pliki.size(), bajtow, {}};
    Rotuj(kopie, opcje.zachowaj, wynik);
    return wynik;
}

}  // namespace mirta::kopia
