#include "reports/qt/miara_qt.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <cstdlib>

namespace mirta::reports::ui {

namespace {
constexpr int kKropkiNaMetr72 = 2835;  // 72 dpi
}

QFont CzcionkaWydruku(const Czcionka& c) {
    QFont f(c.rodzina.empty() ? QStringLiteral("DejaVu Sans") : QString::fromStdString(c.rodzina));
    f.setPointSizeF(c.rozmiar);
    f.setBold(c.pogrubiona);
    f.setItalic(c.kursywa);
    f.setUnderline(c.podkreslona);
    f.setKerning(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

MiaraQt::MiaraQt() : m_urzadzenie(1, 1, QImage::Format_RGB32) {
    m_urzadzenie.setDotsPerMeterX(kKropkiNaMetr72);
    m_urzadzenie.setDotsPerMeterY(kKropkiNaMetr72);
}

MiaraQt::~MiaraQt() = default;

double MiaraQt::Szerokosc(std::string_view tekst, const Czcionka& czcionka) const {
    auto& m = m_miary[{czcionka.rozmiar, czcionka.pogrubiona, czcionka.kursywa, czcionka.rodzina}];
    if (!m)
        m = std::make_unique<QFontMetricsF>(CzcionkaWydruku(czcionka), &m_urzadzenie);
    return m->horizontalAdvance(QString::fromUtf8(tekst.data(), qsizetype(tekst.size())));
}

void ZapewnijAplikacjeQt() {
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char nazwa[] = "mirta";
    static char* argv[] = {nazwa, nullptr};
    static QGuiApplication aplikacja(argc, argv);
}

}  // namespace mirta::reports::ui
