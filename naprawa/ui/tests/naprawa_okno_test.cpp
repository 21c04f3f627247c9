#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "naprawa/ui/naprawa_okno.h"
#include "store/ui/testing/demo_okien.h"

using mirta::naprawa::StanTabeli;
using mirta::naprawa::ui::TFNaprawaTabel;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Znajdz;
using mirta::store::ui::testing::Zrzut;

namespace {

// The header's record count raised by `o`: the table no longer matches its blocks.
void ZmienLicznik(const QString& plik, int o) {
    QFile f(plik);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QByteArray b = f.readAll();
    b[6] = static_cast<char>(b[6] + o);
    f.seek(0);
    f.write(b);
}

}  // namespace

class NaprawaOknoTest : public QObject {
    Q_OBJECT
private slots:
    void UstaleniaNaprawaIRaport() {
        DemoOkien baza;
        ZmienLicznik(baza.Plik("Mirta.DB"), 3);
        TFNaprawaTabel okno({baza.Katalog(), "ADMIN", true, {}}, baza.dialogi);
        okno.show();
        QVERIFY(!Znajdz<QPushButton>(okno, "napraw")->isEnabled());
        QTest::mouseClick(Znajdz<QPushButton>(okno, "sprawdz"), Qt::LeftButton);
        auto* tabela = Znajdz<QTableWidget>(okno, "ustalenia");
        QCOMPARE(tabela->rowCount(), 1);
        QCOMPARE(tabela->item(0, 0)->text(), QString("Mirta.DB"));
        QCOMPARE(tabela->item(0, 1)->text(), QString("do naprawy"));
        QVERIFY(tabela->item(0, 2)->text().contains("nagłówek podaje"));
        QVERIFY(Znajdz<QPushButton>(okno, "napraw")->isEnabled());
        QVERIFY(baza.dialogi.komunikaty.empty());
        Zrzut(okno, "naprawa_tabel_ustalenia");

        baza.dialogi.odpowiedzi.push_back(mirta::store::Odpowiedz::Tak);
        QTest::mouseClick(Znajdz<QPushButton>(okno, "napraw"), Qt::LeftButton);
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t{1});
        QVERIFY(baza.dialogi.komunikaty[0].tekst.find("Czy naprawić") != std::string::npos);
        QCOMPARE(tabela->item(0, 1)->text(), QString("naprawiona"));
        QVERIFY(tabela->item(0, 2)->text().contains("zachowana jako Mirta-uszkodzona-"));
        QCOMPARE(Znajdz<QProgressBar>(okno, "postep")->value(), 1000);
        QVERIFY(!Znajdz<QPushButton>(okno, "napraw")->isEnabled());
        Zrzut(okno, "naprawa_tabel_naprawione");

        const auto raport = okno.Raport();
        QVERIFY(!raport.strony.empty());
        bool nazwana = false;
        for (const auto& t : raport.strony[0].teksty)
            nazwana = nazwana || t.tekst == "Mirta.DB";
        QVERIFY(nazwana);

        // Checked again, every table is sound.
        QTest::mouseClick(Znajdz<QPushButton>(okno, "sprawdz"), Qt::LeftButton);
        QCOMPARE(tabela->rowCount(), 0);
        QVERIFY(Znajdz<QLabel>(okno, "etap")->text().contains("sprawne"));
    }

    void BezUprawnienNaprawaNiedostepna() {
        DemoOkien baza;
        ZmienLicznik(baza.Plik("Mirta.DB"), 2);
        TFNaprawaTabel okno({baza.Katalog(), "KADRY", false, {}}, baza.dialogi);
        okno.show();
        okno.Sprawdz();
        QCOMPARE(okno.Wyniki().empty(), false);
        QVERIFY(!Znajdz<QPushButton>(okno, "napraw")->isEnabled());
        const QByteArray przed = [&] {
            QFile f(baza.Plik("Mirta.DB"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        okno.Napraw();
        QCOMPARE(baza.dialogi.komunikaty.back().tekst,
                 std::string("Nie masz uprawnień administratora systemu !!!"));
        QFile f(baza.Plik("Mirta.DB"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), przed);
        Zrzut(okno, "naprawa_tabel_bez_uprawnien");
    }
};

QTEST_MAIN(NaprawaOknoTest)
#include "naprawa_okno_test.moc"
