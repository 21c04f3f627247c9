// The main window's windows of personal data.
#include <memory>

#include "kit/run_guarded.h"
#include "rodo/ui/okna_rodo.h"
#include "shell/glowny.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::shell {

namespace {

template <typename Utworz>
void OtworzOkno(store::Dialogi& dialogi, Utworz utworz) {
    std::unique_ptr<QDialog> okno;
    if (kit::RunGuarded(dialogi, [&] { okno = utworz(); }))
        okno->exec();
}

}  // namespace

void TFGlowny::DaneOsobowePracownika() {
    const int32_t id = BiezacyPracownik();
    if (id == 0) {
        m_dialogi.Blad("Brak pracownika !!!", store::kTytulBledu);
        return;
    }
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<rodo::ui::TFDaneOsoby>(m_tdm, m_tdm1, m_dialogi, id, this);
    });
}

void TFGlowny::RejestrUdostepnien() {
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<rodo::ui::TFRejestrUdostepnien>(m_tdm, m_dialogi,
                                                                BiezacyPracownik(), this);
    });
}

void TFGlowny::RejestrUpowaznien() {
    OtworzOkno(m_dialogi,
               [&] { return std::make_unique<rodo::ui::TFUpowaznienia>(m_tdm, m_dialogi, this); });
}

void TFGlowny::OkresyPrzechowywania() {
    OtworzOkno(m_dialogi, [&] {
        // The backup window first; the anonymisation goes on once it is closed.
        return std::make_unique<rodo::ui::TFOkresyPrzechowywania>(
            m_tdm, m_tdm1, m_dialogi,
            [this] {
                KopiaDanych();
                return true;
            },
            this);
    });
}

}  // namespace mirta::shell
