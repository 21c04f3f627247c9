#include "reports/qt/rysowanie.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

#include "reports/qt/miara_qt.h"

namespace mirta::reports::ui {

void RysujStrone(QPainter& p, const Strona& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Linia& l : s.linie) {
        QPen pioro(Qt::black);
        pioro.setWidthF(l.grubosc);
        pioro.setCapStyle(Qt::FlatCap);
        p.setPen(pioro);
        p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    for (const ElementTekstu& t : s.teksty) {
        if (t.tekst.empty())
            continue;
        p.setPen(QColor::fromRgb(t.kolor));
        p.setFont(CzcionkaWydruku(t.czcionka));
        int flagi = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
        flagi |= t.wyrownanie == Wyrownanie::Prawo    ? Qt::AlignRight
                 : t.wyrownanie == Wyrownanie::Srodek ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
        p.drawText(QRectF(t.x, t.y, t.szerokosc, t.wysokosc), flagi,
                   QString::fromStdString(t.tekst));
    }
    p.restore();
}

QImage ObrazStrony(const Strona& s, double skala) {
    QImage obraz(std::max(1, int(s.szerokosc * skala + 0.5)),
                 std::max(1, int(s.wysokosc * skala + 0.5)), QImage::Format_RGB32);
    // Fonts in points map to pixels at 72 dpi; the painter's scale does the rest.
    obraz.setDotsPerMeterX(2835);
    obraz.setDotsPerMeterY(2835);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.scale(skala, skala);
    RysujStrone(p, s);
    return obraz;
}

void ZapiszPdf(const Wydruk& w, const QString& plik) {
    {
        QPdfWriter pdf(plik);
        pdf.setResolution(72);
        pdf.setTitle(QString::fromStdString(w.tytul));
        pdf.setCreator(QStringLiteral("Mirta"));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        auto rozmiar = [](const Strona& s) {
            return QPageSize(QSizeF(s.szerokosc, s.wysokosc), QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
        };
        if (!w.strony.empty())
            pdf.setPageSize(rozmiar(w.strony.front()));
        QPainter p;
        if (!p.begin(&pdf))
            throw std::runtime_error("Nie można zapisać pliku " + plik.toStdString() + ".");
        for (size_t i = 0; i < w.strony.size(); ++i) {
            if (i > 0) {
                pdf.setPageSize(rozmiar(w.strony[i]));
                pdf.newPage();
            }
            RysujStrone(p, w.strony[i]);
        }
        p.end();
    }
    if (!QFile::exists(plik) || QFile(plik).size() == 0)
        throw std::runtime_error("Nie można zapisać pliku " + plik.toStdString() + ".");
}

}  // namespace mirta::reports::ui
