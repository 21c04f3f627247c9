#pragma once

#include "kit/okno_edycji.h"
#include "kit/uslugi.h"

namespace mirta::kit {
class AutomaticEdit;
class DataSource;
}  // namespace mirta::kit

namespace mirta::store {
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The unit's own data: the first record of Parametry.DB in the payroll directory. Long-lived,
// shown modally; closing asks what to do with unsaved changes.
class TFDaneFirmy : public kit::OknoEdycji {
    Q_OBJECT
public:
    // Throws EngineError when Parametry.DB cannot be opened.
    explicit TFDaneFirmy(const kit::Uslugi& u, QWidget* parent = nullptr)
        : TFDaneFirmy(u.tdm, u.dialogi, u.edycja, parent) {}
    ~TFDaneFirmy() override;

    kit::DataSource& Zrodlo() const { return *m_zrodlo; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFDaneFirmy(store::TDM& tdm, store::Dialogi& dialogi, kit::AutomaticEdit& edycjaAutomatyczna,
                QWidget* parent);
    store::TDM& m_tdm;
    kit::DataSource* m_zrodlo;
};

}  // namespace mirta::shell
