// Which commands of the main window's menu the logged-in user may use.
#include <QAction>
#include <optional>
#include <string>

#include "kit/odmowa.h"
#include "shell/glowny.h"
#include "store/tdm.h"
#include "store/uprawnienia.h"

namespace mirta::shell {

namespace {

enum class Prawo { Zmiana, Administracja, Oba };

struct PolecenieZPrawem {
    const char* nazwa;
    Prawo prawo;
};

// Commands that write, send or export data, or administer the system. The windows they open
// check the same rights again, and so does the core below them.
constexpr PolecenieZPrawem kPolecenia[] = {
    {"uzytkownicy", Prawo::Administracja},  {"szablonyWydrukow", Prawo::Administracja},
    {"zamkniecieRoku", Prawo::Oba},         {"daneStrazy", Prawo::Administracja},
    {"dograjUrlopy", Prawo::Zmiana},        {"przegrajDoPlac", Prawo::Zmiana},
    {"utworzeniePrzesylek", Prawo::Zmiana},
};

std::optional<std::string> Odmowa(Prawo prawo, const store::SesjaUzytkownika& s) {
    std::optional<std::string> odmowa;
    if (prawo != Prawo::Zmiana)
        odmowa = store::OdmowaAdministracji(s);
    if (!odmowa && prawo != Prawo::Administracja)
        odmowa = store::OdmowaZmiany(s);
    return odmowa;
}

}  // namespace

void TFGlowny::ZastosujUprawnienia() {
    for (const PolecenieZPrawem& p : kPolecenia)
        if (QAction* a = Polecenie(p.nazwa))
            kit::PokazOdmowe(*a, Odmowa(p.prawo, m_tdm.Sesja()));
}

}  // namespace mirta::shell
