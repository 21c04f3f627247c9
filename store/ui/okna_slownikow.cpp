#include "store/ui/okna_slownikow.h"

#include <array>
#include <utility>

namespace mirta::store::ui {

namespace {

constexpr std::array<std::pair<OknoSlownika, std::string_view>, 22> kNazwy{{
    {OknoSlownika::RodzajeWyksztalcenia, "TFRodzajeWyksztalcenia"},
    {OknoSlownika::StopnieNaukowe, "TFStopnieNaukowe"},
    {OknoSlownika::TytulyZawodowe, "TFTytulyZawodowe"},
    {OknoSlownika::RodzajeKursow, "TFRodzajeKursow"},
    {OknoSlownika::Pokrewienstwa, "TFSlownikPokrewienstw"},
    {OknoSlownika::Stopnie, "TFRodzajeStopniWynagrodzen"},
    {OknoSlownika::Grupy, "TFRodzajeGrupiWynagrodzen"},
    {OknoSlownika::Stanowiska, "TFSlownikStanowisk"},
    {OknoSlownika::FormyZatrudnienia, "TFFormyZatrudnienia"},
    {OknoSlownika::Wydawcy, "TFWydawcy"},
    {OknoSlownika::GrupyInwalidzkie, "TFGrupyInwalidzkie"},
    {OknoSlownika::Swiadczenia, "TFSwiadczenia"},
    {OknoSlownika::RodzajeUrlopow, "TFRodzajeUrlopow"},
    {OknoSlownika::Ordery, "TFSlownikOrderow"},
    {OknoSlownika::OrganyNadajace, "TFSlownikOrganowNadajacych"},
    {OknoSlownika::Kary, "TFSlownikKar"},
    {OknoSlownika::Wyroznienia, "TFSlownikWyroznien"},
    {OknoSlownika::StatusyCywili, "TFStatusyPracownikaCywilnego"},
    {OknoSlownika::PodstawyZdarzen, "TFPodstawyZdarzen"},
    {OknoSlownika::RodzajeZdarzen, "TFRodzajeZdarzen"},
    {OknoSlownika::PodstawyWynagrodzen, "TFPodstawyWynagrodzen"},
    {OknoSlownika::PremieCywili, "TFPremieCywili"},
}};

}  // namespace

std::string_view NazwaOkna(OknoSlownika okno) {
    for (const auto& [o, nazwa] : kNazwy) {
        if (o == okno) {
            return nazwa;
        }
    }
    return {};
}

std::optional<OknoSlownika> OknoONazwie(std::string_view nazwa) {
    for (const auto& [o, n] : kNazwy) {
        if (n == nazwa) {
            return o;
        }
    }
    return std::nullopt;
}

}  // namespace mirta::store::ui
