#include "reports/miara_tekstu.h"

#include <algorithm>

namespace mirta::reports {

size_t LiczbaZnakow(std::string_view tekst) {
    size_t n = 0;
    for (unsigned char c : tekst)
        n += (c & 0xC0) != 0x80;
    return n;
}

double MiaraPrzyblizona::Szerokosc(std::string_view tekst, const Czcionka& czcionka) const {
    const double pogrubienie = czcionka.pogrubiona ? 1.1 : 1.0;
    return double(LiczbaZnakow(tekst)) * czcionka.rozmiar * m_wspolczynnik * pogrubienie;
}

double DopasujRozmiar(const MiaraTekstu& miara, std::string_view tekst, Czcionka czcionka,
                      double szerokosc, double najwiekszy, double najmniejszy) {
    for (double r = najwiekszy; r >= najmniejszy; r -= 1) {
        czcionka.rozmiar = r;
        if (miara.Szerokosc(tekst, czcionka) <= szerokosc - 2)
            return r;
    }
    return najmniejszy;
}

size_t PoczatekMieszczacy(const MiaraTekstu& miara, std::string_view tekst,
                          const Czcionka& czcionka, double szerokosc) {
    size_t najlepszy = 0;
    for (size_t i = 1; i <= tekst.size(); ++i) {
        if (i < tekst.size() && (static_cast<unsigned char>(tekst[i]) & 0xC0) == 0x80)
            continue;
        if (miara.Szerokosc(tekst.substr(0, i), czcionka) > szerokosc)
            break;
        najlepszy = i;
    }
    return najlepszy;
}

size_t PierwszaLitera(std::string_view tekst) {
    size_t n = std::min<size_t>(1, tekst.size());
    while (n < tekst.size() && (static_cast<unsigned char>(tekst[n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

namespace {

// The longest prefix of `slowo` that fits, at least one letter.
size_t PrefiksMieszczacy(const MiaraTekstu& miara, std::string_view slowo, const Czcionka& c,
                         double szerokosc) {
    const size_t n = PoczatekMieszczacy(miara, slowo, c, szerokosc);
    return n > 0 ? n : PierwszaLitera(slowo);
}

}  // namespace

std::vector<std::string> PodzielNaWiersze(const MiaraTekstu& miara, std::string_view tekst,
                                          const Czcionka& czcionka, double szerokosc) {
    std::vector<std::string> wiersze;
    std::string biezacy;
    size_t i = 0;
    while (i < tekst.size()) {
        // The next word with the blanks before it, so that leading blanks are kept.
        size_t koniec = i;
        while (koniec < tekst.size() && tekst[koniec] == ' ')
            ++koniec;
        while (koniec < tekst.size() && tekst[koniec] != ' ')
            ++koniec;
        std::string_view kawalek = tekst.substr(i, koniec - i);
        i = koniec;
        std::string proba = biezacy + std::string(kawalek);
        if (miara.Szerokosc(proba, czcionka) <= szerokosc) {
            biezacy = std::move(proba);
            continue;
        }
        if (!biezacy.empty()) {
            wiersze.push_back(biezacy);
            biezacy.clear();
            while (!kawalek.empty() && kawalek.front() == ' ')
                kawalek.remove_prefix(1);
        }
        while (miara.Szerokosc(kawalek, czcionka) > szerokosc) {
            const size_t n = PrefiksMieszczacy(miara, kawalek, czcionka, szerokosc);
            wiersze.emplace_back(kawalek.substr(0, n));
            kawalek.remove_prefix(n);
        }
        biezacy = std::string(kawalek);
    }
    if (!biezacy.empty() || wiersze.empty())
        wiersze.push_back(biezacy);
    return wiersze;
}

}  // namespace mirta::reports
