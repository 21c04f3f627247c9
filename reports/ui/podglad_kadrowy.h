#pragma once

#include <QString>

#include "documents/document.h"
#include "reports/wydruk_kadrowy.h"

class QWidget;

namespace mirta::store {
class Dialogi;
}

namespace mirta::documents {
class TFEditor;
}

namespace mirta::reports::ui {

// Shows the document through the personnel printout at its current settings in the preview
// (modal); afterwards the printout is set back to one copy, portrait.
void PodgladWydrukuKadrowego(TQRWydrukKadrowy& wydruk, const documents::Document& dokument,
                             const QString& tytul, store::Dialogi& dialogi, QWidget* rodzic);

// The editor's "Wydruk inny" items preview its text through `wydruk` with their copies and
// orientation. `wydruk` and `dialogi` outlive the editor.
void PodlaczWydrukInny(documents::TFEditor& edytor, TQRWydrukKadrowy& wydruk,
                       store::Dialogi& dialogi);

}  // namespace mirta::reports::ui
