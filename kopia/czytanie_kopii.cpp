// Reading a backup archive: checked against its manifest, restored into a new directory. The
// archive is untrusted input: names are checked before they become paths, no file may hold more
// bytes than the manifest says, and nothing outside the new directory is ever written.
#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>

#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "kopia/blad_kopii.h"
#include "kopia/kopia_danych.h"
#include "kopia/manifest.h"
#include "store/katalog.h"
#include "store/zgodnosc_struktury.h"

namespace mirta::kopia {

namespace {

namespace fs = std::filesystem;

constexpr zip_uint64_t kNajwiekszyManifest = 16 << 20;

// Where the files read go.
class Ujscie {
public:
    virtual ~Ujscie() = default;
    virtual void Katalog(const std::string& /*nazwa*/) {}
    virtual void Otworz(const std::string& /*nazwa*/) {}
    virtual void Pisz(const char* /*dane*/, size_t /*n*/) {}
    virtual void Zamknij(time_t /*czas*/) {}
};

BladKopii Uszkodzone(const std::string& archiwum, std::string powod) {
    while (!powod.empty() && powod.back() == '.')
        powod.pop_back();
    return BladKopii("Archiwum " + archiwum + " jest uszkodzone: " + powod +
                     ". Kopii nie można odtworzyć.");
}

class CzytnikZip {
public:
    explicit CzytnikZip(const std::string& archiwum) : m_archiwum(archiwum) {
        int kod = 0;
        m_zip = zip_open(archiwum.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &kod);
        if (!m_zip) {
            if (kod == ZIP_ER_NOENT || kod == ZIP_ER_OPEN)
                throw BladKopii("Nie można otworzyć archiwum " + archiwum + ".");
            zip_error_t blad;
            zip_error_init_with_code(&blad, kod);
            const std::string tekst = zip_error_strerror(&blad);
            zip_error_fini(&blad);
            throw Uszkodzone(archiwum, tekst);
        }
    }
    ~CzytnikZip() { zip_discard(m_zip); }
    CzytnikZip(const CzytnikZip&) = delete;
    CzytnikZip& operator=(const CzytnikZip&) = delete;

    zip_t* Zip() { return m_zip; }

