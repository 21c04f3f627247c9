#include "kit/polski.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mirta::kit {

bool SetUpPolish(QCoreApplication& app) {
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    auto* translator = new QTranslator(&app);
    // Qt's own folder, else the copy the package installs beside the program.
    const QString wlasne = QCoreApplication::applicationDirPath() + "/../share/mirta/translations";
    if (!translator->load(polish, "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !translator->load(polish, "qtbase", "_", wlasne)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace mirta::kit
