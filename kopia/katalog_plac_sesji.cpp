#include "kopia/blad_kopii.h"
#include "kopia/kopia_danych.h"
#include "store/katalogi_plac.h"
#include "store/tdm.h"
#include "store/uprawnienia.h"

namespace mirta::kopia {

std::string KatalogPlacSesji(store::TDM& tdm) {
    if (!tdm.TParametry.IsOpen())
        tdm.Open(tdm.TParametry);
    return store::UstawKatalogiPlac(tdm.TParametry->GetTable(), tdm.DataDirectory());
}

WynikOdczytu OdtworzKopieJako(const store::SesjaUzytkownika& sesja, const std::string& archiwum,
                              const std::string& nowyKatalog, const Postep& postep) {
    if (const auto odmowa = store::OdmowaAdministracji(sesja))
        throw BladKopii(*odmowa);
    return OdtworzKopie(archiwum, nowyKatalog, postep);
}

}  // namespace mirta::kopia
