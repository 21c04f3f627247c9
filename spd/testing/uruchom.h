#pragma once

#include <string>
#include <vector>

namespace mirta::spd::testing {

// Runs a program found on the search path (no shell) with `wejscie` on its standard input
// and its standard output kept in `wyjscie`; its exit code, -1 when it could not be run.
int Uruchom(const std::vector<std::string>& argumenty, const std::string& wejscie = {},
            std::string* wyjscie = nullptr);

// The arguments as the NULL-ended array that exec wants.
std::vector<char*> Argv(const std::vector<std::string>& argumenty);

}  // namespace mirta::spd::testing