    // Streams the entry through `czytaj`, stopping with an error past `limit` bytes.
    template <typename F>
    uint64_t Czytaj(zip_uint64_t indeks, const std::string& nazwa, uint64_t limit, F&& czytaj) {
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> f(zip_fopen_index(m_zip, indeks, 0),
                                                             &zip_fclose);
        if (!f)
            throw Uszkodzone(m_archiwum, nazwa + ": " + zip_strerror(m_zip));
        std::vector<char> bufor(1 << 16);
        uint64_t razem = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(f.get(), bufor.data(), bufor.size());
            if (n < 0)
                throw Uszkodzone(m_archiwum, nazwa + ": " + zip_file_strerror(f.get()));
            if (n == 0)
                break;
            razem += static_cast<uint64_t>(n);
            if (razem > limit)
                throw Uszkodzone(m_archiwum, nazwa + " jest dłuższy niż podaje spis plików");
            czytaj(bufor.data(), static_cast<size_t>(n));
        }
        return razem;
    }

private:
    std::string m_archiwum;
    zip_t* m_zip;
};

std::vector<WpisManifestu> CzytajManifestArchiwum(CzytnikZip& c, const std::string& archiwum) {
    const zip_int64_t i = zip_name_locate(c.Zip(), kNazwaManifestu, 0);
    if (i < 0)
        throw Uszkodzone(archiwum, "brak spisu plików " + std::string(kNazwaManifestu));
    std::string tekst;
    c.Czytaj(static_cast<zip_uint64_t>(i), kNazwaManifestu, kNajwiekszyManifest,
             [&](const char* d, size_t n) { tekst.append(d, n); });
    try {
        return CzytajManifest(tekst);
    } catch (const BladKopii& e) {
        throw Uszkodzone(archiwum, e.what());
    }
}

// Every entry of the archive against the manifest, in the archive's order.
WynikOdczytu Przejdz(const std::string& archiwum, Ujscie& ujscie, const Postep& postep) {
    CzytnikZip c(archiwum);
    const std::vector<WpisManifestu> manifest = CzytajManifestArchiwum(c, archiwum);
    std::map<std::string, const WpisManifestu*> oczekiwane;
    uint64_t wszystkichBajtow = 0;
    for (const WpisManifestu& w : manifest) {
        if (!BezpiecznaSciezka(w.sciezka))
            throw Uszkodzone(archiwum, "niedozwolona nazwa pliku „" + w.sciezka + "”");
        if (!oczekiwane.emplace(w.sciezka, &w).second)
            throw Uszkodzone(archiwum, "plik „" + w.sciezka + "” występuje dwa razy");
        wszystkichBajtow += w.rozmiar;
    }
    WynikOdczytu wynik;
    const zip_int64_t wpisow = zip_get_num_entries(c.Zip(), 0);
    for (zip_int64_t i = 0; i < wpisow; ++i) {
        const auto indeks = static_cast<zip_uint64_t>(i);
        const char* surowa = zip_get_name(c.Zip(), indeks, ZIP_FL_ENC_RAW);
        if (!surowa)
            throw Uszkodzone(archiwum, zip_strerror(c.Zip()));
        const std::string nazwa = surowa;
        if (nazwa == kNazwaManifestu)
            continue;
        if (!nazwa.empty() && nazwa.back() == '/') {
            const std::string katalog = nazwa.substr(0, nazwa.size() - 1);
            if (!BezpiecznaSciezka(katalog))
                throw Uszkodzone(archiwum, "niedozwolona nazwa katalogu „" + nazwa + "”");
            ujscie.Katalog(katalog);
            continue;
        }
        const auto it = oczekiwane.find(nazwa);
        if (it == oczekiwane.end() || !it->second)
            throw Uszkodzone(archiwum, "plik „" + nazwa + "” nie jest wymieniony w spisie plików");
        const WpisManifestu& w = *it->second;
        it->second = nullptr;
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(c.Zip(), indeks, 0, &st) != 0)
            throw Uszkodzone(archiwum, nazwa + ": " + zip_strerror(c.Zip()));
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            throw Uszkodzone(archiwum, "plik „" + nazwa + "” jest zaszyfrowany");
        ujscie.Otworz(nazwa);
        Sha256 sha;
        const uint64_t n = c.Czytaj(indeks, nazwa, w.rozmiar, [&](const char* d, size_t k) {
            sha.Dodaj(d, k);
            ujscie.Pisz(d, k);
        });
        if (n != w.rozmiar || sha.Hex() != w.sha256)
            throw Uszkodzone(archiwum,
                             "zawartość pliku „" + nazwa + "” nie zgadza się ze spisem plików");
        ujscie.Zamknij((st.valid & ZIP_STAT_MTIME) ? st.mtime : 0);
        ++wynik.plikow;
        wynik.bajtow += n;
        if (postep && wszystkichBajtow > 0)
            postep("Sprawdzanie plików", static_cast<double>(wynik.bajtow) / wszystkichBajtow);
    }
    for (const auto& [nazwa, wpis] : oczekiwane)
        if (wpis)
            throw Uszkodzone(archiwum, "brak pliku „" + nazwa + "” wymienionego w spisie plików");
    return wynik;
}

