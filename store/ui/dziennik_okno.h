#pragma once

#include <QDialog>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::store::ui {

// "Dziennik zmian": the journal's entries through filters by employee, date, user and table;
// read only. The administrator may move entries older than a date into a file of their own.
class TFDziennikZmian : public QDialog {
    Q_OBJECT
public:
    // `biezacyPracownik`: the employee the pages show (0: none), offered as the filter.
    TFDziennikZmian(TDM& tdm, Dialogi& dialogi, int32_t biezacyPracownik,
                    QWidget* parent = nullptr);

    // What "Pokaż" and "Archiwizuj" do.
    void Pokaz();
    void Archiwizuj();
    int Wierszy() const;

private:
    void WypelnijListy();

    TDM& m_tdm;
    Dialogi& m_dialogi;
    int32_t m_biezacy;
    QLineEdit* m_pracownik;
    QCheckBox* m_odWlaczone;
    QDateEdit* m_od;
    QCheckBox* m_doWlaczone;
    QDateEdit* m_do;
    QComboBox* m_uzytkownik;
    QComboBox* m_tabela;
    QTableWidget* m_wpisy;
    QLabel* m_licznik;
    QDateEdit* m_archiwizujPrzed;
    QPushButton* m_archiwizuj;
};

}  // namespace mirta::store::ui
