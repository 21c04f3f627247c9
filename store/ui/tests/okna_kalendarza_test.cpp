#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "kit/data_controls.h"
#include "kit/polski.h"
#include "store/kalendarz.h"
#include "store/ui/kalendarz_dni.h"
#include "store/ui/karta_pracy.h"
#include "store/ui/testing/demo_okien.h"
#include "wspolne/blad_danych.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::engine::Value;
using mirta::store::Odpowiedz;
using namespace mirta::store::ui;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Liczba;

using mirta::store::ui::testing::Kliknij;
using mirta::store::ui::testing::Znajdz;

namespace {

void Nawigator(QWidget& okno, const char* przycisk) {
    auto* b = Znajdz(okno, "nawigator")->findChild<QToolButton*>(przycisk);
    QVERIFY(b && b->isVisible() && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

// Types into a field control and leaves it with Enter.
void Wpisz(QWidget& okno, const QString& nazwa, const QString& tekst) {
    auto* pole = Znajdz<QLineEdit>(okno, nazwa);
    pole->setFocus();
    pole->selectAll();
    QTest::keyClicks(pole, tekst);
    QTest::keyClick(pole, Qt::Key_Return);
}

// The row of the calendar for a month, read from a fresh dataset position.
std::string Przebieg(Dataset& k, int rok, int miesiac) {
    for (k.First(); !k.Eof(); k.Next())
        if (Liczba(k, "IdentyfikatorKalendarza") == 20000 && Liczba(k, "Rok") == rok &&
            Liczba(k, "Miesiac") == miesiac)
            return k.FieldText("PrzebiegPracy");
    return {};
}

// Chooses command `i` of the context menu the next right click opens.
void WybierzZMenu(int i) {
    QTimer::singleShot(0, [i] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);
        menu->setActiveAction(menu->actions().at(i));
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

// Checks that the context menu the next right click opens offers no command, and closes it.
void MenuBezPolecen() {
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);
        for (QAction* a : menu->actions())
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        menu->close();
    });
}

}  // namespace

class OknaKalendarzaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    // December 2026: the status of day 2 changed from the day's context menu is stored
    // with its hours; typed hours are saved when another month is shown.
    void kalendarzZmianaStatusuDnia() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        auto& tdm = *baza.tdm;
        {
            TFKalendarz okno(tdm, baza.dialogi);
            okno.show();
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            QCOMPARE(Znajdz<QLabel>(okno, "rok")->text(), QString("2026"));
            QCOMPARE(Znajdz<QComboBox>(okno, "miesiac")->currentText(), QString("Grudzień"));
            QCOMPARE(Znajdz<QLabel>(okno, "tydzien1")->text(), QString("Wt"));
            QCOMPARE(Znajdz(okno, "dzien2")->property("status").toString(), QString("R"));
            QCOMPARE(Znajdz(okno, "dzien25")->property("status").toString(), QString("S"));
            QVERIFY(Znajdz(okno, "dzien31")->isVisible());
            testing::Zrzut(okno, "kalendarz");

            WybierzZMenu(2);
            QTest::mouseClick(Znajdz(okno, "dzien2"), Qt::RightButton);
            QCOMPARE(Znajdz(okno, "dzien2")->property("status").toString(), QString("S"));
            QCOMPARE(Przebieg(*tdm.TKalendarz, 2026, 12).substr(0, 3), std::string("RSR"));
            QVERIFY(PrzygotujMiesiacTest(tdm, 2026, 12));
            QCOMPARE(tdm.TKalendarz->Field("G2").AsNumber(), 0.0);

            Wpisz(okno, "G3", "6");
            Znajdz<QComboBox>(okno, "miesiac")->setCurrentIndex(1);
            QCOMPARE(Znajdz(okno, "dzien28")->isVisible(), true);
            QCOMPARE(Znajdz(okno, "dzien29")->isVisible(), false);
            QCOMPARE(Znajdz(okno, "dzien31")->isVisible(), false);
            // Hours still being typed are saved when the window closes.
            auto* g2 = Znajdz<QLineEdit>(okno, "G2");
            g2->setFocus();
            g2->selectAll();
            QTest::keyClicks(g2, "4");
            okno.reject();
            QCOMPARE(tdm.TKalendarz->State(), DatasetState::Browse);
        }
        QVERIFY(baza.dialogi.komunikaty.empty());
        baza.Otworz();
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        QVERIFY(PrzygotujMiesiacTest(*baza.tdm, 2026, 12));
        const Dataset& k = *baza.tdm->TKalendarz;
        QCOMPARE(k.FieldText("PrzebiegPracy").substr(0, 3), std::string("RSR"));
        QCOMPARE(k.Field("G2").AsNumber(), 0.0);
        QCOMPARE(k.Field("G3").AsNumber(), 6.0);
        QVERIFY(PrzygotujMiesiacTest(*baza.tdm, 2026, 2));
        QCOMPARE(k.Field("G2").AsNumber(), 4.0);
    }

    // Without the right to change data the day's menu offers no status (the store still refuses
    // one) and the row keeps its letters; a month that cannot be generated closes the window.
    void kalendarzBezPrawaDoZmian() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj("PODGLAD", "podglad"));
        auto& tdm = *baza.tdm;
        TFKalendarz okno(tdm, baza.dialogi);
        okno.show();
        QVERIFY(okno.isVisible());
        MenuBezPolecen();
        QTest::mouseClick(Znajdz(okno, "dzien5"), Qt::RightButton);
        QVERIFY(baza.dialogi.komunikaty.empty());
        QCOMPARE(Znajdz(okno, "dzien5")->property("status").toString(), QString("W"));
        QCOMPARE(tdm.TKalendarz->State(), DatasetState::Browse);
        QCOMPARE(tdm.TKalendarz->FieldText("PrzebiegPracy").substr(4, 1), std::string("W"));

        // The demo's calendar ends with the next year.
        Kliknij(okno, "rokNaprzod");
        QVERIFY(okno.isVisible());
        Kliknij(okno, "rokNaprzod");
        QCOMPARE(baza.OstatniKomunikat(), std::string(" Niespodziewany błąd odczytu danych !!!"));
        QVERIFY(!okno.isVisible());
    }

    // A new card filled by its day buttons with the four choices of "Co wstawiać" and the
    // default hours, stored when the card is hidden.
    void kartaPracyWypelnianaPrzyciskamiDni() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        auto& tdm = *baza.tdm;
        const int pracownik = Liczba(*tdm.TPracownicy, "Identyfikator");
        mirta::store::GodzinyDomyslne godziny;
        int64_t kart = 0;
        {
            TFKalendarzPracownika okno(baza.UslugiOkien(), godziny);
            okno.show();
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            QCOMPARE(Znajdz<QLabel>(okno, "naglowek")->text(),
                     QString::fromStdString(tdm.TPracownicy->FieldText("Imie1") + " " +
                                            tdm.TPracownicy->FieldText("Nazwisko")));
            QVERIFY(!Znajdz(okno, "panelKarty")->isVisible());
            kart = tdm.TCzasPracy->RecordCount();

            Nawigator(okno, "insert");
            Wpisz(okno, "Rok", "2030");
            Kliknij(okno, "przelaczKarte");
            QCOMPARE(QString::fromStdString(baza.OstatniKomunikat()), QString());
            QVERIFY(Znajdz(okno, "panelKarty")->isVisible());
            QVERIFY(!Znajdz(okno, "panelListy")->isEnabled());
            QCOMPARE(Znajdz<QPushButton>(okno, "przelaczKarte")->text(),
                     QString("Ukryj kartę pracy"));
            QVERIFY(!Znajdz(okno, "nawigator")->findChild<QToolButton*>("insert")->isVisible());
            QCOMPARE(Znajdz<QPushButton>(okno, "dzien1")->text(), QString("1 Nd."));
            QVERIFY(Znajdz(okno, "dzien31")->isVisible());

            for (int i = 0; i < 2; ++i)
                Kliknij(okno, "planMniej");
            Kliknij(okno, "wykonanieMniej");
            QCOMPARE(Znajdz<QLabel>(okno, "domyslnyPlan")->text(), QString("6"));
            QCOMPARE(Znajdz<QLabel>(okno, "domyslneWykonanie")->text(), QString("7"));
            const struct {
                int wybor, dzien, plan, wykonanie;
            } przypadki[] = {{2, 12, 0, 7}, {0, 14, 6, 7}, {1, 15, 6, 0}, {3, 16, 0, 0}};
            Wpisz(okno, "P16", "5");
            for (const auto& p : przypadki) {
                Znajdz<QRadioButton>(okno, QString("coWstawiac%1").arg(p.wybor))->click();
                Kliknij(okno, QString("dzien%1").arg(p.dzien));
                QCOMPARE(Znajdz<QLineEdit>(okno, QString("P%1").arg(p.dzien))->text(),
                         QString::number(p.plan));
                QCOMPARE(Znajdz<QLineEdit>(okno, QString("W%1").arg(p.dzien))->text(),
                         QString::number(p.wykonanie));
            }
            QTRY_COMPARE(Znajdz<QLabel>(okno, "razemPlan")->text(), QString("12"));
            QTRY_COMPARE(Znajdz<QLabel>(okno, "razemWykonanie")->text(), QString("14"));
            testing::Zrzut(okno, "karta_pracy");

            // Typed and saved at once: the field still holds the text when "Zapisz kartę" is
            // pressed.
            auto* w20 = Znajdz<QLineEdit>(okno, "W20");
            w20->setFocus();
            QTest::keyClicks(w20, "9");
            Nawigator(okno, "post");
            QCOMPARE(tdm.TCzasPracy->State(), DatasetState::Browse);
            QCOMPARE(Liczba(*tdm.TCzasPracy, "W20"), 9);

            Kliknij(okno, "przelaczKarte");
            QVERIFY(!Znajdz(okno, "panelKarty")->isVisible());
            QCOMPARE(tdm.TCzasPracy->State(), DatasetState::Browse);
            testing::Zrzut(okno, "karty_pracy_lista");
            okno.reject();
            QVERIFY(!okno.isVisible());
        }
        QVERIFY(!tdm.TCzasPracy.IsOpen());
        QCOMPARE(godziny.plan, 6);

        tdm.Open(tdm.TCzasPracy);
        Dataset& karta = *tdm.TCzasPracy;
        QCOMPARE(karta.RecordCount(), kart + 1);
        karta.Last();
        QCOMPARE(Liczba(karta, "IdPracownika"), pracownik);
        QCOMPARE(Liczba(karta, "Rok") * 100 + Liczba(karta, "Miesiac"), 203012);
        QCOMPARE(Liczba(karta, "P12") * 100 + Liczba(karta, "W12"), 7);
        QCOMPARE(Liczba(karta, "P14") * 100 + Liczba(karta, "W14"), 607);
        QCOMPARE(Liczba(karta, "RazemPlan"), 12);
        QCOMPARE(Liczba(karta, "RazemWykonanie"), 23);
        QVERIFY(baza.dialogi.komunikaty.empty());
    }

    // Deleting a card needs the right to change data: without it the button is disabled and
    // the store still refuses; a pending card is asked about on closing.
    void kasowanieKartyIZamkniecie() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj("PODGLAD", "podglad"));
        auto& tdm = *baza.tdm;
        Dataset& p = *tdm.TPracownicy;
        tdm.Open(tdm.TCzasPracy);
        while (tdm.TCzasPracy->IsEmpty() && !p.Eof())
            p.Next();
        tdm.Close(tdm.TCzasPracy);
        QVERIFY(!p.Eof());
        mirta::store::GodzinyDomyslne godziny;
        TFKalendarzPracownika okno(baza.UslugiOkien(), godziny);
        okno.show();
        const int64_t kart = tdm.TCzasPracy->RecordCount();
        auto* nawigator = Znajdz(okno, "nawigator");
        for (const char* b : {"insert", "edit", "delete"})
            QVERIFY2(!nawigator->findChild<QToolButton*>(b)->isEnabled(), b);
        try {
            tdm.TCzasPracy->Delete();
            QFAIL("karta skasowana bez prawa do zmian");
        } catch (const mirta::store::BladDanych& e) {
            QCOMPARE(std::string(e.what()), std::string("Nie masz prawa do zmiany danych !!!"));
        }
        QCOMPARE(tdm.TCzasPracy->RecordCount(), kart);
        okno.reject();
        QVERIFY(!okno.isVisible());
    }

private:
    static bool PrzygotujMiesiacTest(mirta::store::TDM& tdm, int rok, int miesiac) {
        return mirta::store::PrzygotujMiesiac(tdm, rok, miesiac);
    }
};

QTEST_MAIN(OknaKalendarzaTest)
#include "okna_kalendarza_test.moc"
