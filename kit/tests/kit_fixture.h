#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <utility>

#include "kit/data_source.h"
#include "kit/dataset_model.h"
#include "engine/dataset.h"
#include "engine/file_system.h"
#include "engine/paradox_table.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::kit::testing {

using engine::Dataset;
using engine::FieldDef;
using engine::FieldType;

// A small unit on disk: employees and the organisational cells they point to.
class Unit {
public:
    Unit() {
        auto& fs = engine::FileSystem::Real();
        const std::string dir = m_dir.path().toStdString();
        m_employees = std::make_unique<Dataset>(
            engine::ParadoxTable::Create(fs, dir + "/Prac.DB",
                                         {{"Id", FieldType::Long, 4},
                                          {"Nazwisko", FieldType::Alpha, 30},
                                          {"Imie", FieldType::Alpha, 20},
                                          {"DataUr", FieldType::Date, 4},
                                          {"Plec", FieldType::Alpha, 1},
                                          {"Aktywny", FieldType::Logical, 1},
                                          {"Komorka", FieldType::Long, 4},
                                          {"Uwagi", FieldType::Alpha, 80}},
                                         1),
            "TPrac");
        m_cells = std::make_unique<Dataset>(
            engine::ParadoxTable::Create(fs, dir + "/Komorki.DB",
                                         {{"Id", FieldType::Long, 4},
                                          {"Nazwa", FieldType::Alpha, 30},
                                          {"Symbol", FieldType::Alpha, 8}},
                                         1),
            "TKomorki");
        AddCell(1, "Sekcja kadr", "SK");
        AddCell(2, "Wydział logistyki", "WL");
        AddCell(3, "Zespół łączności", "ZŁ");
        AddEmployee(1, "Kowalski", "Jan", "1980-05-17", "M", true, 2, "Kierowca");
        AddEmployee(2, "Nowak", "Anna", "1991-11-03", "K", false, 1, "");
        AddEmployee(3, "Wiśniewska", "Żaneta", "1975-01-30", "K", true, 3, "Ratownik");
        m_employees->First();
        m_cells->First();
    }

    Dataset& Employees() { return *m_employees; }
    Dataset& Cells() { return *m_cells; }
    store::testing::DialogiSkryptowe& Dialogi() { return m_dialogi; }
    AutomaticEdit& AutoEdit() { return m_autoEdit; }

    void AddEmployee(int id, const std::string& surname, const std::string& name,
                     const std::string& born, const std::string& sex, bool active, int cell,
                     const std::string& notes) {
        Dataset& ds = *m_employees;
        ds.Insert();
        ds.SetFieldText("Id", std::to_string(id));
        ds.SetFieldText("Nazwisko", surname);
        ds.SetFieldText("Imie", name);
        ds.SetFieldText("DataUr", born);
        ds.SetFieldText("Plec", sex);
        ds.SetField("Aktywny", engine::Value::Logical(active));
        ds.SetFieldText("Komorka", std::to_string(cell));
        ds.SetFieldText("Uwagi", notes);
        ds.Post();
    }

    void AddCell(int id, const std::string& name, const std::string& symbol) {
        Dataset& ds = *m_cells;
        ds.Insert();
        ds.SetFieldText("Id", std::to_string(id));
        ds.SetFieldText("Nazwa", name);
        ds.SetFieldText("Symbol", symbol);
        ds.Post();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Dataset> m_employees;
    std::unique_ptr<Dataset> m_cells;
    store::testing::DialogiSkryptowe m_dialogi;
    AutomaticEdit m_autoEdit;
};

// A grid column of the sample table; the title is aligned as the cells.
inline Column SampleColumn(std::string field, const QString& title, int width = 0,
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    Column c;
    c.field = std::move(field);
    c.title = title;
    c.width = width;
    c.alignment = c.titleAlignment = alignment;
    return c;
}

}  // namespace mirta::kit::testing
