#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "store/obraz_pracownika.h"
#include "store/terminy.h"
#include "store/ui/terminy_okno.h"
#include "store/ui/tests/demo_okien.h"
#include "store/zrodla_obliczen.h"

using mirta::store::ui::TFTerminy;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;

class TerminyOknoTest : public QObject {
    Q_OBJECT
private slots:
    // The window lists what the computation finds, for the days chosen.
    void TerminyDemo() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        TFTerminy okno(*baza.tdm, *baza.tdm1, baza.dialogi);
        okno.show();
        okno.findChild<QSpinBox*>("dni")->setValue(365);
        QTest::mouseClick(okno.findChild<QPushButton*>("pokaz"), Qt::LeftButton);
        mirta::store::ZrodlaObliczen zrodla(*baza.tdm, *baza.tdm1);
        const auto terminy =
            mirta::store::TerminyWOkresie(zrodla, mirta::store::DataPrzetwarzania(zrodla), 365);
        QVERIFY(!terminy.empty());
        QCOMPARE(okno.Wierszy(), static_cast<int>(terminy.size()));
        QCOMPARE(okno.findChild<QTableWidget*>("terminy")->item(0, 2)->text().toStdString(),
                 terminy.front().nazwisko);
        Zrzut(okno, "terminy");
        QVERIFY(baza.dialogi.komunikaty.empty());
    }
};

QTEST_MAIN(TerminyOknoTest)
#include "terminy_okno_test.moc"
