#pragma once

#include <QDialog>
#include <map>
#include <memory>

#include "compute/data_kal.h"
#include "kit/data_source.h"
#include "kit/uslugi.h"
#include "spd/generowanie.h"
#include "spd/harmonogram.h"
#include "spd/ui/kontrola_okno.h"

class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::kit {
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::spd::ui {

// "Harmonogram SPD": the schedule with its due entries marked. In generation mode the marks
// can be changed and "&Wygeneruj pliki SPD" makes a package of the marked entries; in view
// mode the schedule is only shown. No command changes the entries themselves.
class TFHarmonogramSPD : public QDialog {
    Q_OBJECT
public:
    enum class Tryb { Generowanie, Podglad };

    // `dzis`: the date the due marks are computed for (the computer's date).
    TFHarmonogramSPD(const kit::Uslugi& u, Tryb tryb, compute::DataKal dzis,
                     QWidget* parent = nullptr)
        : TFHarmonogramSPD(u.tdm, u.tdm1, u.dialogi, u.edycja, tryb, dzis, parent) {}

    const Zaznaczenia& Zaznaczone() const { return m_zaznaczone; }
    // The pop-up menu's commands and the generation button.
    void PrzelaczBiezacy();
    void ZaznaczWszystko();
    void OdznaczWszystko();
    void Wygeneruj();
    // The last generation's result.
    const WynikGenerowania& Wynik() const { return m_wynik; }
    // Where a finding of the check before generation leads: the window closes, then `skok`
    // opens the employee's page.
    void UstawSkok(SkokDoPracownika skok) { m_skok = std::move(skok); }

private:
    TFHarmonogramSPD(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                     kit::AutomaticEdit& edycja, Tryb tryb, compute::DataKal dzis, QWidget* parent);
    void CzytajHarmonogram();
    void PokazPostep(const std::string& podpis, double udzial);
    // The check before generation; false when the clerk stops on its findings.
    bool KontrolaPrzedGenerowaniem();

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    Tryb m_tryb;
    compute::DataKal m_dzis;
    std::unique_ptr<engine::Dataset> m_harmonogram;
    kit::DataSource* m_zrodlo = nullptr;
    std::vector<WpisHarmonogramu> m_wpisy;
    Zaznaczenia m_zaznaczone;
    WynikGenerowania m_wynik;
    kit::DbGrid* m_lista = nullptr;
    kit::DbNavigator* m_nawigator = nullptr;
    QMenu* m_menu = nullptr;
    QPushButton* m_wygeneruj = nullptr;
    QPushButton* m_zamknij = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_postep = nullptr;
    SkokDoPracownika m_skok;
};

}  // namespace mirta::spd::ui
