#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>

#include "engine/paradox_table.h"
#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
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

// A window that opens a table of its own, as a package's window does: the dataset is the
// window's member, so it goes before the controls, which the window never deletes by hand.
class OknoZWlasnaTabela : public OknoEdycji {
public:
    OknoZWlasnaTabela(const QString& folder, Unit& unit) : OknoEdycji(unit.Dialogi()) {
        m_tabela = std::make_unique<mirta::engine::Dataset>(
            mirta::engine::ParadoxTable::Open(mirta::engine::FileSystem::Real(),
                                              (folder + "/Prac.DB").toStdString()),
            "TPrac");
        m_tabela->First();
        DataSource& zrodlo =
            NoweZrodlo(*m_tabela, unit.AutoEdit(), {"Zapisać ?", "Dopisać ?", "Pracownicy"});
        auto* uklad = new QVBoxLayout(this);
        auto* nawigator = new DbNavigator(this);
        nawigator->SetDataSource(&zrodlo);
        nawigator->Attach();
        auto* lista = new DbGrid(this);
        lista->setObjectName("lista");
        lista->SetColumns({MakeColumn("Nazwisko", "Nazwisko", 120)});
        lista->SetDataSource(&zrodlo);
        lista->Attach();
        auto* nazwisko = new DbEdit(this);
        nazwisko->setObjectName("nazwisko");
        nazwisko->Bind(&zrodlo, "Nazwisko");
        nazwisko->Attach();
        for (QWidget* w : std::initializer_list<QWidget*>{nawigator, lista, nazwisko})
            uklad->addWidget(w);
        uklad->addLayout(Przyciski());
    }

private:
    std::unique_ptr<mirta::engine::Dataset> m_tabela;
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

    // A window destroyed while shown, its dataset going first and a field holding typed text:
    // the controls let go of the dataset as it closes (no use after it is gone) and nothing
    // typed is written on the way out.
    void controlsOutliveTheWindowsDataset() {
        Unit unit;
        unit.AutoEdit().SetOn(true);
        QTemporaryDir folder;
        {
            auto& fs = mirta::engine::FileSystem::Real();
            auto kopia = mirta::engine::ParadoxTable::Create(
                fs, (folder.path() + "/Prac.DB").toStdString(),
                {{"Id", mirta::engine::FieldType::Long, 4},
                 {"Nazwisko", mirta::engine::FieldType::Alpha, 30}},
                1);
            mirta::engine::Dataset ds(std::move(kopia));
            ds.Insert();
            ds.SetFieldText("Id", "1");
            ds.SetFieldText("Nazwisko", "Kowalski");
            ds.Post();
        }
        auto okno = std::make_unique<OknoZWlasnaTabela>(folder.path(), unit);
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        auto* nazwisko = okno->findChild<QLineEdit*>("nazwisko");
        nazwisko->setFocus();
        nazwisko->selectAll();
        QTest::keyClicks(nazwisko, "Nowak");
        okno.reset();

        mirta::engine::Dataset ds(mirta::engine::ParadoxTable::Open(
            mirta::engine::FileSystem::Real(), (folder.path() + "/Prac.DB").toStdString()));
        ds.First();
        QCOMPARE(ds.FieldText("Nazwisko"), std::string("Kowalski"));
        QVERIFY(unit.Dialogi().komunikaty.empty());
    }

    // A source whose dataset was destroyed detaches its controls and attaches none again; a
    // source destroyed before its controls leaves them without a source; a lookup list that
    // goes first leaves its combo showing the choices it had.
    void linksFollowTheEndOfTheirDataAndSource() {
        Unit unit;
        auto pracownicy =
            std::make_unique<mirta::engine::Dataset>(unit.Employees().SharedTable(), "TPrac2");
        pracownicy->First();
        auto komorki =
            std::make_unique<mirta::engine::Dataset>(unit.Cells().SharedTable(), "TKomorki2");
        komorki->First();
        auto zrodlo = std::make_unique<DataSource>(*pracownicy, unit.Dialogi(), unit.AutoEdit());
        DbGrid lista;
        lista.SetColumns({MakeColumn("Nazwisko", "Nazwisko", 120)});
        lista.SetDataSource(zrodlo.get());
        lista.Attach();
        DbEdit nazwisko;
        nazwisko.Bind(zrodlo.get(), "Nazwisko");  // bound, never attached
        DbLookupCombo komorka;
        komorka.SetLookup(*komorki, "Id", {"Nazwa"});
        komorka.Bind(zrodlo.get(), "Komorka");
        komorka.Attach();
        QVERIFY(lista.datasetModel());
        QCOMPARE(komorka.count(), 3);

        komorki.reset();
        pracownicy->Next();
        QCOMPARE(komorka.currentText(), QString("Sekcja kadr"));

        pracownicy.reset();
        QVERIFY(!zrodlo->HasData());
        QVERIFY(!lista.IsAttached());
        QVERIFY(!lista.datasetModel());
        QVERIFY(!komorka.IsAttached());
        nazwisko.Attach();
        QVERIFY(!nazwisko.IsAttached());
        QVERIFY(!zrodlo->CanModify());

        zrodlo.reset();
        QVERIFY(lista.Source() == nullptr);
        QVERIFY(nazwisko.Source() == nullptr);
        QVERIFY(komorka.Source() == nullptr);
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
