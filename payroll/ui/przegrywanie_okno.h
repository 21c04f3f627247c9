#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::payroll::ui {

// Whether the window may open: the payroll program's three files are looked for in order and
// the first one missing is reported.
bool PlikiPlacoweSa(store::TDM& tdm, store::Dialogi& dialogi);

// "Przegrywanie danych do płac.": the Polish-letter standard and the employee number chosen,
// then the employees of the main window's list appended to the payroll program's files.
// Accepted when every employee was written.
class TFPrzegrywanieDoPlac : public QDialog {
    Q_OBJECT
public:
    TFPrzegrywanieDoPlac(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // What "Przegrywaj dane" does.
    void PrzegrajDanePlacowe();

private:
    void PokazPostep(int64_t przegranych);

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    QRadioButton* m_mazowia;
    QRadioButton* m_identyfikator;
    QPushButton* m_przegrywaj;
    QPushButton* m_zamknij;
    QFrame* m_panel;
    QLabel* m_postep;
    int64_t m_wszystkich = 0;
};

}  // namespace mirta::payroll::ui
