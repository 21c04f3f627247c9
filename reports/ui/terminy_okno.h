#pragma once

#include <QDialog>
#include <cstdint>

#include "reports/format_wydruku.h"
#include "reports/strona.h"

class QLabel;
class QSpinBox;
class QTableWidget;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::reports::ui {

// "Terminy": what falls due for the employees from the processing date over the days chosen
// (seniority raises, jubilee awards, additional leave, examinations, identity cards, contracts,
// retirement seniority); printed through the preview, exported in the report formats.
class TFTerminy : public QDialog {
    Q_OBJECT
public:
    TFTerminy(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
              QWidget* parent = nullptr);

    // What "Pokaż" does.
    void Pokaz();
    int Wierszy() const;
    // The list shown, as a report.
    const Wydruk& Biezacy() const { return m_wydruk; }
    // "Eksport..." with the file and format the dialog gave; false after the message.
    bool Eksportuj(const QString& plik, FormatWydruku format);
    // The employee of the row double-clicked (or Enter on it); 0 when none was.
    int32_t WybranyPracownik() const { return m_wybrany; }

private:
    void Podglad();
    void EksportZOkna();

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    Wydruk m_wydruk;
    QSpinBox* m_dni;
    QTableWidget* m_terminy;
    QLabel* m_licznik;
    int32_t m_wybrany = 0;
};

}  // namespace mirta::reports::ui
