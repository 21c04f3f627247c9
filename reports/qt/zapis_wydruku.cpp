#include "reports/qt/zapis_wydruku.h"

#include <stdexcept>

#include "reports/eksport.h"
#include "reports/eksport_xlsx.h"
#include "reports/plik_qrp.h"
#include "reports/qt/rysowanie.h"
#include "store/udostepnienia.h"
#include "wspolne/zapis_atomowy.h"

namespace mirta::reports::ui {

void ZapiszWydruk(const Wydruk& w, FormatWydruku format, const std::string& plik) {
    wspolne::ZapisAtomowy zapis(plik);
    switch (format) {
        case FormatWydruku::Qrp:
            zapis.Dopisz(ZapiszQrp(w));
            break;
        case FormatWydruku::Txt:
            zapis.Dopisz(EksportTxt(w));
            break;
        case FormatWydruku::Htm:
            zapis.Dopisz(EksportHtm(w));
            break;
        case FormatWydruku::Csv:
            zapis.Dopisz(EksportCsv(w));
            break;
        case FormatWydruku::Pdf:
        case FormatWydruku::Xlsx:
            // These write by name, so their message would name the temporary file.
            try {
                if (format == FormatWydruku::Pdf)
                    ZapiszPdf(w, QString::fromStdString(zapis.Tymczasowy().string()));
                else
                    EksportXlsx(w, zapis.Tymczasowy().string());
            } catch (const std::runtime_error&) {
                throw std::runtime_error("Nie można zapisać pliku " + plik + ".");
            }
            break;
    }
    zapis.Zatwierdz();
    if (!w.pracownicy.empty())
        store::Udostepniono(store::kOdbiorcaPlik, store::kRodzajRaport, w.tytul, plik,
                            w.pracownicy);
}

}  // namespace mirta::reports::ui
