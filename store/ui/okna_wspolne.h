#pragma once

#include <QIcon>
#include <QString>
#include <string>

#include "kit/dataset_model.h"

class QColor;

namespace mirta::store::ui {

// A small square of one colour with a dark frame, for buttons that stand for a kind of day.
QIcon IkonaKoloru(const QColor& kolor);

// A grid column: `field` under `title`, `width` pixels, cells and title aligned alike.
kit::Column Kolumna(std::string field, const QString& title, int width = 0,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
inline constexpr Qt::Alignment kDoPrawej = Qt::AlignRight | Qt::AlignVCenter;

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace mirta::store::ui
