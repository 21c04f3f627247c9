#pragma once

#include <QString>
#include <QStyle>
#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace mirta::kit {

// The buttons of the application's windows, with their texts, icons and object names, made in
// one place so every window shows them alike.

// "&Zamknij" ("ButtonZamknij"): rejects the window, as Esc and the close box do.
QPushButton* ZrobPrzyciskZamknij(QDialog& okno);

// A button of a window's own command, laid in the row before its closing button.
QPushButton* ZrobPrzycisk(QDialog& okno, const QString& tekst, const char* nazwa,
                          QStyle::StandardPixmap ikona = QStyle::SP_CustomBase);

// A window's buttons in a right-aligned row, in the order given; the window adds it to its
// layout once.
QHBoxLayout* RzadPrzyciskow(std::initializer_list<QPushButton*> przyciski);

// The button row of a small window that confirms or drops what it asks: the confirming button
// (default, named `nazwa`) and "&Porzuć" ("ButtonPorzuc"), which rejects the window,
// right-aligned.
struct PrzyciskiOkna {
    QPushButton* potwierdz = nullptr;
    QPushButton* porzuc = nullptr;
    QHBoxLayout* uklad = nullptr;
};
PrzyciskiOkna ZrobPrzyciskiOkna(QDialog& okno, QStyle::StandardPixmap ikona, const QString& tekst,
                                const char* nazwa, int szerokosc = 100);

// The width every button of a row keeps at least.
inline constexpr int kSzerokoscPrzycisku = 100;

}  // namespace mirta::kit
