#include "cli/opcje_filtru.h"

#include <cstdlib>

namespace mirta::cli {

bool CzytajOpcjeFiltru(const Args& args, size_t& i, store::FiltrPracownikow& f) {
    const std::string& a = args[i];
    if (a == "--umowy")
        f.PokazUmowy = true;
    else if (a == "--zwolnieni")
        f.PokazZwolnionych = true;
    else if (a == "--bez-funkcjonariuszy")
        f.PokazFunkcjonariuszy = false;
    else if (a == "--bez-cywilow")
        f.PokazCywilow = false;
    else if (a == "--bez-sluzby-cywilnej")
        f.PokazSluzbeCywilna = false;
    else if (a == "--emeryci")
        f.PokazEmerytow = true;
    else if (a == "--komorka" && i + 1 < args.size()) {
        f.FiltrKomorki = true;
        f.KomorkaFiltru = std::atoi(args[++i].c_str());
    } else
        return false;
    return true;
}

}  // namespace mirta::cli
