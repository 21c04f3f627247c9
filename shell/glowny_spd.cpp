// The main window's SPD menu: each window made when opened, shown modally, destroyed when
// closed.
#include <QDate>
#include <memory>

#include "documents/ui/edytor.h"
#include "shell/glowny.h"
#include "shell/kit/run_guarded.h"
#include "spd/mapowanie.h"
#include "spd/ui/harmonogram_okno.h"
#include "spd/ui/parametry_okno.h"
#include "spd/ui/przesylki_okno.h"
#include "spd/ui/skladniki_okno.h"
#include "spd/ui/zbiory_spd.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::shell {

namespace {

compute::DataKal Dzisiaj() {
    const QDate d = QDate::currentDate();
    return {d.year(), static_cast<uint8_t>(d.month()), static_cast<uint8_t>(d.day())};
}

template <typename Utworz>
void OtworzOkno(store::Dialogi& dialogi, Utworz utworz) {
    std::unique_ptr<QDialog> okno;
    if (kit::RunGuarded(dialogi, [&] { okno = utworz(); }))
        okno->exec();
}

}  // namespace

void TFGlowny::UtworzeniePrzesylek() {
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFHarmonogramSPD>(
            m_tdm, m_tdm1, m_dialogi, m_edycjaAutomatyczna,
            spd::ui::TFHarmonogramSPD::Tryb::Generowanie, Dzisiaj(), this);
    });
}

void TFGlowny::HarmonogramSPD() {
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFHarmonogramSPD>(
            m_tdm, m_tdm1, m_dialogi, m_edycjaAutomatyczna,
            spd::ui::TFHarmonogramSPD::Tryb::Podglad, Dzisiaj(), this);
    });
}

void TFGlowny::WysylaniePrzesylek() {
    bool sa = false;
    kit::RunGuarded(m_dialogi, [&] { sa = spd::ui::PrzesylkiSa(m_tdm, m_dialogi); });
    if (!sa)
        return;
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFSPDWysylaniePrzesylek>(m_tdm, m_dialogi,
                                                                  m_edycjaAutomatyczna, this);
    });
}

void TFGlowny::SkladnikiWynagrodzenia() {
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFSPDSkladnikiWynagrodzen>(m_tdm, m_dialogi,
                                                                    m_edycjaAutomatyczna, this);
    });
}

void TFGlowny::ParametrySPD() {
    OtworzOkno(m_dialogi,
               [&] { return std::make_unique<spd::ui::TFParametrySPD>(m_tdm, m_dialogi, this); });
}

// In the text editor, to be printed, saved or passed on.
void TFGlowny::DaneDoMapowania() {
    kit::RunGuarded(m_dialogi, [&] {
        const std::string tekst = spd::DaneDoMapowania(m_tdm, m_tdm1);
        documents::TFEditor& e = EdytorTekstu();
        e.OtworzTekst(QString::fromStdString(tekst));
        e.showMaximized();
    });
}

}  // namespace mirta::shell
