#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::kopia::ui {

// "Kopia zapasowa danych": the backup of the data directory into a dated, checked zip archive
// and the restore of an archive into a new directory, with progress.
class TFKopiaDanych : public QDialog {
    Q_OBJECT
public:
    TFKopiaDanych(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // What "Wykonaj kopię" and "Odtwórz" do; true when it succeeded (the message shown).
    bool WykonajKopie();
    bool Odtworz();
    const std::string& OstatnieArchiwum() const { return m_ostatnie; }

private:
    QLineEdit* PoleZWyborem(const QString& nazwa, bool katalog, QWidget* rodzic,
                            QPushButton** wybierz);
    void Pracuj(bool trwa);
    // Runs `praca` with the buttons off, then shows the text it returns or its failure.
    bool Wykonaj(const std::function<std::string()>& praca);
    void PokazPostep(const std::string& etap, double czesc);

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    QLineEdit* m_katalogKopii;
    QCheckBox* m_zPaczkami;
    QSpinBox* m_zachowaj;
    QLineEdit* m_archiwum;
    QLineEdit* m_nowyKatalog;
    QPushButton* m_wykonaj;
    QPushButton* m_odtworz;
    QPushButton* m_zamknij;
    QLabel* m_etap;
    QProgressBar* m_postep;
    std::string m_ostatnie;
};

// The backup offered before the leave-year closing: the window opens with the backup to make;
// true when a backup was made and checked.
bool KopiaPrzedZamknieciemRoku(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent);

}  // namespace mirta::kopia::ui
