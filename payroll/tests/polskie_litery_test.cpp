#include "payroll/polskie_litery.h"

#include <gtest/gtest.h>

#include "engine/dbf_table.h"
#include "engine/engine_error.h"
#include "engine/file_system.h"
#include "engine/testing/temp_dir.h"

namespace mirta::payroll {
namespace {

using engine::Value;

struct Przypadek {
    const char* opis;
    std::string_view kody;
    StandardLiter standard;
    const char* tekst;
    std::string bajty;
    bool zastapiono;
};

// Targets named by position make the letter table's order visible.
constexpr std::string_view kPozycje = "ABCDEFGHIJKLMNOPQR";
// Mazovia and Latin 2 bytes of ążśźćęółńĄŻŚŹĆĘÓŁŃ, as the payroll program's KODPOL.DBF has them.
const std::string kMazowia =
    "\x86\xA7\x9E\xA6\x8D\x91\xA2\x92\xA4\x8F\xA1\x98\xA0\x95\x90\xA3\x9C\xA5";
const std::string kLatin2 =
    "\xA5\xBE\x98\xAB\x86\xA9\xA2\x88\xE4\xA4\xBD\x97\x8D\x8F\xA8\xE0\x9D\xE3";

TEST(TlumaczLiter, TurnsPolishLettersIntoThePayrollBytes) {
    const Przypadek przypadki[] = {
        // Ł, ó and ź are the 17th, 7th and 4th letters; d is not a Polish letter.
        {"Łódź by position", kPozycje, StandardLiter::Mazowia, "Łódź", "QGdD", false},
        {"Łódź in Mazovia", kMazowia, StandardLiter::Mazowia, "Łódź",
         "\x9C\xA2"
         "d\xA6",
         false},
        {"Łódź in Latin 2", kLatin2, StandardLiter::Latin2, "Łódź",
         "\x9D\xA2"
         "d\xAB",
         false},
        {"every letter", kMazowia, StandardLiter::Mazowia, "ążśźćęółńĄŻŚŹĆĘÓŁŃ", kMazowia, false},
        {"ASCII passes", kMazowia, StandardLiter::Mazowia, "Ala, 12/5 m.3", "Ala, 12/5 m.3", false},
        // Nine targets: only the lower-case letters have one; the capitals are not guessed.
        {"short KODY", kPozycje.substr(0, 9), StandardLiter::Mazowia, "żółw Żółw", "BGHw ?GHw",
         true},
        // Other letters take the standard's own byte when it has one.
        {"é in Mazovia", kMazowia, StandardLiter::Mazowia, "René", "Ren\x82", false},
        {"é in Latin 2", kLatin2, StandardLiter::Latin2, "René", "Ren\x82", false},
        {"Ü in Latin 2", kLatin2, StandardLiter::Latin2, "Müller", "M\x81ller", false},
        {"euro sign", kMazowia, StandardLiter::Mazowia, "5€", "5?", true},
        {"broken UTF-8", kMazowia, StandardLiter::Mazowia, "a\xC5", "a?", true},
    };
    for (const auto& p : przypadki) {
        const TlumaczLiter tlumacz(p.kody, p.standard);
        bool zastapiono = false;
        EXPECT_EQ(tlumacz.Przetlumacz(p.tekst, zastapiono), p.bajty) << p.opis;
        EXPECT_EQ(zastapiono, p.zastapiono) << p.opis;
    }
}

// A KODPOL.DBF as the payroll program might keep it: a deleted row first, padded values.
TEST(KodyStandardu, TakesTheFirstLiveRowOfTheStandardTrimmed) {
    engine::testing::TempDir dir;
    auto& fs = engine::FileSystem::Real();
    const std::vector<engine::FieldDef> pola = {{"KODY", engine::FieldType::Alpha, 50},
                                                {"STANDART", engine::FieldType::Alpha, 1}};
    auto t = engine::DbfTable::Create(fs, dir.File("KODPOL.DBF"), pola, 0x00);
    t->Insert({Value::Bytes("XXXXXXXXXXXXXXXXXX"), Value::Text("M")});
    t->Delete(0);
    t->Insert({Value::Bytes(kLatin2), Value::Text("L")});
    t->Insert({Value::Bytes("  " + kMazowia), Value::Text("M")});
    t->Insert({Value::Bytes("YYYYYYYYYYYYYYYYYY"), Value::Text("M")});
    t->Insert({Value(), Value::Text("X")});

    EXPECT_EQ(KodyStandardu(*t, StandardLiter::Mazowia), kMazowia);
    EXPECT_EQ(KodyStandardu(*t, StandardLiter::Latin2), kLatin2);

    // The first row of the standard decides, even when its KODY is empty.
    auto pusty = engine::DbfTable::Create(fs, dir.File("PUSTY.DBF"), pola, 0x00);
    pusty->Insert({Value(), Value::Text("L")});
    pusty->Insert({Value::Bytes(kLatin2), Value::Text("L")});
    EXPECT_EQ(KodyStandardu(*pusty, StandardLiter::Latin2), std::nullopt);
    EXPECT_EQ(KodyStandardu(*pusty, StandardLiter::Mazowia), std::nullopt);

    auto obcy = engine::DbfTable::Create(fs, dir.File("OBCY.DBF"), {pola[0]}, 0x00);
    EXPECT_THROW(KodyStandardu(*obcy, StandardLiter::Mazowia), engine::EngineError);
}

}  // namespace
}  // namespace mirta::payroll
