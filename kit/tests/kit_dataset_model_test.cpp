#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "kit/dataset_model.h"
#include "kit/tests/kit_fixture.h"
#include "wspolne/blad_danych.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetChange;
using mirta::kit::Column;
using mirta::kit::DatasetModel;
using mirta::kit::testing::Unit;

namespace {

std::vector<Column> Columns() {
    using mirta::kit::testing::SampleColumn;
    return {SampleColumn("Nazwisko", "Nazwisko", 120), SampleColumn("Imie", "Imię", 80),
            SampleColumn("DataUr", "Data urodzenia", 90, Qt::AlignCenter)};
}

// Every row as the model shows it, "Nazwisko Imie".
QStringList Shown(const DatasetModel& model) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows << model.index(r, 0).data().toString() + " " + model.index(r, 1).data().toString();
    return rows;
}

}  // namespace

class KitDatasetModelTest : public QObject {
    Q_OBJECT

private slots:
    // The contract checker watches every signal while the dataset inserts, moves a row by a
    // changed sort key, deletes and refreshes; the model must end each step equal to the view.
    void followsTheDatasetUnderTheTester() {
        Unit unit;
        Dataset& ds = unit.Employees();
        ds.SetIndexFields("Nazwisko");
        DatasetModel model(ds, Columns(), unit.Dialogi());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(Shown(model), QStringList({"Kowalski Jan", "Nowak Anna", "Wiśniewska Żaneta"}));

        unit.AddEmployee(4, "Adamczyk", "Piotr", "1985-02-01", "M", true, 1, "");
        QCOMPARE(Shown(model), QStringList({"Adamczyk Piotr", "Kowalski Jan", "Nowak Anna",
                                            "Wiśniewska Żaneta"}));

        // Down and up the order: a removal and an insertion the model turns into a move.
        ds.First();
        ds.Edit();
        ds.SetFieldText("Nazwisko", "Zieliński");
        ds.Post();
        QCOMPARE(Shown(model), QStringList({"Kowalski Jan", "Nowak Anna", "Wiśniewska Żaneta",
                                            "Zieliński Piotr"}));
        ds.Last();
        ds.Edit();
        ds.SetFieldText("Nazwisko", "Bąk");
        ds.Post();
        QCOMPARE(Shown(model),
                 QStringList({"Bąk Piotr", "Kowalski Jan", "Nowak Anna", "Wiśniewska Żaneta"}));

        ds.MoveTo(1);
        ds.Delete();
        QCOMPARE(Shown(model), QStringList({"Bąk Piotr", "Nowak Anna", "Wiśniewska Żaneta"}));
        ds.Last();
        ds.Delete();
        QCOMPARE(Shown(model), QStringList({"Bąk Piotr", "Nowak Anna"}));

        ds.SetFilter([](const mirta::engine::RowView& row) { return row.Text("Plec") == "K"; });
        QCOMPARE(Shown(model), QStringList({"Nowak Anna"}));
        ds.SetFilter(nullptr);
        ds.Refresh();
        QCOMPARE(model.rowCount(), int(ds.RecordCount()));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Nazwisko"));
        QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }

