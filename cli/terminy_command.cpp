// mirta terminy: what falls due for the employees in the coming days.
#include <iostream>

#include "cli/commands.h"
#include "cli/obliczenia_pracownika.h"
#include "cli/values.h"
#include "store/obraz_pracownika.h"
#include "store/terminy.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {

int RunTerminy(Invocation& call) {
    int32_t dni = 60;
    if (const std::string* n = call.Value("--dni")) {
        const auto liczba = ParseInteger(*n, 0, 3660);
        if (!liczba)
            return call.UsageError("--dni: liczba dni od 0 do 3660.");
        dni = static_cast<int32_t>(*liczba);
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
    for (const store::Termin& t :
         store::TerminyWOkresie(zrodla, store::DataPrzetwarzania(zrodla), dni)) {
        call.Term().out << DataCli(t.data) << '\t' << t.pracownik << '\t' << t.nazwisko << '\t'
                        << store::NazwaTerminu(t.rodzaj) << '\t' << t.opis << '\n';
    }
    call.Term().out.flush();
    zrodla.Komunikaty().Pokaz(s->dialogi);
    return kExitOk;
}

}  // namespace mirta::cli
