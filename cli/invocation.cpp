#include "cli/invocation.h"

#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "engine/file_system.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"

namespace mirta::cli {

namespace {

engine::CivilDate Dzis() {
    auto d = std::chrono::year_month_day(
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    return {int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))};
}

// Typed with echo off; a password never stands on the command line.
std::string CzytajBezEcha(Terminal& terminal, const char* zacheta) {
    terminal.err << zacheta << std::flush;
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

// A user without a password sets one at a login from the terminal, as in the start window.
void UstawPierwszeHaslo(store::TDM& tdm, Terminal& terminal) {
    if (std::getenv("MIRTA_HASLO") || !terminal.interactive) {
        terminal.err << "Użytkownik nie ma hasła; ustaw je przy najbliższym logowaniu z "
                        "terminala.\n";
        return;
    }
    const std::string nowe = CzytajBezEcha(terminal, "Ustaw nowe hasło: ");
    if (CzytajBezEcha(terminal, "Powtórz nowe hasło: ") != nowe) {
        terminal.err << "Hasła się różnią; hasła nie zmieniono.\n";
        return;
    }
    try {
        tdm.UstawHaslo(tdm.Sesja().Identyfikator, nowe);
    } catch (const store::BladDanych& e) {
        terminal.err << e.what() << '\n';
    }
}

}  // namespace

Sesja::~Sesja() = default;

Invocation::Invocation(const Command& command, CommandLine line, Terminal& terminal)
    : m_command(command),
      m_line(std::move(line)),
      m_terminal(terminal),
      m_dialogi(terminal, m_line.sesja.tak) {}

bool Invocation::Has(std::string_view option) const {
    return m_line.options.find(option) != m_line.options.end();
}

const std::string* Invocation::Value(std::string_view option) const {
    const auto it = m_line.options.find(option);
    return it == m_line.options.end() ? nullptr : &it->second;
}

std::vector<std::string> Invocation::Values(std::string_view option) const {
    const auto it = m_line.repeated.find(option);
    return it == m_line.repeated.end() ? std::vector<std::string>() : it->second;
}

int Invocation::UsageError(std::string_view message) {
    if (!message.empty())
        m_terminal.err << message << '\n';
    m_terminal.err << "Użycie: " << UsageLine(m_command) << "\n(mirta " << m_command.name
                   << " --pomoc opisuje polecenie)\n";
    return kExitUsage;
}

std::unique_ptr<Sesja> Invocation::Zaloguj() {
    const OpcjeSesji& o = m_line.sesja;
    if (o.uzytkownik.empty()) {
        m_terminal.err << "Podaj użytkownika: --uzytkownik NAZWA\n";
        return nullptr;
    }
    store::DaneStartowe dane;
    dane.data = o.data.value_or(Dzis());
    dane.nazwa = o.uzytkownik;
    if (const char* haslo = std::getenv("MIRTA_HASLO")) {
        dane.haslo = haslo;
    } else if (m_terminal.interactive) {
        dane.haslo = CzytajBezEcha(m_terminal, "Hasło: ");
    } else {
        m_terminal.err << "Brak hasła: ustaw zmienną MIRTA_HASLO albo uruchom polecenie z "
                          "terminala.\n";
        return nullptr;
    }
    auto s = std::unique_ptr<Sesja>(new Sesja{m_dialogi, nullptr, nullptr});
    s->tdm = std::make_unique<store::TDM>(engine::FileSystem::Real(), o.dane, m_dialogi, Dzis());
    s->tdm1 = std::make_unique<store::TDM1>(*s->tdm);
    if (!s->tdm->FunkcjaStartowa(&dane) || !s->tdm->Sesja().Zalogowany())
        return nullptr;
    s->tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
    if (s->tdm->Sesja().MusiUstawicHaslo)
        UstawPierwszeHaslo(*s->tdm, m_terminal);
    return s;
}

}  // namespace mirta::cli
