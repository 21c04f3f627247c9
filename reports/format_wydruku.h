#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirta::reports {

// What a prepared report is saved as: our own file, or an export.
enum class FormatWydruku { Qrp, Txt, Csv, Htm, Pdf, Xlsx };

// "pdf", "QRP" ...; nothing for an unknown name.
std::optional<FormatWydruku> FormatZNazwy(std::string_view nazwa);
// The extension the format must have, in capitals: "QRP", "TXT", "CSV", "HTM", "PDF", "XLSX".
std::string_view RozszerzenieFormatu(FormatWydruku f);
// Whether the file name's extension (the text after its last dot, any letter case) is the
// format's.
bool RozszerzeniePasuje(std::string_view plik, FormatWydruku f);

inline constexpr const char* kZleRozszerzenie =
    "Rozszerzenie nazwy nie odpowiada wybranemu formatowi.";
inline constexpr const char* kTytulZlegoRozszerzenia = "Nieprawidłowe rozszerzenie";

}  // namespace mirta::reports