    // A record being inserted is a row of its own before the current row, with the buffer in
    // it; posting puts the stored row in its place in the order, dropping it removes it.
    void insertedRecordIsARowOfItsOwn() {
        Unit unit;
        Dataset& ds = unit.Employees();
        ds.SetIndexFields("Nazwisko");
        DatasetModel model(ds, Columns(), unit.Dialogi());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy cursor(&model, &DatasetModel::cursorMoved);
        ds.MoveTo(1);
        ds.Insert();
        ds.SetFieldText("Id", "9");
        ds.SetFieldText("Nazwisko", "Zając");
        QCOMPARE(Shown(model),
                 QStringList({"Kowalski Jan", "Zając ", "Nowak Anna", "Wiśniewska Żaneta"}));
        QCOMPARE(model.CurrentRow(), 1);
        QCOMPARE(cursor.last().at(0).toInt(), 1);
        QCOMPARE(model.DatasetRowOf(1), -1);
        QCOMPARE(model.DatasetRowOf(2), 1);
        ds.Post();
        QCOMPARE(Shown(model),
                 QStringList({"Kowalski Jan", "Nowak Anna", "Wiśniewska Żaneta", "Zając "}));
        QCOMPARE(model.CurrentRow(), 3);

        ds.First();
        ds.Insert();
        ds.SetFieldText("Nazwisko", "Adamski");
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.index(0, 0).data().toString(), QString("Adamski"));
        ds.Cancel();
        QCOMPARE(Shown(model),
                 QStringList({"Kowalski Jan", "Nowak Anna", "Wiśniewska Żaneta", "Zając "}));
        QCOMPARE(model.CurrentRow(), 0);
    }

    // A grid paints every visible row; the cursor and its observers must not notice.
    void readingCellsNeverMovesTheCursor() {
        Unit unit;
        Dataset& ds = unit.Employees();
        ds.MoveTo(1);
        int scrolled = 0;
        auto sub = ds.Observe(
            [&](const DatasetChange& c) { scrolled += c.kind == DatasetChange::Kind::Scrolled; });
        DatasetModel model(ds, Columns(), unit.Dialogi());
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                model.index(r, c).data();
        QCOMPARE(ds.RecNo(), int64_t(1));
        QCOMPARE(scrolled, 0);
        QCOMPARE(model.index(2, 2).data().toString(), QString("1975-01-30"));
    }

    // The row being edited shows the buffer, and each typed field repaints it before the post.
    void editedRowShowsTheBuffer() {
        Unit unit;
        Dataset& ds = unit.Employees();
        DatasetModel model(ds, Columns(), unit.Dialogi());
        QSignalSpy changed(&model, &DatasetModel::dataChanged);
        ds.MoveTo(1);
        ds.Edit();
        ds.SetFieldText("Imie", "Joanna");
        QCOMPARE(model.index(1, 1).data().toString(), QString("Joanna"));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 1);
        ds.Cancel();
        QCOMPARE(model.index(1, 1).data().toString(), QString("Anna"));
    }

    void setDataGoesThroughSetTextAndReportsRefusals_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("accepted") << 1 << "jan" << true << ""
                                  << "Jan";
        QTest::newRow("rule refuses")
            << 1 << "" << false << "Imię pracownika musi być wypełnione !!!"
            << "Anna";
        QTest::newRow("not a date") << 2 << "2023-02-29" << false << ""
                                    << "1991-11-03";
    }

    void setDataGoesThroughSetTextAndReportsRefusals() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Unit unit;
        Dataset& ds = unit.Employees();
        // The hook capitalises names and refuses an empty one, as the record rules do.
        mirta::engine::FieldHooks hooks;
        hooks.setText = [](Dataset& d, const std::string& text) {
            if (text.empty())
                throw mirta::store::BladDanych("Imię pracownika musi być wypełnione !!!");
            std::string t = text;
            t[0] = char(std::toupper(t[0]));
            d.SetField("Imie", mirta::engine::Value::Text(t));
        };
        ds.SetFieldHooks("Imie", hooks);
        DatasetModel model(ds, Columns(), unit.Dialogi());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.setData(model.index(1, column), typed), accepted);
        QCOMPARE(ds.RecNo(), int64_t(1));
        QCOMPARE(model.index(1, column).data().toString(), shown);
        if (accepted) {
            QVERIFY(unit.Dialogi().komunikaty.empty());
            QCOMPARE(ds.State(), mirta::engine::DatasetState::Edit);
        } else {
            QCOMPARE(unit.Dialogi().komunikaty.size(), size_t(1));
            if (!message.isEmpty())
                QCOMPARE(QString::fromStdString(unit.Dialogi().komunikaty[0].tekst), message);
        }
        model.SetReadOnly(true);
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(model.index(0, 0), "X"));
    }

    // A read-only column is shown and refuses typing; the other columns stay editable.
    void readOnlyColumnIsNotEdited() {
        Unit unit;
        std::vector<Column> columns = Columns();
        columns[1].readOnly = true;
        DatasetModel model(unit.Employees(), columns, unit.Dialogi());
        QCOMPARE(model.index(1, 1).data().toString(), QString("Anna"));
        QVERIFY(!(model.flags(model.index(1, 1)) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(model.index(1, 1), "Joanna"));
        QCOMPARE(unit.Employees().State(), mirta::engine::DatasetState::Browse);
        QVERIFY(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
    }
};

QTEST_MAIN(KitDatasetModelTest)
#include "kit_dataset_model_test.moc"
