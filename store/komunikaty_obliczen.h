#pragma once

#include <string>
#include <vector>

#include "wspolne/dialogi.h"

namespace mirta::store {

// Messages raised while computing for display, kept until the user operation ends and then
// shown once each: never from inside a paint, a fetch or a loop over employees.
class KomunikatyObliczen {
public:
    enum class Rodzaj { Blad, Ostrzezenie };

    void Dodaj(Rodzaj rodzaj, std::string tekst, std::string tytul);
    bool Puste() const { return m_komunikaty.empty(); }
    // Shows every message collected, once each, and forgets them.
    void Pokaz(Dialogi& dialogi);

    struct Komunikat {
        Rodzaj rodzaj;
        std::string tekst;
        std::string tytul;
    };
    const std::vector<Komunikat>& Wszystkie() const { return m_komunikaty; }

private:
    std::vector<Komunikat> m_komunikaty;
};

}  // namespace mirta::store
