#pragma once

#include <optional>
#include <string>

class QAction;
class QWidget;

namespace mirta::kit {

// A command the user's rights do not allow is shown disabled, with the reason as its hint, so
// nobody meets the refusal only after choosing it. Nothing: the command is enabled again.
void PokazOdmowe(QWidget& polecenie, const std::optional<std::string>& odmowa);
void PokazOdmowe(QAction& polecenie, const std::optional<std::string>& odmowa);

}  // namespace mirta::kit
