#pragma once

#include <optional>
#include <vector>

#include "cli/command.h"
#include "store/filtr_pracownikow.h"

namespace mirta::cli {

// The options of the employee list's filter, shared by the commands that take employees.
const std::vector<Option>& OpcjeFiltru();

// The filter those options give; nothing, after the usage message, for a bad value.
std::optional<store::FiltrPracownikow> CzytajFiltr(Invocation& call);

}  // namespace mirta::cli
