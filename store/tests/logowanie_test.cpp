#include <gtest/gtest.h>

#include <filesystem>

#include "engine/paradox_table.h"
#include "store/hasla.h"
#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

namespace fsys = std::filesystem;
using testing::BazaTestowa;

class Logowanie : public BazaTestowa {
protected:
    std::string HasloWPliku(const std::string& nazwa) {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Hasla.DB"));
        for (uint64_t i = 0; i < t->RowCount(); ++i) {
            auto r = t->ReadRow(i);
            if (r[0].AsText() == nazwa)
                return r[1].IsNull() ? std::string() : r[1].AsText();
        }
        return "?";
    }
    void UsunPlik(const std::string& plik) { fsys::remove(dir.File(plik)); }
    void KopiujPlik(const std::string& z, const std::string& na) {
        fsys::copy_file(dir.File(z), dir.File(na));
        auto px = [](std::string s) { return s.substr(0, s.rfind('.')) + ".PX"; };
        if (fsys::exists(dir.File(px(z))))
            fsys::copy_file(dir.File(px(z)), dir.File(px(na)));
    }
};

TEST_F(Logowanie, AdminWithTheEmptyPasswordLogsInAndMustSetOne) {
    EXPECT_TRUE(Zaloguj());
    EXPECT_TRUE(dialogi.komunikaty.empty());
    const auto& s = tdm->Sesja();
    EXPECT_NE(s.Identyfikator, 0);
    EXPECT_EQ(s.NazwaKrotka, "ADMIN");
    EXPECT_EQ(s.NazwaPelna, "Administrator systemu");
    EXPECT_TRUE(s.Aktualizowanie);
    EXPECT_TRUE(s.Administrator);
    EXPECT_EQ(s.DataPrzetwarzania, (engine::CivilDate{2026, 12, 10}));
    EXPECT_FALSE(s.RokUrlopowyZamkniety);
    EXPECT_TRUE(s.MusiUstawicHaslo);
    EXPECT_EQ(tdm1->TUrlopNalez.FileName(), "UrN2026.DB");
    EXPECT_EQ(tdm1->TUrlopy.FileName(), "WykUrl2026.DB");

    tdm->UstawHaslo(s.Identyfikator, "Tajne1");
    EXPECT_FALSE(tdm->Sesja().MusiUstawicHaslo);
    EXPECT_EQ(testing::Blad([&] { tdm->UstawHaslo(s.Identyfikator, ""); }),
              "Hasło nie może być puste !!!");
}

TEST_F(Logowanie, RefusedCasesShowTheirMessageAndLeaveNobodyLoggedIn) {
    DodajUzytkownika("JAN", "Haslo", true);
    DodajUzytkownika("ODWOLANY", "x", false);
    struct Przypadek {
        const char* opis;
        std::string nazwa, haslo;
        engine::CivilDate data;
        bool wynik;
        const char* komunikat;
    } przypadki[] = {
        {"wrong password",
         "JAN",
         "haslo",
         {2026, 12, 10},
         false,
         "Niepoprawne dane użytkownika !!!"},
        {"name in small letters",
         "jan",
         "Haslo",
         {2026, 12, 10},
         false,
         "Niepoprawne dane użytkownika !!!"},
        {"trailing blank is not trimmed",
         "JAN ",
         "Haslo",
         {2026, 12, 10},
         false,
         "Niepoprawne dane użytkownika !!!"},
        // The date is checked first, so a wrong user is not reported.
        {"no year files", "nikt", "", {2027, 1, 15}, false, "Niepoprawna data przetwarzania !!!"},
        {"impossible date",
         "JAN",
         "Haslo",
         {2026, 2, 30},
         false,
         "Niepoprawna data przetwarzania !!!"},
        {"rights revoked: window closes",
         "ODWOLANY",
         "x",
         {2026, 12, 10},
         true,
         "Cofnięto uprawnienia dla użytkownika !!!"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        dialogi.komunikaty.clear();
        EXPECT_EQ(Zaloguj(p.nazwa, p.haslo, p.data), p.wynik);
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tekst, p.komunikat);
        EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Blad);
        EXPECT_EQ(tdm->Sesja().Identyfikator, 0);
    }
    dialogi.komunikaty.clear();
    EXPECT_FALSE(tdm->FunkcjaStartowa(nullptr));
    EXPECT_EQ(OstatniKomunikat(), "Niepoprawne wywołanie funkcji startowej !!!");
    // The revoked user's clear text was not migrated.
    EXPECT_EQ(HasloWPliku("ODWOLANY"), "x");
}

