#include "kopia/kopia_danych.h"
#include "store/katalogi_plac.h"
#include "store/tdm.h"

namespace mirta::kopia {

std::string KatalogPlacSesji(store::TDM& tdm) {
    if (!tdm.TParametry.IsOpen())
        tdm.Open(tdm.TParametry);
    return store::UstawKatalogiPlac(tdm.TParametry->GetTable(), tdm.DataDirectory());
}

}  // namespace mirta::kopia
