#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "compute/data_kal.h"
#include "spd/harmonogram.h"
#include "spd/kontrola_przed_generowaniem.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::spd::ui {

// Shows an employee's page in the main window: the employee and the table's component
// ("TUrlopy"; empty: the employee only).
using SkokDoPracownika = std::function<void(int32_t pracownik, const std::string& komponent)>;

// "Kontrola danych przed eksportem": what would make a package wrong, a row per finding; a
// row opens the employee's page (double click, Enter or "Przejdź do pracownika").
class TFKontrolaDanychSPD : public QDialog {
    Q_OBJECT
public:
    // `wpisy`: the schedule entries the package would hold; empty: every active entry.
    TFKontrolaDanychSPD(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                        std::vector<WpisHarmonogramu> wpisy, compute::DataKal dataDanych,
                        SkokDoPracownika skok, QWidget* parent = nullptr);

    // Runs the check again ("Sprawdź ponownie").
    void Sprawdz();
    // Shows findings made elsewhere (the check before generation).
    void Pokaz(std::vector<Usterka> usterki);
    // Opens the page of the finding in `wiersz`; false when it is about no employee.
    bool Przejdz(int wiersz);
    int Wierszy() const;
    // The window closes once a row led to a page (it was opened from another modal window).
    void ZamykajPoSkoku(bool zamykaj) { m_zamykajPoSkoku = zamykaj; }
    const std::vector<Usterka>& Usterki() const { return m_usterki; }

private:
    void PokazOpis(const std::vector<WpisHarmonogramu>& wpisy);

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    std::vector<WpisHarmonogramu> m_wpisy;
    compute::DataKal m_dataDanych;
    SkokDoPracownika m_skok;
    bool m_zamykajPoSkoku = false;
    std::vector<Usterka> m_usterki;
    QLabel* m_opis;
    QTableWidget* m_lista;
    QLabel* m_licznik;
    QPushButton* m_przejdz;
};

}  // namespace mirta::spd::ui
