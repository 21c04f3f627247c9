#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "naprawa/naprawa.h"
#include "reports/strona.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace mirta::store {
class Dialogi;
}

namespace mirta::naprawa::ui {

// "Naprawa tabel": the check of every table of the data directory, its findings table by
// table, the repair after the question (and the backup offered), with progress, and the
// report through the preview. Repairing takes the administrator's right.
class TFNaprawaTabel : public QDialog {
    Q_OBJECT
public:
    struct Sesja {
        std::string katalogDanych;
        std::string uzytkownik;
        bool administrator = false;
        // Makes a backup before the repair; none offered when empty.
        std::function<bool()> kopia;
    };
    TFNaprawaTabel(Sesja sesja, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // What "Sprawdź" and "Napraw" do.
    void Sprawdz();
    void Napraw();
    const std::vector<WynikTabeli>& Wyniki() const { return m_wyniki; }
    // The findings as a report.
    reports::Wydruk Raport() const;

private:
    void Pokaz();
    void Pracuj(bool trwa);
    void PokazPostep(const std::string& etap, double czesc);
    void Podglad();

    Sesja m_sesja;
    store::Dialogi& m_dialogi;
    std::vector<WynikTabeli> m_wyniki;
    bool m_poNaprawie = false;
    QTableWidget* m_tabela;
    QLabel* m_podsumowanie;
    QLabel* m_etap;
    QProgressBar* m_postep;
    QPushButton* m_sprawdz;
    QPushButton* m_napraw;
    QPushButton* m_podglad;
    QPushButton* m_zamknij;
};

// The message of a table that did not open, with the repair offered to an administrator: the
// user logs in as one in the window that follows. True when the repair window was opened.
bool ZaproponujNaprawe(const std::string& komunikat, const std::string& katalogDanych,
                       store::Dialogi& dialogi, QWidget* parent);

}  // namespace mirta::naprawa::ui
