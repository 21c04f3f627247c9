#include "compute/adres.h"

#include <gtest/gtest.h>

namespace mirta::compute {
namespace {

TEST(Adres, HouseAndFlatSplit) {
    struct Case {
        const char* tekst;
        NumerDomu numer;
    };
    const Case cases[] = {
        {"12/5", {"12", "5"}},   {"12 m 5", {"12", "5"}}, {"12A", {"12A", ""}},
        {" 7 M 3 ", {"7", "3"}}, {"12,5", {"12", "5"}},   {"1\\2", {"1", "2"}},
        {"/5", {"/5", ""}},      {"5/", {"5/", ""}},      {"12/5/3", {"12/5", "3"}},
        {"", {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PodzielNumerDomu(c.tekst), c.numer) << c.tekst;
}

TEST(Adres, RegisteredAddressWhenNoResidence) {
    DaneAdresowe d;
    d.kodPocztowy = "00-950";
    d.poczta = "Warszawa";
    d.miejscowosc = "Warszawa";
    d.ulica = "Długa";
    d.nrDomuIMieszkania = "12 m 5";
    d.kodPocztaZamieszkania = "   ";
    d.telefonZamieszkania = "22 123 45 67";
    EXPECT_EQ(AdresZDanych(d), (AdresPracownika{"00-950", "Warszawa", "Warszawa", "Długa", "12",
                                                "5", "22 123 45 67"}));
}

TEST(Adres, ResidenceAddress) {
    struct Case {
        const char* kod;
        const char* miejscowosc;
        AdresPracownika adres;
    };
    const Case cases[] = {
        {"31-042 Kraków",
         "Floriańska 12/5",
         {"31-042", "Kraków", "Kraków", "Floriańska", "12", "5", "t"}},
        {"31-042 Kraków",
         "Aleje Trzech Wieszczów 7",
         {"31-042", "Kraków", "Kraków", "Aleje Trzech Wieszczów", "7", "", "t"}},
        {"31-042 Kraków", "Rynek", {"31-042", "Kraków", "Kraków", "Rynek", "", "", "t"}},
        {"31-042 Kraków", "14/2", {"31-042", "Kraków", "Kraków", "", "14", "2", "t"}},
        {"31-042", "Rynek 1", {"", "", "", "Rynek", "1", "", "t"}},  // no post office part
    };
    for (const auto& c : cases) {
        DaneAdresowe d;
        d.kodPocztowy = "ignored";
        d.kodPocztaZamieszkania = c.kod;
        d.miejscowoscAdresZamieszka = c.miejscowosc;
        d.telefonZamieszkania = "t";
        EXPECT_EQ(AdresZDanych(d), c.adres) << c.kod << " / " << c.miejscowosc;
    }
}

}  // namespace
}  // namespace mirta::compute
