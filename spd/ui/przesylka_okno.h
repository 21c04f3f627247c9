#pragma once

#include <QDialog>
#include <memory>

#include "kit/data_source.h"
#include "kit/uslugi.h"
#include "spd/rejestr.h"

class QGroupBox;
class QPushButton;

namespace mirta::store {
class TDM;
}

namespace mirta::spd::ui {

// Whether the package files of a register entry exist; otherwise "Brak pliku:" and the path.
bool PlikiPrzesylkiSa(store::TDM& tdm, const WpisRejestru& wpis, store::Dialogi& dialogi);

// "Przesyłka": the headers of one package above the field rows of the current header, and
// on demand the shipment-log rows of its schedule entry. Everything is read-only.
class TFSPDPrzesylka : public QDialog {
    Q_OBJECT
public:
    TFSPDPrzesylka(const kit::Uslugi& u, const WpisRejestru& wpis, QWidget* parent = nullptr)
        : TFSPDPrzesylka(u.tdm, wpis, u.dialogi, u.edycja, parent) {}

    void PrzelaczPrzesylki();

private:
    TFSPDPrzesylka(store::TDM& tdm, const WpisRejestru& wpis, store::Dialogi& dialogi,
                   kit::AutomaticEdit& edycja, QWidget* parent);
    std::unique_ptr<engine::Dataset> m_naglowki, m_pozycje, m_log;
    QGroupBox* m_panelLogu = nullptr;
};

}  // namespace mirta::spd::ui
