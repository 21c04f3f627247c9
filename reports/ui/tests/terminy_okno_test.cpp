#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "compute/teksty_dat.h"
#include "reports/eksport.h"
#include "reports/ui/podglad.h"
#include "reports/ui/terminy_okno.h"
#include "kit/polski.h"
#include "store/obraz_pracownika.h"
#include "store/terminy.h"
#include "store/ui/testing/demo_okien.h"
#include "store/zrodla_obliczen.h"

using mirta::reports::FormatWydruku;
using mirta::reports::ui::TFTerminy;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;

class TerminyOknoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    // The window lists what the computation finds, for the days chosen; its report has a
    // line per date with the same columns, which the export writes out.
    void listAndReportOfTheDemoUnit() {
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

        const auto& w = okno.Biezacy();
        QCOMPARE(w.tytul, std::string("Terminy od 2026-12-10 do 2027-12-10"));
        QVERIFY(w.strony.size() > 1);
        QTemporaryDir katalog;
        const QString csv = katalog.filePath("terminy.CSV");
        QVERIFY(okno.Eksportuj(csv, FormatWydruku::Csv));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString tekst = QString::fromUtf8(f.readAll());
        const auto& t = terminy.back();
        const QString wiersz = QString::fromStdString(
            mirta::compute::TekstDaty(t.data) + "," + std::to_string(t.pracownik) + "," +
            mirta::reports::PoleCsv(t.nazwisko) + "," +
            mirta::reports::PoleCsv(mirta::store::NazwaTerminu(t.rodzaj)) + "," +
            mirta::reports::PoleCsv(t.opis));
        QVERIFY2(tekst.contains(wiersz), qPrintable(wiersz));

        // A name that does not fit the format is refused and nothing is written.
        QVERIFY(!okno.Eksportuj(katalog.filePath("terminy.TXT"), FormatWydruku::Pdf));
        QVERIFY(!QFile::exists(katalog.filePath("terminy.TXT")));
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t{1});
        baza.dialogi.komunikaty.clear();

        // The preview shows the same report, to print or save.
        int stron = 0;
        QTimer::singleShot(0, [&] {
            auto* podglad = qobject_cast<mirta::reports::ui::TQuickReportViewer*>(
                QApplication::activeModalWidget());
            QVERIFY(podglad);
            stron = podglad->LiczbaStron();
            Zrzut(*podglad, "terminy_podglad");
            podglad->close();
        });
        QTest::mouseClick(okno.findChild<QPushButton*>("ButtonPodglad"), Qt::LeftButton);
        QCOMPARE(stron, static_cast<int>(w.strony.size()));
        QVERIFY(baza.dialogi.komunikaty.empty());
    }
};

QTEST_MAIN(TerminyOknoTest)
#include "terminy_okno_test.moc"
