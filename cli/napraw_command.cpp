// mirta napraw: the check and repair of the data directory's tables. It logs in through
// Hasla.DB alone, so that it runs while other tables do not open.
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "engine/file_system.h"
#include "kopia/kopia_danych.h"
#include "naprawa/naprawa.h"

namespace mirta::cli {

namespace {

// As the login reads it: MIRTA_HASLO, else typed with echo off; never from the command line.
std::optional<std::string> Haslo(Terminal& terminal) {
    if (const char* haslo = std::getenv("MIRTA_HASLO"))
        return std::string(haslo);
    if (!terminal.interactive) {
        terminal.err << "Brak hasła: ustaw zmienną MIRTA_HASLO albo uruchom polecenie z "
                        "terminala.\n";
        return std::nullopt;
    }
    terminal.err << "Hasło: " << std::flush;
    termios stary{};
    const bool echo = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &stary) == 0;
    if (echo) {
        termios nowy = stary;
        nowy.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &nowy);
    }
    std::string tekst;
    std::getline(terminal.in, tekst);
    if (echo) {
        tcsetattr(STDIN_FILENO, TCSANOW, &stary);
        terminal.err << std::endl;
    }
    return tekst;
}

}  // namespace

int RunNapraw(Invocation& call) {
    engine::FileSystem& fs = engine::FileSystem::Real();
    const std::string katalog = call.Opcje().dane;
    if (call.Opcje().uzytkownik.empty()) {
        call.Term().err << "Podaj użytkownika: --uzytkownik NAZWA\n";
        return kExitFailure;
    }
    const std::optional<std::string> haslo = Haslo(call.Term());
    if (!haslo)
        return kExitFailure;
    std::vector<naprawa::TabelaDoSprawdzenia> tabele;
    try {
        naprawa::SprawdzAdministratora(fs, katalog, call.Opcje().uzytkownik, *haslo);
        tabele = naprawa::TabeleDoSprawdzenia(fs, katalog, call.Operands());
    } catch (const naprawa::BladNaprawy& e) {
        call.Term().err << e.what() << '\n';
        return kExitFailure;
    }
    naprawa::PrzebiegNaprawy przebieg;
    przebieg.naProbe = call.Has("--na-probe");
    przebieg.uzytkownik = call.Opcje().uzytkownik;
    if (const std::string* katalogKopii = call.Value("--kopia"))
        przebieg.kopia = [&call, &fs, katalog, katalogKopii] {
            try {
                kopia::OpcjeKopii opcje;
                opcje.katalogPlac = naprawa::KatalogPlacDanych(fs, katalog);
                const kopia::WynikKopii w = kopia::UtworzKopie(katalog, *katalogKopii, opcje);
                call.Term().out << "Kopia danych: " << w.archiwum << std::endl;
                return true;
            } catch (const std::exception& e) {
                call.Term().err << e.what() << '\n';
                return false;
            }
        };
    przebieg.postep = [&call](const std::string& etap, double) {
        if (call.Term().interactive)
            call.Term().err << etap << '\n';
    };
    const std::vector<naprawa::WynikTabeli> wyniki =
        naprawa::SprawdzINapraw(fs, katalog, tabele, call.Dialogi(), przebieg);
    const bool naprawiano =
        std::any_of(wyniki.begin(), wyniki.end(), [](const auto& w) { return w.naprawiona; });
    call.Term().out << naprawa::TekstRaportu(wyniki, naprawiano) << std::flush;
    return naprawa::KodWyniku(wyniki);
}

}  // namespace mirta::cli
