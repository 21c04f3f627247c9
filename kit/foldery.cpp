#include "kit/foldery.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace mirta::kit {

namespace {

QHash<QString, QString>& Ostatnie() {
    static QHash<QString, QString> foldery;
    return foldery;
}

}  // namespace

QString FolderDialogu(const QString& rodzaj) {
    const QString ostatni = Ostatnie().value(rodzaj);
    if (!ostatni.isEmpty() && QFileInfo(ostatni).isDir())
        return ostatni;
    const QDir dane = QDir::current();
    if (dane.exists("Dokumenty"))
        return dane.absoluteFilePath("Dokumenty");
    return dane.absolutePath();
}

void ZapamietajFolder(const QString& rodzaj, const QString& plik) {
    if (!plik.isEmpty())
        Ostatnie().insert(rodzaj, QFileInfo(plik).absolutePath());
}

QString RozszerzenieFiltru(const QString& filtr) {
    const QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(filtr);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

}  // namespace mirta::kit
