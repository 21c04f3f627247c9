#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <map>

#include "engine/paradox_table.h"
#include "kit/dataset_model.h"
#include "kit/db_grid.h"
#include "kit/polski.h"
#include "spd/generowanie.h"
#include "spd/parametry_spd.h"
#include "spd/rejestr.h"
#include "spd/tabele_spd.h"
#include "spd/testing/serwer_sftp_testowy.h"
#include "spd/ui/harmonogram_okno.h"
#include "spd/ui/kontrola_okno.h"
#include "spd/ui/parametry_okno.h"
#include "spd/ui/przesylka_okno.h"
#include "spd/ui/przesylki_okno.h"
#include "spd/ui/skladniki_okno.h"
#include "store/ui/testing/demo_okien.h"
#include "wspolne/blad_danych.h"

using mirta::engine::FileSystem;
using mirta::store::Odpowiedz;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;
namespace spd = mirta::spd;
using Rodzaj = mirta::store::testing::DialogiSkryptowe::Rodzaj;

using mirta::store::ui::testing::Kliknij;
using mirta::store::ui::testing::Znajdz;

namespace {

// The demo's SPD folder beside the copied tables.
void KopiujSPD(const std::string& katalog) {
    const QDir wzor(QDir(DemoOkien::Wzor()).filePath("SPD"));
    QDir(QString::fromStdString(katalog)).mkpath("SPD/WYSLANE");
    for (const QString& plik : wzor.entryList(QDir::Files))
        QFile::copy(wzor.filePath(plik), QString::fromStdString(katalog + "/SPD/") + plik);
}

constexpr mirta::compute::DataKal kDzis{2026, 12, 10};

// A field's position by name.
int Pole(const mirta::engine::Table& t, const std::string& nazwa) {
    for (size_t i = 0; i < t.Fields().size(); ++i)
        if (t.Fields()[i].name == nazwa)
            return static_cast<int>(i);
    return -1;
}

// The demo unit with three faults of the first employee in service: a copy of an employment
// record a day later (an overlap), a leave row without a type, and the sex left empty.
int32_t PsujDemo(const std::string& katalog) {
    KopiujSPD(katalog);
    auto& fs = FileSystem::Real();
    auto mirta = mirta::engine::ParadoxTable::Open(fs, katalog + "/Mirta.DB");
    int32_t id = 0;
    for (uint64_t r = 0; r < mirta->RowCount() && id == 0; ++r) {
        mirta::engine::Record w = mirta->ReadRow(r);
        const auto tekst = [&](const char* p) {
            const auto& v = w[Pole(*mirta, p)];
            return v.IsNull() ? std::string() : v.AsText();
        };
        if (!w[Pole(*mirta, "DataZwolnienia")].IsNull() || tekst("Podzial") == "4" ||
            tekst("CharakterZatrudnienia") == "U")
            continue;
        id = static_cast<int32_t>(w[Pole(*mirta, "Identyfikator")].AsInteger());
        w[Pole(*mirta, "Plec")] = {};
        mirta->Update(r, w);
    }
    mirta->Sync();
    auto zatrudnienie = mirta::engine::ParadoxTable::Open(fs, katalog + "/Zatrudnienie.db");
    for (uint64_t r = 0; r < zatrudnienie->RowCount(); ++r) {
        mirta::engine::Record w = zatrudnienie->ReadRow(r);
        if (w[Pole(*zatrudnienie, "IdentyfikatorPracownika")].AsInteger() != id)
            continue;
        auto& od = w[Pole(*zatrudnienie, "DataOd")];
        od = mirta::engine::Value::Date(od.AsDay() + 1);
        zatrudnienie->Insert(w);
        break;
    }
    zatrudnienie->Sync();
    auto urlopy = mirta::engine::ParadoxTable::Open(fs, katalog + "/WykUrl2026.DB");
    mirta::engine::Record u(urlopy->Fields().size());
    u[Pole(*urlopy, "IdentyfikatorPracownika")] = mirta::engine::Value::Integer(id);
    u[Pole(*urlopy, "DataOd")] =
        mirta::engine::Value::Date(mirta::engine::DayNumberFromCivil(2026, 11, 30));
    u[Pole(*urlopy, "DataDo")] = u[Pole(*urlopy, "DataOd")];
    urlopy->Insert(u);
    urlopy->Sync();
    return id;
}

spd::WynikGenerowania Generuj(DemoOkien& baza, std::vector<int32_t> wpisy) {
    spd::Zaznaczenia z;
    for (int32_t w : wpisy)
        z.Zaznacz(w);
    baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    spd::OpcjeGenerowania o;
    o.dataDanych = kDzis;
    return spd::GenerujPrzesylkeSPD(*baza.tdm, *baza.tdm1, z, baza.dialogi, o);
}

int Wiersze(QWidget& okno, const QString& lista) {
    return Znajdz<mirta::kit::DbGrid>(okno, lista)->model()->rowCount();
}

// Takes a picture of the send window while its busy panel shows, at the first question the
// upload asks, and answers it.
class DialogiZeZrzutem final : public mirta::store::Dialogi {
public:
    void Blad(const std::string& t, const std::string& c) override { zapis.Blad(t, c); }
    void Ostrzezenie(const std::string& t, const std::string& c) override {
        zapis.Ostrzezenie(t, c);
    }
    void Informacja(const std::string& t, const std::string& c) override { zapis.Informacja(t, c); }
    Odpowiedz TakNie(const std::string& t, const std::string& c, mirta::store::Ikona i,
                     Odpowiedz d) override {
        if (okno && c == "Klucz serwera SFTP.") {
            panelWidoczny = okno->findChild<QWidget*>("PanelCzekaj")->isVisible();
            Zrzut(*okno, "spd_wysylanie_w_toku");
        }
        return zapis.TakNie(t, c, i, d);
    }
    Odpowiedz TakNieAnuluj(const std::string& t, const std::string& c, mirta::store::Ikona i,
                           Odpowiedz d) override {
        return zapis.TakNieAnuluj(t, c, i, d);
    }

