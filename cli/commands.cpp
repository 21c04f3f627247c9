#include "cli/commands.h"

#include <cstdio>
#include <exception>

namespace mirta::cli {

namespace {

const Command kCommands[] = {
    {"dump", "PLIK [--kodowanie NAZWA]", "wypisuje tabelę Paradox lub dBase w postaci kanonicznej",
     RunDump},
    {"slownie", "KWOTA", "wypisuje kwotę słownie", RunSlownie},
    {"zaokraglij", "LICZBA MIEJSCA", "zaokrągla liczbę do podanej liczby miejsc", RunZaokraglij},
    {"okres", "OD DO", "wypisuje długość okresu (lata, miesiące, dni)", RunOkres},
    {"wyrazenie", "TEKST", "oblicza wyrażenie albo wypisuje kod błędu", RunWyrazenie},
    {"data-slownie", "DATA", "wypisuje datę z nazwą miesiąca", RunDataSlownie},
    {"nowa-baza", "KATALOG", "tworzy pusty katalog danych ze wszystkimi tabelami", RunNowaBaza},
    {"demo", "KATALOG [--pracownicy N] [--lata N] [--ziarno S]",
     "tworzy katalog danych z przykładową jednostką", RunDemo},
    {"zaloguj", "",
     "loguje (opcje --dane, --uzytkownik, --data; hasło z MIRTA_HASLO) i wypisuje sesję",
     RunZaloguj},
    {"pracownicy",
     "[--umowy] [--zwolnieni] [--bez-funkcjonariuszy] [--bez-cywilow] [--bez-sluzby-cywilnej] "
     "[--emeryci] [--komorka N]",
     "wypisuje listę pracowników po zalogowaniu", RunPracownicy},
    {"kalendarz", "RRRR MM",
     "wypisuje dni i godziny miesiąca kalendarza (brakujący miesiąc tworzy)", RunKalendarz},
    {"dni", "OD DO LITERA", "liczy dni kalendarza o statusie R, W lub S od daty do daty włącznie",
     RunDni},
    {"staz", "ID", "wypisuje staż pracownika na dzień przetwarzania", RunStaz},
    {"urlop", "ID", "wypisuje urlop należny, zaległy i wykorzystany pracownika", RunUrlop},
    {"wynagrodzenie", "ID", "wypisuje składniki i sumy wynagrodzenia pracownika", RunWynagrodzenie},
    {"zamknij-rok", "[--na-probe] [--tak]",
     "zamyka rok urlopowy daty przetwarzania (--na-probe: tylko wypisuje przeniesienia)",
     RunZamknijRok},
};

OpcjeSesji gOpcje;

void PrintHelp() {
    std::printf("mirta - kadry jednostki, polecenia wsadowe\n\nUżycie:\n");
    for (const auto& c : kCommands)
        std::printf("  mirta %s %s\n      %s\n", c.name, c.usage, c.summary);
}

}  // namespace

const OpcjeSesji& Opcje() {
    return gOpcje;
}

int UsageError(const char* commandName) {
    for (const auto& c : kCommands)
        if (std::string(c.name) == commandName)
            std::fprintf(stderr, "Użycie: mirta %s %s\n", c.name, c.usage);
    return 2;
}

int Run(const Args& wszystkie) {
    Args args = wszystkie;
    // Global options: --dane KATALOG, --uzytkownik NAZWA, --data RRRR-MM-DD.
    while (args.size() >= 2 &&
           (args[0] == "--dane" || args[0] == "--uzytkownik" || args[0] == "--data")) {
        if (args[0] == "--dane") {
            gOpcje.dane = args[1];
        } else if (args[0] == "--uzytkownik") {
            gOpcje.uzytkownik = args[1];
        } else {
            engine::CivilDate d;
            if (std::sscanf(args[1].c_str(), "%d-%d-%d", &d.year, &d.month, &d.day) != 3) {
                std::fprintf(stderr, "Niepoprawna data: %s (RRRR-MM-DD)\n", args[1].c_str());
                return 2;
            }
            gOpcje.data = d;
        }
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "pomoc") {
        PrintHelp();
        return args.empty() ? 2 : 0;
    }
    for (const auto& c : kCommands) {
        if (args[0] != c.name)
            continue;
        try {
            return c.run(Args(args.begin() + 1, args.end()));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "mirta %s: %s\n", c.name, e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "Nieznane polecenie: %s\n", args[0].c_str());
    PrintHelp();
    return 2;
}

}  // namespace mirta::cli
