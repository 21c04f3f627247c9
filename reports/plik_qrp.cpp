#include "reports/plik_qrp.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace mirta::reports {

namespace {

constexpr std::string_view kSygnatura = "MIRTA-WYDRUK";
constexpr size_t kNajwiecejStron = 200000;
constexpr size_t kNajwiecejElementow = 20000;  // per page
constexpr size_t kNajwiecejWierszy = 1000000;  // a spreadsheet's rows
constexpr double kNajwiekszaWspolrzedna = 100000;

std::string Ucieczka(std::string_view t) {
    std::string w;
    for (char c : t) {
        switch (c) {
            case '\\':
                w += "\\\\";
                break;
            case '\t':
                w += "\\t";
                break;
            case '\n':
                w += "\\n";
                break;
            case '\r':
                w += "\\r";
                break;
            default:
                w += c;
        }
    }
    return w;
}

std::string Liczba(double x) {
    char b[64];
    auto [p, ec] = std::to_chars(b, b + sizeof b, x);
    return std::string(b, p);
}

class Czytnik {
public:
    explicit Czytnik(std::string_view dane) : m_dane(dane) {}

    bool Nastepny() {
        if (m_poz >= m_dane.size())
            return false;
        size_t koniec = m_dane.find('\n', m_poz);
        if (koniec == std::string_view::npos)
            Blad("brak końca wiersza");
        std::string_view linia = m_dane.substr(m_poz, koniec - m_poz);
        m_poz = koniec + 1;
        ++m_wiersz;
        m_pola.clear();
        size_t a = 0;
        while (true) {
            size_t b = linia.find('\t', a);
            m_pola.push_back(linia.substr(a, b == std::string_view::npos ? b : b - a));
            if (b == std::string_view::npos)
                break;
            a = b + 1;
        }
        return true;
    }

    std::string_view Rodzaj() const { return m_pola[0]; }
    // The values of a WIERSZ record.
    WierszArkusza Wiersz() const {
        WierszArkusza w;
        if (m_pola.size() > 1001)
            Blad("za dużo kolumn");
        for (size_t i = 1; i < m_pola.size(); ++i) {
            if (m_pola[i].empty())
                Blad("pusta wartość arkusza");
            KomorkaArkusza k;
            const char rodzaj = m_pola[i][0];
            const std::string_view wartosc = m_pola[i].substr(1);
            switch (rodzaj) {
                case '0':
                    k.tekst = TekstZ(wartosc);
                    break;
                case '1':
                    k.rodzaj = RodzajWartosci::Liczba;
                    k.liczba = LiczbaZ(wartosc, -1e15, 1e15);
                    break;
                case '2':
                    k.rodzaj = RodzajWartosci::Data;
                    k.dzien = int32_t(LiczbaZ(wartosc, 1, 4000000));
                    break;
                default:
                    Blad("zły rodzaj wartości arkusza");
            }
            w.push_back(std::move(k));
        }
        return w;
    }
    void Pol(size_t n) const {
        if (m_pola.size() != n)
            Blad("zła liczba pól rekordu " + std::string(m_pola[0]));
    }
    double Liczba(size_t i, double min, double max) const { return LiczbaZ(m_pola[i], min, max); }
    double LiczbaZ(std::string_view t, double min, double max) const {
        double x = 0;
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
        if (ec != std::errc() || p != t.data() + t.size() || !std::isfinite(x) || x < min ||
            x > max)
            Blad("zła liczba „" + std::string(t.substr(0, 40)) + "”");
        return x;
    }
    int Calkowita(size_t i, int min, int max) const {
        const double x = Liczba(i, min, max);
        if (x != std::floor(x))
            Blad("zła liczba całkowita");
        return int(x);
    }
    std::string Tekst(size_t i) const { return TekstZ(m_pola[i]); }
    std::string TekstZ(std::string_view t) const {
        std::string w;
        for (size_t k = 0; k < t.size(); ++k) {
            if (t[k] != '\\') {
                w += t[k];
                continue;
            }
            if (++k == t.size())
                Blad("zły tekst");
            switch (t[k]) {
                case '\\':
                    w += '\\';
                    break;
                case 't':
                    w += '\t';
                    break;
                case 'n':
                    w += '\n';
                    break;
                case 'r':
                    w += '\r';
                    break;
                default:
                    Blad("zły tekst");
            }
        }
        return w;
    }
    [[noreturn]] void Blad(const std::string& co) const {
        throw BladPlikuWydruku(
            "Plik wydruku jest uszkodzony lub nie jest plikiem wydruku "
            "(wiersz " +
            std::to_string(m_wiersz) + ": " + co + ").");
    }

private:
    std::string_view m_dane;
    size_t m_poz = 0;
    int m_wiersz = 0;
    std::vector<std::string_view> m_pola;
};

}  // namespace

