#include "shell/info.h"

#include <QDate>
#include <QDesktopServices>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "kit/przyciski_okna.h"
#include "store/tdm.h"

namespace mirta::shell {

namespace {

constexpr const char* kWersja = "wersja 1.4.1";

QString Data(const engine::CivilDate& d) {
    return QString::asprintf("%04d-%02d-%02d", d.year, d.month, d.day);
}

// The program's emblem; a click opens the address.
class Godlo : public QLabel {
public:
    explicit Godlo(QWidget* rodzic) : QLabel(rodzic) {
        setObjectName("Godlo");
        constexpr int kBok = 72;
        QPixmap obraz(kBok, kBok);
        obraz.fill(Qt::transparent);
        QPainter p(&obraz);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient tlo(0, 0, 0, kBok);
        tlo.setColorAt(0, QColor(0x2f, 0x5f, 0x9e));
        tlo.setColorAt(1, QColor(0x1b, 0x3a, 0x66));
        p.setBrush(tlo);
        p.setPen(QPen(QColor(0x12, 0x28, 0x48), 2));
        p.drawRoundedRect(QRectF(1, 1, kBok - 2, kBok - 2), 12, 12);
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(44);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, kBok, kBok), Qt::AlignCenter, "M");
        p.end();
        setPixmap(obraz);
        setCursor(Qt::PointingHandCursor);
        setToolTip(AdresInformacji().toString());
    }

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            QDesktopServices::openUrl(AdresInformacji());
        QLabel::mouseReleaseEvent(e);
    }
};

}  // namespace

QUrl AdresInformacji() {
    return QUrl("https://www.gov.pl/");
}

TFInfo::TFInfo(store::TDM& tdm, store::Dialogi&, QWidget* parent) : QDialog(parent) {
    setObjectName("TFInfo");
    setWindowTitle("Informacje o systemie");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* nazwa = new QLabel("Mirta", this);
    QFont duza = nazwa->font();
    duza.setPointSizeF(duza.pointSizeF() * 2.2);
    duza.setBold(true);
    nazwa->setFont(duza);
    auto* wersja = new QLabel(kWersja, this);
    wersja->setObjectName("Wersja");
    auto* opis = new QLabel("Ewidencja kadrowa jednostki", this);
    auto* tytul = new QVBoxLayout;
    tytul->setSpacing(2);
    tytul->addWidget(nazwa);
    tytul->addWidget(wersja);
    tytul->addWidget(opis);
    tytul->addStretch();
    auto* naglowek = new QHBoxLayout;
    naglowek->addWidget(new Godlo(this), 0, Qt::AlignTop);
    naglowek->addSpacing(12);
    naglowek->addLayout(tytul, 1);

    auto* linia = new QFrame(this);
    linia->setFrameShape(QFrame::HLine);
    linia->setFrameShadow(QFrame::Sunken);

    const store::SesjaUzytkownika& sesja = tdm.Sesja();
    const QDate dzis = QDate::currentDate();
    const std::pair<const char*, QString> wartosci[] = {
        {"Uzytkownik", QString::fromStdString(sesja.NazwaPelna)},
        {"DataSystemowa", Data({dzis.year(), dzis.month(), dzis.day()})},
        {"DataPrzetwarzania", Data(sesja.DataPrzetwarzania)},
    };
    const char* etykiety[] = {"Użytkownik:", "Data systemowa:", "Data przetwarzania:"};
    auto* dane = new QGridLayout;
    dane->setHorizontalSpacing(12);
    for (int i = 0; i < 3; ++i) {
        dane->addWidget(new QLabel(etykiety[i], this), i, 0, Qt::AlignRight);
        auto* wartosc = new QLabel(wartosci[i].second, this);
        wartosc->setObjectName(wartosci[i].first);
        QFont f = wartosc->font();
        f.setBold(true);
        wartosc->setFont(f);
        wartosc->setTextInteractionFlags(Qt::TextSelectableByMouse);
        dane->addWidget(wartosc, i, 1);
    }
    dane->setColumnStretch(1, 1);

    QPushButton* zamknij = kit::ZrobPrzyciskZamknij(*this);
    zamknij->setDefault(true);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zamknij);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(naglowek);
    uklad->addWidget(linia);
    uklad->addLayout(dane);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

}  // namespace mirta::shell
