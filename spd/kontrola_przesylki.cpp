#include "spd/kontrola_przesylki.h"

#include "compute/teksty.h"
#include "spd/csv_spd.h"

namespace mirta::spd {

namespace {

constexpr int kStatusPracownikaCywilnego = 41;
constexpr int kTypPracownika = 42;

}  // namespace

void KontrolaPrzesylki::Naglowek(std::string nazwa, std::string rodzaj) {
    m_nazwa = std::move(nazwa);
    m_pracownicy = compute::Przytnij(rodzaj) == "P";
    m_statusCywilny.clear();
}

void KontrolaPrzesylki::Pole(const PoleKontroli& pole) {
    if (m_pracownicy && pole.identyfikatorPola == kStatusPracownikaCywilnego)
        m_statusCywilny = compute::Przytnij(pole.zawartosc);
    if (m_pracownicy && pole.identyfikatorPola == kTypPracownika &&
        compute::Przytnij(pole.zawartosc) == "C" && WartoscPusta(m_statusCywilny))
        Dodaj(pole, BrakPola::StatusCywilny);
    // Trimmed, as the file is written: a value of blanks would go out as NULL unnoticed.
    if (pole.wymagalnosc && WartoscPusta(pole.zawartosc))
        Dodaj(pole, BrakPola::WartoscWymagana);
}

void KontrolaPrzesylki::Dodaj(const PoleKontroli& pole, BrakPola brak) {
    const char* co = brak == BrakPola::StatusCywilny
                         ? " wymagana warukowa wartość pola dla pracownika cywilnego:"
                         : " wymagana wartość pola:";
    m_bledyPol.push_back({pole, brak});
    m_bledy.push_back(m_nazwa + pole.nazwisko + " " + pole.imie1 + co + pole.nazwaPola + " " +
                      pole.opisDodatkowy);
}

std::string KontrolaPrzesylki::Zestawienie() const {
    std::string tekst = kNaglowekZestawieniaBledow;
    for (const std::string& blad : m_bledy)
        tekst += "\n" + blad;
    return tekst + "\n";
}

}  // namespace mirta::spd
