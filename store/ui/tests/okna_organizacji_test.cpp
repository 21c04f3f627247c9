#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <map>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/polski.h"
#include "store/etaty.h"
#include "store/ui/podzial_organizacyjny.h"
#include "store/ui/struktura_etatow.h"
#include "store/ui/testing/demo_okien.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::engine::Value;
using mirta::store::KomorkaPodrzedna;
using mirta::store::Odpowiedz;
using mirta::store::PodzialOrganizacyjny;
using namespace mirta::store::ui;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Liczba;
using Tryb = PodzialOrganizacyjny::Tryb;

namespace {

void Nacisnij(QWidget& okno, const char* nawigator, const char* przycisk) {
    auto* n = okno.findChild<QWidget*>(nawigator);
    QVERIFY(n);
    auto* b = n->findChild<QToolButton*>(przycisk);
    QVERIFY(b && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

class OknaOrganizacjiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    // Mode 1 opens on the employee's cell under its superior cell (the third of the list
    // here), and "&Użyj" leaves the employee record in edit state with the chosen cell.
    void komorkaPracownikaWybranaIUzyta() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj());
        auto& tdm = *baza.tdm;
        Dataset& nad = *tdm.TKomorkaNad;
        Dataset& pod = *tdm.TKomorkaPod;
        Dataset& p = *tdm.TPracownicy;
        nad.MoveTo(2);
        const int trzecia = Liczba(nad, "Identyfikator");
        std::map<int, int> nadrzedne;
        for (pod.First(); !pod.Eof(); pod.Next())
            nadrzedne[Liczba(pod, "Identyfikator")] = Liczba(pod, "KomNadrzedna");
        const int64_t wszystkich = pod.RecordCount();
        int komorka = 0;
        for (p.First(); !p.Eof() && komorka == 0; p.Next())
            if (nadrzedne[Liczba(p, "KomorkaOrganizacyjna")] == trzecia)
                komorka = Liczba(p, "KomorkaOrganizacyjna");
        QVERIFY(komorka != 0);
        p.Prior();
        nad.First();
        pod.First();

        std::string nazwaWybranej;
        // The employee page's cell, shown through the list of cells.
        mirta::kit::DataSource pracownik(p, baza.dialogi, baza.edycja);
        mirta::kit::DbLookupCombo komorkaPracownika;
        komorkaPracownika.SetLookup(pod, "Identyfikator", {"Nazwa", "Symbol"});
        komorkaPracownika.Bind(&pracownik, "KomorkaOrganizacyjna");
        komorkaPracownika.Attach();
        {
            TFPoidzialOrganizacyjny okno(baza.UslugiOkien(), Tryb::KomorkaPracownika);
            okno.show();
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            QCOMPARE(Liczba(nad, "Identyfikator"), trzecia);
            QCOMPARE(Liczba(pod, "Identyfikator"), komorka);
            auto* listaNad = okno.findChild<mirta::kit::DbGrid*>("nadLista");
            auto* listaPod = okno.findChild<mirta::kit::DbGrid*>("podLista");
            QCOMPARE(listaNad->currentIndex().row(), 2);
            QCOMPARE(listaPod->currentIndex().row(), static_cast<int>(pod.RecNo()));
            QVERIFY(pod.RecordCount() > 1);
            for (int64_t r = 0; r < pod.RecordCount(); ++r)
                QCOMPARE(pod.RowAt(r)["KomNadrzedna"].AsInteger(), trzecia);
            testing::Zrzut(okno, "podzial_organizacyjny");

            const int inny = pod.RecNo() == 0 ? 1 : 0;
            listaPod->setCurrentIndex(listaPod->model()->index(inny, 0));
            const int wybrana = Liczba(pod, "Identyfikator");
            nazwaWybranej = pod.FieldText("Nazwa");
            QVERIFY(wybrana != komorka);
            QTest::mouseClick(okno.findChild<QPushButton*>("uzyj"), Qt::LeftButton);
            QCOMPARE(okno.result(), int(QDialog::Accepted));
            QVERIFY(!okno.isVisible());
            QCOMPARE(p.State(), DatasetState::Edit);
            QCOMPARE(Liczba(p, "KomorkaOrganizacyjna"), wybrana);
        }
        // Unlinked again: lookups see the cells of every superior cell, through the same
        // dataset.
        QCOMPARE(&*tdm.TKomorkaPod, &pod);
        QCOMPARE(pod.RecordCount(), wszystkich);
        QCOMPARE(komorkaPracownika.count(), static_cast<int>(wszystkich));
        QCOMPARE(komorkaPracownika.currentText().toStdString(), nazwaWybranej);
        KomorkaPodrzedna k;
        k.Wypelnij(tdm, nadrzedne.begin()->first);
        QVERIFY(!k.nazwa.empty());
        p.Cancel();
        QVERIFY(baza.dialogi.komunikaty.empty());
    }

