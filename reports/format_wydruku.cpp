#include "reports/format_wydruku.h"

#include <array>
#include <cctype>

namespace mirta::reports {

namespace {

constexpr std::array<std::pair<FormatWydruku, std::string_view>, 6> kFormaty = {{
    {FormatWydruku::Qrp, "QRP"},
    {FormatWydruku::Txt, "TXT"},
    {FormatWydruku::Csv, "CSV"},
    {FormatWydruku::Htm, "HTM"},
    {FormatWydruku::Pdf, "PDF"},
    {FormatWydruku::Xlsx, "XLSX"},
}};

std::string Wielkie(std::string_view t) {
    std::string w(t);
    for (char& c : w)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return w;
}

}  // namespace

std::optional<FormatWydruku> FormatZNazwy(std::string_view nazwa) {
    const std::string n = Wielkie(nazwa);
    for (auto [f, r] : kFormaty)
        if (n == r)
            return f;
    return std::nullopt;
}

std::string_view RozszerzenieFormatu(FormatWydruku f) {
    for (auto [g, r] : kFormaty)
        if (g == f)
            return r;
    return {};
}

bool RozszerzeniePasuje(std::string_view plik, FormatWydruku f) {
    const size_t ukosnik = plik.find_last_of("/\\");
    const std::string_view nazwa =
        ukosnik == std::string_view::npos ? plik : plik.substr(ukosnik + 1);
    const size_t kropka = nazwa.rfind('.');
    if (kropka == std::string_view::npos)
        return false;
    return Wielkie(nazwa.substr(kropka + 1)) == RozszerzenieFormatu(f);
}

}  // namespace mirta::reports
