#include "engine/dataset.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <stdexcept>
#include <thread>

#include "engine/collation.h"
#include "engine/dbf_table.h"
#include "engine/field_text.h"
#include "engine/paradox_table.h"
#include "engine/testing/fault_file_system.h"
#include "engine/testing/memory_table.h"

namespace mirta::engine {
namespace {

using testing::FaultFileSystem;
using testing::MemoryDisk;
using testing::MemoryTable;

enum class Kind { Memory, ParadoxKeyed, ParadoxUnkeyed, Dbf };

std::string KindName(const ::testing::TestParamInfo<Kind>& info) {
    switch (info.param) {
        case Kind::Memory:
            return "Memory";
        case Kind::ParadoxKeyed:
            return "ParadoxKeyed";
        case Kind::ParadoxUnkeyed:
            return "ParadoxUnkeyed";
        case Kind::Dbf:
            return "Dbf";
    }
    return "?";
}

// Employees, keyed by Id where the kind has keys.
const std::vector<FieldDef> kEmployees = {
    {"Id", FieldType::Long, 4},      {"Nazwisko", FieldType::Alpha, 30},
    {"Imie", FieldType::Alpha, 20},  {"DataUr", FieldType::Date, 4},
    {"Placa", FieldType::Number, 8},
};

// Leave records of employees, keyed by (IdPrac, DataOd).
const std::vector<FieldDef> kLeaves = {
    {"IdPrac", FieldType::Long, 4},
    {"DataOd", FieldType::Date, 4},
    {"Dni", FieldType::Short, 2},
    {"Opis", FieldType::Alpha, 20},
};

// A handler's refusal, as a record rule raises it.
struct Refused : std::runtime_error {
    Refused() : std::runtime_error("odmowa") {}
};

TEST(FieldText, ParsesTypedTextAndFormatsValues) {
    const FieldDef shortField{"S", FieldType::Short, 2}, longField{"L", FieldType::Long, 4},
        number{"N", FieldType::Number, 8}, date{"D", FieldType::Date, 4},
        time{"T", FieldType::Time, 4}, logical{"B", FieldType::Logical, 1},
        text{"A", FieldType::Alpha, 10};
    const Value bad = Value::Bytes("refused");
    struct Case {
        const FieldDef& field;
        const char* typed;
        Value parsed;       // `bad`: the text is refused
        const char* shown;  // the default text of the parsed value
    } cases[] = {
        {longField, " 42 ", Value::Integer(42), "42"},
        {longField, "", Value(), ""},  // empty text empties the field
        {longField, "4 2", bad, ""},
        {longField, "12a", bad, ""},
        {shortField, "40000", bad, ""},  // out of the field's range
        {number, "12,5", Value::Number(12.5), "12,5"},
        {number, "12.5", Value::Number(12.5), "12,5"},
        {number, "1e400", bad, ""},
        {date, "2026-01-05", Value::Date(DayNumberFromCivil(2026, 1, 5)), "2026-01-05"},
        {date, "2026/1/5", Value::Date(DayNumberFromCivil(2026, 1, 5)), "2026-01-05"},
        {date, "2024-02-29", Value::Date(DayNumberFromCivil(2024, 2, 29)), "2024-02-29"},
        {date, "2026-02-29", bad, ""},
        {date, "0000-01-01", bad, ""},
        {date, "____-__-__", bad, ""},  // an empty mask
        {time, "08:30", Value::Time(30600000), "08:30:00"},
        {time, "24:00", bad, ""},
        {logical, "tak", Value::Logical(true), "Tak"},
        {logical, "Nie", Value::Logical(false), "Nie"},
        {text, " z odstępem ", Value::Text(" z odstępem "), " z odstępem "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field.name + " '" + c.typed + "'");
        if (c.parsed == bad) {
            EXPECT_THROW(ParseFieldText(c.field, c.typed), EngineError);
            continue;
        }
        const Value v = ParseFieldText(c.field, c.typed);
        EXPECT_EQ(v, c.parsed);
        EXPECT_EQ(FormatFieldValue(c.field, v), c.shown);
    }
    EXPECT_EQ(CoerceToField(longField, Value::Number(3)), Value::Integer(3));
    EXPECT_THROW(CoerceToField(longField, Value::Number(3.5)), EngineError);
    EXPECT_THROW(CoerceToField(longField, Value::Text("3")), EngineError);
    EXPECT_EQ(CoerceToField(number, Value::Integer(3)), Value::Number(3));
}

class DatasetContract : public ::testing::TestWithParam<Kind> {
protected:
    DatasetContract() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string test = info->name();
        std::replace(test.begin(), test.end(), '/', '_');
        m_dir = std::filesystem::temp_directory_path() /
                ("mirta_dataset_" + std::to_string(::getpid()) + "_" + test);
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    ~DatasetContract() override { std::filesystem::remove_all(m_dir); }

    Kind kind() const { return GetParam(); }
    bool Keyed() const { return kind() == Kind::Memory || kind() == Kind::ParadoxKeyed; }

