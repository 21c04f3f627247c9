// mirta kopia and mirta odtworz: the backup of the data directory and its restore.
#include <iostream>

#include "cli/commands.h"
#include "cli/kopia_cli.h"
#include "cli/values.h"
#include "kopia/blad_kopii.h"
#include "kopia/kopia_danych.h"
#include "store/tdm.h"

namespace mirta::cli {

namespace {

bool WykonajKopie(Invocation& call, Sesja& s, const std::string& katalogKopii,
                  kopia::OpcjeKopii opcje) {
    try {
        opcje.katalogPlac = kopia::KatalogPlacSesji(*s.tdm);
        const kopia::WynikKopii w = kopia::UtworzKopie(s.tdm->DataDirectory(), katalogKopii, opcje);
        for (const std::string& stare : w.usuniete)
            call.Term().out << "Usunięto starą kopię: " << stare << '\n';
        call.Term().out << "Plików: " << w.plikow << ", bajtów: " << w.bajtow
                        << "; archiwum sprawdzone.\n"
                        << w.archiwum << std::endl;
        return true;
    } catch (const std::exception& e) {  // the backup's own messages, or a table's
        call.Term().err << e.what() << '\n';
        return false;
    }
}

}  // namespace

int RunKopia(Invocation& call) {
    kopia::OpcjeKopii opcje;
    opcje.zPaczkami = call.Has("--z-paczkami");
    if (const std::string* n = call.Value("--zachowaj")) {
        const auto liczba = ParseInteger(*n, 1, 10000);
        if (!liczba)
            return call.UsageError("--zachowaj: liczba kopii od 1 do 10000.");
        opcje.zachowaj = static_cast<int>(*liczba);
    }
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    return WykonajKopie(call, *s, call.Operands()[0], opcje) ? kExitOk : kExitFailure;
}

bool WykonajKopie(Invocation& call, Sesja& s, const std::string& katalogKopii) {
    return WykonajKopie(call, s, katalogKopii, {});
}

int RunOdtworz(Invocation& call) {
    // Only an administrator restores, so the command logs in like the window's user.
    auto s = call.Zaloguj();
    if (!s)
        return kExitFailure;
    try {
        const kopia::WynikOdczytu w =
            kopia::OdtworzKopieJako(s->tdm->Sesja(), call.Operands()[0], call.Operands()[1]);
        call.Term().out << "Odtworzono plików: " << w.plikow << ", bajtów: " << w.bajtow
                        << ", do katalogu " << call.Operands()[1] << std::endl;
        return kExitOk;
    } catch (const kopia::BladKopii& e) {
        call.Term().err << e.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace mirta::cli
