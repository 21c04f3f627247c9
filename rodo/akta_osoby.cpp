#include "rodo/akta_osoby.h"

#include "akta/akta_osobowe.h"
#include "store/tdm.h"

namespace mirta::rodo {

ZrodloDanychOsoby ZrodloAktOsobowych() {
    return {.nazwa = "Akta osobowe",
            .dopisz = {},
            .anonimizuj = [](store::TDM& tdm, store::TDM1&, int32_t pracownik) {
                akta::AktaOsobowe akta(tdm.Fs(), tdm.DataDirectory(), tdm.Sesja());
                akta.UsunAktaPracownika(pracownik);
            }};
}

}  // namespace mirta::rodo
