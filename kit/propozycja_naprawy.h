#pragma once

#include <functional>
#include <string>

namespace mirta::kit {

// What RunGuarded offers when a table reads as damaged (the shell's repair); when none is set,
// or for other failures, only the message is shown.
void UstawPropozycjeNaprawy(std::function<void(const std::string& komunikat)> propozycja);

}  // namespace mirta::kit