    std::string PathOf(const std::string& name) const {
        if (kind() == Kind::Memory)
            return name;
        return (m_dir / (name + (kind() == Kind::Dbf ? ".DBF" : ".DB"))).string();
    }

    std::shared_ptr<Table> Create(const std::string& name, std::vector<FieldDef> fields,
                                  int keyFields) {
        const std::string path = PathOf(name);
        switch (kind()) {
            case Kind::Memory:
                return MemoryTable::Create(m_disk, path, fields, keyFields);
            case Kind::ParadoxKeyed:
                return ParadoxTable::Create(m_fs, path, fields, keyFields);
            case Kind::ParadoxUnkeyed:
                return ParadoxTable::Create(m_fs, path, fields, 0);
            case Kind::Dbf: {
                for (FieldDef& f : fields) {
                    switch (f.type) {
                        case FieldType::Alpha:
                            f.code = 'C';
                            break;
                        case FieldType::Date:
                            f = {f.name, FieldType::Date, 8, 0, 'D'};
                            break;
                        case FieldType::Number:
                            f = {f.name, FieldType::Number, 12, 2, 'N'};
                            break;
                        default:
                            f = {f.name, FieldType::Number, 10, 0, 'N'};
                    }
                }
                DbfOptions options;
                options.today = [] { return CivilDate{2026, 12, 10}; };
                return DbfTable::Create(m_fs, path, fields, 0xC8, options);
            }
        }
        return nullptr;
    }

    // Another handle on the same file: another program, or a table opened a second time.
    std::shared_ptr<Table> Open(const std::string& name) {
        const std::string path = PathOf(name);
        switch (kind()) {
            case Kind::Memory:
                return MemoryTable::Open(m_disk, path);
            case Kind::Dbf:
                return DbfTable::Open(m_fs, path);
            default:
                return ParadoxTable::Open(m_fs, path);
        }
    }

    std::shared_ptr<Table> Employees(const std::string& name = "Prac") {
        return Create(name, kEmployees, 1);
    }
    std::shared_ptr<Table> Leaves(const std::string& name = "Urlopy") {
        return Create(name, kLeaves, 2);
    }

    static void AddEmployee(Dataset& ds, int id, const std::string& surname,
                            const std::string& name = "Jan") {
        ds.Insert();
        ds.SetFieldText("Id", std::to_string(id));
        ds.SetFieldText("Nazwisko", surname);
        ds.SetFieldText("Imie", name);
        ds.Post();
    }

    static void AddLeave(Dataset& ds, int employee, const std::string& from, int days = 1) {
        ds.Insert();
        ds.SetFieldText("IdPrac", std::to_string(employee));
        ds.SetFieldText("DataOd", from);
        ds.SetFieldText("Dni", std::to_string(days));
        ds.Post();
    }

    // Every row of the view from First to Eof, as "field1 field2 ...".
    static std::vector<std::string> Rows(Dataset& ds, const std::vector<std::string>& fields) {
        std::vector<std::string> out;
        for (ds.First(); !ds.Eof(); ds.Next()) {
            std::string line;
            for (const auto& f : fields)
                line += (line.empty() ? "" : " ") + ds.FieldText(f);
            out.push_back(line);
        }
        return out;
    }

    // The stored text of a field of row `ordinal`, read through a fresh handle on the file.
    std::string OnDisk(const std::string& name, uint64_t ordinal, const std::string& field) {
        Dataset fresh(Open(name));
        if (static_cast<int64_t>(ordinal) >= fresh.RecordCount())
            return "<none>";
        return fresh.RowAt(static_cast<int64_t>(ordinal)).Text(field);
    }

    // File stamps have a coarse clock; a write by "another program" must land on a later tick.
    static void NextTick() { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }

    FaultFileSystem m_fs;
    MemoryDisk m_disk;
    std::filesystem::path m_dir;
};

TEST_P(DatasetContract, NavigatesAndMarksTheEnds) {
    Dataset ds(Employees());
    EXPECT_TRUE(ds.Bof() && ds.Eof());
    EXPECT_EQ(ds.RecNo(), -1);
    EXPECT_TRUE(ds.Field("Nazwisko").IsNull());
    EXPECT_THROW(ds.Delete(), EngineError);
    // Edit on an empty view starts an insert.
    ds.Edit();
    EXPECT_EQ(ds.State(), DatasetState::Insert);
    ds.Cancel();

    for (int id : {1, 2, 3})
        AddEmployee(ds, id, "N" + std::to_string(id));
    EXPECT_EQ(Rows(ds, {"Id", "Nazwisko"}), (std::vector<std::string>{"1 N1", "2 N2", "3 N3"}));
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.RecNo(), 2);  // Next on the last row stays there
    ds.First();
    EXPECT_TRUE(ds.Bof());
    ds.Prior();
    EXPECT_TRUE(ds.Bof());
    EXPECT_EQ(ds.RecNo(), 0);
    ds.Next();
    EXPECT_FALSE(ds.Bof() || ds.Eof());
    ds.Last();
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.FieldText("Nazwisko"), "N3");
}

