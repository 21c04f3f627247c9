#include "reports/qt/zapis_wydruku.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "reports/eksport.h"
#include "reports/eksport_xlsx.h"
#include "reports/plik_qrp.h"
#include "reports/qt/rysowanie.h"
#include "store/udostepnienia.h"

namespace mirta::reports::ui {

namespace {

void ZapiszBajty(const std::string& dane, const std::string& plik) {
    std::ofstream f(plik, std::ios::binary);
    f.write(dane.data(), std::streamsize(dane.size()));
    f.close();
    if (!f)
        throw std::runtime_error("Nie można zapisać pliku " + plik + ".");
}

void Zapisz(const Wydruk& w, FormatWydruku format, const std::string& plik) {
    switch (format) {
        case FormatWydruku::Qrp:
            return ZapiszBajty(ZapiszQrp(w), plik);
        case FormatWydruku::Txt:
            return ZapiszBajty(EksportTxt(w), plik);
        case FormatWydruku::Htm:
            return ZapiszBajty(EksportHtm(w), plik);
        case FormatWydruku::Csv:
            return ZapiszBajty(EksportCsv(w), plik);
        case FormatWydruku::Pdf:
            return ZapiszPdf(w, QString::fromStdString(plik));
        case FormatWydruku::Xlsx:
            return EksportXlsx(w, plik);
    }
}

}  // namespace

void ZapiszWydruk(const Wydruk& w, FormatWydruku format, const std::string& plik) {
    const std::string tymczasowy = plik + ".tmp";
    try {
        Zapisz(w, format, tymczasowy);
        std::filesystem::rename(tymczasowy, plik);
        if (!w.pracownicy.empty())
            store::Udostepniono(store::kOdbiorcaPlik, store::kRodzajRaport, w.tytul, plik,
                                w.pracownicy);
    } catch (const std::filesystem::filesystem_error&) {
        std::error_code ec;
        std::filesystem::remove(tymczasowy, ec);
        throw std::runtime_error("Nie można zapisać pliku " + plik + ".");
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(tymczasowy, ec);
        throw;
    }
}

}  // namespace mirta::reports::ui
