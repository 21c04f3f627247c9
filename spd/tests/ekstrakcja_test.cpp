#include <gtest/gtest.h>

#include "spd/ekstrakcja.h"
#include "spd/katalog_spd.h"
#include "spd/tests/paczka_testowa.h"
#include "engine/dbf_table.h"
#include "store/katalog.h"

namespace mirta::spd {
namespace {

using testing::PaczkaTestowa;
using Rekord = std::vector<std::string>;
using engine::Value;

class Ekstrakcja : public PaczkaTestowa {};

TEST_F(Ekstrakcja, PracownicyWybraniIIchKolumny) {
    const int32_t grupa = Wstaw("TSlowGrup", {{"NazwaGrupy", T("Grupa 7")}});
    const int32_t status =
        Wstaw("TSlowStatPracCyw", {{"NazwaStatPracCywilnego", T(" Urzędnik SC ")}});
    const int32_t stopien = Wstaw("TSlowStopni", {{"NazwaStopnia", T("aspirant")}});
    const int32_t a = Pracownik("Adamski", {{"PESEL", T("75050612345")},
                                            {"Plec", T("M")},
                                            {"SystemSluzby", T("2")},
                                            {"KodPocztowy", T("18-400")},
                                            {"Poczta", T("Łomża")},
                                            {"Ulica", T("Długa")},
                                            {"NrDomuiMieszkania", T("12 m 3")},
                                            {"KodPocztaZamieszkania", T("15-123")},
                                            {"TelefonZamieszkania", T("86 123")},
                                            {"DataWystawieniaDowodu", Dz(2019, 2, 3)}});
    Wstaw("TPracGrup", {{"IdentyfikatorPracownika", I(a)},
                        {"DataOdKiedy", Dz(2001, 1, 1)},
                        {"IdentyfikatorGrupy", I(grupa)}});
    Wstaw("TPracStop", {{"IdentyfikatorPracownika", I(a)},
                        {"DataOdKiedy", Dz(2001, 1, 1)},
                        {"IdentyfikatorStopnia", I(stopien)}});
    const int32_t b = Pracownik("Bąk", {{"Podzial", T("2")},
                                        {"SystemSluzby", T("0")},
                                        {"IdStPracCyw", I(status)},
                                        {"Miejscowosc", T("Zambrów")},
                                        {"NrDomuiMieszkania", T("12/3a/4")}});
    Pracownik("Później", {{"DataZatrudnienia", Dz(2026, 12, 11)}});
    Pracownik("Wcześniej", {{"DataZwolnienia", Dz(2026, 12, 9)}});
    const int32_t e = Pracownik("Ostatni dzień", {{"DataZwolnienia", Dz(2026, 12, 10)}});
    Pracownik("Emeryt", {{"Podzial", T("4")}});
    Pracownik("Zleceniobiorca", {{"CharakterZatrudnienia", T("U")}});

    const int32_t wpis = Wpis("P");
    const WynikGenerowania w = Generuj({wpis});
    ASSERT_EQ(w.stan, WynikGenerowania::Stan::Wygenerowano);
    const auto r = Rekordy(w, wpis);
    ASSERT_EQ(r.size(), 3u);  // Adamski, Bąk, Ostatni dzień: the table's order
    for (const Rekord& x : r)
        EXPECT_EQ(x.size(), 43u);
    const Rekord& ra = r[0];
    EXPECT_EQ(ra[0], std::to_string(a));
    EXPECT_EQ(ra[1], "75050612345");
    EXPECT_EQ(ra[2], "Jan");
    EXPECT_EQ(ra[3], "Adamski");
    EXPECT_EQ(ra[6], "M");
    EXPECT_EQ(ra[7], "1975-05-06");
    EXPECT_EQ(ra[12], "");
    EXPECT_EQ(ra[13], "86 123");
    EXPECT_EQ(ra[15], "Łomża");  // no town: the post office's
    EXPECT_EQ(ra[16], "18-400");
    EXPECT_EQ(ra[17], "Długa");
    EXPECT_EQ(ra[18], "12");
    EXPECT_EQ(ra[19], "3");
    // A residence code of six characters holds no town: the residence address is empty.
    EXPECT_EQ(ra[20], "");
    EXPECT_EQ(ra[21], "");
    EXPECT_EQ(ra[32], "2019-02-03");
    EXPECT_EQ(ra[33], "");
    EXPECT_EQ(ra[39], "aspirant");
    EXPECT_EQ(ra[41], "F");
    EXPECT_EQ(ra[42], "Grupa 7");
    EXPECT_FALSE(ra[9].empty());  // an officer's service base date

    const Rekord& rb = r[1];
    EXPECT_EQ(rb[0], std::to_string(b));
    EXPECT_EQ(rb[9], "");  // a civil employee has no service base date
    EXPECT_EQ(rb[15], "Zambrów");
    EXPECT_EQ(rb[18], "12/3a");
    EXPECT_EQ(rb[19], "4");
    EXPECT_EQ(rb[39], "");  // SystemSluzby "0": no rank
    EXPECT_EQ(rb[40], "Urzędnik SC");
    EXPECT_EQ(rb[41], "C");
    EXPECT_EQ(rb[42], "");
    EXPECT_EQ(r[2][0], std::to_string(e));
}

TEST_F(Ekstrakcja, NieobecnosciWszystkichPodrodzajow) {
    const int32_t a = Pracownik("Adamski");
    // The base file (tag 2005) and the year file (tag 2026); the 2006 import's copy of a
    // base row in a year file goes out once.
    auto baza = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Urlopy.db"));
    Wstaw(*baza, {{"IdentyfikatorPracownika", I(a)},
                  {"DataOd", Dz(2004, 7, 1)},
                  {"DataDo", Dz(2004, 7, 14)},
                  {"RodzajUrlopu", I(1)}});
    auto rok = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("WykUrl2026.DB"));
    Wstaw(*rok, {{"IdentyfikatorPracownika", I(a)},
                 {"DataOd", Dz(2004, 7, 1)},
                 {"DataDo", Dz(2004, 7, 14)},
                 {"RodzajUrlopu", I(1)}});
    Wstaw(*rok, {{"IdentyfikatorPracownika", I(a)},
                 {"DataOd", Dz(2026, 8, 3)},
                 {"DataDo", Dz(2026, 8, 7)},
                 {"RodzajUrlopu", I(9)}});
    Wstaw("TChoroby", {{"IdentyfikatorPracownika", I(a)},
                       {"DataOd", Dz(2026, 2, 2)},
                       {"DataDo", Dz(2026, 2, 6)},
                       {"RodzajChoroby", T("2")}});
    Wstaw("TNieobecnosci", {{"IdentyfikatorPracownika", I(a)},
                            {"DataOd", Dz(2026, 3, 2)},
                            {"RodzajNieobecnosci", T("7")}});
    Wstaw("TZawieszenia", {{"IdentyfikatorPracownika", I(a)},
                           {"DataZawieszenia", Dz(2025, 1, 1)},
                           {"DataPowrotu", Dz(2025, 6, 30)},
                           {"Powod", T("3")}});
    const int32_t wpis = Wpis("N");
    const WynikGenerowania w = Generuj({wpis});
    const std::string id = std::to_string(a);
    const std::vector<Rekord> oczekiwane = {
        {"URLOP" + id + "R2005D2004-07-011", id, "Urlop wypoczynkowy", "2004-07-01", "2004-07-14"},
        {"URLOP" + id + "R2026D2026-08-039", id, "Urlop bezpłatny", "2026-08-03", "2026-08-07"},
        {"CHOROBA" + id + "R2026D2026-02-022", id, "opieka nad członkiem rodziny", "2026-02-02",
         "2026-02-06"},
        {"NIEOB" + id + "R2026D2026-03-027", id, "", "2026-03-02", ""},
        {"ZAWIESZENIA" + id + "R2025D2025-01-013", id, "służba wojskowa", "2025-01-01",
         "2025-06-30"},
    };
    EXPECT_EQ(Rekordy(w, wpis), oczekiwane);
}

TEST_F(Ekstrakcja, PrzebiegSluzbyZKoncamiOkresow) {
    const int32_t a = Pracownik("Adamski");
    const int32_t powod = Wstaw("TPowodZdarzeniaKadrowego", {{"Powod", T("Mianowanie")}});
    Wstaw("TPracStop", {{"IdentyfikatorPracownika", I(a)},
                        {"DataOdKiedy", Dz(2005, 1, 1)},
                        {"IdentyfikatorStopnia", I(3)},
                        {"IdPodstawy", I(powod)}});
    Wstaw("TPracStop", {{"IdentyfikatorPracownika", I(a)},
                        {"DataOdKiedy", Dz(2008, 3, 1)},
                        {"IdentyfikatorStopnia", I(4)},
                        {"DataObowiazywaniaStopnia", Dz(2010, 5, 31)}});
    Wstaw("TStanowiska", {{"IdentyfikatorPracownika", I(a)},
                          {"DataOd", Dz(2004, 1, 1)},
                          {"IdentyfikatorStanowiska", I(2)}});
    const int32_t wpis = Wpis("S");
    const std::string id = std::to_string(a);
    const std::vector<Rekord> oczekiwane = {
        {"STANOWISKO" + id + "D2004-01-012", id, "Awans w stanowisku", "", "2004-01-01", ""},
        {"STOPIEN" + id + "D2005-01-013", id, "Awans w stopniu", "Mianowanie", "2005-01-01",
         "2008-02-29"},
        {"STOPIEN" + id + "D2008-03-014", id, "Awans w stopniu", "", "2008-03-01", "2010-05-31"},
    };
    EXPECT_EQ(Rekordy(Generuj({wpis}), wpis), oczekiwane);
}

TEST_F(Ekstrakcja, WynagrodzeniaZKartotekiPoprzedniegoMiesiaca) {
    const int32_t a = Pracownik("Adamski", {{"NumerPracownika", I(17)}});
    Pracownik("Bez numeru");
    WstawSPD("TSPDWynagrodzenia", {{"LP", I(2)},
                                   {"NazwaSkladnika", T("Dodatek")},
                                   {"KodSkladnika", T("DST")},
                                   {"NumerSkladnikaPlace", T("12")}});
    WstawSPD("TSPDWynagrodzenia", {{"LP", I(1)},
                                   {"NazwaSkladnika", T("Uposażenie")},
                                   {"KodSkladnika", T("UZ")},
                                   {"NumerSkladnikaPlace", T("1")}});
    WstawSPD("TSPDWynagrodzenia", {{"LP", I(3)},
                                   {"NazwaSkladnika", T("Groszowy")},
                                   {"KodSkladnika", T("GR")},
                                   {"NumerSkladnikaPlace", T("5")}});
    WstawSPD("TSPDWynagrodzenia", {{"LP", I(4)},
                                   {"NazwaSkladnika", T("Potrącenie")},
                                   {"KodSkladnika", T("PT")},
                                   {"NumerSkladnikaPlace", T("6")}});
    // D in January 2009: December 2008's card, column KR_12.
    const store::OpisTabeli* opis = store::ZnajdzTabele("KART.DBF");
    auto karta = engine::DbfTable::Create(engine::FileSystem::Real(), dir.File("KART0812.DBF"),
                                          opis->PolaPliku(), opis->bajtJezyka);
    auto linia = [&](int nrp, const char* nrs, double grudzien, double listopad = 0) {
        Wstaw(*karta, {{"KR_NRP", Value::Number(nrp)},
                       {"KR_NRS", T(nrs)},
                       {"KR_11", Value::Number(listopad)},
                       {"KR_12", Value::Number(grudzien)}});
    };
    linia(17, "0001", 3000.10, 999);
    linia(17, "12", 500);
    linia(17, "0012", 250.25);
    linia(17, "5", 0.004);
    linia(17, "6", -0.01);
    linia(18, "1", 7777);
    karta.reset();
    const int32_t wpis = Wpis("G");
    const std::string id = std::to_string(a);
    const std::vector<Rekord> oczekiwane = {
        {id + ";01;2009;UZ1", id, "01", "2009", "Uposażenie", "        3000.10"},
        {id + ";01;2009;DST12", id, "01", "2009", "Dodatek", "         750.25"},
        {id + ";01;2009;PT6", id, "01", "2009", "Potrącenie", "          -0.01"},
    };
    const WynikGenerowania w = Generuj({wpis}, K(2009, 1, 15));
    EXPECT_EQ(Rekordy(w, wpis), oczekiwane);
    // The payroll system names the rows of this kind.
    auto t = OtworzTabelePaczki(engine::FileSystem::Real(), SciezkaWKatalogu(dir.Path(), w.folder),
                                "TPozPlikow");
    const engine::Record x = t->ReadRow(0);
    EXPECT_EQ(Tekst(x[PolaTabeli(*t)("KodSystemu")]), "P");
    EXPECT_EQ(Tekst(x[PolaTabeli(*t)("NazwaSystemu")]), "Sorva");
}

TEST_F(Ekstrakcja, WynagrodzeniaBezKartotekiIBezSkladnikow) {
    Pracownik("Adamski", {{"NumerPracownika", I(17)}});
    const int32_t wpis = Wpis("G");
    Generuj({wpis}, K(2009, 1, 15));
    EXPECT_EQ(dialogi.komunikaty.back().tekst, "Błąd tworzenia danych wynagrodzeń !!!");
    WstawSPD("TSPDWynagrodzenia", {{"LP", I(1)},
                                   {"NazwaSkladnika", T("Uposażenie")},
                                   {"KodSkladnika", T("UZ")},
                                   {"NumerSkladnikaPlace", T("1")}});
    const WynikGenerowania w = Generuj({wpis}, K(2009, 1, 15));
    EXPECT_EQ(dialogi.komunikaty.back().tekst,
              "Brak zbioru kartoreki: " + dir.Path() + "/KART0812.DBF");
    EXPECT_TRUE(Rekordy(w, wpis).empty());
    EXPECT_EQ(w.stan, WynikGenerowania::Stan::Wygenerowano);
}

TEST_F(Ekstrakcja, StrukturaEtatowBezPracownika) {
    Pracownik("Adamski");
    const int32_t stara = Wstaw("TGlowkaStrukturyEtatow", {{"Rok", I(2025)}, {"Miesiac", I(12)}});
    const int32_t nowa = Wstaw("TGlowkaStrukturyEtatow", {{"Rok", I(2026)}, {"Miesiac", I(3)}});
    Wstaw("TPozStrukturyEtatow", {{"IdGlowki", I(stara)},
                                  {"StanowiskoEtatowe", T("Stare")},
                                  {"LimitEtatow", Value::Number(1)}});
    const int32_t p1 = Wstaw("TPozStrukturyEtatow", {{"IdGlowki", I(nowa)},
                                                     {"StanowiskoEtatowe", T("Dowódca")},
                                                     {"SystemSluzby", T("codzienny")},
                                                     {"TypPracownika", T("F")},
                                                     {"LimitEtatow", Value::Number(1.5)},
                                                     {"KomorkaOrganizacyjna", T("Wydział")}});
    Wstaw("TPozStrukturyEtatow", {{"IdGlowki", I(nowa)},
                                  {"StanowiskoEtatowe", T("Zero")},
                                  {"LimitEtatow", Value::Number(0.001)}});
    WstawSPD("TSPDParametry", {{"NazwaKomorkiOrganizacyjne", T("Komenda")}});
    const int32_t p3 = Wstaw("TPozStrukturyEtatow", {{"IdGlowki", I(nowa)},
                                                     {"StanowiskoEtatowe", T("Referent")},
                                                     {"TypPracownika", T("C")},
                                                     {"StatusPracownikaCywilnego", T("SC")},
                                                     {"LimitEtatow", Value::Number(2)}});
    const int32_t wpis = Wpis("A");
    const WynikGenerowania w = Generuj({wpis});
    const std::vector<Rekord> oczekiwane = {
        {std::to_string(p3), "Komenda", "03", "2026", "Referent", "", "C", "SC", "  2.00"},
        {std::to_string(p1), "Wydział", "03", "2026", "Dowódca", "codzienny", "F", "", "  1.50"},
    };
    EXPECT_EQ(Rekordy(w, wpis), oczekiwane);
    auto t = OtworzTabelePaczki(engine::FileSystem::Real(), SciezkaWKatalogu(dir.Path(), w.folder),
                                "TPozPlikow");
    const PolaTabeli p(*t);
    for (uint64_t r = 0; r < t->RowCount(); ++r) {
        const engine::Record x = t->ReadRow(r);
        EXPECT_EQ(CalkowitaLubZero(x[p("IdentyfikatorPracownika")]), 0);
        EXPECT_TRUE(x[p("Nazwisko")].IsNull());
    }
}

TEST_F(Ekstrakcja, NieznanyRodzajDaNaglowekBezWierszy) {
    Pracownik("Adamski");
    const int32_t wpis = Wpis("x");
    const WynikGenerowania w = Generuj({wpis});
    EXPECT_EQ(w.stan, WynikGenerowania::Stan::Wygenerowano);
    EXPECT_TRUE(Rekordy(w, wpis).empty());
    EXPECT_EQ(dialogi.komunikaty.back().tekst, "Nieznany rodzaj żądanych danych:x");
}

}  // namespace
}  // namespace mirta::spd