TEST_P(DatasetContract, RunsRecordEventsInOrder) {
    Dataset ds(Employees());
    std::vector<std::string> log;
    const std::pair<DatasetEvent, const char*> events[] = {
        {DatasetEvent::BeforeInsert, "BeforeInsert"}, {DatasetEvent::NewRecord, "NewRecord"},
        {DatasetEvent::AfterInsert, "AfterInsert"},   {DatasetEvent::BeforeEdit, "BeforeEdit"},
        {DatasetEvent::AfterEdit, "AfterEdit"},       {DatasetEvent::BeforePost, "BeforePost"},
        {DatasetEvent::AfterPost, "AfterPost"},       {DatasetEvent::BeforeDelete, "BeforeDelete"},
        {DatasetEvent::AfterDelete, "AfterDelete"},   {DatasetEvent::BeforeCancel, "BeforeCancel"},
        {DatasetEvent::AfterCancel, "AfterCancel"},
    };
    const char* kStates[] = {"B", "E", "I"};
    for (auto [event, name] : events) {
        ds.AddHandler(event, [&log, name = std::string(name), kStates](Dataset& d) {
            log.push_back(name + ":" + kStates[static_cast<int>(d.State())]);
        });
    }
    // Defaults come from the new-record event; the before-post handler sees the buffer.
    ds.AddHandler(DatasetEvent::NewRecord, [](Dataset& d) { d.SetFieldText("Imie", "Domyślne"); });
    std::string seenByBeforePost;
    ds.AddHandler(DatasetEvent::BeforePost,
                  [&](Dataset& d) { seenByBeforePost = d.FieldText("Nazwisko"); });

    ds.Insert();
    ds.SetFieldText("Id", "1");
    ds.SetFieldText("Nazwisko", "Nowak");
    ds.Post();
    EXPECT_EQ(ds.FieldText("Imie"), "Domyślne");
    EXPECT_EQ(seenByBeforePost, "Nowak");
    ds.Edit();
    ds.Cancel();
    ds.Edit();
    ds.SetFieldText("Nazwisko", "Kowal");
    ds.Post();
    // Moving the cursor posts a pending insert.
    ds.Insert();
    ds.SetFieldText("Id", "2");
    ds.First();
    ds.Delete();
    EXPECT_EQ(log, (std::vector<std::string>{
                       "BeforeInsert:B", "NewRecord:I",    "AfterInsert:I",  "BeforePost:I",
                       "AfterPost:B",    "BeforeEdit:B",   "AfterEdit:E",    "BeforeCancel:E",
                       "AfterCancel:B",  "BeforeEdit:B",   "AfterEdit:E",    "BeforePost:E",
                       "AfterPost:B",    "BeforeInsert:B", "NewRecord:I",    "AfterInsert:I",
                       "BeforePost:I",   "AfterPost:B",    "BeforeDelete:B", "AfterDelete:B"}));
    EXPECT_EQ(ds.RecordCount(), 1);
}

TEST_P(DatasetContract, ThrowingBeforeEventAbandonsTheOperationAndKeepsTheState) {
    struct Case {
        const char* name;
        DatasetEvent event;
        std::function<void(Dataset&)> act;
        DatasetState stateAfter;
    } cases[] = {
        {"insert", DatasetEvent::BeforeInsert, [](Dataset& d) { d.Insert(); },
         DatasetState::Browse},
        {"defaults", DatasetEvent::NewRecord, [](Dataset& d) { d.Insert(); }, DatasetState::Browse},
        {"edit", DatasetEvent::BeforeEdit, [](Dataset& d) { d.Edit(); }, DatasetState::Browse},
        {"post of an edit", DatasetEvent::BeforePost,
         [](Dataset& d) {
             d.Edit();
             d.SetFieldText("Nazwisko", "Zmieniony");
             d.Post();
         },
         DatasetState::Edit},
        {"post of an insert", DatasetEvent::BeforePost,
         [](Dataset& d) {
             d.Insert();
             d.SetFieldText("Id", "9");
             d.SetFieldText("Nazwisko", "Zmieniony");
             d.Post();
         },
         DatasetState::Insert},
        {"delete", DatasetEvent::BeforeDelete, [](Dataset& d) { d.Delete(); },
         DatasetState::Browse},
        {"cancel", DatasetEvent::BeforeCancel,
         [](Dataset& d) {
             d.Edit();
             d.SetFieldText("Nazwisko", "Zmieniony");
             d.Cancel();
         },
         DatasetState::Edit},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = "T" + std::to_string(n++);
        Dataset ds(Employees(name));
        AddEmployee(ds, 1, "Nowak");
        AddEmployee(ds, 2, "Lis");
        ds.First();
        ds.AddHandler(c.event, [](Dataset&) { throw Refused(); });
        EXPECT_THROW(c.act(ds), Refused);
        EXPECT_EQ(ds.State(), c.stateAfter);
        // A refused post or cancel keeps what the user typed.
        if (c.stateAfter != DatasetState::Browse) {
            EXPECT_EQ(ds.FieldText("Nazwisko"), "Zmieniony");
        }
        EXPECT_EQ(ds.RecordCount(), 2);
        Dataset onDisk(Open(name));
        EXPECT_EQ(Rows(onDisk, {"Nazwisko"}), (std::vector<std::string>{"Nowak", "Lis"}));
    }
}

