// The launcher's choices on a small unit made here: who is listed, what each line says, the
// totals and the end line.
#include <gtest/gtest.h>

#include "documents/tag_values.h"
#include "reports/eksport.h"
#include "reports/raport.h"
#include "store/testing/historia_testowa.h"
#include "store/zrodla_obliczen.h"

namespace mirta::reports {
namespace {

using engine::Value;

class RaportyTest : public store::testing::HistoriaTestowa {
protected:
    void SetUp() override {
        HistoriaTestowa::SetUp();
        kowalski = Osoba("Kowalski", "Adam", Dzien(2000, 1, 1));
        const int32_t wyzsze = Slownik(tdm->TRodzWyk, "NazwaRodzajuWykształcenia", "wyższe",
                                       "IdentyfikatorRodzajeWyksz");
        const int32_t brak =
            Slownik(tdm->TStNaukowe, "NazwaStopniaNaukowego", "brak", "IdentyfikatorStopniaNauko");
        Wiersz(tdm->TWyksztalcenie, {{"RokUkonczenia", Value::Integer(2005)},
                                     {"NazwaUczelni", Value::Text("Szkoła Główna")},
                                     {"RodzajWyksztalcenia", Value::Integer(wyzsze)},
                                     {"TytulNaukowy", Value::Integer(brak)}});
        // From November into December: the December list counts only its December days.
        Wiersz(tdm1->TChoroby, {{"DataOd", Dzien(2026, 11, 20)},
                                {"DataDo", Dzien(2026, 12, 5)},
                                {"RodzajChoroby", Value::Text("1")}});
        nowak = Osoba("Nowak", "Ewa", Dzien(2010, 5, 1));
        Wiersz(tdm->TNagrody, {{"DataPrzyznania", Dzien(2026, 3, 1)},
                               {"Kwota", Value::Number(1500)},
                               {"Komentarz", Value::Text("za wyniki")}});
        // Dismissed: not on the main window's list.
        Osoba("Zwolniony", "Piotr", Dzien(2001, 1, 1), Dzien(2020, 6, 30));
    }

    int32_t Osoba(const char* nazwisko, const char* imie, Value zatrudnienie,
                  Value zwolnienie = {}) {
        auto& p = *tdm->TPracownicy;
        p.Insert();
        for (const auto& [pole, wartosc] : std::initializer_list<std::pair<const char*, Value>>{
                 {"Nazwisko", Value::Text(nazwisko)},
                 {"Imie1", Value::Text(imie)},
                 {"Podzial", Value::Text("1")},
                 {"DataZatrudnienia", zatrudnienie},
                 {"DataZwolnienia", zwolnienie},
                 {"KodPocztowy", Value::Text("00-950")},
                 {"Poczta", Value::Text("Warszawa")},
                 {"Miejscowosc", Value::Text("WARSZAWA")},
                 {"Ulica", Value::Text("Żelazna")},
                 {"NrDomuiMieszkania", Value::Text("5/7")}})
            p.SetField(pole, wartosc);
        p.Post();
        return static_cast<int32_t>(p.Field("Identyfikator").AsInteger());
    }

    void Wiersz(store::TableComponent& c,
                std::initializer_list<std::pair<const char*, Value>> pola) {
        tdm->Open(c);
        c->Insert();
        for (const auto& [pole, wartosc] : pola)
            c->SetField(pole, wartosc);
        c->Post();
    }

    Wydruk Uruchom(ParametryWydruku p) {
        p.czasDruku = "2026-12-10 12:00:00";
        store::ZrodlaObliczen zrodla(*tdm, *tdm1);
        return PrzygotujWydruk(zrodla, miara, p);
    }

    static ParametryWydruku Parametry(int numer, compute::DataKal od = {2026, 1, 1},
                                      compute::DataKal doDnia = {2026, 12, 31}) {
        ParametryWydruku p;
        p.numer = numer;
        p.od = od;
        p.doDnia = doDnia;
        return p;
    }

