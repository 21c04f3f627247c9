// Retention of former employees' files and the register of disclosures, on their own tables.
#include <gtest/gtest.h>

#include "compute/teksty_dat.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"
#include "store/okresy_przechowywania.h"
#include "store/udostepnienia.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using compute::DataKal;

std::string Tekst(const std::optional<DataKal>& d) {
    return d ? compute::TekstDaty(*d) : "brak";
}

TEST(Przechowywanie, KoniecWedlugZasadyRodzajuPracownika) {
    const auto zasady = DomyslneZasadyPrzechowywania();
    struct Przypadek {
        const char* opis;
        const char* podzial;
        DataKal zatrudnienie, zwolnienie;
        const char* koniec;
    } przypadki[] = {
        {"cywilny zatrudniony po 2018: 10 lat od końca roku",
         "2",
         {2019, 1, 1},
         {2021, 5, 5},
         "2031-12-31"},
        {"cywilny zatrudniony ostatniego dnia 2018: 50 lat od zatrudnienia",
         "2",
         {2018, 12, 31},
         {2021, 5, 5},
         "2068-12-30"},
        {"korpus służby cywilnej jak cywilny", "3", {2005, 3, 1}, {2010, 1, 1}, "2055-02-28"},
        {"29 lutego plus 50 lat", "2", {2004, 2, 29}, {2010, 1, 1}, "2054-02-27"},
        {"funkcjonariusz: 50 lat od końca roku zwolnienia",
         "1",
         {1990, 1, 1},
         {2020, 6, 30},
         "2070-12-31"},
        {"emeryt jak funkcjonariusz", "4", {}, {2001, 1, 1}, "2051-12-31"},
        {"kod bez zasady: 50 lat", "9", {}, {2001, 1, 1}, "2051-12-31"},
        {"niezwolniony: brak końca", "1", {1990, 1, 1}, {}, "brak"},
        {"kodeks bez daty zatrudnienia sprzed 2019: brak końca", "2", {}, {2015, 1, 1}, "brak"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(
            Tekst(KoniecPrzechowywania(ZasadaDla(zasady, p.podzial), p.zatrudnienie, p.zwolnienie)),
            p.koniec)
            << p.opis;
}

TEST(Przechowywanie, ZasadyZTabeliZastepujaDomyslneIPrzetrwajaZapis) {
    const engine::testing::TempDir dir;
    auto& fs = engine::FileSystem::Real();
    EXPECT_EQ(CzytajZasadyPrzechowywania(fs, dir.Path()), DomyslneZasadyPrzechowywania());
    auto zasady = DomyslneZasadyPrzechowywania();
    zasady[1] = {"2", SposobPrzechowywania::LataOdKoncaRoku, 12};
    zasady.push_back({"5", SposobPrzechowywania::LataOdKoncaRoku, 3});
    SesjaUzytkownika kadry;
    kadry.Aktualizowanie = true;
    EXPECT_THROW(ZapiszZasadyPrzechowywania(kadry, fs, dir.Path(), zasady), BladDanych);
    SesjaUzytkownika admin;
    admin.Administrator = true;
    ZapiszZasadyPrzechowywania(admin, fs, dir.Path(), zasady);
    EXPECT_EQ(CzytajZasadyPrzechowywania(fs, dir.Path()), zasady);
    EXPECT_EQ(OpisZasady(zasady[1]), "12 lat od końca roku zwolnienia");
    // The writing leaves no temporary file behind.
    EXPECT_EQ(fs.List(dir.Path()).size(), 1u);
}

class Rejestr : public ::testing::Test {
protected:
    Udostepnienie Wpis(const char* kiedy, std::vector<int32_t> kto, std::string cel = "x.pdf") {
        Udostepnienie u;
        u.kiedy = engine::DayNumberFromCivil(std::stoi(kiedy), 6, 15) * 86400000.0;
        u.uzytkownik = "KADRY";
        u.odbiorca = kOdbiorcaPlik;
        u.rodzaj = kRodzajRaport;
        u.opis = "Lista";
        u.cel = std::move(cel);
        u.pracownicy = std::move(kto);
        return u;
    }
    engine::testing::TempDir dir;
    engine::FileSystem& fs = engine::FileSystem::Real();
};

TEST_F(Rejestr, FiltrujePoOsobieIOkresieINumerujeDalejPoPrzerwanymWpisie) {
    EXPECT_TRUE(CzytajUdostepnienia(fs, dir.Path()).empty());
    EXPECT_EQ(ZapiszUdostepnienie(fs, dir.Path(), Wpis("2024", {5, 3, 5})), 1);
    EXPECT_EQ(ZapiszUdostepnienie(fs, dir.Path(), Wpis("2025", {7})), 2);
    // An entry cut short after its employees were written: its number is not given again.
    {
        auto osoby = engine::ParadoxTable::Open(fs, dir.File(kPlikOsobUdostepnien));
        osoby->Insert({engine::Value::Integer(3), engine::Value::Integer(9)});
    }
    EXPECT_EQ(ZapiszUdostepnienie(fs, dir.Path(), Wpis("2026", {9})), 4);

    const auto wszystkie = CzytajUdostepnienia(fs, dir.Path());
    ASSERT_EQ(wszystkie.size(), 3u);
    EXPECT_EQ(wszystkie[0].pracownicy, (std::vector<int32_t>{3, 5}));
    EXPECT_EQ(wszystkie[2].pracownicy, (std::vector<int32_t>{9}));

    FiltrUdostepnien f;
    f.pracownik = 5;
    ASSERT_EQ(CzytajUdostepnienia(fs, dir.Path(), f).size(), 1u);
    f.pracownik = 9;
    EXPECT_EQ(CzytajUdostepnienia(fs, dir.Path(), f).front().numer, 4);
    f = {};
    f.od = engine::CivilDate{2025, 6, 15};
    f.doDnia = engine::CivilDate{2025, 6, 15};
    ASSERT_EQ(CzytajUdostepnienia(fs, dir.Path(), f).size(), 1u);
    EXPECT_EQ(CzytajUdostepnienia(fs, dir.Path(), f).front().numer, 2);
}

TEST_F(Rejestr, BezZalogowaniaNicNieZapisujeAPoZalogowaniuDopisujeWpisUzytkownika) {
    Udostepniono(kOdbiorcaPlik, kRodzajRaport, "Lista", "a.pdf", {1});
    EXPECT_TRUE(CzytajUdostepnienia(fs, dir.Path()).empty());
    int wlasciciel = 0;
    UstawRejestrUdostepnien(fs, dir.Path(), "ADMIN", &wlasciciel);
    Udostepniono(kOdbiorcaPlac, kRodzajEksport, "Przegranie", "MIRTA.DBF", {1, 2});
    ZakonczRejestrUdostepnien(&wlasciciel);
    Udostepniono(kOdbiorcaPlik, kRodzajRaport, "Lista", "b.pdf", {1});
    const auto w = CzytajUdostepnienia(fs, dir.Path());
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].uzytkownik, "ADMIN");
    EXPECT_EQ(w[0].odbiorca, kOdbiorcaPlac);
    EXPECT_EQ(w[0].pracownicy, (std::vector<int32_t>{1, 2}));
}

