#include <cstdio>

#include "cli/commands.h"
#include "store/dograj_urlopy.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::cli {

int RunDograjUrlopy(Invocation& call) {
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    const auto wynik = store::DograjUrlopy(*s->tdm1, s->dialogi);
    if (!wynik) {
        std::fputs(
            "Urlopy z poprzedniej wersji dogrywa się tylko z datą przetwarzania w 2006 "
            "roku.\n",
            stderr);
        return kExitFailure;
    }
    std::printf("Pozycji dopisanych: %d\nPozycji powtórzonych: %d\nPozycji błędnych: %d\n",
                wynik->dopisane, wynik->powtorzone, wynik->bledne);
    return kExitOk;
}

}  // namespace mirta::cli
