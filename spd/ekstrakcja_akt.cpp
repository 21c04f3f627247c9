#include <algorithm>
#include <cstdio>

#include "compute/teksty.h"
#include "spd/ekstrakcja.h"
#include "store/katalog.h"

namespace mirta::spd {

namespace {

constexpr size_t kDlugoscIdentyfikatora = 100;

std::string PierwszeZnaki(const std::string& tekst, size_t n) {
    size_t znaki = 0, i = 0;
    while (i < tekst.size() && znaki < n) {
        const auto b = static_cast<unsigned char>(tekst[i]);
        i += b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        ++znaki;
    }
    return tekst.substr(0, std::min(i, tekst.size()));
}

// Trimmed values joined by ";", cut to the identifier's length.
std::string Polaczone(const engine::Record& w, std::initializer_list<int> pola,
                      const std::string& pierwszy) {
    std::string id = pierwszy;
    for (int p : pola)
        id += ";" + Przyciety(w[p]);
    return PierwszeZnaki(id, kDlugoscIdentyfikatora);
}

// The date of a field, or 1 January of the year field when the date is empty.
std::string DataLubRok(const engine::Record& w, int data, int rok) {
    if (!w[data].IsNull())
        return TekstDaty(Data(w[data]));
    return TekstDaty({static_cast<int32_t>(CalkowitaLubZero(w[rok])), 1, 1});
}

std::string Godziny(const engine::Value& v) {
    char b[16];
    std::snprintf(b, sizeof b, "%02lld", static_cast<long long>(CalkowitaLubZero(v)));
    return b;
}

}  // namespace

void PobierzWyksztalcenie(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    auto pole = [&](const char* n) { return z.Pole("TWyksztalcenie", n); };
    const int rok = pole("RokUkonczenia"), rodzaj = pole("RodzajWyksztalcenia"),
              naukowy = pole("TytulNaukowy"), zawodowy = pole("TytulZawodowy"),
              uczelnia = pole("NazwaUczelni"), data = pole("DataUzyskania");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TWyksztalcenie", p.identyfikator)) {
            auto tytul = [&](const char* lookup) {
                return z.WSlowniku("TWyksztalcenie", lookup, w)
                           ? z.Slownik("TWyksztalcenie", lookup, w)
                           : std::string("nie posiada");
            };
            k.pisarz.Rekord(PodrodzajSPD::Wyksztalcenie,
                            {Polaczone(w, {rok, rodzaj, naukowy, zawodowy, uczelnia},
                                       std::to_string(p.identyfikator)),
                             std::to_string(p.identyfikator), DataLubRok(w, data, rok),
                             tytul("NazwaTytuluNaukowego"), tytul("NazwaTytuluZawodowego")},
                            p.pozycja);
        }
    });
}

void PobierzKursy(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    auto pole = [&](const char* n) { return z.Pole("TKursy", n); };
    const int pracownik = pole("IdentyfikatorPracownika"), rodzaj = pole("RodzajKursu"),
              rok = pole("RokUkonczenia"), nazwa = pole("NazwaKursu"),
              nabycie = pole("DataNabycia"), waznosc = pole("DataWaznosci");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TKursy", p.identyfikator)) {
            k.pisarz.Rekord(PodrodzajSPD::Kurs,
                            {Polaczone(w, {rodzaj, rok, nazwa}, Przyciety(w[pracownik])),
                             std::to_string(p.identyfikator), DataLubRok(w, nabycie, rok),
                             TekstDaty(Data(w[waznosc])),
                             z.WSlowniku("TKursy", "NazwaRodzajuKursu", w)
                                 ? z.Slownik("TKursy", "NazwaRodzajuKursu", w)
                                 : std::string("brak")},
                            p.pozycja);
        }
    });
}

