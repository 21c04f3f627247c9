// The main window's leave-year commands: the closing of the leave year and the import of the
// 2006 leave rows.
#include "kopia/ui/kopia_okno.h"
#include "shell/glowny.h"
#include "kit/run_guarded.h"
#include "store/dograj_urlopy.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "wspolne/dialogi.h"
#include "store/zamkniecie_roku.h"

namespace mirta::shell {

namespace {

constexpr const char* kZapiszPrzedZamknieciem =
    "Zapisz lub porzuć zmiany przed zamknięciem roku do urlopów !!!";

}  // namespace

// The closing carries what the files hold, and the program ends after it: unsaved changes
// would be left out of the new year, so they must be stored or dropped first.
void TFGlowny::ZamkniecieRoku() {
    if (m_tdm.EditingInProgress() || m_tdm1.EditingInProgress()) {
        m_dialogi.Blad(kZapiszPrzedZamknieciem, store::kTytulZamknieciaRoku);
        return;
    }
    store::WynikZamkniecia wynik = store::WynikZamkniecia::Przerwano;
    const auto kopiaPrzed = [&] {
        return kopia::ui::KopiaPrzedZamknieciemRoku(m_tdm, m_dialogi, this);
    };
    kit::RunGuarded(m_dialogi, [&] {
        wynik = store::ZamknijRokUrlopowy(m_tdm, m_tdm1, m_dialogi, kopiaPrzed);
    });
    if (wynik != store::WynikZamkniecia::Zamknieto)
        return;
    m_zamknijBezPytania = true;
    close();
}

void TFGlowny::DograjUrlopy() {
    kit::RunGuarded(m_dialogi, [&] { store::DograjUrlopy(m_tdm1, m_dialogi); });
}

}  // namespace mirta::shell
