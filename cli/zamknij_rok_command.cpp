#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/kopia_cli.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zamkniecie_roku.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/dialogi.h"

namespace mirta::cli {

// The closing's question is the window's: --tak or the terminal answers it.
int RunZamknijRok(Invocation& call) {
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    if (call.Has("--na-probe")) {
        if (!s->tdm->Sesja().Administrator) {
            s->dialogi.Blad("Nie masz uprawnień administratora systemu !!!", store::kTytulBledu);
            return kExitFailure;
        }
        store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
        const int rok = s->tdm->Sesja().DataPrzetwarzania.year;
        const auto wiersze = store::WierszeZamkniecia(zrodla, rok);
        for (const auto& w : wiersze)
            std::printf("%s\n", store::TekstWierszaZamkniecia(w).c_str());
        std::printf(
            "%s\n",
            store::PodsumowanieZamkniecia(wiersze, store::RokDocelowyZamkniecia(rok)).c_str());
        std::fflush(stdout);
        zrodla.Komunikaty().Pokaz(s->dialogi);
        return kExitOk;
    }
    std::function<bool()> kopia;
    if (const std::string* katalog = call.Value("--kopia"))
        kopia = [&call, &s, katalog] { return WykonajKopie(call, *s, *katalog); };
    const store::WynikZamkniecia w =
        store::ZamknijRokUrlopowy(*s->tdm, *s->tdm1, s->dialogi, kopia);
    return w == store::WynikZamkniecia::Przerwano ? kExitFailure : kExitOk;
}

}  // namespace mirta::cli