// Files written under a directory this restore made; each flushed to the disk.
class ZapisDoKatalogu final : public Ujscie {
public:
    explicit ZapisDoKatalogu(fs::path katalog) : m_katalog(std::move(katalog)) {}
    ~ZapisDoKatalogu() override {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    void Katalog(const std::string& nazwa) override { UtworzKatalogi(m_katalog / nazwa); }

    void Otworz(const std::string& nazwa) override {
        m_sciezka = m_katalog / nazwa;
        UtworzKatalogi(m_sciezka.parent_path());
        // O_EXCL and O_NOFOLLOW: never through a link, never over a file already written.
        m_fd =
            ::open(m_sciezka.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (m_fd < 0)
            Blad();
    }

    void Pisz(const char* dane, size_t n) override {
        while (n > 0) {
            const ssize_t k = ::write(m_fd, dane, n);
            if (k < 0) {
                if (errno == EINTR)
                    continue;
                Blad();
            }
            dane += k;
            n -= static_cast<size_t>(k);
        }
    }

    void Zamknij(time_t czas) override {
        if (::fsync(m_fd) != 0)
            Blad();
        ::close(m_fd);
        m_fd = -1;
        if (czas > 0) {
            std::error_code ec;
            fs::last_write_time(
                m_sciezka,
                fs::file_time_type::clock::from_sys(std::chrono::system_clock::from_time_t(czas)),
                ec);
        }
    }

private:
    void UtworzKatalogi(const fs::path& p) {
        std::error_code ec;
        fs::create_directories(p, ec);
        if (ec || fs::is_symlink(p, ec))
            throw BladKopii("Nie można utworzyć katalogu " + p.string() + ".");
    }

    [[noreturn]] void Blad() {
        throw BladKopii("Błąd zapisu pliku " + m_sciezka.string() + ": " +
                        std::system_category().message(errno) + ".");
    }

    fs::path m_katalog;
    fs::path m_sciezka;
    int m_fd = -1;
};

// The restored directory read back from the disk: exactly the manifest's files, each with its
// size and digest, and nothing else.
void SprawdzOdtworzony(const fs::path& katalog, const std::string& archiwum) {
    CzytnikZip c(archiwum);
    std::map<std::string, WpisManifestu> oczekiwane;
    for (WpisManifestu& w : CzytajManifestArchiwum(c, archiwum))
        oczekiwane.emplace(w.sciezka, std::move(w));
    std::error_code ec;
    for (fs::recursive_directory_iterator it(katalog, ec), koniec; !ec && it != koniec;
         it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            continue;
        const std::string nazwa = it->path().lexically_relative(katalog).generic_string();
        const auto w = oczekiwane.find(nazwa);
        if (w == oczekiwane.end() || !it->is_regular_file(ec) || it->is_symlink(ec))
            throw BladKopii("Odtworzony katalog zawiera „" + nazwa +
                            "”, którego nie ma w spisie plików kopii.");
        const WpisManifestu naDysku = OpiszPlik(it->path().string(), nazwa);
        if (naDysku.rozmiar != w->second.rozmiar || naDysku.sha256 != w->second.sha256)
            throw BladKopii("Odtworzony plik „" + nazwa + "” nie zgadza się ze spisem plików.");
        oczekiwane.erase(w);
    }
    if (ec)
        throw BladKopii("Nie można odczytać odtworzonego katalogu: " + ec.message() + ".");
    if (!oczekiwane.empty())
        throw BladKopii("W odtworzonym katalogu brak pliku „" + oczekiwane.begin()->first + "”.");
}

// What keeps the table `nazwa` of `opis` at `sciezka` from opening as the program opens it, or
// an empty text. Read only: a restore changes nothing it has checked.
std::string WadaTabeli(const store::OpisTabeli& opis, const std::string& nazwa,
                       const std::string& sciezka) {
    engine::FileSystem& pliki = engine::FileSystem::Real();
    try {
        std::unique_ptr<engine::Table> tabela;
        if (opis.format == store::FormatPliku::Dbase) {
            engine::DbfOptions opcje;
            opcje.readOnly = true;
            tabela = engine::DbfTable::Open(pliki, sciezka, opcje);
        } else {
            engine::ParadoxOpenOptions opcje;
            opcje.readOnly = true;
            auto paradox = engine::ParadoxTable::Open(pliki, sciezka, opcje);
            const uint32_t naglowek = paradox->FileHeader().numRecords;
            if (naglowek != paradox->RowCount())
                return "tabela " + nazwa + " podaje w nagłówku " + std::to_string(naglowek) +
                       " rekordów, a jej bloki zawierają " + std::to_string(paradox->RowCount());
            tabela = std::move(paradox);
        }
        const store::ZgodnoscStruktury zgodnosc = store::SprawdzStrukture(*tabela, opis, nazwa);
        if (!zgodnosc.bledy.empty())
            return "tabela " + nazwa + " ma inną strukturę (" + zgodnosc.bledy.front() + ")";
    } catch (const engine::EngineError& e) {
        std::string powod = e.what();
        // The engine names the temporary directory; the user knows only the file.
        const std::string katalogPliku = sciezka.substr(0, sciezka.find_last_of('/') + 1);
        for (size_t i; (i = powod.find(katalogPliku)) != std::string::npos;)
            powod.erase(i, katalogPliku.size());
        return "tabela " + nazwa + " jest uszkodzona (" + powod + ")";
    }
    return {};
}

// A restored directory is a data directory only when the program can start on it: every table
// it opens at start and after login is there and opens with the catalogue's fields. The four
// payroll tables may stand beside them or, kept from another directory, under PLACE/.
void SprawdzKatalogDanych(const fs::path& katalog, const std::string& archiwum) {
    engine::FileSystem& pliki = engine::FileSystem::Real();
    std::vector<std::string> wady;
    for (const store::OpisTabeli& opis : store::KatalogTabel()) {
        if (opis.drugiWidok || opis.otwieranie == store::Otwieranie::PrzezWlasciciela)
            continue;
        if (opis.miejsce != store::MiejscePliku::Dane &&
            opis.miejsce != store::MiejscePliku::Placowy)
            continue;
        const std::string nazwa(opis.plik);
        std::string sciezka = engine::ResolvePath(pliki, (katalog / nazwa).string());
        if (!pliki.Exists(sciezka) && opis.miejsce == store::MiejscePliku::Placowy) {
            const std::string wPlace = engine::ResolvePath(
                pliki, engine::ResolvePath(pliki, (katalog / "PLACE").string()) + "/" + nazwa);
            if (pliki.Exists(wPlace))
                sciezka = wPlace;
        }
        if (!pliki.Exists(sciezka)) {
            wady.push_back("brak tabeli " + nazwa);
            continue;
        }
        std::string wada = WadaTabeli(opis, nazwa, sciezka);
        if (!wada.empty())
            wady.push_back(std::move(wada));
    }
    if (wady.empty())
        return;
    std::string tekst;
    for (const auto& w : wady)
        tekst += (tekst.empty() ? "" : "; ") + w;
    throw BladKopii("Archiwum " + archiwum + " nie zawiera kompletnego katalogu danych: " + tekst +
                    ". Kopii nie odtworzono.");
}

}  // namespace

bool BezpiecznaSciezka(std::string_view nazwa) {
    if (nazwa.empty() || nazwa.size() > 1024 || nazwa.front() == '/')
        return false;
    for (const char c : nazwa)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == ':' || c == 0x7f)
            return false;
    size_t poczatek = 0;
    while (poczatek <= nazwa.size()) {
        size_t koniec = nazwa.find('/', poczatek);
        if (koniec == std::string_view::npos)
            koniec = nazwa.size();
        const std::string_view czesc = nazwa.substr(poczatek, koniec - poczatek);
        if (czesc.empty() || czesc == "." || czesc == "..")
            return false;
        poczatek = koniec + 1;
    }
    return true;
}

