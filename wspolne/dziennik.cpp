#include "wspolne/dziennik.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace mirta::store {
namespace {

namespace fs = std::filesystem;

std::string Teraz() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm czas{};
    localtime_r(&t, &czas);
    char bufor[32];
    std::strftime(bufor, sizeof bufor, "%Y-%m-%d %H:%M:%S", &czas);
    return bufor;
}

std::string JednaLinia(std::string_view tekst) {
    std::string linia;
    linia.reserve(tekst.size());
    for (size_t i = 0; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (c == '\r')
            continue;
        if (c == '\n') {
            if (i + 1 < tekst.size())
                linia += " | ";
            continue;
        }
        linia += c;
    }
    return linia;
}

}  // namespace

Dziennik::Dziennik(std::string katalog, std::uintmax_t limit, int kopie)
    : m_katalog(std::move(katalog)),
      m_sciezka((fs::path(m_katalog) / "mirta.log").string()),
      m_limit(limit),
      m_kopie(kopie) {}

void Dziennik::UstawUzytkownika(std::string uzytkownik) {
    std::lock_guard zamek(m_zamek);
    m_uzytkownik = uzytkownik.empty() ? "-" : std::move(uzytkownik);
}

void Dziennik::Obroc() {
    std::error_code blad;
    const auto rozmiar = fs::file_size(m_sciezka, blad);
    if (blad || rozmiar < m_limit)
        return;
    for (int i = m_kopie; i >= 1; --i) {
        const std::string starsza = m_sciezka + "." + std::to_string(i);
        const std::string mlodsza = i == 1 ? m_sciezka : m_sciezka + "." + std::to_string(i - 1);
        if (i == m_kopie)
            fs::remove(starsza, blad);
        fs::rename(mlodsza, starsza, blad);
    }
    if (m_kopie <= 0)
        fs::remove(m_sciezka, blad);
}

void Dziennik::Zapisz(std::string_view tekst) {
    try {
        std::lock_guard zamek(m_zamek);
        std::error_code blad;
        fs::create_directories(m_katalog, blad);
        Obroc();
        std::ofstream plik(m_sciezka, std::ios::app | std::ios::binary);
        plik << Teraz() << ' ' << m_uzytkownik << ": " << JednaLinia(tekst) << '\n';
    } catch (...) {
        // Nowhere left to report a log that cannot be written.
    }
}

std::string Dziennik::KatalogDomyslny() {
    const char* stan = std::getenv("XDG_STATE_HOME");
    if (stan && *stan && fs::path(stan).is_absolute())
        return (fs::path(stan) / "mirta").string();
    const char* dom = std::getenv("HOME");
    return (fs::path(dom && *dom ? dom : ".") / ".local" / "state" / "mirta").string();
}

Dziennik& DziennikProgramu() {
    static Dziennik dziennik(Dziennik::KatalogDomyslny());
    return dziennik;
}

}  // namespace mirta::store
