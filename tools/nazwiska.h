#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/losowanie.h"

namespace mirta::tools {

struct Miejscowosc {
    const char* nazwa;
    const char* kodPocztowy;
    const char* poczta;
    const char* kodGus;  // statistical place code
    const char* kierunkowy;
};

struct Adres {
    const Miejscowosc* miejscowosc = nullptr;
    std::string kodPocztowy;
    std::string ulica;  // empty in villages without street names
    std::string nrDomu;

    // "Kowalskiego 12/3" or "Piątnica 45" in a village.
    std::string Linia() const;
    // "ul. Kowalskiego 12/3", but "Aleja Legionów 5" and "Piątnica 45" as they are.
    std::string ZUlica() const;
    // "18-400 Łomża".
    std::string KodIPoczta() const;
};

// Everything personal about one person, as a clerk would have typed it.
struct Osoba {
    char plec = 'M';
    std::string imie1, imie2, nazwisko, nazwiskoRodowe;
    std::string imieOjca, imieMatki, nazwiskoRodoweMatki;
    int32_t dataUrodzenia = 0;
    std::string miejsceUrodzenia;
    std::string pesel, nip, dowod, ktoWydalDowod, kodWystawcyDowodu;
    int32_t dataWydaniaDowodu = 0, dataWaznosciDowodu = 0;
    Adres zameldowania, zamieszkania;
    std::string telefon, telefonKomorkowy, email, kontoBankowe;
    std::string osobaPowiadamiania, telefonPowiadamiania;
    Adres adresPowiadamiania;
};

const std::vector<Miejscowosc>& Miejscowosci();
// The unit's own town (first of the list).
const Miejscowosc& MiejscowoscJednostki();

std::string LosujImie(Losowanie& los, char plec);
// Surname in the form of the given sex: Kowalski / Kowalska, Nowak / Nowak.
std::string LosujNazwisko(Losowanie& los, char plec);
std::string FormaNazwiska(const std::string& meskie, char plec);
Adres LosujAdres(Losowanie& los, const Miejscowosc* gdzie = nullptr);

// Numbers with their real check digits, so validating screens accept them.
std::string Pesel(Losowanie& los, int32_t dataUrodzenia, char plec);
std::string Nip(Losowanie& los);
std::string NumerDowodu(Losowanie& los);
std::string NumerKonta(Losowanie& los);
std::string TelefonKomorkowy(Losowanie& los);
// ASCII for e-mail addresses: "Łukasz Żak" -> "lukasz.zak".
std::string BezOgonkow(const std::string& tekst);

// A whole person born on `dataUrodzenia`, living near the unit, with an identity card valid
// on `dzis`.
Osoba LosujOsobe(Losowanie& los, char plec, int32_t dataUrodzenia, int32_t dzis);

}  // namespace mirta::tools
