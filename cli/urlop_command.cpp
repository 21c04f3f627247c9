#include <cstdio>

#include "cli/obliczenia_pracownika.h"
#include "compute/urlop.h"

namespace mirta::cli {

int RunUrlop(Invocation& call) {
    ObrazPolecenia p = PoliczObrazDlaPolecenia(call, {.wynagrodzenie = false, .urlop = true});
    if (!p)
        return p.kodBledu;
    std::fputs(compute::TekstUrlopowNaleznych(p.obraz.urlop, p.data).c_str(), stdout);
    return p.Zakoncz();
}

}  // namespace mirta::cli
