#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "engine/value.h"

namespace mirta::store {
class TDM;
}

namespace mirta::rodo {

// The register of users authorised to process personal data, a table of our own beside the
// users table: when each user's authorisation was given and withdrawn, and its scope.
inline constexpr const char* kPlikUpowaznien = "Upowaznienia.DB";

struct Upowaznienie {
    int32_t uzytkownik = 0;
    std::string nazwaKrotka;
    std::string nazwaPelna;
    compute::DataKal nadane;
    compute::DataKal cofniete;
    std::string zakres;         // as recorded when the dates were last set
    std::string zakresBiezacy;  // the user's rights now
};

std::vector<engine::FieldDef> PolaUpowaznien();

// "przeglądanie, zmiana danych, administracja" (", tylko urlopy i nieobecności" for the
// leave-only mode); "brak uprawnień" for none.
std::string ZakresUprawnien(bool przegladanie, bool aktualizowanie, bool administrator,
                            bool trybUrlopowy);

// Every user of the users table, in its order, with their authorisation (empty dates when
// none is recorded).
std::vector<Upowaznienie> CzytajUpowaznienia(store::TDM& tdm);

// Records the dates of a user's authorisation with the scope of their rights now. The
// administrator's; BladDanych for a withdrawal without a grant or before it, or an unknown
// user.
void ZapiszUpowaznienie(store::TDM& tdm, int32_t uzytkownik, compute::DataKal nadane,
                        compute::DataKal cofniete);

}  // namespace mirta::rodo
