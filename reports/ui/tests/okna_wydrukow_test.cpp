// The launcher and the preview on the demo unit, offscreen: choices, checks, saved
// definitions, the preview's controls, saving and reopening, the extension check.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include "reports/definicje.h"
#include "reports/plik_qrp.h"
#include "reports/ui/podglad.h"
#include "reports/ui/rysowanie.h"
#include "reports/ui/wydruki_okno.h"
#include "store/ui/tests/demo_okien.h"

using mirta::reports::DefinicjaWydruku;
using mirta::reports::FormatWydruku;
using mirta::reports::ui::TFWydruki;
using mirta::reports::ui::TQuickReportViewer;
using mirta::store::Odpowiedz;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;
using Rodzaj = mirta::store::testing::DialogiSkryptowe::Rodzaj;

using mirta::store::ui::testing::Kliknij;
using mirta::store::ui::testing::Znajdz;

namespace {}  // namespace

class OknaWydrukowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        baza = std::make_unique<DemoOkien>();
        QVERIFY(baza->ZalogujIOtworzTabele());
        definicja = DefinicjaWydruku{};
    }
    void cleanup() { baza.reset(); }

    void OpensOnTheProcessingYearAndEveryUnit() {
        TFWydruki okno(*baza->tdm, *baza->tdm1, baza->dialogi, baza->edycja, definicja);
        okno.show();
        QCOMPARE(Znajdz<QLineEdit>(okno, "dataOd")->text(), QString("2026-01-01"));
        QCOMPARE(Znajdz<QLineEdit>(okno, "dataDo")->text(), QString("2026-12-31"));
        QCOMPARE(Znajdz<QLabel>(okno, "komorka")->text(),
                 QString("Wszystkie komórki organizacyjne."));
        QCOMPARE(Znajdz<QListWidget>(okno, "wybory")->count(), 19);
        QVERIFY(Znajdz<QCheckBox>(okno, "drukujBezDanych")->isChecked());
        QVERIFY(!Znajdz<QWidget>(okno, "panelDefinicji")->isVisible());
        okno.WybierzWydruk(18);
        QVERIFY(Znajdz<QWidget>(okno, "panelDefinicji")->isVisible());
        okno.UstawOczko(0, 0, "Nazwisko", "<<NAZWISKO>>");
        okno.UstawOczko(0, 3, "Lp.", "<<LP>>");
        Zrzut(okno, "wydruki_i_zestawienia");
        okno.WybierzWydruk(17);
        QVERIFY(Znajdz<QWidget>(okno, "szablony")->isVisible());
    }

    void RefusesABadPeriodAndAnEmptyDefinition() {
        TFWydruki okno(*baza->tdm, *baza->tdm1, baza->dialogi, baza->edycja, definicja);
        okno.WybierzWydruk(4);
        okno.UstawOkres("2007-05-01", "2007-04-30");
        okno.Podglad(true);
        QCOMPARE(baza->OstatniKomunikat(),
                 std::string("Data do nie może być mniejsza od daty od !!!"));
        QVERIFY(!okno.OstatniPodglad());
        okno.WybierzWydruk(18);
        okno.Podglad(true);
        QCOMPARE(baza->OstatniKomunikat(), std::string("Nie wybrano danych do wydruku !!!"));
    }

    void PreviewShowsPagesWithItsControlsAndSavesAndReopens() {
        TFWydruki okno(*baza->tdm, *baza->tdm1, baza->dialogi, baza->edycja, definicja);
        okno.WybierzWydruk(2);
        okno.Podglad(true);
        TQuickReportViewer* p = okno.OstatniPodglad();
        QVERIFY(p);
        p->resize(1000, 760);
        p->show();
        QCOMPARE(p->windowTitle(), QString("Wykształcenie pracowników."));
        // The first page is shown before the last is laid out; saving waits for the end.
        while (p->LiczbaStron() == 0)
            QTest::qWait(1);
        QVERIFY(!Znajdz<QPushButton>(*p, "zapiszWydruk")->isEnabled() || p->Przygotowany());
        p->DokonczPrzygotowanie();
        QVERIFY(p->Przygotowany());
        QVERIFY(Znajdz<QPushButton>(*p, "zapiszWydruk")->isEnabled());
        QVERIFY(Znajdz<QPushButton>(*p, "szerokoscStrony")->isChecked());
        QVERIFY(p->LiczbaStron() >= 2);
        QVERIFY(!Znajdz<QPushButton>(*p, "pierwszaStrona")->isEnabled());
        QVERIFY(Znajdz<QPushButton>(*p, "nastepnaStrona")->isEnabled());
        Zrzut(*p, "podglad_wydruku");
        Kliknij(*p, "ostatniaStrona");
        QCOMPARE(p->Strona(), p->LiczbaStron() - 1);
        QVERIFY(!Znajdz<QPushButton>(*p, "nastepnaStrona")->isEnabled());
        QVERIFY(Znajdz<QPushButton>(*p, "poprzedniaStrona")->isEnabled());
        QCOMPARE(Znajdz<QLabel>(*p, "panel1")->text(),
                 QString("Strona %1 z %1").arg(p->LiczbaStron()));
        // Zoom: the slider releases the fit, "100 %" sets it, the label follows.
        Znajdz<QSlider>(*p, "Powiekszenie")->setValue(55);
        QVERIFY(!Znajdz<QPushButton>(*p, "szerokoscStrony")->isChecked());
        QCOMPARE(Znajdz<QLabel>(*p, "procent")->text(), QString("55 %"));
        Kliknij(*p, "sto");
        QCOMPARE(Znajdz<QSlider>(*p, "Powiekszenie")->value(), 100);
        Kliknij(*p, "calaStrona");
        QVERIFY(Znajdz<QPushButton>(*p, "calaStrona")->isChecked());
        Zrzut(*p, "podglad_cala_strona");

        // The extension check ignores letter case; HTML must be HTM.
        QTemporaryDir dir;
        QVERIFY(p->ZapiszJako(dir.filePath("wyniki.txt"), FormatWydruku::Txt));
        QVERIFY(!p->ZapiszJako(dir.filePath("wyniki.html"), FormatWydruku::Htm));
        QCOMPARE(baza->OstatniKomunikat(),
                 std::string("Rozszerzenie nazwy nie odpowiada wybranemu formatowi."));
        QCOMPARE(baza->dialogi.komunikaty.back().tytul, std::string("Nieprawidłowe rozszerzenie"));
        QVERIFY(!QFile::exists(dir.filePath("wyniki.html")));
        QVERIFY(p->ZapiszJako(dir.filePath("wyniki.qrp"), FormatWydruku::Qrp));
        QVERIFY(p->ZapiszJako(dir.filePath("wyniki.csv"), FormatWydruku::Csv));
        const mirta::reports::Wydruk zapisany = p->Biezacy();

        // Reopened: the same pages, at page 1, and not saveable again.
        TQuickReportViewer drugi(baza->dialogi);
        QVERIFY(drugi.Otworz(dir.filePath("wyniki.qrp")));
        QVERIFY(drugi.Biezacy() == zapisany);
        QCOMPARE(drugi.Strona(), 0);
        QVERIFY(!Znajdz<QPushButton>(drugi, "zapiszWydruk")->isEnabled());

        // A corrupt file is refused with a clear message.
        QFile zly(dir.filePath("zly.qrp"));
        QVERIFY(zly.open(QIODevice::WriteOnly));
        zly.write("MIRTA-WYDRUK\t1\nSTRONA\t1e999\t5\n");
        zly.close();
        QVERIFY(!drugi.Otworz(dir.filePath("zly.qrp")));
        QVERIFY(baza->OstatniKomunikat().find("uszkodzony") != std::string::npos);

        Kliknij(*p, "zamknijWydruk");
        QCOMPARE(p->Strona(), 0);
        QVERIFY(!p->Przygotowany());
    }

    // Closing the preview while the report is still laid out drops it whole.
    void ClosingDuringPreparationLeavesNothing() {
        TFWydruki okno(*baza->tdm, *baza->tdm1, baza->dialogi, baza->edycja, definicja);
        okno.WybierzWydruk(3);
        okno.Podglad(true);
        TQuickReportViewer* p = okno.OstatniPodglad();
        QVERIFY(p && !p->Przygotowany());
        Kliknij(*p, "zamknijWydruk");
        QVERIFY(!p->Przygotowany());
        QCOMPARE(p->LiczbaStron(), 0);
        QTest::qWait(20);  // no step runs after the close
        QCOMPARE(p->LiczbaStron(), 0);
    }

    void SavedDefinitionsAreWrittenAndReadBack() {
        const int32_t id = mirta::reports::DodajDefinicje(*baza->tdm1, "Lista PESEL");
        {
            TFWydruki okno(*baza->tdm, *baza->tdm1, baza->dialogi, baza->edycja, definicja);
            okno.WybierzWydruk(18);
            okno.UstawOczko(0, 0, "Nazwisko i imię", "<<NAZWISKO>>");
            okno.UstawOczko(1, 2, "PESEL", "<<PESEL>>");
            baza->dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak};
            baza->tdm1->Open(baza->tdm1->TPozWyd);
            const uint64_t przed = baza->tdm1->TPozWyd->GetTable().RowCount();
            okno.ZapiszDefinicje();
            QCOMPARE(baza->OstatniKomunikat(), std::string("Wydruk zapisany !!!"));
            QCOMPARE(baza->tdm1->TPozWyd->GetTable().RowCount(), przed + 30);
            okno.ZapiszDefinicje();  // the same 30 records again, none added
            QCOMPARE(baza->tdm1->TPozWyd->GetTable().RowCount(), przed + 30);
            okno.reject();
        }
        DefinicjaWydruku odczytana;
        mirta::reports::OdczytajDefinicje(*baza->tdm1, id, odczytana);
        QCOMPARE(odczytana.oczka[1][2].tytul, std::string("PESEL"));
        QCOMPARE(odczytana.oczka[0][0].tresc, std::string("<<NAZWISKO>>"));
        QVERIFY(odczytana.szerokosci[0] >= definicja.szerokosci[0] - 1);
    }

private:
    std::unique_ptr<DemoOkien> baza;
    DefinicjaWydruku definicja;
};

QTEST_MAIN(OknaWydrukowTest)
#include "okna_wydrukow_test.moc"
