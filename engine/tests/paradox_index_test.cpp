// Primary indexes of more than one block, read by pxlib: it takes the chain's first block for
// the root, reads two levels at most and attaches an index only when its leaves cover every
// record of the table.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "engine/paradox_table.h"
#include "engine/testing/pxlib_reader.h"
#include "engine/testing/temp_dir.h"

namespace mirta::engine {
namespace {

using testing::TempDir;

struct KeyShape {
    const char* name;
    std::vector<FieldDef> key;  // the key fields, all alpha or long
};

// Alpha key fields hold the row number padded to their width, so that rows sort by it; long
// ones hold it as it is.
Record Row(const KeyShape& shape, int n) {
    Record row;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06d", n);
    for (const auto& f : shape.key) {
        if (f.type == FieldType::Long) {
            row.push_back(Value::Integer(n));
        } else {
            std::string text = std::string(f.name) + digits;
            row.push_back(Value::Text(
                text.substr(text.size() > static_cast<size_t>(f.size) ? text.size() - f.size : 0)));
        }
    }
    // Filler: about one kilobyte per row, two rows to a 2 KiB block.
    for (int i = 0; i < 4; ++i)
        row.push_back(Value::Text(std::string(200, static_cast<char>('a' + (n + i) % 26))));
    return row;
}

std::string Text(const std::vector<std::string>& fields) {
    std::string out;
    for (const auto& f : fields)
        out += f + "|";
    return out;
}

std::set<std::string> Ours(ParadoxTable& table) {
    std::set<std::string> rows;
    for (uint64_t i = 0; i < table.RowCount(); ++i) {
        std::vector<std::string> fields;
        for (const auto& v : table.ReadRow(i))
            fields.push_back(v.kind() == Value::Kind::Text ? v.AsText()
                                                           : std::to_string(v.AsInteger()));
        rows.insert(Text(fields));
    }
    return rows;
}

// pxlib attaches the .PX and finds every row through it; the header names block 1 as the
// root of two levels.
void ExpectPxlibAttaches(ParadoxTable& table, const std::string& when) {
    SCOPED_TRACE(when);
    const std::string px = ReplaceExtension(table.Path(), ".PX");
    const std::string bytes = testing::ReadBytesOf(px);
    ASSERT_GE(bytes.size(), paradox::kFixedPartEnd);
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    EXPECT_EQ(p[paradox::kIndexLevels], 2) << "the rows should call for two levels";
    EXPECT_EQ(paradox::GetU16(p + paradox::kIndexRoot), 1);
    EXPECT_EQ(paradox::GetU16(p + paradox::kFirstBlock), 1);
    std::set<std::string> viaIndex;
    try {
        for (const auto& row : testing::ReadWithPxlibIndex(table.Path(), px))
            viaIndex.insert(Text(row));
    } catch (const std::runtime_error& e) {
        FAIL() << e.what();
    }
    EXPECT_EQ(viaIndex, Ours(table));
}

TEST(ParadoxIndex, PxlibAttachesTwoLevelIndexesOfEveryKeyShape) {
    const KeyShape shapes[] = {
        {"one integer", {{"Id", FieldType::Long, 0, 0, 0}}},
        {"three fields",
         {{"Nazwisko", FieldType::Alpha, 30, 0, 0},
          {"Rok", FieldType::Long, 0, 0, 0},
          {"Numer", FieldType::Long, 0, 0, 0}}},
        // Seven entries to a 2 KiB index block: two levels need a larger block.
        {"five fields",
         {{"Jednostka", FieldType::Alpha, 60, 0, 0},
          {"Komorka", FieldType::Alpha, 60, 0, 0},
          {"Stanowisko", FieldType::Alpha, 60, 0, 0},
          {"Nazwisko", FieldType::Alpha, 60, 0, 0},
          {"Numer", FieldType::Long, 0, 0, 0}}},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        TempDir dir;
        std::vector<FieldDef> fields = shape.key;
        for (int i = 0; i < 4; ++i)
            fields.push_back({"Opis" + std::to_string(i), FieldType::Alpha, 200, 0, 0});
        ParadoxCreateOptions options;
        options.blockSizeKb = 2;
        auto table = ParadoxTable::Create(FileSystem::Real(), dir.File("T.DB"), fields,
                                          static_cast<int>(shape.key.size()), options);

        // Every other number in one go: 250 full data blocks, more than a 2 KiB block of
        // one-integer entries holds.
        table->BeginBulk();
        for (int n = 0; n < 1000; n += 2)
            table->Insert(Row(shape, n));
        table->EndBulk();
        ExpectPxlibAttaches(*table, "after a bulk append");

        for (int n = 1; n < 200; n += 6)
            table->Insert(Row(shape, n));  // splits blocks in the middle
        table->Sync();
        ExpectPxlibAttaches(*table, "after inserts");

        for (int n = 100; n < 400; n += 4) {
            Record key = Row(shape, n);
            key.resize(shape.key.size());
            table->Delete(table->LowerBound(key));
        }
        table->Sync();
        ExpectPxlibAttaches(*table, "after deletes");

        table->RebuildIndexes();
        table->Sync();
        ExpectPxlibAttaches(*table, "after a rebuild");

        // Reopened, our reader sees the same rows pxlib found.
        auto reopened = ParadoxTable::Open(FileSystem::Real(), dir.File("T.DB"));
        EXPECT_EQ(Ours(*reopened), Ours(*table));
    }
}

}  // namespace
}  // namespace mirta::engine