TEST_F(Logowanie, LeaveYearFilesDecideTheDateAndWhetherTheYearIsClosed) {
    // 2006 with only the leave-due file of the year.
    KopiujPlik("UrN2026.DB", "UrN2006.DB");
    EXPECT_FALSE(Zaloguj("ADMIN", "", {2006, 5, 10}));
    EXPECT_EQ(OstatniKomunikat(), "Niepoprawna data przetwarzania !!!");

    // Before 2006 no year files are needed; closed because UrN2006.DB exists.
    EXPECT_TRUE(Zaloguj("ADMIN", "", {2004, 12, 31}));
    EXPECT_TRUE(tdm->Sesja().RokUrlopowyZamkniety);
    EXPECT_EQ(tdm1->TUrlopNalez.FileName(), "UrlNalez.db");
}

TEST_F(Logowanie, ATableOfTheFollowingYearClosesTheYear) {
    KopiujPlik("UrN2026.DB", "UrN2025.DB");
    KopiujPlik("WykUrl2026.DB", "WykUrl2025.DB");
    EXPECT_TRUE(Zaloguj("ADMIN", "", {2025, 1, 15}));
    EXPECT_TRUE(tdm->Sesja().RokUrlopowyZamkniety);
    EXPECT_EQ(tdm1->TUrlopNalez.FileName(), "UrN2025.DB");
    EXPECT_TRUE(tdm1->TUrlopNalez.IsOpen());
}

TEST_F(Logowanie, AClearTextPasswordIsMigratedToAHashAtTheFirstLogin) {
    DodajUzytkownika("JAN", "Haslo", true);
    ASSERT_TRUE(Zaloguj("JAN", "Haslo"));
    EXPECT_FALSE(tdm->Sesja().MusiUstawicHaslo);
    const int32_t id = tdm->Sesja().Identyfikator;

    const std::string zapisane = HasloWPliku("JAN");
    EXPECT_NE(zapisane, "Haslo");
    EXPECT_EQ(zapisane.size(), 10u);
    auto skroty =
        engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File(kPlikSkrotowHasel));
    ASSERT_EQ(skroty->RowCount(), 1u);
    auto r = skroty->ReadRow(0);
    EXPECT_EQ(r[0].AsInteger(), id);
    EXPECT_EQ(r[2].AsText().size(), 64u);
    EXPECT_EQ(r[2].AsText().find("Haslo"), std::string::npos);

    Otworz();
    EXPECT_FALSE(Zaloguj("JAN", "Haslo2"));
    EXPECT_FALSE(Zaloguj("JAN", zapisane));  // the random value is no password
    EXPECT_TRUE(Zaloguj("JAN", "Haslo"));
    EXPECT_TRUE(tdm->SprawdzHaslo(id, "Haslo"));
    EXPECT_FALSE(tdm->SprawdzHaslo(id, "haslo"));
}

TEST_F(Logowanie, ALostSideTableLocksMigratedUsersOut) {
    ASSERT_TRUE(Zaloguj());  // ADMIN's empty password is migrated too
    Otworz();
    fsys::remove(dir.File(kPlikSkrotowHasel));
    fsys::remove(dir.File("SkrotyHasel.PX"));
    EXPECT_FALSE(Zaloguj());
    EXPECT_EQ(OstatniKomunikat(), "Niepoprawne dane użytkownika !!!");
}

}  // namespace
}  // namespace mirta::store
