#include "shell/przyciski_okna.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace mirta::shell {

PrzyciskiOkna ZrobPrzyciskiOkna(QDialog& okno, QStyle::StandardPixmap ikona, const QString& tekst,
                                const char* nazwa, int szerokosc) {
    PrzyciskiOkna p;
    p.potwierdz = new QPushButton(okno.style()->standardIcon(ikona), tekst, &okno);
    p.potwierdz->setObjectName(nazwa);
    p.potwierdz->setDefault(true);
    p.porzuc = new QPushButton(okno.style()->standardIcon(QStyle::SP_DialogCancelButton), "&Porzuć",
                               &okno);
    p.porzuc->setObjectName("ButtonPorzuc");
    p.porzuc->setAutoDefault(false);
    QObject::connect(p.porzuc, &QPushButton::clicked, &okno, &QDialog::reject);
    p.uklad = new QHBoxLayout;
    p.uklad->addStretch();
    for (QPushButton* b : {p.potwierdz, p.porzuc}) {
        b->setMinimumWidth(szerokosc);
        p.uklad->addWidget(b);
    }
    return p;
}

}  // namespace mirta::shell
