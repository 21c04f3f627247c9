#pragma once

#include <QString>

class QFrame;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace mirta::kit {

// The framed "please wait" panel a window shows while long work runs ("PanelCzekaj"): a bold,
// centred line saying what runs, and room under it for the work's progress. Hidden when made.
struct PanelCzekania {
    QFrame* ramka = nullptr;
    QLabel* naglowek = nullptr;
    QVBoxLayout* uklad = nullptr;
};
PanelCzekania ZrobPanelCzekania(QWidget& okno, const QString& naglowek);

// A centred line of progress text added under the panel's heading.
QLabel* DodajLiniePostepu(const PanelCzekania& panel, const char* nazwa);

}  // namespace mirta::kit
