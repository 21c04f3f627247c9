#include "documents/ui/linijka.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace mirta::documents {

namespace {

constexpr double kPikseleNaCentymetr = 96.0 / 2.54;
constexpr double kPromienTrafienia = 6;

}  // namespace

Linijka::Linijka(QTextEdit& edytor, QWidget* parent) : QWidget(parent), m_edytor(edytor) {
    setObjectName("Linijka");
    setMinimumHeight(26);
    setMouseTracking(false);
    connect(&m_edytor, &QTextEdit::cursorPositionChanged, this, &Linijka::OdswiezZAkapitu);
    OdswiezZAkapitu();
}

double Linijka::Poczatek() const {
    const QPoint lewyGorny =
        m_edytor.viewport()->mapTo(parentWidget() ? parentWidget() : this, QPoint(0, 0));
    const QPoint mojLewy = mapTo(parentWidget() ? parentWidget() : this, QPoint(0, 0));
    return lewyGorny.x() - mojLewy.x() + m_edytor.document()->documentMargin();
}

double Linijka::Szerokosc() const {
    return m_edytor.viewport()->width() - 2 * m_edytor.document()->documentMargin();
}

void Linijka::OdswiezZAkapitu() {
    const QTextBlockFormat f = m_edytor.textCursor().blockFormat();
    m_lewy = f.leftMargin();
    m_pierwszy = f.textIndent();
    m_prawy = f.rightMargin();
    update();
}

Linijka::Znacznik Linijka::Trafiony(QPoint p) const {
    const double x0 = Poczatek();
    const double gora = height() / 2.0;
    if (p.y() < gora && std::abs(p.x() - (x0 + PierwszyWiersz())) <= kPromienTrafienia)
        return Znacznik::PierwszyWiersz;
    if (p.y() >= gora && std::abs(p.x() - (x0 + m_lewy)) <= kPromienTrafienia)
        return Znacznik::Lewy;
    if (std::abs(p.x() - (x0 + Szerokosc() - m_prawy)) <= kPromienTrafienia)
        return Znacznik::Prawy;
    return Znacznik::Brak;
}

void Linijka::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const double x0 = Poczatek();
    const double w = Szerokosc();
    p.fillRect(QRectF(x0, 4, w, height() - 8), palette().base());
    p.setPen(palette().text().color());
    QFont f = font();
    f.setPointSizeF(7);
    p.setFont(f);
    for (int i = 0; i * kPikseleNaCentymetr / 2 <= w; ++i) {
        const double x = x0 + i * kPikseleNaCentymetr / 2;
        if (i % 2 == 0) {
            if (i > 0)
                p.drawText(QRectF(x - 10, 4, 20, height() - 8), Qt::AlignCenter,
                           QString::number(i / 2));
        } else {
            p.drawLine(QPointF(x, height() / 2.0 - 2), QPointF(x, height() / 2.0 + 2));
        }
    }
    p.setBrush(palette().highlight());
    const double g = height() / 2.0;
    auto trojkat = [&](double x, bool wDol) {
        const double y = wDol ? 0 : height();
        const double s = wDol ? g : g;
        QPolygonF t;
        t << QPointF(x - 5, y) << QPointF(x + 5, y) << QPointF(x, wDol ? s : height() - s + 0);
        p.drawPolygon(t);
    };
    trojkat(x0 + PierwszyWiersz(), true);
    trojkat(x0 + m_lewy, false);
    trojkat(x0 + w - m_prawy, false);
}

void Linijka::mousePressEvent(QMouseEvent* e) {
    m_ciagniety = Trafiony(e->position().toPoint());
}

void Linijka::mouseMoveEvent(QMouseEvent* e) {
    if (m_ciagniety == Znacznik::Brak)
        return;
    const double x = std::clamp(e->position().x() - Poczatek(), 0.0, Szerokosc());
    switch (m_ciagniety) {
        case Znacznik::PierwszyWiersz:
            m_pierwszy = x - m_lewy;
            break;
        case Znacznik::Lewy:
            m_lewy = x;
            break;
        case Znacznik::Prawy:
            m_prawy = Szerokosc() - x;
            break;
        case Znacznik::Brak:
            break;
    }
    update();
}

void Linijka::mouseReleaseEvent(QMouseEvent*) {
    if (m_ciagniety != Znacznik::Brak)
        UstawAkapit();
    m_ciagniety = Znacznik::Brak;
}

void Linijka::UstawAkapit() {
    QTextCursor c = m_edytor.textCursor();
    QTextBlockFormat f;
    f.setLeftMargin(m_lewy);
    f.setTextIndent(m_pierwszy);
    f.setRightMargin(m_prawy);
    c.mergeBlockFormat(f);
    m_edytor.setTextCursor(c);
}

}  // namespace mirta::documents
