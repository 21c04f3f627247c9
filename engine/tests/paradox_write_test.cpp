#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include "engine/code_page.h"
#include "engine/engine_error.h"
#include "engine/paradox_table.h"
#include "engine/testing/pxlib_reader.h"
#include "engine/testing/temp_dir.h"
#include "engine/testing/shared_fixtures.h"

namespace mirta::engine {
namespace {

using testing::ReadWithPxlib;
using testing::TempDir;

ParadoxOpenOptions ReadOnlyOptions() {
    ParadoxOpenOptions options;
    options.readOnly = true;
    return options;
}

// A table of every writable type. Keyed variants key on the first one or two fields.
std::vector<FieldDef> AllTypes(FieldType keyType) {
    return {
        {"Klucz", keyType, keyType == FieldType::Alpha ? 12 : 0, 0, 0},
        {"Nazwisko", FieldType::Alpha, 40, 0, 0},
        {"DataUr", FieldType::Date, 0, 0, 0},
        {"Godzina", FieldType::Time, 0, 0, 0},
        {"Kwota", FieldType::Number, 0, 0, 0},
        {"Pensja", FieldType::Money, 0, 0, 0},
        {"Dzieci", FieldType::Short, 0, 0, 0},
        {"Punkty", FieldType::Long, 0, 0, 0},
        {"Aktywny", FieldType::Logical, 0, 0, 0},
        {"Zmiana", FieldType::Timestamp, 0, 0, 0},
        {"Opis", FieldType::Alpha, 200, 0, 0},  // large records force frequent splits
    };
}

class Generator {
public:
    explicit Generator(uint32_t seed) : m_rng(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }

    Value Field(const FieldDef& f) {
        if (Chance(15))
            return {};
        switch (f.type) {
            case FieldType::Alpha:
                return Value::Text(Text(Int(1, std::min(f.size, 12))));
            case FieldType::Date:
                return Value::Date(DayNumberFromCivil(Int(1900, 2100), Int(1, 12), Int(1, 28)));
            case FieldType::Time:
                return Value::Time(Int(0, 86399999));
            case FieldType::Number:
            case FieldType::Money:
                return Value::Number(Int(-1000000, 1000000) / 100.0);
            case FieldType::Short:
                return Value::Integer(Int(-32767, 32767));
            case FieldType::Long:
                return Value::Integer(Int(-2000000000, 2000000000));
            case FieldType::Logical:
                return Value::Logical(Chance(50));
            case FieldType::Timestamp:
                return Value::Timestamp(Int(0, 1000000) * 86400000.0 + Int(0, 86399999));
            default:
                return {};
        }
    }

    std::string Text(int length) {
        static const std::string kLetters[] = {"a", "b", "z", "A", "Z", "ą",
                                               "ł", "Ż", "ó", " ", "0", "9"};
        std::string s;
        for (int i = 0; i < length; ++i)
            s += kLetters[Int(0, 11)];
        return s;
    }

