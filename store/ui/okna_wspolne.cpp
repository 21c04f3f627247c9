#include "store/ui/okna_wspolne.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace mirta::store::ui {

kit::Column Kolumna(std::string field, const QString& title, int width, Qt::Alignment alignment) {
    return kit::MakeColumn(std::move(field), title, width, alignment, alignment);
}

QIcon IkonaKoloru(const QColor& kolor) {
    QPixmap obraz(12, 12);
    obraz.fill(kolor);
    QPainter p(&obraz);
    p.setPen(QColor(60, 60, 60));
    p.drawRect(0, 0, 11, 11);
    return QIcon(obraz);
}

}  // namespace mirta::store::ui
