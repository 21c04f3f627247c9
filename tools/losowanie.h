#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace mirta::tools {

// The generator's only source of chance. Built on the engine of the standard library, whose
// sequence is fixed by the standard, with our own mapping to ranges: the standard
// distributions differ between library implementations, and the same seed must give the
// same files everywhere.
class Losowanie {
public:
    explicit Losowanie(uint64_t ziarno) : m_silnik(ziarno) {}

    uint64_t Surowa() { return m_silnik(); }
    // Uniform in [od, do]; od > do gives od.
    int64_t Liczba(int64_t od, int64_t doWl);
    // Uniform in [0, 1).
    double Ulamek();
    bool Szansa(double p) { return Ulamek() < p; }
    // An amount in [od, do] rounded to whole groszy.
    double Kwota(double od, double doWl);

    template <class T>
    const T& Wybierz(const std::vector<T>& z) {
        return z[static_cast<size_t>(Liczba(0, static_cast<int64_t>(z.size()) - 1))];
    }
    template <class T, size_t N>
    const T& Wybierz(const T (&z)[N]) {
        return z[static_cast<size_t>(Liczba(0, static_cast<int64_t>(N) - 1))];
    }
    // Index chosen with the given weights (all non-negative, at least one positive).
    size_t Waga(const std::vector<int>& wagi);

    // A string of `n` decimal digits.
    std::string Cyfry(int n);

    // An independent stream for one part of the unit, so adding people or years to one part
    // does not shift the others.
    Losowanie Potomny(uint64_t etykieta) {
        return Losowanie(Surowa() ^ (etykieta * 0x9E3779B97F4A7C15ull));
    }

private:
    std::mt19937_64 m_silnik;
};

}  // namespace mirta::tools
