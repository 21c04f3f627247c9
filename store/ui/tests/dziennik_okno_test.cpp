#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "engine/file_system.h"
#include "store/dziennik_zmian.h"
#include "store/ui/dziennik_okno.h"
#include "store/ui/testing/demo_okien.h"

using mirta::engine::Value;
using mirta::store::Odpowiedz;
using mirta::store::ui::TFDziennikZmian;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Liczba;
using mirta::store::ui::testing::Zrzut;
using Rodzaj = mirta::store::testing::DialogiSkryptowe::Rodzaj;

class DziennikOknoTest : public QObject {
    Q_OBJECT
private slots:
    // The journal in the windows' words: the page's caption, the field's label, the code's
    // text, the dictionary's name, the employee's and the user's names.
    void zmianaWidocznaZFiltramiIArchiwum() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        auto& p = *baza.tdm->TPracownicy;
        p.First();
        const int id = Liczba(p, "Identyfikator");
        const std::string nazwisko = p.Field("Nazwisko").AsText();
        const std::string imie = p.Field("Imie1").AsText();
        const bool kobieta = p.Field("Plec").AsText() == "K";
        p.Edit();
        p.SetField("Nazwisko", Value::Text(nazwisko + "-Nowak"));
        p.Post();
        p.Edit();
        p.SetField("Imie2", Value::Text("Maria"));
        p.Post();
        // A change of a coded field and a leave record of the clerk, as the pages would have
        // journalled them.
        // A second apart, so that the newest-first order is certain.
        const double teraz = mirta::store::Teraz();
        mirta::store::WpisDziennika plec;
        plec.kiedy = teraz + 1000;
        plec.uzytkownik = "ADMIN";
        plec.operacja = "zmiana";
        plec.tabela = "Mirta.DB";
        plec.klucz = std::to_string(id);
        plec.pracownik = id;
        plec.pole = "Plec";
        plec.stara = kobieta ? "K" : "M";
        plec.nowa = kobieta ? "M" : "K";
        mirta::store::WpisDziennika urlop;
        urlop.kiedy = teraz + 2000;
        urlop.uzytkownik = "KADRY";
        urlop.operacja = "dopisanie";
        urlop.tabela = "WykUrl2026.DB";
        urlop.klucz = std::to_string(id) + "; 2026-12-01; 1";
        urlop.pracownik = id;
        urlop.pole = "RodzajUrlopu";
        urlop.nowa = "1";
        mirta::store::DopiszDoDziennika(mirta::engine::FileSystem::Real(), baza.Katalog(),
                                        {plec, urlop});

        TFDziennikZmian okno(*baza.tdm, baza.dialogi, id);
        okno.show();
        QCOMPARE(okno.Wierszy(), 4);
        auto* wpisy = okno.findChild<QTableWidget*>("wpisy");
        QCOMPARE(wpisy->horizontalHeaderItem(3)->text(), QString("Dane"));
        const QString osoba = QString::fromStdString(nazwisko + "-Nowak " + imie + " Maria (" +
                                                     std::to_string(id) + ")");
        // Newest first.
        QCOMPARE(wpisy->item(0, 1)->text(), QString("Małgorzata Żółkiewska (KADRY)"));
        QCOMPARE(wpisy->item(0, 3)->text(), QString("Urlopy"));
        QCOMPARE(wpisy->item(0, 4)->text(), osoba);
        QCOMPARE(wpisy->item(0, 5)->text(), QString("Rodzaj urlopu"));
        QCOMPARE(wpisy->item(0, 7)->text(), QString("Urlop wypoczynkowy"));
        QCOMPARE(wpisy->item(0, 3)->toolTip(), QString("WykUrl2026.DB"));
        QCOMPARE(wpisy->item(1, 5)->text(), QString("Płeć"));
        QCOMPARE(wpisy->item(1, 6)->text(), QString(kobieta ? "Kobieta" : "Mężczyzna"));
        QCOMPARE(wpisy->item(1, 7)->text(), QString(kobieta ? "Mężczyzna" : "Kobieta"));
        QCOMPARE(wpisy->item(2, 5)->text(), QString("Imię drugie"));
        QCOMPARE(wpisy->item(3, 5)->text(), QString("Nazwisko"));
        QCOMPARE(wpisy->item(3, 6)->text().toStdString(), nazwisko);
        QCOMPARE(wpisy->item(3, 7)->text().toStdString(), nazwisko + "-Nowak");
        QVERIFY(wpisy->item(3, 1)->text().endsWith("(ADMIN)"));
        QCOMPARE(wpisy->item(3, 4)->text(), osoba);
        QCOMPARE(wpisy->item(3, 3)->text(), wpisy->item(2, 3)->text());
        QVERIFY(wpisy->item(3, 3)->text() != QString("Mirta.DB"));
        Zrzut(okno, "dziennik_zmian");

        // The date filter's defaults take in today's work, whatever the processing date.
        okno.findChild<QCheckBox*>("odWlaczone")->setChecked(true);
        okno.findChild<QCheckBox*>("doWlaczone")->setChecked(true);
        okno.Pokaz();
        QCOMPARE(okno.Wierszy(), 4);
        okno.findChild<QCheckBox*>("odWlaczone")->setChecked(false);
        okno.findChild<QCheckBox*>("doWlaczone")->setChecked(false);

        // Another employee's filter shows nothing; the current one's button brings them back.
        okno.findChild<QLineEdit*>("pracownik")->setText(QString::number(id + 100000));
        okno.Pokaz();
        QCOMPARE(okno.Wierszy(), 0);
        QTest::mouseClick(okno.findChild<QPushButton*>("biezacyPracownik"), Qt::LeftButton);
        QCOMPARE(okno.Wierszy(), 4);
        // Tables and users are offered by name and still filter by what is stored.
        auto* tabela = okno.findChild<QComboBox*>("tabela");
        QCOMPARE(tabela->itemText(2), QString("Urlopy (WykUrl2026.DB)"));
        tabela->setCurrentIndex(2);
        auto* uzytkownik = okno.findChild<QComboBox*>("uzytkownik");
        QCOMPARE(uzytkownik->itemText(2), QString("Małgorzata Żółkiewska (KADRY)"));
        uzytkownik->setCurrentIndex(2);
        okno.Pokaz();
        QCOMPARE(okno.Wierszy(), 1);
        tabela->setCurrentIndex(0);
        uzytkownik->setCurrentIndex(0);

        // The administrator moves everything before tomorrow away.
        okno.findChild<QDateEdit*>("archiwizujPrzed")->setDate(QDate(2100, 1, 1));
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        QTest::mouseClick(okno.findChild<QPushButton*>("archiwizuj"), Qt::LeftButton);
        QCOMPARE(baza.dialogi.komunikaty.back().rodzaj, Rodzaj::Informacja);
        QCOMPARE(okno.Wierszy(), 0);
        QVERIFY(QFile::exists(baza.Plik("DziennikDo21000101.DB")));
    }

    void zwyklyUzytkownikNieArchiwizuje() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        TFDziennikZmian okno(*baza.tdm, baza.dialogi, 0);
        QVERIFY(!okno.findChild<QPushButton*>("archiwizuj")->isEnabled());
        QVERIFY(!okno.findChild<QPushButton*>("biezacyPracownik")->isEnabled());
    }
};

QTEST_MAIN(DziennikOknoTest)
#include "dziennik_okno_test.moc"
