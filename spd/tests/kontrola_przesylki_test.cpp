#include "spd/kontrola_przesylki.h"

#include <gtest/gtest.h>

namespace mirta::spd {
namespace {

PoleKontroli Pole(int id, const char* nazwa, bool wymagane, const char* zawartosc,
                  const char* nazwisko = "Nowak") {
    return {id, nazwa, "Opis " + std::string(nazwa), wymagane, zawartosc, nazwisko, "Jan"};
}

TEST(KontrolaPrzesylki, WymaganaWartoscPustaPoPrzycieciu) {
    KontrolaPrzesylki k;
    k.Naglowek("Stanowiska", "S");
    k.Pole(Pole(1, "Identyfikator", true, "7"));
    k.Pole(Pole(2, "Nazwa", true, "   "));
    k.Pole(Pole(3, "Uwagi", false, ""));
    k.Pole(Pole(4, "Kod", true, "|"));
    EXPECT_FALSE(k.Poprawna());
    EXPECT_EQ(k.Bledy(), (std::vector<std::string>{
                             "StanowiskaNowak Jan wymagana wartość pola:Nazwa Opis Nazwa",
                             "StanowiskaNowak Jan wymagana wartość pola:Kod Opis Kod"}));
    EXPECT_EQ(k.Zestawienie(),
              "Zestawienie błędów w systemie SPD.\n" + k.Bledy()[0] + "\n" + k.Bledy()[1] + "\n");
}

TEST(KontrolaPrzesylki, StatusPracownikaCywilnego) {
    KontrolaPrzesylki k;
    k.Naglowek("Pracownicy", "P");
    // An officer without the civil status: nothing to report.
    k.Pole(Pole(1, "Identyfikator", true, "1", "Kowal"));
    k.Pole(Pole(41, "StatusPracownikaCywilnego", false, "", "Kowal"));
    k.Pole(Pole(42, "TypPracownika", true, "F", "Kowal"));
    // A civil employee without it: exactly the conditional line.
    k.Pole(Pole(1, "Identyfikator", true, "2"));
    k.Pole(Pole(41, "StatusPracownikaCywilnego", false, " "));
    k.Pole(Pole(42, "TypPracownika", true, "C"));
    // A civil employee with it.
    k.Pole(Pole(1, "Identyfikator", true, "3", "Lis"));
    k.Pole(Pole(41, "StatusPracownikaCywilnego", false, "S", "Lis"));
    k.Pole(Pole(42, "TypPracownika", true, "C", "Lis"));
    EXPECT_EQ(k.Bledy(),
              std::vector<std::string>{"PracownicyNowak Jan wymagana warukowa wartość pola dla "
                                       "pracownika cywilnego:TypPracownika Opis TypPracownika"});

    // Only the employees' kind has the conditional check.
    KontrolaPrzesylki inna;
    inna.Naglowek("Inne", "N");
    inna.Pole(Pole(41, "X", false, ""));
    inna.Pole(Pole(42, "Y", false, "C"));
    EXPECT_TRUE(inna.Poprawna());
}

}  // namespace
}  // namespace mirta::spd
