#pragma once

#include <QString>

class QWidget;

namespace mirta::kit {

// Pictures of windows for people to look at: saved as NAME.png into the folder named by
// MIRTA_ZRZUTY; nothing happens when it is not set. Returns the file written, or empty.
QString ZapiszZrzut(QWidget& okno, const QString& nazwa);

// The folder of MIRTA_ZRZUTY, or empty.
QString FolderZrzutow();

}  // namespace mirta::kit