std::string ZapiszQrp(const Wydruk& w) {
    std::string d = std::string(kSygnatura) + "\t" + std::to_string(kWersjaQrp) + "\n";
    d += "TYTUL\t" + Ucieczka(w.tytul) + "\n";
    for (const std::string& k : w.kolumny)
        d += "KOLUMNA\t" + Ucieczka(k) + "\n";
    for (const Strona& s : w.strony) {
        d += "STRONA\t" + Liczba(s.szerokosc) + "\t" + Liczba(s.wysokosc) + "\n";
        for (const ElementTekstu& t : s.teksty)
            d += "TEKST\t" + Liczba(t.x) + "\t" + Liczba(t.y) + "\t" + Liczba(t.szerokosc) + "\t" +
                 Liczba(t.wysokosc) + "\t" + Liczba(t.czcionka.rozmiar) + "\t" +
                 (t.czcionka.pogrubiona ? "1" : "0") + "\t" + std::to_string(int(t.wyrownanie)) +
                 "\t" + std::to_string(int(t.rodzaj)) + "\t" + Liczba(t.liczba) + "\t" +
                 std::to_string(t.dzien) + "\t" + std::to_string(t.kolumna) + "\t" +
                 Ucieczka(t.tekst) + "\t" + Ucieczka(t.czcionka.rodzina) + "\t" +
                 (t.czcionka.kursywa ? "1" : "0") + "\t" + (t.czcionka.podkreslona ? "1" : "0") +
                 "\t" + std::to_string(t.kolor) + "\n";
        for (const Linia& l : s.linie)
            d += "LINIA\t" + Liczba(l.x1) + "\t" + Liczba(l.y1) + "\t" + Liczba(l.x2) + "\t" +
                 Liczba(l.y2) + "\t" + Liczba(l.grubosc) + "\n";
    }
    // A spreadsheet row: every value as its type's digit followed by the value.
    for (const WierszArkusza& r : w.arkusz) {
        d += "WIERSZ";
        for (const KomorkaArkusza& k : r) {
            d += "\t" + std::to_string(int(k.rodzaj));
            switch (k.rodzaj) {
                case RodzajWartosci::Liczba:
                    d += Liczba(k.liczba);
                    break;
                case RodzajWartosci::Data:
                    d += std::to_string(k.dzien);
                    break;
                case RodzajWartosci::Tekst:
                    d += Ucieczka(k.tekst);
                    break;
            }
        }
        d += "\n";
    }
    d += "KONIEC\t" + std::to_string(w.strony.size()) + "\n";
    return d;
}

Wydruk CzytajQrp(std::string_view dane) {
    Czytnik c(dane);
    if (!c.Nastepny() || c.Rodzaj() != kSygnatura)
        c.Blad("brak nagłówka pliku wydruku");
    c.Pol(2);
    const int wersja = c.Calkowita(1, 0, 1000000);
    if (wersja < 1 || wersja > kWersjaQrp)
        throw BladPlikuWydruku("Plik wydruku zapisano w nieznanej wersji formatu.");
    Wydruk w;
    constexpr double M = kNajwiekszaWspolrzedna;
    bool koniec = false;
    while (!koniec && c.Nastepny()) {
        const std::string_view r = c.Rodzaj();
        if (r == "TYTUL") {
            c.Pol(2);
            w.tytul = c.Tekst(1);
        } else if (r == "KOLUMNA") {
            c.Pol(2);
            if (w.kolumny.size() >= 1000)
                c.Blad("za dużo kolumn");
            w.kolumny.push_back(c.Tekst(1));
        } else if (r == "STRONA") {
            c.Pol(3);
            if (w.strony.size() >= kNajwiecejStron)
                c.Blad("za dużo stron");
            Strona s;
            s.szerokosc = c.Liczba(1, 1, M);
            s.wysokosc = c.Liczba(2, 1, M);
            w.strony.push_back(std::move(s));
        } else if (r == "TEKST" || r == "LINIA") {
            if (w.strony.empty())
                c.Blad("element przed pierwszą stroną");
            Strona& s = w.strony.back();
            if (s.teksty.size() + s.linie.size() >= kNajwiecejElementow)
                c.Blad("za dużo elementów na stronie");
            if (r == "TEKST") {
                c.Pol(wersja == 1 ? 13 : 17);
                ElementTekstu t;
                t.x = c.Liczba(1, -M, M);
                t.y = c.Liczba(2, -M, M);
                t.szerokosc = c.Liczba(3, 0, M);
                t.wysokosc = c.Liczba(4, 0, M);
                t.czcionka.rozmiar = c.Liczba(5, 1, 200);
                t.czcionka.pogrubiona = c.Calkowita(6, 0, 1) == 1;
                t.wyrownanie = Wyrownanie(c.Calkowita(7, 0, 2));
                t.rodzaj = RodzajWartosci(c.Calkowita(8, 0, 2));
                t.liczba = c.Liczba(9, -1e15, 1e15);
                t.dzien = c.Calkowita(10, 0, 4000000);
                t.kolumna = c.Calkowita(11, 0, 1000);
                t.tekst = c.Tekst(12);
                if (wersja >= 2) {
                    t.czcionka.rodzina = c.Tekst(13);
                    if (t.czcionka.rodzina.size() > 200)
                        c.Blad("za długa nazwa czcionki");
                    t.czcionka.kursywa = c.Calkowita(14, 0, 1) == 1;
                    t.czcionka.podkreslona = c.Calkowita(15, 0, 1) == 1;
                    t.kolor = uint32_t(c.Calkowita(16, 0, 0xFFFFFF));
                }
                s.teksty.push_back(std::move(t));
            } else {
                c.Pol(6);
                s.linie.push_back({c.Liczba(1, -M, M), c.Liczba(2, -M, M), c.Liczba(3, -M, M),
                                   c.Liczba(4, -M, M), c.Liczba(5, 0, 100)});
            }
        } else if (r == "WIERSZ" && wersja >= 3) {
            if (w.arkusz.size() >= kNajwiecejWierszy)
                c.Blad("za dużo wierszy arkusza");
            w.arkusz.push_back(c.Wiersz());
        } else if (r == "KONIEC") {
            c.Pol(2);
            if (size_t(c.Calkowita(1, 0, int(kNajwiecejStron))) != w.strony.size())
                c.Blad("liczba stron nie zgadza się z zapisaną");
            koniec = true;
        } else {
            c.Blad("nieznany rekord");
        }
    }
    if (!koniec)
        throw BladPlikuWydruku("Plik wydruku jest niepełny (brak zakończenia).");
    if (c.Nastepny())
        c.Blad("dane po zakończeniu pliku");
    return w;
}

}  // namespace mirta::reports
