// The main window's documents: the text editor, the template registry and the salary
// statement page "Informacja zbiorcza".
#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>

#include "akta/ui/okna_akt.h"
#include "documents/dane_tagow.h"
#include "documents/informacja_zbiorcza.h"
#include "documents/strona_wynagrodzen.h"
#include "documents/ui/dokument_qt.h"
#include "documents/ui/edytor.h"
#include "documents/ui/szablony_wydrukow_okno.h"
#include "kit/run_guarded.h"
#include "reports/ui/podglad_kadrowy.h"
#include "shell/glowny.h"
#include "shell/strony_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/wynagrodzenie.h"
#include "store/zrodla_obliczen.h"

namespace mirta::shell {

void TFGlowny::PodlaczDokumenty() {
    connect(m_strony, &StronyPracownika::informacjaZbiorczaDoPrzebudowy, this,
            &TFGlowny::PrzebudujInformacjeZbiorcza);
    connect(m_strony, &StronyPracownika::wynagrodzeniaDoPrzebudowy, this,
            &TFGlowny::PrzebudujWynagrodzenia);
    if (m_tdm.TPracownicy.IsOpen())
        m_informacjaZbiorcza = m_tdm.TPracownicy->Observe([this](const engine::DatasetChange& z) {
            using Rodzaj = engine::DatasetChange::Kind;
            if ((z.kind == Rodzaj::Scrolled || z.kind == Rodzaj::State ||
                 z.kind == Rodzaj::Reset) &&
                m_strony->InformacjaZbiorcza().isVisible())
                PrzebudujInformacjeZbiorcza();
        });
    if (auto* drukuj = m_strony->findChild<QAction*>("drukujInformacje")) {
        drukuj->setEnabled(true);
        connect(drukuj, &QAction::triggered, this, &TFGlowny::DrukujInformacjeZbiorcza);
    }
}

// The editor is made once and kept; each opening starts a new document.
documents::TFEditor& TFGlowny::EdytorTekstu() {
    if (!m_edytor) {
        m_edytor = new documents::TFEditor(m_dialogi, this);
        m_edytor->setWindowFlag(Qt::Window);
        m_edytor->setWindowModality(Qt::ApplicationModal);
        reports::ui::PodlaczWydrukInny(*m_edytor, m_wydrukKadrowy, m_dialogi);
        akta::ui::PodlaczZapisWAktach(
            *m_edytor, [this] { return m_akta.get(); }, m_dialogi);
    }
    return *m_edytor;
}

void TFGlowny::Edytor() {
    kit::RunGuarded(m_dialogi, [&] {
        documents::TFEditor& e = EdytorTekstu();
        e.Otworz(documents::TFEditor::Tryb::Edycja);
        e.showMaximized();
    });
}

void TFGlowny::SzablonyWydrukow() {
    kit::RunGuarded(m_dialogi, [&] {
        // In front of the editor when the registry is opened beside a document.
        QWidget* rodzic = m_edytor && m_edytor->isVisible() ? static_cast<QWidget*>(m_edytor)
                                                            : static_cast<QWidget*>(this);
        documents::TFSzablonyWydrukow okno(UslugiOkien(), rodzic);
        okno.exec();
    });
}

// The statement pages are rebuilt while the employee record is neither edited nor inserted;
// `budowa` makes the page's document from the employee's data.
void TFGlowny::PrzebudujStrone(
    QTextEdit& strona,
    const std::function<documents::Document(documents::DaneTagow&, store::KomunikatyObliczen&)>&
        budowa) {
    engine::Dataset& pracownicy = *m_tdm.TPracownicy;
    if (pracownicy.Editing())
        return;
    strona.clear();
    if (pracownicy.RecordCount() == 0)
        return;
    kit::RunGuarded(m_dialogi, [&] {
        store::ZrodlaObliczen zrodla(m_tdm, m_tdm1);
        const auto id = static_cast<int32_t>(pracownicy.Field("Identyfikator").AsInteger());
        documents::DaneTagow dane = documents::CzytajDaneTagow(zrodla, id);
        documents::PokazDokument(budowa(dane, zrodla.Komunikaty()), *strona.document());
        zrodla.Komunikaty().Pokaz(m_dialogi);
    });
}

void TFGlowny::PrzebudujInformacjeZbiorcza() {
    const auto rendering = m_strony->PodgladSformatowany() ? documents::Rendering::Sformatowany
                                                           : documents::Rendering::Prosty;
    PrzebudujStrone(m_strony->InformacjaZbiorcza(),
                    [&](documents::DaneTagow& dane, store::KomunikatyObliczen& komunikaty) {
                        if (documents::InformacjaZbiorczaZPremia(dane))
                            store::ZglosBrakPremii(komunikaty, dane.obraz.wynagrodzenie);
                        return documents::InformacjaZbiorcza(dane, rendering);
                    });
}

void TFGlowny::PrzebudujWynagrodzenia() {
    PrzebudujStrone(m_strony->Wynagrodzenia(),
                    [&](documents::DaneTagow& dane, store::KomunikatyObliczen&) {
                        return documents::StronaWynagrodzen(dane, m_tdm.Stawki());
                    });
}

void TFGlowny::DrukujInformacjeZbiorcza() {
    QPrinter drukarka;
    drukarka.setDocName("Informacja zbiorcza");
    QPrintDialog okno(&drukarka, this);
    if (okno.exec() == QDialog::Accepted)
        m_strony->InformacjaZbiorcza().document()->print(&drukarka);
}

}  // namespace mirta::shell
