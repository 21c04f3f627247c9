#pragma once

class QCoreApplication;

namespace mirta::kit {

// Polish texts for Qt's own buttons and dialogs (Tak, Nie, Anuluj) and the Polish locale for
// dates and calendars. Amounts are never formatted through QLocale: its Polish grouping is wrong
// for millions in Qt 6.4. Returns false when Qt's Polish translation is not installed.
bool SetUpPolish(QCoreApplication& app);

}  // namespace mirta::kit
