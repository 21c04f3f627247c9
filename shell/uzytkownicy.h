#pragma once

#include <QDialog>

namespace mirta::kit {
class AutomaticEdit;
class DataSource;
class DbEdit;
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The administrator's list of users (Hasla.DB) with their names and rights; no password is
// shown or set here. Bound while it exists; closing asks what to do with unsaved changes.
// The caller checks the administrator's right before opening it.
class TFUzytkownicy : public QDialog {
    Q_OBJECT
public:
    TFUzytkownicy(store::TDM& tdm, store::Dialogi& dialogi, kit::AutomaticEdit& edycjaAutomatyczna,
                  QWidget* parent = nullptr);
    ~TFUzytkownicy() override;

    kit::DataSource& Zrodlo() const { return *m_zrodlo; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool MoznaZamknac();

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    kit::DataSource* m_zrodlo;
};

}  // namespace mirta::shell
