#include <cmath>

#include "engine/dbf_table.h"
#include "store/katalog.h"
#include "tools/demo_wewn.h"
#include "tools/slowniki_demo.h"
#include "tools/zapis_tabeli.h"

namespace mirta::tools {

namespace {

using engine::Record;
using engine::Value;

struct Uzytkownik {
    const char* nazwa;
    const char* haslo;
    const char* pelna;
    bool przegladanie, aktualizowanie, administrator, tylkoUrlopy;
};

// ADMIN with an empty password comes with every new data directory.
const Uzytkownik kUzytkownicy[] = {
    {"KADRY", "kadry", "Małgorzata Żółkiewska", true, true, false, false},
    {"PODGLAD", "podglad", "Łukasz Ćwikliński", true, false, false, false},
    {"URLOPY", "urlopy", "Jadwiga Śliwińska", true, true, false, true},
    {"BYLY", "byly", "Zdzisław Kuźmiński", false, false, false, false},
};

struct Harmonogram {
    const char* nazwa;
    char rodzaj, sposob;
    const char* plik;
    int miesiac, dzien, dzienOkresu;
};

const Harmonogram kHarmonogram[] = {
    {"Pracownicy", 'P', 'D', "PRAC", 0, 0, 0},
    {"Nieobecności", 'N', 'T', "NIEOB", 0, 0, 1},
    {"Badania lekarskie", 'L', 'K', "BADLEK", 1, 10, 10},
    {"Przebieg służby", 'S', 'M', "PRZEB", 0, 5, 5},
    {"Przypisanie organizacyjne", 'O', 'M', "PRZYP", 0, 5, 5},
    {"Wykształcenie", 'W', 'P', "WYKSZT", 1, 15, 15},
    {"Wykształcenie uzupełniające", 'Z', 'P', "WYKUZ", 1, 15, 15},
    {"Wynagrodzenia", 'G', 'M', "WYNAGR", 0, 12, 12},
    {"Ordery Odznaczenia", 'R', 'R', "ORDERY", 1, 20, 20},
    {"Czas pracy", 'C', 'M', "CZASPR", 0, 8, 8},
    {"Kara", 'K', 'K', "KARY", 1, 10, 10},
    {"Urlop nagrodowy", 'U', 'R', "URLNAG", 1, 20, 20},
    {"Wyróżnienie", 'I', 'K', "WYROZN", 1, 10, 10},
    {"Struktura etatów", 'A', 'R', "STRETAT", 1, 31, 31},
};

struct Skladnik {
    const char* nazwa;
    const char* kod;
    const char* numer;
};

const Skladnik kSkladniki[] = {
    {"Uposażenie zasadnicze", "UZ", "1"}, {"Dodatek za wysługę lat", "DWL", "2"},
    {"Dodatek za stopień", "DST", "3"},   {"Dodatek służbowy", "DSL", "4"},
    {"Dodatek motywacyjny", "DMT", "5"},  {"Premia pracowników cywilnych", "PRC", "6"},
};

void Zlicz(KontekstDemo& k, ZapisTabeli& t, const std::string& plik) {
    t.Zamknij();
    k.liczniki.emplace_back(plik, t.Tabela().RowCount());
}

}  // namespace

void ZapiszUstawienia(KontekstDemo& k) {
    {
        ZapisTabeli t(k.fs, k.katalog, "Hasla.DB");
        for (const auto& u : kUzytkownicy) {
            Record w = t.Nowy();
            t.Tekst(w, "NazwaKrotka", u.nazwa);
            t.Tekst(w, "Haslo", u.haslo);
            t.Tekst(w, "NazwaPelna", u.pelna);
            t.Logiczne(w, "Przegladanie", u.przegladanie);
            t.Logiczne(w, "Aktualizowanie", u.aktualizowanie);
            t.Logiczne(w, "Administrator", u.administrator);
            t.Logiczne(w, "Pole1", false);
            t.Logiczne(w, "Pole2", u.tylkoUrlopy);
            t.Logiczne(w, "Pole3", false);
            t.Logiczne(w, "Pole4", false);
            t.Liczba(w, "Pole10", 0);
            t.Wstaw(w);
        }
        Zlicz(k, t, "Hasla.DB");
    }
    {
        // The unit's record, kept by the payroll program; only the unit fields are ours.
        ZapisTabeli t(k.fs, k.katalog, "Parametry.DB");
        Record w = t.Tabela().RowCount() ? t.Tabela().ReadRow(0) : t.Nowy();
        t.Tekst(w, "NazwaPelna", "Komenda Miejska RIR w Łomży");
        t.Tekst(w, "NazwaSkrocona", "KM RIR Łomża");
        t.Tekst(w, "REGON", "450667081");
        t.Tekst(w, "Kraj", "Polska");
        t.Tekst(w, "Wojewodztwo", "podlaskie");
        t.Tekst(w, "Powiat", "Łomża");
        t.Tekst(w, "Gmina", "Łomża");
        t.Tekst(w, "Ulica", "gen. Władysława Sikorskiego");
        t.Tekst(w, "NrDomu", "16");
        t.Tekst(w, "Miejscowosc", "Łomża");
        t.Tekst(w, "KodPocztowy", "18-400");
        t.Tekst(w, "Poczta", "Łomża");
        t.Tekst(w, "NIPFirmy", "718-10-23-459");
        if (t.Tabela().RowCount())
            t.Tabela().Update(0, w);
        else
            t.Wstaw(w);
        Zlicz(k, t, "Parametry.DB");
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "ParDruk.DB");
        if (t.Tabela().RowCount() == 0) {
            Record w = t.Nowy();
            t.Liczba(w, "PIT1StronaLewyMargines", 10);
            t.Liczba(w, "PIT2StronaLewyMargines", 10);
            t.Liczba(w, "MinimalnyLewyMargines", 5);
            t.Wstaw(w);
        }
        Zlicz(k, t, "ParDruk.DB");
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "Podpowiedzi.DB");
        for (const auto& s : SposobyRozwiazaniaUmowy()) {
            Record w = t.Nowy();
            t.Tekst(w, "TypDanych", "1");
            t.Tekst(w, "Opis", s);
            t.Dodaj(std::move(w));
        }
        Zlicz(k, t, "Podpowiedzi.DB");
    }
    {
        // One saved list definition: three title rows and the tags printed under them.
        ZapisTabeli nazwy(k.fs, k.katalog, "NazwWyd.db");
        ZapisTabeli pozycje(k.fs, k.katalog, "PozWyd.db");
        Record w = nazwy.Nowy();
        nazwy.Tekst(w, "NazwaWydruku", "Lista pracowników z datami urodzenia i zatrudnienia");
        nazwy.Logiczne(w, "Portret", true);
        const int64_t id =
            nazwy.Wstaw(w)[static_cast<size_t>(nazwy.Pole("IdentyfikatorWydruku"))].AsInteger();
        const char* const kKolumny[][2] = {
            {"Nazwisko i imię", "<<NAZWISKO IMIE12>>"},
            {"Data urodzenia", "<<DataUrodzenia>>"},
            {"Miejsce urodzenia", "<<MiejsceUrodzenia>>"},
            {"Data zatrudnienia", "<<DataZatrudnienia>>"},
            {"Imię ojca", "<<ImięOjca>>"},
        };
        for (int kol = 0; kol < 5; ++kol)
            for (int wiersz = 0; wiersz < 2; ++wiersz) {
                Record p = pozycje.Nowy();
                pozycje.Liczba(p, "IdentyfikatorWydruku", id);
                pozycje.Liczba(p, "NumerKolumny", kol);
                pozycje.Liczba(p, "NumerWiersza", wiersz);
                pozycje.Liczba(p, "SzerokoscPola", kol == 0 ? 180 : 110);
                pozycje.Tekst(p, "OpisZawartosci", kKolumny[kol][wiersz]);
                pozycje.Dodaj(std::move(p));
            }
        Zlicz(k, nazwy, "NazwWyd.db");
        Zlicz(k, pozycje, "PozWyd.db");
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "SPD/ParametrySPD.DB");
        Record w = t.Nowy();
        t.Tekst(w, "NumerJednostki", "2061101");
        t.Tekst(w, "KodObszaru", "P");
        t.Tekst(w, "KodSD", "KM");
        t.Tekst(w, "Sciezka", "SPD\\WYSLANE");
        t.Tekst(w, "NazwaKomorkiOrganizacyjne", "Komenda Miejska RIR w Łomży");
        t.Tekst(w, "UzytkownikSPD", "km_lomza");
        // The demo's server is this computer, so a package can be sent to a local SFTP server.
        t.Tekst(w, "FTPSPD", "127.0.0.1");
        t.Tekst(w, "PortSPD", "22");
        t.Tekst(w, "SciezkaSPD", "/przesylki/km_lomza");
        t.Wstaw(w);
        Zlicz(k, t, "SPD/ParametrySPD.DB");
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "SPD/Harmonogram.DB");
        int lp = 0;
        for (const auto& h : kHarmonogram) {
            Record w = t.Nowy();
            t.Tekst(w, "Nazwa", h.nazwa);
            t.Tekst(w, "Rodzaj", std::string(1, h.rodzaj));
            t.Tekst(w, "SposobPrzesylania", std::string(1, h.sposob));
            t.Tekst(w, "NazwaPliku", h.plik);
            t.Tekst(w, "IdentyfikatorSystemuDzied", h.rodzaj == 'G' ? "PLACE" : "KADRY");
            t.Liczba(w, "Rok", Rok(k.kariera.dzis));
            t.Liczba(w, "Miesiac", h.miesiac);
            t.Liczba(w, "Dzien", h.dzien);
            t.Liczba(w, "DzienOkresu", h.dzienOkresu);
            if (h.sposob == 'D')
                t.Ustaw(w, "Godzina", Value::Time(14 * 3600 * 1000));
            t.Liczba(w, "LP", ++lp);
            t.Logiczne(w, "Aktywny", true);
            t.Wstaw(w);
        }
        Zlicz(k, t, "SPD/Harmonogram.DB");
    }
    {
        ZapisTabeli t(k.fs, k.katalog, "SPD/SPDWynagrodzenia.DB");
        int lp = 0;
        for (const auto& s : kSkladniki) {
            Record w = t.Nowy();
            t.Liczba(w, "LP", ++lp);
            t.Tekst(w, "NazwaSkladnika", s.nazwa);
            t.Tekst(w, "KodSkladnika", s.kod);
            t.Tekst(w, "NumerSkladnikaPlace", s.numer);
            t.Liczba(w, "IdentyfikatorSkladnika", 0);
            t.Wstaw(w);
        }
        Zlicz(k, t, "SPD/SPDWynagrodzenia.DB");
    }
}