TEST_P(DatasetContract, RefusesADuplicateKeyWithKeyViolation) {
    if (!Keyed())
        GTEST_SKIP() << "no unique key";
    Dataset ds(Employees());
    AddEmployee(ds, 1, "Nowak");
    AddEmployee(ds, 2, "Lis");
    std::vector<std::string> reported;
    ds.AddPostErrorHandler(
        [&](Dataset& d, const EngineError& e) { reported.push_back(d.Name() + e.what()); });

    ds.Insert();
    ds.SetFieldText("Id", "1");
    ds.SetFieldText("Nazwisko", "Duplikat");
    try {
        ds.Post();
        ADD_FAILURE() << "post accepted a duplicate key";
    } catch (const KeyViolation& e) {
        EXPECT_STREQ(e.what(), "Key violation.");
    }
    EXPECT_EQ(reported, std::vector<std::string>{"Key violation."});
    EXPECT_EQ(ds.State(), DatasetState::Insert);
    EXPECT_EQ(ds.FieldText("Nazwisko"), "Duplikat");
    ds.SetFieldText("Id", "3");
    ds.Post();
    EXPECT_EQ(ds.RecordCount(), 3);

    // An edit that moves onto another row's key is refused the same way.
    ASSERT_TRUE(ds.FindKey({Value::Integer(3)}));
    ds.Edit();
    ds.SetFieldText("Id", "2");
    EXPECT_THROW(ds.Post(), KeyViolation);
    EXPECT_EQ(ds.State(), DatasetState::Edit);

    // A post-error handler may raise its own report instead.
    ds.AddPostErrorHandler([](Dataset&, const EngineError&) { throw Refused(); });
    EXPECT_THROW(ds.Post(), Refused);
    ds.Cancel();
    EXPECT_EQ(OnDisk("Prac", 2, "Nazwisko"), "Duplikat");
}

TEST_P(DatasetContract, OrdersByPolishCollationAndFindsNearestSurname) {
    Dataset ds(Employees());
    const std::pair<const char*, const char*> people[] = {
        {"Żak", "Jan"},    {"Łukasik", "Ewa"},   {"Lis", "Adam"},     {"Nowak", "Zofia"},
        {"nowak", "Anna"}, {"Ćwik", "Piotr"},    {"Cebula", "Jan"},   {"Ślusarz", "Ola"},
        {"Sowa", "Ida"},   {"Zieliński", "Jan"}, {"Źdźbło", "Kamil"}, {"Nowak", "Anna"},
    };
    int id = 100;
    for (auto [surname, name] : people)
        AddEmployee(ds, id--, surname, name);
    ds.SetIndexFields("Nazwisko;Imie");
    const std::vector<std::string> expected = {
        "Cebula Jan",  "Ćwik Piotr", "Lis Adam",    "Łukasik Ewa",   "nowak Anna",   "Nowak Anna",
        "Nowak Zofia", "Sowa Ida",   "Ślusarz Ola", "Zieliński Jan", "Źdźbło Kamil", "Żak Jan"};
    EXPECT_EQ(Rows(ds, {"Nazwisko", "Imie"}), expected);

    struct Case {
        Record key;
        const char* lands;  // nullptr: past the end
    } nearest[] = {
        {{Value::Text("ł")}, "Łukasik Ewa"},
        {{Value::Text("L")}, "Lis Adam"},
        {{Value::Text("NOW")}, "nowak Anna"},
        {{Value::Text("Nowak"), Value::Text("z")}, "Nowak Zofia"},
        {{Value::Text("ś")}, "Ślusarz Ola"},
        {{Value::Text("Zz")}, "Źdźbło Kamil"},  // z < ź < ż
        {{Value::Text("A")}, "Cebula Jan"},
        {{Value::Text("Żz")}, nullptr},
    };
    for (const Case& c : nearest) {
        SCOPED_TRACE(c.key[0].AsText());
        ds.FindNearest(c.key);
        EXPECT_EQ(ds.Eof(), c.lands == nullptr);
        const std::string here = ds.FieldText("Nazwisko") + " " + ds.FieldText("Imie");
        EXPECT_EQ(here, c.lands ? c.lands : "Żak Jan");
    }

    // A key search ignores case but prefers an exact match.
    ASSERT_TRUE(ds.FindKey({Value::Text("NOWAK")}));
    EXPECT_EQ(ds.RecNo(), 4);
    ASSERT_TRUE(ds.FindKey({Value::Text("Nowak")}));
    EXPECT_EQ(ds.RecNo(), 5);
    ASSERT_TRUE(ds.FindKey({Value::Text("nowak"), Value::Text("Zofia")}));
    EXPECT_EQ(ds.RecNo(), 6);
    EXPECT_FALSE(ds.FindKey({Value::Text("Nowakowski")}));
    EXPECT_EQ(ds.RecNo(), 6);

    // A numeric index; typed text is parsed for the search.
    ds.SetIndexFields("Id");
    ASSERT_TRUE(ds.FindKey({Value::Text("91")}));
    EXPECT_EQ(ds.FieldText("Nazwisko"), "Zieliński");
    ds.FindNearest({Value::Integer(0)});
    EXPECT_EQ(ds.FieldText("Id"), "89");
}

