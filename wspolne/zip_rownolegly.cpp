#include "wspolne/zip_rownolegly.h"

#include <fcntl.h>
#include <libdeflate.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "wspolne/zapis_atomowy.h"

namespace mirta::wspolne {

namespace {

constexpr uint16_t kDeflate = 8;
constexpr uint16_t kBezKompresji = 0;
constexpr uint16_t kWersjaPotrzebna = 20;
constexpr uint16_t kWersjaUtworzenia = (3 << 8) | 20;  // Unix, 2.0
constexpr uint16_t kFlagaUtf8 = 1 << 11;
constexpr uint64_t kGranica = 0xFFFFFFFFull;  // beyond it zip64 would be needed

struct Kompresor {
    explicit Kompresor(int poziom) : c(libdeflate_alloc_compressor(poziom)) {
        if (!c)
            throw std::runtime_error("Brak pamięci na kompresję archiwum.");
    }
    ~Kompresor() { libdeflate_free_compressor(c); }
    Kompresor(const Kompresor&) = delete;
    Kompresor& operator=(const Kompresor&) = delete;

    std::string Kompresuj(std::string_view dane) {
        std::string wynik(libdeflate_deflate_compress_bound(c, dane.size()), '\0');
        const size_t n =
            libdeflate_deflate_compress(c, dane.data(), dane.size(), wynik.data(), wynik.size());
        wynik.resize(n);
        return wynik;
    }

    libdeflate_compressor* c;
};

void Put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}
void Put32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::pair<uint16_t, uint16_t> CzasDos(time_t t) {
    struct tm tm {};
    localtime_r(&t, &tm);
    if (tm.tm_year < 80)
        return {0, (1 << 5) | 1};  // 1980-01-01, the earliest a zip can say
    return {static_cast<uint16_t>((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2)),
            static_cast<uint16_t>(((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday)};
}

bool TylkoAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string Czytaj(const std::filesystem::path& sciezka, time_t& zmieniony) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("Nie można otworzyć pliku " + sciezka.string() + ": " +
                                 std::strerror(errno));
    struct Zamknij {
        int fd;
        ~Zamknij() { ::close(fd); }
    } zamknij{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw std::runtime_error("Nie można odczytać pliku " + sciezka.string());
    zmieniony = st.st_mtime;
    std::string dane(static_cast<size_t>(st.st_size), '\0');
    size_t mam = 0;
    for (;;) {
        if (mam == dane.size())
            dane.resize(dane.size() + 65536);  // the file grew since
        const ssize_t n = ::read(fd, dane.data() + mam, dane.size() - mam);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("Błąd odczytu pliku " + sciezka.string() + ": " +
                                     std::strerror(errno));
        }
        if (n == 0)
            break;
        mam += static_cast<size_t>(n);
    }
    dane.resize(mam);
    return dane;
}

}  // namespace

struct ZipRownolegly::Stan {
    enum class Rodzaj { Plik, Tekst, Katalog };
    struct Wpis {
        Rodzaj rodzaj = Rodzaj::Plik;
        std::string nazwa;
        std::filesystem::path zrodlo;
        std::function<void(std::string_view)> przeczytany;
        std::function<std::string()> tekst;
        // Filled by the worker.
        bool gotowy = false;
        std::string blad;
        std::string skompresowane;
        uint32_t crc = 0;
        uint64_t rozmiar = 0;
        time_t zmieniony = 0;
    };

    std::filesystem::path cel;
    int poziom;
    std::vector<Wpis> wpisy;
    bool zamkniety = false;

    std::mutex mutex;
    std::condition_variable gotowe;
    std::atomic<size_t> nastepne{0};
    std::atomic<bool> stop{false};
    std::vector<size_t> kolejnosc;  // of the files, largest first
    std::vector<std::thread> watki;

