#include <QApplication>
#include <QtTest>

#include "kit/polski.h"
#include "kit/tests/sample_form.h"
#include "wspolne/blad_danych.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::store::Odpowiedz;
using namespace mirta::kit;
using mirta::kit::testing::SampleForm;
using mirta::kit::testing::Unit;

namespace {

const QStringList kNames = {"first",  "prior", "next", "last",   "insert",
                            "delete", "edit",  "post", "cancel", "refresh"};

QString Enabled(SampleForm& form) {
    QStringList on;
    for (const QString& name : kNames)
        if (form.findChild<QToolButton*>(name)->isEnabled())
            on << name;
    return on.join(' ');
}

void Press(SampleForm& form, const char* name) {
    QTest::mouseClick(form.findChild<QToolButton*>(name), Qt::LeftButton);
}

QString Message(Unit& unit) {
    return unit.Dialogi().komunikaty.empty()
               ? QString()
               : QString::fromStdString(unit.Dialogi().komunikaty.back().tekst);
}

}  // namespace

class KitNavigatorGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpPolish(*qApp); }

    void buttonsCarryTheirHints() {
        Unit unit;
        DbNavigator navigator;
        const NavigatorHints hints = DefaultNavigatorHints();
        // The hint, then the record key of the button if it has one.
        for (int i = 0; i < kNavButtonCount; ++i)
            QVERIFY(navigator.findChild<QToolButton*>(kNames[i])->toolTip().startsWith(hints[i]));
        QCOMPARE(navigator.findChild<QToolButton*>("next")->toolTip(), QString("Następny"));
        SampleForm form(unit);
        QCOMPARE(form.findChild<QToolButton*>("cancel")->toolTip(),
                 QString("Porzuć zmiany (Esc)"));
    }

    void buttonsFollowStateAndPosition() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        Dataset& ds = unit.Employees();
        QCOMPARE(Enabled(form), QString("next last insert delete edit refresh"));
        ds.Next();
        QCOMPARE(Enabled(form), QString("first prior next last insert delete edit refresh"));
        ds.Last();
        QCOMPARE(Enabled(form), QString("first prior insert delete edit refresh"));
        ds.Edit();
        QCOMPARE(Enabled(form), QString("first prior insert delete post cancel refresh"));
        ds.Cancel();
        ds.SetFilter([](const mirta::engine::RowView&) { return false; });
        QCOMPARE(Enabled(form), QString("insert edit refresh"));
    }

    // Nothing is deleted without a Yes, and the question defaults to No.
    void deleteAsksFirst() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.Dialogi().odpowiedzi = {Odpowiedz::Nie, Odpowiedz::Tak};
        Press(form, "delete");
        QCOMPARE(unit.Employees().RecordCount(), int64_t(3));
        const auto& asked = unit.Dialogi().komunikaty.at(0);
        QCOMPARE(QString::fromStdString(asked.tekst), QString("Czy usunąć bieżący rekord?"));
        QCOMPARE(asked.domyslna, Odpowiedz::Nie);
        Press(form, "delete");
        QCOMPARE(unit.Employees().RecordCount(), int64_t(2));
        QCOMPARE(QString::fromStdString(unit.Employees().FieldText("Nazwisko")), QString("Nowak"));
    }

    // Post stores what is still in a control; a rule's refusal is shown and the record stays
    // in edit state with the typed value.
    void postStoresTypedTextAndKeepsEditingOnRefusal() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        Dataset& ds = unit.Employees();
        ds.AddHandler(mirta::engine::DatasetEvent::BeforePost, [](Dataset& d) {
            if (d.FieldText("Imie").empty())
                throw mirta::store::BladDanych("Imię pracownika musi być wypełnione !!!");
        });
        Press(form, "edit");
        auto* name = form.findChild<QLineEdit*>("imie");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Delete);
        Press(form, "post");  // the button takes no focus, so the text is still unstored
        QCOMPARE(Message(unit), QString("Imię pracownika musi być wypełnione !!!"));
        QCOMPARE(ds.State(), DatasetState::Edit);
        QCOMPARE(name->text(), QString());

        QTest::keyClicks(name, "Jerzy");
        Press(form, "post");
        QCOMPARE(ds.State(), DatasetState::Browse);
        QCOMPARE(ds.RowAt(0).Text("Imie"), std::string("Jerzy"));
        QVERIFY(!name->isEnabled());  // automatic edit is off
    }

    // The navigator's post stores the cell still being typed into, and nothing comes back
    // to the record after the post.
    void postStoresTheCellBeingTyped() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        auto* grid = new DbGrid(&form);
        Column surname;
        surname.field = "Nazwisko";
        surname.title = "Nazwisko";
        grid->SetColumns({surname});
        grid->SetDataSource(&form.Source());
        grid->Attach();
        grid->show();
        Dataset& ds = unit.Employees();
        Press(form, "edit");
        const QModelIndex cell = grid->model()->index(int(ds.RecNo()), 0);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        QPointer<QLineEdit> editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText("Kowalczyk");
        Press(form, "post");
        QCOMPARE(ds.State(), DatasetState::Browse);
        QCOMPARE(ds.FieldText("Nazwisko"), std::string("Kowalczyk"));
        QVERIFY(!editor || !editor->isVisible());
        form.setFocus();
        QCOMPARE(ds.State(), DatasetState::Browse);
    }

    void gridAndCursorMoveTogether() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        auto* grid = form.findChild<DbGrid*>("grid");
        Dataset& ds = unit.Employees();
        QCOMPARE(grid->currentIndex().row(), 0);
        grid->setCurrentIndex(grid->model()->index(2, 1));
        QCOMPARE(ds.RecNo(), int64_t(2));
        QCOMPARE(form.findChild<QLineEdit*>("nazwisko")->text(), QString("Wiśniewska"));
        Press(form, "first");
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(grid->currentIndex().column(), 1);  // the user's column is kept
        unit.AddEmployee(4, "Adamczyk", "Piotr", "1985-02-01", "M", true, 1, "");
        QCOMPARE(grid->currentIndex().row(), int(ds.RecNo()));
    }

    // Leaving a record whose post is refused keeps both the cursor and the grid on it.
    void gridStaysWhenTheRecordCannotBeLeft() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        Dataset& ds = unit.Employees();
        ds.AddHandler(mirta::engine::DatasetEvent::BeforePost, [](Dataset&) {
            throw mirta::store::BladDanych(
                "Data zwolnienia jest wcześniejsza niż data zatrudnienia !!!");
        });
        ds.MoveTo(1);
        ds.Edit();
        auto* grid = form.findChild<DbGrid*>("grid");
        grid->setCurrentIndex(grid->model()->index(2, 0));
        QCOMPARE(Message(unit),
                 QString("Data zwolnienia jest wcześniejsza niż data zatrudnienia !!!"));
        QCOMPARE(ds.RecNo(), int64_t(1));
        QCOMPARE(grid->currentIndex().row(), 1);
    }

    // An unbound grid has no model, so a hidden page reads nothing while the cursor moves.
    void detachedGridReadsNothing() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        auto* grid = form.findChild<DbGrid*>("grid");
        grid->Detach();
        QVERIFY(grid->model() == nullptr);
        unit.Employees().Last();
        grid->Attach();
        QCOMPARE(grid->currentIndex().row(), 2);
    }
};

QTEST_MAIN(KitNavigatorGridTest)
#include "kit_navigator_grid_test.moc"
