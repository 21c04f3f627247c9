#include "reports/qt/zapis_wydruku.h"

#include "reports/eksport.h"
#include "reports/eksport_xlsx.h"
#include "reports/plik_qrp.h"
#include "reports/qt/rysowanie.h"
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
            ZapiszPdf(w, QString::fromStdString(zapis.Tymczasowy().string()));
            break;
        case FormatWydruku::Xlsx:
            EksportXlsx(w, zapis.Tymczasowy().string());
            break;
    }
    zapis.Zatwierdz();
}

}  // namespace mirta::reports::ui
