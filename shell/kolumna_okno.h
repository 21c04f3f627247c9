#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "kit/db_grid.h"
#include "wspolne/dialogi.h"

class QComboBox;
class QLineEdit;

namespace mirta::shell {

inline constexpr const char* kTytulKolumnaOkno = "Zmiana kolumny Grida.";
inline constexpr const char* kBrakPolaKolumny = "Nie znaleziono pola:";
inline constexpr const char* kTytulKontroliDanych = "Kontrola danych.";

// TFPoprawianieGrida: a grid column's title and field, before and after the change.
class KolumnaOkno : public QDialog {
    Q_OBJECT
public:
    // REQUIRES: `kolumna.field` is one of `pola`.
    KolumnaOkno(int numer, const kit::Column& kolumna, const std::vector<std::string>& pola,
                QWidget* parent = nullptr);

    QString NowyTytul() const;
    std::string NowePole() const;

private:
    QLineEdit* m_tytul;
    QComboBox* m_pole;
};

// Runs the dialog for column `numer` of the grid: on "&Zapisz" the column shows the chosen
// field under the typed title. A field not among `pola` is reported and no dialog is shown.
// True when the column was changed.
bool EdytujKolumne(kit::DbGrid& siatka, int numer, const std::vector<std::string>& pola,
                   store::Dialogi& dialogi);

}  // namespace mirta::shell
