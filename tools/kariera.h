#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/value.h"
#include "tools/losowanie.h"
#include "tools/nazwiska.h"

namespace mirta::tools {

// One employee's file as plain values: dates are engine day numbers (0 = empty),
// dictionary references are identifiers (see slowniki_demo.h).

struct WpisStopnia {
    int32_t od = 0, obowiazuje = 0;
    int stopien = 0, ktoWydal = 0, podstawa = 0;
    std::string nrRozkazu = {};
};
struct WpisGrupy {
    int32_t od = 0;
    int grupa = 0;
    char ubruttowienie = 'N';
    double mnoznik = 1.0;
};
struct WpisStanowiska {
    int32_t od = 0;
    int stanowisko = 0, podstawa = 0;
};
struct WpisZatrudnienia {
    int32_t od = 0, doDnia = 0;
    int forma = 0, podstawa = 0, rodzaj = 0;
};
struct WpisSzkodliwosci {
    int32_t od = 0;
    char grupa = '0';
};
struct WpisDodatku {
    int32_t od = 0, doDnia = 0;
    double wartosc = 0;
};
struct WpisNagrody {
    char rodzaj = '1';
    int32_t data = 0;
    std::string komentarz = {};
    double kwota = 0;
};
struct WpisPremii {
    int rok = 0, miesiac = 0;
    double procent = 0;
    std::string uwagi = {};
};
struct WpisOkresu {  // leave taken, sickness, absence
    int32_t od = 0, doDnia = 0;
    int rodzaj = 0;  // leave type id, or the code digit of sickness / absence
};
struct UrlopNalezny {
    int rok = 0;
    int nalezny = 0, dodatkowy = 0;
    int zaleglyPoprzedni = 0, zaleglyDodatkowy = 0;
    double przelicznik = 1.0;
    char systemSluzby = '1';
};
struct WpisZawieszenia {
    int32_t data = 0, powrot = 0;
    char powod = '1', klasyfikacja = '2';
    bool wSluzbie = false, doWyslugi = false;
};
struct WpisWypowiedzenia {
    int32_t od = 0, doDnia = 0;
    char typ = '1';
    std::string opis = {};
};
struct WpisZwolnienia {
    int32_t data = 0;
    std::string sposob = {}, przyczyna = {};
};
struct WpisDecyzji {
    int32_t data = 0;
    std::string numer = {};
};
struct WpisPoprzedniegoZatrudnienia {
    int32_t od = 0, doDnia = 0;
    std::string zaklad = {}, adres = {}, sposobRozwiazania = {}, stanowiskoWpr = {};
    int stanowisko = 0;
    bool wSluzbie = false;
};
struct WpisDodatkowegoZatrudnienia {
    int32_t od = 0, doDnia = 0;
    std::string zaklad = {}, zgodyUdzielil = {};
    int forma = 0;
    double wymiar = 0.5;
};
struct WpisBadania {
    char rodzaj = '2', wynik = '1';
    int32_t data = 0, nastepne = 0;
    std::string przyczynaNiewykonania = {};
};
struct WpisSwiadczenia {
    int32_t przyznano = 0, zawieszono = 0;
    int grupaInwalidzka = 0, rodzajSwiadczenia = 0;
    std::string numer = {}, opis = {};
};
struct WpisWyksztalcenia {
    int rok = 0;
    std::string uczelnia = {};
    int rodzaj = 0, tytulNaukowy = 0, kierunek = 0;
    bool strazackie = false;
    int32_t dataUzyskania = 0;
};
struct WpisKursu {
    int rodzaj = 0, rok = 0;
    std::string nazwa = {};
    int32_t nabycie = 0, waznosc = 0;
};
struct CzlonekRodziny {
    int pokrewienstwo = 0;
    int32_t urodzenie = 0, slub = 0;
    std::string nazwisko = {}, imie1 = {}, imie2 = {};
};
struct WpisOdznaczenia {  // orders, penalties and distinctions
    int32_t data = 0;
    int rodzaj = 0, organ = 0;
    std::string numer = {};
    double kwota = 0;
    int dniUrlopu = 0;
};
struct KartaCzasuPracy {
    int rok = 0, miesiac = 0;
    int plan[31] = {}, wykonanie[31] = {};
};

enum class Kategoria { Funkcjonariusz, Cywil, SluzbaCywilna, Emeryt, Zleceniobiorca };

struct Pracownik {
    Kategoria kategoria = Kategoria::Funkcjonariusz;
    Osoba osoba;
    int numer = 0;  // payroll number
    char podzial = '1', systemSluzby = '1', charakter = 'S';
    double etat = 1.0;
    int32_t dataZatrudnienia = 0, dataZwolnienia = 0;
    int komorka = 0, statusCywilny = 0;
    std::string nrEwidencyjny = {}, kontoKosztow = {};

