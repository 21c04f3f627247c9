#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "spd/harmonogram.h"
#include "wspolne/dialogi.h"

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::spd {

struct OpcjeGenerowania {
    // The data date chosen beforehand; none: the processing date, or today's date after the
    // question when the two differ.
    std::optional<compute::DataKal> dataDanych;
    // The moment of generation; none: now.
    std::optional<std::chrono::system_clock::time_point> chwila;
    // The progress line: the kind's caption and the share of the whole package done.
    std::function<void(const std::string& podpis, double udzial)> postep;
};

struct NaglowekWyniku {
    int32_t harmonogram = 0;
    std::string nazwa;
    std::string rodzaj;
    int32_t rekordy = 0;
    int64_t wiersze = 0;
};

struct WynikGenerowania {
    enum class Stan { Rezygnacja, Wygenerowano, Przerwano } stan = Stan::Rezygnacja;
    int32_t rejestr = 0;  // the register entry; 0 when none was made
    std::string folder;   // as the register stores it: "SPD\R20080317T140509025"
    compute::DataKal dataDanych;
    std::vector<NaglowekWyniku> naglowki;
};

// A package folder holds this file from its creation until every header is filled, so a
// package cut short (an error, a power cut) is never taken for a whole one.
inline constexpr const char* kZnacznikNiedokonczonej = "NIEDOKONCZONA.TXT";

// Generates a package from the marked schedule entries: refuses a user without the right to
// change data, asks first, fixes the data date,
// creates the package folder with its header and field-row tables, copies the marked entries
// as headers, enters the package in the register and each header in the shipment log, and
// fills every header through its kind's extractor (field rows in bulk, one sync per header).
// A failure part-way removes the log rows of this run, so the entries are due again, and
// leaves the folder marked unfinished; it is told through `dialogi`.
WynikGenerowania GenerujPrzesylkeSPD(store::TDM& tdm, store::TDM1& tdm1,
                                     const Zaznaczenia& zaznaczone, store::Dialogi& dialogi,
                                     const OpcjeGenerowania& opcje = {});

// The reason a package may not be sent: its folder or tables are missing, or it was cut short
// during generation; nothing when it is whole.
std::optional<std::string> PaczkaNiekompletna(const std::string& katalogDanych,
                                              const std::string& folderRejestru);

}  // namespace mirta::spd
