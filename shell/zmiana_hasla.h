#pragma once

#include <QDialog>

class QLineEdit;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The logged-in user's own password change: the old one checked against the stored hash,
// the new one typed twice. Accepted when the new password was stored.
class TFZmianaHasla : public QDialog {
    Q_OBJECT
public:
    TFZmianaHasla(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);

    // What "Zapisz" does; the window stays open when it fails.
    void Zapisz();

protected:
    void showEvent(QShowEvent* event) override;

private:
    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    QLineEdit* m_stare;
    QLineEdit* m_nowe;
    QLineEdit* m_powtorz;
};

}  // namespace mirta::shell