    void Pracuj() {
        std::unique_ptr<Kompresor> k;
        for (;;) {
            const size_t j = nastepne.fetch_add(1);
            if (j >= kolejnosc.size() || stop)
                return;
            Wpis& w = wpisy[kolejnosc[j]];
            std::string blad, skompresowane;
            uint32_t crc = 0;
            uint64_t rozmiar = 0;
            time_t zmieniony = 0;
            try {
                if (!k)
                    k = std::make_unique<Kompresor>(poziom);
                const std::string dane = Czytaj(w.zrodlo, zmieniony);
                if (w.przeczytany)
                    w.przeczytany(dane);
                crc = libdeflate_crc32(0, dane.data(), dane.size());
                rozmiar = dane.size();
                skompresowane = k->Kompresuj(dane);
            } catch (const std::exception& e) {
                blad = e.what();
            }
            std::lock_guard lock(mutex);
            w.blad = std::move(blad);
            w.skompresowane = std::move(skompresowane);
            w.crc = crc;
            w.rozmiar = rozmiar;
            w.zmieniony = zmieniony;
            w.gotowy = true;
            gotowe.notify_all();
        }
    }

    void Zatrzymaj() {
        stop = true;
        for (auto& t : watki)
            if (t.joinable())
                t.join();
        watki.clear();
    }
};

ZipRownolegly::ZipRownolegly(std::filesystem::path cel, int poziom) : m(std::make_unique<Stan>()) {
    m->cel = std::move(cel);
    m->poziom = std::clamp(poziom, 1, 9);
}

ZipRownolegly::~ZipRownolegly() {
    m->Zatrzymaj();
}

void ZipRownolegly::DodajPlik(std::string nazwa, std::filesystem::path zrodlo,
                              std::function<void(std::string_view)> przeczytany) {
    Stan::Wpis& w = m->wpisy.emplace_back();
    w.rodzaj = Stan::Rodzaj::Plik;
    w.nazwa = std::move(nazwa);
    w.zrodlo = std::move(zrodlo);
    w.przeczytany = std::move(przeczytany);
}

void ZipRownolegly::DodajTekst(std::string nazwa, std::function<std::string()> tresc) {
    Stan::Wpis& w = m->wpisy.emplace_back();
    w.rodzaj = Stan::Rodzaj::Tekst;
    w.nazwa = std::move(nazwa);
    w.tekst = std::move(tresc);
}

void ZipRownolegly::DodajKatalog(std::string nazwa) {
    if (nazwa.empty() || nazwa.back() != '/')
        nazwa += '/';
    Stan::Wpis& w = m->wpisy.emplace_back();
    w.rodzaj = Stan::Rodzaj::Katalog;
    w.nazwa = std::move(nazwa);
}

void ZipRownolegly::Zamknij(const std::function<void(std::string_view)>& zapisane,
                            const std::function<void(double)>& postep) {
    if (m->zamkniety)
        throw std::logic_error("archiwum już zamknięte");
    m->zamkniety = true;
    std::vector<std::pair<uintmax_t, size_t>> pliki;
    for (size_t i = 0; i < m->wpisy.size(); ++i)
        if (m->wpisy[i].rodzaj == Stan::Rodzaj::Plik) {
            std::error_code ec;
            const uintmax_t r = std::filesystem::file_size(m->wpisy[i].zrodlo, ec);
            pliki.emplace_back(ec ? 0 : r, i);
        }
    // The largest first, so that no core is left with one big file at the end.
    std::stable_sort(pliki.begin(), pliki.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [r, i] : pliki)
        m->kolejnosc.push_back(i);

    ZapisAtomowy plik(m->cel);
    const unsigned rdzenie = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    const size_t watkow = std::min<size_t>(rdzenie, pliki.size());
    for (size_t t = 0; t < watkow; ++t)
        m->watki.emplace_back([this] { m->Pracuj(); });
    struct Zatrzymanie {
        Stan& s;
        ~Zatrzymanie() { s.Zatrzymaj(); }
    } zatrzymanie{*m};

    uint64_t pozycja = 0;
    auto dopisz = [&](std::string_view bajty) {
        plik.Dopisz(bajty);
        if (zapisane)
            zapisane(bajty);
        pozycja += bajty.size();
    };
    std::string katalog;  // the central directory
    std::unique_ptr<Kompresor> wlasny;
    for (size_t i = 0; i < m->wpisy.size(); ++i) {
        Stan::Wpis& w = m->wpisy[i];
        uint16_t metoda = kDeflate;
        time_t zmieniony = std::time(nullptr);
        switch (w.rodzaj) {
            case Stan::Rodzaj::Plik: {
                std::unique_lock lock(m->mutex);
                m->gotowe.wait(lock, [&] { return w.gotowy; });
                if (!w.blad.empty())
                    throw std::runtime_error(w.blad);
                zmieniony = w.zmieniony;
                break;
            }
            case Stan::Rodzaj::Tekst: {
                if (!wlasny)
                    wlasny = std::make_unique<Kompresor>(m->poziom);
                const std::string tresc = w.tekst ? w.tekst() : std::string();
                w.crc = libdeflate_crc32(0, tresc.data(), tresc.size());
                w.rozmiar = tresc.size();
                w.skompresowane = wlasny->Kompresuj(tresc);
                break;
            }
            case Stan::Rodzaj::Katalog:
                metoda = kBezKompresji;
                break;
        }
        if (w.rozmiar > kGranica || w.skompresowane.size() > kGranica || pozycja > kGranica)
            throw std::runtime_error("Archiwum " + m->cel.string() +
                                     " byłoby większe niż 4 GB: tak dużego nie zapisuję.");
        const auto [czas, data] = CzasDos(zmieniony);
        const uint16_t flagi = TylkoAscii(w.nazwa) ? 0 : kFlagaUtf8;
        std::string naglowek;
        Put32(naglowek, 0x04034b50);
        Put16(naglowek, kWersjaPotrzebna);
        Put16(naglowek, flagi);
        Put16(naglowek, metoda);
        Put16(naglowek, czas);
        Put16(naglowek, data);
        Put32(naglowek, w.crc);
        Put32(naglowek, static_cast<uint32_t>(w.skompresowane.size()));
        Put32(naglowek, static_cast<uint32_t>(w.rozmiar));
        Put16(naglowek, static_cast<uint16_t>(w.nazwa.size()));
        Put16(naglowek, 0);
        naglowek += w.nazwa;

        Put32(katalog, 0x02014b50);
        Put16(katalog, kWersjaUtworzenia);
        Put16(katalog, kWersjaPotrzebna);
        Put16(katalog, flagi);
        Put16(katalog, metoda);
        Put16(katalog, czas);
        Put16(katalog, data);
        Put32(katalog, w.crc);
        Put32(katalog, static_cast<uint32_t>(w.skompresowane.size()));
        Put32(katalog, static_cast<uint32_t>(w.rozmiar));
        Put16(katalog, static_cast<uint16_t>(w.nazwa.size()));
        Put16(katalog, 0);  // extra
        Put16(katalog, 0);  // comment
        Put16(katalog, 0);  // disk
        Put16(katalog, 0);  // internal attributes
        const bool folder = w.rodzaj == Stan::Rodzaj::Katalog;
        Put32(katalog, folder ? ((040755u << 16) | 0x10) : (0100644u << 16));
        Put32(katalog, static_cast<uint32_t>(pozycja));
        katalog += w.nazwa;

        dopisz(naglowek);
        dopisz(w.skompresowane);
        std::string().swap(w.skompresowane);
        if (postep)
            postep(static_cast<double>(i + 1) / static_cast<double>(m->wpisy.size()));
    }
    if (m->wpisy.size() > 0xFFFF || pozycja > kGranica)
        throw std::runtime_error("Archiwum " + m->cel.string() +
                                 " byłoby większe, niż pozwala format zip bez rozszerzeń.");
    std::string koniec;
    Put32(koniec, 0x06054b50);
    Put16(koniec, 0);
    Put16(koniec, 0);
    Put16(koniec, static_cast<uint16_t>(m->wpisy.size()));
    Put16(koniec, static_cast<uint16_t>(m->wpisy.size()));
    Put32(koniec, static_cast<uint32_t>(katalog.size()));
    Put32(koniec, static_cast<uint32_t>(pozycja));
    Put16(koniec, 0);
    dopisz(katalog);
    dopisz(koniec);
    plik.Zatwierdz();
}

}  // namespace mirta::wspolne