TEST_P(DatasetContract, DetailFollowsMasterAndStampsNewRows) {
    Dataset employees(Employees());
    AddEmployee(employees, 1, "Nowak");
    AddEmployee(employees, 2, "Adamski");
    AddEmployee(employees, 3, "Zieliński");
    employees.SetIndexFields("Nazwisko");
    {
        Dataset all(Leaves());
        AddLeave(all, 1, "2026-01-10");
        AddLeave(all, 2, "2026-02-01");
        AddLeave(all, 1, "2026-03-05");
        AddLeave(all, 2, "2026-01-15");
        AddLeave(all, 9, "2026-01-01");
    }
    Dataset leaves(Open("Urlopy"));
    leaves.SetIndexFields("IdPrac;DataOd");
    leaves.SetMasterLink(employees, "IdPrac", "Id");
    int resets = 0;
    Subscription sub = leaves.Observe(
        [&](const DatasetChange& c) { resets += c.kind == DatasetChange::Kind::Reset; });

    employees.First();  // Adamski
    EXPECT_EQ(Rows(leaves, {"IdPrac", "DataOd"}),
              (std::vector<std::string>{"2 2026-01-15", "2 2026-02-01"}));
    employees.Next();  // Nowak
    EXPECT_EQ(Rows(leaves, {"DataOd"}), (std::vector<std::string>{"2026-01-10", "2026-03-05"}));
    EXPECT_EQ(resets, 1);
    employees.Next();  // Zieliński has none
    EXPECT_TRUE(leaves.Eof() && leaves.Bof());

    leaves.Insert();
    EXPECT_EQ(leaves.FieldText("IdPrac"), "3");
    leaves.SetFieldText("DataOd", "2026-06-01");
    leaves.Post();
    EXPECT_EQ(leaves.RecordCount(), 1);

    // Moving the master posts the detail's pending insert first.
    employees.Prior();  // Nowak
    leaves.Insert();
    leaves.SetFieldText("DataOd", "2026-07-01");
    employees.Next();  // Zieliński
    EXPECT_EQ(Rows(leaves, {"DataOd"}), (std::vector<std::string>{"2026-06-01"}));
    employees.Prior();
    EXPECT_EQ(Rows(leaves, {"DataOd"}),
              (std::vector<std::string>{"2026-01-10", "2026-03-05", "2026-07-01"}));

    // A master without a current record shows no details.
    employees.SetFilter([](const RowView&) { return false; });
    EXPECT_TRUE(leaves.IsEmpty());
    employees.SetFilter(nullptr);
    leaves.ClearMasterLink();
    EXPECT_EQ(leaves.RecordCount(), 7);
}

TEST_P(DatasetContract, FiltersAndCalculatesOnFetch) {
    Dataset ds(Employees());
    ds.AddCalculatedField({"Opis", FieldType::Alpha, 60});
    int calculations = 0;
    ds.SetCalcFieldsHandler([&](RowView& row) {
        ++calculations;
        row.Set("Opis", Value::Text(row["Nazwisko"].AsText() + ", " + row["Imie"].AsText()));
    });
    AddEmployee(ds, 1, "Nowak", "Jan");
    AddEmployee(ds, 2, "Lis", "Ewa");
    AddEmployee(ds, 3, "Nowicki", "Adam");
    EXPECT_EQ(ds.FieldText("Opis"), "Nowicki, Adam");
    EXPECT_GT(calculations, 0);
    // Calculated fields are not stored, so they cannot be typed into.
    ds.Edit();
    EXPECT_THROW(ds.SetFieldText("Opis", "x"), EngineError);
    ds.SetFieldText("Imie", "Adaś");
    EXPECT_EQ(ds.FieldText("Opis"), "Nowicki, Adaś");
    ds.Cancel();

    ds.SetIndexFields("Nazwisko");
    ds.SetFilter([](const RowView& row) { return row["Opis"].AsText().starts_with("No"); });
    EXPECT_EQ(Rows(ds, {"Opis"}), (std::vector<std::string>{"Nowak, Jan", "Nowicki, Adam"}));
    EXPECT_EQ(ds.RowAt(1).Text("Opis"), "Nowicki, Adam");

    // A posted row the filter refuses leaves the view.
    ds.First();
    ds.Edit();
    ds.SetFieldText("Nazwisko", "Kowal");
    ds.Post();
    EXPECT_EQ(Rows(ds, {"Nazwisko"}), std::vector<std::string>{"Nowicki"});
    ds.SetFilter(nullptr);
    EXPECT_EQ(Rows(ds, {"Nazwisko"}), (std::vector<std::string>{"Kowal", "Lis", "Nowicki"}));

    // A filter naming the fields it reads: the view is still in index order, rows are fetched
    // whole and a post is judged by the same filter.
    const int imie = ds.FieldIndex("Imie");
    ds.SetFilter(
        [imie](const RowView& row) { return row.At(imie).AsText() != "Ewa"; },
        {imie});
    EXPECT_EQ(Rows(ds, {"Opis"}), (std::vector<std::string>{"Kowal, Jan", "Nowicki, Adam"}));
    ds.Last();
    ds.Edit();
    ds.SetFieldText("Imie", "Ewa");
    ds.Post();
    EXPECT_EQ(Rows(ds, {"Nazwisko"}), std::vector<std::string>{"Kowal"});
}

