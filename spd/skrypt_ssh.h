#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mirta::spd {

// Where and as whom the package is uploaded.
struct ParametryPolaczenia {
    std::string uzytkownik;
    std::string haslo;
    std::string serwer;  // host name or address
    std::string port;    // empty means 22
    std::string folder;  // target folder on the server
};

// The reason the parameters cannot go into a script (a control character, which would start
// a new script line, or an address or port that is not one), or nothing when they can.
std::optional<std::string> SprawdzParametryPolaczenia(const ParametryPolaczenia& p);

// Percent-encoding of everything but letters, digits and "-._~", so a user name or password
// may hold ":", "@" or "/" without breaking the address.
std::string KodujProcentowo(std::string_view tekst);
std::optional<std::string> DekodujProcentowo(std::string_view tekst);

enum class HasloWSkrypcie { Jawne, Pominiete };

// The upload script of one send: open, CD, put of name.zip, name.md5 and name.sem, close,
// exit; every line ends in CR LF. The copy written to disk for the user to read leaves the
// password out ("open sftp://user@host:port"); the client gets the full one in memory only.
std::string TrescSkryptu(const ParametryPolaczenia& p, const std::string& nazwa,
                         HasloWSkrypcie haslo = HasloWSkrypcie::Jawne);

enum class Polecenie { Open, Cd, Put, Close, Exit };

struct LiniaSkryptu {
    Polecenie polecenie;
    std::string argument;       // folder of CD, local file of put
    ParametryPolaczenia adres;  // of open (folder unused)
    int port = 22;              // of open
};

// A script that cannot be read: an unknown command or a malformed line.
class BladSkryptu : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The script's lines in order; empty lines are skipped, commands are case-insensitive.
std::vector<LiniaSkryptu> CzytajSkrypt(std::string_view tresc);

}  // namespace mirta::spd
