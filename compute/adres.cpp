#include "compute/adres.h"

#include "compute/teksty.h"
#include "compute/utf8.h"

namespace mirta::compute {

namespace {

constexpr std::string_view kSeparatoryNumeru = "//,\\M m";
constexpr std::string_view kZnakiNumeru = "//,\\M m0123456789";

}  // namespace

NumerDomu PodzielNumerDomu(std::string_view tekst) {
    std::string s;
    for (const char c : Przytnij(tekst))
        if (c != ' ')
            s += c;
    // The separators are single bytes, so a byte position between the first and the last
    // byte is between the first and the last character.
    for (size_t i = s.size() >= 2 ? s.size() - 2 : 0; i >= 1 && i + 1 < s.size(); --i) {
        if (kSeparatoryNumeru.find(s[i]) != std::string_view::npos)
            return NumerDomu{s.substr(0, i), s.substr(i + 1)};
    }
    return NumerDomu{s, {}};
}

AdresPracownika AdresZDanych(const DaneAdresowe& dane) {
    AdresPracownika a;
    const std::string_view kod = Przytnij(dane.kodPocztaZamieszkania);
    if (kod.empty()) {
        a.kodPocztowy = dane.kodPocztowy;
        a.poczta = dane.poczta;
        a.miejscowosc = dane.miejscowosc;
        a.ulica = dane.ulica;
        NumerDomu n = PodzielNumerDomu(dane.nrDomuIMieszkania);
        a.nrDomu = std::move(n.dom);
        a.nrMieszkania = std::move(n.mieszkanie);
        a.telefon = dane.telefonZamieszkania;
        return a;
    }
    if (utf8::LiczbaZnakow(kod) > 7) {
        a.kodPocztowy = std::string(kod.substr(0, utf8::Przesuniecie(kod, 6)));
        a.poczta = std::string(kod.substr(utf8::Przesuniecie(kod, 7)));
        a.miejscowosc = a.poczta;
    }
    const std::string_view m = Przytnij(dane.miejscowoscAdresZamieszka);
    // The last space between the first and the last character parts street and number.
    size_t spacja = std::string_view::npos;
    for (size_t i = m.size() >= 2 ? m.size() - 2 : 0; i >= 1 && i + 1 < m.size(); --i) {
        if (m[i] == ' ') {
            spacja = i;
            break;
        }
    }
    NumerDomu numer;
    if (spacja != std::string_view::npos) {
        a.ulica = std::string(m.substr(0, spacja));
        numer = PodzielNumerDomu(m.substr(spacja + 1));
    } else if (m.find_first_not_of(kZnakiNumeru) != std::string_view::npos) {
        a.ulica = std::string(m);
    } else {
        numer = PodzielNumerDomu(m);
    }
    a.nrDomu = std::move(numer.dom);
    a.nrMieszkania = std::move(numer.mieszkanie);
    a.telefon = dane.telefonZamieszkania;
    return a;
}

}  // namespace mirta::compute
