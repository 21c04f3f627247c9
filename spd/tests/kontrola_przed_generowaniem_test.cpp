#include "spd/kontrola_przed_generowaniem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "spd/tests/paczka_testowa.h"
#include "engine/paradox_table.h"

namespace mirta::spd {
namespace {

using engine::Value;
using testing::PaczkaTestowa;
using testing::Pola;

class KontrolaPrzedGenerowaniemTest : public PaczkaTestowa {
protected:
    // Schedule entries of the kinds named, as the check gets them.
    std::vector<WpisHarmonogramu> Wpisy(std::initializer_list<const char*> rodzaje) {
        for (const char* r : rodzaje)
            Wpis(r);
        return CzytajHarmonogram(
            *OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "THarmonogramPrzesylek"));
    }
    // An employee with everything the employee record of a package requires.
    int32_t Poprawny(const std::string& nazwisko, Pola pola = {}) {
        const int32_t id = Pracownik(nazwisko, {{"Plec", T("M")}});
        for (const auto& [pole, v] : pola)
            Ustaw(id, pole, v);
        Wstaw("TPracGrup", {{"IdentyfikatorPracownika", I(id)},
                            {"DataOdKiedy", Dz(2000, 1, 1)},
                            {"IdentyfikatorGrupy", I(m_grupa)}});
        return id;
    }
    void Ustaw(int32_t id, const char* pole, Value v) {
        engine::Table& t = tdm->TPracownicy->GetTable();
        const PolaTabeli p(t);
        for (uint64_t r = 0; r < t.RowCount(); ++r)
            if (CalkowitaLubZero(t.ReadField(r, p("Identyfikator"))) == id) {
                engine::Record w = t.ReadRow(r);
                w[p(pole)] = v;
                t.Update(r, w);
                t.Sync();
            }
        tdm->TPracownicy->Refresh();
    }
    void Zatrudnienie(int32_t id, Value od, Value doDnia) {
        Wstaw("TZatrudnienie", {{"IdentyfikatorPracownika", I(id)},
                                {"DataOd", od},
                                {"DataDo", doDnia},
                                {"IdentyfikatorFormyZatrudn", I(1)}});
    }
    void Urlop(int32_t id, Value od, Value doDnia, Value rodzaj) {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("WykUrl2026.DB"));
        Wstaw(*t, {{"IdentyfikatorPracownika", I(id)},
                   {"DataOd", od},
                   {"DataDo", doDnia},
                   {"RodzajUrlopu", rodzaj}});
    }
    void SetUp() override {
        PaczkaTestowa::SetUp();
        m_grupa = Wstaw("TSlowGrup", {{"NazwaGrupy", T("Grupa 7")}});
        m_urlop = Wstaw("TRodzUrlop", {{"NazwaUrlopu", T("wypoczynkowy")},
                                       {"Symbol", T("W")},
                                       {"RodzajDni", T("R")},
                                       {"RodzajUrlopu", T("W")}});
    }
    int32_t m_grupa = 0, m_urlop = 0;
};

using Klucz = std::tuple<int32_t, RodzajUsterki, std::string>;

std::vector<Klucz> Klucze(const std::vector<Usterka>& u) {
    std::vector<Klucz> k;
    for (const Usterka& x : u)
        k.emplace_back(x.pracownik, x.rodzaj, x.komponent);
    return k;
}

// A clean unit gives nothing, and the check writes no package.
TEST_F(KontrolaPrzedGenerowaniemTest, CzystaJednostkaBezUsterek) {
    const int32_t a = Poprawny("Adamski");
    Zatrudnienie(a, Dz(2000, 1, 1), Dz(2009, 12, 31));
    Zatrudnienie(a, Dz(2010, 1, 1), Value());
    Urlop(a, Dz(2026, 8, 3), Dz(2026, 8, 7), I(m_urlop));
    const auto usterki = KontrolaPrzedGenerowaniem(*tdm, *tdm1, Wpisy({"P", "N"}), K(2026, 12, 10));
    EXPECT_EQ(TekstUsterek(usterki), "");
    EXPECT_EQ(OtworzTabeleSPD(engine::FileSystem::Real(), dir.Path(), "TRejPrzesylek")->RowCount(),
              0u);
}

