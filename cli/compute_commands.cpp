// Commands that print the texts and numbers of the computation library, exactly as the
// program shows them.
#include <charconv>
#include <cstdio>
#include <limits>
#include <string>

#include "cli/commands.h"
#include "cli/values.h"
#include "compute/kwota_slownie.h"
#include "compute/okres_lmd.h"
#include "compute/teksty.h"
#include "compute/teksty_dat.h"
#include "compute/wyrazenie.h"
#include "compute/zaokraglij.h"

namespace mirta::cli {

using namespace mirta::compute;

int RunSlownie(Invocation& call) {
    const auto kwota = CzytajLiczbe(call.Operands()[0]);
    if (!kwota)
        return call.UsageError("Niepoprawna kwota: " + call.Operands()[0]);
    std::printf("%s\n", KwotaSlownie(*kwota).c_str());
    return kExitOk;
}

int RunZaokraglij(Invocation& call) {
    const auto liczba = CzytajLiczbe(call.Operands()[0]);
    const auto miejsca = ParseInteger(call.Operands()[1], std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max());
    if (!liczba || !miejsca)
        return call.UsageError();
    char bufor[64];
    const auto w =
        std::to_chars(bufor, bufor + sizeof bufor, Zaokraglij(*liczba, static_cast<int>(*miejsca)));
    std::printf("%.*s\n", static_cast<int>(w.ptr - bufor), bufor);
    return kExitOk;
}

int RunOkres(Invocation& call) {
    const auto od = ParseDate(call.Operands()[0]);
    const auto doDnia = ParseDate(call.Operands()[1]);
    if (!od || !doDnia)
        return call.UsageError("Niepoprawna data: " + call.Operands()[od ? 1 : 0]);
    std::printf("%s\n", TekstOkresu(DlugoscOkresu(*od, *doDnia)).c_str());
    return kExitOk;
}

int RunWyrazenie(Invocation& call) {
    int32_t blad = 0;
    const long double wynik = ObliczWyrazenie(call.Operands()[0], blad);
    if (blad != 0) {
        std::printf("błąd %d\n", static_cast<int>(blad));
        return kExitFailure;
    }
    char bufor[128];
    const auto w =
        std::to_chars(bufor, bufor + sizeof bufor, wynik, std::chars_format::general, 15);
    std::printf("%.*s\n", static_cast<int>(w.ptr - bufor), bufor);
    return kExitOk;
}

// An invalid date prints as the program shows it, and fails.
int RunDataSlownie(Invocation& call) {
    const DataKal data = DataZTekstu(call.Operands()[0]);
    std::printf("%s\n", TekstDaty(data, 'U', true).c_str());
    return data.Poprawna() ? kExitOk : kExitFailure;
}

}  // namespace mirta::cli
