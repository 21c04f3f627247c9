#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "payroll/polskie_litery.h"
#include "payroll/wiersze_placowe.h"

namespace mirta::engine {
class Dataset;
class FileSystem;
}  // namespace mirta::engine

namespace mirta::store {
class Dialogi;
struct SesjaUzytkownika;
}  // namespace mirta::store

namespace mirta::payroll {

// The payroll program's files below the data directory, in the order they are looked for.
inline constexpr std::string_view kPlikMirta = "ROVANTE\\MIRTA.DBF";
inline constexpr std::string_view kPlikPracList = "ROVANTE\\PRACLIST.DBF";
inline constexpr std::string_view kPlikKodPol = "ROVANTE\\KODPOL.DBF";

inline constexpr const char* kTytulKontroliDanych = "Kontrola danych.";

// "Brak pliku:" and the path of the first payroll file missing from the data directory;
// nothing when all three are there.
std::optional<std::string> BrakujacyPlikPlacowy(engine::FileSystem& fs,
                                                const std::string& katalogDanych);

struct OpcjePrzegrywania {
    StandardLiter litery = StandardLiter::Mazowia;
    ZrodloNumeru numer = ZrodloNumeru::Identyfikator;
    // Whether employees who already have rows waiting in MIRTA.DBF are written again; none:
    // the user is asked (default no).
    std::optional<bool> ponownie;
};

// What the window shows while the rows are written.
struct PostepPrzegrywania {
    std::function<void(int64_t wszystkich)> poczatek;  // the question was answered yes
    std::function<void(int64_t przegranych)> krok;     // after each employee's pair of rows
};

struct WynikPrzegrania {
    enum class Stan {
        Przegrano,
        Rezygnacja,
        BrakStandardu,
        Przerwano,
        BrakPrawa
    } stan = Stan::Rezygnacja;
    int64_t przegranych = 0;     // employees whose two rows are counted in the files
    int64_t pominietych = 0;     // already waiting in the files and not written again
    int64_t nieprzegranych = 0;  // left out when the export stopped on an error
};

// What a finished or interrupted export did: appended, skipped and not written, in words.
std::string PodsumowaniePrzegrania(const WynikPrzegrania& wynik);

// Appends one MIRTA.DBF and one PRACLIST.DBF row for every employee of `pracownicy` (the
// employee list in its order and under the filter in force), after asking the user, and asking
// again when a file is probably open in the payroll program (a lock file or a lock on it); a
// user without the right to change data is refused. Employees whose rows still wait in
// MIRTA.DBF are written again only when `opcje.ponownie` or the user's answer says so. Both
// files stay locked against other writers for the whole run; the rows are counted in both
// files together after they are on the disk (a few flushes per run, not per employee), an
// employee whose row fails has neither row, and a power cut is settled at the next run, so
// the files always count whole pairs. Every outcome but success
// and "no" is told through `dialogi`: a missing standard, or how many employees were
// written and which one failed; characters that became '?' are named in one warning.
WynikPrzegrania PrzegrajDanePlacowe(engine::FileSystem& fs, const std::string& katalogDanych,
                                    const engine::Dataset& pracownicy,
                                    const store::SesjaUzytkownika& sesja,
                                    const OpcjePrzegrywania& opcje, store::Dialogi& dialogi,
                                    const PostepPrzegrywania& postep = {});

}  // namespace mirta::payroll
