#include "compute/wyrazenie.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "compute/teksty.h"
#include "compute/zaokraglij.h"

namespace mirta::compute {

namespace {

constexpr int kMaksymalneZaglebienie = 1000;
constexpr long double kProgPrawdyLub = 1e-6L;
constexpr long double kProgPrawdy = 0.00001L;
constexpr long double kTolerancjaPorownania = 1e-11L;

bool Cyfra(char c) {
    return c >= '0' && c <= '9';
}

// Optional sign, digits with an optional fraction, optional exponent; nothing else.
std::optional<long double> Liczba(std::string_view t) {
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t cyfr = 0;
    while (i < t.size() && Cyfra(t[i]))
        ++i, ++cyfr;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && Cyfra(t[i]))
            ++i, ++cyfr;
    }
    if (cyfr == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        const size_t cyfryWykladnika = i;
        while (i < t.size() && Cyfra(t[i]))
            ++i;
        if (i == cyfryWykladnika)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    long double w = 0;
    const char* start = t.data() + (t[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(start, t.data() + t.size(), w);
    if (r.ec == std::errc::result_out_of_range)
        w = (t[0] == '-' ? -1 : 1) * HUGE_VALL;  // a number too large for the type
    else if (r.ec != std::errc() || r.ptr != t.data() + t.size())
        return std::nullopt;
    return w;
}

enum class Rodzaj { Jeden, Dwa, Warunek };

struct Funkcja {
    std::string_view nazwa;
    Rodzaj rodzaj;
};

// Matched as prefixes in this order, so "cosh" is tried before "cos" and "log10" before "log".
constexpr Funkcja kFunkcje[] = {
    {"IF", Rodzaj::Warunek}, {"max", Rodzaj::Dwa},     {"min", Rodzaj::Dwa},
    {"round", Rodzaj::Dwa},  {"cosh", Rodzaj::Jeden},  {"sinh", Rodzaj::Jeden},
    {"tanh", Rodzaj::Jeden}, {"sin", Rodzaj::Jeden},   {"cos", Rodzaj::Jeden},
    {"tan", Rodzaj::Jeden},  {"log10", Rodzaj::Jeden}, {"log", Rodzaj::Jeden},
    {"exp", Rodzaj::Jeden},  {"abs", Rodzaj::Jeden},   {"ctan", Rodzaj::Jeden},
    {"acos", Rodzaj::Jeden}, {"asin", Rodzaj::Jeden},  {"atan", Rodzaj::Jeden},
    {"ceil", Rodzaj::Jeden}, {"floor", Rodzaj::Jeden}, {"sqrt", Rodzaj::Jeden},
    {"pow", Rodzaj::Dwa},    {"mod", Rodzaj::Dwa},
};

constexpr size_t kBrak = std::string_view::npos;

struct Operatory {
    size_t lub = kBrak, i = kBrak, porownanie = kBrak, mnozenie = kBrak, dodawanie = kBrak;
    int32_t blad = 0;
};

// Where the operators outside parentheses are, the last of each kind (so that evaluation
// splits at the operator that binds loosest, left to right), or a parenthesis error.
Operatory ZnajdzOperatory(std::string_view t) {
    Operatory o;
    int glebokosc = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '(') {
            ++glebokosc;
        } else if (c == ')') {
            if (--glebokosc < 0) {
                o.blad = kBladNawiasuZamykajacego;
                return o;
            }
        } else if (glebokosc == 0) {
            switch (c) {
                case '|':
                    o.lub = i;
                    break;
                case '&':
                    o.i = i;
                    break;
                case '=':
                case '#':
                    o.porownanie = i;
                    break;
                case '<':
                case '>':
                    o.porownanie = i;
                    if (i + 1 < t.size() && t[i + 1] == '=')
                        ++i;
                    break;
                case '*':
                case '/':
                    o.mnozenie = i;
                    break;
                case '+':
                case '-': {
                    // A sign right after * or / belongs to the right operand, and one after
                    // an exponent letter to its number ("2*1e-5").
                    if (o.mnozenie != kBrak && o.mnozenie + 1 == i)
                        break;
                    const bool wykladnik = i >= 2 && (t[i - 1] == 'e' || t[i - 1] == 'E') &&
                                           (Cyfra(t[i - 2]) || t[i - 2] == '.') &&
                                           i + 1 < t.size() && Cyfra(t[i + 1]);
                    if (!wykladnik)
                        o.dodawanie = i;
                    break;
                }
                default:
                    break;
            }
        }
    }
    if (glebokosc != 0)
        o.blad = kBladNawiasow;
    return o;
}

class Ewaluator {
public:
    explicit Ewaluator(int32_t& blad) : m_blad(blad) {}

