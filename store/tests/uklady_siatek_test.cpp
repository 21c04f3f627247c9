#include "store/uklady_siatek.h"

#include <gtest/gtest.h>

#include "engine/paradox_table.h"
#include "store/testing/baza_testowa.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using testing::BazaTestowa;

class UkladySiatekTest : public BazaTestowa {
protected:
    static std::vector<KolumnaSiatki> Kolumny(int ile, const std::string& przyrostek = "") {
        std::vector<KolumnaSiatki> k(static_cast<size_t>(ile));
        for (int i = 0; i < ile; ++i) {
            k[i].szerokosc = static_cast<int16_t>(50 + i);
            k[i].pole = "Pole" + std::to_string(i);
            k[i].tytul = "Tytuł " + std::to_string(i) + przyrostek;
        }
        return k;
    }

    bool Zapisz(const std::string& siatka, const std::vector<KolumnaSiatki>& k) {
        UkladySiatek u(*tdm1);
        return u.Zapisz("FGlowny", siatka, k);
    }

    std::optional<std::vector<ZapisanaKolumna>> Czytaj(const std::string& siatka, int ile) {
        UkladySiatek u(*tdm1);
        return u.Czytaj("FGlowny", siatka, ile);
    }

    uint64_t Wiersze(const std::string& plik) {
        return engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File(plik))->RowCount();
    }

    // A user straight into Hasla.DB with the given identifier.
    void DodajUzytkownikaZIdentyfikatorem(const std::string& nazwa, int32_t id) {
        auto t = engine::ParadoxTable::Open(engine::FileSystem::Real(), dir.File("Hasla.DB"));
        engine::Record r(t->Fields().size());
        r[0] = engine::Value::Text(nazwa);
        r[1] = engine::Value::Text("x");
        r[2] = engine::Value::Text(nazwa);
        r[3] = r[4] = engine::Value::Logical(true);
        for (int i = 5; i <= 9; ++i)
            r[i] = engine::Value::Logical(false);
        r[10] = engine::Value::Integer(0);
        r[11] = engine::Value::Integer(id);
        t->Insert(r);
        t->Sync();
        Otworz();
    }
};

