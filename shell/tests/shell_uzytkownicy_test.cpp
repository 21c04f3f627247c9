#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "kit/data_source.h"
#include "shell/start.h"
#include "shell/tests/baza_okien.h"
#include "shell/uzytkownicy.h"
#include "shell/zmiana_hasla.h"

using namespace mirta;
using mirta::shell::testing::BazaOkien;
using store::Odpowiedz;

namespace {

QLineEdit* Pole(QWidget& okno, const char* nazwa) {
    auto* p = okno.findChild<QLineEdit*>(nazwa);
    Q_ASSERT(p);
    return p;
}

// Logs in through the real start window; true when a user is logged in after "Tak".
bool ZalogujOknem(BazaOkien& baza, const QString& nazwa, const QString& haslo) {
    shell::TFStart okno(*baza.tdm, baza.dialogi);
    okno.show();
    Pole(okno, "EditNazwa")->setText(nazwa);
    Pole(okno, "EditHaslo")->setText(haslo);
    okno.findChild<QPushButton*>("ButtonTak")->click();
    return !okno.isVisible() && baza.tdm->Sesja().Zalogowany();
}

struct Hasla {
    QString stare, nowe, powtorz;
};

// Fills the three fields and presses "Zapisz"; true when the window closed accepted.
bool ZmienHaslo(shell::TFZmianaHasla& okno, const Hasla& h) {
    Pole(okno, "EditStare")->setText(h.stare);
    Pole(okno, "EditNowe")->setText(h.nowe);
    Pole(okno, "EditPowtorz")->setText(h.powtorz);
    okno.findChild<QPushButton*>("ButtonZapisz")->click();
    return !okno.isVisible() && okno.result() == QDialog::Accepted;
}

// Types text as key presses, letters outside Latin-1 included.
void Wpisz(QWidget* pole, const QString& tekst) {
    for (const QChar znak : tekst) {
        QKeyEvent nacisniecie(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(pole, &nacisniecie);
        QKeyEvent puszczenie(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(znak));
        QApplication::sendEvent(pole, &puszczenie);
    }
}

// A click on the box itself: a wide check box takes clicks only on its box and text.
void Kliknij(QCheckBox* pole) {
    Q_ASSERT(pole);
    QTest::mouseClick(pole, Qt::LeftButton, {}, QPoint(6, pole->height() / 2));
}

void Nawiguj(QWidget& okno, const char* przycisk) {
    auto* b = okno.findChild<QToolButton*>(przycisk);
    Q_ASSERT(b);
    QVERIFY(b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

void NaUzytkownika(engine::Dataset& hasla, const std::string& nazwa) {
    hasla.First();
    while (!hasla.Eof() && hasla.FieldText("NazwaKrotka") != nazwa)
        hasla.Next();
    QCOMPARE(hasla.FieldText("NazwaKrotka"), nazwa);
}

}  // namespace

class ShellUzytkownicyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    void refusedChangesKeepTheWindowAndItsText_data() {
        QTest::addColumn<QString>("stare");
        QTest::addColumn<QString>("nowe");
        QTest::addColumn<QString>("powtorz");
        QTest::addColumn<QString>("komunikat");
        const QString wadliwe = "Wprowadzono wadliwe dane !!!";
        QTest::newRow("wrong old") << "zle"
                                   << "nowe1"
                                   << "nowe1" << wadliwe;
        QTest::newRow("old in capitals") << "KADRY"
                                         << "nowe1"
                                         << "nowe1" << wadliwe;
        QTest::newRow("repeat differs") << "kadry"
                                        << "nowe1"
                                        << "nowe2" << wadliwe;
        QTest::newRow("empty new") << "kadry"
                                   << ""
                                   << ""
                                   << "Hasło nie może być puste !!!";
    }

    void refusedChangesKeepTheWindowAndItsText() {
        QFETCH(QString, stare);
        QFETCH(QString, nowe);
        QFETCH(QString, powtorz);
        QFETCH(QString, komunikat);
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        shell::TFZmianaHasla okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(!okno.findChild<QLabel*>("Uwaga"));
        QVERIFY(!ZmienHaslo(okno, {stare, nowe, powtorz}));
        QVERIFY(okno.isVisible());
        QCOMPARE(QString::fromStdString(baza.OstatniKomunikat()), komunikat);
        if (komunikat == "Wprowadzono wadliwe dane !!!") {
            // A plain message: no icon.
            QCOMPARE(baza.dialogi.komunikaty.back().tytul, std::string("Kontrola danych"));
            QCOMPARE(baza.dialogi.komunikaty.back().rodzaj,
                     store::testing::DialogiSkryptowe::Rodzaj::Komunikat);
        }
        QCOMPARE(Pole(okno, "EditStare")->text(), stare);
        QCOMPARE(Pole(okno, "EditPowtorz")->text(), powtorz);
        QVERIFY(baza.tdm->SprawdzHaslo(baza.tdm->Sesja().Identyfikator, "kadry"));
    }

    // A second change in the run needs the first one's password; the next run logs in by it.
    void changedPasswordIsTheOldOneNextTimeAndLogsIn() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        {
            shell::TFZmianaHasla okno(*baza.tdm, baza.dialogi);
            okno.show();
            QCOMPARE(Pole(okno, "EditNowe")->maxLength(), 10);
            QCOMPARE(Pole(okno, "EditNowe")->echoMode(), QLineEdit::Password);
            shell::testing::Zrzut(okno, "zmiana_hasla");
            QVERIFY(ZmienHaslo(okno, {"kadry", "Zima2026", "Zima2026"}));
        }
        {
            shell::TFZmianaHasla okno(*baza.tdm, baza.dialogi);
            okno.show();
            QVERIFY(!ZmienHaslo(okno, {"kadry", "Lato2027", "Lato2027"}));
            // Opening again empties the fields.
            okno.hide();
            okno.show();
            QVERIFY(Pole(okno, "EditStare")->text().isEmpty());
            QVERIFY(ZmienHaslo(okno, {"Zima2026", "Lato2027", "Lato2027"}));
        }
        baza.Otworz();
        QVERIFY(!ZalogujOknem(baza, "KADRY", "kadry"));
        QVERIFY(!ZalogujOknem(baza, "KADRY", "Zima2026"));
        QVERIFY(ZalogujOknem(baza, "KADRY", "Lato2027"));
    }

    void anEmptyPasswordIsReplacedAtTheFirstLogin() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("ADMIN", ""));
        QVERIFY(baza.tdm->Sesja().MusiUstawicHaslo);
        shell::TFZmianaHasla okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(okno.findChild<QLabel*>("Uwaga"));
        shell::testing::Zrzut(okno, "zmiana_hasla_pierwsza");
        QVERIFY(ZmienHaslo(okno, {"", "Start1", "Start1"}));
        QVERIFY(!baza.tdm->Sesja().MusiUstawicHaslo);
        baza.Otworz();
        QVERIFY(!ZalogujOknem(baza, "ADMIN", ""));
        QVERIFY(ZalogujOknem(baza, "ADMIN", "Start1"));
    }

    // With automatic edit off only the leave-only box is open in browse state; the short name
    // opens for a new user alone.
    void controlsFollowTheStateAndTheOption() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("ADMIN", ""));
        kit::AutomaticEdit edycja;
        shell::TFUzytkownicy okno({*baza.tdm, *baza.tdm1, baza.dialogi, edycja});
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        auto wlaczone = [&] {
            QStringList on;
            for (const char* n : {"NazwaKrotka", "NazwaPelna", "Przegladanie", "Aktualizowanie",
                                  "Administrator", "Pole2"})
                if (okno.findChild<QWidget*>(n)->isEnabled())
                    on << n;
            return on.join(' ');
        };
        QCOMPARE(wlaczone(), QString("Pole2"));
        edycja.SetOn(true);
        QCOMPARE(wlaczone(), QString("NazwaPelna Przegladanie Aktualizowanie Administrator Pole2"));
        edycja.SetOn(false);
        Nawiguj(okno, "edit");
        QCOMPARE(wlaczone(), QString("NazwaPelna Przegladanie Aktualizowanie Administrator Pole2"));
        Nawiguj(okno, "cancel");
        Nawiguj(okno, "insert");
        QCOMPARE(wlaczone(), QString("NazwaKrotka NazwaPelna Przegladanie Aktualizowanie "
                                     "Administrator Pole2"));
        shell::testing::Zrzut(okno, "uzytkownicy_nowy");
        Nawiguj(okno, "cancel");
        QCOMPARE(wlaczone(), QString("Pole2"));
    }

    void aNewUserStartsWithoutRightsAndLogsInWithAnEmptyPassword() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("ADMIN", ""));
        kit::AutomaticEdit edycja;
        shell::TFUzytkownicy okno({*baza.tdm, *baza.tdm1, baza.dialogi, edycja});
        okno.show();
        engine::Dataset& hasla = *baza.tdm->THasla;
        Nawiguj(okno, "insert");
        for (const char* pole : {"Przegladanie", "Aktualizowanie", "Administrator", "Pole1",
                                 "Pole2", "Pole3", "Pole4"}) {
            QVERIFY2(!hasla.Field(pole).IsNull(), pole);
            QVERIFY2(!hasla.Field(pole).AsLogical(), pole);
        }
        QCOMPARE(hasla.Field("Pole10").AsInteger(), int64_t(0));
        Wpisz(Pole(okno, "NazwaKrotka"), "NOWY");
        Wpisz(Pole(okno, "NazwaPelna"), "Zenon Łęcki");
        Kliknij(okno.findChild<QCheckBox*>("Przegladanie"));
        Nawiguj(okno, "post");
        QCOMPARE(hasla.State(), engine::DatasetState::Browse);
        QVERIFY(!Pole(okno, "NazwaKrotka")->isEnabled());
        QCOMPARE(hasla.FieldText("NazwaPelna"), std::string("Zenon Łęcki"));

        baza.Otworz();
        QVERIFY(ZalogujOknem(baza, "NOWY", ""));
        QVERIFY(!baza.tdm->Sesja().Aktualizowanie);
        QVERIFY(baza.tdm->Sesja().MusiUstawicHaslo);
    }

    // Revoking takes effect at the next login; users are never deleted.
    void revokedUserIsRefusedNextTimeAndUsersStay() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("ADMIN", ""));
        kit::AutomaticEdit edycja;
        shell::TFUzytkownicy okno({*baza.tdm, *baza.tdm1, baza.dialogi, edycja});
        okno.show();
        engine::Dataset& hasla = *baza.tdm->THasla;
        const int64_t uzytkownikow = hasla.RecordCount();

        NaUzytkownika(hasla, "KADRY");
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        Nawiguj(okno, "delete");
        QCOMPARE(baza.OstatniKomunikat(), std::string(" Nie można kasować tych danych !!!"));
        QCOMPARE(hasla.RecordCount(), uzytkownikow);

        Nawiguj(okno, "edit");
        Kliknij(okno.findChild<QCheckBox*>("Przegladanie"));
        Nawiguj(okno, "post");
        QVERIFY(baza.tdm->Sesja().Administrator);

        baza.Otworz();
        QVERIFY(!ZalogujOknem(baza, "KADRY", "kadry"));
        QCOMPARE(baza.OstatniKomunikat(), std::string("Cofnięto uprawnienia dla użytkownika !!!"));
    }

    // The leave-only box edits the record by itself; closing asks about the change.
    void closingAsksAboutAPendingChange() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("ADMIN", ""));
        kit::AutomaticEdit edycja;
        auto okno = std::make_unique<shell::TFUzytkownicy>(
            kit::Uslugi{*baza.tdm, *baza.tdm1, baza.dialogi, edycja});
        okno->show();
        engine::Dataset& hasla = *baza.tdm->THasla;
        NaUzytkownika(hasla, "PODGLAD");
        Kliknij(okno->findChild<QCheckBox*>("Pole2"));
        QCOMPARE(hasla.State(), engine::DatasetState::Edit);
        QVERIFY(hasla.Field("Pole2").AsLogical());
        shell::testing::Zrzut(*okno, "uzytkownicy");

        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Anuluj);
        okno->findChild<QPushButton*>("ButtonZamknij")->click();
        QVERIFY(okno->isVisible());
        const auto& pytanie = baza.dialogi.komunikaty.back();
        QCOMPARE(pytanie.tekst, std::string(" Czy zapisać dane użytkownika ?"));
        QCOMPARE(pytanie.tytul, std::string(" Kontrola użytkowników."));

        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        QTest::keyClick(okno.get(), Qt::Key_Escape);
        QVERIFY(!okno->isVisible());
        okno.reset();
        QCOMPARE(hasla.State(), engine::DatasetState::Browse);

        baza.Otworz();
        QVERIFY(baza.Zaloguj("PODGLAD", "podglad"));
        QVERIFY(baza.tdm->Sesja().TrybUrlopowy);
    }
};

QTEST_MAIN(ShellUzytkownicyTest)
#include "shell_uzytkownicy_test.moc"
