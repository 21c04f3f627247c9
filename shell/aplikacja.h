#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "engine/value.h"

namespace mirta::shell {

// How the program was started. Without options it is the office's program: data in the
// working directory, the start window asks who works. The picture mode logs in by itself,
// saves the start and main windows as PNG files and ends.
struct OpcjeAplikacji {
    QString katalogDanych;  // made the working directory first; empty: the current one
    QString folderZrzutow;  // picture mode
    QString uzytkownik;     // the picture mode's user; the password from MIRTA_HASLO
    std::optional<engine::CivilDate> data;  // processing date of the picture mode
};

// Reads the command line (argument 0 is the program). nullopt and `blad` set for a wrong one.
std::optional<OpcjeAplikacji> CzytajOpcje(const QStringList& argumenty, QString& blad);

// The whole run after the application object exists: one copy per user, both data modules
// over the data directory, the main window and its start sequence, the message loop. Returns
// the process's exit code.
int Uruchom(const OpcjeAplikacji& opcje);

}  // namespace mirta::shell
