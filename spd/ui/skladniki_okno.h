#pragma once

#include <memory>

#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "kit/uslugi.h"

namespace mirta::store {
class TDM;
}

namespace mirta::spd::ui {

// "Składniki wynagrodzeń do SPD": the lines of the payroll cards mapped to the salary
// components the package reports. Changing them needs the right to change data; a component
// needs its number, code, card line and name.
class TFSPDSkladnikiWynagrodzen : public kit::OknoEdycji {
    Q_OBJECT
public:
    explicit TFSPDSkladnikiWynagrodzen(const kit::Uslugi& u, QWidget* parent = nullptr)
        : TFSPDSkladnikiWynagrodzen(u.tdm, u.dialogi, u.edycja, parent) {}

    engine::Dataset& Skladniki() { return *m_skladniki; }

private:
    TFSPDSkladnikiWynagrodzen(store::TDM& tdm, store::Dialogi& dialogi, kit::AutomaticEdit& edycja,
                              QWidget* parent);
    std::unique_ptr<engine::Dataset> m_skladniki;
};

}  // namespace mirta::spd::ui
