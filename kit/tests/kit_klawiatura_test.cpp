// A clerk's keys: the record keys of the navigators, codes typed into lists, mnemonics and F10.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "kit/dostepnosc.h"
#include "kit/polski.h"
#include "kit/tests/sample_form.h"

using namespace mirta;
using namespace mirta::kit;
using mirta::kit::testing::SampleForm;
using mirta::kit::testing::Unit;
using Odpowiedz = mirta::store::Odpowiedz;

namespace {

// The letter after a single '&', lower-case.
QChar Litera(const QString& t) {
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&')
            continue;
        if (t[i + 1] != '&')
            return t[i + 1].toLower();
        ++i;
    }
    return {};
}

void Pokaz(QWidget& okno) {
    okno.show();
    okno.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&okno));
}

void Klawisz(int klawisz, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(klawisz), m);
}

}  // namespace

class KlawiaturaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpPolish(*qApp); }

    // Insert adds and puts the cursor in the first field; Esc drops the new record; Ctrl+S and
    // F2 save from any field; Ctrl+Delete deletes only after "Tak". The hints name the keys.
    void klawiszeNawigatora() {
        Unit unit;
        unit.AutoEdit().SetOn(true);
        SampleForm okno(unit);
        Pokaz(okno);
        auto* nawigator = okno.findChild<DbNavigator*>("navigator");
        QCOMPARE(nawigator->Button(NavButton::Insert)->toolTip(),
                 QString("Dodaj pracownika (Insert, Ctrl+N)"));
        QCOMPARE(nawigator->Button(NavButton::Post)->toolTip(),
                 QString("Zapisz dane pracownika (Ctrl+S, F2)"));
        QCOMPARE(nawigator->Button(NavButton::Cancel)->toolTip(), QString("Porzuć zmiany (Esc)"));
        QCOMPARE(nawigator->Button(NavButton::Delete)->toolTip(),
                 QString("Usuń pracownika (Ctrl+Delete)"));
        engine::Dataset& ds = unit.Employees();
        const int64_t przed = ds.RecordCount();

        okno.findChild<DbGrid*>("grid")->setFocus();
        for (const auto& [klawisz, modyfikator] :
             {std::pair{Qt::Key_Insert, Qt::NoModifier}, {Qt::Key_N, Qt::ControlModifier}}) {
            Klawisz(klawisz, modyfikator);
            QCOMPARE(ds.State(), engine::DatasetState::Insert);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("nazwisko"));
            QTest::keyClicks(QApplication::focusWidget(), "Zielinski");
            Klawisz(Qt::Key_Escape);
            QCOMPARE(ds.State(), engine::DatasetState::Browse);
            QCOMPARE(ds.RecordCount(), przed);
            QVERIFY(okno.isVisible());
        }

        // Typing starts editing (automatic edit); each saving key stores what was typed.
        for (const auto& [klawisz, modyfikator] :
             {std::pair{Qt::Key_S, Qt::ControlModifier}, {Qt::Key_F2, Qt::NoModifier}}) {
            auto* imie = okno.findChild<QLineEdit*>("imie");
            imie->setFocus();
            imie->selectAll();
            const QString nowe = klawisz == Qt::Key_S ? "Janusz" : "Jaroslaw";
            QTest::keyClicks(imie, nowe);
            QVERIFY(ds.Editing());
            Klawisz(klawisz, modyfikator);
            QCOMPARE(ds.State(), engine::DatasetState::Browse);
            QCOMPARE(QString::fromStdString(ds.RowAt(ds.RecNo()).Text("Imie")), nowe);
        }

        // Esc with nothing edited is left to the window (it closes a dialog); here nothing
        // happens to the data.
        unit.Dialogi().odpowiedzi = {Odpowiedz::Nie, Odpowiedz::Tak};
        Klawisz(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(ds.RecordCount(), przed);
        Klawisz(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(ds.RecordCount(), przed - 1);
        QCOMPARE(unit.Dialogi().komunikaty.size(), size_t(2));
    }

    // A code typed into a closed list picks its item: the code of a lookup row ("WL"), a
    // code list's code ("M"); letters typed after a pause start a new code.
    void wpisanyKod() {
        Unit unit;
        unit.AutoEdit().SetOn(true);
        SampleForm okno(unit);
        Pokaz(okno);
        engine::Dataset& ds = unit.Employees();
        ds.First();
        auto* komorka = okno.findChild<QComboBox*>("komorka");
        komorka->setFocus();
        QTest::keyClicks(komorka, "wl");
        QCOMPARE(komorka->currentText(), QString("Wydział logistyki"));
        QCOMPARE(QString::fromStdString(ds.FieldText("Komorka")), QString("2"));
        QTest::qWait(1100);
        QTest::keyClicks(komorka, "SK");
        QCOMPARE(QString::fromStdString(ds.FieldText("Komorka")), QString("1"));
        QTest::qWait(1100);
        // No code starts so: the shown name does.
        QTest::keyClicks(komorka, "Zesp");
        QCOMPARE(komorka->currentText(), QString("Zespół łączności"));

        auto* plec = okno.findChild<QComboBox*>("plec");
        plec->setFocus();
        QTest::keyClick(plec, Qt::Key_K);
        QCOMPARE(plec->currentText(), QString("Kobieta"));
        QTest::qWait(1100);
        QTest::keyClick(plec, Qt::Key_M);
        QCOMPARE(plec->currentText(), QString("Mężczyzna"));
        QCOMPARE(QString::fromStdString(ds.FieldText("Plec")), QString("M"));
    }

    // Mnemonics the window gave twice or on a letter that needs a dead key are moved to a free
    // plain letter; controls of two pages of one tab widget may share one, never with the
    // window's own; menus of the bar and the items of each menu get their own.
    void skrotyJednoznaczne() {
        QMainWindow okno;
        auto* srodek = new QWidget;
        auto* uklad = new QVBoxLayout(srodek);
        QStringList teksty = {"&Port", "&Porzuć", "&Zapisz", "&Zamknij", "Po&łącz"};
        QList<QPushButton*> przyciski;
        for (const QString& t : teksty)
            uklad->addWidget(przyciski.emplace_back(new QPushButton(t)));
        auto* etykieta = new QLabel("U&żytkownik:");
        auto* pole = new QLineEdit;
        etykieta->setBuddy(pole);
        uklad->addWidget(etykieta);
        uklad->addWidget(pole);
        auto* zakladki = new QTabWidget;
        QList<QPushButton*> naStronach;
        for (const char* tytul : {"Pierwsza", "Druga"}) {
            auto* strona = new QWidget;
            auto* u = new QVBoxLayout(strona);
            u->addWidget(naStronach.emplace_back(new QPushButton("&Dodaj")));
            u->addWidget(naStronach.emplace_back(new QPushButton("&Zapisz wpis")));
            zakladki->addTab(strona, tytul);
        }
        uklad->addWidget(zakladki);
        okno.setCentralWidget(srodek);
        QMenu* plik = okno.menuBar()->addMenu("Plik");
        plik->addAction("Zapisz");
        plik->addAction("Zamknij");
        plik->addAction("Zmień użytkownika");
        okno.menuBar()->addMenu("Pomoc")->addAction("Ó programie");

        NadajSkroty(okno);

        QList<QChar> okna;
        for (QPushButton* b : przyciski)
            okna << Litera(b->text());
        okna << Litera(etykieta->text());
        for (int i = 0; i < zakladki->count(); ++i)
            okna << Litera(zakladki->tabText(i));
        for (QAction* a : okno.menuBar()->actions())
            okna << Litera(a->text());
        QCOMPARE(przyciski[0]->text(), QString("&Port"));  // the window's own, kept
        QCOMPARE(przyciski[2]->text(), QString("&Zapisz"));
        for (QPushButton* b : naStronach) {
            const QChar l = Litera(b->text());
            okna << l;  // each page against the window
            QVERIFY2(okna.count(l) == 1, qPrintable(b->text()));
            okna.removeLast();
        }
        QCOMPARE(Litera(naStronach[0]->text()), Litera(naStronach[2]->text()));
        for (const QChar l : okna) {
            QVERIFY2(!l.isNull(), "bez skrótu");
            QVERIFY2(l.unicode() < 128 && l.isLetterOrNumber(), qPrintable(QString(l)));
            QVERIFY2(okna.count(l) == 1, qPrintable(QString(l)));
        }
        QList<QChar> menu;
        for (QAction* a : plik->actions())
            menu << Litera(a->text());
        QCOMPARE(QSet<QChar>(menu.begin(), menu.end()).size(), menu.size());
        QCOMPARE(Litera(okno.menuBar()->actions()[1]->menu()->actions()[0]->text()), QChar('p'));

        // A second pass keeps them all.
        const QString przed = przyciski[1]->text();
        NadajSkroty(okno);
        QCOMPARE(przyciski[1]->text(), przed);
    }

    // F10 opens the menu bar, as Alt does.
    void f10OtwieraMenu() {
        QMainWindow okno;
        okno.menuBar()->addMenu("&Plik")->addAction("&Nowy");
        okno.setCentralWidget(new QLineEdit);
        WlaczF10(okno);
        Pokaz(okno);
        okno.centralWidget()->setFocus();
        QVERIFY(!okno.menuBar()->activeAction());
        Klawisz(Qt::Key_F10);
        QVERIFY(okno.menuBar()->activeAction());
        QCOMPARE(okno.menuBar()->activeAction()->text(), QString("&Plik"));
    }
};

QTEST_MAIN(KlawiaturaTest)
#include "kit_klawiatura_test.moc"
