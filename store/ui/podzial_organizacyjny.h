#pragma once

#include <memory>

#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "kit/uslugi.h"
#include "store/organizacja.h"

namespace mirta::kit {
class DbGrid;
class DbNavigator;
}  // namespace mirta::kit

namespace mirta::store::ui {

// The organisational division window: superior cells above, the cells of the current one
// below. Mode 0 maintains them; in modes 1 (the employee's cell) and 2 (the report filter's
// cell) "&Użyj" hands the current cell on and closes the window with Accepted.
class TFPoidzialOrganizacyjny : public kit::OknoEdycji {
    Q_OBJECT
public:
    // Preselects the cell of the mode; Komorki.db follows KomNad.db until the window is gone.
    TFPoidzialOrganizacyjny(const kit::Uslugi& u, PodzialOrganizacyjny::Tryb tryb,
                            QWidget* parent = nullptr)
        : TFPoidzialOrganizacyjny(u.tdm, u.dialogi, u.edycja, tryb, parent) {}
    ~TFPoidzialOrganizacyjny() override;

    // Once "&Użyj" handed the cell on, the window ends Accepted however it is closed.
    void done(int wynik) override;

private:
    TFPoidzialOrganizacyjny(TDM& tdm, Dialogi& dialogi, kit::AutomaticEdit& edycja,
                            PodzialOrganizacyjny::Tryb tryb, QWidget* parent);
    void Uzyj();

    std::unique_ptr<PodzialOrganizacyjny> m_logika;
    kit::DataSource* m_nad = nullptr;
    kit::DataSource* m_pod = nullptr;
    bool m_uzyto = false;
};

}  // namespace mirta::store::ui
