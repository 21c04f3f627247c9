#include "compute/teksty.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "compute/utf8.h"
#include "compute/zaokraglij.h"

namespace mirta::compute {

namespace {

constexpr std::string_view kTwardaSpacja = "\xC2\xA0";

std::vector<std::string_view> Znaki(std::string_view t) {
    std::vector<std::string_view> w;
    for (size_t pos = 0; pos < t.size();) {
        w.push_back(utf8::Znak(t, pos));
        pos += w.back().size();
    }
    return w;
}

bool Cyfra(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string TekstKwoty(double kwota, char separatorDziesietny) {
    const double x = Zaokraglij(kwota, 2);
    char bufor[512];
    const auto wynik =
        std::to_chars(bufor, bufor + sizeof bufor, std::fabs(x), std::chars_format::fixed, 2);
    const std::string_view tekst(bufor, wynik.ptr - bufor);
    const size_t kropka = tekst.find('.');
    if (kropka == std::string_view::npos)
        return std::string(tekst);  // inf, nan
    std::string s;
    if (x < 0)
        s += '-';
    for (size_t i = 0; i < kropka; ++i) {
        if (i > 0 && (kropka - i) % 3 == 0)
            s += ' ';
        s += tekst[i];
    }
    s += separatorDziesietny;
    s += tekst.substr(kropka + 1);
    return s;
}

std::optional<double> CzytajLiczbe(std::string_view tekst) {
    std::string s;
    for (size_t pos = 0; pos < tekst.size(); ++pos) {
        if (tekst[pos] == ' ')
            continue;
        if (tekst.substr(pos, kTwardaSpacja.size()) == kTwardaSpacja) {
            pos += kTwardaSpacja.size() - 1;
            continue;
        }
        s += tekst[pos];
    }
    std::string_view t = Przytnij(s);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    std::string liczba(t);
    for (char& c : liczba)
        if (c == ',')
            c = '.';
    // Only plain decimal notation: no "inf", "nan" or hexadecimal.
    const size_t start = !liczba.empty() && liczba[0] == '-' ? 1 : 0;
    if (start >= liczba.size() || !(Cyfra(liczba[start]) || liczba[start] == '.'))
        return std::nullopt;
    double w = 0;
    const auto r = std::from_chars(liczba.data(), liczba.data() + liczba.size(), w,
                                   std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != liczba.data() + liczba.size())
        return std::nullopt;
    return w;
}

double LiczbaZTekstu(std::string_view tekst) {
    return CzytajLiczbe(tekst).value_or(0.0);
}

std::string PrzetlumaczZnaki(std::string_view tekst, std::string_view z, std::string_view na) {
    std::vector<std::string_view> zZnaki = Znaki(z);
    const std::vector<std::string_view> naZnaki = Znaki(na);
    if (zZnaki.size() > naZnaki.size())
        zZnaki.resize(naZnaki.size());
    std::string w;
    w.reserve(tekst.size());
    for (size_t pos = 0; pos < tekst.size();) {
        const std::string_view znak = utf8::Znak(tekst, pos);
        pos += znak.size();
        size_t k = 0;
        while (k < zZnaki.size() && zZnaki[k] != znak)
            ++k;
        w += k < zZnaki.size() ? naZnaki[k] : znak;
    }
    return w;
}

std::string ZamienWszystko(std::string_view tekst, std::string_view wzor,
                           std::string_view zamiana) {
    std::string w(tekst);
    if (wzor.empty() || wzor == zamiana)
        return w;
    const bool jednoPrzejscie = zamiana.find(wzor) != std::string_view::npos;
    size_t od = 0;
    for (;;) {
        const size_t pos = w.find(wzor, od);
        if (pos == std::string::npos)
            return w;
        w.replace(pos, wzor.size(), zamiana);
        // Text before pos held no occurrence; a new one may start inside the replacement
        // at the earliest.
        od = jednoPrzejscie ? pos + zamiana.size()
                            : (pos + 1 >= wzor.size() ? pos + 1 - wzor.size() : 0);
    }
}

std::string PrawaCzesc(std::string_view tekst, int n) {
    if (n <= 0)
        return {};
    const size_t dlugosc = utf8::LiczbaZnakow(tekst);
    if (dlugosc <= static_cast<size_t>(n))
        return std::string(tekst);
    return std::string(tekst.substr(utf8::Przesuniecie(tekst, dlugosc - n)));
}

std::string_view Przytnij(std::string_view tekst) {
    while (!tekst.empty() && static_cast<unsigned char>(tekst.front()) <= ' ')
        tekst.remove_prefix(1);
    while (!tekst.empty() && static_cast<unsigned char>(tekst.back()) <= ' ')
        tekst.remove_suffix(1);
    return tekst;
}

}  // namespace mirta::compute
