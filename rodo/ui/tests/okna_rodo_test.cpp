// The windows of personal data on a demo unit: what they list, what their buttons write, and
// what users without the rights cannot do.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/paradox_table.h"
#include "kit/polski.h"
#include "kit/zrzuty.h"
#include "rodo/ui/okna_rodo.h"
#include "rodo/upowaznienia.h"
#include "store/okresy_przechowywania.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/udostepnienia.h"
#include "tools/demo.h"
#include "wspolne/testing/dialogi_skryptowe.h"

using mirta::rodo::ui::TFDaneOsoby;
using mirta::rodo::ui::TFOkresyPrzechowywania;
using mirta::rodo::ui::TFRejestrUdostepnien;
using mirta::rodo::ui::TFUpowaznienia;
using mirta::store::Odpowiedz;

namespace {

// A small demo unit, made once and copied into a fresh directory for every test. Users:
// ADMIN (empty password), KADRY/kadry, PODGLAD/podglad; today is 2026-12-10.
class DemoOkien {
public:
    static constexpr mirta::engine::CivilDate kDzis{2026, 12, 10};

    DemoOkien() {
        const QDir wzor(Wzor());
        for (const QString& plik : wzor.entryList(QDir::Files))
            QFile::copy(wzor.filePath(plik), QDir(m_katalog.path()).filePath(plik));
        tdm = std::make_unique<mirta::store::TDM>(mirta::engine::FileSystem::Real(), Katalog(),
                                                  dialogi, kDzis);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<mirta::store::TDM1>(*tdm);
    }

    bool ZalogujIOtworzTabele(const std::string& nazwa = "ADMIN", const std::string& haslo = "") {
        const mirta::store::DaneStartowe d{kDzis, nazwa, haslo};
        const bool zalogowany = tdm->FunkcjaStartowa(&d) && tdm->Sesja().Zalogowany();
        tdm->OpenAll(mirta::store::Otwieranie::PoZalogowaniu);
        tdm1->OpenAll(mirta::store::Otwieranie::PoZalogowaniu);
        return zalogowany;
    }

    std::string Katalog() const { return m_katalog.path().toStdString(); }
    std::string OstatniKomunikat() const {
        return dialogi.komunikaty.empty() ? std::string() : dialogi.komunikaty.back().tekst;
    }

    static QString Wzor() {
        static QTemporaryDir katalog;
        static bool gotowy = false;
        if (!gotowy) {
            mirta::tools::OpcjeDemo opcje;
            opcje.pracownicy = 40;
            opcje.lata = 2;
            mirta::tools::UtworzDemo(mirta::engine::FileSystem::Real(),
                                     katalog.path().toStdString(), opcje);
            gotowy = true;
        }
        return katalog.path();
    }

    mirta::store::testing::DialogiSkryptowe dialogi;
    std::unique_ptr<mirta::store::TDM> tdm;
    std::unique_ptr<mirta::store::TDM1> tdm1;

private:
    QTemporaryDir m_katalog;
};

// Pictures for people to look at, when MIRTA_ZRZUTY names a folder.
void Zrzut(QWidget& okno, const QString& nazwa) {
    QVERIFY(!okno.grab().isNull());
    mirta::kit::ZapiszZrzut(okno, nazwa);
}

// The first former employee of the demo unit: dismissed, with rows of history.
int32_t Zwolniony(DemoOkien& baza) {
    auto& t = baza.tdm->TPracownicy->GetTable();
    int id = -1, zw = -1;
    for (size_t i = 0; i < t.Fields().size(); ++i) {
        if (t.Fields()[i].name == "Identyfikator")
            id = static_cast<int>(i);
        if (t.Fields()[i].name == "DataZwolnienia")
            zw = static_cast<int>(i);
    }
    for (uint64_t r = 0; r < t.RowCount(); ++r)
        if (!t.ReadField(r, zw).IsNull())
            return static_cast<int32_t>(t.ReadField(r, id).AsInteger());
    return 0;
}

}  // namespace

class OknaRodoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    void DaneOsobyPokazujeTabeleIZapisujeArchiwum() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        const int32_t id = Zwolniony(baza);
        QVERIFY(id > 0);
        TFDaneOsoby okno(*baza.tdm, *baza.tdm1, baza.dialogi, id);
        okno.show();
        QVERIFY(okno.Tabel() > 10);
        QVERIFY(!okno.Biezacy().strony.empty());
        QCOMPARE(okno.Biezacy().pracownicy, std::vector<int32_t>{id});
        Zrzut(okno, "rodo_dane_osoby");
        QTemporaryDir katalog;
        const QString zip = katalog.filePath("dane.zip");
        QVERIFY(okno.ZapiszArchiwum(zip));
        QVERIFY(QFile::exists(zip));
        mirta::store::FiltrUdostepnien f;
        f.pracownik = id;
        QCOMPARE(mirta::store::CzytajUdostepnienia(baza.tdm->Fs(), baza.Katalog(), f).size(),
                 size_t(1));
    }

    void BezPrawaDoZmianyArchiwumNiedostepne() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele("PODGLAD", "podglad"));
        TFDaneOsoby okno(*baza.tdm, *baza.tdm1, baza.dialogi, Zwolniony(baza));
        QVERIFY(!okno.findChild<QPushButton*>("ButtonArchiwum")->isEnabled());
        QTemporaryDir katalog;
        QVERIFY(!okno.ZapiszArchiwum(katalog.filePath("dane.zip")));
        QCOMPARE(baza.OstatniKomunikat(), std::string("Nie masz prawa do zmiany danych !!!"));
    }

    void RejestrUdostepnienFiltrujePoOsobie() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        for (int32_t kto : {1, 2, 2}) {
            mirta::store::Udostepnienie u;
            u.uzytkownik = "KADRY";
            u.odbiorca = mirta::store::kOdbiorcaPlac;
            u.rodzaj = mirta::store::kRodzajEksport;
            u.opis = "Przegranie danych do płac";
            u.cel = "ROVANTE\\MIRTA.DBF";
            u.pracownicy = {kto, 3};
            mirta::store::ZapiszUdostepnienie(baza.tdm->Fs(), baza.Katalog(), u);
        }
        TFRejestrUdostepnien okno(*baza.tdm, baza.dialogi, 2);
        okno.show();
        QCOMPARE(okno.Wierszy(), 3);
        Zrzut(okno, "rodo_udostepnienia");
        okno.findChild<QCheckBox*>("tylkoPracownik")->setChecked(true);
        QTest::mouseClick(okno.findChild<QPushButton*>("pokaz"), Qt::LeftButton);
        QCOMPARE(okno.Wierszy(), 2);
        okno.findChild<QCheckBox*>("odWlaczone")->setChecked(true);
        okno.findChild<QDateEdit*>("od")->setDate(QDate::currentDate().addDays(1));
        QTest::mouseClick(okno.findChild<QPushButton*>("pokaz"), Qt::LeftButton);
        QCOMPARE(okno.Wierszy(), 0);
        QVERIFY(okno.Biezacy().strony.size() == 1);
    }

    void UpowaznieniaZapisujeDatyAdministratora() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        TFUpowaznienia okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(okno.Wierszy() >= 4);
        auto* lista = okno.findChild<QTableWidget*>("upowaznienia");
        lista->selectRow(1);
        okno.findChild<QCheckBox*>("nadane")->setChecked(true);
        okno.findChild<QDateEdit*>("dataNadania")->setDate(QDate(2020, 3, 1));
        QVERIFY(okno.Zapisz());
        QCOMPARE(lista->item(1, 2)->text(), QString("2020-03-01"));
        QVERIFY(!lista->item(1, 4)->text().isEmpty());
        // A withdrawal before the grant is refused with its message.
        lista->selectRow(1);
        okno.findChild<QCheckBox*>("cofniete")->setChecked(true);
        okno.findChild<QDateEdit*>("dataCofniecia")->setDate(QDate(2019, 1, 1));
        QVERIFY(!okno.Zapisz());
        QCOMPARE(baza.OstatniKomunikat(),
                 std::string("Data cofnięcia upoważnienia jest wcześniejsza niż data nadania !!!"));
        QCOMPARE(lista->item(1, 3)->text(), QString());
        Zrzut(okno, "rodo_upowaznienia");

        DemoOkien kadry;
        QVERIFY(kadry.ZalogujIOtworzTabele("KADRY", "kadry"));
        TFUpowaznienia tylkoOdczyt(*kadry.tdm, kadry.dialogi);
        QVERIFY(!tylkoOdczyt.findChild<QPushButton*>("ButtonZapisz")->isEnabledTo(&tylkoOdczyt));
    }

    // The rules changed in the window decide who is listed; the anonymisation asks about the
    // backup first, then names the person, and the person leaves the list.
    void OkresyIAnonimizacja() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        int kopie = 0;
        TFOkresyPrzechowywania okno(*baza.tdm, *baza.tdm1, baza.dialogi, [&] {
            ++kopie;
            return true;
        });
        okno.show();
        QCOMPARE(okno.Osob(), 0);
        for (int r = 0; r < 4; ++r) {
            okno.findChild<QComboBox*>(QString("sposob%1").arg(r))->setCurrentIndex(1);
            okno.findChild<QSpinBox*>(QString("lata%1").arg(r))->setValue(1);
        }
        QVERIFY(okno.ZapiszZasady());
        const auto zasady =
            mirta::store::CzytajZasadyPrzechowywania(baza.tdm->Fs(), baza.Katalog());
        QCOMPARE(zasady[1].lata, 1);
        const int osob = okno.Osob();
        QVERIFY(osob > 0);
        Zrzut(okno, "rodo_okresy");

        baza.dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
        QVERIFY(!okno.Anonimizuj());
        QCOMPARE(kopie, 1);
        QCOMPARE(okno.Osob(), osob);
        baza.dialogi.odpowiedzi = {Odpowiedz::Nie, Odpowiedz::Tak};
        QVERIFY(okno.Anonimizuj());
        QCOMPARE(kopie, 1);
        QCOMPARE(okno.Osob(), osob - 1);
        QVERIFY(baza.OstatniKomunikat().find("zostały zanonimizowane") != std::string::npos);

        DemoOkien kadry;
        QVERIFY(kadry.ZalogujIOtworzTabele("KADRY", "kadry"));
        TFOkresyPrzechowywania inny(*kadry.tdm, *kadry.tdm1, kadry.dialogi, {});
        QVERIFY(!inny.findChild<QPushButton*>("ButtonAnonimizuj")->isEnabled());
        QVERIFY(!inny.findChild<QPushButton*>("ButtonZapiszZasady")->isEnabled());
        QVERIFY(!inny.ZapiszZasady());
    }
};

QTEST_MAIN(OknaRodoTest)
#include "okna_rodo_test.moc"
