#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "store/dziennik_zmian.h"
#include "store/ui/dziennik_okno.h"
#include "store/ui/tests/demo_okien.h"

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
    void zmianaWidocznaZFiltramiIArchiwum() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        auto& p = *baza.tdm->TPracownicy;
        p.First();
        const int id = Liczba(p, "Identyfikator");
        const std::string nazwisko = p.Field("Nazwisko").AsText();
        p.Edit();
        p.SetField("Nazwisko", Value::Text(nazwisko + "-Nowak"));
        p.Post();
        p.Edit();
        p.SetField("Imie2", Value::Text("Maria"));
        p.Post();

        TFDziennikZmian okno(*baza.tdm, baza.dialogi, id);
        okno.show();
        QCOMPARE(okno.Wierszy(), 2);
        auto* wpisy = okno.findChild<QTableWidget*>("wpisy");
        // Newest first.
        QCOMPARE(wpisy->item(0, 6)->text(), QString("Imie2"));
        QCOMPARE(wpisy->item(1, 7)->text().toStdString(), nazwisko);
        QCOMPARE(wpisy->item(1, 8)->text().toStdString(), nazwisko + "-Nowak");
        QCOMPARE(wpisy->item(1, 1)->text(), QString("ADMIN"));
        Zrzut(okno, "dziennik_zmian");

        // Another employee's filter shows nothing; the current one's button brings them back.
        okno.findChild<QLineEdit*>("pracownik")->setText(QString::number(id + 100000));
        okno.Pokaz();
        QCOMPARE(okno.Wierszy(), 0);
        QTest::mouseClick(okno.findChild<QPushButton*>("biezacyPracownik"), Qt::LeftButton);
        QCOMPARE(okno.Wierszy(), 2);
        auto* tabela = okno.findChild<QComboBox*>("tabela");
        QCOMPARE(tabela->itemText(1), QString("Mirta.DB"));

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
