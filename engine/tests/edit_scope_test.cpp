#include "engine/edit_scope.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/engine_error.h"
#include "engine/testing/memory_table.h"

namespace mirta::engine {
namespace {

using testing::MemoryDisk;
using testing::MemoryTable;

const std::vector<FieldDef> kFields = {{"Id", FieldType::Long, 4}, {"Nazwa", FieldType::Alpha, 20}};

class EditScopeTest : public ::testing::Test {
protected:
    MemoryDisk disk;
    Dataset ds{std::shared_ptr<Table>(MemoryTable::Create(disk, "T", kFields, 1))};

    void Add(int id, const std::string& name) {
        EditScope insert(ds, EditScope::Mode::Insert);
        ds.SetField("Id", Value::Integer(id));
        ds.SetField("Nazwa", Value::Text(name));
        insert.Post();
    }
};

TEST_F(EditScopeTest, APostedChangeStays) {
    Add(1, "Jeden");
    {
        EditScope edit(ds, EditScope::Mode::Edit);
        ds.SetField("Nazwa", Value::Text("Pierwszy"));
        edit.Post();
    }
    EXPECT_EQ(ds.State(), DatasetState::Browse);
    EXPECT_EQ(ds.Field("Nazwa").AsText(), "Pierwszy");
    EXPECT_EQ(ds.RecordCount(), 1);
}

TEST_F(EditScopeTest, AnExceptionOrARefusedPostLeavesNothingHalfChanged) {
    Add(1, "Jeden");
    EXPECT_THROW(
        {
            EditScope edit(ds, EditScope::Mode::Edit);
            ds.SetField("Nazwa", Value::Text("Zmieniony"));
            throw std::runtime_error("przerwane");
        },
        std::runtime_error);
    EXPECT_EQ(ds.State(), DatasetState::Browse);
    EXPECT_EQ(ds.Field("Nazwa").AsText(), "Jeden");

    // A duplicate key: Post throws and the scope cancels the insert.
    EXPECT_THROW(Add(1, "Drugi"), KeyViolation);
    EXPECT_EQ(ds.State(), DatasetState::Browse);
    EXPECT_EQ(ds.RecordCount(), 1);
    EXPECT_EQ(ds.Field("Nazwa").AsText(), "Jeden");
}

}  // namespace
}  // namespace mirta::engine
