#pragma once

#include <QDialog>

namespace mirta::kit {
class AutomaticEdit;
class DataSource;
}  // namespace mirta::kit

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The unit's own data: the first record of Parametry.DB in the payroll directory. Long-lived,
// shown modally; closing asks what to do with unsaved changes.
class TFDaneFirmy : public QDialog {
    Q_OBJECT
public:
    // Throws EngineError when Parametry.DB cannot be opened.
    TFDaneFirmy(store::TDM& tdm, store::Dialogi& dialogi, kit::AutomaticEdit& edycjaAutomatyczna,
                QWidget* parent = nullptr);
    ~TFDaneFirmy() override;

    kit::DataSource& Zrodlo() const { return *m_zrodlo; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool MoznaZamknac();

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    kit::DataSource* m_zrodlo;
};

}  // namespace mirta::shell
