#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

namespace mirta::kit {

// A value the control is too narrow for shows whole in a tooltip when the mouse rests on it; a
// value that fits keeps the control's own tooltip.
void PokazujCalaWartosc(QLineEdit& pole);
void PokazujCalaWartosc(QComboBox& lista);

// The text the control shows but cannot fit, or empty when it fits.
QString UcietyTekst(const QLineEdit& pole);
QString UcietyTekst(const QComboBox& lista);

}  // namespace mirta::kit
