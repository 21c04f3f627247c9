#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <set>

#include "engine/paradox_table.h"
#include "kit/data_controls.h"
#include "shell/dane_firmy.h"
#include "shell/data_okno.h"
#include "shell/info.h"
#include "shell/tests/baza_okien.h"
#include "shell/wybor_filtru.h"
#include "wspolne/blad_danych.h"

using namespace mirta;
using mirta::shell::testing::BazaOkien;
using store::Odpowiedz;

namespace {

// Who the employee list shows, by kind: division code, or "U" for a contract worker.
std::multiset<std::string> RodzajeNaLiscie(store::TDM& tdm) {
    engine::Dataset& lista = *tdm.TPracownicy;
    std::multiset<std::string> rodzaje;
    for (int64_t i = 0; i < lista.RecordCount(); ++i) {
        const engine::RowView r = lista.RowAt(i);
        // The stored codes, not their shown texts.
        rodzaje.insert(r["CharakterZatrudnienia"].AsText() == "U" ? "U" : r["Podzial"].AsText());
    }
    return rodzaje;
}

// The same counts straight from the file, for employees not dismissed or dismissed too.
std::multiset<std::string> RodzajeWPliku(const BazaOkien& baza, bool zwolnieni) {
    auto t =
        engine::ParadoxTable::Open(engine::FileSystem::Real(), baza.Plik("Mirta.DB").toStdString());
    const auto& pola = t->Fields();
    auto indeks = [&](const std::string& n) {
        for (size_t i = 0; i < pola.size(); ++i)
            if (pola[i].name == n)
                return i;
        return pola.size();
    };
    const size_t charakter = indeks("CharakterZatrudnienia"), podzial = indeks("Podzial"),
                 zwolnienie = indeks("DataZwolnienia");
    const int32_t dzien = engine::DayNumberFromCivil(2026, 12, 10);
    std::multiset<std::string> rodzaje;
    for (uint64_t i = 0; i < t->RowCount(); ++i) {
        const engine::Record r = t->ReadRow(i);
        if (!zwolnieni && !r[zwolnienie].IsNull() && r[zwolnienie].AsDay() < dzien)
            continue;
        const bool umowa = !r[charakter].IsNull() && r[charakter].AsText() == "U";
        rodzaje.insert(umowa ? "U" : r[podzial].AsText());
    }
    return rodzaje;
}

// Runs `dzialanie` on the picker as soon as it is shown modally.
void PrzyKalendarzu(std::function<void(shell::TFData&)> dzialanie) {
    QTimer::singleShot(0, [dzialanie] {
        auto* okno = qobject_cast<shell::TFData*>(QApplication::activeModalWidget());
        QVERIFY(okno);
        dzialanie(*okno);
    });
}

void Potwierdz(shell::TFData& okno, const QDate& data) {
    okno.UstawDate(data);
    okno.findChild<QPushButton*>("ButtonTak")->click();
}

}  // namespace

class ShellOknaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    // Each setting of the window reaches the list; "Porzuć" changes nothing.
    void filterSettingsReachTheList() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        baza.tdm->Filtr().TylkoAktywni = false;
        auto liczba = [](const std::multiset<std::string>& m, const char* k) {
            return static_cast<int>(m.count(k));
        };
        const auto obecni = RodzajeWPliku(baza, false);
        const auto wszyscy = RodzajeWPliku(baza, true);
        QVERIFY(liczba(wszyscy, "4") > 0 && liczba(wszyscy, "U") > 0);

        auto rodzaje = RodzajeNaLiscie(*baza.tdm);
        QCOMPARE(liczba(rodzaje, "1"), liczba(obecni, "1"));
        QCOMPARE(liczba(rodzaje, "4") + liczba(rodzaje, "U"), 0);
        {
            shell::TFWyborFiltru okno(*baza.tdm, baza.dialogi);
            okno.show();
            QVERIFY(okno.findChild<QCheckBox*>("CheckFunkcjonariusze")->isChecked());
            QVERIFY(!okno.findChild<QCheckBox*>("CheckEmeryci")->isChecked());
            shell::testing::Zrzut(okno, "wybor_filtru");
            okno.findChild<QCheckBox*>("CheckFunkcjonariusze")->setChecked(false);
            okno.findChild<QPushButton*>("ButtonPorzuc")->click();
        }
        QVERIFY(baza.tdm->Filtr().PokazFunkcjonariuszy);
        QCOMPARE(RodzajeNaLiscie(*baza.tdm), rodzaje);

        shell::TFWyborFiltru okno(*baza.tdm, baza.dialogi);
        okno.show();
        for (const char* pole : {"CheckUmowy", "CheckZwolnieni", "CheckEmeryci"})
            okno.findChild<QCheckBox*>(pole)->setChecked(true);
        okno.findChild<QCheckBox*>("CheckFunkcjonariusze")->setChecked(false);
        okno.findChild<QPushButton*>("ButtonZastosuj")->click();
        QCOMPARE(okno.result(), int(QDialog::Accepted));
        rodzaje = RodzajeNaLiscie(*baza.tdm);
        QCOMPARE(liczba(rodzaje, "1"), 0);
        QCOMPARE(liczba(rodzaje, "4"), liczba(wszyscy, "4"));
        QCOMPARE(liczba(rodzaje, "U"), liczba(wszyscy, "U"));
        QCOMPARE(liczba(rodzaje, "2"), liczba(wszyscy, "2"));
        QVERIFY(!baza.tdm->Filtr().TylkoAktywni);
        QVERIFY(baza.tdm->Filtr().FiltrWlaczony);
    }

    void aboutBoxShowsTheUserAndBothDates() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry", {2026, 3, 5}));
        shell::TFInfo okno(*baza.tdm, baza.dialogi);
        okno.show();
        auto tekst = [&](const char* n) { return okno.findChild<QLabel*>(n)->text(); };
        QCOMPARE(tekst("Uzytkownik"), QString("Małgorzata Żółkiewska"));
        QCOMPARE(tekst("DataPrzetwarzania"), QString("2026-03-05"));
        QCOMPARE(tekst("DataSystemowa"), QDate::currentDate().toString("yyyy-MM-dd"));
        QCOMPARE(tekst("Wersja"), QString("wersja 1.4.1"));
        shell::testing::Zrzut(okno, "info");
    }

    void maskKindsAndPlacement() {
        QCOMPARE(shell::RodzajMaskiDaty(shell::kMaskaDatyRMD), shell::MaskaDaty::RokMiesiacDzien);
        QCOMPARE(shell::RodzajMaskiDaty("0000-00-00;_"), shell::MaskaDaty::RokMiesiacDzien);
        QCOMPARE(shell::RodzajMaskiDaty(shell::kMaskaDatyDMR), shell::MaskaDaty::DzienMiesiacRok);
        QCOMPARE(shell::RodzajMaskiDaty("00.00.0000; "), shell::MaskaDaty::DzienMiesiacRok);
        QVERIFY(!shell::RodzajMaskiDaty("99:99;_"));
        QVERIFY(!shell::RodzajMaskiDaty(""));

        const QRect ekran(0, 0, 800, 600);
        const QSize okno(300, 250);
        struct {
            QRect pole;
            QPoint miejsce;
        } przypadki[] = {
            // Room below: under the field, right edges together.
            {{400, 100, 120, 24}, {220, 124}},
            // Below 600 - 350 = 250 px, not more than 250 + 10: above.
            {{400, 326, 120, 24}, {220, 76}},
            // 261 px below is more than 260: still under it.
            {{400, 315, 120, 24}, {220, 339}},
            // A field near the left edge: never left of 2.
            {{10, 100, 120, 24}, {2, 124}},
        };
        for (const auto& p : przypadki)
            QCOMPARE(shell::PolozenieKalendarza(p.pole, okno, ekran), p.miejsce);
    }

    // An empty date field opens on today, the chosen date puts the record into edit; a
    // read-only or a non-date field takes no picker.
    void pickerFillsABoundDateField() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("KADRY", "kadry"));
        engine::Dataset& pracownicy = *baza.tdm->TPracownicy;
        pracownicy.First();
        QVERIFY(pracownicy.Field("DataZwolnienia").IsNull());

        kit::AutomaticEdit edycja;
        edycja.SetOn(true);
        kit::DataSource zrodlo(pracownicy, baza.dialogi, edycja);
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        auto* data = new kit::DbDateEdit(&okno);
        auto* nazwisko = new kit::DbEdit(&okno);
        uklad->addWidget(data);
        uklad->addWidget(nazwisko);
        uklad->addStretch();
        okno.setGeometry(50, 40, 300, 400);
        data->Bind(&zrodlo, "DataZwolnienia");
        nazwisko->Bind(&zrodlo, "Nazwisko");
        data->Attach();
        nazwisko->Attach();
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));

        QVERIFY(shell::KontrolkaDaty(data));
        QVERIFY(!shell::KontrolkaDaty(nazwisko));
        QVERIFY(!shell::WyborDaty(nazwisko, QDate(2026, 12, 10)));

        QDate pokazana;
        QPoint miejsce;
        PrzyKalendarzu([&](shell::TFData& k) {
            pokazana = k.Data();
            miejsce = k.pos();
            shell::testing::Zrzut(k, "wybor_daty");
            Potwierdz(k, QDate(2026, 11, 30));
        });
        data->setFocus();
        QVERIFY(shell::WyborDaty(data, QDate(2026, 12, 10)));
        QCOMPARE(pokazana, QDate::currentDate());
        // Under the field, its right edge at the field's.
        const QPoint rog = data->mapToGlobal(QPoint(data->width(), data->height()));
        QCOMPARE(miejsce.y(), rog.y());
        QVERIFY(miejsce.x() < rog.x());
        QCOMPARE(pracownicy.State(), engine::DatasetState::Edit);
        QCOMPARE(pracownicy.FieldText("DataZwolnienia"), std::string("2026-11-30"));
        QCOMPARE(data->text(), QString("2026-11-30"));
        QCOMPARE(okno.focusWidget(), data);

        // The field's date is shown; cancel leaves it.
        PrzyKalendarzu([&](shell::TFData& k) {
            pokazana = k.Data();
            k.findChild<QPushButton*>("ButtonPorzuc")->click();
        });
        QVERIFY(shell::WyborDaty(data, QDate(2026, 12, 10)));
        QCOMPARE(pokazana, QDate(2026, 11, 30));
        QCOMPARE(pracownicy.FieldText("DataZwolnienia"), std::string("2026-11-30"));
        pracownicy.Cancel();

        data->SetReadOnly(true);
        QVERIFY(!shell::KontrolkaDaty(data));
        QVERIFY(!shell::WyborDaty(data, QDate(2026, 12, 10)));
        QCOMPARE(pracownicy.State(), engine::DatasetState::Browse);
        QVERIFY(baza.dialogi.komunikaty.empty());
    }

    // Without the right to change data the date field is disabled, so the picker does not
    // open for it; the store still refuses the edit.
    void pickerDateIsRefusedWithoutTheRight() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("PODGLAD", "podglad"));
        engine::Dataset& pracownicy = *baza.tdm->TPracownicy;
        pracownicy.First();
        kit::AutomaticEdit edycja;
        edycja.SetOn(true);
        kit::DataSource zrodlo(pracownicy, baza.dialogi, edycja);
        kit::DbDateEdit data;
        data.Bind(&zrodlo, "DataZwolnienia");
        data.Attach();
        data.show();
        QVERIFY(QTest::qWaitForWindowExposed(&data));
        QVERIFY(!data.isEnabled());
        QVERIFY(!shell::WyborDaty(&data, QDate(2026, 12, 10)));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY_THROWS_EXCEPTION(store::BladDanych, pracownicy.Edit());
        QCOMPARE(pracownicy.State(), engine::DatasetState::Browse);
        QVERIFY(pracownicy.Field("DataZwolnienia").IsNull());
    }

    // A masked box is read and written in its own form; no date there opens the default one.
    void pickerFillsAMaskedBox_data() {
        QTest::addColumn<QString>("maska");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QDate>("pokazana");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("day.month.year")
            << shell::kMaskaDatyDMR << "15.03.2007" << QDate(2007, 3, 15) << "16.03.2007";
        QTest::newRow("impossible date")
            << shell::kMaskaDatyDMR << "31.02.2007" << QDate(2026, 12, 10) << "11.12.2026";
        QTest::newRow("year-month-day")
            << shell::kMaskaDatyRMD << "2025-01-31" << QDate(2025, 1, 31) << "2025-02-01";
        QTest::newRow("empty") << shell::kMaskaDatyRMD << "" << QDate(2026, 12, 10) << "2026-12-11";
    }

    void pickerFillsAMaskedBox() {
        QFETCH(QString, maska);
        QFETCH(QString, tekst);
        QFETCH(QDate, pokazana);
        QFETCH(QString, wynik);
        QLineEdit pole;
        pole.setInputMask(maska);
        pole.setText(tekst);
        pole.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pole));
        QDate widziana;
        PrzyKalendarzu([&](shell::TFData& k) {
            widziana = k.Data();
            Potwierdz(k, k.Data().addDays(1));
        });
        QVERIFY(shell::WyborDaty(&pole, QDate(2026, 12, 10)));
        QCOMPARE(widziana, pokazana);
        QCOMPARE(pole.text(), wynik);

        pole.setReadOnly(true);
        QVERIFY(!shell::WyborDaty(&pole, QDate(2026, 12, 10)));
        pole.setReadOnly(false);
        pole.setInputMask("99:99;_");
        QVERIFY(!shell::WyborDaty(&pole, QDate(2026, 12, 10)));
    }

    void unitDataAreEditedAndKept() {
        BazaOkien baza;
        QVERIFY(baza.Zaloguj("ADMIN", ""));
        kit::AutomaticEdit edycja;
        {
            shell::TFDaneFirmy okno({*baza.tdm, *baza.tdm1, baza.dialogi, edycja});
            okno.show();
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            auto* pelna = okno.findChild<QLineEdit*>("NazwaPelna");
            QCOMPARE(pelna->text(), QString("Komenda Miejska RIR w Łomży"));
            QVERIFY(!pelna->isEnabled());
            shell::testing::Zrzut(okno, "dane_firmy");

            baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
            QTest::mouseClick(okno.findChild<QToolButton*>("delete"), Qt::LeftButton);
            QCOMPARE(baza.OstatniKomunikat(), std::string(" Nie można kasować tych danych !!!"));

            QTest::mouseClick(okno.findChild<QToolButton*>("edit"), Qt::LeftButton);
            auto* nip = okno.findChild<QLineEdit*>("NIPFirmy");
            QVERIFY(nip->isEnabled());
            nip->selectAll();
            QTest::keyClicks(nip, "1234563218");
            baza.dialogi.odpowiedzi.push_back(Odpowiedz::Anuluj);
            okno.findChild<QPushButton*>("ButtonZamknij")->click();
            QVERIFY(okno.isVisible());
            QCOMPARE(baza.OstatniKomunikat(), std::string(" Czy zapisać nowe dane  ?"));
            QCOMPARE(baza.dialogi.komunikaty.back().tytul, std::string(" Kontrola danych ."));
            baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
            okno.findChild<QPushButton*>("ButtonZamknij")->click();
            QVERIFY(!okno.isVisible());
        }
        baza.Otworz();
        baza.tdm->TParametryFirmy->First();
        QCOMPARE(baza.tdm->TParametryFirmy->FieldText("NIPFirmy"), std::string("1234563218"));
    }
};

QTEST_MAIN(ShellOknaTest)
#include "shell_okna_test.moc"
