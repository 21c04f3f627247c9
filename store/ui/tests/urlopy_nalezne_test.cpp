#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "compute/urlop.h"
#include "kit/polski.h"
#include "store/obraz_pracownika.h"
#include "store/ui/testing/demo_okien.h"
#include "store/ui/urlopy_nalezne.h"
#include "store/zrodla_obliczen.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::store::Odpowiedz;
using namespace mirta;
using namespace mirta::store::ui;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Liczba;
using mirta::store::ui::testing::Zrzut;

using mirta::store::ui::testing::Znajdz;

namespace {

void Nawigator(QWidget& okno, const char* przycisk) {
    auto* b = Znajdz(okno, "nawigatorTUrlopNalez")->findChild<QToolButton*>(przycisk);
    QVERIFY(b && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

void Wpisz(QWidget& okno, const QString& nazwa, const QString& tekst) {
    auto* pole = Znajdz<QLineEdit>(okno, nazwa);
    pole->setFocus();
    pole->selectAll();
    QTest::keyClicks(pole, tekst);
    QTest::keyClick(pole, Qt::Key_Return);
}

// The demo's first employee (in list order) with leave taken and a leave-due row this year.
bool NaPracownikuZUrlopem(DemoOkien& d) {
    d.tdm1->Open(d.tdm1->TUrlopy);
    Dataset& p = *d.tdm->TPracownicy;
    for (p.First(); !p.Eof(); p.Next())
        if (d.tdm1->TUrlopy->RecordCount() >= 2 && !d.tdm1->TUrlopNalez->IsEmpty())
            return true;
    return false;
}

std::string TekstZObliczen(DemoOkien& d) {
    store::ZrodlaObliczen zrodla(*d.tdm, *d.tdm1);
    const compute::DataKal data = store::DataPrzetwarzania(zrodla);
    const auto o = store::PoliczObrazPracownika(
        zrodla, Liczba(*d.tdm->TPracownicy, "Identyfikator"), data, {.wynagrodzenie = false});
    return compute::TekstUrlopowNaleznych(o.urlop, data);
}

}  // namespace

class UrlopyNalezneTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    // The window shows the balance text of the current employee, the same the computations
    // give; a stored change of the carried-over leave shows in it at once.
    void tekstIZmianaZaleglego() {
        DemoOkien d;
        QVERIFY(d.ZalogujIOtworzTabele());
        QVERIFY(NaPracownikuZUrlopem(d));
        d.edycja.SetOn(false);
        TFUrlopyNalezne okno(d.UslugiOkien());
        okno.show();
        QCOMPARE(okno.windowTitle(), QString("Rozliczenie urlopu wypoczynkowego."));
        const QString tekst = okno.Tekst();
        QVERIFY(
            tekst.startsWith("Obliczenie urlopu na dzień: 10 grudnia 2026.\n\nUrlop roku "
                             "bieżącego:"));
        QCOMPARE(tekst.toStdString(), TekstZObliczen(d));
        Zrzut(okno, "urlopy_nalezne");

        // The fields wait for the edit with automatic edit off.
        auto* zalegly = Znajdz<QLineEdit>(okno, "TUrlopNalezUrlopZaleglyPoprzedniRok");
        QVERIFY(!zalegly->isEnabled());
        // The carry-over of the first leave-due row counts.
        d.tdm1->TUrlopNalez->First();
        Nawigator(okno, "edit");
        QVERIFY(zalegly->isEnabled());
        Dataset& n = *d.tdm1->TUrlopNalez;
        const int przed = Liczba(n, "UrlopZaleglyPoprzedniRok");
        Wpisz(okno, "TUrlopNalezUrlopZaleglyPoprzedniRok", QString::number(przed + 7));
        Nawigator(okno, "post");
        QCOMPARE(n.State(), DatasetState::Browse);
        QVERIFY(!zalegly->isEnabled());
        QCOMPARE(Liczba(n, "UrlopZaleglyPoprzedniRok"), przed + 7);
        QTRY_VERIFY(okno.Tekst() != tekst);
        QCOMPARE(okno.Tekst().toStdString(), TekstZObliczen(d));
        QVERIFY(okno.Tekst().contains("Urlop zaległy:"));
        QVERIFY(d.dialogi.komunikaty.empty());
    }

    // Closing with an unsaved row asks the window's question; No drops the change.
    void zamykanieZPytaniem() {
        DemoOkien d;
        QVERIFY(d.ZalogujIOtworzTabele());
        QVERIFY(NaPracownikuZUrlopem(d));
        TFUrlopyNalezne okno(d.UslugiOkien());
        okno.show();
        Nawigator(okno, "edit");
        d.dialogi.odpowiedzi = {Odpowiedz::Nie};
        okno.PrzyciskZamknij()->click();
        QCOMPARE(d.dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(d.dialogi.komunikaty[0].tekst,
                 std::string(" Czy zapisać dane o urlopach należnych ?"));
        QCOMPARE(d.dialogi.komunikaty[0].tytul,
                 std::string(" Kontrola danych o urlopach należnych."));
        QCOMPARE(d.tdm1->TUrlopNalez->State(), DatasetState::Browse);
        QVERIFY(!okno.isVisible());
    }

    // The statistics of the year's leave by type, in a window of its own.
    void statystykaUrlopow() {
        DemoOkien d;
        QVERIFY(d.ZalogujIOtworzTabele());
        QVERIFY(NaPracownikuZUrlopem(d));
        TFUrlopyNalezne okno(d.UslugiOkien());
        const QString tekst = okno.TekstStatystyki();
        const QStringList linie = tekst.split('\n', Qt::SkipEmptyParts);
        QVERIFY(linie.size() >= 4);
        QVERIFY(linie[0].contains(" Dni kalendarzowych: "));
        QCOMPARE(linie[linie.size() - 3], QString(67, '-'));
        QVERIFY(linie[linie.size() - 2].startsWith("Razem zestawienie  Dni kalendarzowych: "));
        QCOMPARE(linie.back(), QString(" Godziny urlopu = Dni*8+godz."));

        QTimer::singleShot(0, [] {
            auto* s = qobject_cast<TFStatystykaUrlopow*>(QApplication::activeModalWidget());
            QVERIFY(s);
            QCOMPARE(s->windowTitle(), QString("Statystyka rodzajów urlopów."));
            Zrzut(*s, "statystyka_urlopow");
            Znajdz<QPushButton>(*s, "zamknij")->click();
        });
        okno.show();
        Znajdz<QPushButton>(okno, "statystykaUrlopow")->click();
        QVERIFY(d.dialogi.komunikaty.empty());
    }
};

QTEST_MAIN(UrlopyNalezneTest)
#include "urlopy_nalezne_test.moc"
