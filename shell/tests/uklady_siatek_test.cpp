#include "shell/uklady_siatek.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "engine/file_system.h"
#include "kit/polski.h"
#include "kit/zrzuty.h"
#include "shell/kolumna_okno.h"
#include "engine/file_system.h"
#include "store/ui/testing/demo_okien.h"
#include "wspolne/testing/dialogi_skryptowe.h"

using namespace mirta;
using shell::KolumnaOkno;

namespace {

constexpr engine::CivilDate kDzis{2026, 12, 10};
const Qt::Alignment kSrodek = Qt::AlignHCenter | Qt::AlignVCenter;

kit::Column K(const char* pole, const char* tytul, int szerokosc,
              Qt::Alignment wyrownanieTytulu = Qt::AlignLeft | Qt::AlignVCenter) {
    kit::Column k;
    k.field = pole;
    k.title = QString::fromUtf8(tytul);
    k.width = szerokosc;
    k.titleAlignment = wyrownanieTytulu;
    return k;
}

// The employee list as the main window builds it.
std::vector<kit::Column> KolumnyPracownikow() {
    return {K("AktualnyStopien", "Stopień", 110),
            K("AktualneStanowisko", "Stanowisko", 140),
            K("Nazwisko", "Nazwisko", 120),
            K("Imie1", "Imię pierwsze", 100),
            K("Imie2", "drugie", 90),
            K("PESEL", "PESEL", 95, kSrodek),
            K("ImieOjca", "Imię ojca", 90),
            K("DataZatrudnienia", "Data zatrudnienia", 110, kSrodek),
            K("DataZwolnienia", "Data zwolnienia", 110, kSrodek),
            K("Podzial", " ", 40),
            K("Identyfikator", "Identyfikator", 80),
            K("NumerPracownika", "Numer pracownika", 100)};
}

std::vector<kit::Column> KolumnyPoprzednichZatrudnien() {
    return {K("DataOd", "Data od", 90), K("DataDo", "Data do", 90),
            K("NazwaZakładuPracy", "Nazwa zakładu pracy", 200)};
}

// A small demo unit, made once per test program.
std::string Demo() {
    return store::ui::testing::DemoOkien::Wzor().toStdString();
}

// One run of the program: data modules opened, a user logged in, both grids with their
// built-in columns (the previous-employment one on a page not shown, so unbound) and the
// user's layouts read.
struct Przebieg {
    Przebieg(const std::string& katalog, const std::string& nazwa, const std::string& haslo) {
        tdm = std::make_unique<store::TDM>(engine::FileSystem::Real(), katalog, dialogi, kDzis);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<store::TDM1>(*tdm);
        const store::DaneStartowe dane{kDzis, nazwa, haslo};
        zalogowany = tdm->FunkcjaStartowa(&dane) && tdm->Sesja().Zalogowany();
        tdm1->Open(tdm1->TPopZatrudnienie);
        zrodlo1 = std::make_unique<kit::DataSource>(*tdm->TPracownicy, dialogi, autoEdit);
        zrodlo14 = std::make_unique<kit::DataSource>(*tdm1->TPopZatrudnienie, dialogi, autoEdit);
        dbGrid1.SetColumns(KolumnyPracownikow());
        dbGrid1.SetReadOnly(true);
        dbGrid1.SetDataSource(zrodlo1.get());
        dbGrid1.Attach();
        dbGrid14.SetColumns(KolumnyPoprzednichZatrudnien());
        dbGrid14.SetDataSource(zrodlo14.get());
        if (zalogowany)
            shell::Zastosuj(*tdm1, dbGrid1, dbGrid14);
    }

    store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
    bool zalogowany = false;
    kit::AutomaticEdit autoEdit;
    std::unique_ptr<kit::DataSource> zrodlo1, zrodlo14;
    kit::DbGrid dbGrid1, dbGrid14;
};

// Handles the column dialog once it is shown.
void PoOtwarciu(std::function<void(KolumnaOkno&)> akcja) {
    QTimer::singleShot(0, [akcja] {
        auto* okno = qobject_cast<KolumnaOkno*>(QApplication::activeModalWidget());
        if (!okno) {
            QFAIL("no column dialog");
            return;
        }
        akcja(*okno);
    });
}

void Zmien(KolumnaOkno& okno, const QString& tytul, const QString& pole) {
    auto* edycja = okno.findChild<QLineEdit*>("ENazwaKolumny");
    edycja->selectAll();
    QTest::keyClicks(edycja, tytul);
    auto* lista = okno.findChild<QComboBox*>("CBNazwaPola");
    lista->setCurrentIndex(lista->findText(pole));
    QTest::mouseClick(okno.findChild<QPushButton*>("BZapisz"), Qt::LeftButton);
}

QString Tytul(const kit::DbGrid& siatka, int kolumna) {
    return siatka.model()->headerData(kolumna, Qt::Horizontal).toString();
}

}  // namespace

class UkladySiatekTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    // Each user finds his own columns after the program was closed and started again.
    void layoutsOfTwoUsersSurviveARestart() {
        QTemporaryDir katalog;
        const std::string dane = katalog.path().toStdString();
        std::filesystem::copy(Demo(), dane, std::filesystem::copy_options::recursive);
        {
            Przebieg admin(dane, "ADMIN", "");
            QVERIFY(admin.zalogowany);
            admin.dbGrid1.horizontalHeader()->resizeSection(2, 211);  // dragged
            PoOtwarciu([](KolumnaOkno& okno) { Zmien(okno, "Nr ewid.", "NrEwidencyjny"); });
            QVERIFY(shell::EdytujKolumne(
                admin.dbGrid1, 3, shell::PolaTabeli(admin.tdm->TPracownicy.Opis()), admin.dialogi));
            shell::Zapisz(*admin.tdm1, admin.dbGrid1, admin.dbGrid14);
            QVERIFY(admin.dialogi.komunikaty.empty());
        }
        {
            Przebieg kadry(dane, "KADRY", "kadry");
            QVERIFY(kadry.zalogowany);
            QCOMPARE(kadry.dbGrid1.Columns()[2].width, 120);  // nothing of ADMIN's
            QCOMPARE(Tytul(kadry.dbGrid1, 3), QString("Imię pierwsze"));
            kadry.dbGrid1.horizontalHeader()->resizeSection(0, 150);
            auto zaklad = kadry.dbGrid14.Columns()[2];
            zaklad.title = "Zakład";
            kadry.dbGrid14.SetColumn(2, zaklad);
            auto od = kadry.dbGrid14.Columns()[0];
            od.width = 130;
            kadry.dbGrid14.SetColumn(0, od);
            shell::Zapisz(*kadry.tdm1, kadry.dbGrid1, kadry.dbGrid14);
        }
        {
            Przebieg admin(dane, "ADMIN", "");
            const auto kolumny = admin.dbGrid1.Columns();
            QCOMPARE(kolumny[2].width, 211);
            QCOMPARE(admin.dbGrid1.columnWidth(2), 211);
            QCOMPARE(kolumny[0].width, 110);
            QCOMPARE(kolumny[3].field, std::string("NrEwidencyjny"));
            QCOMPARE(Tytul(admin.dbGrid1, 3), QString("Nr ewid."));
            const std::string nrEwid = admin.tdm->TPracownicy->RowAt(0).Text("NrEwidencyjny");
            QVERIFY(!nrEwid.empty());
            QCOMPARE(admin.dbGrid1.model()->index(0, 3).data().toString(),
                     QString::fromStdString(nrEwid));
            QCOMPARE(admin.dbGrid14.Columns()[2].title, QString("Nazwa zakładu pracy"));
            QVERIFY(admin.dialogi.komunikaty.empty());
        }
        {
            Przebieg kadry(dane, "KADRY", "kadry");
            const auto kolumny = kadry.dbGrid1.Columns();
            QCOMPARE(kolumny[0].width, 150);
            QCOMPARE(kolumny[2].width, 120);
            QCOMPARE(kolumny[3].field, std::string("Imie1"));
            QCOMPARE(kadry.dbGrid14.Columns()[2].title, QString("Zakład"));
            QCOMPARE(kadry.dbGrid14.Columns()[0].width, 130);
            kadry.dbGrid14.Attach();  // the page is shown
            QCOMPARE(Tytul(kadry.dbGrid14, 2), QString("Zakład"));
            QCOMPARE(kadry.dbGrid14.columnWidth(0), 130);
        }
    }

    // A click on a title opens the dialog for that column; "&Porzuć" keeps the column,
    // "&Zapisz" re-points it.
    void titleClickOpensTheColumnDialog() {
        Przebieg p(Demo(), "ADMIN", "");
        QVERIFY(p.zalogowany);
        shell::PodlaczEdycjeKolumn(p.dbGrid1, *p.tdm);
        p.dbGrid1.resize(1100, 300);
        p.dbGrid1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.dbGrid1));
        QHeaderView* naglowek = p.dbGrid1.horizontalHeader();
        auto kliknij = [&](int kolumna) {
            QTest::mouseClick(
                naglowek->viewport(), Qt::LeftButton, {},
                {naglowek->sectionViewportPosition(kolumna) + 6, naglowek->height() / 2});
        };
        const auto pola = shell::PolaTabeli(p.tdm->TPracownicy.Opis());
        bool pokazane = false;
        PoOtwarciu([&](KolumnaOkno& okno) {
            pokazane = true;
            QCOMPARE(okno.windowTitle(), QString("Zmiana kolumny Grida."));
            QCOMPARE(okno.findChild<QLabel*>("LNumerKolumny")->text(), QString("5"));
            QCOMPARE(okno.findChild<QLineEdit*>("EAktualnaNazwaKolumny")->text(), QString("PESEL"));
            QCOMPARE(okno.findChild<QLineEdit*>("EAktualnaNazwaPola")->text(), QString("PESEL"));
            QCOMPARE(okno.findChild<QLineEdit*>("ENazwaKolumny")->text(), QString("PESEL"));
            auto* lista = okno.findChild<QComboBox*>("CBNazwaPola");
            QCOMPARE(lista->count(), static_cast<int>(pola.size()));
            QCOMPARE(lista->itemText(0).toStdString(), pola.front());
            QCOMPARE(lista->currentText(), QString("PESEL"));
            QVERIFY(lista->findText("AktualnyStopien") >= 0);  // calculated fields too
            kit::ZapiszZrzut(okno, "kolumna_okno");
            okno.findChild<QLineEdit*>("ENazwaKolumny")->setText("zmienione");
            QTest::mouseClick(okno.findChild<QPushButton*>("BPorzuc"), Qt::LeftButton);
        });
        kliknij(5);
        QVERIFY(pokazane);
        QCOMPARE(p.dbGrid1.Columns()[5].title, QString("PESEL"));
        QCOMPARE(p.dbGrid1.Columns()[5].field, std::string("PESEL"));

        p.dbGrid1.horizontalHeader()->resizeSection(1, 177);
        PoOtwarciu([](KolumnaOkno& okno) { Zmien(okno, "Miasto", "Miejscowosc"); });
        kliknij(5);
        const auto kolumny = p.dbGrid1.Columns();
        QCOMPARE(kolumny[5].title, QString("Miasto"));
        QCOMPARE(kolumny[5].field, std::string("Miejscowosc"));
        QCOMPARE(kolumny[5].titleAlignment, kSrodek);  // the rest of the column stays
        QCOMPARE(kolumny[1].width, 177);               // and so do the others
        QCOMPARE(p.dbGrid1.model()->index(0, 5).data().toString(),
                 QString::fromStdString(p.tdm->TPracownicy->RowAt(0).Text("Miejscowosc")));
        QVERIFY(p.dialogi.komunikaty.empty());
    }

    void aColumnWhoseFieldIsNotInTheTableIsReportedWithoutTheDialog() {
        Przebieg p(Demo(), "ADMIN", "");
        auto kolumny = KolumnyPracownikow();
        kolumny[4].field = "Imie3";
        p.dbGrid1.SetColumns(kolumny);
        bool pokazane = false;
        QTimer::singleShot(0, [&] {
            if (auto* okno = QApplication::activeModalWidget()) {
                pokazane = true;
                okno->close();
            }
        });
        QVERIFY(!shell::EdytujKolumne(p.dbGrid1, 4, shell::PolaTabeli(p.tdm->TPracownicy.Opis()),
                                      p.dialogi));
        QCoreApplication::processEvents();
        QVERIFY(!pokazane);
        QCOMPARE(p.dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(p.dialogi.komunikaty[0].tekst, std::string("Nie znaleziono pola:Imie3 !!!"));
        QCOMPARE(p.dialogi.komunikaty[0].tytul, std::string("Kontrola danych."));
        QCOMPARE(p.dbGrid1.Columns()[4].field, std::string("Imie3"));
    }

    // Stored columns meet a grid that may have changed since they were saved.
    void storedColumnsMeetTheGrid() {
        Przebieg p(Demo(), "ADMIN", "");
        std::vector<store::ZapisanaKolumna> uklad;
        for (int i = 0; i < 12; ++i) {
            store::ZapisanaKolumna z;
            z.numer = i;
            z.kolumna.szerokosc = static_cast<int16_t>(60 + i);
            z.kolumna.pole = "Nazwisko";
            z.kolumna.tytul = "K" + std::to_string(i);
            uklad.push_back(z);
        }
        uklad[1].kolumna.pole = "PoleUsuniete";  // the table no longer has it
        auto kolumny = KolumnyPracownikow();
        kolumny.resize(10);
        p.dbGrid1.SetColumns(kolumny);
        shell::ZastosujUklad(p.dbGrid1, uklad, shell::PolaTabeli(p.tdm->TPracownicy.Opis()));
        const auto wynik = p.dbGrid1.Columns();
        QCOMPARE(wynik.size(), size_t(10));
        QCOMPARE(wynik[9].title, QString("K9"));
        QCOMPARE(wynik[1].field, std::string("AktualneStanowisko"));
        QCOMPARE(wynik[1].title, QString("Stanowisko"));
        QCOMPARE(wynik[1].width, 61);

        // Widths dragged while the grid was bound outlive unbinding it.
        p.dbGrid1.horizontalHeader()->resizeSection(2, 199);
        p.dbGrid1.Detach();
        QCOMPARE(shell::UkladSiatki(p.dbGrid1)[2].szerokosc, int16_t(199));
        p.dbGrid1.Attach();
        QCOMPARE(p.dbGrid1.columnWidth(2), 199);
    }

    // Fonts and colours go both ways; what the grid would show anyway is stored as the
    // system's own colours and comes back unset.
    void looksGoBothWays() {
        const QFont komorki("DejaVu Sans", 9), tytuly("DejaVu Sans", 9);
        kit::Column zwykla = K("Nazwisko", "Nazwisko", 100);
        const auto z = shell::DoZapisu(zwykla, komorki, tytuly);
        QCOMPARE(z.komorki.kolor, store::kKolorOkna);
        QCOMPARE(z.komorki.kolorFontu, store::kKolorTekstuOkna);
        QCOMPARE(z.tytulu.kolor, store::kKolorPrzycisku);
        QCOMPARE(z.komorki.rozmiarFontu, int16_t(9));
        QCOMPARE(z.komorki.nazwaFontu, std::string("DejaVu Sans"));
        const auto wstecz = shell::ZZapisu(z, komorki, tytuly);
        QVERIFY(!wstecz.font && !wstecz.background && !wstecz.titleBackground &&
                !wstecz.titleForeground);

        kit::Column ozdobna = zwykla;
        ozdobna.alignment = Qt::AlignRight | Qt::AlignVCenter;
        ozdobna.titleAlignment = kSrodek;
        QFont gruby("DejaVu Serif", 12);
        gruby.setBold(true);
        gruby.setStrikeOut(true);
        ozdobna.font = gruby;
        ozdobna.background = QColor(1, 2, 3);
        ozdobna.titleForeground = QColor(200, 0, 10);
        const auto zo = shell::DoZapisu(ozdobna, komorki, tytuly);
        QCOMPARE(zo.komorki.kolor, int32_t(0x00030201));
        QCOMPARE(zo.komorki.wyrownanie, store::kWyrownanieDoPrawej);
        QCOMPARE(zo.tytulu.wyrownanie, store::kWyrownanieDoSrodka);
        QVERIFY(zo.komorki.bold && zo.komorki.strikeOut && !zo.komorki.italic);
        const auto zpowrotem = shell::ZZapisu(zo, komorki, tytuly);
        QCOMPARE(zpowrotem.font, ozdobna.font);
        QCOMPARE(zpowrotem.background, ozdobna.background);
        QCOMPARE(zpowrotem.titleForeground, ozdobna.titleForeground);
        QCOMPARE(zpowrotem.alignment, ozdobna.alignment);
        QCOMPARE(zpowrotem.titleAlignment, ozdobna.titleAlignment);

        // A system colour of another place takes this toolkit's colour of it.
        auto podpowiedz = z;
        podpowiedz.komorki.kolor = store::KolorSystemowy(24);
        QCOMPARE(shell::ZZapisu(podpowiedz, komorki, tytuly).background,
                 std::optional<QColor>(QApplication::palette().color(QPalette::ToolTipBase)));

        // The grid shows the look.
        Przebieg p(Demo(), "ADMIN", "");
        auto kolumny = KolumnyPracownikow();
        kolumny[2] = zpowrotem;
        p.dbGrid1.SetColumns(kolumny);
        QCOMPARE(p.dbGrid1.model()->index(0, 2).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(1, 2, 3));
        QCOMPARE(p.dbGrid1.model()->index(0, 2).data(Qt::FontRole).value<QFont>(), gruby);
        QCOMPARE(
            p.dbGrid1.model()->headerData(2, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
            QColor(200, 0, 10));
    }
};

QTEST_MAIN(UkladySiatekTest)
#include "uklady_siatek_test.moc"
