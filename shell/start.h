#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLineEdit;
class QSpinBox;
class QTimer;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The start window: the processing date and the user's name and password. "Tak" runs the
// login of TDM and accepts the window when it may close (logged in, or rights revoked: the
// caller then reads tdm.Sesja().Zalogowany()); "Zakończ" and Esc reject it.
class TFStart : public QDialog {
    Q_OBJECT
public:
    TFStart(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // The date of the calendar.
    QDate Data() const;
    bool TimerAktywny() const;

    // Year and month steps; the day is cut to the length of the month reached.
    void RokWstecz();
    void RokDoPrzodu();
    void MiesiacWstecz();
    void MiesiacDoPrzodu();
    // What "Tak" does.
    void Potwierdz();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void KalendarzDoSpinow();
    void SpinyDoKalendarza();
    void PrzesunDate(int lata, int miesiace);

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    QCalendarWidget* m_kalendarz;
    QSpinBox* m_rok;
    QSpinBox* m_miesiac;
    QSpinBox* m_dzien;
    QLineEdit* m_nazwa;
    QLineEdit* m_haslo;
    QTimer* m_timer;
    bool m_wSpinach = false;  // the spinners are being set from the calendar
};

}  // namespace mirta::shell
