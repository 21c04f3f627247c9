#pragma once

#include <QString>
#include <QStyle>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace mirta::shell {

// The button row of a small window: the confirming button (default, named `nazwa`) and
// "&Porzuć", which rejects the window, right-aligned.
struct PrzyciskiOkna {
    QPushButton* potwierdz = nullptr;
    QPushButton* porzuc = nullptr;
    QHBoxLayout* uklad = nullptr;
};

PrzyciskiOkna ZrobPrzyciskiOkna(QDialog& okno, QStyle::StandardPixmap ikona, const QString& tekst,
                                const char* nazwa, int szerokosc = 100);

}  // namespace mirta::shell
