#include "store/nowa_baza.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "engine/code_page.h"
#include "engine/dbf_dump.h"
#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/paradox_dump.h"
#include "engine/paradox_table.h"
#include "engine/testing/pxlib_reader.h"
#include "engine/testing/temp_dir.h"
#include "store/katalog.h"

namespace mirta::store {
namespace {

using engine::FieldType;
using engine::FileSystem;
using engine::testing::FieldsWithPxlib;
using engine::testing::ReadWithPxlib;
using engine::testing::TempDir;

constexpr engine::CivilDate kDzis{2026, 12, 10};

std::string LiteraPxlib(FieldType typ) {
    switch (typ) {
        case FieldType::Alpha:
            return "A";
        case FieldType::Date:
            return "D";
        case FieldType::Short:
            return "S";
        case FieldType::Long:
            return "I";
        case FieldType::Number:
            return "N";
        case FieldType::Logical:
            return "L";
        case FieldType::Time:
            return "T";
        case FieldType::AutoInc:
            return "+";
        default:
            return "?";
    }
}

TEST(NowaBaza, EveryParadoxTableOpensInPxlibWithTheCatalogueFields) {
    TempDir dir;
    UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
    const auto& cp1250 = engine::CodePage::ForNumber(1250);
    int sprawdzone = 0;
    for (const auto& p : PlikiNowejBazy(kDzis.year)) {
        if (p.opis->format != FormatPliku::Paradox)
            continue;
        SCOPED_TRACE(p.plik);
        std::vector<std::string> oczekiwane;
        for (const auto& f : p.opis->PolaPliku())
            oczekiwane.push_back(f.name + ":" + LiteraPxlib(f.type) +
                                 (f.type == FieldType::Alpha ? std::to_string(f.size) : ""));
        std::vector<std::string> pxlib;
        for (const auto& f : FieldsWithPxlib(dir.File(p.plik)))
            pxlib.push_back(cp1250.Decode(f));
        EXPECT_EQ(pxlib, oczekiwane);
        ReadWithPxlib(dir.File(p.plik));
        ++sprawdzone;
    }
    EXPECT_GT(sprawdzone, 70);
}

TEST(NowaBaza, HoldsTheCurrentLeavePairButNotTheNextYearsWhichWouldMarkTheYearClosed) {
    TempDir dir;
    UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
    EXPECT_TRUE(std::filesystem::exists(dir.File("UrN2026.DB")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("WykUrl2026.DB")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("SPD/Harmonogram.DB")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("ROVANTE/MIRTA.DBF")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("UrN2027.DB")));
}

TEST(NowaBaza, DictionaryRowsCarryTheIdentifiersTheRulesTest) {
    TempDir dir;
    UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
    auto& fs = FileSystem::Real();
    auto nazwaO = [&](const std::string& plik, int kolumnaId, int kolumnaNazwy, int id) {
        auto t = engine::ParadoxTable::Open(fs, dir.File(plik));
        for (uint64_t i = 0; i < t->RowCount(); ++i) {
            auto r = t->ReadRow(i);
            if (r[kolumnaId].AsInteger() == id)
                return r[kolumnaNazwy].AsText();
        }
        return std::string("brak");
    };
    EXPECT_EQ(nazwaO("RodzUrlop.db", 2, 0, 9), "Urlop bezpłatny");
    EXPECT_EQ(nazwaO("FormyZtr.db", 2, 0, 3), "Umowa na czas określony");
    EXPECT_EQ(nazwaO("SlPokrew.db", 1, 0, 3), "Syn");
    EXPECT_EQ(nazwaO("SlPokrew.db", 1, 0, 4), "Córka");

    auto hasla = engine::ParadoxTable::Open(fs, dir.File("Hasla.DB"));
    ASSERT_EQ(hasla->RowCount(), 1u);
    auto admin = hasla->ReadRow(0);
    EXPECT_EQ(admin[0].AsText(), "ADMIN");
    EXPECT_TRUE(admin[1].IsNull() || admin[1].AsText().empty());
    EXPECT_TRUE(admin[3].AsLogical() && admin[4].AsLogical() && admin[5].AsLogical());
    EXPECT_FALSE(admin[7].AsLogical());  // not restricted to the leave pages

    EXPECT_EQ(engine::ParadoxTable::Open(fs, dir.File("ParametryKadr.db"))->RowCount(), 1u);
    EXPECT_EQ(engine::ParadoxTable::Open(fs, dir.File("Parametry.DB"))->RowCount(), 1u);
}

TEST(NowaBaza, CodeTableHoldsTheMazoviaAndLatin2BytesOfThePolishLetters) {
    TempDir dir;
    UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
    auto t = engine::DbfTable::Open(FileSystem::Real(), dir.File("ROVANTE/KODPOL.DBF"));
    ASSERT_EQ(t->RowCount(), 2u);
    // ą in Mazovia is 0x86, in Latin 2 0xA5; Ń is 0xA5 in Mazovia and 0xE3 in Latin 2.
    auto bajty = [&](uint64_t i) {
        std::string raw;
        t->ReadRawRecords(i, 1, raw);
        return raw.substr(1, 18);
    };
    EXPECT_EQ(static_cast<uint8_t>(bajty(0)[0]), 0x86);
    EXPECT_EQ(static_cast<uint8_t>(bajty(0)[17]), 0xA5);
    EXPECT_EQ(static_cast<uint8_t>(bajty(1)[0]), 0xA5);
    EXPECT_EQ(static_cast<uint8_t>(bajty(1)[17]), 0xE3);
    EXPECT_EQ(t->ReadRow(0)[1].AsText(), "M");
    EXPECT_EQ(t->ReadRow(1)[1].AsText(), "L");
}

TEST(NowaBaza, DumpsShowPolishLettersOfNamesAndRows) {
    TempDir dir;
    UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
    auto zrzut = [&](const std::string& plik) {
        std::ostringstream out;
        if (ZnajdzTabele(plik)->format == FormatPliku::Dbase)
            engine::DumpDbf(FileSystem::Real(), dir.File(plik), nullptr, out);
        else
            engine::DumpParadox(FileSystem::Real(), dir.File(plik), nullptr, out);
        return out.str();
    };
    for (const auto& p : PlikiNowejBazy(kDzis.year))
        EXPECT_EQ(zrzut(p.plik).find("\uFFFD"), std::string::npos) << p.plik;
    EXPECT_NE(zrzut("RodzUrlop.db").find("Urlop bezpłatny"), std::string::npos);
    EXPECT_NE(zrzut("SlPokrew.db").find("Córka"), std::string::npos);
    EXPECT_NE(zrzut("RodzWyk.db").find("NazwaRodzajuWykształcenia:A60"), std::string::npos);
    EXPECT_NE(zrzut("PopZatr.db").find("NazwaZakładuPracy:A50"), std::string::npos);
    EXPECT_NE(zrzut("ROVANTE/KODPOL.DBF").find("ążśźćęółńĄŻŚŹĆĘÓŁŃ"), std::string::npos);
}

TEST(NowaBaza, RefusesADirectoryThatAlreadyHoldsATable) {
    TempDir dir;
    UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
    auto przed = engine::testing::ReadBytesOf(dir.File("Hasla.DB"));
    std::filesystem::remove(dir.File("Mirta.DB"));
    try {
        UtworzNowaBaze(FileSystem::Real(), dir.Path(), kDzis);
        FAIL() << "no error";
    } catch (const engine::EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("zawiera już tabelę"), std::string::npos);
    }
    EXPECT_EQ(engine::testing::ReadBytesOf(dir.File("Hasla.DB")), przed);
}

}  // namespace
}  // namespace mirta::store
