#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;
class QTableWidget;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::store::ui {

// "Terminy": what falls due for the employees from the processing date over the days chosen
// (seniority raises, jubilee awards, additional leave, examinations, identity cards, contracts,
// retirement seniority).
class TFTerminy : public QDialog {
    Q_OBJECT
public:
    TFTerminy(TDM& tdm, TDM1& tdm1, Dialogi& dialogi, QWidget* parent = nullptr);

    // What "Pokaż" does.
    void Pokaz();
    int Wierszy() const;

private:
    TDM& m_tdm;
    TDM1& m_tdm1;
    Dialogi& m_dialogi;
    QSpinBox* m_dni;
    QTableWidget* m_terminy;
    QLabel* m_licznik;
};

}  // namespace mirta::store::ui
