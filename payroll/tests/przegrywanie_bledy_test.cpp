#include <gtest/gtest.h>

#include "payroll/przegrywanie.h"
#include "payroll/tests/jednostka_placowa.h"
#include "payroll/tests/pelny_dysk.h"
#include "store/katalog.h"

namespace mirta::payroll {
namespace {

using store::testing::DialogiSkryptowe;
using testing::JednostkaPlacowa;
using testing::Lewo;
using testing::PelnyDysk;
using testing::T;
using testing::Value;
using Rodzaj = DialogiSkryptowe::Rodzaj;
using Stan = WynikPrzegrania::Stan;

class BledyPrzegrywania : public JednostkaPlacowa {
protected:
    void PieciuPracownikow() {
        for (const char* n : {"Adamski", "Borowa", "Cieślak", "Dudek", "Ewert"})
            Dodaj({{"Nazwisko", T(n)}, {"Imie1", T("Jan")}});
        Zacznij();
    }

    // The two files hold the same employees, pair by pair.
    void SprawdzPary(size_t ile) {
        ASSERT_EQ(Rekordy("MIRTA.DBF").size(), ile);
        ASSERT_EQ(Rekordy("PRACLIST.DBF").size(), ile);
        for (size_t i = 0; i < ile; ++i) {
            EXPECT_EQ(Pole("PRACLIST.DBF", i, "PL_NAZ"), Pole("MIRTA.DBF", i, "K_NAZW")) << i;
            EXPECT_EQ(Pole("PRACLIST.DBF", i, "PL_NRP"), Pole("MIRTA.DBF", i, "K_NRP")) << i;
        }
    }