TEST_P(DatasetContract, FieldHooksConvertShowAndValidate) {
    Dataset ds(Employees());
    FieldHooks salary;
    salary.getText = [](const RowView&, const Value& v) {
        return v.IsNull() ? std::string() : std::to_string(static_cast<int>(v.AsNumber())) + " zł";
    };
    salary.validate = [](const Dataset&, const Value& v) {
        if (!v.IsNull() && v.AsNumber() < 0)
            throw Refused();
    };
    ds.SetFieldHooks("Placa", salary);
    FieldHooks birth;
    birth.setText = [](Dataset& d, const std::string& text) {  // day.month.year
        if (text.size() != 10)
            throw Refused();
        d.SetField("DataUr", Value::Date(DayNumberFromCivil(std::stoi(text.substr(6)),
                                                            std::stoi(text.substr(3, 2)),
                                                            std::stoi(text.substr(0, 2)))));
    };
    ds.SetFieldHooks("DataUr", birth);

    ds.Insert();
    ds.SetFieldText("Id", "1");
    ds.SetFieldText("Placa", "2500,50");
    EXPECT_THROW(ds.SetFieldText("Placa", "-1"), Refused);
    EXPECT_EQ(ds.FieldText("Placa"), "2500 zł");
    EXPECT_THROW(ds.SetFieldText("Id", "12a"), EngineError);
    EXPECT_EQ(ds.FieldText("Id"), "1");
    EXPECT_THROW(ds.SetFieldText("DataUr", "1.2.1980"), Refused);
    ds.SetFieldText("DataUr", "01.02.1980");
    ds.Post();
    EXPECT_EQ(ds.RowAt(0).Text("Placa"), "2500 zł");
    EXPECT_EQ(ds.FieldText("DataUr"), "1980-02-01");
    // Setting a field outside edit and insert is refused.
    EXPECT_THROW(ds.SetFieldText("Nazwisko", "x"), EngineError);
}

TEST_P(DatasetContract, BookmarksSurviveInsertsAndReportDeletedRows) {
    auto table = Employees();
    Dataset ds(table);
    AddEmployee(ds, 10, "Dziesięć");
    AddEmployee(ds, 20, "Dwadzieścia");
    AddEmployee(ds, 30, "Trzydzieści");
    ds.SetIndexFields("Nazwisko");
    ASSERT_TRUE(ds.FindKey({Value::Text("Dziesięć")}));
    const Bookmark mark = ds.GetBookmark();
    AddEmployee(ds, 5, "Alfa");
    AddEmployee(ds, 15, "Beta");
    ds.Last();
    ASSERT_TRUE(ds.GotoBookmark(mark));
    EXPECT_EQ(ds.FieldText("Id"), "10");

    Dataset other(table);
    other.SetIndexFields("Id");
    ASSERT_TRUE(other.FindKey({Value::Integer(10)}));
    other.Delete();
    ds.Refresh();
    EXPECT_FALSE(ds.GotoBookmark(mark));
}

TEST_P(DatasetContract, DatasetsOnOneTableSeeEachOtherAfterRefreshAndNeverOverwriteBlindly) {
    auto table = Employees();
    Dataset a(table), b(table);
    AddEmployee(a, 1, "Nowak");
    AddEmployee(a, 2, "Lis");
    b.Refresh();
    EXPECT_EQ(Rows(b, {"Nazwisko"}), (std::vector<std::string>{"Nowak", "Lis"}));

    // b sits on Lis; a changes Lis: b's edit starts from the stored row or is refused.
    b.Last();
    a.Last();
    a.Edit();
    a.SetFieldText("Imie", "Ewa");
    a.Post();
    if (Keyed()) {
        b.Edit();
        EXPECT_EQ(b.FieldText("Imie"), "Ewa");
        b.Cancel();
    } else {
        EXPECT_THROW(b.Edit(), RecordChanged);
        EXPECT_EQ(b.State(), DatasetState::Browse);
        EXPECT_EQ(b.FieldText("Imie"), "Ewa");  // refreshed
    }

    // Both edit the same row; the second post is refused and the first change stays.
    a.Edit();
    b.Edit();
    a.SetFieldText("Imie", "Ola");
    a.Post();
    b.SetFieldText("Imie", "Iza");
    EXPECT_THROW(b.Post(), RecordChanged);
    EXPECT_EQ(b.State(), DatasetState::Edit);
    b.Cancel();
    EXPECT_EQ(b.FieldText("Imie"), "Ola");

    // A row inserted through b appears in a after a refresh; a stays on its row.
    a.First();
    AddEmployee(b, 3, "Adamski");
    a.Refresh();
    EXPECT_EQ(a.FieldText("Nazwisko"), "Nowak");
    EXPECT_EQ(a.RecordCount(), 3);
}

