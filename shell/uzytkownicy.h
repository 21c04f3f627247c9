#pragma once

#include "kit/okno_edycji.h"
#include "kit/uslugi.h"

namespace mirta::kit {
class AutomaticEdit;
class DataSource;
class DbEdit;
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::store {
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The administrator's list of users (Hasla.DB) with their names and rights; no password is
// shown or set here. Bound while it exists; closing asks what to do with unsaved changes.
// The caller checks the administrator's right before opening it.
class TFUzytkownicy : public kit::OknoEdycji {
    Q_OBJECT
public:
    explicit TFUzytkownicy(const kit::Uslugi& u, QWidget* parent = nullptr)
        : TFUzytkownicy(u.tdm, u.dialogi, u.edycja, parent) {}
    ~TFUzytkownicy() override;

    kit::DataSource& Zrodlo() const { return *m_zrodlo; }

private:
    TFUzytkownicy(store::TDM& tdm, store::Dialogi& dialogi, kit::AutomaticEdit& edycjaAutomatyczna,
                  QWidget* parent);
    store::TDM& m_tdm;
    kit::DataSource* m_zrodlo;
};

}  // namespace mirta::shell
