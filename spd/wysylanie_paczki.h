#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "engine/file_system.h"
#include "spd/rejestr.h"
#include "spd/wysylka.h"
#include "wspolne/dialogi.h"

namespace mirta::store {
struct SesjaUzytkownika;
}

namespace mirta::spd {

struct OpcjeWysylaniaPaczki {
    // Each step as it starts ("Kontrola danych", "Zapis plików CSV", ...).
    std::function<void(const std::string&)> krok;
    // Shows the error list of the check; the question whether to go on follows.
    std::function<void(const std::string&)> pokazBledy;
    OpcjeWysylki wysylka;
    std::optional<std::chrono::system_clock::time_point> chwila;  // none: now
};

// The parameters record with the working directory resolved against the data directory
// (empty: the data directory itself).
ParametrySPD ParametryWysylki(engine::FileSystem& fs, const std::string& katalogDanych);

// "Generuj i wyślij pliki SPD" on one register entry: refuses a user without the right to
// change data; asks first; refuses a package whose
// files are missing or whose generation was cut short; checks the stored values and, when
// some are missing, shows the list and asks whether to go on; writes one CSV file per header
// into a new send folder (asking whether to go on when a file could not be written); packs,
// digests and uploads. The send identifier when the upload succeeded.
std::optional<std::string> GenerujIWyslijPlikiSPD(engine::FileSystem& fs,
                                                  const std::string& katalogDanych,
                                                  const WpisRejestru& wpis,
                                                  const store::SesjaUzytkownika& sesja,
                                                  store::Dialogi& dialogi,
                                                  const OpcjeWysylaniaPaczki& opcje = {});

}  // namespace mirta::spd
