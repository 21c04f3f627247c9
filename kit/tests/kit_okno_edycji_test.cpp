#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>

#include "kit/data_controls.h"
#include "kit/okno_edycji.h"
#include "kit/polski.h"
#include "kit/tests/kit_fixture.h"
#include "kit/zrzuty.h"
#include "wspolne/blad_danych.h"

using namespace mirta::kit;
using mirta::kit::testing::Unit;
using mirta::store::Odpowiedz;
using mirta::store::testing::DialogiSkryptowe;

namespace {

// A window of the frame over the unit's employees and cells, a surname field and a button of
// its own.
class Okno : public OknoEdycji {
public:
    explicit Okno(Unit& unit) : OknoEdycji(unit.Dialogi()) {
        m_pracownicy = new DataSource(unit.Employees(), unit.Dialogi(), unit.AutoEdit(), this);
        m_komorki = new DataSource(unit.Cells(), unit.Dialogi(), unit.AutoEdit(), this);
        DodajZrodlo(*m_pracownicy, {"Zapisać pracownika ?", "Dopisać pracownika ?", "Pracownicy"});
        DodajZrodlo(*m_komorki, {"Zapisać komórkę ?", "Dopisać komórkę ?", "Komórki"});
        auto* nazwisko = new DbEdit(this);
        nazwisko->setObjectName("nazwisko");
        nazwisko->Bind(m_pracownicy, "Nazwisko");
        nazwisko->Attach();
        DodajPrzycisk("&Użyj", "uzyj");
        auto* uklad = new QVBoxLayout(this);
        uklad->addWidget(nazwisko);
        uklad->addLayout(Przyciski());
    }
    int zamkniecia = 0;

protected:
    void PoZamknieciu() override { ++zamkniecia; }

private:
    DataSource* m_pracownicy;
    DataSource* m_komorki;
};

using Zamykanie = std::function<void(Okno&)>;

}  // namespace

Q_DECLARE_METATYPE(Zamykanie)

class KitOknoEdycjiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(SetUpPolish(*qApp)); }

    // "&Zamknij", Esc and the close box all ask, and all keep the window on a Cancel.
    void everyWayOfClosingAsks_data() {
        QTest::addColumn<Zamykanie>("zamknij");
        QTest::newRow("Zamknij") << Zamykanie{
            [](Okno& o) { o.findChild<QPushButton*>("ButtonZamknij")->click(); }};
        QTest::newRow("Esc") << Zamykanie{[](Okno& o) { QTest::keyClick(&o, Qt::Key_Escape); }};
        QTest::newRow("close box") << Zamykanie{[](Okno& o) { o.close(); }};
    }

    void everyWayOfClosingAsks() {
        QFETCH(Zamykanie, zamknij);
        Unit unit;
        Okno okno(unit);
        okno.show();
        unit.Employees().Edit();
        unit.Employees().SetFieldText("Nazwisko", "Kowalska");

        unit.Dialogi().odpowiedzi = {Odpowiedz::Anuluj};
        zamknij(okno);
        QVERIFY(okno.isVisible());
        QVERIFY(unit.Employees().Editing());
        QCOMPARE(okno.zamkniecia, 0);
        const auto& pytanie = unit.Dialogi().komunikaty.back();
        QCOMPARE(pytanie.rodzaj, DialogiSkryptowe::Rodzaj::TakNieAnuluj);
        QCOMPARE(pytanie.tekst, std::string("Zapisać pracownika ?"));
        QCOMPARE(pytanie.tytul, std::string("Pracownicy"));
        QVERIFY(pytanie.domyslna == Odpowiedz::Tak);

        unit.Dialogi().odpowiedzi = {Odpowiedz::Nie};
        zamknij(okno);
        QVERIFY(!okno.isVisible());
        QCOMPARE(okno.zamkniecia, 1);
        QVERIFY(!unit.Employees().Editing());
        QCOMPARE(unit.Employees().FieldText("Nazwisko"), std::string("Kowalski"));
    }

    // Yes saves; every source is asked in the order added, the insert with its own question.
    void yesSavesEverySource() {
        Unit unit;
        Okno okno(unit);
        okno.show();
        unit.Employees().Edit();
        unit.Employees().SetFieldText("Nazwisko", "Kowalska");
        unit.Cells().Insert();
        unit.Cells().SetFieldText("Id", "4");
        unit.Cells().SetFieldText("Nazwa", "Sekcja finansów");

        unit.Dialogi().odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak};
        okno.reject();
        QVERIFY(!okno.isVisible());
        QCOMPARE(unit.Dialogi().Teksty(),
                 (std::vector<std::string>{"Zapisać pracownika ?", "Dopisać komórkę ?"}));
        QCOMPARE(unit.Employees().FieldText("Nazwisko"), std::string("Kowalska"));
        QCOMPARE(unit.Cells().RecordCount(), int64_t(4));
    }

    // A Cancel on the first source asks nothing more; a refused post keeps the window and the
    // record as it was.
    void cancelAndRefusalKeepTheWindow() {
        Unit unit;
        Okno okno(unit);
        okno.show();
        unit.Employees().AddHandler(mirta::engine::DatasetEvent::BeforePost, [](auto&) {
            throw mirta::store::BladDanych("Nazwisko jest obowiązkowe !!!");
        });
        unit.Employees().Edit();
        unit.Cells().Edit();

        unit.Dialogi().odpowiedzi = {Odpowiedz::Anuluj};
        okno.accept();
        QVERIFY(okno.isVisible());
        QCOMPARE(unit.Dialogi().komunikaty.size(), size_t(1));

        unit.Dialogi().odpowiedzi = {Odpowiedz::Tak};
        okno.reject();
        QVERIFY(okno.isVisible());
        QCOMPARE(unit.Dialogi().komunikaty.back().tekst,
                 std::string("Nazwisko jest obowiązkowe !!!"));
        QVERIFY(unit.Employees().Editing());
        QVERIFY(unit.Cells().Editing());
        unit.Employees().Cancel();
        unit.Cells().Cancel();
    }

    // What a field holds but has not written yet is written before the question.
    void typedTextIsWrittenFirst() {
        Unit unit;
        unit.AutoEdit().SetOn(true);
        Okno okno(unit);
        okno.show();
        auto* nazwisko = okno.findChild<QLineEdit*>("nazwisko");
        nazwisko->setFocus();
        nazwisko->selectAll();
        QTest::keyClicks(nazwisko, "Kowalewski");
        unit.Dialogi().odpowiedzi = {Odpowiedz::Tak};
        okno.close();
        QVERIFY(!okno.isVisible());
        QCOMPARE(unit.Dialogi().Teksty(), std::vector<std::string>{"Zapisać pracownika ?"});
        QCOMPARE(unit.Employees().FieldText("Nazwisko"), std::string("Kowalewski"));
    }

    // A long-lived window asks again when shown again; the window's own buttons stand before
    // "&Zamknij".
    void shownAgainAsksAgain() {
        Unit unit;
        Okno okno(unit);
        okno.show();
        okno.reject();
        QVERIFY(!okno.isVisible());
        okno.show();
        unit.Employees().Edit();
        unit.Dialogi().odpowiedzi = {Odpowiedz::Anuluj};
        okno.reject();
        QVERIFY(okno.isVisible());
        QCOMPARE(okno.zamkniecia, 1);
        QHBoxLayout* przyciski = okno.Przyciski();
        QCOMPARE(przyciski->indexOf(okno.findChild<QPushButton*>("uzyj")) + 1,
                 przyciski->indexOf(okno.PrzyciskZamknij()));
        ZapiszZrzut(okno, "okno_edycji");
        unit.Employees().Cancel();
    }
};

QTEST_MAIN(KitOknoEdycjiTest)
#include "kit_okno_edycji_test.moc"
