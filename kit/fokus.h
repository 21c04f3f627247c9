#pragma once

#include <string>

class QWidget;

namespace mirta::kit {

// After a rule's message about one field: shows the page that holds the field's control (every
// tab page around it) and puts the cursor in it, so what the user types next goes where the
// message pointed. Looks at the controls and grid columns of visible windows that follow a
// record being edited, the active window first. False when no such control was found.
bool PokazPoleBledu(const std::string& pole);

// The focus a window opens with: its first grid or data field, never a button, so that typing
// or Enter right after opening changes nothing by accident. Keeps a focus the window chose on
// anything but a button. Call from showEvent.
void UstawPoczatkowyFokus(QWidget& okno);

}  // namespace mirta::kit
