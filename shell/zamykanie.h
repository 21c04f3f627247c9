#pragma once

#include <string>

#include "engine/dataset.h"
#include "wspolne/dialogi.h"

namespace mirta::store {
class TDM;
}

namespace mirta::shell {

inline constexpr const char* kTytulZakonczenia = "Zakończenie programu Mirta.";
inline constexpr const char* kPytanieOZakonczenie = "Czy chcesz zakończyć pracę z programem ?";
inline constexpr const char* kBladUstawienOsobistych = "Błąd zapisu ustawień osobistych !!!";
inline constexpr const char* kTytulKontroliKadrowej = " Kontrola danych kadrowych.";

// What a closing window does after a question about unsaved changes.
enum class AkcjaZamkniecia { Zamknij, Zostaw };

// The questions of the main window's closing for every employee table of both data modules,
// in their fixed order (closed tables are skipped). Zostaw at the first Cancel; later tables
// are not asked. Rule errors of a post propagate.
AkcjaZamkniecia ZapytajOZapisPrzyZamknieciu(store::TDM& tdm, store::Dialogi& dialogi);

// Stores the user's automatic-edit choice in Hasla.DB (negated, as Pole1). Throws on failure.
void ZapiszEdycjeAutomatyczna(store::TDM& tdm, bool edycjaAutomatyczna);

}  // namespace mirta::shell