void PobierzOrdery(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    const int data = z.Pole("TOrdery", "DataPrzyznania"), order = z.Pole("TOrdery", "IdOrderu"),
              legitymacja = z.Pole("TOrdery", "NumerLegitimacji");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TOrdery", p.identyfikator)) {
            k.pisarz.Rekord(
                PodrodzajSPD::Order,
                {"ORDERYODZNACZENIA" + std::to_string(p.identyfikator) + "D" +
                     TekstDaty(Data(w[data])) + Tekst(w[order]),
                 std::to_string(p.identyfikator), z.Slownik("TOrdery", "NazwaOrderu", w),
                 TekstDaty(Data(w[data])), z.Slownik("TOrdery", "NazwaOrganuNadającego", w),
                 Tekst(w[legitymacja])},
                p.pozycja);
        }
    });
}

void PobierzCzasPracy(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    const auto [rokDanych, miesiacDanych] = MiesiacPoprzedni(k.dataDanych);
    const int rok = z.Pole("TCzasPracy", "Rok"), miesiac = z.Pole("TCzasPracy", "Miesiac"),
              id = z.Pole("TCzasPracy", "Identyfikator");
    std::vector<std::pair<int, int>> dni;  // planned and worked field of days 1 to 31
    for (int d = 1; d <= 31; ++d)
        dni.emplace_back(z.Pole("TCzasPracy", "P" + std::to_string(d)),
                         z.Pole("TCzasPracy", "W" + std::to_string(d)));
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TCzasPracy", p.identyfikator)) {
            if (CalkowitaLubZero(w[rok]) != rokDanych ||
                CalkowitaLubZero(w[miesiac]) != miesiacDanych)
                continue;
            char numer[16];
            std::snprintf(numer, sizeof numer, "%07lld",
                          static_cast<long long>(CalkowitaLubZero(w[id])));
            std::vector<std::string> v = {Tekst(w[rok]) + numer, std::to_string(p.identyfikator),
                                          DwieCyfry(miesiacDanych), std::to_string(rokDanych)};
            for (const auto& [planowane, przepracowane] : dni) {
                v.push_back(Godziny(w[planowane]));
                v.push_back(Godziny(w[przepracowane]));
            }
            k.pisarz.Rekord(PodrodzajSPD::CzasPracy, v, p.pozycja);
        }
    });
}

void PobierzKary(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    const int data = z.Pole("TKary", "DataPrzyznania"), id = z.Pole("TKary", "Identyfikator");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TKary", p.identyfikator))
            k.pisarz.Rekord(
                PodrodzajSPD::Kara,
                {Tekst(w[id]), std::to_string(p.identyfikator), z.Slownik("TKary", "NazwaKary", w),
                 TekstDaty(Data(w[data])), z.Slownik("TKary", "NazwaOrganuNadajacego", w)},
                p.pozycja);
    });
}

void PobierzUrlopyNagrodowe(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    const int data = z.Pole("TWyroznienia", "DataPrzyznania"),
              id = z.Pole("TWyroznienia", "Identyfikator"),
              dni = z.Pole("TWyroznienia", "IloscDniUrlopuDodatkowego");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TWyroznienia", p.identyfikator)) {
            if (CalkowitaLubZero(w[dni]) <= 0)
                continue;
            k.pisarz.Rekord(
                PodrodzajSPD::UrlopNagrodowy,
                {Tekst(w[id]), std::to_string(p.identyfikator), Tekst(w[dni]),
                 TekstDaty(Data(w[data])), z.Slownik("TWyroznienia", "NazwaOrganuNadajacego", w)},
                p.pozycja);
        }
    });
}