TEST_F(Rejestr, PrzepisanieOsobyZmieniaTylkoJejWpisyINieZostawiaStarychBajtow) {
    ZapiszUdostepnienie(fs, dir.Path(), Wpis("2024", {5}, "/tmp/Kwiatkowski_Jan_5.rtf"));
    ZapiszUdostepnienie(fs, dir.Path(), Wpis("2024", {6}, "/tmp/Kwiatkowski_Ewa_6.rtf"));
    PrzepiszUdostepnieniaOsoby(fs, dir.Path(), 5, [](const std::string& t) {
        std::string w = t;
        if (const size_t p = w.find("Kwiatkowski_Jan"); p != std::string::npos)
            w.replace(p, 15, "ANONIM");
        return w;
    });
    const auto w = CzytajUdostepnienia(fs, dir.Path());
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0].cel, "/tmp/ANONIM_5.rtf");
    EXPECT_EQ(w[1].cel, "/tmp/Kwiatkowski_Ewa_6.rtf");
    std::string bajty;
    auto plik = fs.Open(dir.File(kPlikUdostepnien), engine::OpenMode::Read);
    bajty.resize(plik->Size());
    plik->ReadAt(0, bajty.data(), bajty.size());
    EXPECT_EQ(bajty.find("Kwiatkowski_Jan"), std::string::npos);
}

}  // namespace
}  // namespace mirta::store
