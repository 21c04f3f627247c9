#pragma once

#include <QDialog>
#include <array>

class QCheckBox;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// Which kinds of employees the list shows: six settings of the employee filter. "Zastosuj"
// stores them, refreshes the list and accepts; "Porzuć" leaves them as they were.
class TFWyborFiltru : public QDialog {
    Q_OBJECT
public:
    TFWyborFiltru(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // What "Zastosuj" does.
    void Zastosuj();

private:
    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    std::array<QCheckBox*, 6> m_pola{};
};

}  // namespace mirta::shell
