#include "kit/zrzuty.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

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
    return okno.grab().save(plik, "PNG") ? plik : QString();
}

}  // namespace mirta::kit
