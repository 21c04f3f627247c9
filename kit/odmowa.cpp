#include "kit/odmowa.h"

#include <QAction>
#include <QWidget>

namespace mirta::kit {

namespace {

// The hint a window set itself is kept for when the command is allowed again.
constexpr const char* kWlasnaPodpowiedz = "mirtaWlasnaPodpowiedz";

template <typename Polecenie>
void Pokaz(Polecenie& p, const std::optional<std::string>& odmowa) {
    if (!p.property(kWlasnaPodpowiedz).isValid())
        p.setProperty(kWlasnaPodpowiedz, p.toolTip());
    p.setEnabled(!odmowa);
    p.setToolTip(odmowa ? QString::fromStdString(*odmowa)
                        : p.property(kWlasnaPodpowiedz).toString());
}

}  // namespace

void PokazOdmowe(QWidget& polecenie, const std::optional<std::string>& odmowa) {
    Pokaz(polecenie, odmowa);
}

void PokazOdmowe(QAction& polecenie, const std::optional<std::string>& odmowa) {
    Pokaz(polecenie, odmowa);
}

}  // namespace mirta::kit
