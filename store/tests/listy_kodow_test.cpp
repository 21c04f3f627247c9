#include "store/listy_kodow.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace mirta::store {
namespace {

TEST(ListyKodow, ShowTheTextOfACodeAndTheListsMarkForOthers) {
    struct Przypadek {
        const char* lista;
        const char* kod;
        const char* tekst;
    };
    const Przypadek przypadki[] = {
        {"Plec", "K", "Kobieta"},
        {"Plec", "X", "XXXXXX"},
        {"Plec", "", ""},  // an empty sex shows empty
        {"Podzial", "4", "4 - emeryt pobierający świadczenia"},
        {"SystemSluzby", "", "XXXXXX"},  // an empty service system does not
        {"Ubruttowienie", "T", "Tak"},
        {"Ubruttowienie", "t", "???"},  // codes are compared as stored
        {"Ubruttowienie", "", "???"},
        {"GrupaStanowiskSC", "2", "2-stanowiska średniego szczebla zarządzania w S.C."},
        {"RodzajDni", "F", "F-urlop funkcjonariusza"},
        {"RodzajUrlopu", "W", "W-wypoczynkowy"},
        {"RodzajChoroby", "1", "1 - chorobowe"},
        {"RodzajNieobecnosci", "3", "???"},
        {"WynikBadania", "3", "3-niezdolny do służby na zajmowanym stanowisku"},
        {"Powod", "12", "???"},  // one character is one code
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(Lista(p.lista).Tekst(p.kod), p.tekst) << p.lista << " " << p.kod;
}

TEST(ListyKodow, HarmfulnessGroupsReadByTheProcessingYear) {
    EXPECT_EQ(ListaGrupSzkodliwosci(2006).Tekst("1"), "1 - I st. uciążliwości");
    EXPECT_EQ(ListaGrupSzkodliwosci(2007).Tekst("1"), "1 - służba codzienna, funkcje wykonawcze");
    EXPECT_EQ(ListaGrupSzkodliwosci(2007).Tekst(""), "XXXXXX");
}

TEST(ListyKodow, EveryListHasOneCharacterCodesEachOnce) {
    std::set<std::string_view> nazwy;
    for (const ListaKodow& l : WszystkieListy()) {
        EXPECT_TRUE(nazwy.insert(l.nazwa).second) << l.nazwa;
        std::set<std::string_view> kody;
        for (const PozycjaKodu& p : l.pozycje) {
            EXPECT_EQ(p.kod.size(), 1u) << l.nazwa;
            EXPECT_TRUE(kody.insert(p.kod).second) << l.nazwa << " " << p.kod;
            EXPECT_TRUE(l.Zawiera(p.kod));
        }
        EXPECT_FALSE(l.Zawiera("")) << l.nazwa;
    }
}

TEST(ListyKodow, AnUnknownListIsAProgrammingError) {
    EXPECT_EQ(ZnajdzListe("Nieznana"), nullptr);
    EXPECT_THROW(Lista("Nieznana"), std::logic_error);
}

}  // namespace
}  // namespace mirta::store
