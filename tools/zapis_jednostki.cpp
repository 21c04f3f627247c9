#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "store/kalendarz.h"
#include "store/katalog.h"
#include "tools/demo_wewn.h"
#include "tools/slowniki_demo.h"
#include "tools/zapis_tabeli.h"

namespace mirta::tools {

namespace {

using engine::Record;
using engine::Value;

// Appends the rows of `lista` the table does not have yet. The rows a new data directory
// already holds must be ours in the same order, or the identifiers would mean other things.
template <class T, class Wypelnij>
void Slownik(KontekstDemo& k, const std::string& plik, const std::string& poleNazwy,
             const std::vector<T>& lista, Wypelnij wypelnij) {
    ZapisTabeli t(k.fs, k.katalog, plik);
    const uint64_t jest = t.Tabela().RowCount();
    if (jest > lista.size())
        throw engine::EngineError("Słownik " + plik + " ma więcej wierszy niż dane przykładowe");
    for (size_t i = jest; i < lista.size(); ++i) {
        Record w = t.Nowy();
        wypelnij(t, w, lista[i]);
        t.Wstaw(w);
    }
    // Check by identifier: the order of the file is the name order, not insertion order.
    const int poleId = [&] {
        const auto& pola = t.Tabela().Fields();
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].type == engine::FieldType::AutoInc)
                return static_cast<int>(i);
        return -1;
    }();
    if (poleId >= 0) {
        for (uint64_t r = 0; r < t.Tabela().RowCount(); ++r) {
            const Record w = t.Tabela().ReadRow(r);
            const auto id = static_cast<size_t>(w[static_cast<size_t>(poleId)].AsInteger());
            const std::string& nazwa = w[static_cast<size_t>(t.Pole(poleNazwy))].AsText();
            if (id < 1 || id > lista.size() || nazwa != lista[id - 1].nazwa)
                throw engine::EngineError("Słownik " + plik + ": wiersz " + std::to_string(id) +
                                          " to „" + nazwa + "”, oczekiwano innego");
        }
    }
    t.Zamknij();
    k.liczniki.emplace_back(plik, t.Tabela().RowCount());
}

void ProstySlownik(KontekstDemo& k, const std::string& plik, const std::string& poleNazwy,
                   const std::string& poleKodu, const std::vector<NazwaKod>& lista) {
    Slownik(k, plik, poleNazwy, lista, [&](ZapisTabeli& t, Record& w, const NazwaKod& x) {
        t.Tekst(w, poleNazwy, x.nazwa);
        if (!poleKodu.empty())
            t.Tekst(w, poleKodu, x.kod);
    });
}

// Rates rise a few percent a year; the older ones are derived from today's.
double StawkaWRoku(double dzis, int rokDzis, int rok) {
    return std::round(dzis * std::pow(0.965, rokDzis - rok) * 100.0) / 100.0;
}

}  // namespace

