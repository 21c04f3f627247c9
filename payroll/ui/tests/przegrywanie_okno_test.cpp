#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "engine/dbf_table.h"
#include "kit/polski.h"
#include "payroll/ui/przegrywanie_okno.h"
#include "store/ui/testing/demo_okien.h"

using mirta::engine::DbfTable;
using mirta::engine::FileSystem;
using mirta::payroll::ui::PlikiPlacoweSa;
using mirta::payroll::ui::TFPrzegrywanieDoPlac;
using mirta::store::Odpowiedz;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;
using Rodzaj = mirta::store::testing::DialogiSkryptowe::Rodzaj;

using mirta::store::ui::testing::Kliknij;
using mirta::store::ui::testing::Znajdz;

namespace {

// The demo unit with the payroll program's files beside it.
void KopiujPlikiPlac(const std::string& katalog) {
    const QDir wzor(QDir(DemoOkien::Wzor()).filePath("ROVANTE"));
    QDir(QString::fromStdString(katalog)).mkdir("ROVANTE");
    for (const QString& plik : wzor.entryList(QDir::Files))
        QFile::copy(wzor.filePath(plik), QString::fromStdString(katalog + "/ROVANTE/") + plik);
}

std::unique_ptr<DbfTable> Plik(DemoOkien& baza, const char* nazwa) {
    return DbfTable::Open(FileSystem::Real(), baza.Katalog() + "/ROVANTE/" + nazwa);
}

// Records like the scripted messages and takes a picture of the window when an error is shown.
class DialogiZeZrzutem final : public mirta::store::Dialogi {
public:
    void Blad(const std::string& tekst, const std::string& tytul) override {
        panelWidoczny = okno->findChild<QWidget*>("PanelCzekaj")->isVisible();
        Zrzut(*okno, "przegrywanie_do_plac_czekaj");
        zapis.Blad(tekst, tytul);
    }
    void Ostrzezenie(const std::string& tekst, const std::string& tytul) override {
        zapis.Ostrzezenie(tekst, tytul);
    }
    void Informacja(const std::string& tekst, const std::string& tytul) override {
        zapis.Informacja(tekst, tytul);
    }
    Odpowiedz TakNie(const std::string& tekst, const std::string& tytul, mirta::store::Ikona ikona,
                     Odpowiedz domyslna) override {
        return zapis.TakNie(tekst, tytul, ikona, domyslna);
    }
    Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul,
                           mirta::store::Ikona ikona, Odpowiedz domyslna) override {
        return zapis.TakNieAnuluj(tekst, tytul, ikona, domyslna);
    }

    mirta::store::testing::DialogiSkryptowe zapis;
    QWidget* okno = nullptr;
    bool panelWidoczny = false;
};

}  // namespace

class PrzegrywanieOknoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    // Latin 2 and the personnel numbers chosen: every employee of the list is appended, the
    // panel counts them, and the window closes.
    void przegrywaWybraneUstawienia() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        QVERIFY(PlikiPlacoweSa(*baza.tdm, baza.dialogi));
        TFPrzegrywanieDoPlac okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.windowTitle(), QString("Przegrywanie danych do płac."));
        QCOMPARE(Znajdz<QGroupBox>(okno, "RadioGroupLitery")->title(),
                 QString("Polskie litery w płacach"));
        QCOMPARE(Znajdz<QGroupBox>(okno, "RadioGroupNumer")->title(),
                 QString("Numer pracownika brać jako:"));
        QVERIFY(Znajdz<QRadioButton>(okno, "RadioMazowia")->isChecked());
        QVERIFY(Znajdz<QRadioButton>(okno, "RadioIdentyfikator")->isChecked());
        QCOMPARE(Znajdz<QRadioButton>(okno, "RadioNumerPracownika")->text(),
                 QString("Numer pracownika w kadrach"));
        QCOMPARE(Znajdz<QPushButton>(okno, "ButtonPrzegrywaj")->text(), QString("Przegrywaj dane"));
        QCOMPARE(Znajdz<QPushButton>(okno, "ButtonZamknij")->text(), QString("&Zamknij"));
        QVERIFY(!Znajdz(okno, "PanelCzekaj")->isVisible());
        Zrzut(okno, "przegrywanie_do_plac");

        // A click beside a short label would miss the button; click() is the user's choice.
        Znajdz<QRadioButton>(okno, "RadioLatin2")->click();
        Znajdz<QRadioButton>(okno, "RadioNumerPracownika")->click();
        QVERIFY(!Znajdz<QRadioButton>(okno, "RadioMazowia")->isChecked());
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        Kliknij(okno, "ButtonPrzegrywaj");
        QCOMPARE(okno.result(), int(QDialog::Accepted));
        auto& lista = *baza.tdm->TPracownicy;
        const int64_t n = lista.RecordCount();
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t(2));
        QCOMPARE(baza.dialogi.komunikaty[0].tekst,
                 std::string("Czy chcesz przegrać dane do płac ?"));
        QCOMPARE(baza.dialogi.komunikaty[1].rodzaj, Rodzaj::Informacja);
        QCOMPARE(baza.dialogi.komunikaty[1].tekst,
                 "Dopisano do plików płacowych pracowników: " + std::to_string(n) +
                     ".\nPominięto (dane już w plikach płacowych): 0.\nNie przegrano (błąd "
                     "zapisu): 0.");

        QVERIFY(n > 0);
        QCOMPARE(Znajdz<QLabel>(okno, "LabelPostep")->text(),
                 QString("Przegrano pracowników: %1 z %1").arg(n));
        auto mirta = Plik(baza, "MIRTA.DBF");
        QCOMPARE(int64_t(mirta->RowCount()), n);
        QCOMPARE(int64_t(Plik(baza, "PRACLIST.DBF")->RowCount()), n);
        // The files' language byte is Latin 2, so our reader shows the letters back.
        for (int64_t i : {int64_t(0), n - 1}) {
            const auto pracownik = lista.RowAt(i);
            QCOMPARE(QString::fromStdString(mirta->ReadField(uint64_t(i), 1).AsText()),
                     QString::fromStdString(pracownik["Nazwisko"].AsText()));
            const auto numer = pracownik["NumerPracownika"];
            QCOMPARE(mirta->ReadField(uint64_t(i), 0).AsNumber(),
                     numer.IsNull() ? 0.0 : double(numer.AsInteger()));
        }
    }

    // The second run on the same files asks about the employees waiting there; the default
    // answer skips them all, and the summary says so.
    void drugiePrzegranieNiePowtarzaDanych() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        const int64_t n = baza.tdm->TPracownicy->RecordCount();
        for (int przebieg = 0; przebieg < 2; ++przebieg) {
            TFPrzegrywanieDoPlac okno(*baza.tdm, baza.dialogi);
            okno.show();
            baza.dialogi.komunikaty.clear();
            baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
            if (przebieg == 1)
                baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
            Kliknij(okno, "ButtonPrzegrywaj");
            QCOMPARE(okno.result(), int(QDialog::Accepted));
        }
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t(3));
        QCOMPARE(baza.dialogi.komunikaty[1].tekst,
                 "W plikach płacowych są już dane " + std::to_string(n) +
                     " pracowników z tej listy. Dopisać je ponownie?");
        QCOMPARE(baza.dialogi.komunikaty[1].domyslna, Odpowiedz::Nie);
        QCOMPARE(baza.dialogi.komunikaty[2].tekst,
                 "Dopisano do plików płacowych pracowników: 0.\nPominięto (dane już w plikach "
                 "płacowych): " +
                     std::to_string(n) + ".\nNie przegrano (błąd zapisu): 0.");
        QCOMPARE(int64_t(Plik(baza, "MIRTA.DBF")->RowCount()), n);
        QCOMPARE(int64_t(Plik(baza, "PRACLIST.DBF")->RowCount()), n);
    }

    // A browse-only user sees the window with its command disabled.
    void bezPrawaZmianyPrzyciskWylaczony() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("PODGLAD", "podglad"));
        TFPrzegrywanieDoPlac okno(*baza.tdm, baza.dialogi);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        auto* przegrywaj = Znajdz<QPushButton>(okno, "ButtonPrzegrywaj");
        QVERIFY(!przegrywaj->isEnabled());
        QCOMPARE(przegrywaj->toolTip(), QString("Nie masz prawa do zmiany danych !!!"));
        Zrzut(okno, "przegrywanie_do_plac_bez_prawa");
        // Even when reached past the window the export refuses and writes nothing.
        okno.PrzegrajDanePlacowe();
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(baza.dialogi.komunikaty[0].tekst,
                 std::string("Nie masz prawa do zmiany danych !!!"));
        QCOMPARE(Plik(baza, "MIRTA.DBF")->RowCount(), uint64_t(0));
        QVERIFY(okno.isVisible());
    }

    void nieZostawiaOknoIPlikiBezZmian() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        TFPrzegrywanieDoPlac okno(*baza.tdm, baza.dialogi);
        okno.show();
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
        Kliknij(okno, "ButtonPrzegrywaj");
        QVERIFY(okno.isVisible());
        QCOMPARE(Plik(baza, "MIRTA.DBF")->RowCount(), uint64_t(0));
        Kliknij(okno, "ButtonZamknij");
        QCOMPARE(okno.result(), int(QDialog::Rejected));
    }

    // The payroll program holds its list: the busy panel is up when the error comes, and the
    // window stays open with its buttons usable again.
    void bladZostawiaOknoOtwarte() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        auto placowy = FileSystem::Real().Open(baza.Katalog() + "/ROVANTE/PRACLIST.DBF",
                                               mirta::engine::OpenMode::ReadWrite);
        QVERIFY(placowy->TryLock(true));
        DialogiZeZrzutem dialogi;
        TFPrzegrywanieDoPlac okno(*baza.tdm, dialogi);
        dialogi.okno = &okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        // Both questions answered "Tak": the export and writing the file the lock shows open.
        dialogi.zapis.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak};
        Kliknij(okno, "ButtonPrzegrywaj");

        QVERIFY(dialogi.panelWidoczny);
        QVERIFY(okno.isVisible());
        QVERIFY(!Znajdz(okno, "PanelCzekaj")->isVisible());
        QVERIFY(Znajdz(okno, "ButtonPrzegrywaj")->isEnabled());
        QVERIFY(Znajdz(okno, "ButtonZamknij")->isEnabled());
        QCOMPARE(dialogi.zapis.komunikaty.size(), size_t(3));
        QVERIFY(dialogi.zapis.komunikaty[2].tekst.rfind("Nie przegrano danych do płac.\n", 0) == 0);
        QCOMPARE(Plik(baza, "MIRTA.DBF")->RowCount(), uint64_t(0));
    }

    // The payroll program's lock file in the folder: the window asks before writing, "Nie" by
    // default, and "Nie" leaves the files as they were and the window open.
    void plikBlokadyPlacPytaPrzedZapisem() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        QFile blokada(QString::fromStdString(baza.Katalog() + "/ROVANTE/PARADOX.LCK"));
        QVERIFY(blokada.open(QIODevice::WriteOnly));
        blokada.close();
        TFPrzegrywanieDoPlac okno(*baza.tdm, baza.dialogi);
        okno.show();
        baza.dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
        Kliknij(okno, "ButtonPrzegrywaj");
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t(2));
        QCOMPARE(baza.dialogi.komunikaty[1].tekst,
                 std::string("Tabela ROVANTE\\MIRTA.DBF jest prawdopodobnie otwarta w programie "
                             "płacowym. Zapisać mimo to?"));
        QCOMPARE(baza.dialogi.komunikaty[1].domyslna, Odpowiedz::Nie);
        QVERIFY(okno.isVisible());
        QCOMPARE(Plik(baza, "MIRTA.DBF")->RowCount(), uint64_t(0));
    }

    void brakPlikuZatrzymujeOtwarcie() {
        DemoOkien baza(KopiujPlikiPlac);
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        QFile::remove(QString::fromStdString(baza.Katalog() + "/ROVANTE/PRACLIST.DBF"));
        QVERIFY(!PlikiPlacoweSa(*baza.tdm, baza.dialogi));
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(baza.dialogi.komunikaty[0].rodzaj, Rodzaj::Blad);
        QCOMPARE(baza.dialogi.komunikaty[0].tekst, std::string("Brak pliku:ROVANTE\\PRACLIST.DBF"));
        QCOMPARE(baza.dialogi.komunikaty[0].tytul, std::string("Kontrola danych."));
    }
};

QTEST_MAIN(PrzegrywanieOknoTest)
#include "przegrywanie_okno_test.moc"
