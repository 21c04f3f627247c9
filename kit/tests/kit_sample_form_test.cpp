#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "kit/polski.h"
#include "kit/qt_dialogi.h"
#include "kit/tests/sample_form.h"

using namespace mirta::kit;
using mirta::kit::testing::SampleForm;
using mirta::kit::testing::Unit;

// Pictures of a small form built from the kit, for people to look at: set MIRTA_ZRZUTY to a
// folder and the test saves them there. Without it the test only checks that the form builds
// and paints in each state.
class KitSampleFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SetUpPolish(*qApp);
        m_folder = qEnvironmentVariable("MIRTA_ZRZUTY");
        if (!m_folder.isEmpty())
            QVERIFY(QDir().mkpath(m_folder));
    }

    void pictures() {
        Unit unit;
        SampleForm form(unit);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Save(form, "formularz_przegladanie");

        unit.Employees().Next();
        unit.Employees().Edit();
        form.findChild<QWidget*>("imie")->setFocus();
        Save(form, "formularz_edycja");
        unit.Employees().Cancel();

        unit.Employees().Last();
        unit.AutoEdit().SetOn(true);
        form.findChild<QTabWidget*>("pages")->setCurrentIndex(1);
        Save(form, "formularz_uwagi");

        QtDialogi dialogi(&form);
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            Save(*box, "pytanie_usuniecie");
            box->button(QMessageBox::No)->click();
        });
        dialogi.TakNie("Czy usunąć bieżący rekord?", "Potwierdzenie", mirta::store::Ikona::Pytanie,
                       mirta::store::Odpowiedz::Nie);
    }

private:
    void Save(QWidget& widget, const QString& name) {
        const QPixmap picture = widget.grab();
        QVERIFY(!picture.isNull());
        if (!m_folder.isEmpty())
            QVERIFY(picture.save(QDir(m_folder).filePath(name + ".png")));
    }

    QString m_folder;
};

QTEST_MAIN(KitSampleFormTest)
#include "kit_sample_form_test.moc"