void ZapiszSlowniki(KontekstDemo& k) {
    const int rokDzis = Rok(k.kariera.dzis);
    ProstySlownik(k, "RodzWyk.db", "NazwaRodzajuWykształcenia", "KodWyksztalcenia",
                  SlownikRodzajowWyksztalcenia());
    ProstySlownik(k, "StNauk.DB", "NazwaStopniaNaukowego", "Kod", SlownikStopniNaukowych());
    ProstySlownik(k, "TytZaw.db", "NazwaTytuluZawodowego", "Kod", SlownikTytulowZawodowych());
    ProstySlownik(k, "RodzKurs.db", "NazwaRodzajuKursu", "Kod", SlownikRodzajowKursow());
    ProstySlownik(k, "SlPokrew.db", "NazwaPokrewienstwa", "", SlownikPokrewienstw());
    ProstySlownik(k, "FormyZtr.db", "NazwaFormyZatrudnienia", "Symbol", SlownikFormZatrudnienia());
    ProstySlownik(k, "Wydawcy.db", "Nazwa", "", SlownikWydawcow());
    ProstySlownik(k, "SLGrupInwal.db", "NazwaGrupyInwalidzkiej", "Kod", SlownikGrupInwalidzkich());
    ProstySlownik(k, "SlSwiadcz.db", "RodzajSwiadczenia", "Kod", SlownikSwiadczen());
    ProstySlownik(k, "SlOrderow.DB", "NazwaOrderu", "KodOrderu", SlownikOrderow());
    ProstySlownik(k, "SlOrgNadajacych.DB", "NazwaOrganuNadajacego", "KodOrganuNadajacego",
                  SlownikOrganowNadajacych());
    ProstySlownik(k, "SlKar.DB", "NazwaKary", "KodKary", SlownikKar());
    ProstySlownik(k, "SlWyroznien.db", "NazwaWyroznienia", "KodWyroznienia", SlownikWyroznien());
    ProstySlownik(k, "SlStatPracCyw.db", "NazwaStatPracCywilnego", "", SlownikStatusowCywilnych());
    ProstySlownik(k, "PowodZdKadr.db", "Powod", "", SlownikPodstawZdarzen());
    ProstySlownik(k, "RodzZdKadrowego.db", "NazwaZdarzeniaKadrowego", "", SlownikRodzajowZdarzen());
    Slownik(k, "RodzUrlop.db", "NazwaUrlopu", SlownikRodzajowUrlopu(),
            [](ZapisTabeli& t, Record& w, const RodzajUrlopuSl& x) {
                t.Tekst(w, "NazwaUrlopu", x.nazwa);
                t.Tekst(w, "Symbol", x.symbol);
                t.Tekst(w, "RodzajDni", std::string(1, x.rodzajDni));
                t.Tekst(w, "RodzajUrlopu", std::string(1, x.rodzajUrlopu));
            });
    Slownik(k, "SlStopni.db", "NazwaStopnia", SlownikStopni(),
            [](ZapisTabeli& t, Record& w, const Stopien& x) {
                t.Tekst(w, "NazwaStopnia", x.nazwa);
                t.Tekst(w, "Kod", x.kod);
            });
    Slownik(k, "SlGrup.db", "NazwaGrupy", SlownikGrup(),
            [](ZapisTabeli& t, Record& w, const Grupa& x) {
                t.Tekst(w, "NazwaGrupy", x.nazwa);
                t.Kwota(w, "MnożnikGrupy", x.mnoznik);
                t.Tekst(w, "KodGrupy", x.kod);
            });
    Slownik(k, "SlStanowisk.db", "NazwaStanowiska", SlownikStanowisk(),
            [](ZapisTabeli& t, Record& w, const StanowiskoSl& x) {
                t.Tekst(w, "NazwaStanowiska", x.nazwa);
                t.Tekst(w, "KodStanowiska", x.kod);
                t.Tekst(w, "GrupaStanowiskSC", std::string(1, x.grupaSC));
                if (x.grupa)
                    t.Liczba(w, "GrupaPlacowa", x.grupa);
                t.Tekst(w, "Ubruttowienie", std::string(1, x.ubruttowienie));
            });

    // Rank and group rates: a row for each year, in both variants (with and without the
    // social-insurance gross-up).
    const int pierwszyRokStawek = std::min(k.kariera.pierwszyRok, 1995);
    {
        ZapisTabeli t(k.fs, k.katalog, "StawStop.DB");
        const auto& stopnie = SlownikStopni();
        for (size_t i = 0; i < stopnie.size(); ++i)
            for (int rok = pierwszyRokStawek; rok <= rokDzis; ++rok)
                for (char u : {'N', 'T'}) {
                    Record w = t.Nowy();
                    t.Liczba(w, "IdentyfikatorStopnia", static_cast<int64_t>(i) + 1);
                    t.Tekst(w, "Ubruttowienie", std::string(1, u));
                    t.Data(w, "DataObowiazywania", Dzien(rok, 1, 1));
                    const double n = StawkaWRoku(stopnie[i].stawka2026 / 3.0, rokDzis, rok);
                    t.Kwota(w, "Wartosc", u == 'T' ? std::round(n * 122.0) / 100.0 : n);
                    t.Dodaj(std::move(w));
                }
        t.Zamknij();
        k.liczniki.emplace_back("StawStop.DB", t.Tabela().RowCount());
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "StawGrup.DB");
        const auto& grupy = SlownikGrup();
        for (size_t i = 0; i < grupy.size(); ++i)
            for (int rok = pierwszyRokStawek; rok <= rokDzis; ++rok)
                for (char u : {'N', 'T'}) {
                    Record w = t.Nowy();
                    t.Liczba(w, "IdentyfikatorGrupy", static_cast<int64_t>(i) + 1);
                    t.Tekst(w, "Ubruttowienie", std::string(1, u));
                    t.Data(w, "DataObowiazywania", Dzien(rok, 1, 1));
                    const double n = StawkaWRoku(2600.0 * grupy[i].mnoznik, rokDzis, rok);
                    t.Kwota(w, "Wartosc", u == 'T' ? std::round(n * 122.0) / 100.0 : n);
                    t.Dodaj(std::move(w));
                }
        t.Zamknij();
        k.liczniki.emplace_back("StawGrup.DB", t.Tabela().RowCount());
    }
    {
        // Salary bases since 2010 (before them the group rates apply), raised each March.
        ZapisTabeli t(k.fs, k.katalog, "Podstawy.db");
        for (int rok = std::max(2010, k.kariera.pierwszyRok); rok <= rokDzis; ++rok) {
            Record w = t.Nowy();
            t.Data(w, "DataOd", Dzien(rok, 3, 1));
            t.Kwota(w, "PodstawaFunkcjonariusze", StawkaWRoku(2600.0, rokDzis, rok));
            t.Kwota(w, "PodstawaCywile", StawkaWRoku(5300.0, rokDzis, rok));
            t.Kwota(w, "Rezerwa1", 0);
            t.Kwota(w, "Rezerwa2", 0);
            t.Liczba(w, "ZaokraglenieFunkcjonarius", -1);
            t.Liczba(w, "ZaokraglenieCywil", 2);
            t.Liczba(w, "Zaokraglenie1", 2);
            t.Liczba(w, "Zaokraglenie2", 2);
            t.Tekst(w, "Ubruttowienie", "T");
            t.Dodaj(std::move(w));
        }
        t.Zamknij();
        k.liczniki.emplace_back("Podstawy.db", t.Tabela().RowCount());
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "Premie.db");
        for (int rok = k.kariera.pierwszyRok; rok <= rokDzis; ++rok) {
            Record w = t.Nowy();
            t.Tekst(w, "TypPremi", "C");
            t.Liczba(w, "Rok", rok);
            t.Liczba(w, "Miesiac", 1);
            t.Kwota(w, "Kwota", rok >= 2020 ? 25 : 20);
            t.Tekst(w, "Uwagi", "premia regulaminowa pracowników cywilnych");
            t.Kwota(w, "InnaKwota", 0);
            t.Dodaj(std::move(w));
        }
        t.Zamknij();
        k.liczniki.emplace_back("Premie.db", t.Tabela().RowCount());
    }
}

