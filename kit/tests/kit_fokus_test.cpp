#include <QFormLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include "kit/cala_wartosc.h"
#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/dostepnosc.h"
#include "kit/okno_edycji.h"
#include "kit/polski.h"
#include "kit/tests/kit_fixture.h"
#include "wspolne/blad_danych.h"

using namespace mirta::kit;
using mirta::engine::Dataset;
using mirta::engine::DatasetEvent;
using mirta::kit::testing::Unit;
using mirta::store::BladDanych;

namespace {

// A window of the frame whose data-changing button comes first, a grid, and two pages of
// fields: the first name on the first, the surname on the second.
class Okno : public OknoEdycji {
public:
    explicit Okno(Unit& unit) : OknoEdycji(unit.Dialogi()) {
        zrodlo = new DataSource(unit.Employees(), unit.Dialogi(), unit.AutoEdit(), this);
        DodajZrodlo(*zrodlo, {"Zapisać ?", "Dopisać ?", "Pracownicy"});
        auto* uklad = new QVBoxLayout(this);
        usun = new QPushButton("Usuń komórkę", this);
        connect(usun, &QPushButton::clicked, this, [this] { ++usuniecia; });
        uklad->addWidget(usun);
        nawigator = new DbNavigator(this);
        nawigator->setObjectName("nawigator");
        nawigator->SetDataSource(zrodlo);
        nawigator->Attach();
        uklad->addWidget(nawigator);
        siatka = new DbGrid(this);
        siatka->setObjectName("siatka");
        std::vector<Column> kolumny(2);
        kolumny[0].field = kolumny[0].title.append("Nazwisko").toStdString();
        kolumny[1].field = kolumny[1].title.append("Uwagi").toStdString();
        siatka->SetColumns(kolumny);
        siatka->SetDataSource(zrodlo);
        siatka->Attach();
        uklad->addWidget(siatka);
        strony = new QTabWidget(this);
        imie = Pole(strony, "imie", "Imię:", "Imie");
        nazwisko = Pole(strony, "nazwisko", "Nazwisko:", "Nazwisko");
        uklad->addWidget(strony);
        uklad->addLayout(Przyciski());
    }

    DbEdit* Pole(QTabWidget* strony, const char* nazwa, const char* etykieta, const char* pole) {
        auto* strona = new QWidget;
        auto* f = new QFormLayout(strona);
        auto* e = new DbEdit(strona);
        e->setObjectName(nazwa);
        e->Bind(zrodlo, pole);
        e->Attach();
        f->addRow(etykieta, e);
        strony->addTab(strona, nazwa);
        return e;
    }

    DataSource* zrodlo;
    QPushButton* usun;
    DbNavigator* nawigator;
    DbGrid* siatka;
    QTabWidget* strony;
    DbEdit* imie;
    DbEdit* nazwisko;
    int usuniecia = 0;
};

void WymagajNazwiska(Dataset& ds, const char* pole = "Nazwisko") {
    ds.AddHandler(DatasetEvent::BeforePost, [pole](Dataset& d) {
        if (d.FieldText("Nazwisko").empty())
            throw BladDanych(" Nazwisko jest obowiązkowe !!!", pole);
    });
}

}  // namespace

class KitFokusTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(SetUpPolish(*qApp)); }

    // A refused post that names a field shows the field's page and puts the cursor in it, from
    // the navigator as from the closing question; a refusal about the whole record moves
    // nothing.
    void fokusIdzieZaKomunikatem() {
        Unit unit;
        WymagajNazwiska(unit.Employees());
        Okno okno(unit);
        okno.show();
        unit.AutoEdit().SetOn(true);
        okno.nawigator->Button(NavButton::Insert)->click();
        okno.strony->setCurrentIndex(0);
        okno.imie->setFocus();
        QTest::keyClicks(okno.imie, "Ewa");
        okno.nawigator->Button(NavButton::Post)->click();
        QCOMPARE(unit.Dialogi().Teksty().back(), std::string(" Nazwisko jest obowiązkowe !!!"));
        QCOMPARE(okno.strony->currentIndex(), 1);
        QCOMPARE(okno.focusWidget(), okno.nazwisko);
        QCOMPARE(unit.Employees().FieldText("Imie"), std::string("Ewa"));

        // Closing: "Tak" tries the post and the window stays with the cursor in the field.
        okno.strony->setCurrentIndex(0);
        okno.imie->setFocus();
        unit.Dialogi().odpowiedzi = {mirta::store::Odpowiedz::Tak};
        okno.reject();
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.strony->currentIndex(), 1);
        QCOMPARE(okno.focusWidget(), okno.nazwisko);
        unit.Employees().Cancel();
    }

    // A field shown only in a grid gets the grid's cell of the current row.
    void poleTylkoWSiatce() {
        Unit unit;
        unit.Employees().AddHandler(DatasetEvent::BeforePost, [](Dataset&) {
            throw BladDanych("Uwagi są obowiązkowe !!!", "Uwagi");
        });
        Okno okno(unit);
        okno.show();
        unit.Employees().Edit();
        okno.nawigator->Button(NavButton::Post)->click();
        QCOMPARE(okno.focusWidget(), okno.siatka);
        QCOMPARE(okno.siatka->currentIndex().column(), 1);
        QCOMPARE(okno.siatka->currentIndex().row(), 0);
        unit.Employees().Cancel();
    }

    // A value refused on entry keeps the cursor in the control that holds it.
    void odmowionyWpisZostajeWPolu() {
        Unit unit;
        Okno okno(unit);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        unit.AutoEdit().SetOn(true);
        okno.strony->setCurrentIndex(1);
        okno.nazwisko->setFocus();
        QTest::keyClicks(okno.nazwisko, "x");
        mirta::engine::FieldHooks odmowa;
        odmowa.validate = [](const Dataset&, const mirta::engine::Value&) {
            throw BladDanych("Złe nazwisko !!!");
        };
        unit.Employees().SetFieldHooks("Nazwisko", odmowa);
        okno.siatka->setFocus();
        QCOMPARE(unit.Dialogi().Teksty(), std::vector<std::string>{"Złe nazwisko !!!"});
        QCOMPARE(okno.focusWidget(), okno.nazwisko);
        unit.Employees().Cancel();
    }

    // The window opens on its grid however its buttons come, and Enter presses none of them.
    void oknoOtwieraSieNaSiatce() {
        Unit unit;
        Okno okno(unit);
        okno.show();
        QCOMPARE(okno.focusWidget(), okno.siatka);
        QVERIFY(!okno.usun->isDefault());
        QTest::keyClick(okno.siatka, Qt::Key_Return);
        QTest::keyClick(&okno, Qt::Key_Enter);
        QCOMPARE(okno.usuniecia, 0);
        QVERIFY(okno.isVisible());
    }

    // Without the right to change, the record buttons and fields are shown disabled, whatever
    // the automatic-edit option.
    void bezPrawaPrzyciskiWylaczone() {
        Unit unit;
        bool prawo = false;
        unit.Employees().SetModifyCheck([&prawo] { return prawo; });
        unit.AutoEdit().SetOn(true);
        Okno okno(unit);
        okno.show();
        for (NavButton b : {NavButton::Insert, NavButton::Edit, NavButton::Delete})
            QVERIFY(!okno.nawigator->Button(b)->isEnabled());
        QVERIFY(okno.nawigator->Button(NavButton::Next)->isEnabled());
        QVERIFY(!okno.nazwisko->isEnabled());
        QCOMPARE(okno.siatka->editTriggers(), QAbstractItemView::NoEditTriggers);

        Unit drugi;
        drugi.Employees().SetModifyCheck([] { return true; });
        drugi.AutoEdit().SetOn(true);
        Okno zPrawem(drugi);
        zPrawem.show();
        QVERIFY(zPrawem.nawigator->Button(NavButton::Insert)->isEnabled());
        QVERIFY(zPrawem.nazwisko->isEnabled());
    }

    // A value wider than its control is offered whole; one that fits is not.
    void ucietaWartosc() {
        Unit unit;
        Okno okno(unit);
        okno.show();
        okno.strony->setCurrentIndex(1);
        okno.nazwisko->setFixedWidth(60);
        QCOMPARE(UcietyTekst(*okno.nazwisko), QString());
        okno.nazwisko->setText("Wiśniewska-Przybyszewska-Konstantynopolitańczykiewicz");
        QCOMPARE(UcietyTekst(*okno.nazwisko), okno.nazwisko->text());

        okno.siatka->setColumnWidth(0, 30);
        const QModelIndex komorka = okno.siatka->model()->index(2, 0);
        QCOMPARE(okno.siatka->CutText(komorka), QString("Wiśniewska"));
        okno.siatka->setColumnWidth(0, 300);
        QCOMPARE(okno.siatka->CutText(komorka), QString());
    }

    // Controls are named by their form labels and button texts and described.
    void nazwyZEtykiet() {
        Unit unit;
        Okno okno(unit);
        UzupelnijDostepnosc(okno);
        QCOMPARE(okno.nazwisko->accessibleName(), QString("Nazwisko"));
        QCOMPARE(okno.usun->accessibleName(), QString("Usuń komórkę"));
        QCOMPARE(okno.PrzyciskZamknij()->accessibleName(), QString("Zamknij"));
        QCOMPARE(okno.nawigator->Button(NavButton::Next)->accessibleName(), QString("Następny"));
        QVERIFY(!okno.nazwisko->accessibleDescription().isEmpty());
        QVERIFY(!okno.siatka->accessibleDescription().isEmpty());
    }
};

QTEST_MAIN(KitFokusTest)
#include "kit_fokus_test.moc"