    Value Key(FieldType type) {
        if (type == FieldType::Alpha) {
            std::string s;
            for (int i = Int(1, 6); i > 0; --i)
                s += static_cast<char>('A' + Int(0, 25));
            return Value::Text(s);
        }
        return Value::Integer(Int(-500, 500));
    }

private:
    std::mt19937 m_rng;
};

// What pxlib prints for a value we stored (see ReadWithPxlib).
std::string PxlibText(const Value& v, const FieldDef& f) {
    if (v.IsNull())
        return "\\N";
    char buf[40];
    switch (f.type) {
        case FieldType::Alpha:
            return CodePage::ForNumber(1250).Encode(v.AsText());
        case FieldType::Date:
            return std::to_string(v.AsDay());
        case FieldType::Time:
            return std::to_string(v.AsMilliseconds());
        case FieldType::Logical:
            return v.AsLogical() ? "T" : "F";
        case FieldType::Number:
        case FieldType::Money:
            std::snprintf(buf, sizeof buf, "%.17g", v.AsNumber());
            return buf;
        case FieldType::Timestamp:
            std::snprintf(buf, sizeof buf, "%.17g", v.AsTimestamp());
            return buf;
        default:
            return std::to_string(v.AsInteger());
    }
}

struct Scenario {
    const char* name;
    int keyFields;
    FieldType keyType;
    const char* password;
};

class ParadoxModelTest : public ::testing::TestWithParam<Scenario> {};

// Random inserts, edits and deletes against an in-memory model; the file is compared with the
// model as it goes, after reopening, and through pxlib.
TEST_P(ParadoxModelTest, MatchesModelAndPxlib) {
    const Scenario& s = GetParam();
    TempDir dir;
    const std::string path = dir.File("Model.DB");
    auto fields = AllTypes(s.keyType);
    ParadoxCreateOptions options;
    options.blockSizeKb = 2;
    options.password = s.password;
    auto table = ParadoxTable::Create(FileSystem::Real(), path, fields, s.keyFields, options);

    // Keyed: the model is kept in key order; unkeyed: in insertion order.
    std::vector<Record> model;
    auto keyOf = [&](const Record& r) { return PxlibText(r[0], fields[0]); };
    auto keyLess = [&](const Record& a, const Record& b) {
        if (s.keyType == FieldType::Alpha)
            return a[0].AsText() < b[0].AsText();
        return a[0].AsInteger() < b[0].AsInteger();
    };
    auto check = [&](ParadoxTable& t, const char* when) {
        ASSERT_EQ(t.RowCount(), model.size()) << when;
        for (size_t i = 0; i < model.size(); ++i)
            ASSERT_EQ(t.ReadRow(i), model[i]) << when << " row " << i;
    };

    Generator gen(20261210u + s.keyFields * 7 + (s.password[0] ? 1 : 0));
    for (int step = 0; step < 1500; ++step) {
        const int op = gen.Int(1, 100);
        if (op <= 55 || model.empty()) {
            Record row;
            for (const auto& f : fields)
                row.push_back(gen.Field(f));
            if (s.keyFields)
                row[0] = gen.Key(s.keyType);
            auto same = std::find_if(model.begin(), model.end(), [&](const Record& r) {
                return s.keyFields && keyOf(r) == keyOf(row);
            });
            if (same != model.end()) {
                try {
                    table->Insert(row);
                    FAIL() << "duplicate key accepted";
                } catch (const KeyViolation& e) {
                    EXPECT_STREQ(e.what(), "Key violation.");
                }
                continue;
            }
            uint64_t at = table->Insert(row);
            if (s.keyFields) {
                auto pos = std::upper_bound(model.begin(), model.end(), row, keyLess);
                ASSERT_EQ(at, static_cast<uint64_t>(pos - model.begin()));
                model.insert(pos, row);
            } else {
                ASSERT_EQ(at, model.size());
                model.push_back(row);
            }
        } else if (op <= 80) {
            size_t i = static_cast<size_t>(gen.Int(0, static_cast<int>(model.size()) - 1));
            Record row = model[i];
            const int changed = gen.Int(1, static_cast<int>(fields.size()) - 1);
            row[changed] = gen.Field(fields[changed]);
            if (s.keyFields && gen.Chance(30))
                row[0] = gen.Key(s.keyType);
            bool clash =
                s.keyFields && std::any_of(model.begin(), model.end(), [&](const Record& r) {
                    return &r != &model[i] && keyOf(r) == keyOf(row);
                });
            if (clash) {
                EXPECT_THROW(table->Update(i, row), KeyViolation);
                continue;
            }
            uint64_t at = table->Update(i, row);
            model.erase(model.begin() + static_cast<long>(i));
            if (s.keyFields) {
                auto pos = std::upper_bound(model.begin(), model.end(), row, keyLess);
                ASSERT_EQ(at, static_cast<uint64_t>(pos - model.begin()));
                model.insert(pos, row);
            } else {
                model.insert(model.begin() + static_cast<long>(i), row);
            }
        } else {
            size_t i = static_cast<size_t>(gen.Int(0, static_cast<int>(model.size()) - 1));
            table->Delete(i);
            model.erase(model.begin() + static_cast<long>(i));
        }
        if (step % 100 == 0)
            check(*table, "during");
    }
    check(*table, "end");
    table.reset();

    auto reopened = ParadoxTable::Open(FileSystem::Real(), path);
    check(*reopened, "reopened");
    if (s.password[0]) {
        EXPECT_TRUE(reopened->CheckPassword(s.password));
    }
    if (s.keyFields) {
        // The .PX on disk is the one the data calls for.
        std::vector<uint8_t> expected = reopened->PrimaryIndexBytes();
        EXPECT_EQ(testing::ReadBytesOf(dir.File("Model.PX")),
                  std::string(expected.begin(), expected.end()));
    }

    auto pxRows = ReadWithPxlib(path);
    ASSERT_EQ(pxRows.size(), model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        for (size_t f = 0; f < fields.size(); ++f) {
            ASSERT_EQ(pxRows[i][f], PxlibText(model[i][f], fields[f]))
                << "row " << i << " field " << f;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, ParadoxModelTest,
                         ::testing::Values(Scenario{"Unkeyed", 0, FieldType::Long, ""},
                                           Scenario{"KeyedLong", 1, FieldType::Long, ""},
                                           Scenario{"KeyedAlpha", 1, FieldType::Alpha, ""},
                                           Scenario{"KeyedEncrypted", 1, FieldType::Long, "tajne"},
                                           Scenario{"UnkeyedEncrypted", 0, FieldType::Long,
                                                    "Hasło1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A table with a composite, case-insensitive secondary index: after every change the index
// holds one entry per row, in order, each with the block its row lives in, and its .YG0 and
// the table's .PX agree with the data.
TEST(ParadoxIndexMaintenance, SecondaryIndexesFollowEveryChange) {
    MIRTA_REQUIRE_SHARED_FIXTURES();
    TempDir dir;
    namespace fs = std::filesystem;
    const fs::path source = fs::path(testing::SharedFixturesDir()) / "paradox/dbdemos";
    for (const char* ext : {".db", ".px", ".xg0", ".yg0"})
        fs::copy_file(source / (std::string("employee") + ext),
                      dir.File(std::string("employee") + ext));
    fs::permissions(dir.Path(), fs::perms::owner_all, fs::perm_options::add);
    for (const auto& e : fs::directory_iterator(dir.Path()))
        fs::permissions(e.path(), fs::perms::owner_read | fs::perms::owner_write);

    auto table = ParadoxTable::Open(FileSystem::Real(), dir.File("employee.db"));
    Generator gen(7);
    auto checkIndex = [&] {
        auto x =
            ParadoxTable::Open(FileSystem::Real(), dir.File("employee.xg0"), ReadOnlyOptions());
        ASSERT_EQ(x->RowCount(), table->RowCount());
        std::string previous;
        for (uint64_t i = 0; i < x->RowCount(); ++i) {
            Record entry = x->ReadRow(i);  // LastName, FirstName, EmpNo, Blk Num
            std::string key =
                entry[0].AsText() + '\x01' + (entry[1].IsNull() ? "" : entry[1].AsText());
            EXPECT_LE(previous, key);
            previous = key;
            const auto block = static_cast<uint16_t>(entry[3].AsInteger());
            bool found = false;
            table->ForEachRawRecordInBlock(
                [&](const uint8_t*, uint16_t b) { found |= b == block; });
            EXPECT_TRUE(found) << "hint " << block;
            // The index keeps its entries in upper case.
            EXPECT_EQ(entry[0].AsText().find_first_of("abcdefghijklmnopqrstuvwxyz"),
                      std::string::npos);
        }
        std::vector<uint8_t> px = table->PrimaryIndexBytes();
        EXPECT_EQ(testing::ReadBytesOf(dir.File("employee.px")), std::string(px.begin(), px.end()));
        EXPECT_EQ(ReadWithPxlib(dir.File("employee.xg0")).size(), table->RowCount());
        // Text the table's code page cannot hold is refused, not stored as '?'.
        Record polish = {
            Value::Integer(5000), Value::Text("Łęcki"), Value(), Value(), Value(), Value()};
        EXPECT_THROW(table->Insert(polish), EngineError);
    };
    for (int step = 0; step < 120; ++step) {
        const int op = gen.Int(1, 3);
        if (op == 1 || table->RowCount() < 5) {
            Record row = {Value::Integer(1000 + step),
                          Value::Text("Nowak" + std::to_string(gen.Int(0, 99))),
                          Value::Text("Ewa"),
                          Value::Text("1"),
                          Value(),
                          Value::Number(step)};
            table->Insert(row);
        } else if (op == 2) {
            uint64_t i = static_cast<uint64_t>(gen.Int(0, static_cast<int>(table->RowCount()) - 1));
            Record row = table->ReadRow(i);
            row[1] = Value::Text("kowalski" + std::to_string(gen.Int(0, 9)));
            table->Update(i, row);
        } else {
            table->Delete(
                static_cast<uint64_t>(gen.Int(0, static_cast<int>(table->RowCount()) - 1)));
        }
        if (step % 20 == 0)
            checkIndex();
    }
    checkIndex();
}

// A header naming a code page the system lacks: the table still reads (its letters as CP437,
// or right when the code page is given), but a write is refused and changes nothing.
TEST(ParadoxUnknownCodePage, ReadsButRefusesToWrite) {
    TempDir dir;
    const std::string path = dir.File("obca.db");
    {
        ParadoxCreateOptions options;
        options.codePage = 852;
        auto t = ParadoxTable::Create(FileSystem::Real(), path,
                                      {{"Miasto", FieldType::Alpha, 20, 0, 0}}, 0, options);
        t->Insert({Value::Text("Łódź")});
        t->Sync();
    }
    {
        auto f = FileSystem::Real().Open(path, OpenMode::ReadWrite);
        const uint8_t unknown[2] = {0x0F, 0x27};  // 9999
        f->WriteAt(0x6A, unknown, sizeof unknown);
        f->Sync();
    }
    const std::string before = testing::ReadBytesOf(path);

    auto t = ParadoxTable::Open(FileSystem::Real(), path);
    EXPECT_EQ(t->FileHeader().codePage, 9999);
    ASSERT_EQ(t->RowCount(), 1u);
    EXPECT_NE(t->ReadRow(0)[0].AsText(), "Łódź");
    try {
        t->Insert({Value::Text("Kraków")});
        FAIL() << "the write went through";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("stronę kodową 9999"), std::string::npos) << e.what();
    }
    EXPECT_THROW(t->Delete(0), EngineError);
    t.reset();
    EXPECT_EQ(testing::ReadBytesOf(path), before);

    ParadoxOpenOptions given;
    given.codePage = &CodePage::ForNumber(852);
    given.readOnly = true;
    EXPECT_EQ(ParadoxTable::Open(FileSystem::Real(), path, given)->ReadRow(0)[0].AsText(), "Łódź");
}

}  // namespace
}  // namespace mirta::engine