// Every kind of finding on the employee and table it is about, in the list's order, with the
// extraction's own stop (no salary components) last and about no one.
TEST_F(KontrolaPrzedGenerowaniemTest, KazdaUsterkaPrzyPracownikuITabeli) {
    const int32_t a = Poprawny("Adamski");
    Zatrudnienie(a, Dz(2000, 1, 1), Dz(2005, 12, 31));
    Zatrudnienie(a, Dz(2005, 6, 1), Dz(2010, 12, 31));  // overlaps the first
    Zatrudnienie(a, Dz(2011, 3, 1), Value());           // after a gap
    // Dismissed after the data date, so still in the package, with records after it.
    const int32_t b = Poprawny("Bąk", {{"DataZwolnienia", Dz(2026, 12, 31)}});
    Zatrudnienie(b, Dz(2000, 1, 1), Dz(2027, 1, 31));
    Wstaw("TChoroby", {{"IdentyfikatorPracownika", I(b)},
                       {"DataOd", Dz(2027, 1, 5)},
                       {"DataDo", Dz(2027, 1, 9)},
                       {"RodzajChoroby", T("1")}});
    // A civil employee without a status; the sex typed as blanks goes out empty.
    const int32_t c = Poprawny("Cywil", {{"Podzial", T("2")}, {"Plec", T(" ")}});
    // Leave the calendar cannot count: before 1990, and without a type.
    const int32_t d = Poprawny("Dudek");
    Urlop(d, Dz(1989, 12, 28), Dz(1990, 1, 3), I(m_urlop));
    Urlop(d, Dz(2026, 3, 2), Dz(2026, 3, 6), Value());
    // Not in the package: dismissed before the data date.
    const int32_t e = Pracownik("Emerytowany", {{"DataZwolnienia", Dz(2026, 1, 31)}});
    Zatrudnienie(e, Dz(2000, 1, 1), Dz(2000, 1, 1));
    Zatrudnienie(e, Dz(2020, 1, 1), Dz(2026, 1, 31));

    const auto usterki =
        KontrolaPrzedGenerowaniem(*tdm, *tdm1, Wpisy({"P", "N", "G"}), K(2026, 12, 10));
    using R = RodzajUsterki;
    const std::vector<Klucz> oczekiwane = {
        {a, R::NakladanieZatrudnienia, "TZatrudnienie"},
        {a, R::PrzerwaWZatrudnieniu, "TZatrudnienie"},
        {b, R::RekordPoZwolnieniu, "TChoroby"},
        {b, R::RekordPoZwolnieniu, "TZatrudnienie"},  // the period's end
        {c, R::BrakWartosci, "TPracownicy"},
        {c, R::BrakStatusuCywilnego, "TPracownicy"},
        {d, R::UrlopBezLiczbyDni, "TUrlopy"},
        {d, R::UrlopBezLiczbyDni, "TUrlopy"},
        {d, R::BrakWartosci, "TUrlopy"},  // the leave without a type has no kind to send
        {0, R::BladDanych, ""},           // the two messages of the salary extraction's stop
        {0, R::BladDanych, ""},
    };
    EXPECT_EQ(Klucze(usterki), oczekiwane) << TekstUsterek(usterki);
    ASSERT_EQ(usterki.size(), oczekiwane.size());

    EXPECT_EQ(usterki[0].nazwisko, "Adamski Jan");
    EXPECT_EQ(usterki[0].tabela, "Zatrudnienie.db");
    EXPECT_NE(usterki[0].opis.find("2005-06-01"), std::string::npos) << usterki[0].opis;
    EXPECT_NE(usterki[1].opis.find("2011-01-01 – 2011-02-28"), std::string::npos)
        << usterki[1].opis;
    EXPECT_NE(usterki[2].opis.find("2027-01-05"), std::string::npos) << usterki[2].opis;
    EXPECT_NE(usterki[4].opis.find("Płeć"), std::string::npos) << usterki[4].opis;
    EXPECT_EQ(usterki[6].tabela, "WykUrl2026.DB");
    EXPECT_NE(usterki[6].opis.find("1989-12-28"), std::string::npos) << usterki[6].opis;
    EXPECT_NE(usterki[7].opis.find("brak rodzaju urlopu"), std::string::npos) << usterki[7].opis;
    EXPECT_NE(usterki[9].opis.find("składników wynagrodzeń"), std::string::npos);
}

}  // namespace
}  // namespace mirta::spd
