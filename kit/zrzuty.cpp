#include "kit/zrzuty.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <stdexcept>

#include "wspolne/zapis_atomowy.h"

namespace mirta::kit {

QString FolderZrzutow() {
    return qEnvironmentVariable("MIRTA_ZRZUTY");
}

QString ZapiszZrzut(QWidget& okno, const QString& nazwa) {
    const QString folder = FolderZrzutow();
    if (folder.isEmpty())
        return {};
    QDir().mkpath(folder);
    // Pending layouts and paints first, so the picture shows what a user would see.
    QApplication::processEvents();
    const QString plik = QDir(folder).filePath(nazwa + ".png");
    QByteArray png;
    QBuffer bufor(&png);
    if (!bufor.open(QIODevice::WriteOnly) || !okno.grab().save(&bufor, "PNG"))
        return {};
    try {
        wspolne::ZapiszAtomowo(plik.toStdString(), std::string_view(png.constData(), png.size()));
    } catch (const std::exception&) {
        return {};
    }
    return plik;
}

}  // namespace mirta::kit
