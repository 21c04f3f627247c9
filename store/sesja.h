#pragma once

#include <cstdint>
#include <string>

#include "engine/value.h"

namespace mirta::store {

// The logged-in user and the processing date, fixed for the run. The password itself is not
// kept: it is checked against its hash (hasla.h) when needed.
struct SesjaUzytkownika {
    bool Przegladanie = false;
    bool Aktualizowanie = false;
    bool Administrator = false;
    bool Pole1 = false;         // automatic edit off
    bool TrybUrlopowy = false;  // leave and absence pages only (column Pole2)
    bool Pole3 = false;
    bool Pole4 = false;
    std::string NazwaKrotka;
    std::string NazwaPelna;
    int32_t Pole10 = 0;
    int32_t Identyfikator = 0;  // 0: nobody logged in
    engine::CivilDate DataPrzetwarzania;
    bool RokUrlopowyZamkniety = true;
    // Logged in with an empty password: the user must set one before working.
    bool MusiUstawicHaslo = false;

    bool Zalogowany() const { return Identyfikator != 0; }
};

}  // namespace mirta::store