void PobierzWyroznienia(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    const int data = z.Pole("TWyroznienia", "DataPrzyznania"),
              id = z.Pole("TWyroznienia", "Identyfikator"),
              kwota = z.Pole("TWyroznienia", "KwotaNagrody"),
              dyplom = z.Pole("TWyroznienia", "NumerLegitymacji");
    DlaWybranych(k, [&](const PracownikSPD& p) {
        for (const engine::Record& w : z.Wiersze("TWyroznienia", p.identyfikator))
            k.pisarz.Rekord(
                PodrodzajSPD::Wyroznienie,
                {Tekst(w[id]), std::to_string(p.identyfikator),
                 z.Slownik("TWyroznienia", "NazwaWyroznienia", w), TekstDaty(Data(w[data])),
                 z.Slownik("TWyroznienia", "NazwaOrganuNadajacego", w), Kwota15(Liczba(w[kwota])),
                 Tekst(w[dyplom])},
                p.pozycja);
    });
}

void PobierzStruktureEtatow(KontekstEkstrakcji& k) {
    ZrodlaSPD& z = k.zrodla;
    engine::Table& glowki = z.Tabela("TGlowkaStrukturyEtatow");
    const PolaTabeli pg(glowki);
    const int rok = pg("Rok"), miesiac = pg("Miesiac"), idGlowki = pg("Identyfikator");
    std::optional<engine::Record> ostatnia;
    for (uint64_t r = 0; r < glowki.RowCount(); ++r) {
        engine::Record w = glowki.ReadRow(r);
        if (!ostatnia || PorownajWartosci((*ostatnia)[rok], w[rok]) < 0 ||
            (PorownajWartosci((*ostatnia)[rok], w[rok]) == 0 &&
             PorownajWartosci((*ostatnia)[miesiac], w[miesiac]) <= 0))
            ostatnia = std::move(w);
    }
    if (!ostatnia)
        return;
    engine::Table& pozycje = z.Tabela("TPozStrukturyEtatow");
    const PolaTabeli pp(pozycje);
    const int glowka = pp("IdGlowki"), limit = pp("LimitEtatow"), id = pp("Identyfikator"),
              komorka = pp("KomorkaOrganizacyjna"), stanowisko = pp("StanowiskoEtatowe"),
              system = pp("SystemSluzby"), typ = pp("TypPracownika"),
              status = pp("StatusPracownikaCywilnego");
    const int64_t idOstatniej = CalkowitaLubZero((*ostatnia)[idGlowki]);
    std::vector<engine::Record> wiersze;
    for (uint64_t r = 0; r < pozycje.RowCount(); ++r)
        if (CalkowitaLubZero(pozycje.ReadField(r, glowka)) == idOstatniej)
            wiersze.push_back(pozycje.ReadRow(r));
    std::vector<int> porzadek;
    for (const std::string& n :
         store::ZnajdzKomponent("TDM1", "TPozStrukturyEtatow")->PolaPorzadku())
        porzadek.push_back(pp(n));
    std::stable_sort(wiersze.begin(), wiersze.end(), [&](const auto& a, const auto& b) {
        for (int p : porzadek)
            if (const int c = PorownajWartosci(a[p], b[p]))
                return c < 0;
        return false;
    });
    char limitTekst[32];
    for (const engine::Record& w : wiersze) {
        if (!(Liczba(w[limit]) > 0.001))
            continue;
        std::string nazwaKomorki = Przyciety(w[komorka]);
        if (nazwaKomorki.empty())
            nazwaKomorki = k.naglowek.nazwaKomorkiOrganizacyjnej;
        std::snprintf(limitTekst, sizeof limitTekst, "%6.2f", Liczba(w[limit]));
        k.pisarz.Rekord(PodrodzajSPD::StanowiskoEtatowe,
                        {Tekst(w[id]), nazwaKomorki,
                         DwieCyfry(static_cast<int>(CalkowitaLubZero((*ostatnia)[miesiac]))),
                         Tekst((*ostatnia)[rok]), Tekst(w[stanowisko]), Tekst(w[system]),
                         Tekst(w[typ]), Tekst(w[status]), limitTekst},
                        PracownikPozycji{});
    }
    if (k.postep)
        k.postep(1.0);
}

}  // namespace mirta::spd