    // The report's lines as the text export writes them, blanks squeezed.
    static std::vector<std::string> Linie(const Wydruk& w) {
        std::vector<std::string> linie;
        for (const Strona& s : w.strony)
            for (const auto& wiersz : WierszeStrony(s)) {
                std::string l;
                for (const ElementTekstu* t : wiersz)
                    l += (l.empty() ? "" : " | ") + t->tekst;
                linie.push_back(l);
            }
        return linie;
    }
    static bool Zawiera(const std::vector<std::string>& linie, const std::string& l) {
        return std::find(linie.begin(), linie.end(), l) != linie.end();
    }

    MiaraPrzyblizona miara;
    int32_t kowalski = 0, nowak = 0;
};

TEST_F(RaportyTest, NineteenChoicesInTheLaunchersOrder) {
    ASSERT_EQ(Wybory().size(), 19u);
    EXPECT_EQ(Wybory()[0].tekst, "Dane adresowe pracownika.");
    EXPECT_EQ(Wybory()[16].tekst, "Wydruk według wzorca.");
    EXPECT_EQ(Wybory()[18].tekst, "Tabela wykorzystania urlopu na bieżący dzień");
    for (size_t i = 0; i < Wybory().size(); ++i)
        EXPECT_EQ(Wybory()[i].numer, int(i) + 1);
}

TEST_F(RaportyTest, PeriodChecks) {
    const compute::DataKal dzis{2026, 12, 10};
    struct Przypadek {
        compute::DataKal od, doDnia;
        std::optional<std::string> blad;
    };
    const Przypadek przypadki[] = {
        {{2007, 5, 1}, {2007, 4, 30}, "Data do nie może być mniejsza od daty od !!!"},
        {{2007, 5, 1}, {2007, 5, 1}, std::nullopt},
        {{2007, 2, 30}, {2007, 5, 1}, "Data od okresu musi być dobrze określona !!!"},
        {{2007, 5, 1}, {}, "Data do okresu musi być dobrze określona !!!"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(SprawdzParametry(Parametry(4, p.od, p.doDnia), dzis), p.blad);
    EXPECT_EQ(SprawdzParametry(Parametry(18), dzis), "Nie wybrano danych do wydruku !!!");
    EXPECT_EQ(SprawdzParametry(Parametry(15, {}, {}), dzis), std::nullopt);  // no period
    EXPECT_THROW(Uruchom(Parametry(4, {2007, 5, 1}, {2007, 4, 30})), store::BladDanych);
}

TEST_F(RaportyTest, EducationListNumbersOnlyPrintedEmployees) {
    ParametryWydruku p = Parametry(2);
    Wydruk w = Uruchom(p);
    EXPECT_EQ(w.tytul, "Wykształcenie pracowników.");
    auto linie = Linie(w);
    EXPECT_TRUE(Zawiera(linie, "1 | Kowalski Adam"));
    EXPECT_TRUE(Zawiera(linie, "2005, Nie, wyższe, brak , Szkoła Główna"));
    EXPECT_TRUE(Zawiera(linie, "2 | Nowak Ewa"));  // printed without data
    EXPECT_FALSE(Zawiera(linie, "3 | Zwolniony Piotr"));
    EXPECT_TRUE(Zawiera(linie, "Lp.     Nazwisko i imiona"));
    EXPECT_TRUE(Zawiera(linie, "Komórka organizacyjna: | Wszystkie komórki organizacyjne.") ||
                Zawiera(linie, "Komórka organizacyjna: Wszystkie komórki organizacyjne."));
    EXPECT_EQ(linie.back(), "Koniec wydruku na stronie: 1");

    p.drukujBezDanych = false;
    linie = Linie(Uruchom(p));
    EXPECT_TRUE(Zawiera(linie, "1 | Kowalski Adam"));
    for (const auto& l : linie)
        EXPECT_EQ(l.find("Nowak"), std::string::npos) << l;
}

TEST_F(RaportyTest, AwardsInThePeriodWithTheirHeading) {
    ParametryWydruku p = Parametry(4, {2026, 1, 1}, {2026, 6, 30});
    p.drukujBezDanych = false;
    const Wydruk w = Uruchom(p);
    EXPECT_EQ(w.tytul, "Nagrody wypłacone w okresie od:01-01-2026 do:30-06-2026");
    const auto linie = Linie(w);
    EXPECT_TRUE(Zawiera(linie, "1 | Nowak Ewa"));
    ASSERT_GT(linie.size(), 0u);
    bool nagroda = false;
    for (const auto& l : linie)
        nagroda |= l.rfind("01-03-2026 1 500,00 ", 0) == 0 && l.ends_with(" za wyniki");
    EXPECT_TRUE(nagroda);
    // Outside the period nobody has an award, so nobody is printed.
    p.od = {2026, 7, 1};
    p.doDnia = {2026, 12, 31};
    for (const auto& l : Linie(Uruchom(p)))
        EXPECT_EQ(l.find("Nowak"), std::string::npos) << l;
}

TEST_F(RaportyTest, SicknessCountsOnlyDaysInsideThePeriodAndTotalsThem) {
    ParametryWydruku p = Parametry(11, {2026, 12, 1}, {2026, 12, 31});
    p.drukujBezDanych = false;
    const auto linie = Linie(Uruchom(p));
    std::string pracownik, razem;
    for (const auto& l : linie) {
        if (l.rfind("Razem pracownik dni kalendarzowych:5, dni roboczych:", 0) == 0)
            pracownik = l;
        if (l.rfind("Razem zestawienie dni kalendarzowych: 5, dni roboczych: ", 0) == 0)
            razem = l;
    }
    EXPECT_FALSE(pracownik.empty());
    EXPECT_FALSE(razem.empty());
    EXPECT_TRUE(Zawiera(linie, "1 | Kowalski Adam"));
    bool szczegol = false;
    for (const auto& l : linie)
        szczegol |= l.rfind("20-11-2026 : 05-12-2026      5 , ", 0) == 0;
    EXPECT_TRUE(szczegol);
    // The employee's working days and the report's agree.
    EXPECT_EQ(pracownik.substr(pracownik.rfind(':') + 1), razem.substr(razem.rfind(' ') + 1));
}

TEST_F(RaportyTest, AddressListShortensARegisteredAddressWhosePostOfficeIsTheTown) {
    const Wydruk w = Uruchom(Parametry(1));
    EXPECT_EQ(w.tytul, "Dane osobowe pracownikow.");
    const auto linie = Linie(w);
    EXPECT_TRUE(Zawiera(linie, "Kowalski Adam | 00-950 Warszawa Żelazna 5/7 | "));
    EXPECT_TRUE(Zawiera(linie, "Nazwisko i imiona | Adres zameldowania | Adres zamieszkania"));
}

TEST_F(RaportyTest, ConfigurablePrintoutUsesTheDefinedAreaAndNumbersRows) {
    ParametryWydruku p = Parametry(18);
    auto& d = p.definicja;
    d.oczka[0][0] = {"Lp", "<<LP>>"};
    d.oczka[0][3] = {"Nazwisko", "<<NAZWISKO>>"};
    d.szerokosci = {40, 50, 60, 100, 64, 64, 64, 64, 64, 64};
    p.znaczniki = [this](int32_t id) -> std::unique_ptr<documents::TagValues> {
        return std::make_unique<documents::FixedTagValues>(
            std::vector<std::pair<std::string, std::string>>{
                {"<<NAZWISKO>>", id == kowalski ? "Kowalski" : "Nowak"}});
    };
    EXPECT_EQ(d.UzyteWiersze(), 1);
    EXPECT_EQ(d.UzyteKolumny(), 4);
    const Wydruk w = Uruchom(p);
    ASSERT_EQ(w.strony.size(), 1u);
    EXPECT_EQ(w.kolumny, (std::vector<std::string>{"Lp", "", "", "Nazwisko"}));
    const auto linie = Linie(w);
    EXPECT_TRUE(Zawiera(linie, "Lp |  |  | Nazwisko"));  // empty cells keep their columns
    EXPECT_TRUE(Zawiera(linie, "1 |  |  | Kowalski"));
    EXPECT_TRUE(Zawiera(linie, "2 |  |  | Nowak"));
    // Column 3 starts where columns 0 to 2 end (150 pixels), its text 2 units further right.
    const GeometriaStrony g;
    for (const ElementTekstu& t : w.strony[0].teksty) {
        if (t.tekst == "Nazwisko") {
            EXPECT_DOUBLE_EQ(t.x, g.lewy + 150 * 0.75 + 2);
        }
    }
    // Four columns: five vertical lines per row; the lowest line twice as thick.
    double najnizsza = 0, grubosc = 0;
    int pionowe = 0;
    for (const Linia& l : w.strony[0].linie) {
        if (l.x1 == l.x2)
            ++pionowe;
        else if (l.y1 > najnizsza)
            najnizsza = l.y1, grubosc = l.grubosc;
    }
    EXPECT_EQ(pionowe, 3 * 5);  // titles and two employees
    EXPECT_EQ(grubosc, 1.0);
}

TEST_F(RaportyTest, LeaveUsageTableLeavesOutThoseNotEmployedOnTheDay) {
    ParametryWydruku p = Parametry(19);
    tdm->Filtr().PokazZwolnionych = true;  // the dismissed one is on the list, not in the table
    tdm->OdswiezListePracownikow();
    const Wydruk w = Uruchom(p);
    EXPECT_EQ(w.tytul, "Zestawienie wykorzystania urlopu do dnia:10-12-2026");
    const auto linie = Linie(w);
    bool kowalskiJest = false;
    for (const auto& l : linie) {
        EXPECT_EQ(l.find("Zwolniony"), std::string::npos) << l;
        kowalskiJest |= l.rfind("Kowalski Adam PESEL: ", 0) == 0;
    }
    EXPECT_TRUE(kowalskiJest);
    EXPECT_TRUE(Zawiera(linie,
                        "Urlop należny | Urlop zaległy | Wykorzystano | Pozostało | "
                        "Urlop dodatkowy | zaległy | Wykorzystano | Pozostało"));
    // Eight amounts in the days/hours form under every name.
    int wierszeKwot = 0;
    for (const auto& l : linie)
        if (std::count(l.begin(), l.end(), '/') == 8 && l.find("PESEL") == std::string::npos)
            ++wierszeKwot;
    EXPECT_EQ(wierszeKwot, 2);
}

// The payroll program's minimum left margin (millimetres) raises both side margins of every
// report; a smaller one leaves the report's own 34 points.
TEST_F(RaportyTest, MarginsAreRaisedToThePayrollProgramsMinimum) {
    const auto ustaw = [&](int milimetry) {
        if (!tdm->TParDruk.IsOpen())
            tdm->Open(tdm->TParDruk);
        engine::Table& t = tdm->TParDruk->GetTable();
        engine::Record r(t.Fields().size());
        if (t.RowCount() > 0)
            r = t.ReadRow(0);
        r[store::PoleTabeli(t, "MinimalnyLewyMargines")] = Value::Integer(milimetry);
        if (t.RowCount() > 0)
            t.Update(0, r);
        else
            t.Insert(r);
        t.Sync();
    };
    // The leftmost and rightmost text of the first page.
    const auto skraje = [&](int numer) {
        const Wydruk w = Uruchom(Parametry(numer));
        std::pair<double, double> s{1e9, 0};
        for (const ElementTekstu& e : w.strony.at(0).teksty) {
            s.first = std::min(s.first, e.x);
            s.second = std::max(s.second, e.x + e.szerokosc);
        }
        return s;
    };
    for (int numer : {1, 5}) {
        SCOPED_TRACE(numer);
        ustaw(0);
        const auto wlasne = skraje(numer);
        ustaw(5);
        EXPECT_EQ(skraje(numer), wlasne);
        ustaw(20);
        const double przesuniecie = 20 * 72 / 25.4 - 34;
        const auto podniesione = skraje(numer);
        EXPECT_NEAR(podniesione.first, wlasne.first + przesuniecie, 0.01);
        EXPECT_LE(podniesione.second, 595.28 - 20 * 72 / 25.4 + 0.01);
    }
}

TEST_F(RaportyTest, EveryChoiceButTheTemplateRunsOnTheUnit) {
    for (const Wybor& w : Wybory()) {
        if (w.numer == kWyborWzorca)
            continue;
        ParametryWydruku p = Parametry(w.numer);
        p.biezacyPracownik = kowalski;
        p.definicja.oczka[1][1] = {"Tytuł", "<<LP>>"};
        const Wydruk wynik = Uruchom(p);
        EXPECT_FALSE(wynik.strony.empty()) << w.numer;
        EXPECT_FALSE(wynik.tytul.empty()) << w.numer;
    }
}

}  // namespace
}  // namespace mirta::reports
