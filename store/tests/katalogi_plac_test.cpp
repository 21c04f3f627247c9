#include "store/katalogi_plac.h"

#include <gtest/gtest.h>

#include "engine/testing/memory_table.h"
#include "store/katalog.h"

namespace mirta::store {
namespace {

using engine::Value;
using engine::testing::MemoryDisk;
using engine::testing::MemoryTable;

TEST(UstawKatalogiPlac, TakesTheFirstRecordsPathRelativeToTheDataDirectory) {
    struct Przypadek {
        Value sciezka;
        const char* katalog;
    } przypadki[] = {
        {Value(), "/dane"},
        {Value::Text(""), "/dane"},
        {Value::Text("   "), "/dane"},
        {Value::Text("place"), "/dane/place"},
        {Value::Text("place\\"), "/dane/place"},
        {Value::Text("/srv/place/"), "/srv/place"},
        {Value::Text("C:\\Ovelsand"), "C:\\Ovelsand"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.sciezka.ToString());
        MemoryDisk disk;
        auto t = MemoryTable::Create(disk, "ParametryKadr.db",
                                     ZnajdzTabele("ParametryKadr.db")->PolaPliku(), 0);
        t->Insert({Value::Integer(1), p.sciezka, Value::Logical(true)});
        t->Insert({Value::Integer(2), Value::Text("inne"), Value::Logical(true)});
        EXPECT_EQ(UstawKatalogiPlac(*t, "/dane"), p.katalog);
    }
}

TEST(UstawKatalogiPlac, WithoutARecordTheSharedTablesAreInTheDataDirectory) {
    MemoryDisk disk;
    auto t = MemoryTable::Create(disk, "ParametryKadr.db",
                                 ZnajdzTabele("ParametryKadr.db")->PolaPliku(), 0);
    EXPECT_EQ(UstawKatalogiPlac(*t, "/dane"), "/dane");
}

TEST(UstawKatalogiPlac, AChangeMadeThroughAnotherViewIsTakenAtTheNextOpening) {
    MemoryDisk disk;
    auto nasza = MemoryTable::Create(disk, "ParametryKadr.db",
                                     ZnajdzTabele("ParametryKadr.db")->PolaPliku(), 0);
    nasza->Insert({Value::Integer(1), Value::Text(""), Value::Logical(true)});
    EXPECT_EQ(UstawKatalogiPlac(*nasza, "/dane"), "/dane");
    auto inna = MemoryTable::Open(disk, "ParametryKadr.db");
    inna->Update(0, {Value::Integer(1), Value::Text("place"), Value::Logical(true)});
    EXPECT_EQ(UstawKatalogiPlac(*nasza, "/dane"), "/dane/place");
}

}  // namespace
}  // namespace mirta::store
