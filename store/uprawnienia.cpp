#include "store/uprawnienia.h"

#include "store/zasady_wspolne.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {

std::optional<std::string> OdmowaZmiany(const SesjaUzytkownika& sesja) {
    if (sesja.Aktualizowanie)
        return std::nullopt;
    return std::string(kBrakPrawa);
}

std::optional<std::string> OdmowaAdministracji(const SesjaUzytkownika& sesja) {
    if (sesja.Administrator)
        return std::nullopt;
    return std::string(kBrakUprawnienAdministratora);
}

void WymagajPrawaZmiany(const SesjaUzytkownika& sesja) {
    if (auto odmowa = OdmowaZmiany(sesja))
        throw BladDanych(*odmowa);
}

void WymagajAdministratora(const SesjaUzytkownika& sesja) {
    if (auto odmowa = OdmowaAdministracji(sesja))
        throw BladDanych(*odmowa);
}

}  // namespace mirta::store
