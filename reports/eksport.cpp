#include "reports/eksport.h"

#include <algorithm>
#include <cmath>

#include "reports/miara_tekstu.h"

namespace mirta::reports {

std::vector<std::vector<const ElementTekstu*>> WierszeStrony(const Strona& s) {
    std::vector<const ElementTekstu*> teksty;
    for (const ElementTekstu& t : s.teksty)
        teksty.push_back(&t);
    std::stable_sort(teksty.begin(), teksty.end(),
                     [](auto* a, auto* b) { return a->y != b->y ? a->y < b->y : a->x < b->x; });
    std::vector<std::vector<const ElementTekstu*>> wiersze;
    double y = -1e9;
    for (const ElementTekstu* t : teksty) {
        if (wiersze.empty() || t->y - y > 2) {
            wiersze.emplace_back();
            y = t->y;
        }
        wiersze.back().push_back(t);
    }
    for (auto& w : wiersze)
        std::stable_sort(w.begin(), w.end(), [](auto* a, auto* b) { return a->x < b->x; });
    return wiersze;
}

std::string EksportTxt(const Wydruk& w) {
    constexpr double kPunktyNaZnak = 5.0;
    std::string wynik;
    for (size_t s = 0; s < w.strony.size(); ++s) {
        if (s > 0)
            wynik += '\f';
        for (const auto& wiersz : WierszeStrony(w.strony[s])) {
            std::string linia;
            size_t znaki = 0;
            for (const ElementTekstu* t : wiersz) {
                const size_t dlugosc = LiczbaZnakow(t->tekst);
                double x = t->x;
                if (t->wyrownanie == Wyrownanie::Prawo)
                    x = t->x + t->szerokosc - double(dlugosc) * kPunktyNaZnak;
                size_t kolumna = size_t(std::max(0.0, std::round(x / kPunktyNaZnak)));
                if (znaki > 0 && kolumna <= znaki)
                    kolumna = znaki + 1;
                linia.append(kolumna - std::min(kolumna, znaki), ' ');
                znaki = std::max(kolumna, znaki);
                linia += t->tekst;
                znaki += dlugosc;
            }
            while (!linia.empty() && linia.back() == ' ')
                linia.pop_back();
            wynik += linia + "\n";
        }
    }
    return wynik;
}

std::string PoleCsv(const std::string& t) {
    if (t.find_first_of(",\"\r\n") == std::string::npos)
        return t;
    std::string q = "\"";
    for (char c : t) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + "\"";
}

std::string EksportCsv(const Wydruk& w) {
    std::vector<std::vector<std::string>> wiersze;
    size_t pola = 0;
    for (const Strona& s : w.strony)
        for (const auto& wiersz : WierszeStrony(s)) {
            std::vector<std::string> r;
            for (const ElementTekstu* t : wiersz)
                r.push_back(PoleCsv(t->tekst));
            pola = std::max(pola, r.size());
            wiersze.push_back(std::move(r));
        }
    std::string wynik;
    for (auto& r : wiersze) {
        r.resize(pola);
        for (size_t i = 0; i < r.size(); ++i)
            wynik += (i ? "," : "") + r[i];
        wynik += "\r\n";
    }
    return wynik;
}

namespace {

std::string Html(const std::string& t) {
    std::string h;
    for (char c : t) {
        switch (c) {
            case '<':
                h += "&lt;";
                break;
            case '>':
                h += "&gt;";
                break;
            case '&':
                h += "&amp;";
                break;
            case '"':
                h += "&quot;";
                break;
            default:
                h += c;
        }
    }
    return h;
}

}  // namespace

std::string EksportHtm(const Wydruk& w) {
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Html(w.tytul) +
        "</title>\n<style>td{padding:0 6px;white-space:pre;font-family:sans-serif;"
        "font-size:10pt}.b{font-weight:bold}.p{text-align:right}</style>\n"
        "</head>\n<body>\n";
    for (size_t s = 0; s < w.strony.size(); ++s) {
        h += "<table class=\"strona\" id=\"strona" + std::to_string(s + 1) + "\">\n";
        for (const auto& wiersz : WierszeStrony(w.strony[s])) {
            h += "<tr>";
            for (const ElementTekstu* t : wiersz) {
                std::string klasy;
                if (t->czcionka.pogrubiona)
                    klasy += "b";
                if (t->wyrownanie == Wyrownanie::Prawo)
                    klasy += klasy.empty() ? "p" : " p";
                h += klasy.empty() ? "<td>" : "<td class=\"" + klasy + "\">";
                h += Html(t->tekst) + "</td>";
            }
            h += "</tr>\n";
        }
        h += "</table>\n<hr>\n";
    }
    return h + "</body>\n</html>\n";
}

}  // namespace mirta::reports
