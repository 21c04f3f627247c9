#include "spd/ekstrakcja.h"

#include <cstdio>

#include "spd/csv_spd.h"
#include "spd/katalog_spd.h"

namespace mirta::spd {

void PobierzDaneRodzaju(KontekstEkstrakcji& k) {
    const std::string& rodzaj = k.naglowek.rodzaj;
    const char litera = rodzaj.empty() ? '\0' : rodzaj.front();
    void (*ekstraktor)(KontekstEkstrakcji&) = nullptr;
    switch (litera) {
        case 'P':
            ekstraktor = PobierzPracownikow;
            break;
        case 'N':
            ekstraktor = PobierzNieobecnosci;
            break;
        case 'L':
            ekstraktor = PobierzBadania;
            break;
        case 'S':
            ekstraktor = PobierzPrzebiegSluzby;
            break;
        case 'O':
            ekstraktor = PobierzPrzypisania;
            break;
        case 'W':
            ekstraktor = PobierzWyksztalcenie;
            break;
        case 'Z':
            ekstraktor = PobierzKursy;
            break;
        case 'G':
            ekstraktor = PobierzWynagrodzenia;
            break;
        case 'R':
            ekstraktor = PobierzOrdery;
            break;
        case 'C':
            ekstraktor = PobierzCzasPracy;
            break;
        case 'K':
            ekstraktor = PobierzKary;
            break;
        case 'U':
            ekstraktor = PobierzUrlopyNagrodowe;
            break;
        case 'I':
            ekstraktor = PobierzWyroznienia;
            break;
        case 'A':
            ekstraktor = PobierzStruktureEtatow;
            break;
        default:
            break;
    }
    if (!ekstraktor) {
        k.dialogi.Blad("Nieznany rodzaj żądanych danych:" + rodzaj, kTytulKontroliDanych);
        return;
    }
    ekstraktor(k);
}

void DlaWybranych(KontekstEkstrakcji& k,
                  const std::function<void(const PracownikSPD&)>& naPracownika) {
    const auto& wybrani = k.zrodla.Wybrani(k.dataDanych);
    for (size_t i = 0; i < wybrani.size(); ++i) {
        naPracownika(wybrani[i]);
        if (k.postep && (i % 50 == 49 || i + 1 == wybrani.size()))
            k.postep(static_cast<double>(i + 1) / static_cast<double>(wybrani.size()));
    }
}

std::string DwieCyfry(int x) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", x);
    return b;
}

std::string Kwota15(double x) {
    char b[64];
    std::snprintf(b, sizeof b, "%15.2f", x);
    return b;
}

std::string TekstLiczby(double x) {
    char b[64];
    std::snprintf(b, sizeof b, "%.7f", x);
    std::string s = b;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    const size_t kropka = s.find('.');
    if (kropka != std::string::npos)
        s[kropka] = ',';
    return s == "-0" ? "0" : s;
}

std::string KodNaTekst(const std::string& kod, const std::vector<const char*>& teksty) {
    if (kod.empty())
        return {};
    const int i = kod.front() - '1';
    if (i < 0 || i >= static_cast<int>(teksty.size()))
        return {};
    return teksty[static_cast<size_t>(i)];
}

std::pair<int, int> MiesiacPoprzedni(compute::DataKal d) {
    if (d.miesiac <= 1)
        return {d.rok - 1, 12};
    return {d.rok, d.miesiac - 1};
}

}  // namespace mirta::spd