TEST_F(UkladySiatekTest, EveryFieldOfAColumnIsReadBackAsSaved) {
    ASSERT_TRUE(Zaloguj());
    KolumnaSiatki k;
    k.szerokosc = 123;
    k.pole = "NrEwidencyjny";
    k.komorki = {.wyrownanie = kWyrownanieDoPrawej,
                 .rozmiarFontu = 11,
                 .charSet = 238,
                 .pitch = kPitchStaly,
                 .kolor = 0x00C0FFEE,
                 .kolorFontu = 0x00102030,
                 .nazwaFontu = "DejaVu Sans Mono",
                 .bold = true,
                 .italic = false,
                 .underline = true,
                 .strikeOut = false};
    k.tytul = "Nr ewid.";
    k.tytulu = {.wyrownanie = kWyrownanieDoSrodka,
                .rozmiarFontu = 9,
                .charSet = 1,
                .pitch = kPitchZmienny,
                .kolor = kKolorPrzycisku,
                .kolorFontu = kKolorTekstuOkna,
                .nazwaFontu = "DejaVu Serif",
                .bold = false,
                .italic = true,
                .underline = false,
                .strikeOut = true};
    ASSERT_TRUE(Zapisz("DBGrid1", {k}));
    EXPECT_FALSE(tdm1->TGridy.IsOpen());  // closed again, as they were before
    EXPECT_FALSE(tdm1->TDaneGrid.IsOpen());

    auto uklad = Czytaj("DBGrid1", 1);
    ASSERT_TRUE(uklad);
    ASSERT_EQ(uklad->size(), 1u);
    EXPECT_EQ((*uklad)[0].numer, 0);
    EXPECT_EQ((*uklad)[0].kolumna, k);
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST_F(UkladySiatekTest, NamesLongerThanTheirFieldsAreCutNotRefused) {
    ASSERT_TRUE(Zaloguj());
    auto k = Kolumny(1);
    k[0].tytul = std::string(45, 'x') + "ąęłńóśźż";  // 53 characters, more bytes
    ASSERT_TRUE(Zapisz("DBGrid1", k));
    auto uklad = Czytaj("DBGrid1", 1);
    ASSERT_TRUE(uklad);
    EXPECT_EQ((*uklad)[0].kolumna.tytul, std::string(45, 'x') + "ąęłńó");
}

TEST_F(UkladySiatekTest, UsersAndGridsKeepTheirOwnLayouts) {
    DodajUzytkownika("KADRY", "kadry", true);
    ASSERT_TRUE(Zaloguj());
    ASSERT_TRUE(Zapisz("DBGrid1", Kolumny(3, " admina")));
    ASSERT_TRUE(Zapisz("DBGrid14", Kolumny(2, " zatrudnienia")));
    Otworz();
    ASSERT_TRUE(Zaloguj("KADRY", "kadry"));
    EXPECT_FALSE(Czytaj("DBGrid1", 3)) << "no layout yet: the grid keeps its own";
    ASSERT_TRUE(Zapisz("DBGrid1", Kolumny(3, " kadr")));
    EXPECT_EQ(Wiersze("IdGrid.db"), 3u);

    auto kadry = Czytaj("DBGrid1", 3);
    ASSERT_TRUE(kadry);
    EXPECT_EQ(kadry->at(2).kolumna.tytul, "Tytuł 2 kadr");
    Otworz();
    ASSERT_TRUE(Zaloguj());
    auto admin = Czytaj("DBGrid1", 3);
    ASSERT_TRUE(admin);
    EXPECT_EQ(admin->at(2).kolumna.tytul, "Tytuł 2 admina");
    auto zatrudnienia = Czytaj("DBGrid14", 3);
    ASSERT_TRUE(zatrudnienia);
    ASSERT_EQ(zatrudnienia->size(), 2u);
    EXPECT_EQ(zatrudnienia->at(1).kolumna.tytul, "Tytuł 1 zatrudnienia");
}

TEST_F(UkladySiatekTest, SavingAgainUpdatesTheRecordsAndKeepsThoseBeyondTheGrid) {
    ASSERT_TRUE(Zaloguj());
    ASSERT_TRUE(Zapisz("DBGrid1", Kolumny(12)));
    EXPECT_EQ(Wiersze("DaneGrida.DB"), 12u);
    auto krotszy = Kolumny(10, " nowy");
    krotszy[3].pole = "NrEwidencyjny";
    ASSERT_TRUE(Zapisz("DBGrid1", krotszy));
    EXPECT_EQ(Wiersze("IdGrid.db"), 1u);
    EXPECT_EQ(Wiersze("DaneGrida.DB"), 12u);

    // Twelve stored, a grid of ten reads the first ten; of twelve, the two old ones too.
    auto dziesiec = Czytaj("DBGrid1", 10);
    ASSERT_TRUE(dziesiec);
    ASSERT_EQ(dziesiec->size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(dziesiec->at(i).numer, i);
        EXPECT_EQ(dziesiec->at(i).kolumna, krotszy[i]);
    }
    auto dwanascie = Czytaj("DBGrid1", 12);
    ASSERT_TRUE(dwanascie);
    ASSERT_EQ(dwanascie->size(), 12u);
    EXPECT_EQ(dwanascie->at(11).kolumna.tytul, "Tytuł 11");
}

TEST_F(UkladySiatekTest, NobodyLoggedInReadsAndWritesNothing) {
    EXPECT_FALSE(Zapisz("DBGrid1", Kolumny(2)));
    EXPECT_FALSE(Czytaj("DBGrid1", 2));
    EXPECT_EQ(Wiersze("IdGrid.db"), 0u);
}

TEST_F(UkladySiatekTest, AUserIdentifierBeyondTheSmallIntegerFieldIsRefusedWithoutWriting) {
    DodajUzytkownikaZIdentyfikatorem("DUZY", 40000);
    ASSERT_TRUE(Zaloguj("DUZY", "x"));
    ASSERT_EQ(tdm->Sesja().Identyfikator, 40000);
    {
        UkladySiatek u(*tdm1);
        EXPECT_EQ(testing::Blad([&] { u.Zapisz("FGlowny", "DBGrid1", Kolumny(2)); }),
                  "Identyfikator poza zakresem pola IdentyfikatorUzytkownika !!!");
        EXPECT_FALSE(tdm1->TGridy->Editing());
        EXPECT_FALSE(u.Czytaj("FGlowny", "DBGrid1", 2));
    }
    EXPECT_EQ(Wiersze("IdGrid.db"), 0u);
    EXPECT_EQ(Wiersze("DaneGrida.DB"), 0u);
}

}  // namespace
}  // namespace mirta::store
