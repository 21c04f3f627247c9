#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "kit/dataset_model.h"
#include "engine/dataset.h"
#include "engine/table.h"

class QWidget;

namespace mirta::spd::ui {

// A dataset of the window's own over a table it opened for its lifetime, in the given index
// order. Read-only: the SPD windows only show what was generated.
std::unique_ptr<engine::Dataset> ZbiorTabeli(std::unique_ptr<engine::Table> tabela,
                                             const std::string& nazwa, std::string_view porzadek);

kit::Column Kolumna(const char* pole, const QString& tytul, int szerokosc,
                    Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignVCenter);

// A plain read-only text window, shown modally: the error list when no editor is at hand.
void PokazTekst(QWidget* rodzic, const QString& tytul, const QString& tekst, const char* nazwa);

// "Tak" / "Nie" for a logical field.
void PokazTakNie(engine::Dataset& zbior, std::string_view pole);

}  // namespace mirta::spd::ui