    void uzyjOdmowioneIPytaniaPrzyZamknieciu() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj());
        auto& tdm = *baza.tdm;
        {
            TFPoidzialOrganizacyjny menu(baza.UslugiOkien(), Tryb::Utrzymanie);
            QVERIFY(!menu.findChild<QPushButton*>("uzyj")->isEnabled());
            QVERIFY(!menu.findChild<QWidget*>("nadNawigator")
                         ->findChild<QToolButton*>("delete")
                         ->isVisibleTo(&menu));
        }
        TFPoidzialOrganizacyjny okno(baza.UslugiOkien(), Tryb::KomorkaPracownika);
        okno.show();
        Nacisnij(okno, "nadNawigator", "insert");
        tdm.TKomorkaNad->SetField("Nazwa", Value::Text("SAMODZIELNE STANOWISKA"));
        Nacisnij(okno, "nadNawigator", "post");
        QCOMPARE(tdm.TKomorkaPod->RecordCount(), int64_t{0});

        QTest::mouseClick(okno.findChild<QPushButton*>("uzyj"), Qt::LeftButton);
        QCOMPARE(baza.OstatniKomunikat(),
                 std::string(" W komórce nadrzędnej brak komórek organizacyjnych !!!"));
        QVERIFY(okno.isVisible());
        QCOMPARE(tdm.TPracownicy->State(), DatasetState::Browse);

        Nacisnij(okno, "podNawigator", "insert");
        QTest::mouseClick(okno.findChild<QPushButton*>("uzyj"), Qt::LeftButton);
        QCOMPARE(baza.OstatniKomunikat(),
                 std::string(" Najpierw zapisz dane o komórce organizacyjnej !!!"));
        baza.dialogi.odpowiedzi = {Odpowiedz::Anuluj};
        okno.reject();
        QVERIFY(okno.isVisible());
        QCOMPARE(baza.OstatniKomunikat(), std::string("Czy dopisać nową komórkę organizacyjną ?"));
        QCOMPARE(baza.dialogi.komunikaty.back().tytul,
                 std::string(" Kontrola danych o podziale organizacyjnym firmy."));
        // Saved on closing, the new cell belongs to the current superior cell.
        const int nowaNad = Liczba(*tdm.TKomorkaNad, "Identyfikator");
        tdm.TKomorkaPod->SetField("Nazwa", Value::Text("Stanowisko ds. BHP"));
        baza.dialogi.odpowiedzi = {Odpowiedz::Tak};
        okno.reject();
        QVERIFY(!okno.isVisible());
        QCOMPARE(tdm.TKomorkaPod->State(), DatasetState::Browse);
        QCOMPARE(tdm.TKomorkaPod->RecordCount(), int64_t{1});
        QCOMPARE(Liczba(*tdm.TKomorkaPod, "KomNadrzedna"), nowaNad);
    }

    // While one of the two tables is being changed, the other's list and navigator are off.
    void strukturaEtatowBlokada() {
        DemoOkien baza;
        QVERIFY(baza.Zaloguj());
        auto& tdm1 = *baza.tdm1;
        TFStrukturaEtatow okno(baza.UslugiOkien());
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        auto* glowki = okno.findChild<QWidget*>("glowkiPanel");
        auto* pozycje = okno.findChild<QWidget*>("pozycjePanel");
        QVERIFY(!tdm1.TGlowkaStrukturyEtatow->IsEmpty());
        QVERIFY(glowki->isEnabled() && pozycje->isEnabled());
        testing::Zrzut(okno, "struktura_etatow");

        Nacisnij(okno, "glowkiNawigator", "edit");
        QVERIFY(glowki->isEnabled() && !pozycje->isEnabled());
        Nacisnij(okno, "glowkiNawigator", "cancel");
        QVERIFY(glowki->isEnabled() && pozycje->isEnabled());

        Nacisnij(okno, "pozycjeNawigator", "insert");
        QVERIFY(!glowki->isEnabled() && pozycje->isEnabled());
        auto* lista = okno.findChild<mirta::kit::DbGrid*>("pozycjeLista");
        auto* model = lista->model();
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QString("Typ prac."));
        const QModelIndex typ = model->index(lista->currentIndex().row(), 3);
        lista->setCurrentIndex(typ);
        lista->edit(typ);
        auto* wybor = lista->findChild<QComboBox*>();
        QVERIFY(wybor);
        QCOMPARE(wybor->itemText(0), QString("C - cywil"));
        wybor->setCurrentIndex(1);
        QTest::keyClick(wybor, Qt::Key_Tab);
        QCOMPARE(tdm1.TPozStrukturyEtatow->FieldText("TypPracownika"), std::string("F"));

        baza.dialogi.odpowiedzi = {Odpowiedz::Anuluj};
        okno.reject();
        QVERIFY(okno.isVisible());
        QCOMPARE(baza.OstatniKomunikat(),
                 std::string("Czy dopisać nową pozycje struktury etatów ?"));
        baza.dialogi.odpowiedzi = {Odpowiedz::Nie};
        okno.reject();
        QVERIFY(!okno.isVisible());
        QVERIFY(glowki->isEnabled() && pozycje->isEnabled());
    }
};

QTEST_MAIN(OknaOrganizacjiTest)
#include "okna_organizacji_test.moc"
