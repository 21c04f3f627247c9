#include "kit/przyciski_okna.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace mirta::kit {

QPushButton* ZrobPrzycisk(QDialog& okno, const QString& tekst, const char* nazwa,
                          QStyle::StandardPixmap ikona) {
    auto* b = ikona == QStyle::SP_CustomBase
                  ? new QPushButton(tekst, &okno)
                  : new QPushButton(okno.style()->standardIcon(ikona), tekst, &okno);
    b->setObjectName(nazwa);
    b->setAutoDefault(false);
    b->setMinimumWidth(kSzerokoscPrzycisku);
    return b;
}

QPushButton* ZrobPrzyciskZamknij(QDialog& okno) {
    auto* b = ZrobPrzycisk(okno, "&Zamknij", "ButtonZamknij", QStyle::SP_DialogCloseButton);
    QObject::connect(b, &QPushButton::clicked, &okno, &QDialog::reject);
    return b;
}

QHBoxLayout* RzadPrzyciskow(std::initializer_list<QPushButton*> przyciski) {
    auto* uklad = new QHBoxLayout;
    uklad->addStretch();
    for (QPushButton* b : przyciski)
        uklad->addWidget(b);
    return uklad;
}

PrzyciskiOkna ZrobPrzyciskiOkna(QDialog& okno, QStyle::StandardPixmap ikona, const QString& tekst,
                                const char* nazwa, int szerokosc) {
    PrzyciskiOkna p;
    p.potwierdz = ZrobPrzycisk(okno, tekst, nazwa, ikona);
    p.potwierdz->setDefault(true);
    p.porzuc = ZrobPrzycisk(okno, "&Porzuć", "ButtonPorzuc", QStyle::SP_DialogCancelButton);
    QObject::connect(p.porzuc, &QPushButton::clicked, &okno, &QDialog::reject);
    p.uklad = new QHBoxLayout;
    p.uklad->addStretch();
    for (QPushButton* b : {p.potwierdz, p.porzuc}) {
        b->setMinimumWidth(szerokosc);
        p.uklad->addWidget(b);
    }
    return p;
}

}  // namespace mirta::kit
