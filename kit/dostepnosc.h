#pragma once

class QApplication;
class QWidget;

namespace mirta::kit {

// Screen readers read a control's accessible name and description. Windows label their fields
// (a form row's label, a group's title, a button's text, a hint); this fills what a window left
// out from those, so every control of every window is named without each window saying it.

// Names and describes the controls of `okno` that have no name or description of their own.
void UzupelnijDostepnosc(QWidget& okno);

// Gives the buttons, field labels, tabs and menus of `okno` mnemonics unique among what is
// shown together, on letters typed without a dead key; a menu's items get theirs per menu.
void NadajSkroty(QWidget& okno);

// F10 opens the first menu of a main window's menu bar, as Alt alone does.
void WlaczF10(QWidget& okno);

// Does the same (all three) for every window of the application each time one is shown.
void WlaczDostepnosc(QApplication& aplikacja);

// Whether a widget is a control a screen reader stops at (it takes the focus, or is a button),
// not a container or a part of another control.
bool JestKontrolka(const QWidget& w);

// Whether the window hides the widget for good (a page of a stack not shown now does not count).
bool Ukryta(const QWidget& w);

}  // namespace mirta::kit
