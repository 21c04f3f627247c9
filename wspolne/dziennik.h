#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace mirta::store {

// The program's log: one line per event, "2026-12-10 14:03:22 ADMIN: text". When the file
// grows past its limit it becomes "mirta.log.1" (the older copies move one number up and the
// last one goes), so the log never fills the disk. Writing never throws: a log that cannot be
// written must not turn a reported failure into a second one.
class Dziennik {
public:
    static constexpr std::uintmax_t kLimit = 1024 * 1024;
    static constexpr int kKopie = 3;

    // Writes into `katalog` (made when missing).
    explicit Dziennik(std::string katalog, std::uintmax_t limit = kLimit, int kopie = kKopie);

    // The user every later line names ("-" before a login).
    void UstawUzytkownika(std::string uzytkownik);
    // Appends one line; line breaks inside `tekst` are kept on the line as " | ".
    void Zapisz(std::string_view tekst);

    const std::string& Sciezka() const { return m_sciezka; }

    // $XDG_STATE_HOME/mirta, or ~/.local/state/mirta when the variable is unset or relative.
    static std::string KatalogDomyslny();

private:
    void Obroc();

    std::string m_katalog;
    std::string m_sciezka;
    std::uintmax_t m_limit;
    int m_kopie;
    std::string m_uzytkownik = "-";
    std::mutex m_zamek;
};

// The one log of the running program, in the default directory.
Dziennik& DziennikProgramu();

}  // namespace mirta::store
