#include <chrono>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "store/engine/file_system.h"
#include "tools/demo.h"

namespace mirta::cli {

namespace {

bool LiczbaZ(const std::string& tekst, long long od, long long doWl, long long& wynik) {
    try {
        size_t koniec = 0;
        wynik = std::stoll(tekst, &koniec);
        return koniec == tekst.size() && wynik >= od && wynik <= doWl;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int RunDemo(const Args& args) {
    tools::OpcjeDemo opcje;
    std::string katalog;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        long long v = 0;
        if ((a == "--pracownicy" || a == "--lata" || a == "--ziarno") && i + 1 < args.size()) {
            const std::string& tekst = args[++i];
            if (a == "--pracownicy" && LiczbaZ(tekst, 1, 100000, v))
                opcje.pracownicy = static_cast<int>(v);
            else if (a == "--lata" && LiczbaZ(tekst, 1, 60, v))
                opcje.lata = static_cast<int>(v);
            else if (a == "--ziarno" && LiczbaZ(tekst, 0, INT64_MAX, v))
                opcje.ziarno = static_cast<uint64_t>(v);
            else
                return UsageError("demo");
        } else if (katalog.empty() && !a.empty() && a[0] != '-') {
            katalog = a;
        } else {
            return UsageError("demo");
        }
    }
    if (katalog.empty())
        return UsageError("demo");
    const auto start = std::chrono::steady_clock::now();
    const auto liczniki = tools::UtworzDemo(engine::FileSystem::Real(), katalog, opcje);
    const double sekundy =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    uint64_t wierszy = 0;
    for (const auto& [plik, n] : liczniki) {
        std::printf("%-28s %10llu\n", plik.c_str(), static_cast<unsigned long long>(n));
        wierszy += n;
    }
    std::printf("Utworzono jednostkę przykładową w %s: %d osób, %d lat, %llu wierszy, %.1f s\n",
                katalog.c_str(), opcje.pracownicy, opcje.lata,
                static_cast<unsigned long long>(wierszy), sekundy);
    return 0;
}

}  // namespace mirta::cli
