#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "store/dialogi.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zamkniecie_roku.h"
#include "store/zrodla_obliczen.h"

namespace mirta::cli {
namespace {

// The session's messages, with the closing's questions answered by --tak or on the terminal;
// without either the answer is no.
class DialogiZamkniecia final : public store::Dialogi {
public:
    DialogiZamkniecia(store::Dialogi& inne, bool tak) : m_inne(inne), m_tak(tak) {}

    void Blad(const std::string& t, const std::string& c) override { m_inne.Blad(t, c); }
    void Ostrzezenie(const std::string& t, const std::string& c) override {
        m_inne.Ostrzezenie(t, c);
    }
    void Informacja(const std::string& t, const std::string& c) override {
        m_inne.Informacja(t, c);
    }
    store::Odpowiedz TakNie(const std::string& tekst, const std::string&, store::Ikona,
                            store::Odpowiedz) override {
        if (m_tak)
            return store::Odpowiedz::Tak;
        if (!isatty(STDIN_FILENO)) {
            std::fprintf(stderr, "%s\nBez terminala potwierdź poleceniem z opcją --tak.\n",
                         tekst.c_str());
            return store::Odpowiedz::Nie;
        }
        std::fprintf(stderr, "%s [t/N] ", tekst.c_str());
        std::string odpowiedz;
        std::getline(std::cin, odpowiedz);
        return odpowiedz == "t" || odpowiedz == "T" || odpowiedz == "tak" || odpowiedz == "Tak"
                   ? store::Odpowiedz::Tak
                   : store::Odpowiedz::Nie;
    }
    store::Odpowiedz TakNieAnuluj(const std::string& t, const std::string& c, store::Ikona i,
                                  store::Odpowiedz d) override {
        return TakNie(t, c, i, d) == store::Odpowiedz::Tak ? store::Odpowiedz::Tak
                                                           : store::Odpowiedz::Anuluj;
    }

private:
    store::Dialogi& m_inne;
    bool m_tak;
};

}  // namespace

int RunZamknijRok(const Args& args) {
    bool naProbe = false, tak = false;
    for (const std::string& a : args) {
        if (a == "--na-probe")
            naProbe = true;
        else if (a == "--tak")
            tak = true;
        else if (a != "--")
            return UsageError("zamknij-rok");
    }
    auto s = Zaloguj();
    if (!s)
        return 1;
    if (naProbe) {
        if (!s->tdm->Sesja().Administrator) {
            s->dialogi->Blad("Nie masz uprawnień administratora systemu !!!", store::kTytulBledu);
            return 1;
        }
        store::ZrodlaObliczen zrodla(*s->tdm, *s->tdm1);
        for (const auto& w :
             store::WierszeZamkniecia(zrodla, s->tdm->Sesja().DataPrzetwarzania.year))
            std::printf("%s\n", store::TekstWierszaZamkniecia(w).c_str());
        std::fflush(stdout);
        zrodla.Komunikaty().Pokaz(*s->dialogi);
        return 0;
    }
    DialogiZamkniecia dialogi(*s->dialogi, tak);
    const store::WynikZamkniecia w = store::ZamknijRokUrlopowy(*s->tdm, *s->tdm1, dialogi);
    return w == store::WynikZamkniecia::Przerwano ? 1 : 0;
}

}  // namespace mirta::cli
