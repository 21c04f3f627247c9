#pragma once

#include <QIcon>
#include <QString>
#include <string>

#include "shell/kit/dataset_model.h"
#include "store/dialogi.h"
#include "store/engine/dataset.h"

class QColor;

namespace mirta::store::ui {

// The message of a window that cannot be created.
inline constexpr const char* kZbytMaleZasoby =
    "  Zbyt małe zasoby systemowe do uruchomienia tej opcji programu !!!";

// One question of a closing window about a table with unsaved changes: in edit state
// `pytanieEdycja`, in insert state `pytanieDopisanie` (Yes/No/Cancel). Yes posts, No drops
// the changes; false for Cancel, the window staying open. A refused post throws, the record
// staying in edit state. Nothing is asked in browse state.
bool ZapytajOZapis(const std::string& pytanieEdycja, const std::string& pytanieDopisanie,
                   const std::string& tytul, engine::Dataset& tabela, Dialogi& dialogi);

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