void ZapiszKalendarz(KontekstDemo& k) {
    ZapisTabeli t(k.fs, k.katalog, "Kalendarz.DB");
    for (int rok = k.kariera.pierwszyRok; rok <= Rok(k.kariera.dzis) + 1; ++rok)
        for (int m = 1; m <= 12; ++m) {
            Record w = t.Nowy();
            t.Liczba(w, "IdentyfikatorKalendarza", 20000);
            t.Liczba(w, "Rok", rok);
            t.Liczba(w, "Miesiac", m);
            // The months the program itself would generate.
            const store::MiesiacKalendarza miesiac = store::GenerujMiesiac(rok, m);
            for (int d = 1; d <= 31; ++d)
                t.Kwota(w, std::string("G").append(std::to_string(d)),
                        miesiac.godziny[static_cast<size_t>(d - 1)]);
            t.Tekst(w, "PrzebiegPracy", miesiac.przebieg);
            t.Dodaj(std::move(w));
        }
    t.Zamknij();
    k.liczniki.emplace_back("Kalendarz.DB", t.Tabela().RowCount());
}

void ZapiszOrganizacje(KontekstDemo& k, const std::vector<Pracownik>& ludzie) {
    {
        ZapisTabeli t(k.fs, k.katalog, "KomNad.db");
        for (const auto& x : KomorkiNadrzedne()) {
            Record w = t.Nowy();
            t.Tekst(w, "Nazwa", x.nazwa);
            t.Tekst(w, "Symbol", x.kod);
            t.Wstaw(w);
        }
        t.Zamknij();
        k.liczniki.emplace_back("KomNad.db", t.Tabela().RowCount());
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "Komorki.db");
        for (const auto& x : KomorkiOrganizacyjne()) {
            Record w = t.Nowy();
            t.Liczba(w, "KomNadrzedna", x.nadrzedna);
            t.Tekst(w, "Nazwa", x.nazwa);
            t.Tekst(w, "Symbol", x.symbol);
            t.Wstaw(w);
        }
        t.Zamknij();
        k.liczniki.emplace_back("Komorki.db", t.Tabela().RowCount());
    }

    // Staffing structure: January of every kept year and every month of this one, with the
    // posts the people held on the first of the month.
    ZapisTabeli glowki(k.fs, k.katalog, "GlStrEtatow.db");
    ZapisTabeli pozycje(k.fs, k.katalog, "PozStrEtatow.DB");
    const int poleId = glowki.Pole("Identyfikator");
    const auto& stanowiska = SlownikStanowisk();
    const auto& komorki = KomorkiOrganizacyjne();
    const auto& statusy = SlownikStatusowCywilnych();
    const auto biezacy = engine::CivilFromDayNumber(k.kariera.dzis);
    for (int rok = std::max(2000, k.kariera.pierwszyRok); rok <= biezacy.year; ++rok) {
        for (int m = 1; m <= (rok == biezacy.year ? biezacy.month : 1); ++m) {
            const int32_t dzien = Dzien(rok, m, 1);
            Record g = glowki.Nowy();
            glowki.Liczba(g, "Rok", rok);
            glowki.Liczba(g, "Miesiac", m);
            const int64_t id = glowki.Wstaw(g)[static_cast<size_t>(poleId)].AsInteger();
            // (cell, post, system, type, status) -> people
            std::map<std::tuple<std::string, std::string, std::string, char, std::string>, int>
                etaty;
            for (const auto& p : ludzie) {
                if (p.charakter == 'U' || p.podzial == '4' || !p.Zatrudniony(dzien) ||
                    p.stanowiska.empty())
                    continue;
                int st = 0;
                for (const auto& s : p.stanowiska)
                    if (s.od <= dzien)
                        st = s.stanowisko;
                if (st == 0)
                    continue;
                const bool f = p.podzial == '1';
                const std::string system =
                    f ? (p.systemSluzby == '2' ? "zmianowy" : "codzienny") : "cywil";
                const std::string status =
                    f ? "" : statusy[static_cast<size_t>(std::max(1, p.statusCywilny) - 1)].nazwa;
                ++etaty[{komorki[static_cast<size_t>(p.komorka - 1)].nazwa,
                         stanowiska[static_cast<size_t>(st - 1)].nazwa, system, f ? 'F' : 'C',
                         status}];
            }
            for (const auto& [klucz, ile] : etaty) {
                Record w = pozycje.Nowy();
                pozycje.Liczba(w, "IdGlowki", id);
                pozycje.Tekst(w, "KomorkaOrganizacyjna", std::get<0>(klucz));
                pozycje.Tekst(w, "StanowiskoEtatowe", std::get<1>(klucz));
                pozycje.Tekst(w, "SystemSluzby", std::get<2>(klucz));
                pozycje.Tekst(w, "TypPracownika", std::string(1, std::get<3>(klucz)));
                pozycje.Tekst(w, "StatusPracownikaCywilnego", std::get<4>(klucz));
                pozycje.Kwota(w, "LimitEtatow", ile + (ile > 3 ? 1 : 0));
                pozycje.Kwota(w, "IloscEtatow", ile);
                pozycje.Dodaj(std::move(w));
            }
            pozycje.Oproznij();
        }
    }
    glowki.Zamknij();
    pozycje.Zamknij();
    k.liczniki.emplace_back("GlStrEtatow.db", glowki.Tabela().RowCount());
    k.liczniki.emplace_back("PozStrEtatow.DB", pozycje.Tabela().RowCount());
}

}  // namespace mirta::tools
