#pragma once

#include <QImage>
#include <QString>

#include "reports/strona.h"

class QPainter;

namespace mirta::reports::ui {

// Draws a page on a painter whose units are points (72 per inch), top left at 0, 0.
void RysujStrone(QPainter& p, const Strona& s);
// The page as a picture, `skala` pixels per point, white paper.
QImage ObrazStrony(const Strona& s, double skala);
// Writes the report as a PDF: vector text in the embedded DejaVu fonts, one PDF page per
// page. Throws std::runtime_error with a Polish message when the file cannot be written.
void ZapiszPdf(const Wydruk& w, const QString& plik);

}  // namespace mirta::reports::ui
