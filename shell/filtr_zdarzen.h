#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace mirta::shell {

// The keyboard and mouse rules of every window of the program, installed on the application
// by the main window:
// - Enter in a text box, a data-bound edit, a choice list or a radio group moves to the next
//   control (as Tab), unless a list is dropped down or the window has a default button;
// - the wheel over a focused data grid moves its cursor one record (none while the record is
//   edited) instead of scrolling;
// - a left double-click on a date control opens the date picker there.
class FiltrZdarzen : public QObject {
    Q_OBJECT
public:
    // `wyborDaty` opens the date picker at the focused control and returns true, or returns
    // false when the control takes no date (the double-click then goes on as usual).
    using WyborDaty = std::function<bool(QWidget* fokus)>;

    explicit FiltrZdarzen(QObject* parent = nullptr);
    void UstawWyborDaty(WyborDaty wyborDaty) { m_wyborDaty = std::move(wyborDaty); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Enter(QWidget* fokus);
    bool Kolko(QWidget* fokus, int obrot);

    WyborDaty m_wyborDaty;
};

}  // namespace mirta::shell