    long double Oblicz(std::string_view t) {
        if (m_blad != 0)
            return kWynikPoBledzie;
        if (m_zaglebienie >= kMaksymalneZaglebienie)
            return Blad(kBladZaglebienia);
        ++m_zaglebienie;
        const long double w = ObliczWnetrze(t);
        --m_zaglebienie;
        return w;
    }

private:
    long double Blad(int32_t kod) {
        m_blad = kod;
        return kWynikBledu;
    }

    long double ObliczWnetrze(std::string_view t);
    long double ObliczPorownanie(std::string_view t, size_t porownanie);
    long double ObliczFunkcje(std::string_view t);

    int32_t& m_blad;
    int m_zaglebienie = 0;
};

long double Ewaluator::ObliczWnetrze(std::string_view t) {
    if (t.empty())
        return 0;
    if (const auto liczba = Liczba(t))
        return *liczba;
    if (t.size() == 1) {
        switch (t[0]) {
            case '#':
            case '*':
            case '+':
            case '-':
            case '<':
            case '>':
                return 0;
            case '=':
                return 1;
            case '/':
                return Blad(kBladDzieleniaPrzezZero);
            default:
                return Blad(kBladZnaku);
        }
    }

    const Operatory o = ZnajdzOperatory(t);
    if (o.blad != 0)
        return Blad(o.blad);

    auto lewa = [&](size_t pos) { return t.substr(0, pos); };
    if (o.lub != kBrak) {
        if (std::fabs(Oblicz(lewa(o.lub))) > kProgPrawdyLub)
            return 1;
        return std::fabs(Oblicz(t.substr(o.lub + 1))) > kProgPrawdyLub ? 1 : 0;
    }
    if (o.i != kBrak) {
        if (std::fabs(Oblicz(lewa(o.i))) < kProgPrawdy)
            return 0;
        return std::fabs(Oblicz(t.substr(o.i + 1))) >= kProgPrawdy ? 1 : 0;
    }
    if (o.porownanie != kBrak)
        return ObliczPorownanie(t, o.porownanie);
    if (o.dodawanie != kBrak) {
        if (o.dodawanie == 0) {
            const long double w = Oblicz(t.substr(1));
            return t[0] == '-' ? -w : w;
        }
        const long double a = Oblicz(lewa(o.dodawanie));
        const long double b = Oblicz(t.substr(o.dodawanie + 1));
        return t[o.dodawanie] == '+' ? a + b : a - b;
    }
    if (o.mnozenie != kBrak) {
        if (t[o.mnozenie] == '*') {
            const long double a = Oblicz(lewa(o.mnozenie));
            return a * Oblicz(t.substr(o.mnozenie + 1));
        }
        const long double b = Oblicz(t.substr(o.mnozenie + 1));
        if (m_blad != 0)
            return kWynikBledu;
        if (b == 0)
            return Blad(kBladDzieleniaPrzezZero);
        return Oblicz(lewa(o.mnozenie)) / b;
    }

    if (t[0] == '(') {
        if (t.back() != ')')
            return Blad(kBladKoncaNawiasu);
        return Oblicz(t.substr(1, t.size() - 2));
    }
    return ObliczFunkcje(t);
}

// A comparison at `porownanie`: texts in quotes compared as texts, anything else as numbers.
long double Ewaluator::ObliczPorownanie(std::string_view t, size_t porownanie) {
    const char op = t[porownanie];
    const bool zRownym =
        (op == '<' || op == '>') && porownanie + 1 < t.size() && t[porownanie + 1] == '=';
    const std::string_view l = t.substr(0, porownanie);
    const std::string_view p = t.substr(porownanie + (zRownym ? 2 : 1));
    const bool tekstowo =
        (op == '#' || op == '=') && ((porownanie > 0 && t[porownanie - 1] == '"') ||
                                     (porownanie + 1 < t.size() && t[porownanie + 1] == '"'));
    if (tekstowo) {
        const int w = l.compare(p);
        if (op == '=')
            return w == 0 ? 1 : 0;
        return w < 0 ? -1 : (w == 0 ? 0 : 1);
    }
    const long double a = Oblicz(l);
    const long double b = Oblicz(p);
    switch (op) {
        case '#':
            return a != b ? 1 : 0;
        case '=':
            return a == b ? 1 : 0;
        case '<':
            return (zRownym ? a - b < kTolerancjaPorownania : a < b) ? 1 : 0;
        default:
            return (zRownym ? a - b > -kTolerancjaPorownania : a > b) ? 1 : 0;
    }
}

long double Ewaluator::ObliczFunkcje(std::string_view t) {
    const Funkcja* f = nullptr;
    for (const Funkcja& k : kFunkcje) {
        if (t.starts_with(k.nazwa)) {
            f = &k;
            break;
        }
    }
    const std::string_view reszta = f ? t.substr(f->nazwa.size()) : std::string_view{};
    if (f == nullptr || reszta.empty() || reszta[0] != '(')
        return Blad(kBladFunkcji);

    if (f->rodzaj == Rodzaj::Jeden) {
        const long double x = Oblicz(reszta);
        if (m_blad != 0)
            return kWynikBledu;
        const std::string_view n = f->nazwa;
        if (n == "cosh")
            return std::cosh(x);
        if (n == "sinh")
            return std::sinh(x);
        if (n == "tanh")
            return std::tanh(x);
        if (n == "sin")
            return std::sin(x);
        if (n == "cos")
            return std::cos(x);
        if (n == "tan")
            return std::tan(x);
        if (n == "log10")
            return std::log10(x);
        if (n == "log")
            return std::log(x);
        if (n == "exp")
            return std::exp(x);
        if (n == "abs")
            return std::fabs(x);
        if (n == "ctan") {
            const long double tg = std::tan(x);
            return tg == 0 ? Blad(kBladDzieleniaPrzezZero) : 1 / tg;
        }
        if (n == "acos")
            return std::acos(x);
        if (n == "asin")
            return std::asin(x);
        if (n == "atan")
            return std::atan(x);
        if (n == "ceil")
            return std::ceil(x);
        if (n == "floor")
            return std::floor(x);
        return std::sqrt(x);
    }

    // Commas of the function's own parentheses.
    size_t przecinki[3];
    int liczbaPrzecinkow = 0;
    int glebokosc = 0;
    for (size_t i = 0; i < reszta.size(); ++i) {
        if (reszta[i] == '(') {
            ++glebokosc;
        } else if (reszta[i] == ')') {
            --glebokosc;
        } else if (reszta[i] == ',' && glebokosc == 1) {
            if (liczbaPrzecinkow < 3)
                przecinki[liczbaPrzecinkow] = i;
            ++liczbaPrzecinkow;
        }
    }
    const int potrzebne = f->rodzaj == Rodzaj::Warunek ? 2 : 1;
    if (liczbaPrzecinkow < potrzebne)
        return Blad(kBladZaMaloPrzecinkow);
    if (liczbaPrzecinkow > potrzebne)
        return Blad(kBladZaDuzoPrzecinkow);
    if (reszta.back() != ')')
        return Blad(kBladKoncaNawiasu);
    const std::string_view wnetrze = reszta.substr(0, reszta.size() - 1);
    auto argument = [&](size_t od, size_t doPozycji) { return wnetrze.substr(od, doPozycji - od); };

    if (f->rodzaj == Rodzaj::Warunek) {
        const long double warunek = Oblicz(argument(1, przecinki[0]));
        if (std::fabs(warunek) > kProgPrawdy)
            return Oblicz(argument(przecinki[0] + 1, przecinki[1]));
        return Oblicz(wnetrze.substr(przecinki[1] + 1));
    }
    const long double x = Oblicz(argument(1, przecinki[0]));
    const long double y = Oblicz(wnetrze.substr(przecinki[0] + 1));
    if (m_blad != 0)
        return kWynikBledu;
    const std::string_view n = f->nazwa;
    if (n == "max")
        return x > y ? x : y;
    if (n == "min")
        return x < y ? x : y;
    if (n == "pow")
        return std::pow(x, y);
    if (n == "mod")
        return y == 0 ? Blad(kBladDzieleniaPrzezZero) : std::fmod(x, y);
    // round: places truncated toward zero; beyond a few hundred places nothing changes.
    long double miejsca = std::isfinite(y) ? std::trunc(y) : 0;
    if (miejsca > 400)
        miejsca = 400;
    if (miejsca < -400)
        miejsca = -400;
    return Zaokraglij(static_cast<double>(x), static_cast<int>(miejsca));
}

}  // namespace

long double ObliczWyrazenie(std::string_view tekst, int32_t& blad) {
    if (blad != 0)
        return kWynikPoBledzie;
    const std::string t = ZamienWszystko(tekst, "--", "+");
    Ewaluator ewaluator(blad);
    const long double w = ewaluator.Oblicz(t);
    return blad != 0 ? kWynikBledu : w;
}

}  // namespace mirta::compute
