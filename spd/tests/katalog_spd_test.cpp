#include "spd/katalog_spd.h"

#include <gtest/gtest.h>

#include <string>

namespace mirta::spd {
namespace {

struct Przypadek {
    PodrodzajSPD podrodzaj;
    int numer;  // IdentyfikatorPola
    KolumnaSPD oczekiwana;
};

// Columns whose attributes are easy to get wrong: odd spellings, texts ending in blanks,
// the sub-kinds that differ in a few cells, and the four columns with two decimals.
const Przypadek kPrzypadki[] = {
    {PodrodzajSPD::Pracownik,
     1,
     {"ID", "S", 100, 0, "Unikalny identyfikator pracownika RIR w systemie dziedzinowym", "N/A",
      true, "N/A", "Długość wartości pola", "PK"}},
    {PodrodzajSPD::Pracownik,
     13,
     {"Limit godzin urlopu na rok", "N", 0, 0, "Limit godzin urlopu dla danego pracownika na rok",
      "N/A", false, "N/A", "", ""}},
    {PodrodzajSPD::Pracownik,
     18,
     {"Ulica Zameldowania", "S", 255, 0, "Nazwa ulicy Zameldowania", "N/A", false, "N/A",
      "Długość wartości pola", ""}},
    {PodrodzajSPD::Pracownik,
     22,
     {"Kod pocztowy Zamieszkania", "C", 6, 0, "Kod pocztowy miejscowości Zamieszkania", "N/A",
      false, "NN-NNN", "Długość wartości pola", ""}},
    {PodrodzajSPD::Pracownik,
     26,
     {"Miejscowość korenspondencyjny", "S", 255, 0, "Nazwa miejscowości korenspondencyjny", "N/A",
      false, "N/A", "Długość wartości pola", ""}},
    {PodrodzajSPD::Pracownik,
     40,
     {"Stopień służbowy", "S", 50, 0, "Aktualny stopien służbowy funkcjonariusza RIR (np.strażak",
      "Stopień służbowy", false, "N/A", "Słownik", ""}},
    {PodrodzajSPD::Urlop,
     5,
     {"Data nieobecności do", "D", 8, 0, "Data zakończenia nieobecności", "N/A", true, "RRRR-MM-DD",
      "Format", "UK3"}},
    {PodrodzajSPD::Zawieszenie,
     3,
     {"Rodzaj nieobecności", "S", 100, 0, "Rodzaj nieobecności", "N/A", true, "N/A", "", ""}},
    {PodrodzajSPD::Choroba,
     2,
     {"ID pracownika", "S", 100, 0, "Identyfikator pracownika RIR w systemie dziedzinowym", "N/A",
      true, "N/A", "Długość wartości pola", "FK (Pracownik.id) UK1"}},
    {PodrodzajSPD::Stanowisko,
     4,
     {"Powód zdarzenia kadrowego", "S", 100, 0, "Powód zdarzenia kadrowego",
      "Rodzaj zdarzenia kadrowego", true, "N/A", "Słownik", "UK3"}},
    {PodrodzajSPD::Stopien,
     1,
     {"ID", "S", 100, 0, "Identyfikator z systemu dziedzinowego", "N/A", true, "N/A", "", "PK"}},
    {PodrodzajSPD::PrzypisanieOrganizacyjne,
     7,
     {"Wymiar etatu", "N", 3, 2, "Wymiar etatu na jaki jest zatrudniony pracownik, np. 7/8 = 0,875",
      "N/A", true, "N/A", "Walidacja względem formatu i maksymalnej długości pola", ""}},
    {PodrodzajSPD::SkladnikWynagrodzenia,
     4,
     {"Rok", "N", 4, 0, "Rok", "N/A", true, "RRR", "Format", "UK3"}},
    {PodrodzajSPD::SkladnikWynagrodzenia,
     6,
     {"Kwota wynagrodzenia", "N", 13, 2, "Kwota składnika wynagrodzeń", "N/A", true, "N/A",
      "Walidacja względem formatu i maksymalnej długości pola", ""}},
    {PodrodzajSPD::Order,
     4,
     {"Data przyznania", "D", 8, 0, "Data przyznania orderu/odznaczenia", "N/A", false, "RRR-MM-DD",
      "Format", ""}},
    {PodrodzajSPD::Order,
     6,
     {"Numer legitymacji", "S", 255, 0,
      "Numer legitymacji potwierdzający nadanie orderu/odznaczenia", "N/A", false, "N/A",
      "Długość wartości pola", "UK.2"}},
    {PodrodzajSPD::Kara,
     4,
     {"Data przyznania", "D", 8, 0, "Data przyznania kary", "N/A", true, "RRRR", "Format", "UK3"}},
    {PodrodzajSPD::UrlopNagrodowy,
     3,
     {"Wymiar urlopu", "N", 5, 0, "Wymiar przyznanego urlopu w dniach", "N/A", true, "N/A",
      "Walidacja względem formatu i maksymalnej długości pola.", ""}},
    {PodrodzajSPD::Wyroznienie,
     3,
     {"Rodzaj wyróżnienia", "S", 100, 0,
      "Rodzaj przyznanego pracownikowi wyróżnienia, np.:krótkoterminowy, płatny dodatkowy urlop ",
      "Rodzaj wyróżnienia", true, "N/A", "Słownik", "UK2"}},
    {PodrodzajSPD::StanowiskoEtatowe,
     4,
     {"Rok", "N", 4, 0, "Rok", "N/A", true, "RRRR", "SFormat", "UK3"}},
    {PodrodzajSPD::StanowiskoEtatowe,
     5,
     {"Stanowisko etatowe", "S", 255, 0, "Stanowisko w strukturze organizacyjnej, ",
      "Stanowisko służbowe", true, "N/A", "Słownik", "UK4"}},
    {PodrodzajSPD::StanowiskoEtatowe,
     7,
     {"Typ pracownika", "C", 1, 0,
      "Stosunek służbowy pracownika względem RIR:  F - funkcjonariusz, C - cywil", "F,C", true, "C",
      "Długość wartości pola iDopuszczalna wartość pola", "UK6"}},
    {PodrodzajSPD::StanowiskoEtatowe,
     8,
     {"Status pracownika cywilnego", "S", 100, 0,
      "Nazwa statusu pracownika cywilnego, np.Urzędnik SC", "Status pracownika cywilnego", false,
      "", "Słownik", "UK7"}},
    {PodrodzajSPD::CzasPracy,
     5,
     {"Dzień 01 planowana liczba godzin", "N", 2, 0, "Czas pracy wg ustalonego harmonogramu pracy",
      "N/A", false, "N/A", "Wartość pola musi być z zakresu <0,24>", ""}},
    {PodrodzajSPD::CzasPracy,
     66,
     {"Dzień 31 przepracowana liczba godzin", "N", 2, 0, "Czas pracy rzeczywiście przepracowany",
      "N/A", false, "N/A", "Wartość pola musi być z zakresu <0,24>", ""}},
};

TEST(KatalogSPD, AtrybutyKolumn) {
    for (const auto& p : kPrzypadki) {
        const auto kolumny = KolumnySPD(p.podrodzaj);
        ASSERT_LE(p.numer, static_cast<int>(kolumny.size()));
        const KolumnaSPD& k = kolumny[static_cast<size_t>(p.numer - 1)];
        const KolumnaSPD& o = p.oczekiwana;
        SCOPED_TRACE(std::string(o.nazwaPola) + " nr " + std::to_string(p.numer));
        EXPECT_EQ(k.nazwaPola, o.nazwaPola);
        EXPECT_EQ(k.typ, o.typ);
        EXPECT_EQ(k.dlugosc, o.dlugosc);
        EXPECT_EQ(k.poKropce, o.poKropce);
        EXPECT_EQ(k.opisDodatkowy, o.opisDodatkowy);
        EXPECT_EQ(k.nazwaSlownika, o.nazwaSlownika);
        EXPECT_EQ(k.wymagalnosc, o.wymagalnosc);
        EXPECT_EQ(k.format, o.format);
        EXPECT_EQ(k.walidacje, o.walidacje);
        EXPECT_EQ(k.wiezy, o.wiezy);
    }
}

TEST(KatalogSPD, LiczbyKolumnRodzajow) {
    const std::pair<PodrodzajSPD, size_t> liczby[] = {{PodrodzajSPD::Pracownik, 43},
                                                      {PodrodzajSPD::Urlop, 5},
                                                      {PodrodzajSPD::Zawieszenie, 5},
                                                      {PodrodzajSPD::BadanieLekarskie, 6},
                                                      {PodrodzajSPD::Stopien, 6},
                                                      {PodrodzajSPD::PrzypisanieOrganizacyjne, 8},
                                                      {PodrodzajSPD::Wyksztalcenie, 5},
                                                      {PodrodzajSPD::Kurs, 5},
                                                      {PodrodzajSPD::SkladnikWynagrodzenia, 6},
                                                      {PodrodzajSPD::Order, 6},
                                                      {PodrodzajSPD::CzasPracy, 66},
                                                      {PodrodzajSPD::Kara, 5},
                                                      {PodrodzajSPD::UrlopNagrodowy, 5},
                                                      {PodrodzajSPD::Wyroznienie, 7},
                                                      {PodrodzajSPD::StanowiskoEtatowe, 9}};
    for (const auto& [podrodzaj, liczba] : liczby)
        EXPECT_EQ(KolumnySPD(podrodzaj).size(), liczba);
    // The four absence kinds share one header line.
    for (auto p : {PodrodzajSPD::Choroba, PodrodzajSPD::Nieobecnosc, PodrodzajSPD::Zawieszenie})
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(KolumnySPD(p)[i].nazwaPola, KolumnySPD(PodrodzajSPD::Urlop)[i].nazwaPola);
    // Every money or fraction column has two decimals, the rest none.
    int dwieCyfry = 0;
    for (auto p : {PodrodzajSPD::PrzypisanieOrganizacyjne, PodrodzajSPD::SkladnikWynagrodzenia,
                   PodrodzajSPD::Wyroznienie, PodrodzajSPD::StanowiskoEtatowe})
        for (const auto& k : KolumnySPD(p))
            dwieCyfry += k.poKropce == 2;
    EXPECT_EQ(dwieCyfry, 4);
}

TEST(KatalogSPD, NazwyRodzajow) {
    EXPECT_EQ(RodzajeDanychSPD().size(), 14u);
    EXPECT_EQ(NazwaRodzajuDanych("R"), "Ordery Odznaczenia");
    EXPECT_EQ(ZnajdzRodzajDanych("R")->podpis, "Ordery i odznaczenia.");
    EXPECT_EQ(ZnajdzRodzajDanych("P")->podpis, "Pracownik.");
    EXPECT_EQ(NazwaRodzajuDanych("p"), "??????");
    EXPECT_EQ(NazwaRodzajuDanych(""), "??????");
    EXPECT_EQ(NazwaRodzajuDanych("X"), "??????");
}

}  // namespace
}  // namespace mirta::spd