TEST_P(DatasetContract, DetectsChangesByAnotherProgram) {
    Dataset ds(Employees());
    AddEmployee(ds, 1, "Nowak");
    AddEmployee(ds, 2, "Lis");
    auto other = Open("Prac");  // the payroll program

    NextTick();
    Record row = other->ReadRow(0);
    row[2] = Value::Text("Zmienione");
    other->Update(0, row);
    ds.Refresh();
    ds.First();
    EXPECT_EQ(ds.FieldText("Imie"), "Zmienione");

    // Our pending change to a row the other program changed is refused, not written over it.
    ds.Edit();
    ds.SetFieldText("Imie", "Nasze");
    NextTick();
    other->Reload();
    row = other->ReadRow(0);
    row[2] = Value::Text("Ich");
    other->Update(0, row);
    EXPECT_THROW(ds.Post(), RecordChanged);
    EXPECT_EQ(ds.State(), DatasetState::Edit);
    EXPECT_EQ(OnDisk("Prac", 0, "Imie"), "Ich");
    ds.Cancel();

    // Rows added by both programs are all kept.
    NextTick();
    other->Reload();
    Record added = other->ReadRow(1);
    added[0] = Value::Integer(7);
    if (kind() == Kind::Dbf)
        added[0] = Value::Number(7);
    added[1] = Value::Text("Obcy");
    other->Insert(added);
    AddEmployee(ds, 8, "Nasz");
    Dataset check(Open("Prac"));
    check.SetIndexFields("Nazwisko");
    EXPECT_EQ(Rows(check, {"Nazwisko"}),
              (std::vector<std::string>{"Lis", "Nasz", "Nowak", "Obcy"}));
    EXPECT_EQ(ds.RecordCount(), 4);
}

TEST_P(DatasetContract, NotificationsMirrorTheViewAndRowAtKeepsTheCursor) {
    for (const char* index : {"", "Nazwisko"}) {
        SCOPED_TRACE(std::string("index: ") + index);
        Dataset ds(Employees(std::string("M") + index));
        ds.SetIndexFields(index);
        std::vector<std::string> mirror;
        auto text = [&](int64_t row) { return ds.RowAt(row).Text("Nazwisko"); };
        Subscription sub = ds.Observe([&](const DatasetChange& c) {
            using K = DatasetChange::Kind;
            if (c.kind == K::RowInserted)
                mirror.insert(mirror.begin() + c.row, text(c.row));
            if (c.kind == K::RowChanged)
                mirror[c.row] = text(c.row);
            if (c.kind == K::RowDeleted)
                mirror.erase(mirror.begin() + c.row);
            if (c.kind == K::Reset) {
                mirror.clear();
                for (int64_t i = 0; i < ds.RecordCount(); ++i)
                    mirror.push_back(text(i));
            }
        });
        std::mt19937 random(7);
        std::multiset<std::string> model;
        int nextId = 1;
        for (int step = 0; step < 40; ++step) {
            const int op = ds.IsEmpty() ? 0 : static_cast<int>(random() % 3);
            static const char* kInitials[] = {"A", "L", "Ł", "S", "Ś", "Z", "Ź", "Ż"};
            const std::string surname = kInitials[random() % 8] + std::to_string(random() % 50);
            if (op == 0) {
                AddEmployee(ds, nextId++, surname);
                model.insert(surname);
                continue;
            }
            ds.MoveTo(static_cast<int64_t>(random() % ds.RecordCount()));
            const int64_t here = ds.RecNo();
            const std::string current = ds.FieldText("Nazwisko");
            for (int64_t i = 0; i < ds.RecordCount(); ++i)
                ds.RowAt(i);
            ASSERT_EQ(ds.RecNo(), here);
            ASSERT_EQ(ds.FieldText("Nazwisko"), current);
            model.erase(model.find(current));
            if (op == 1) {
                ds.Edit();
                ds.SetFieldText("Nazwisko", surname);
                ds.Post();
                model.insert(surname);
                EXPECT_EQ(ds.FieldText("Nazwisko"), surname);  // the cursor follows the row
            } else {
                ds.Delete();
            }
        }
        std::vector<std::string> rows;
        for (int64_t i = 0; i < ds.RecordCount(); ++i)
            rows.push_back(text(i));
        EXPECT_EQ(mirror, rows);
        std::multiset<std::string> shown(rows.begin(), rows.end());
        EXPECT_EQ(shown, model);
        if (*index) {
            EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                return CollateCompare(a, b) < 0;
            }));
        }
    }
}