WynikOdczytu SprawdzKopie(const std::string& archiwum, const Postep& postep) {
    Ujscie nic;
    return Przejdz(archiwum, nic, postep);
}

WynikOdczytu OdtworzKopie(const std::string& archiwum, const std::string& nowyKatalog,
                          const Postep& postep) {
    std::error_code ec;
    const fs::path nowy = fs::absolute(nowyKatalog, ec);
    if (ec || nowy.filename().empty())
        throw BladKopii("Niepoprawna nazwa katalogu " + nowyKatalog + ".");
    if (fs::exists(fs::symlink_status(nowy, ec)))
        throw BladKopii("Katalog " + nowyKatalog +
                        " już istnieje. Kopię odtwarza się tylko do nowego katalogu.");
    if (!fs::is_directory(nowy.parent_path(), ec))
        throw BladKopii("Nie ma katalogu " + nowy.parent_path().string() + ".");
    const fs::path tymczasowy =
        nowy.parent_path() / ("." + nowy.filename().string() + ".odtwarzanie");
    if (!fs::create_directory(tymczasowy, ec) || ec)
        throw BladKopii("Nie można utworzyć katalogu " + tymczasowy.string() +
                        " (czy trwa inne odtwarzanie?).");
    try {
        ZapisDoKatalogu zapis(tymczasowy);
        const WynikOdczytu w = Przejdz(archiwum, zapis, postep);
        SprawdzOdtworzony(tymczasowy, archiwum);
        SprawdzKatalogDanych(tymczasowy, archiwum);
        fs::rename(tymczasowy, nowy, ec);
        if (ec)
            throw BladKopii("Nie można nadać nazwy katalogowi " + nowyKatalog + ": " +
                            ec.message() + ".");
        return w;
    } catch (...) {
        fs::remove_all(tymczasowy, ec);
        throw;
    }
}

}  // namespace mirta::kopia
