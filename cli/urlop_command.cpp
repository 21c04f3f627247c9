#include <cstdio>

#include "cli/obliczenia_pracownika.h"
#include "compute/urlop.h"
#include "store/obraz_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {

int RunUrlop(Invocation& call) {
    const auto id = IdentyfikatorZArgumentow(call.Operands());
    if (!id)
        return call.UsageError("Niepoprawny identyfikator pracownika.");
    auto s = call.Zaloguj();
    if (!s)
        return 1;
    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    const compute::DataKal data = store::DataPrzetwarzania(zrodla);
    const store::ObrazPracownika o =
        store::PoliczObrazPracownika(zrodla, *id, data, {.wynagrodzenie = false, .urlop = true});
    if (!o.dane.znaleziony) {
        std::fprintf(stderr, "Nie ma pracownika o identyfikatorze %d !!!\n", *id);
        return 1;
    }
    std::fputs(compute::TekstUrlopowNaleznych(o.urlop, data).c_str(), stdout);
    std::fflush(stdout);
    zrodla.Komunikaty().Pokaz(s->dialogi);
    return 0;
}

}  // namespace mirta::cli