    std::string Identyfikator(int64_t i) {
        return tdm->TPracownicy->RowAt(i).Text("Identyfikator");
    }
};

// The disk fills up while the third employee's row goes in, at any byte of it: the first two
// pairs stay, the third employee has no row in either file, and the user learns both.
TEST_F(BledyPrzegrywania, AFullDiskPartWayLeavesWholePairsAndSaysHowFarItGot) {
    PieciuPracownikow();
    const std::string mirta = engine::testing::ReadBytesOf(Plik("MIRTA.DBF"));
    const std::string lista = engine::testing::ReadBytesOf(Plik("PRACLIST.DBF"));
    const int64_t wierszMirta =
        engine::DbfTable::Open(engine::FileSystem::Real(), Plik("MIRTA.DBF"))->RecordSize();
    const int64_t wierszListy =
        engine::DbfTable::Open(engine::FileSystem::Real(), Plik("PRACLIST.DBF"))->RecordSize();
    struct Przypadek {
        const char* plik;
        int64_t budzet;
    };
    const Przypadek przypadki[] = {
        {"PRACLIST.DBF", 2 * wierszListy},  // nothing of the third row fits
        {"PRACLIST.DBF", 2 * wierszListy + 1},
        {"PRACLIST.DBF", 3 * wierszListy - 1},  // all but the last byte
        {"MIRTA.DBF", 2 * wierszMirta},
        {"MIRTA.DBF", 3 * wierszMirta - 1},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::string(p.plik) + " full after " + std::to_string(p.budzet) + " bytes");
        testing::Zapisz(Plik("MIRTA.DBF"), mirta);
        testing::Zapisz(Plik("PRACLIST.DBF"), lista);
        PelnyDysk dysk(p.plik, p.budzet);
        const WynikPrzegrania w = Przegraj({}, dysk);
        EXPECT_EQ(w.stan, Stan::Przerwano);
        EXPECT_EQ(w.przegranych, 2);
        SprawdzPary(2);
        ASSERT_EQ(dialogi.komunikaty.size(), 2u);
        EXPECT_EQ(dialogi.komunikaty[1].rodzaj, Rodzaj::Blad);
        EXPECT_EQ(dialogi.komunikaty[1].tekst,
                  "Przegrywanie danych do płac przerwane. Przegrano dane pracowników: 2.\n"
                  "Nie udało się przegrać danych pracownika: Cieślak Jan (identyfikator " +
                      Identyfikator(2) + ").\nBrak miejsca na dysku");

        EXPECT_EQ(w.nieprzegranych, 3);

        // With room on the disk again the next run skips the two written and goes on.
        const WynikPrzegrania dalej =
            Przegraj({}, engine::FileSystem::Real(), store::Odpowiedz::Nie);
        EXPECT_EQ(dalej.przegranych, 3);
        EXPECT_EQ(dalej.pominietych, 2);
        SprawdzPary(5);
        EXPECT_EQ(Pole("MIRTA.DBF", 3, "K_NAZW"), Lewo("Dudek", 30));
    }
}

TEST_F(BledyPrzegrywania, WritesNothingWhileThePayrollProgramHoldsAFile) {
    PieciuPracownikow();
    const std::string mirta = engine::testing::ReadBytesOf(Plik("MIRTA.DBF"));
    auto placowy =
        engine::FileSystem::Real().Open(Plik("PRACLIST.DBF"), engine::OpenMode::ReadWrite);
    ASSERT_TRUE(placowy->TryLock(true));
    // The lock is seen and asked about; answered "Tak", the held file still stops the export.
    dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
    const WynikPrzegrania w = Przegraj();
    EXPECT_EQ(w.stan, Stan::Przerwano);
    EXPECT_EQ(w.przegranych, 0);
    ASSERT_EQ(dialogi.komunikaty.size(), 3u);
    EXPECT_EQ(dialogi.komunikaty[1].tekst,
              "Tabela ROVANTE\\PRACLIST.DBF jest prawdopodobnie otwarta w programie płacowym. "
              "Zapisać mimo to?");
    EXPECT_EQ(dialogi.komunikaty[2].tekst.rfind("Nie przegrano danych do płac.\n", 0), 0u)
        << dialogi.komunikaty[2].tekst;
    EXPECT_NE(dialogi.komunikaty[2].tekst.find("używana przez inny program"), std::string::npos);
    EXPECT_EQ(engine::testing::ReadBytesOf(Plik("MIRTA.DBF")), mirta);
    placowy->Unlock();
    EXPECT_EQ(Przegraj().przegranych, 5);
}

// The payroll program's own column widths rule: a narrower column gets the value cut after
// translation, and characters with no place in the standard are named once for the run.
TEST_F(BledyPrzegrywania, CutsValuesAtTheFilesWidthAndWarnsOnceOfLostCharacters) {
    std::vector<engine::FieldDef> pola = store::ZnajdzTabele("MIRTA.DBF")->PolaPliku();
    for (auto& p : pola)
        if (p.name == "K_NAZW")
            p.size = 8;
    engine::FileSystem::Real().Remove(Plik("MIRTA.DBF"));
    engine::DbfTable::Create(engine::FileSystem::Real(), Plik("MIRTA.DBF"), pola, 0x64);

    Dodaj({{"Nazwisko", T("Brzęczyszczykiewicz")}, {"Imie1", T("Grzegorz")}});
    Dodaj({{"Nazwisko", T("Chmiel")}, {"Ulica", T("Aleja 5€")}});
    Dodaj({{"Nazwisko", T("Dąb")}, {"Imie1", T("Zoë")}, {"MiejsceUrodzenia", T("Přerov")}});
    Zacznij();
    ASSERT_EQ(Przegraj().przegranych, 3);
    EXPECT_EQ(Pole("MIRTA.DBF", 0, "K_NAZW"),
              "Brz\x91"
              "czys");
    EXPECT_EQ(Pole("PRACLIST.DBF", 0, "PL_NAZ"), Lewo("Brz\x91"
                                                      "czys",
                                                      30));
    EXPECT_EQ(Pole("MIRTA.DBF", 1, "K_AU"), Lewo("Aleja 5?", 20));
    EXPECT_EQ(Pole("MIRTA.DBF", 2, "K_IMIE1"), Lewo("Zo\x89", 15)) << "ë is in Mazovia";
    EXPECT_EQ(Pole("MIRTA.DBF", 2, "K_MIEJUR"), Lewo("P?erov", 20));

    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[1].rodzaj, Rodzaj::Ostrzezenie);
    EXPECT_EQ(dialogi.komunikaty[1].tekst,
              "Niektórych znaków nie ma w wybranym standardzie polskich liter płac; zapisano je "
              "jako \"?\". Dotyczy to pracowników:\nChmiel (identyfikator " +
                  tdm->TPracownicy->RowAt(1).Text("Identyfikator") + ")\nDąb Zoë (identyfikator " +
                  tdm->TPracownicy->RowAt(2).Text("Identyfikator") + ")");
}

}  // namespace
}  // namespace mirta::payroll
