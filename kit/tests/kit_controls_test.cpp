#include <QApplication>
#include <QtTest>

#include "kit/data_controls.h"
#include "kit/polski.h"
#include "kit/tests/sample_form.h"
#include "wspolne/blad_danych.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::engine::Value;
using namespace mirta::kit;
using mirta::kit::testing::SampleForm;
using mirta::kit::testing::Unit;

Q_DECLARE_METATYPE(DatasetState)

namespace {

const char* const kEditors[] = {"nazwisko", "imie", "dataUr", "plec", "komorka", "aktywny"};

// What the controls of the personal page show, one line.
QString Shown(SampleForm& form) {
    return form.findChild<QLineEdit*>("nazwisko")->text() + " | " +
           form.findChild<QLineEdit*>("imie")->text() + " | " +
           form.findChild<QLineEdit*>("dataUr")->text() + " | " +
           form.findChild<QComboBox*>("plec")->currentText() + " | " +
           form.findChild<QComboBox*>("komorka")->currentText() + " | " +
           (form.findChild<QCheckBox*>("aktywny")->isChecked() ? "tak" : "nie");
}

// QTest::keyClicks takes Latin-1 only; a clerk types Polish letters.
void Type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString Message(Unit& unit) {
    return unit.Dialogi().komunikaty.empty()
               ? QString()
               : QString::fromStdString(unit.Dialogi().komunikaty.back().tekst);
}

}  // namespace

class KitControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpPolish(*qApp); }

    void controlsShowTheCurrentRecordAndFollowTheCursor() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        QCOMPARE(Shown(form),
                 QString("Kowalski | Jan | 1980-05-17 | Mężczyzna | Wydział logistyki | tak"));
        unit.Employees().Next();
        QCOMPARE(Shown(form), QString("Nowak | Anna | 1991-11-03 | Kobieta | Sekcja kadr | nie"));
        // A renamed cell shows at once: the lookup list follows its own dataset.
        unit.Cells().First();
        unit.Cells().Edit();
        unit.Cells().SetFieldText("Nazwa", "Sekcja kadr i szkolenia");
        unit.Cells().Post();
        QCOMPARE(form.findChild<QComboBox*>("komorka")->currentText(),
                 QString("Sekcja kadr i szkolenia"));
    }

    void enablingFollowsAutomaticEditAndState_data() {
        QTest::addColumn<bool>("autoEdit");
        QTest::addColumn<DatasetState>("state");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("browse, automatic edit off") << false << DatasetState::Browse << false;
        QTest::newRow("browse, automatic edit on") << true << DatasetState::Browse << true;
        QTest::newRow("edit, automatic edit off") << false << DatasetState::Edit << true;
        QTest::newRow("insert, automatic edit off") << false << DatasetState::Insert << true;
    }

    void enablingFollowsAutomaticEditAndState() {
        QFETCH(bool, autoEdit);
        QFETCH(DatasetState, state);
        QFETCH(bool, enabled);
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(autoEdit);
        if (state == DatasetState::Edit)
            unit.Employees().Edit();
        if (state == DatasetState::Insert)
            unit.Employees().Insert();
        for (const char* name : kEditors)
            QVERIFY2(form.findChild<QWidget*>(name)->isEnabled() == enabled, name);

        // Back to browse: the rule holds again without any other change.
        unit.Employees().Cancel();
        for (const char* name : kEditors)
            QVERIFY2(form.findChild<QWidget*>(name)->isEnabled() == autoEdit, name);
        unit.AutoEdit().SetOn(!autoEdit);
        for (const char* name : kEditors)
            QVERIFY2(form.findChild<QWidget*>(name)->isEnabled() == !autoEdit, name);
    }

    // A read-only edit stays readable (enabled, not editable) and never starts an edit.
    void readOnlyControlNeverWrites() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(true);
        auto* surname = form.findChild<DbEdit*>("nazwisko");
        surname->SetReadOnly(true);
        unit.Employees().Edit();
        QVERIFY(surname->isEnabled());
        QVERIFY(surname->isReadOnly());
        unit.Employees().Cancel();
        QTest::keyClicks(surname, "x");
        QCOMPARE(unit.Employees().State(), DatasetState::Browse);
        QCOMPARE(surname->text(), QString("Kowalski"));
    }

    // A locked control stays disabled while its neighbours follow the edit, and unlocking
    // gives it the rule back.
    void lockedControlStaysDisabled() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        auto* surname = form.findChild<DbEdit*>("nazwisko");
        auto* sex = form.findChild<DbCodeCombo*>("plec");
        surname->SetLocked(true);
        sex->SetLocked(true);
        unit.AutoEdit().SetOn(true);
        unit.Employees().Edit();
        QVERIFY(!surname->isEnabled());
        QVERIFY(!sex->isEnabled());
        QVERIFY(form.findChild<QWidget*>("imie")->isEnabled());
        surname->SetLocked(false);
        QVERIFY(surname->isEnabled());
        unit.Employees().Cancel();
    }

    // The first key starts the edit and is kept; the text reaches the field when the user
    // leaves the control, and the post stores it.
    void typingWithAutomaticEditStartsEditingAndStoresOnLeave() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(true);
        auto* name = form.findChild<QLineEdit*>("imie");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_End);
        Type(name, "-Paweł");
        QCOMPARE(unit.Employees().State(), DatasetState::Edit);
        QCOMPARE(name->text(), QString("Jan-Paweł"));
        QCOMPARE(unit.Employees().FieldText("Imie"), std::string("Jan"));
        QVERIFY(form.Source().UpdateRecord());
        QCOMPARE(unit.Employees().FieldText("Imie"), std::string("Jan-Paweł"));
        unit.Employees().Post();
        QCOMPARE(unit.Employees().RowAt(0).Text("Imie"), std::string("Jan-Paweł"));

        // Escape drops typed text that was not stored.
        QTest::keyClicks(name, "xyz");
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text(), QString("Jan-Paweł"));
    }

    void refusedEditDropsTheKeyAndShowsTheRule() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(true);
        unit.Employees().AddHandler(mirta::engine::DatasetEvent::BeforeEdit, [](Dataset&) {
            throw mirta::store::BladDanych("Zapisz lub porzuć zmiany dla pracownika !!!");
        });
        auto* surname = form.findChild<QLineEdit*>("nazwisko");
        QTest::keyClicks(surname, "x");
        QCOMPARE(Message(unit), QString("Zapisz lub porzuć zmiany dla pracownika !!!"));
        QCOMPARE(surname->text(), QString("Kowalski"));
        QCOMPARE(unit.Employees().State(), DatasetState::Browse);
    }

    void dateTypedThroughTheMask_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("leap day") << "20240229"
                                  << "2024-02-29" << false;
        QTest::newRow("no leap day") << "20230229"
                                     << "1980-05-17" << true;
        QTest::newRow("half typed") << "2023"
                                    << "1980-05-17" << true;
        QTest::newRow("letters dropped") << "2o24o1o5"
                                         << "1980-05-17" << true;
        QTest::newRow("cleared") << ""
                                 << "" << false;
    }

    void dateTypedThroughTheMask() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(true);
        auto* date = form.findChild<QLineEdit*>("dataUr");
        QCOMPARE(date->displayText(), QString("1980-05-17"));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(date, Qt::Key_Delete);
        QTest::keyClicks(date, typed);
        QTest::keyClick(date, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(unit.Employees().FieldText("DataUr")), stored);
        QCOMPARE(!unit.Dialogi().komunikaty.empty(), refused);
        // A refused date keeps the typed text for correction, and stops the post.
        QCOMPARE(form.Source().UpdateRecord(), !refused);
    }

    void choicesStoreCodesAndKeys() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(true);
        auto* sex = form.findChild<QComboBox*>("plec");
        sex->setFocus();
        QTest::keyClick(sex, Qt::Key_Up);  // Mężczyzna -> Kobieta
        QCOMPARE(unit.Employees().FieldText("Plec"), std::string("K"));
        QCOMPARE(unit.Employees().State(), DatasetState::Edit);

        auto* cell = form.findChild<QComboBox*>("komorka");
        cell->setFocus();
        QTest::keyClick(cell, Qt::Key_Down);  // Wydział logistyki -> Zespół łączności
        QCOMPARE(unit.Employees().Field("Komorka"), Value::Integer(3));
        QCOMPARE(cell->currentText(), QString("Zespół łączności"));

        auto* active = form.findChild<QCheckBox*>("aktywny");
        QTest::mouseClick(active, Qt::LeftButton, {}, QPoint(5, active->height() / 2));
        QCOMPARE(unit.Employees().Field("Aktywny"), Value::Logical(false));

        unit.Employees().Cancel();
        QCOMPARE(Shown(form),
                 QString("Kowalski | Jan | 1980-05-17 | Mężczyzna | Wydział logistyki | tak"));
    }

    // With automatic edit off a browsing record's choices ignore the wheel and the keys.
    void choicesStayPutInBrowse() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        unit.AutoEdit().SetOn(true);
        auto* sex = form.findChild<QComboBox*>("plec");
        QWheelEvent wheel(QPointF(5, 5), sex->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sex, &wheel);
        QCOMPARE(sex->currentText(), QString("Mężczyzna"));
        QCOMPARE(unit.Employees().State(), DatasetState::Browse);
    }

    // The notes page binds when first shown and, being detach-on-hide, unbinds when left.
    void pagesBindWhenFirstShown() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        auto* memo = form.findChild<DbMemo*>("uwagi");
        auto* surname = form.findChild<DbEdit*>("nazwisko");
        QVERIFY(surname->IsAttached());
        QVERIFY(!memo->IsAttached());
        QCOMPARE(memo->toPlainText(), QString());

        auto* pages = form.findChild<QTabWidget*>("pages");
        pages->setCurrentIndex(1);
        QVERIFY(memo->IsAttached());
        QCOMPARE(memo->toPlainText(), QString("Kierowca"));
        pages->setCurrentIndex(0);
        QVERIFY(!memo->IsAttached());
        unit.Employees().Last();
        QCOMPARE(memo->toPlainText(), QString("Kierowca"));  // hidden: not followed
        pages->setCurrentIndex(1);
        QCOMPARE(memo->toPlainText(), QString("Ratownik"));
        QVERIFY(surname->IsAttached());  // the other page stays bound
    }
};

QTEST_MAIN(KitControlsTest)
#include "kit_controls_test.moc"
