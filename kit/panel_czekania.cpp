#include "kit/panel_czekania.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace mirta::kit {

PanelCzekania ZrobPanelCzekania(QWidget& okno, const QString& naglowek) {
    PanelCzekania p;
    p.ramka = new QFrame(&okno);
    p.ramka->setObjectName("PanelCzekaj");
    p.ramka->setFrameShape(QFrame::StyledPanel);
    p.uklad = new QVBoxLayout(p.ramka);
    p.naglowek = new QLabel(naglowek, p.ramka);
    QFont pogrubiona = p.naglowek->font();
    pogrubiona.setBold(true);
    p.naglowek->setFont(pogrubiona);
    p.naglowek->setAlignment(Qt::AlignCenter);
    p.uklad->addWidget(p.naglowek);
    p.ramka->hide();
    return p;
}

QLabel* DodajLiniePostepu(const PanelCzekania& panel, const char* nazwa) {
    auto* linia = new QLabel(panel.ramka);
    linia->setObjectName(nazwa);
    linia->setAlignment(Qt::AlignCenter);
    panel.uklad->addWidget(linia);
    return linia;
}

}  // namespace mirta::kit
