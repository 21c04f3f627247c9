#include "store/otwarcie_tabel.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "engine/testing/temp_dir.h"
#include "store/katalog.h"
#include "store/nowa_baza.h"

namespace mirta::store {
namespace {

namespace fsys = std::filesystem;
using engine::FileSystem;
using engine::testing::ReadBytesOf;
using engine::testing::TempDir;

constexpr const char* kWspolne[] = {"Mirta", "Kalendarz", "Parametry", "ParDruk"};

class OtwarcieTabel : public ::testing::Test {
protected:
    void SetUp() override { UtworzNowaBaze(FileSystem::Real(), dir.Path(), {2026, 12, 10}); }

    void UstawSciezkePlac(const std::string& sciezka) {
        auto t = engine::ParadoxTable::Open(FileSystem::Real(), dir.File("ParametryKadr.db"));
        auto r = t->ReadRow(0);
        r[1] = engine::Value::Text(sciezka);
        t->Update(0, r);
        t->Sync();
    }

    std::string BladOtwarcia() {
        try {
            OtworzTabeleStartowe(FileSystem::Real(), dir.Path());
        } catch (const engine::EngineError& e) {
            return e.what();
        }
        return "";
    }

    TempDir dir;
};

TEST_F(OtwarcieTabel, ANewDirectoryOpensWithoutRemarksAndSharedTablesComeFromItWhenThePathIsEmpty) {
    auto tabele = OtworzTabeleStartowe(FileSystem::Real(), dir.Path());
    EXPECT_TRUE(tabele.uwagi.empty());
    ASSERT_NE(tabele.Tabela("TPracownicy"), nullptr);
    EXPECT_EQ(fsys::path(tabele.Tabela("TPracownicy")->Path()).parent_path(),
              fsys::path(dir.Path()));
    EXPECT_EQ(tabele.tabele.front().opis->plik, "ParametryKadr.db");
    EXPECT_EQ(tabele.Tabela("TCzasPracy"), nullptr);  // opened by its window only
}

TEST_F(OtwarcieTabel, SharedTablesOpenFromThePayrollDirectoryNamedInTheParameters) {
    fsys::create_directories(dir.File("place"));
    for (const char* t : kWspolne)
        for (const char* ext : {".DB", ".PX"})
            if (fsys::exists(dir.File(std::string(t) + ext)))
                fsys::rename(dir.File(std::string(t) + ext),
                             dir.File("place/" + std::string(t) + ext));
    EXPECT_NE(BladOtwarcia().find("Mirta.DB"), std::string::npos);

    UstawSciezkePlac("place");
    auto tabele = OtworzTabeleStartowe(FileSystem::Real(), dir.Path());
    EXPECT_EQ(fsys::path(tabele.Tabela("TKalendarz")->Path()).parent_path(),
              fsys::path(dir.File("place")));
    EXPECT_EQ(fsys::path(tabele.Tabela("TRodzina")->Path()).parent_path(), fsys::path(dir.Path()));
}

TEST_F(OtwarcieTabel, ATableStoredUnderAnotherLetterCaseIsFound) {
    fsys::rename(dir.File("Mirta.DB"), dir.File("MIRTA.db"));
    fsys::rename(dir.File("Mirta.PX"), dir.File("mirta.px"));
    fsys::rename(dir.File("Hasla.DB"), dir.File("hasla.db"));
    fsys::rename(dir.File("Hasla.PX"), dir.File("HASLA.PX"));
    auto tabele = OtworzTabeleStartowe(FileSystem::Real(), dir.Path());
    EXPECT_EQ(fsys::path(tabele.Tabela("TPracownicy")->Path()).filename(), "MIRTA.db");
    EXPECT_EQ(tabele.Tabela("THasla")->RowCount(), 1u);
}

TEST_F(OtwarcieTabel, AMissingTableStopsTheStartNamingTheFile) {
    fsys::remove(dir.File("Badania.db"));
    fsys::remove(dir.File("Badania.PX"));
    std::string blad = BladOtwarcia();
    EXPECT_NE(blad.find("Brak tabeli Badania.db"), std::string::npos) << blad;
}

TEST_F(OtwarcieTabel, AFileOfAnotherStructureIsRefusedAndLeftAsItIs) {
    // Surname widened and a field dropped at the end, as an older program might have it.
    auto pola = ZnajdzTabele("Mirta.DB")->PolaPliku();
    pola[2].size = 40;
    pola.pop_back();
    engine::ParadoxTable::Create(FileSystem::Real(), dir.File("Mirta.DB"), pola, 1);
    auto przed = ReadBytesOf(dir.File("Mirta.DB"));

    std::string blad = BladOtwarcia();
    EXPECT_NE(
        blad.find(
            "Tabela Mirta.DB: pole nr 3 (Nazwisko) jest typu tekst(40), oczekiwano tekst(30)"),
        std::string::npos)
        << blad;
    EXPECT_NE(blad.find("Tabela Mirta.DB: brak pola IdStPracCyw"), std::string::npos) << blad;
    EXPECT_EQ(ReadBytesOf(dir.File("Mirta.DB")), przed);
}

TEST_F(OtwarcieTabel, AnotherKeyIsReportedButTheTableOpensUnchanged) {
    auto pola = ZnajdzTabele("Hasla.DB")->PolaPliku();
    engine::ParadoxTable::Create(FileSystem::Real(), dir.File("Hasla.DB"), pola, 2);
    auto przed = ReadBytesOf(dir.File("Hasla.DB"));

    auto tabele = OtworzTabeleStartowe(FileSystem::Real(), dir.Path());
    ASSERT_EQ(tabele.uwagi.size(), 1u);
    EXPECT_EQ(tabele.uwagi[0],
              "Tabela Hasla.DB: klucz główny pliku (NazwaKrotka;Haslo) różni się od oczekiwanego "
              "(NazwaKrotka); struktury nie zmieniono");
    EXPECT_EQ(tabele.Tabela("THasla")->KeyFieldCount(), 2);
    tabele = {};
    EXPECT_EQ(ReadBytesOf(dir.File("Hasla.DB")), przed);
}

}  // namespace
}  // namespace mirta::store