    std::vector<WpisStopnia> stopnie;
    std::vector<WpisGrupy> grupy;
    std::vector<WpisStanowiska> stanowiska, stanowiskaEtatowe;
    std::vector<WpisZatrudnienia> zatrudnienie;
    std::vector<WpisSzkodliwosci> szkodliwe;
    std::vector<WpisDodatku> dodSluzbowy, dodInny;
    std::vector<WpisNagrody> nagrody;
    std::vector<WpisPremii> premie;
    std::vector<WpisOkresu> urlopy, choroby, nieobecnosci;
    std::vector<UrlopNalezny> urlopyNalezne;
    std::vector<WpisZawieszenia> zawieszenia;
    std::vector<WpisWypowiedzenia> wypowiedzenia;
    std::vector<WpisZwolnienia> zwolnienia;
    std::vector<WpisDecyzji> decyzje;
    std::vector<WpisPoprzedniegoZatrudnienia> poprzednie;
    std::vector<WpisDodatkowegoZatrudnienia> dodatkowe;
    std::vector<WpisBadania> badania;
    std::vector<WpisSwiadczenia> swiadczenia;
    std::vector<WpisWyksztalcenia> wyksztalcenie;
    std::vector<WpisKursu> kursy;
    std::vector<CzlonekRodziny> rodzina;
    std::vector<WpisOdznaczenia> ordery, kary, wyroznienia;
    std::vector<KartaCzasuPracy> karty;

    // Employed on the given day (hired, not yet dismissed).
    bool Zatrudniony(int32_t dzien) const {
        return dataZatrudnienia <= dzien && (dataZwolnienia == 0 || dataZwolnienia >= dzien);
    }
};

struct ParametryKariery {
    int32_t dzis = 0;     // the unit's "today"
    int pierwszyRok = 0;  // first year whose leave, sickness and cards are kept
    int rokKart = 0;      // first year of work-time cards
};

// The whole history of one person of the given category; `numer` is the payroll number.
Pracownik LosujPracownika(Losowanie& los, Kategoria kategoria, int numer,
                          const ParametryKariery& p);

// Parts of the history, one file each.
void KarieraFunkcjonariusza(Losowanie& los, Pracownik& p, const ParametryKariery& k);
void KarieraCywila(Losowanie& los, Pracownik& p, const ParametryKariery& k);
void NieobecnosciIUrlopy(Losowanie& los, Pracownik& p, const ParametryKariery& k);
void AktaOsobowe(Losowanie& los, Pracownik& p, const ParametryKariery& k);

// The jubilee awards after 20, 25, 30, 35 and 40 years that fall within the career (up to
// `koniec`), "nagroda jubileuszowa za N lat " and `czego`, the amount drawn between the two.
void NagrodyJubileuszowe(Losowanie& los, Pracownik& p, const ParametryKariery& k, int32_t koniec,
                         const std::string& czego, double kwotaOd, double kwotaDo);

// Working days (Monday to Friday, not a holiday) between two days inclusive.
int DniRobocze(int32_t od, int32_t doDnia);
bool Swieto(int32_t dzien);
// 1 Monday ... 7 Sunday.
int DzienTygodnia(int32_t dzien);
int Rok(int32_t dzien);
int32_t Dzien(int rok, int miesiac, int dzien);
// The same day `lat` years later (29 February becomes 28).
int32_t PoLatach(int32_t dzien, int lat);
int32_t PoMiesiacach(int32_t dzien, int miesiecy);

}  // namespace mirta::tools
