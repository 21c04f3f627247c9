#include "reports/ui/podglad_kadrowy.h"

#include "documents/ui/edytor.h"
#include "reports/raport.h"
#include "reports/qt/miara_qt.h"
#include "reports/ui/podglad.h"

namespace mirta::reports::ui {

void PodgladWydrukuKadrowego(TQRWydrukKadrowy& wydruk, const documents::Document& dokument,
                             const QString& tytul, store::Dialogi& dialogi, QWidget* rodzic) {
    // Back to one copy, portrait, however the preview ends.
    struct Przywrocenie {
        TQRWydrukKadrowy& w;
        ~Przywrocenie() { w.Domyslne(); }
    } przywrocenie{wydruk};
    static const MiaraQt miara;
    TQuickReportViewer podglad(dialogi, rodzic);
    podglad.Pokaz(std::make_unique<ZadanieWydruku>(UtworzWydrukKadrowy(
        dokument, miara, wydruk.Ustawienia(), tytul.isEmpty() ? "Wydruk" : tytul.toStdString())));
    podglad.showMaximized();
    podglad.exec();
}

void PodlaczWydrukInny(documents::TFEditor& edytor, TQRWydrukKadrowy& wydruk,
                       store::Dialogi& dialogi) {
    edytor.UstawWydrukInny([&edytor, &wydruk, &dialogi](const documents::Document& dokument,
                                                        int kopie, bool portret,
                                                        const QString& tytul) {
        wydruk.Ustaw(kopie, portret);
        PodgladWydrukuKadrowego(wydruk, dokument, tytul, dialogi, &edytor);
    });
}

}  // namespace mirta::reports::ui
