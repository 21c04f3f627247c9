// The main window's personnel file: the page "Akta osobowe" following the current employee.
#include <QLayout>

#include "akta/akta_osobowe.h"
#include "akta/ui/okna_akt.h"
#include "kit/run_guarded.h"
#include "shell/glowny.h"
#include "shell/opisy_stron.h"
#include "shell/strony_pracownika.h"
#include "store/tdm.h"

namespace mirta::shell {

void TFGlowny::PodlaczAkta() {
    QWidget* ramka = m_strony->Strona(kStronaAkt);
    if (!ramka)
        return;
    m_stronaAkt = new akta::ui::StronaAkt(m_dialogi, ramka);
    ramka->layout()->addWidget(m_stronaAkt);
    connect(m_strony, &StronyPracownika::stronaOsadzonaPokazana, this, [this](const QString& t) {
        if (t == kStronaAkt)
            OdswiezStroneAkt();
    });
    if (m_tdm.TPracownicy.IsOpen())
        m_aktaPracownika = m_tdm.TPracownicy->Observe([this](const engine::DatasetChange& z) {
            using Rodzaj = engine::DatasetChange::Kind;
            if ((z.kind == Rodzaj::Scrolled || z.kind == Rodzaj::Reset) && m_stronaAkt->isVisible())
                OdswiezStroneAkt();
        });
}

void TFGlowny::UstawAktaSesji() {
    m_akta = std::make_shared<akta::AktaOsobowe>(m_tdm.Fs(), m_tdm.DataDirectory(), m_tdm.Sesja());
    if (m_stronaAkt)
        m_stronaAkt->UstawAkta(m_akta.get());
}

void TFGlowny::OdswiezStroneAkt() {
    if (!m_stronaAkt || !m_akta)
        return;
    engine::Dataset& pracownicy = *m_tdm.TPracownicy;
    std::optional<akta::OsobaAkt> osoba;
    if (pracownicy.RecordCount() > 0 && !pracownicy.Field("Identyfikator").IsNull())
        kit::RunGuarded(m_dialogi, [&] {
            osoba = akta::ZnajdzOsobe(
                pracownicy.GetTable(),
                static_cast<int32_t>(pracownicy.Field("Identyfikator").AsInteger()));
        });
    m_stronaAkt->UstawPracownika(osoba);
}

}  // namespace mirta::shell
