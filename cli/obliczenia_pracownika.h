#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/invocation.h"
#include "compute/data_kal.h"
#include "store/obraz_pracownika.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {

// Helpers of the commands that print an employee's computed values.

// An employee's picture at the processing date, for a command that prints part of it. The
// sources go before the session they read.
struct ObrazPolecenia {
    int kodBledu = 0;  // the exit status when the picture could not be made
    std::unique_ptr<Sesja> sesja;
    std::unique_ptr<store::ZrodlaObliczen> zrodla;
    compute::DataKal data;
    store::ObrazPracownika obraz;

    explicit operator bool() const { return kodBledu == 0; }
    // After the output: shows the messages the computation raised once each; the exit status.
    int Zakoncz();
};

// The employee of the command's only operand, after the login: a wrong identifier, a failed
// login and an unknown employee end with their message and kodBledu set.
ObrazPolecenia PoliczObrazDlaPolecenia(Invocation& call, store::CzesciObrazu czesci);

// The employee identifier of a command's only argument.
std::optional<int32_t> IdentyfikatorZArgumentow(const std::vector<std::string>& args);
// "2026-12-10", or "brak" for no date.
std::string DataCli(compute::DataKal d);
// Two decimals and a point, no grouping: "1234.50".
std::string TekstKwotyCli(double kwota);
// The shortest decimal form that reads back as the same number: "10", "12.5".
std::string NajkrotszaLiczba(double x);

}  // namespace mirta::cli
