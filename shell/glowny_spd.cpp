// The main window's SPD menu: each window made when opened, shown modally, destroyed when
// closed.
#include <QDate>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <memory>

#include "documents/ui/edytor.h"
#include "kit/run_guarded.h"
#include "shell/glowny.h"
#include "shell/opisy_stron.h"
#include "shell/strony_pracownika.h"
#include "spd/mapowanie.h"
#include "spd/ui/harmonogram_okno.h"
#include "spd/ui/kontrola_okno.h"
#include "spd/ui/parametry_okno.h"
#include "spd/ui/przesylki_okno.h"
#include "spd/ui/skladniki_okno.h"
#include "spd/ui/zbiory_spd.h"
#include "store/obraz_pracownika.h"
#include "store/pozycjonowanie.h"
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

// Ends a wait once the window is really hidden (closed), not when it is only minimised.
class KoniecPrzyZamknieciu final : public QObject {
public:
    explicit KoniecPrzyZamknieciu(QEventLoop& petla) : m_petla(petla) {}
    bool eventFilter(QObject* obiekt, QEvent* e) override {
        if (e->type() == QEvent::Hide && !static_cast<QWidget*>(obiekt)->isVisible())
            m_petla.quit();
        return false;
    }

private:
    QEventLoop& m_petla;
};

void ZaczekajNaZamkniecie(QWidget& okno) {
    if (!okno.isVisible())
        return;
    QEventLoop petla;
    KoniecPrzyZamknieciu koniec(petla);
    QPointer<QWidget> straz(&okno);
    okno.installEventFilter(&koniec);
    QObject::connect(&okno, &QObject::destroyed, &petla, &QEventLoop::quit);
    petla.exec(QEventLoop::DialogExec);
    if (straz)
        straz->removeEventFilter(&koniec);
}

}  // namespace

void TFGlowny::UtworzeniePrzesylek() {
    OtworzOkno(m_dialogi, [&] {
        auto okno = std::make_unique<spd::ui::TFHarmonogramSPD>(
            UslugiOkien(), spd::ui::TFHarmonogramSPD::Tryb::Generowanie, Dzisiaj(), this);
        okno->UstawSkok([this](int32_t id, const std::string& k) { PrzejdzDoStrony(id, k); });
        return okno;
    });
}

void TFGlowny::HarmonogramSPD() {
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFHarmonogramSPD>(
            UslugiOkien(), spd::ui::TFHarmonogramSPD::Tryb::Podglad, Dzisiaj(), this);
    });
}

void TFGlowny::WysylaniePrzesylek() {
    bool sa = false;
    kit::RunGuarded(m_dialogi, [&] { sa = spd::ui::PrzesylkiSa(m_tdm, m_dialogi); });
    if (!sa)
        return;
    // The check's error list goes to the text editor; the send goes on only after it closed.
    auto pokazBledy = [this](const QString& tekst) {
        documents::TFEditor& e = EdytorTekstu();
        e.OtworzTekst(tekst);
        e.showMaximized();
        ZaczekajNaZamkniecie(e);
    };
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFSPDWysylaniePrzesylek>(UslugiOkien(), pokazBledy, this);
    });
}

void TFGlowny::SkladnikiWynagrodzenia() {
    OtworzOkno(m_dialogi, [&] {
        return std::make_unique<spd::ui::TFSPDSkladnikiWynagrodzen>(UslugiOkien(), this);
    });
}

void TFGlowny::ParametrySPD() {
    OtworzOkno(m_dialogi,
               [&] { return std::make_unique<spd::ui::TFParametrySPD>(m_tdm, m_dialogi, this); });
}

// Left open beside the main window, so that the clerk can go from finding to finding.
void TFGlowny::KontrolaDanychSPD() {
    auto* okno = new spd::ui::TFKontrolaDanychSPD(
        m_tdm, m_tdm1, m_dialogi, {}, store::DataPrzetwarzania(m_tdm),
        [this](int32_t id, const std::string& k) { PrzejdzDoStrony(id, k); }, this);
    okno->setAttribute(Qt::WA_DeleteOnClose);
    okno->show();
    okno->Sprawdz();
}

void TFGlowny::PrzejdzDoStrony(int32_t pracownik, const std::string& komponent) {
    if (m_tdm.TPracownicy->Editing()) {
        m_dialogi.Blad(kZapiszPracownika, store::kTytulBledu);
        return;
    }
    if (!store::UstawNaWartosci(m_dialogi, m_tdm.TPracownicy, "Identyfikator",
                                engine::Value::Integer(pracownik)))
        return;
    for (const OpisStrony& s : OpisyStron())
        for (const OpisTabeliStrony& t : s.tabele)
            if (t.komponent == komponent) {
                m_strony->PokazStrone(QString::fromUtf8(s.tytul.data(), qsizetype(s.tytul.size())));
                activateWindow();
                return;
            }
    activateWindow();
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
