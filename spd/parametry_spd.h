#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/file_system.h"
#include "store/sesja.h"

namespace mirta::spd {

// The fields of the parameters record a user may set, in the window's order.
const std::vector<std::string>& PolaParametrowSPD();
inline constexpr const char* kPoleHasla = "HasloSPD";

// The record's fields as texts (empty for an empty field).
std::map<std::string, std::string> CzytajPolaParametrow(engine::FileSystem& fs,
                                                        const std::string& katalogDanych);

// The rules before the record is stored: an existing working directory ("Brak folderu: "),
// unit codes of letters and digits, upload parameters without control characters. The
// message of the first that fails.
std::optional<std::string> SprawdzPolaParametrow(const std::map<std::string, std::string>& pola,
                                                 const std::string& katalogDanych);

// Changes fields of the parameters record (made when the table has none). Refused, with the
// message, for a user without the right to change data, for an unknown field and when a rule
// fails; nothing is written then.
std::optional<std::string> ZmienParametrySPD(engine::FileSystem& fs,
                                             const std::string& katalogDanych,
                                             const store::SesjaUzytkownika& sesja,
                                             const std::map<std::string, std::string>& zmiany);

// The salary component rules, in order; the message of the first that fails.
std::optional<std::string> SprawdzSkladnikWynagrodzen(const std::string& lp, const std::string& kod,
                                                      const std::string& numer,
                                                      const std::string& nazwa);

inline constexpr const char* kBrakPrawaZmiany = "Nie masz prawa do zmiany danych !!!";

}  // namespace mirta::spd
