#include "store/ui/pozycje_kodow.h"

namespace mirta::store::ui {

std::vector<kit::CodeItem> PozycjeKodow(const store::ListaKodow& lista) {
    std::vector<kit::CodeItem> pozycje;
    pozycje.reserve(lista.pozycje.size());
    for (const store::PozycjaKodu& p : lista.pozycje)
        pozycje.push_back(
            {std::string(p.kod), QString::fromUtf8(p.tekst.data(), static_cast<qsizetype>(p.tekst.size()))});
    return pozycje;
}

}  // namespace mirta::store::ui
