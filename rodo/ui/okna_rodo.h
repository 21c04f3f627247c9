#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "reports/strona.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace mirta::store {
class Dialogi;
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::rodo::ui {

// "Dane osobowe pracownika": what the program keeps about the current employee, table by
// table, as a report to preview and print, or an archive of CSV files.
class TFDaneOsoby : public QDialog {
    Q_OBJECT
public:
    TFDaneOsoby(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi, int32_t pracownik,
                QWidget* parent = nullptr);
    int Tabel() const;
    const reports::Wydruk& Biezacy() const { return m_wydruk; }
    // "Zapisz archiwum ZIP..." with the file the dialog gave; false after the message.
    bool ZapiszArchiwum(const QString& plik);

private:
    void Podglad();

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    int32_t m_pracownik;
    reports::Wydruk m_wydruk;
    QTableWidget* m_tabele;
};

// "Rejestr udostępnień danych": every time data about people left the program, filtered by
// person and period; printable.
class TFRejestrUdostepnien : public QDialog {
    Q_OBJECT
public:
    TFRejestrUdostepnien(store::TDM& tdm, store::Dialogi& dialogi, int32_t biezacyPracownik,
                         QWidget* parent = nullptr);
    void Pokaz();
    int Wierszy() const;
    const reports::Wydruk& Biezacy() const { return m_wydruk; }

private:
    void Podglad();

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    reports::Wydruk m_wydruk;
    QCheckBox* m_tylkoPracownik;
    QSpinBox* m_pracownik;
    QCheckBox* m_odWlaczone;
    QDateEdit* m_od;
    QCheckBox* m_doWlaczone;
    QDateEdit* m_do;
    QTableWidget* m_lista;
    QLabel* m_licznik;
};

// "Rejestr upoważnień": each user's authorisation to process personal data, given and
// withdrawn, with its scope; the administrator sets the dates; printable.
class TFUpowaznienia : public QDialog {
    Q_OBJECT
public:
    TFUpowaznienia(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);
    int Wierszy() const;
    // "Zapisz" for the selected user; false after the message.
    bool Zapisz();

private:
    void Wypelnij();
    void PokazWybranego();
    void Podglad();

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    QTableWidget* m_lista;
    QCheckBox* m_nadane;
    QDateEdit* m_dataNadania;
    QCheckBox* m_cofniete;
    QDateEdit* m_dataCofniecia;
    QPushButton* m_zapisz;
};

// "Okresy przechowywania akt": the retention rule of each kind of employee (the
// administrator changes them) and the former employees whose files are kept no longer, with
// their anonymisation. `kopia` offers the backup first and tells whether to go on.
class TFOkresyPrzechowywania : public QDialog {
    Q_OBJECT
public:
    TFOkresyPrzechowywania(store::TDM& tdm, store::TDM1& tdm1, store::Dialogi& dialogi,
                           std::function<bool()> kopia, QWidget* parent = nullptr);
    int Osob() const;
    bool ZapiszZasady();
    // "Anonimizuj..." for the selected person; false when it did not happen.
    bool Anonimizuj();

private:
    void Wypelnij();
    void Podglad();
    void DaneOsoby();
    int32_t Wybrany() const;

    store::TDM& m_tdm;
    store::TDM1& m_tdm1;
    store::Dialogi& m_dialogi;
    std::function<bool()> m_kopia;
    QTableWidget* m_zasady;
    QTableWidget* m_osoby;
    reports::Wydruk m_wydruk;
};

}  // namespace mirta::rodo::ui
