#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "shell/filtr_zdarzen.h"
#include "shell/start.h"
#include "shell/tests/baza_okien.h"

using namespace mirta;
using mirta::shell::TFStart;
using mirta::shell::testing::BazaOkien;

class ShellStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    void logowanie_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("haslo");
        QTest::addColumn<QDate>("data");
        QTest::addColumn<bool>("zamknieto");
        QTest::addColumn<bool>("zalogowany");
        QTest::addColumn<QString>("komunikat");
        const QDate dzis(2026, 12, 10);
        QTest::newRow("good") << "KADRY"
                              << "kadry" << dzis << true << true << "";
        QTest::newRow("empty password") << "ADMIN"
                                        << "" << dzis << true << true << "";
        QTest::newRow("wrong password")
            << "KADRY"
            << "Kadry" << dzis << false << false << "Niepoprawne dane użytkownika !!!";
        QTest::newRow("name in small letters")
            << "kadry"
            << "kadry" << dzis << false << false << "Niepoprawne dane użytkownika !!!";
        QTest::newRow("unknown user")
            << "NIKT"
            << "" << dzis << false << false << "Niepoprawne dane użytkownika !!!";
        QTest::newRow("rights revoked")
            << "BYLY"
            << "byly" << dzis << true << false << "Cofnięto uprawnienia dla użytkownika !!!";
        // No leave files of 2027; the date is reported before the unknown user.
        QTest::newRow("no leave year")
            << "NIKT"
            << "" << QDate(2027, 1, 15) << false << false << "Niepoprawna data przetwarzania !!!";
        QTest::newRow("before 2006") << "PODGLAD"
                                     << "podglad" << QDate(2004, 12, 31) << true << true << "";
    }

    void logowanie() {
        QFETCH(QString, nazwa);
        QFETCH(QString, haslo);
        QFETCH(QDate, data);
        QFETCH(bool, zamknieto);
        QFETCH(bool, zalogowany);
        QFETCH(QString, komunikat);

        BazaOkien baza;
        TFStart okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        Spin(okno, "SpinEditRok")->setValue(data.year());
        Spin(okno, "SpinEditMc")->setValue(data.month());
        Spin(okno, "SpinEditDzien")->setValue(data.day());
        QCOMPARE(okno.Data(), data);
        Pole(okno, "EditNazwa")->setText(nazwa);
        Pole(okno, "EditHaslo")->setText(haslo);
        QTest::mouseClick(okno.findChild<QPushButton*>("ButtonTak"), Qt::LeftButton);

        QCOMPARE(okno.isVisible(), !zamknieto);
        if (zamknieto)
            QCOMPARE(okno.result(), int(QDialog::Accepted));
        QCOMPARE(baza.tdm->Sesja().Zalogowany(), zalogowany);
        QCOMPARE(QString::fromStdString(baza.OstatniKomunikat()), komunikat);
        if (!komunikat.isEmpty())
            QCOMPARE(baza.dialogi.komunikaty.back().ikona, store::Ikona::Blad);
        if (zalogowany) {
            const auto& d = baza.tdm->Sesja().DataPrzetwarzania;
            QCOMPARE(QDate(d.year, d.month, d.day), data);
            QCOMPARE(QString::fromStdString(baza.tdm->Sesja().NazwaKrotka), nazwa);
        }
    }

    void enterLogsInAndZakonczAfterAFailureRejects() {
        BazaOkien baza;
        TFStart okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QLineEdit* nazwa = Pole(okno, "EditNazwa");
        QCOMPARE(nazwa->text(), QString("A"));
        QCOMPARE(nazwa->maxLength(), 10);
        QCOMPARE(Pole(okno, "EditHaslo")->echoMode(), QLineEdit::Password);
        QVERIFY(okno.TimerAktywny());

        QTest::keyClicks(nazwa, "ADMIN");
        QTest::keyClicks(Pole(okno, "EditHaslo"), "zle");
        shell::testing::Zrzut(okno, "start");
        QTest::keyClick(Pole(okno, "EditHaslo"), Qt::Key_Return);
        QVERIFY(okno.isVisible());
        QCOMPARE(baza.OstatniKomunikat(), std::string("Niepoprawne dane użytkownika !!!"));

        QTest::mouseClick(okno.findChild<QPushButton*>("ButtonZakoncz"), Qt::LeftButton);
        QVERIFY(!okno.isVisible());
        QCOMPARE(okno.result(), int(QDialog::Rejected));
        QVERIFY(!okno.TimerAktywny());
        QVERIFY(!baza.tdm->Sesja().Zalogowany());
    }

    // Enter in the name moves on to the password (under the program's own Enter rule too) and
    // asks nothing; Enter in the password logs in.
    void enterInTheNameMovesToThePassword() {
        BazaOkien baza;
        shell::FiltrZdarzen filtr;
        qApp->installEventFilter(&filtr);
        TFStart okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QLineEdit* nazwa = Pole(okno, "EditNazwa");
        QLineEdit* haslo = Pole(okno, "EditHaslo");
        QTest::keyClicks(nazwa, "KADRY");
        QTest::keyClick(nazwa, Qt::Key_Return);
        QVERIFY(okno.isVisible());
        QVERIFY(baza.dialogi.komunikaty.empty());
        QCOMPARE(QApplication::focusWidget(), haslo);

        QTest::keyClicks(haslo, "kadry");
        QTest::keyClick(haslo, Qt::Key_Enter);
        QVERIFY(!okno.isVisible());
        QCOMPARE(okno.result(), int(QDialog::Accepted));
        QCOMPARE(baza.tdm->Sesja().NazwaKrotka, std::string("KADRY"));
        qApp->removeEventFilter(&filtr);
    }

    // A spinner's day is cut to the month chosen; steps keep the day within the month reached.
    void dateControlsStayInStep() {
        BazaOkien baza;
        TFStart okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QSpinBox* rok = Spin(okno, "SpinEditRok");
        QSpinBox* mc = Spin(okno, "SpinEditMc");
        QSpinBox* dzien = Spin(okno, "SpinEditDzien");
        QCOMPARE(okno.Data(), QDate(2026, 12, 10));
        QCOMPARE(dzien->value(), 10);

        dzien->setValue(31);
        mc->setValue(4);
        QCOMPARE(dzien->value(), 30);
        QCOMPARE(okno.Data(), QDate(2026, 4, 30));

        rok->setValue(2008);
        mc->setValue(2);
        QCOMPARE(dzien->value(), 29);
        okno.RokDoPrzodu();
        QCOMPARE(okno.Data(), QDate(2009, 2, 28));
        QCOMPARE(dzien->value(), 28);

        rok->setValue(2008);
        mc->setValue(3);
        dzien->setValue(31);
        okno.MiesiacWstecz();
        QCOMPARE(okno.Data(), QDate(2008, 2, 29));
        mc->setValue(1);
        okno.MiesiacWstecz();
        QCOMPARE(okno.Data(), QDate(2007, 12, 29));
        okno.MiesiacDoPrzodu();
        QCOMPARE(okno.Data(), QDate(2008, 1, 29));
        QCOMPARE(QList<int>({rok->value(), mc->value(), dzien->value()}),
                 QList<int>({2008, 1, 29}));

        // The spinners' lowest year: a step below it is not taken.
        rok->setValue(1998);
        okno.RokWstecz();
        QCOMPARE(okno.Data(), QDate(1998, 1, 29));

        // A click on the calendar reaches the spinners.
        auto* kalendarz = okno.findChild<QCalendarWidget*>("Calendar1");
        kalendarz->setSelectedDate(QDate(2010, 6, 5));
        QCOMPARE(QList<int>({rok->value(), mc->value(), dzien->value()}), QList<int>({2010, 6, 5}));
    }

    // The timer copies the calendar into the spinners, but never over a number being typed,
    // and "Tak" takes that number.
    void timerLeavesAHalfTypedYearAndTakTakesIt() {
        BazaOkien baza;
        TFStart okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QSpinBox* rok = Spin(okno, "SpinEditRok");
        rok->setFocus();
        rok->selectAll();
        QTest::keyClicks(rok, "20");
        QTest::qWait(450);
        QCOMPARE(rok->cleanText(), QString("20"));
        QTest::keyClicks(rok, "25");
        QTest::qWait(250);
        QCOMPARE(okno.Data(), QDate(2025, 12, 10));

        Pole(okno, "EditNazwa")->setText("KADRY");
        Pole(okno, "EditHaslo")->setText("kadry");
        okno.Potwierdz();
        QVERIFY(baza.tdm->Sesja().Zalogowany());
        QCOMPARE(baza.tdm1->TUrlopNalez.FileName(), std::string("UrN2025.DB"));
        // The leave-due table of 2026 exists: 2025 is closed.
        QVERIFY(baza.tdm->Sesja().RokUrlopowyZamkniety);
    }

private:
    static QSpinBox* Spin(QWidget& okno, const char* nazwa) {
        auto* s = okno.findChild<QSpinBox*>(nazwa);
        Q_ASSERT(s);
        return s;
    }
    static QLineEdit* Pole(QWidget& okno, const char* nazwa) {
        auto* p = okno.findChild<QLineEdit*>(nazwa);
        Q_ASSERT(p);
        return p;
    }
};

QTEST_MAIN(ShellStartTest)
#include "shell_start_test.moc"
