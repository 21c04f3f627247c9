#pragma once

#include <optional>
#include <string>

#include "store/sesja.h"

namespace mirta::store {

// The rights an action that writes, sends or exports data needs, checked where the action
// runs so that the window and the command line refuse alike.

inline constexpr const char* kBrakUprawnienAdministratora =
    "Nie masz uprawnień administratora systemu !!!";

// "Nie masz prawa do zmiany danych !!!" without the right to change data; nothing with it.
std::optional<std::string> OdmowaZmiany(const SesjaUzytkownika& sesja);
// The administrator's refusal for other users; nothing for an administrator.
std::optional<std::string> OdmowaAdministracji(const SesjaUzytkownika& sesja);

// The same, thrown as BladDanych.
void WymagajPrawaZmiany(const SesjaUzytkownika& sesja);
void WymagajAdministratora(const SesjaUzytkownika& sesja);

}  // namespace mirta::store
