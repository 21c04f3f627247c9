#include "spd/skrypt_ssh.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "compute/teksty.h"

namespace mirta::spd {

namespace {

bool MaZnakSterujacy(std::string_view tekst) {
    return std::any_of(tekst.begin(), tekst.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

std::optional<int> NumerPortu(std::string_view tekst) {
    if (tekst.empty())
        return 22;
    int port = 0;
    const auto r = std::from_chars(tekst.data(), tekst.data() + tekst.size(), port);
    if (r.ec != std::errc() || r.ptr != tekst.data() + tekst.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// A name, an IPv4 address or an IPv6 address in brackets; nothing that could carry a user,
// a path or a second argument.
bool PoprawnySerwer(std::string_view serwer) {
    if (serwer.empty())
        return false;
    const bool ipv6 = serwer.front() == '[' && serwer.back() == ']';
    if (ipv6)
        serwer = serwer.substr(1, serwer.size() - 2);
    return !serwer.empty() && std::all_of(serwer.begin(), serwer.end(), [&](char c) {
        const auto b = static_cast<unsigned char>(c);
        return std::isalnum(b) || c == '.' || c == '-' || c == '_' || b >= 0x80 ||
               (ipv6 && c == ':');
    });
}

std::string Male(std::string_view tekst) {
    std::string w(tekst);
    for (char& c : w)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return w;
}

LiniaSkryptu CzytajOpen(std::string_view argument) {
    constexpr std::string_view kSchemat = "sftp://";
    argument = compute::Przytnij(argument);
    if (Male(argument.substr(0, kSchemat.size())) != kSchemat)
        throw BladSkryptu("polecenie open bez adresu sftp://");
    argument.remove_prefix(kSchemat.size());
    LiniaSkryptu linia{Polecenie::Open, {}, {}, 22};
    const size_t malpa = argument.rfind('@');
    if (malpa != std::string_view::npos) {
        const std::string_view konto = argument.substr(0, malpa);
        const size_t dwukropek = konto.find(':');
        const auto uzytkownik = DekodujProcentowo(konto.substr(0, dwukropek));
        const auto haslo = dwukropek == std::string_view::npos
                               ? std::optional<std::string>("")
                               : DekodujProcentowo(konto.substr(dwukropek + 1));
        if (!uzytkownik || !haslo)
            throw BladSkryptu("błędne kodowanie użytkownika lub hasła w poleceniu open");
        linia.adres.uzytkownik = *uzytkownik;
        linia.adres.haslo = *haslo;
        argument.remove_prefix(malpa + 1);
    }
    size_t koniecSerwera = argument.front() == '[' ? argument.find(']') : argument.rfind(':');
    if (argument.front() == '[' && koniecSerwera != std::string_view::npos)
        ++koniecSerwera;
    linia.adres.serwer = std::string(argument.substr(0, koniecSerwera));
    if (koniecSerwera < argument.size()) {
        if (argument[koniecSerwera] != ':')
            throw BladSkryptu("błędny adres w poleceniu open");
        linia.adres.port = std::string(argument.substr(koniecSerwera + 1));
    }
    const auto port = NumerPortu(linia.adres.port);
    if (!port || !PoprawnySerwer(linia.adres.serwer))
        throw BladSkryptu("błędny adres w poleceniu open");
    linia.port = *port;
    return linia;
}

}  // namespace

std::optional<std::string> SprawdzParametryPolaczenia(const ParametryPolaczenia& p) {
    const std::pair<const char*, const std::string*> pola[] = {
        {"Użytkownik", &p.uzytkownik}, {"Hasło", &p.haslo}, {"FTP", &p.serwer}, {"Port", &p.port},
        {"Ścieżka FTP", &p.folder},
    };
    for (const auto& [etykieta, wartosc] : pola) {
        if (MaZnakSterujacy(*wartosc))
            return std::string("Pole \"") + etykieta +
                   "\" parametrów wysyłki zawiera niedozwolony znak sterujący.";
    }
    if (p.uzytkownik.empty())
        return "Nie podano użytkownika w parametrach wysyłki.";
    if (!PoprawnySerwer(compute::Przytnij(p.serwer)))
        return "Nieprawidłowy adres serwera FTP: \"" + p.serwer + "\".";
    if (!NumerPortu(compute::Przytnij(p.port)))
        return "Nieprawidłowy numer portu: \"" + p.port + "\".";
    return std::nullopt;
}

std::string KodujProcentowo(std::string_view tekst) {
    std::string w;
    for (char c : tekst) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) && b < 0x80) {
            w += c;
        } else if (c == '-' || c == '.' || c == '_' || c == '~') {
            w += c;
        } else {
            char kod[4];
            std::snprintf(kod, sizeof kod, "%%%02X", b);
            w += kod;
        }
    }
    return w;
}

std::optional<std::string> DekodujProcentowo(std::string_view tekst) {
    auto cyfra = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string w;
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] != '%') {
            w += tekst[i];
            continue;
        }
        if (tekst.size() - i < 3 || cyfra(tekst[i + 1]) < 0 || cyfra(tekst[i + 2]) < 0)
            return std::nullopt;
        w += static_cast<char>(cyfra(tekst[i + 1]) * 16 + cyfra(tekst[i + 2]));
        i += 2;
    }
    return w;
}

