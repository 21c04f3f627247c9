// A few saved definitions of the configurable printout, as a personnel office keeps them.
#include "tools/demo_wewn.h"
#include "tools/zapis_tabeli.h"

namespace mirta::tools {

namespace {

struct Oczko {
    int wiersz, kolumna, szerokosc;
    const char* tytul;
    const char* tresc;
};

struct Definicja {
    const char* nazwa;
    std::vector<Oczko> oczka;
};

const Definicja kDefinicje[] = {
    {"Lista obecności",
     {{0, 0, 30, "Lp.", "<<LP>>"},
      {0, 1, 220, "Nazwisko i imię", "<<NAZWISKO IMIE1>>"},
      {0, 2, 150, "Stanowisko", "<<Stanowisko|Nazwa>>"},
      {0, 3, 160, "Podpis", ""}}},
    {"Stopnie i grupy",
     {{0, 0, 30, "Lp.", "<<LP>>"},
      {0, 1, 200, "Nazwisko i imiona", "<<NAZWISKO IMIE12>>"},
      {0, 2, 130, "Stopień", "<<Stopień|Nazwa>>"},
      {1, 2, 130, "od dnia", "<<Stopień|Data>>"},
      {0, 3, 130, "Grupa", "<<Grupa|Nazwa>>"},
      {1, 3, 130, "płaca", "<<Grupa|PlacaKon>>"}}},
    {"Dane osobowe",
     {{0, 0, 30, "Lp.", "<<LP>>"},
      {0, 1, 180, "Nazwisko", "<<NAZWISKO>>"},
      {1, 1, 180, "Nazwisko rodowe", "<<NazwiskoRodowe>>"},
      {0, 2, 110, "Data urodzenia", "<<DataUrodzenia>>"},
      {1, 2, 110, "Miejsce urodzenia", "<<MiejsceUrodzenia>>"},
      {0, 3, 120, "Imię ojca", "<<ImięOjca>>"},
      {1, 3, 120, "Imię matki", "<<ImięMatki>>"},
      {0, 4, 110, "Zatrudniony", "<<DataZatrudnienia>>"}}},
};

}  // namespace

void ZapiszDefinicjeWydrukow(KontekstDemo& k) {
    ZapisTabeli nazwy(k.fs, k.katalog, "NazwWyd.db");
    ZapisTabeli pozycje(k.fs, k.katalog, "PozWyd.db");
    for (const Definicja& d : kDefinicje) {
        engine::Record n = nazwy.Nowy();
        nazwy.Tekst(n, "NazwaWydruku", d.nazwa);
        nazwy.Logiczne(n, "Portret", true);
        const engine::Record zapisany = nazwy.Wstaw(n);
        int64_t id = 0;
        const auto& pola = nazwy.Tabela().Fields();
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == "IdentyfikatorWydruku")
                id = zapisany[i].AsInteger();
        // All 30 cells, as the launcher writes them.
        for (int kolumna = 0; kolumna < 10; ++kolumna)
            for (int wiersz = 0; wiersz < 3; ++wiersz) {
                engine::Record p = pozycje.Nowy();
                pozycje.Liczba(p, "IdentyfikatorWydruku", id);
                pozycje.Liczba(p, "NumerKolumny", kolumna);
                pozycje.Liczba(p, "NumerWiersza", wiersz);
                int szerokosc = 64;
                for (const Oczko& o : d.oczka)
                    if (o.kolumna == kolumna) {
                        szerokosc = o.szerokosc;
                        if (o.wiersz == wiersz) {
                            pozycje.Tekst(p, "NazwaTytul", o.tytul);
                            if (*o.tresc)
                                pozycje.Tekst(p, "OpisZawartosci", o.tresc);
                        }
                    }
                pozycje.Liczba(p, "SzerokoscPola", szerokosc);
                pozycje.Dodaj(std::move(p));
            }
    }
    for (auto [t, plik] : {std::pair{&nazwy, "NazwWyd.db"}, std::pair{&pozycje, "PozWyd.db"}}) {
        t->Zamknij();
        k.liczniki.emplace_back(plik, t->Tabela().RowCount());
    }
}

}  // namespace mirta::tools
