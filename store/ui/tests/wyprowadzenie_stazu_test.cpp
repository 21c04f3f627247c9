#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "compute/okres_lmd.h"
#include "store/obraz_pracownika.h"
#include "store/ui/testing/demo_okien.h"
#include "store/ui/wyprowadzenie_stazu_okno.h"
#include "store/zrodla_obliczen.h"

using mirta::store::ui::TFWyprowadzenieStazu;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Liczba;
using mirta::store::ui::testing::Zrzut;

class WyprowadzenieStazuTest : public QObject {
    Q_OBJECT
private slots:
    // Each kind's result in the window is the seniority the computations give.
    void wynikRownyStazowi() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        auto& pracownicy = *baza.tdm->TPracownicy;
        pracownicy.First();
        pracownicy.Next();
        const int id = Liczba(pracownicy, "Identyfikator");
        mirta::store::ZrodlaObliczen zrodla(*baza.tdm, *baza.tdm1);
        const auto obraz = mirta::store::PoliczObrazPracownika(
            zrodla, id, mirta::store::DataPrzetwarzania(zrodla));

        TFWyprowadzenieStazu okno(*baza.tdm, *baza.tdm1, baza.dialogi, id);
        okno.show();
        auto* rodzaj = okno.findChild<QComboBox*>("rodzaj");
        QVERIFY(rodzaj);
        QCOMPARE(rodzaj->count(), 4);
        for (int i = 0; i < 4; ++i) {
            rodzaj->setCurrentIndex(i);
            const QStringList linie = okno.Tekst().trimmed().split('\n');
            QCOMPARE(linie.back().toStdString(),
                     "Wynik: " + mirta::compute::TekstOkresu(obraz.staz.rodzaje[i].staz));
        }
        rodzaj->setCurrentIndex(0);
        QVERIFY(okno.Tekst().contains("okresy po scaleniu"));
        Zrzut(okno, "wyprowadzenie_stazu");

        QTemporaryDir tmp;
        const QString pdf = tmp.filePath("staz.pdf");
        QVERIFY(okno.DrukujDoPdf(pdf));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(5), QByteArray("%PDF-"));
        QVERIFY(baza.dialogi.komunikaty.empty());
    }
};

QTEST_MAIN(WyprowadzenieStazuTest)
#include "wyprowadzenie_stazu_test.moc"
