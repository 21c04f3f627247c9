#pragma once

#include <QFont>
#include <QImage>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "reports/miara_tekstu.h"

class QFontMetricsF;

namespace mirta::reports::ui {

// The font every report prints in: DejaVu Sans has every Polish letter.
QFont CzcionkaWydruku(const Czcionka& c);

// Measures with the real fonts at 72 dots per inch, so a point of the layout is a point of
// the font. REQUIRES: a QGuiApplication exists.
class MiaraQt : public MiaraTekstu {
public:
    MiaraQt();
    ~MiaraQt() override;
    double Szerokosc(std::string_view tekst, const Czcionka& czcionka) const override;

private:
    QImage m_urzadzenie;                                        // 72 dpi
    using Klucz = std::tuple<double, bool, bool, std::string>;  // size, bold, italic, family
    mutable std::map<Klucz, std::unique_ptr<QFontMetricsF>> m_miary;
};

// A QGuiApplication for headless work (the command line): made on first use, on the
// offscreen platform when no display is set; nothing when one already exists.
void ZapewnijAplikacjeQt();

}  // namespace mirta::reports::ui
