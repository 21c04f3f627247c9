#pragma once

#include <QDialog>
#include <memory>

#include "kit/uslugi.h"
#include "reports/wybory.h"

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::documents {
class TFEditor;
}

namespace mirta::kit {
class AutomaticEdit;
class DataSource;
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::reports::ui {

class TQuickReportViewer;

// "Wydruki i zestawienia": the nineteen printouts, the period, the unit, and the definition
// of the configurable printout with its saved copies.
class TFWydruki : public QDialog {
    Q_OBJECT
public:
    // `definicja` outlives the window: the cells are kept between openings.
    TFWydruki(const kit::Uslugi& u, DefinicjaWydruku& definicja, QWidget* parent = nullptr)
        : TFWydruki(u.tdm, u.tdm1, u.dialogi, u.edycja, definicja, parent) {}
    ~TFWydruki() override;

    // "&Podgląd": the preview stays open until closed (modal). With `tylkoPrzygotuj` the
    // preview is made and left for the caller (tests look at it) instead of running modally.
    void Podglad(bool tylkoPrzygotuj = false);
    // "&Wydruk": the printer dialog first; cancelled, nothing is printed.
    void Drukuj();
    // "Zapisz" and "Odczytaj" of the saved definitions.
    void ZapiszDefinicje();
    void OdczytajDefinicje();
    // The cell (row 0..2, column 0..9) gets a title and a content; the column widens for the
    // title.
    void UstawOczko(int wiersz, int kolumna, const std::string& tytul, const std::string& tresc);
    void WybierzWydruk(int numer);
    void UstawOkres(const QString& od, const QString& doDnia);

    // The text editor: the template choice produces its document there, and while the window
    // is open the editor's pop-up menu picks tags for the definition's selected cell.
    void UstawEdytor(documents::TFEditor* edytor);
    // The selected cell gets a title and a content (the tag picker), or is emptied.
    void UstawWybraneOczko(const std::string& tytul, const std::string& tresc);

    TQuickReportViewer* OstatniPodglad() const { return m_podglad.get(); }
    ParametryWydruku Parametry() const;

protected:
    void done(int wynik) override;

private:
    TFWydruki(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
              kit::AutomaticEdit& edycja, DefinicjaWydruku& definicja, QWidget* parent);
    // The parts the constructor lays out.
    QWidget* ZbudujWybory();
    QLayout* ZbudujUstawienia();
    QWidget* ZbudujPanelDefinicji(kit::DbNavigator*& nawigator);
    void WczytajNaOtwarcie(kit::DbNavigator& nawigator);
    void ZmianaWyboru();
    // "Wydruk według wzorca.": the selected template filled for the current employee in the
    // editor; a template not meant for the editor passes the checks and produces nothing.
    void WydrukWedlugWzorca();
    int32_t BiezacyPracownik() const;
    void WybierzKomorke();
    void UsunKomorke();
    void PokazKomorke();
    void OdrysujSiatke();
    void KomorkaZmieniona(int wiersz, int kolumna);
    std::optional<int32_t> WybranaDefinicja();
    bool SprawdzNazwe();

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    kit::AutomaticEdit& m_edycja;
    DefinicjaWydruku& m_definicja;
    QListWidget* m_wybory;
    QLineEdit *m_od, *m_do;
    QLabel* m_komorka;
    QCheckBox* m_bezDanych;
    QListWidget* m_szablony;
    QWidget* m_panelDefinicji;
    QTableWidget* m_siatka;
    std::unique_ptr<kit::DataSource> m_nazwy;
    kit::DbGrid* m_gridNazw;
    bool m_odrysowywanie = false;
    std::unique_ptr<TQuickReportViewer> m_podglad;
    documents::TFEditor* m_edytor = nullptr;
};

}  // namespace mirta::reports::ui