    mirta::store::testing::DialogiSkryptowe zapis;
    QWidget* okno = nullptr;
    bool panelWidoczny = false;
};

}  // namespace

class SpdOknaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    // Generation mode: the due entries come marked, the marks change by hand, and the button
    // makes a package of the marked entries and clears the marks.
    void harmonogramGenerowanie() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        spd::ui::TFHarmonogramSPD okno(baza.UslugiOkien(),
                                       spd::ui::TFHarmonogramSPD::Tryb::Generowanie, kDzis);
        okno.show();
        QCOMPARE(Wiersze(okno, "Lista"), 14);
        // The daily entry is always due; the others by their day.
        QVERIFY(okno.Zaznaczone().Zaznaczony(1));
        Zrzut(okno, "spd_harmonogram_generowanie");
        okno.ZaznaczWszystko();
        QCOMPARE(okno.Zaznaczone().Lista().size(), size_t{14});
        okno.OdznaczWszystko();
        QVERIFY(okno.Zaznaczone().Lista().empty());
        okno.PrzelaczBiezacy();  // the first row: Pracownicy
        QCOMPARE(okno.Zaznaczone().Lista().size(), size_t{1});
        QCOMPARE(Znajdz<mirta::kit::DbGrid>(okno, "Lista")->model()->index(0, 0).data().toString(),
                 QString("*"));
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);  // generate
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);  // the processing date, not today's
        Kliknij(okno, "ButtonWygeneruj");
        QCOMPARE(okno.Wynik().stan, spd::WynikGenerowania::Stan::Wygenerowano);
        QVERIFY(okno.Zaznaczone().Lista().empty());
        QVERIFY(okno.Wynik().naglowki.at(0).rekordy > 10);
    }

    void harmonogramPodglad() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        spd::ui::TFHarmonogramSPD okno(baza.UslugiOkien(), spd::ui::TFHarmonogramSPD::Tryb::Podglad,
                                       kDzis);
        okno.show();
        QVERIFY(!okno.findChild<QPushButton*>("ButtonWygeneruj"));
        auto* model = Znajdz<mirta::kit::DbGrid>(okno, "Lista")->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("LP"));
        QCOMPARE(model->index(0, 3).data().toString(), QString("Pracownicy"));
        QCOMPARE(model->index(0, 6).data().toString(), QString("Codziennie do godziny:14:00"));
        Zrzut(okno, "spd_harmonogram_podglad");
    }

    // The findings of the damaged demo, each kind on its employee's row; Enter on a row asks
    // the main window for the employee's page of the finding's table.
    void kontrolaPrzedEksportem() {
        int32_t zepsuty = 0;
        DemoOkien baza([&](const std::string& k) { zepsuty = PsujDemo(k); });
        QVERIFY(baza.ZalogujIOtworzTabele());
        std::vector<std::pair<int32_t, std::string>> skoki;
        spd::ui::TFKontrolaDanychSPD okno(
            *baza.tdm, *baza.tdm1, baza.dialogi, {}, kDzis,
            [&](int32_t id, const std::string& k) { skoki.emplace_back(id, k); });
        okno.show();
        okno.Sprawdz();
        std::map<spd::RodzajUsterki, std::string> rodzaje;
        for (const spd::Usterka& u : okno.Usterki()) {
            QCOMPARE(u.pracownik, zepsuty);
            rodzaje[u.rodzaj] = u.komponent;
        }
        using R = spd::RodzajUsterki;
        QCOMPARE(rodzaje.size(), size_t{3});
        QCOMPARE(rodzaje[R::NakladanieZatrudnienia], std::string("TZatrudnienie"));
        QCOMPARE(rodzaje[R::UrlopBezLiczbyDni], std::string("TUrlopy"));
        QVERIFY(rodzaje.count(R::BrakWartosci));  // the sex, and the leave's kind
        QCOMPARE(okno.Wierszy(), static_cast<int>(okno.Usterki().size()));
        Zrzut(okno, "spd_kontrola_przed_eksportem");

        auto* lista = okno.findChild<QTableWidget*>("usterki");
        const auto urlop =
            std::find_if(okno.Usterki().begin(), okno.Usterki().end(),
                         [](const auto& u) { return u.rodzaj == R::UrlopBezLiczbyDni; });
        lista->setCurrentCell(static_cast<int>(urlop - okno.Usterki().begin()), 0);
        QTest::keyClick(lista, Qt::Key_Return);
        QCOMPARE(skoki.size(), size_t{1});
        QCOMPARE(skoki[0], std::make_pair(zepsuty, std::string("TUrlopy")));
        QVERIFY(okno.isVisible());  // opened from the menu it stays for the next finding
        QVERIFY(baza.dialogi.komunikaty.empty());
    }

    // Generation asks first when the check finds something: "Nie" lists the findings, and a
    // row closes both windows and leads to the page; "Tak" generates anyway.
    void generowanieZUsterkami() {
        DemoOkien baza(PsujDemo);
        QVERIFY(baza.ZalogujIOtworzTabele());
        std::vector<std::pair<int32_t, std::string>> skoki;
        spd::ui::TFHarmonogramSPD okno(baza.UslugiOkien(),
                                       spd::ui::TFHarmonogramSPD::Tryb::Generowanie, kDzis);
        okno.UstawSkok([&](int32_t id, const std::string& k) { skoki.emplace_back(id, k); });
        okno.show();
        okno.OdznaczWszystko();
        okno.PrzelaczBiezacy();  // Pracownicy
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
        int wierszy = 0;
        QTimer::singleShot(0, [&] {
            auto* lista =
                qobject_cast<spd::ui::TFKontrolaDanychSPD*>(QApplication::activeModalWidget());
            QVERIFY(lista);
            wierszy = lista->Wierszy();
            Zrzut(*lista, "spd_kontrola_przed_generowaniem");
            lista->Przejdz(0);
        });
        Kliknij(okno, "ButtonWygeneruj");
        // The employee's data, and the sex the package of employees requires.
        QCOMPARE(wierszy, 3);
        QCOMPARE(skoki.size(), size_t{1});
        QCOMPARE(skoki[0].second, std::string("TZatrudnienie"));
        QVERIFY(!okno.isVisible());
        QCOMPARE(okno.Wynik().stan, spd::WynikGenerowania::Stan::Rezygnacja);
        QVERIFY(baza.dialogi.Teksty().at(0).starts_with(
            "Kontrola danych przed eksportem znalazła usterek: 3.\nCzy mimo to"));

        okno.show();
        okno.PrzelaczBiezacy();
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);  // go on anyway
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);  // generate
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);  // the processing date
        Kliknij(okno, "ButtonWygeneruj");
        QCOMPARE(okno.Wynik().stan, spd::WynikGenerowania::Stan::Wygenerowano);
    }

    // The register with the newest package selected, and the package window over it.
    void rejestrIPrzesylka() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        QVERIFY(!spd::ui::PrzesylkiSa(*baza.tdm, baza.dialogi));
        QCOMPARE(baza.OstatniKomunikat(), std::string("Brak wygenerowanych przesyłek !!!"));
        Generuj(baza, {1, 3});
        const spd::WynikGenerowania w = Generuj(baza, {1, 2, 3, 4});
        QVERIFY(spd::ui::PrzesylkiSa(*baza.tdm, baza.dialogi));
        spd::ui::TFSPDWysylaniePrzesylek okno(baza.UslugiOkien());
        okno.show();
        QCOMPARE(Wiersze(okno, "Lista"), 2);
        QCOMPARE(okno.Biezacy().identyfikator, w.rejestr);
        Zrzut(okno, "spd_wysylanie_przesylek");

        spd::ui::TFSPDPrzesylka przesylka(baza.UslugiOkien(), okno.Biezacy());
        przesylka.show();
        QCOMPARE(Wiersze(przesylka, "naglowkiLista"), 4);
        QVERIFY(Wiersze(przesylka, "pozycjeLista") > 43);  // the employees' field rows
        Kliknij(przesylka, "ButtonPrzesylki");
        QCOMPARE(Wiersze(przesylka, "przesylkiLista"), 2);  // both packages sent Pracownicy
        Zrzut(przesylka, "spd_przesylka");

        // A package whose folder is gone is reported and not shown.
        spd::WpisRejestru brak = okno.Biezacy();
        std::filesystem::remove_all(spd::SciezkaWKatalogu(baza.Katalog(), brak.katalog));
        QVERIFY(!spd::ui::PlikiPrzesylkiSa(*baza.tdm, brak, baza.dialogi));
        QVERIFY(baza.OstatniKomunikat().starts_with("Brak pliku:" + brak.katalog));
    }

    // The send window uploads to a private SFTP server; the busy panel shows while it runs.
    void wysylanie() {
        if (const auto powod = spd::testing::SerwerSftpTestowy::Niedostepny())
            QSKIP(powod->c_str());
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        // The test user of the server must get through to its folder.
        std::filesystem::permissions(baza.Katalog(), std::filesystem::perms(0755));
        const std::string folderSerwera = baza.Katalog() + "/serwer";
        std::filesystem::create_directories(folderSerwera);
        spd::testing::SerwerSftpTestowy serwer(folderSerwera);
        QVERIFY(!spd::ZmienParametrySPD(FileSystem::Real(), baza.Katalog(), baza.tdm->Sesja(),
                                        {{"FTPSPD", "127.0.0.1"},
                                         {"PortSPD", std::to_string(serwer.Port())},
                                         {"UzytkownikSPD", serwer.kUzytkownik},
                                         {"HasloSPD", serwer.kHaslo},
                                         {"SciezkaSPD", serwer.FolderPrzesylek()}}));
        Generuj(baza, {1, 2});
        DialogiZeZrzutem dialogi;
        spd::ui::TFSPDWysylaniePrzesylek okno({*baza.tdm, *baza.tdm1, dialogi, baza.edycja});
        dialogi.okno = &okno;
        okno.show();
        dialogi.zapis.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Tak, Odpowiedz::Tak};
        Kliknij(okno, "ButtonWyslij");
        QVERIFY(dialogi.panelWidoczny);
        QVERIFY2(!okno.OstatniaWysylka().empty(), dialogi.zapis.komunikaty.back().tekst.c_str());
        QCOMPARE(dialogi.zapis.komunikaty.back().tytul, std::string("Sukces."));
        QVERIFY(std::filesystem::exists(serwer.FolderPrzesylek() + "/" + okno.OstatniaWysylka() +
                                        ".sem"));
        QVERIFY(!Znajdz(okno, "PanelCzekaj")->isVisible());
        QVERIFY(Znajdz<QPushButton>(okno, "ButtonWyslij")->isEnabled());
    }

    void parametry() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        spd::ui::TFParametrySPD okno(*baza.tdm, baza.dialogi);
        okno.show();
        QCOMPARE(okno.Pole("NumerJednostki")->text(), QString("2061101"));
        QVERIFY(okno.Pole("KodObszaru")->isReadOnly());
        QVERIFY(okno.Pole("KodSD")->isReadOnly());
        QCOMPARE(okno.Pole("HasloSPD")->echoMode(), QLineEdit::Password);
        QVERIFY(!Znajdz<QPushButton>(okno, "ButtonZapisz")->isEnabled());
        okno.Pole("HasloSPD")->setText("sekret");
        Zrzut(okno, "spd_parametry");
        // A folder that does not exist cannot be stored.
        QTest::keyClicks(okno.Pole("Sciezka"), "X");
        QVERIFY(Znajdz<QPushButton>(okno, "ButtonZapisz")->isEnabled());
        QVERIFY(!okno.Zapisz());
        QCOMPARE(baza.OstatniKomunikat(), std::string("Brak folderu: SPD\\WYSLANEX"));
        okno.Pole("Sciezka")->setText("");
        QVERIFY(okno.Zapisz());
        QCOMPARE(spd::CzytajPolaParametrow(FileSystem::Real(), baza.Katalog()).at("HasloSPD"),
                 std::string("sekret"));
        // Closing with a change asks first; "Nie" drops it.
        QTest::keyClicks(okno.Pole("FTPSPD"), "9");
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
        okno.reject();
        QCOMPARE(baza.dialogi.komunikaty.back().tytul,
                 std::string("Kontrola danych o parametrachSPD."));
        QCOMPARE(spd::CzytajPolaParametrow(FileSystem::Real(), baza.Katalog()).at("FTPSPD"),
                 std::string("127.0.0.1"));
    }

    // A browse-only user sees the schedule and the register, with generating and sending
    // disabled and the reason as the buttons' hint.
    void bezPrawaGenerowaniaIWysylania() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        Generuj(baza, {1});
        baza.Otworz();
        QVERIFY(baza.ZalogujIOtworzTabele("PODGLAD", "podglad"));
        spd::ui::TFHarmonogramSPD harmonogram(baza.UslugiOkien(),
                                              spd::ui::TFHarmonogramSPD::Tryb::Generowanie, kDzis);
        harmonogram.show();
        auto* wygeneruj = Znajdz<QPushButton>(harmonogram, "ButtonWygeneruj");
        QVERIFY(!wygeneruj->isEnabled());
        QCOMPARE(wygeneruj->toolTip(), QString("Nie masz prawa do zmiany danych !!!"));
        Zrzut(harmonogram, "spd_harmonogram_bez_prawa");

        spd::ui::TFSPDWysylaniePrzesylek przesylki(baza.UslugiOkien());
        przesylki.show();
        QCOMPARE(Wiersze(przesylki, "Lista"), 1);
        QVERIFY(!Znajdz<QPushButton>(przesylki, "ButtonWyslij")->isEnabled());
        QVERIFY(Znajdz<QPushButton>(przesylki, "ButtonPokaz")->isEnabled());
        Zrzut(przesylki, "spd_wysylanie_bez_prawa");
        QVERIFY(baza.dialogi.komunikaty.size() <= 1);  // the generation's question only
    }

    void parametryBezPrawa() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele("PODGLAD", "podglad"));
        spd::ui::TFParametrySPD okno(*baza.tdm, baza.dialogi);
        okno.Pole("FTPSPD")->setText("10.0.0.1");
        QVERIFY(!okno.Zapisz());
        QCOMPARE(baza.OstatniKomunikat(), std::string("Nie masz prawa do zmiany danych !!!"));
    }

    void skladnikiWynagrodzen() {
        DemoOkien baza(KopiujSPD);
        QVERIFY(baza.ZalogujIOtworzTabele());
        spd::ui::TFSPDSkladnikiWynagrodzen okno(baza.UslugiOkien());
        okno.show();
        QCOMPARE(Wiersze(okno, "Lista"), 6);
        Zrzut(okno, "spd_skladniki_wynagrodzen");
        auto& ds = okno.Skladniki();
        ds.Insert();
        ds.SetFieldText("LP", "7");
        ds.SetFieldText("KodSkladnika", "NAG");
        ds.SetFieldText("NazwaSkladnika", "Nagroda");
        bool odmowa = false;
        try {
            ds.Post();
        } catch (const mirta::store::BladDanych& e) {
            odmowa = true;
            QCOMPARE(std::string(e.what()),
                     std::string("Numer składnika wynagrodzeń do SPD nie może być pusty !!!"));
        }
        QVERIFY(odmowa);
        ds.SetFieldText("NumerSkladnikaPlace", "7");
        ds.Post();
        QCOMPARE(ds.Field("IdentyfikatorSkladnika").AsInteger(), int64_t{0});
    }
};

QTEST_MAIN(SpdOknaTest)
#include "spd_okna_test.moc"