TEST_P(DatasetContract, TellsObserversUntilTheSubscriptionEnds) {
    auto ds = std::make_unique<Dataset>(Employees());
    std::vector<std::string> seen;
    Subscription sub = ds->Observe([&](const DatasetChange& c) {
        static const char* kKinds[] = {"State",   "Scrolled", "Field", "Inserted",
                                       "Changed", "Deleted",  "Reset"};
        std::string entry = kKinds[static_cast<int>(c.kind)];
        if (c.row >= 0)
            entry += " " + std::to_string(c.row);
        if (c.field >= 0)
            entry += " " + ds->Fields()[c.field].name;
        seen.push_back(entry);
    });
    ds->Insert();
    ds->SetFieldText("Nazwisko", "Nowak");
    ds->SetFieldText("Id", "1");
    ds->Post();
    ds->Edit();
    ds->Post();
    ds->Delete();
    EXPECT_EQ(seen, (std::vector<std::string>{"State", "Field Nazwisko", "Field Id", "Inserted 0",
                                              "State", "Scrolled 0", "State", "Changed 0", "State",
                                              "Scrolled 0", "Deleted 0", "Scrolled"}));
    seen.clear();
    sub.Reset();
    AddEmployee(*ds, 2, "Lis");
    EXPECT_TRUE(seen.empty());
    // A subscription may outlive its dataset.
    Subscription late = ds->Observe([](const DatasetChange&) {});
    ds.reset();
    late.Reset();
}

TEST_P(DatasetContract, WritesThroughAndSyncsBulkOnce) {
    Dataset ds(Employees());
    AddEmployee(ds, 1, "Nowak");
    EXPECT_EQ(OnDisk("Prac", 0, "Nazwisko"), "Nowak");
    if (kind() == Kind::Memory) {
        auto& table = static_cast<MemoryTable&>(ds.GetTable());
        const int syncs = table.Syncs();
        ds.BeginBulk();
        for (int id = 2; id < 5; ++id)
            AddEmployee(ds, id, "Bulk");
        EXPECT_EQ(table.Syncs(), syncs);
        ds.EndBulk();
        EXPECT_EQ(table.Syncs(), syncs + 1);
        return;
    }
    // A failing sync shows whether one was attempted: none per row in bulk mode, one at the
    // end. What survives a failed final sync is the format's business.
    m_fs.FailSyncs(true);
    ds.BeginBulk();
    for (int id = 2; id < 5; ++id)
        AddEmployee(ds, id, "Failed");
    EXPECT_THROW(ds.EndBulk(), EngineError);
    m_fs.FailSyncs(false);
    ds.EndBulk();
    ds.Refresh();

    ds.BeginBulk();
    AddEmployee(ds, 5, "Bulk5");
    AddEmployee(ds, 6, "Bulk6");
    ds.EndBulk();
    Dataset fresh(Open("Prac"));
    fresh.SetIndexFields("Nazwisko");
    EXPECT_TRUE(fresh.FindKey({Value::Text("Bulk5")}));
    EXPECT_TRUE(fresh.FindKey({Value::Text("Bulk6")}));

    m_fs.FailSyncs(true);
    EXPECT_THROW(AddEmployee(ds, 9, "Sync"), EngineError);
    m_fs.FailSyncs(false);
}

TEST_P(DatasetContract, CreatesLikeAndRepointsToTablesOfTheSameStructure) {
    auto original = Employees();
    Dataset ds(original);
    AddEmployee(ds, 1, "Nowak");
    AddEmployee(ds, 2, "Lis");
    ds.SetIndexFields("Nazwisko");

    std::shared_ptr<Table> year = ds.CreateLike(PathOf("Prac2027"));
    EXPECT_EQ(year->RowCount(), 0u);
    EXPECT_EQ(year->Fields(), original->Fields());
    ds.Repoint(year);
    EXPECT_TRUE(ds.IsEmpty());
    AddEmployee(ds, 1, "Nowy");
    EXPECT_EQ(Rows(ds, {"Nazwisko"}), std::vector<std::string>{"Nowy"});

    EXPECT_THROW(ds.Repoint(Leaves()), EngineError);
    EXPECT_EQ(Rows(ds, {"Nazwisko"}), std::vector<std::string>{"Nowy"});
    ds.Repoint(original);
    EXPECT_EQ(Rows(ds, {"Nazwisko"}), (std::vector<std::string>{"Lis", "Nowak"}));
}

INSTANTIATE_TEST_SUITE_P(Tables, DatasetContract,
                         ::testing::Values(Kind::Memory, Kind::ParadoxKeyed, Kind::ParadoxUnkeyed,
                                           Kind::Dbf),
                         KindName);

}  // namespace
}  // namespace mirta::engine
