#pragma once

#include <memory>

#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "kit/uslugi.h"
#include "store/etaty.h"

namespace mirta::store::ui {

// The staffing structure window: headers (year and month) beside the posts of the current
// header. While one of the two is being changed the other's list and navigator are locked.
class TFStrukturaEtatow : public kit::OknoEdycji {
    Q_OBJECT
public:
    // Opens both tables for the window's lifetime.
    explicit TFStrukturaEtatow(const kit::Uslugi& u, QWidget* parent = nullptr)
        : TFStrukturaEtatow(u.tdm1, u.dialogi, u.edycja, parent) {}
    ~TFStrukturaEtatow() override;

private:
    TFStrukturaEtatow(TDM1& tdm1, Dialogi& dialogi, kit::AutomaticEdit& edycja, QWidget* parent);
    void Blokada();

    std::unique_ptr<StrukturaEtatow> m_logika;
    QWidget* m_panelGlowek = nullptr;
    QWidget* m_panelPozycji = nullptr;
};

}  // namespace mirta::store::ui
