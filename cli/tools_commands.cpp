#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "cli/commands.h"
#include "cli/values.h"
#include "engine/file_system.h"
#include "tools/demo.h"

namespace mirta::cli {

int RunDemo(Invocation& call) {
    tools::OpcjeDemo opcje;
    const std::string& katalog = call.Operands()[0];
    struct Liczba {
        const char* opcja;
        long long od, doWl;
        std::function<void(long long)> ustaw;
    } const liczby[] = {
        {"--pracownicy", 1, 100000, [&](long long v) { opcje.pracownicy = static_cast<int>(v); }},
        {"--lata", 1, 60, [&](long long v) { opcje.lata = static_cast<int>(v); }},
        {"--ziarno", 0, INT64_MAX, [&](long long v) { opcje.ziarno = static_cast<uint64_t>(v); }},
    };
    for (const auto& l : liczby) {
        const std::string* tekst = call.Value(l.opcja);
        if (!tekst)
            continue;
        const auto v = ParseInteger(*tekst, l.od, l.doWl);
        if (!v)
            return call.UsageError("Niepoprawna wartość " + std::string(l.opcja) + ": " + *tekst);
        l.ustaw(*v);
    }
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
    return kExitOk;
}

}  // namespace mirta::cli