std::string TrescSkryptu(const ParametryPolaczenia& p, const std::string& nazwa,
                         HasloWSkrypcie haslo) {
    std::string port(compute::Przytnij(p.port));
    if (port.empty())
        port = "22";
    std::string s;
    s += "open sftp://" + KodujProcentowo(p.uzytkownik);
    if (haslo == HasloWSkrypcie::Jawne)
        s += ":" + KodujProcentowo(p.haslo);
    s += "@" + std::string(compute::Przytnij(p.serwer)) + ":" + port + "\r\n";
    s += "CD " + p.folder + "\r\n";
    for (const char* rozszerzenie : {".zip", ".md5", ".sem"})
        s += "put " + nazwa + rozszerzenie + " \r\n";
    s += "close\r\n";
    s += "exit\r\n";
    return s;
}

std::vector<LiniaSkryptu> CzytajSkrypt(std::string_view tresc) {
    std::vector<LiniaSkryptu> linie;
    while (!tresc.empty()) {
        const size_t koniec = tresc.find('\n');
        std::string_view linia = tresc.substr(0, koniec);
        tresc.remove_prefix(koniec == std::string_view::npos ? tresc.size() : koniec + 1);
        if (!linia.empty() && linia.back() == '\r')
            linia.remove_suffix(1);
        while (!linia.empty() && linia.front() == ' ')
            linia.remove_prefix(1);
        if (linia.empty())
            continue;
        const size_t spacja = linia.find(' ');
        const std::string polecenie = Male(linia.substr(0, spacja));
        const std::string_view argument =
            spacja == std::string_view::npos ? std::string_view() : linia.substr(spacja + 1);
        if (polecenie == "open") {
            linie.push_back(CzytajOpen(argument));
        } else if (polecenie == "cd") {
            // The rest of the line, so a folder may hold spaces.
            linie.push_back({Polecenie::Cd, std::string(argument), {}, 22});
        } else if (polecenie == "put") {
            std::string_view plik = argument;
            while (!plik.empty() && plik.back() == ' ')
                plik.remove_suffix(1);
            if (plik.empty())
                throw BladSkryptu("polecenie put bez nazwy pliku");
            linie.push_back({Polecenie::Put, std::string(plik), {}, 22});
        } else if (polecenie == "close" || polecenie == "exit") {
            linie.push_back(
                {polecenie == "close" ? Polecenie::Close : Polecenie::Exit, {}, {}, 22});
        } else {
            throw BladSkryptu("nieznane polecenie: " + polecenie);
        }
    }
    return linie;
}

}  // namespace mirta::spd
