#pragma once

#include <QFormLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "kit/data_controls.h"
#include "kit/data_source.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/lazy_binding.h"
#include "kit/tests/kit_fixture.h"

namespace mirta::kit::testing {

// A small window built from the kit the way the real ones are: a grid, its navigator, and two
// pages of controls bound when first shown.
class SampleForm : public QWidget {
public:
    explicit SampleForm(Unit& unit) : m_source(unit.Employees(), unit.Dialogi(), unit.AutoEdit()) {
        setWindowTitle("Pracownicy");
        auto* layout = new QVBoxLayout(this);

        auto* navigator = new DbNavigator(this);
        navigator->setObjectName("navigator");
        navigator->SetHints({"Pierwszy pracownik", "Poprzedni pracownik", "Następny pracownik",
                             "Ostatni pracownik", "Dodaj pracownika", "Usuń pracownika",
                             "Edytuj dane pracownika", "Zapisz dane pracownika", "Porzuć zmiany",
                             "Odśwież dane"});
        navigator->SetDataSource(&m_source);
        navigator->Attach();
        layout->addWidget(navigator);

        auto* grid = new DbGrid(this);
        grid->setObjectName("grid");
        grid->SetColumns(
            {SampleColumn("Nazwisko", "Nazwisko", 130), SampleColumn("Imie", "Imię", 90),
             SampleColumn("DataUr", "Data urodzenia", 110, Qt::AlignCenter),
             SampleColumn("Plec", "Płeć", 40, Qt::AlignCenter), SampleColumn("Uwagi", "Uwagi")});
        grid->SetReadOnly(true);
        grid->SetDataSource(&m_source);
        grid->Attach();
        layout->addWidget(grid, 1);

        auto* pages = new QTabWidget(this);
        pages->setObjectName("pages");
        layout->addWidget(pages);

        auto* personal = new QWidget;
        auto* form = new QFormLayout(personal);
        auto* personalBinding = new LazyBinding(personal);
        auto* surname = Add<DbEdit>(form, personalBinding, "Nazwisko", "nazwisko", "Nazwisko:");
        Add<DbEdit>(form, personalBinding, "Imie", "imie", "Imię:");
        Add<DbDateEdit>(form, personalBinding, "DataUr", "dataUr", "Data urodzenia:");
        auto* sex = Add<DbCodeCombo>(form, personalBinding, "Plec", "plec", "Płeć:");
        sex->SetCodes({{"K", "Kobieta"}, {"M", "Mężczyzna"}});
        auto* cell = new DbLookupCombo;
        cell->SetLookup(unit.Cells(), "Id", {"Nazwa", "Symbol"});
        Place(form, personalBinding, cell, "Komorka", "komorka", "Komórka:");
        auto* active = new DbCheckBox("Aktywny");
        Place(form, personalBinding, active, "Aktywny", "aktywny", "");
        surname->setMinimumWidth(220);
        pages->addTab(personal, "Dane personalne");

        auto* notes = new QWidget;
        auto* notesLayout = new QVBoxLayout(notes);
        auto* memo = new DbMemo;
        memo->setObjectName("uwagi");
        memo->Bind(&m_source, "Uwagi");
        notesLayout->addWidget(memo);
        (new LazyBinding(notes, /*detachOnHide=*/true))->Add(memo);
        pages->addTab(notes, "Uwagi");
        resize(560, 470);
    }

    DataSource& Source() { return m_source; }

private:
    template <typename Control>
    Control* Add(QFormLayout* form, LazyBinding* binding, const char* field, const char* name,
                 const char* label) {
        auto* control = new Control;
        Place(form, binding, control, field, name, label);
        return control;
    }

    template <typename Control>
    void Place(QFormLayout* form, LazyBinding* binding, Control* control, const char* field,
               const char* name, const char* label) {
        control->setObjectName(name);
        control->Bind(&m_source, field);
        form->addRow(label, control);
        binding->Add(control);
    }

    DataSource m_source;
};

}  // namespace mirta::kit::testing