// The payroll program's salary cards of every finished month of this year: one row per
// employee and pay line, with the amounts of the months so far.
void ZapiszKartotekiPlac(KontekstDemo& k, const std::vector<Pracownik>& ludzie) {
    const store::OpisTabeli* opis = store::ZnajdzTabele("KART.DBF");
    const auto dzis = engine::CivilFromDayNumber(k.kariera.dzis);
    const auto& grupy = SlownikGrup();
    for (int m = 1; m < dzis.month; ++m) {
        const std::string plik = store::PlikKartotekiPlac(dzis.year, m);
        engine::DbfTable::Create(k.fs, k.katalog + "/" + plik, opis->PolaPliku(), opis->bajtJezyka);
        ZapisTabeli t(k.fs, k.katalog, plik);
        const int32_t koniecMiesiaca = PoMiesiacach(Dzien(dzis.year, m, 1), 1) - 1;
        char rok[8];
        std::snprintf(rok, sizeof rok, "%02d", dzis.year % 100);
        for (const auto& p : ludzie) {
            if (p.charakter == 'U' || p.podzial == '4' || p.grupy.empty() ||
                p.dataZatrudnienia > koniecMiesiaca ||
                (p.dataZwolnienia && p.dataZwolnienia < Dzien(dzis.year, 1, 1)))
                continue;
            const bool f = p.podzial == '1';
            const double zasadnicze =
                std::round((f ? 2600.0 : 5300.0) *
                           grupy[static_cast<size_t>(p.grupy.back().grupa - 1)].mnoznik * p.etat);
            const int lata = std::min(40, (k.kariera.dzis - p.dataZatrudnienia) / 365);
            const double linie[] = {
                zasadnicze,
                std::round(zasadnicze * std::min(lata, f ? 40 : 20)) / 100.0,
                f ? std::round(
                        SlownikStopni()[static_cast<size_t>(
                                            p.stopnie.empty() ? 0 : p.stopnie.back().stopien - 1)]
                            .stawka2026 /
                        3.0)
                  : 0.0,
                p.dodSluzbowy.empty() ? 0.0 : p.dodSluzbowy.back().wartosc,
                p.dodInny.empty() ? 0.0 : p.dodInny.back().wartosc,
                f ? 0.0 : std::round(zasadnicze * 0.25 * 100.0) / 100.0,
            };
            for (int l = 0; l < 6; ++l) {
                if (linie[l] <= 0)
                    continue;
                Record w = t.Nowy();
                t.Tekst(w, "KR_ROK", rok);
                t.Liczba(w, "KR_NRP", p.numer);
                t.Tekst(w, "KR_KD", "W");
                t.Liczba(w, "KR_LPDR", 1);
                t.Tekst(w, "KR_KS", "K");
                t.Tekst(w, "KR_NRS", std::to_string(l + 1));
                t.Liczba(w, "KR_NRL", p.podzial == '1' ? 1 : 2);
                t.Data(w, "KR_DAT", koniecMiesiaca);
                double suma = 0;
                for (int mm = 1; mm <= 12; ++mm) {
                    const int32_t od = Dzien(dzis.year, mm, 1);
                    const bool zaplacony = mm <= m && p.Zatrudniony(od);
                    const double kwota = zaplacony ? linie[l] : 0.0;
                    suma += kwota;
                    char pole[8];
                    std::snprintf(pole, sizeof pole, "KR_%02d", mm);
                    t.Kwota(w, pole, kwota);
                }
                t.Kwota(w, "KR_PR", 0);
                t.Kwota(w, "KR_S11", suma);
                t.Kwota(w, "KR_S12", 0);
                t.Kwota(w, "PIT_GRU", 0);
                t.Kwota(w, "PIT_STY", 0);
                t.Dodaj(std::move(w));
            }
        }
        Zlicz(k, t, plik);
    }
}

}  // namespace mirta::tools
