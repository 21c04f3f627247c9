#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "kit/data_source.h"
#include "kit/uslugi.h"
#include "spd/rejestr.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace mirta::store {
class TDM;
}

namespace mirta::kit {
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::spd::ui {

// Whether the register holds a package; otherwise "Brak wygenerowanych przesyłek !!!".
bool PrzesylkiSa(store::TDM& tdm, store::Dialogi& dialogi);

// "Wysyłanie przesyłek": the package register, newest selected. "Pokarz przesyłkę." shows
// the selected package, "Generuj i wyślij pliki SPD" checks, writes, packs and uploads it
// with the busy panel showing the step and the bytes of the archive sent; "Anuluj" stops
// the upload. The check's error list goes to `pokazBledy`, which returns once the user has
// closed it (the main window's document editor); without one, to a read-only text window.
class TFSPDWysylaniePrzesylek : public QDialog {
    Q_OBJECT
public:
    using PokazanieTekstu = std::function<void(const QString& tekst)>;

    explicit TFSPDWysylaniePrzesylek(const kit::Uslugi& uslugi, PokazanieTekstu pokazBledy = {},
                                     QWidget* parent = nullptr);

    // The register entry under the cursor.
    WpisRejestru Biezacy() const;
    void PokazPrzesylke();
    void GenerujIWyslij();
    // Whether the last send arrived whole, and its identifier.
    const std::string& OstatniaWysylka() const { return m_ostatnia; }
    // Not while a send runs.
    void reject() override;

private:
    void Zajety(bool zajety);

    kit::Uslugi m_uslugi;
    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    PokazanieTekstu m_pokazBledy;
    std::unique_ptr<engine::Dataset> m_rejestr;
    kit::DataSource* m_zrodlo = nullptr;
    kit::DbGrid* m_lista = nullptr;
    kit::DbNavigator* m_nawigator = nullptr;
    QPushButton* m_pokaz = nullptr;
    QPushButton* m_wyslij = nullptr;
    QPushButton* m_zamknij = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_krok = nullptr;
    QProgressBar* m_postep = nullptr;
    QPushButton* m_anuluj = nullptr;
    std::atomic<bool> m_przerwij{false};
    std::string m_ostatnia;
};

}  // namespace mirta::spd::ui
