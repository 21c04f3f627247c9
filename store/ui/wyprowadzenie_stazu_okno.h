#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QPlainTextEdit;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::store::ui {

// "Wyprowadzenie stażu": for one employee and the kind chosen, the records counted as entered
// and merged, the gaps and overlaps, the previous employment admitted, the unpaid leave deducted
// with its file, the override date and the result, at the processing date; printable.
class TFWyprowadzenieStazu : public QDialog {
    Q_OBJECT
public:
    TFWyprowadzenieStazu(TDM& tdm, TDM1& tdm1, Dialogi& dialogi, int32_t pracownik,
                         QWidget* parent = nullptr);

    QString Tekst() const;
    // Prints the text shown into a PDF file (the print dialog's choice does the same).
    bool DrukujDoPdf(const QString& plik);

private:
    void Przelicz();
    void Drukuj();

    TDM& m_tdm;
    TDM1& m_tdm1;
    Dialogi& m_dialogi;
    int32_t m_pracownik;
    QComboBox* m_rodzaj;
    QPlainTextEdit* m_tekst;
};

}  // namespace mirta::store::ui
