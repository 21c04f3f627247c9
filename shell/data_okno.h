#pragma once

#include <QDate>
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QCalendarWidget;
class QLineEdit;

namespace mirta::kit {
class DbEdit;
}

namespace mirta::shell {

// Input masks of the plain text boxes that take a date; the picker serves these two.
inline constexpr const char* kMaskaDatyRMD = "9999-99-99;_";  // year-month-day
inline constexpr const char* kMaskaDatyDMR = "99.99.9999; ";  // day.month.year

enum class MaskaDaty { RokMiesiacDzien, DzienMiesiacRok };
// The kind of a QLineEdit input mask, or nullopt for a mask the picker does not serve.
std::optional<MaskaDaty> RodzajMaskiDaty(const QString& maska);

// Where the picker of size `okno` goes for a control at `pole` (global coordinates) on a
// screen whose free area is `ekran`: under the control, or over it when the room below is not
// more than its height plus 10; its right edge at the control's, never left of 2.
QPoint PolozenieKalendarza(const QRect& pole, const QSize& okno, const QRect& ekran);

// The calendar pop-up that fills a date field.
class TFData : public QDialog {
    Q_OBJECT
public:
    explicit TFData(QWidget* parent = nullptr);

    void UstawDate(const QDate& data);
    QDate Data() const;
    // Places the window at `kontrolka` by PolozenieKalendarza.
    void UmiescPrzy(const QWidget& kontrolka);

    // A data-bound date field: shows its date (today when empty) and on confirm puts its
    // record into edit and stores the date. True when a date was stored.
    static bool WybierzDoPola(kit::DbEdit& pole);
    // A masked text box: its date, or `domyslna` when it holds none; on confirm writes the
    // date back in the box's own form. True when a date was written.
    static bool WybierzDoMaski(QLineEdit& pole, const QDate& domyslna);

private:
    QCalendarWidget* m_kalendarz;
};

// Whether `kontrolka` takes the picker on a double-click: a data-bound edit of a date field,
// not read-only, in a dataset that can be modified; or a text box with one of the date masks.
bool KontrolkaDaty(const QWidget* kontrolka);

// The double-click hook of the application-wide event filter (FiltrZdarzen::WyborDaty):
// when the focused control `fokus` qualifies (KontrolkaDaty), opens the picker at it
// (`domyslna`, the processing date, for a masked box that holds no date) and returns true, so
// the double-click is consumed; false for any other control.
bool WyborDaty(QWidget* fokus, const QDate& domyslna);

}  // namespace mirta::shell
