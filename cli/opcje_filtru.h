#pragma once

#include <cstddef>

#include "cli/commands.h"
#include "store/filtr_pracownikow.h"

namespace mirta::cli {

// The options of the employee list's filter, shared by the commands that take employees:
// --umowy --zwolnieni --bez-funkcjonariuszy --bez-cywilow --bez-sluzby-cywilnej --emeryci
// --komorka N. Reads the option at args[i] (and its value, advancing i); false when args[i]
// is not one of them.
bool CzytajOpcjeFiltru(const Args& args, size_t& i, store::FiltrPracownikow& filtr);

}  // namespace mirta::cli
