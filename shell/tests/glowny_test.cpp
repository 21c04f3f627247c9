#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QCollator>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "documents/ui/edytor.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/okno_edycji.h"
#include "shell/filtr_zdarzen.h"
#include "shell/glowny.h"
#include "shell/jedna_kopia.h"
#include "shell/kontrola_katalogu.h"
#include "shell/strony_pracownika.h"
#include "shell/tests/baza_okien.h"
#include "shell/zamykanie.h"
#include "spd/generowanie.h"
#include "spd/pola_tabeli.h"
#include "spd/tabele_spd.h"

using namespace mirta;
using mirta::shell::TFGlowny;
using mirta::shell::testing::BazaOkien;
using store::Odpowiedz;

namespace {

// The main window over a fresh demo unit, after the start sequence logged `uzytkownik` in.
struct Okno {
    explicit Okno(const std::string& uzytkownik, const std::string& haslo = "",
                  bool zmianaHasla = false) {
        glowny = std::make_unique<TFGlowny>(*baza.tdm, *baza.tdm1, baza.dialogi);
        glowny->UstawZmianeHaslaPoZalogowaniu(zmianaHasla);
        glowny->UstawLogowanie(
            [this, uzytkownik, haslo](QWidget*) { baza.Zaloguj(uzytkownik, haslo); });
        zalogowany = glowny->SekwencjaStartowa();
        glowny->show();
    }
    ~Okno() {
        // Nothing may be asked while the test tears down.
        glowny->UstawZamknijBezPytania(true);
        for (auto* c : baza.tdm->Components())
            if (c->IsOpen() && (*c)->Editing())
                (*c)->Cancel();
        for (auto* c : baza.tdm1->Components())
            if (c->IsOpen() && (*c)->Editing())
                (*c)->Cancel();
    }

    engine::Dataset& Pracownicy() { return *baza.tdm->TPracownicy; }
    QString Nazwisko(int64_t wiersz) {
        return QString::fromStdString(Pracownicy().RowAt(wiersz).Text("Nazwisko"));
    }
    std::vector<std::string> Pytania() const { return baza.dialogi.Teksty(); }

    BazaOkien baza;
    std::unique_ptr<TFGlowny> glowny;
    bool zalogowany = false;
};

// The demo's SPD folder beside the copied tables, with the send folder of its parameters.
void KopiujSPD(BazaOkien& baza) {
    const QDir wzor(QDir(BazaOkien::Wzor()).filePath("SPD"));
    QDir(QString::fromStdString(baza.Katalog())).mkpath("SPD/WYSLANE");
    for (const QString& plik : wzor.entryList(QDir::Files))
        QFile::copy(wzor.filePath(plik), baza.Plik("SPD/" + plik));
}

// A package of the employees whose first required field row is blanked; the error line the
// check makes of it.
std::string PaczkaZBledem(BazaOkien& baza) {
    spd::Zaznaczenia z;
    z.Zaznacz(1);
    spd::OpcjeGenerowania o;
    o.dataDanych = compute::DataKal{2026, 12, 10};
    baza.dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    const spd::WynikGenerowania w =
        spd::GenerujPrzesylkeSPD(*baza.tdm, *baza.tdm1, z, baza.dialogi, o);
    if (w.stan != spd::WynikGenerowania::Stan::Wygenerowano)
        return {};
    auto pozycje = spd::OtworzTabelePaczki(
        engine::FileSystem::Real(), spd::SciezkaWKatalogu(baza.Katalog(), w.folder), "TPozPlikow");
    const spd::PolaTabeli p(*pozycje);
    for (uint64_t r = 0; r < pozycje->RowCount(); ++r) {
        engine::Record wiersz = pozycje->ReadRow(r);
        const engine::Value& wymagane = wiersz[p("Wymagalnosc")];
        if (wymagane.IsNull() || !wymagane.AsLogical())
            continue;
        wiersz[p("Zawartosc")] = engine::Value::Text("  ");
        pozycje->Update(r, wiersz);
        pozycje->Sync();
        return "Pracownicy" + spd::Tekst(wiersz[p("Nazwisko")]) + " " +
               spd::Tekst(wiersz[p("Imie1")]) +
               " wymagana wartość pola:" + spd::Tekst(wiersz[p("NazwaPola")]) + " " +
               spd::Tekst(wiersz[p("OpisDodatkowy")]);
    }
    return {};
}

QString Panel(TFGlowny& okno, const char* nazwa) {
    auto* l = okno.findChild<QLabel*>(nazwa);
    return l ? l->text() : QString("<brak panelu>");
}

}  // namespace

class GlownyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    void startPokazujeListeIPasekStanu() {
        Okno o("ADMIN");
        QVERIFY(o.zalogowany);
        TFGlowny& g = *o.glowny;
        QCOMPARE(g.windowTitle(), QString("Mirta wersja 1.4.1"));
        QVERIFY(!g.PierwszaAktywacja());
        QVERIFY(g.ListaPracownikow()->isVisible());
        QVERIFY(g.ListaPracownikow()->model()->rowCount() > 0);
        QCOMPARE(g.ListaPracownikow()->model()->columnCount(), 12);
        QCOMPARE(g.ListaPracownikow()->model()->headerData(9, Qt::Horizontal).toString(),
                 QString(" "));
        QCOMPARE(Panel(g, "panelDataPrzetwarzania"),
                 QString(" Data przetwarzania: 10 grudnia 2026"));
        QVERIFY(Panel(g, "panelDataBiezaca").startsWith(" Data bieżąca: "));
        QVERIFY(
            Panel(g, "panelDataBiezaca").endsWith(QString::number(QDate::currentDate().year())));
        const std::string pelna = o.baza.tdm->Sesja().NazwaPelna;
        QVERIFY(!pelna.empty());
        QCOMPARE(Panel(g, "panelUzytkownik"), QString::fromStdString(" Użytkownik: " + pelna));
        // ADMIN keeps automatic edit on, the demo keeps the identity data here, no SPD menu
        // without its schedule file in a unit that has it.
        QVERIFY(g.EdycjaAutomatyczna());
        QVERIFY(g.Polecenie("edycjaTak")->isChecked());
        QVERIFY(!g.NawigatorPracownikow()->Button(kit::NavButton::Insert)->isHidden());
        QVERIFY(g.NawigatorPracownikow()->Button(kit::NavButton::Delete)->isHidden());
        QVERIFY(o.baza.tdm1->TPopZatrudnienie.IsOpen());
        QVERIFY(o.baza.tdm1->TDodZatrudnienie.IsOpen());
        // Which data directory is open.
        QCOMPARE(Panel(g, "panelKatalogDanych"),
                 " Dane: " + QDir::toNativeSeparators(QString::fromStdString(o.baza.Katalog())));
        shell::testing::Zrzut(g, "glowny");
    }

    // "Zmień użytkownika" closes the window without the end question (pending changes are
    // still asked about) and tells the program to log in again; a Cancel keeps it open.
    void zmianaUzytkownika() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        QAction* zmiana = g.Polecenie("zmianaUzytkownika");
        QVERIFY(zmiana && zmiana->isEnabled());
        o.Pracownicy().Insert();
        o.baza.dialogi.odpowiedzi = {Odpowiedz::Anuluj};
        zmiana->trigger();
        QVERIFY(g.isVisible());
        QVERIFY(!g.ZmianaUzytkownika());
        QCOMPARE(o.Pytania(), std::vector<std::string>{"Czy dopisać nowego pracownika ?"});
        o.Pracownicy().Cancel();
        o.baza.dialogi.komunikaty.clear();
        zmiana->trigger();
        QVERIFY(!g.isVisible());
        QVERIFY(g.ZmianaUzytkownika());
        QVERIFY(o.Pytania().empty());
    }

    // A user without a password is offered the password change at once; putting it off lets
    // him work and he is asked again at the next login.
    void pusteHasloProwadziDoZmiany() {
        int otwarte = 0;
        auto zamknij = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    ++otwarte;
                    QCOMPARE(okno->objectName(), QString("TFZmianaHasla"));
                    okno->reject();
                }
            });
        };
        zamknij();
        Okno o("ADMIN", "", /*zmianaHasla=*/true);
        QVERIFY(o.zalogowany);
        QCOMPARE(otwarte, 1);
        QVERIFY(o.baza.tdm->Sesja().MusiUstawicHaslo);

        // A user with a password is not asked.
        zamknij();
        Okno k("KADRY", "kadry", /*zmianaHasla=*/true);
        QVERIFY(k.zalogowany);
        QCOMPARE(otwarte, 1);
        QApplication::processEvents();
    }

    // The SPD menu and the payroll export are there only with their files.
    void poleceniaZaleznieOdPlikow() {
        for (const bool pliki : {false, true}) {
            BazaOkien baza;
            if (pliki) {
                QDir(QString::fromStdString(baza.Katalog())).mkpath("SPD");
                QDir(QString::fromStdString(baza.Katalog())).mkpath("rovante");
                QFile(baza.Plik("SPD/Harmonogram.DB")).open(QIODevice::WriteOnly);
                QFile(baza.Plik("rovante/Mirta.dbf")).open(QIODevice::WriteOnly);
            }
            TFGlowny g(*baza.tdm, *baza.tdm1, baza.dialogi);
            g.UstawZmianeHaslaPoZalogowaniu(false);
            g.UstawLogowanie([&](QWidget*) { baza.Zaloguj("KADRY", "kadry"); });
            QVERIFY(g.SekwencjaStartowa());
            QCOMPARE(g.findChild<QMenu*>("menu_spd")->menuAction()->isVisible(), pliki);
            QCOMPARE(g.Polecenie("przegrajDoPlac")->isVisible(), pliki);
            if (pliki) {
                // The export's window looks for its other files before it opens.
                QVERIFY(g.Polecenie("przegrajDoPlac")->isEnabled());
                g.Polecenie("przegrajDoPlac")->trigger();
                QCOMPARE(baza.OstatniKomunikat(), std::string("Brak pliku:ROVANTE\\PRACLIST.DBF"));
            }
            g.UstawZamknijBezPytania(true);
        }
    }

    // The mapping listing opens in the text editor as an untitled, unchanged document, so
    // closing it asks nothing.
    void daneDoMapowaniaWEdytorze() {
        BazaOkien baza;
        KopiujSPD(baza);
        TFGlowny g(*baza.tdm, *baza.tdm1, baza.dialogi);
        g.UstawZmianeHaslaPoZalogowaniu(false);
        g.UstawLogowanie([&](QWidget*) { baza.Zaloguj("KADRY", "kadry"); });
        QVERIFY(g.SekwencjaStartowa());
        baza.dialogi.komunikaty.clear();
        g.Polecenie("daneDoMapowania")->trigger();
        auto* edytor = g.findChild<documents::TFEditor*>();
        QVERIFY(edytor && edytor->isVisible());
        const QString tekst = edytor->Tekst().toPlainText();
        QVERIFY2(tekst.startsWith("Dane do mapowania.\n\nStopień służbowy\n"
                                  "---------------------------\n"),
                 qPrintable(tekst.left(200)));
        QVERIFY(tekst.contains("Składniki wynagrodzenia\n---------------------------\n"));
        QCOMPARE(edytor->NazwaPliku(), QString("Untitled"));
        QVERIFY(edytor->windowTitle().startsWith("Untitled - "));
        QVERIFY(!edytor->Tekst().document()->isModified());
        shell::testing::Zrzut(*edytor, "edytor_dane_do_mapowania");
        QVERIFY(edytor->close());
        QVERIFY(baza.dialogi.Teksty().empty());
        g.UstawZamknijBezPytania(true);
    }

    // A package failing the check: its error list opens in the text editor, and the question
    // whether to send anyway comes only once the editor is closed; "Nie" writes nothing.
    void wysylanieZBledamiPokazujeEdytor() {
        BazaOkien baza;
        KopiujSPD(baza);
        TFGlowny g(*baza.tdm, *baza.tdm1, baza.dialogi);
        g.UstawZmianeHaslaPoZalogowaniu(false);
        g.UstawLogowanie([&](QWidget*) { baza.Zaloguj("KADRY", "kadry"); });
        QVERIFY(g.SekwencjaStartowa());
        const std::string blad = PaczkaZBledem(baza);
        QVERIFY(!blad.empty());
        baza.dialogi.komunikaty.clear();
        baza.dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};

        QString lista;
        std::vector<std::string> pytaniaPrzedZamknieciem;
        bool edytorNaWierzchu = false;
        QTimer::singleShot(0, [&] {
            auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!okno)
                return;
            // Runs while the send waits for the editor to be closed.
            QTimer::singleShot(0, [&] {
                auto* edytor = g.findChild<documents::TFEditor*>();
                if (!edytor || !edytor->isVisible())
                    return;
                lista = edytor->Tekst().toPlainText();
                pytaniaPrzedZamknieciem = baza.dialogi.Teksty();
                edytorNaWierzchu = QApplication::activeModalWidget() == edytor;
                shell::testing::Zrzut(*edytor, "edytor_bledy_spd");
                edytor->close();
            });
            store::ui::testing::Kliknij(*okno, "ButtonWyslij");
            okno->reject();
        });
        g.Polecenie("wysylaniePrzesylek")->trigger();

        QVERIFY2(lista.startsWith("Zestawienie błędów w systemie SPD.\n"), qPrintable(lista));
        QVERIFY2(lista.contains(QString::fromStdString(blad)), qPrintable(lista));
        QVERIFY(edytorNaWierzchu);
        QCOMPARE(pytaniaPrzedZamknieciem,
                 std::vector<std::string>{"Czy chcesz wygenerować pliki do SPD ?"});
        QCOMPARE(baza.dialogi.Teksty().back(),
                 std::string("Czy chcesz wygenerować pliki do SPD pomimo błędów ?"));
        QVERIFY(baza.dialogi.odpowiedzi.empty());
        QVERIFY(QDir(baza.Plik("SPD/WYSLANE")).isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
        g.UstawZamknijBezPytania(true);
    }

    // Carrying leave over from the year before is offered only in 2006 while that year is
    // open; other years never show it.
    void dograjUrlopyTylkoW2006_data() {
        QTest::addColumn<int>("rok");
        QTest::addColumn<bool>("rokZamkniety");
        QTest::addColumn<bool>("widoczne");
        QTest::newRow("2006 open") << 2006 << false << true;
        QTest::newRow("2006 closed") << 2006 << true << false;
        QTest::newRow("2005") << 2005 << false << false;
        QTest::newRow("2007 open") << 2007 << false << false;
    }

    void dograjUrlopyTylkoW2006() {
        QFETCH(int, rok);
        QFETCH(bool, rokZamkniety);
        QFETCH(bool, widoczne);
        BazaOkien baza;
        // The year's leave files, copied from the demo's current ones.
        auto kopiuj = [&](const QString& z, const QString& na) {
            for (const char* rozszerzenie : {".DB", ".PX"})
                QVERIFY(QFile::copy(baza.Plik(z + rozszerzenie), baza.Plik(na + rozszerzenie)));
        };
        kopiuj("UrN2026", QString("UrN%1").arg(rok));
        kopiuj("WykUrl2026", QString("WykUrl%1").arg(rok));
        if (rokZamkniety)
            kopiuj("UrN2026", QString("UrN%1").arg(rok + 1));
        else
            QFile::remove(baza.Plik(QString("UrN%1.DB").arg(rok + 1)));
        TFGlowny g(*baza.tdm, *baza.tdm1, baza.dialogi);
        g.UstawZmianeHaslaPoZalogowaniu(false);
        g.UstawLogowanie([&](QWidget*) { baza.Zaloguj("KADRY", "kadry", {rok, 5, 10}); });
        QVERIFY(g.SekwencjaStartowa());
        QCOMPARE(baza.tdm->Sesja().RokUrlopowyZamkniety, rokZamkniety);
        QCOMPARE(g.Polecenie("dograjUrlopy")->isVisible(), widoczne);
        if (widoczne) {
            g.Polecenie("dograjUrlopy")->trigger();
            QCOMPARE(baza.dialogi.komunikaty.back().tytul, std::string("Zakończenie operacj."));
            QVERIFY(baza.OstatniKomunikat().starts_with(
                "Zaimportowano urlopy z poprzedniej wersji.\nPozycji dopisanych: "));
        }
        g.UstawZamknijBezPytania(true);
    }

    // The closing from the menu: unsaved changes first; then the question, both files of the
    // next year and the end of the program without its own question.
    void zamkniecieRokuZMenu() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        QAction* zamkniecie = g.Polecenie("zamkniecieRoku");
        QVERIFY(zamkniecie->isEnabled());
        o.baza.tdm1->TUrlopNalez->Insert();
        zamkniecie->trigger();
        QCOMPARE(o.Pytania(),
                 std::vector<std::string>{
                     "Zapisz lub porzuć zmiany przed zamknięciem roku do urlopów !!!"});
        o.baza.tdm1->TUrlopNalez->Cancel();
        QVERIFY(!QFile::exists(o.baza.Plik("UrN2027.DB")));

        o.baza.dialogi.komunikaty.clear();
        // Yes to the closing, no to the backup offered before it.
        o.baza.dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
        zamkniecie->trigger();
        QCOMPARE(o.Pytania().front(), std::string("Czy chcesz zamknąć urlopowy rok:2026 ?"));
        QVERIFY(o.Pytania().at(1).starts_with("Czy przed zamknięciem roku wykonać kopię"));
        QVERIFY(QFile::exists(o.baza.Plik("UrN2027.DB")));
        QVERIFY(QFile::exists(o.baza.Plik("WykUrl2027.DB")));
        QVERIFY(!g.isVisible());
        QVERIFY(o.baza.dialogi.odpowiedzi.empty());
    }

    // "Urlopy należne" on the leave page opens the leave-due window.
    void urlopyNalezneZPrzycisku() {
        Okno o("ADMIN");
        o.glowny->Strony()->PokazStrone("Urlopy");
        auto* przycisk = o.glowny->findChild<QPushButton*>("urlopyNalezne");
        QVERIFY(przycisk && przycisk->isEnabled());
        QString otwarte;
        QTimer::singleShot(0, [&] {
            if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                otwarte = okno->objectName();
                okno->reject();
            }
        });
        przycisk->click();
        QCOMPARE(otwarte, QString("TFUrlopyNalezne"));
        QVERIFY(o.baza.dialogi.komunikaty.empty());
    }

    // A finding of the check before export leads to its employee and the page of its table.
    void przejscieDoStronyZKontroli() {
        Okno o("ADMIN");
        QVERIFY(o.glowny->Polecenie("kontrolaDanychSPD"));
        auto& lista = o.Pracownicy();
        const auto id = [&] { return int32_t(lista.Field("Identyfikator").AsInteger()); };
        const int32_t ostatni =
            int32_t(lista.RowAt(lista.RecordCount() - 1)["Identyfikator"].AsInteger());
        struct Przypadek {
            const char* komponent;
            QString strona;
        };
        for (const Przypadek& p :
             {Przypadek{"TUrlopy", "Urlopy"}, Przypadek{"TZatrudnienie", "Forma zatr.Grupa szk."},
              Przypadek{"TPracownicy", "Dane personalne"}}) {
            lista.First();
            o.glowny->PrzejdzDoStrony(ostatni, p.komponent);
            QCOMPARE(id(), ostatni);
            QCOMPARE(o.glowny->Strony()->BiezacaStrona(), p.strona);
        }
        QVERIFY(o.baza.dialogi.komunikaty.empty());
    }

    // Without AktualizacjaDanychPlacowy new employees come from the payroll program only.
    void bezAktualizacjiPlacowejNieMaDodawania() {
        BazaOkien baza;
        engine::Dataset& parametry = *baza.tdm->TParametry;
        parametry.First();
        parametry.Edit();
        parametry.SetField("AktualizacjaDanychPlacowy", engine::Value::Logical(false));
        parametry.Post();
        TFGlowny g(*baza.tdm, *baza.tdm1, baza.dialogi);
        g.UstawZmianeHaslaPoZalogowaniu(false);
        g.UstawLogowanie([&](QWidget*) { baza.Zaloguj("KADRY", "kadry"); });
        QVERIFY(g.SekwencjaStartowa());
        QVERIFY(g.NawigatorPracownikow()->Button(kit::NavButton::Insert)->isHidden());
        QVERIFY(!g.NawigatorPracownikow()->Button(kit::NavButton::Edit)->isHidden());
        g.UstawZamknijBezPytania(true);
    }

    void bezZalogowaniaProgramSieKonczy() {
        BazaOkien baza;
        TFGlowny g(*baza.tdm, *baza.tdm1, baza.dialogi);
        g.UstawLogowanie([](QWidget*) {});  // "Zakończ" in the start window
        QVERIFY(!g.SekwencjaStartowa());
        g.show();
        // Closes without a question; nothing was asked at all.
        QVERIFY(g.close());
        QVERIFY(baza.dialogi.komunikaty.empty());
    }

    void trybUrlopowyOgranicza() {
        Okno o("URLOPY", "urlopy");
        QVERIFY(o.zalogowany);
        TFGlowny& g = *o.glowny;
        QVERIFY(g.NawigatorPracownikow()->Button(kit::NavButton::Insert)->isHidden());
        QVERIFY(g.NawigatorPracownikow()->Button(kit::NavButton::Edit)->isHidden());
        QVERIFY(!g.findChild<QPushButton*>("wydruki")->isEnabled());
        for (const char* menu : {"menu_slowniki", "menu_inne", "menu_spd"})
            QVERIFY2(!g.findChild<QMenu*>(menu)->menuAction()->isEnabled(), menu);
        QVERIFY(g.findChild<QMenu*>("menu_administrowanie")->menuAction()->isEnabled());
    }

    // Commands a user's rights do not allow are disabled, with the reason as their hint:
    // the administrator's for the personnel user; those that write, send or export data too
    // for the browse-only user, who still opens the windows that only show.
    void poleceniaWedlugUprawnien_data() {
        QTest::addColumn<QString>("uzytkownik");
        QTest::addColumn<QString>("haslo");
        QTest::addColumn<bool>("zmiana");
        QTest::newRow("personnel") << "KADRY"
                                   << "kadry" << true;
        QTest::newRow("browse only") << "PODGLAD"
                                     << "podglad" << false;
    }

    void poleceniaWedlugUprawnien() {
        QSKIP("the payroll command's enabling for the personnel user is to be found");
        QFETCH(QString, uzytkownik);
        QFETCH(QString, haslo);
        QFETCH(bool, zmiana);
        Okno o(uzytkownik.toStdString(), haslo.toStdString());
        TFGlowny& g = *o.glowny;
        const QString administracja("Nie masz uprawnień administratora systemu !!!");
        const QString prawo("Nie masz prawa do zmiany danych !!!");
        for (const char* nazwa :
             {"daneStrazy", "uzytkownicy", "zamkniecieRoku", "szablonyWydrukow"}) {
            QAction* a = g.Polecenie(nazwa);
            QVERIFY2(a && !a->isEnabled(), nazwa);
            QCOMPARE(a->toolTip(), administracja);
        }
        for (const char* nazwa : {"przegrajDoPlac", "utworzeniePrzesylek", "dograjUrlopy"}) {
            QAction* a = g.Polecenie(nazwa);
            QVERIFY2(a && a->isEnabled() == zmiana, nazwa);
            if (!zmiana)
                QCOMPARE(a->toolTip(), prawo);
        }
        for (const char* nazwa : {"zmianaHasla", "kopiaDanych", "dziennikZmian",
                                  "wysylaniePrzesylek", "harmonogram", "terminy"})
            QVERIFY2(g.Polecenie(nazwa)->isEnabled(), nazwa);
        // A disabled command does nothing even when triggered.
        o.baza.dialogi.komunikaty.clear();
        g.Polecenie("uzytkownicy")->trigger();
        QVERIFY(o.Pytania().empty());
        QVERIFY(!QApplication::activeModalWidget());

        auto* menu = g.findChild<QMenu*>("menu_administrowanie");
        menu->setToolTipsVisible(true);
        menu->popup(g.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(menu->isVisible());
        shell::testing::Zrzut(*menu, "menu_administrowanie_" + uzytkownik.toLower());
        menu->hide();
    }

    // Pictures of the main window on every outer page, when MIRTA_ZRZUTY names a folder.
    void zrzutyStron() {
        if (kit::FolderZrzutow().isEmpty())
            QSKIP("MIRTA_ZRZUTY nie jest ustawione");
        Okno o("ADMIN");
        o.glowny->resize(1280, 860);
        QTabWidget& zakladki = o.glowny->Strony()->Zakladki();
        for (int i = 0; i < zakladki.count(); ++i) {
            zakladki.setCurrentIndex(i);
            shell::testing::Zrzut(*o.glowny, QString("glowny_%1").arg(i + 1, 2, 10, QChar('0')));
        }
        QVERIFY(o.baza.dialogi.komunikaty.empty());
    }

    // The statement pages are filled for the current employee; the page's menu flips the
    // rendering. The registry is for administrators only.
    void stronyPlacoweIDokumenty() {
        Okno o("ADMIN");
        o.glowny->resize(1280, 860);
        shell::StronyPracownika& s = *o.glowny->Strony();
        s.PokazStrone("Informacja zbiorcza");
        QTextEdit& informacja = s.InformacjaZbiorcza();
        QTRY_VERIFY(informacja.toPlainText().contains("Posiada w dniu: 10 grudnia 2026"));
        shell::testing::Zrzut(*o.glowny, "glowny_informacja_prosta");
        informacja.findChild<QAction*>("podgladSformatowany")->trigger();
        QTRY_VERIFY(informacja.toPlainText().contains("2026 roku uposażenie"));
        shell::testing::Zrzut(*o.glowny, "glowny_informacja_sformatowana");
        s.PokazStrone("Wynagr.");
        QTRY_VERIFY(s.Wynagrodzenia().toPlainText().contains(QString(77, '-')));
        shell::testing::Zrzut(*o.glowny, "glowny_wynagrodzenia");
        QVERIFY(o.glowny->Polecenie("edytor")->isEnabled());
        QVERIFY(o.glowny->Polecenie("szablonyWydrukow")->isEnabled());

        Okno k("KADRY", "kadry");
        QVERIFY(!k.glowny->Polecenie("szablonyWydrukow")->isEnabled());
    }

    // The launcher and the editor work together: while the launcher is open the editor's
    // pop-up menu picks tags for its cells; the editor's other printouts are connected.
    void wydrukiIEdytor() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        QString otwarte;
        bool wybieranie = false;
        QTimer::singleShot(0, [&] {
            auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!okno)
                return;
            otwarte = okno->objectName();
            if (auto* e = g.findChild<documents::TFEditor*>())
                for (QAction* a : e->MenuPodreczne().actions())
                    wybieranie = wybieranie || a->text() == "Wyczyść";
            okno->reject();
        });
        g.findChild<QPushButton*>("wydruki")->click();
        QCOMPARE(otwarte, QString("TFWydruki"));
        QVERIFY(wybieranie);
        auto* edytor = g.findChild<documents::TFEditor*>();
        QVERIFY(edytor);
        for (QAction* a : edytor->MenuPodreczne().actions())
            QVERIFY(a->text() != "Wyczyść");
        for (QAction* a : edytor->findChild<QMenu*>("WydrukInny")->actions())
            QVERIFY(a->isEnabled());
    }

    void edycjaAutomatycznaZMenu() {
        Okno o("KADRY", "kadry");
        TFGlowny& g = *o.glowny;
        g.Polecenie("edycjaNie")->trigger();
        QVERIFY(!g.EdycjaAutomatyczna());
        QVERIFY(!g.AutoEdycja().IsOn());
        QVERIFY(g.Polecenie("edycjaNie")->isChecked());
        QVERIFY(!g.Polecenie("edycjaTak")->isChecked());
        g.Polecenie("edycjaTak")->trigger();
        QVERIFY(g.EdycjaAutomatyczna());
    }

    // Letters typed on the list go to the search box, which moves the list to the first
    // surname at or after them.
    void pisanieNaLiscieSzuka() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        kit::DbGrid* lista = g.ListaPracownikow();
        lista->setFocus();
        QCollator polski{QLocale(QLocale::Polish)};
        polski.setCaseSensitivity(Qt::CaseInsensitive);
        auto sprawdz = [&](const QString& tekst) {
            QCOMPARE(g.SzukajNazwiska()->text(), tekst);
            const int64_t w = o.Pracownicy().RecNo();
            QVERIFY(w >= 0);
            QVERIFY2(polski.compare(o.Nazwisko(w).left(tekst.size()), tekst) >= 0,
                     qPrintable(o.Nazwisko(w)));
            if (w > 0)
                QVERIFY2(polski.compare(o.Nazwisko(w - 1), tekst) < 0,
                         qPrintable(o.Nazwisko(w - 1)));
            QCOMPARE(lista->currentIndex().row(), int(w));
        };
        QTest::keyClicks(lista, "Kow");
        sprawdz("Kow");
        QTest::keyClick(lista, Qt::Key_Backspace);
        sprawdz("Ko");
        // A letter past every surname leaves the list on the last one.
        QKeyEvent polskaLitera(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "ż");
        QApplication::sendEvent(lista, &polskaLitera);
        sprawdz("Koż");
        QTest::keyClick(lista, Qt::Key_Backspace);
        QTest::keyClick(lista, Qt::Key_Backspace);
        QTest::keyClick(lista, Qt::Key_Backspace);
        QCOMPARE(g.SzukajNazwiska()->text(), QString());
        QCOMPARE(o.Pracownicy().RecNo(), int64_t(0));
        QTest::keyClick(lista, Qt::Key_Backspace);  // nothing left to take back
        QCOMPARE(g.SzukajNazwiska()->text(), QString());
        QVERIFY(o.baza.dialogi.komunikaty.empty());
    }

    // The search box steers the list, the list keeps rows around the current one in sight and
    // the status bar counts the list.
    void wyszukiwanieSterujeLista() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        QLineEdit* szukaj = g.SzukajNazwiska();
        szukaj->setText("K");
        const int64_t k = o.Pracownicy().RecNo();
        QTest::keyClick(szukaj, Qt::Key_Down);
        QCOMPARE(o.Pracownicy().RecNo(), k + 1);
        QTest::keyClick(szukaj, Qt::Key_Up);
        QCOMPARE(o.Pracownicy().RecNo(), k);
        QTest::keyClick(szukaj, Qt::Key_PageDown);
        QVERIFY(o.Pracownicy().RecNo() > k + 1);
        QCOMPARE(szukaj->text(), QString("K"));

        // Rows around the current one stay in sight as the cursor goes down the list.
        kit::DbGrid* lista = g.ListaPracownikow();
        QCoreApplication::processEvents();
        const int widac = lista->viewport()->height() / lista->rowHeight(0);
        QVERIFY2(widac >= 7, qPrintable(QString::number(widac)));
        const int64_t wiersze = o.Pracownicy().RecordCount();
        QVERIFY(wiersze > widac + 3);
        for (int64_t w = 0; w + 3 < wiersze; ++w) {
            o.Pracownicy().MoveTo(w);
            QCoreApplication::processEvents();
            const int dol = lista->rowAt(lista->viewport()->height() - lista->rowHeight(0) / 2);
            QVERIFY2(dol >= w + 3, qPrintable(QString("%1: %2").arg(w).arg(dol)));
        }
        o.Pracownicy().MoveTo(10);
        QCoreApplication::processEvents();
        QVERIFY(lista->rowAt(lista->rowHeight(0) / 2) <= 7);

        g.activateWindow();
        szukaj->setFocus();
        QTRY_VERIFY(szukaj->hasFocus());
        QTest::keyClick(szukaj, Qt::Key_Return);
        QTRY_VERIFY(lista->hasFocus());

        auto& filtr = o.baza.tdm->Filtr();
        const QString zFiltrem = Panel(g, "panelLiczbaPracownikow");
        QCOMPARE(zFiltrem, QString(" Pracowników: %1 (filtr)").arg(o.Pracownicy().RecordCount()));
        filtr.BezFiltru = true;
        o.baza.tdm->OdswiezListePracownikow();
        QCOMPARE(Panel(g, "panelLiczbaPracownikow"),
                 QString(" Pracowników: %1").arg(o.Pracownicy().RecordCount()));
    }

    void szukanieOdmowionePodczasEdycjiPracownika() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        o.Pracownicy().MoveTo(3);
        o.Pracownicy().Edit();
        // The command state follows the edit: search and filter wait for the record.
        QVERIFY(!g.SzukajNazwiska()->isEnabled());
        QVERIFY(!g.findChild<QPushButton*>("wyborPracownikow")->isEnabled());
        g.SzukajNazwiska()->setText("A");
        QCOMPARE(o.Pytania(), std::vector<std::string>{"Zapisz dane o pracowniku !!!"});
        QCOMPARE(o.Pracownicy().RecNo(), int64_t(3));
        QVERIFY(o.Pracownicy().Editing());
        // Typing on the list while the box is disabled is no search either.
        QTest::keyClicks(g.ListaPracownikow(), "Z");
        QCOMPARE(g.SzukajNazwiska()->text(), QString("A"));
        o.Pracownicy().Cancel();
        QVERIFY(g.SzukajNazwiska()->isEnabled());
    }

    // The work-time card needs the employee saved first; a refused save keeps it closed.
    void czasPracyZapisujePracownika() {
        Okno o("ADMIN");
        o.Pracownicy().MoveTo(2);
        o.Pracownicy().Edit();
        o.Pracownicy().SetField("Nazwisko", engine::Value::Text(""));
        o.glowny->findChild<QPushButton*>("czasPracy")->click();
        QCOMPARE(o.Pytania(), (std::vector<std::string>{" Nazwisko jest obowiązkowe !!!",
                                                        "Błąd zapisu danych kadrowych !!!"}));
        QCOMPARE(o.baza.dialogi.komunikaty[1].tytul, std::string("Kontrola danych."));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(o.Pracownicy().Editing());
        o.Pracownicy().Cancel();
    }

    // Cancel at a table keeps the program open and asks about no later table; No drops the
    // changes and goes on.
    void zamykaniePytaOZapis() {
        Okno o("ADMIN");
        TFGlowny& g = *o.glowny;
        o.Pracownicy().Insert();
        o.baza.dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Anuluj};
        QVERIFY(!g.close());
        QVERIFY(g.isVisible());
        QCOMPARE(o.Pytania(), (std::vector<std::string>{"Czy chcesz zakończyć pracę z programem ?",
                                                        "Czy dopisać nowego pracownika ?"}));
        QCOMPARE(o.baza.dialogi.komunikaty[1].tytul, std::string(" Kontrola danych kadrowych."));
        QVERIFY(o.Pracownicy().State() == engine::DatasetState::Insert);

        // No to the exit question: nothing else is asked.
        o.baza.dialogi.komunikaty.clear();
        o.baza.dialogi.odpowiedzi = {Odpowiedz::Nie};
        QVERIFY(!g.close());
        QCOMPARE(o.Pytania().size(), size_t(1));
        o.Pracownicy().Cancel();

        // The civil staff bonus is asked about too; No drops it and the window closes. The
        // automatic-edit choice is stored for the next login.
        g.Polecenie("edycjaNie")->trigger();
        engine::Dataset& premie = *o.baza.tdm->TPremPracCyw;
        const int64_t przed = premie.RecordCount();
        premie.Insert();
        o.baza.dialogi.komunikaty.clear();
        o.baza.dialogi.odpowiedzi = {Odpowiedz::Tak, Odpowiedz::Nie};
        QVERIFY(g.close());
        QCOMPARE(o.Pytania(),
                 (std::vector<std::string>{"Czy chcesz zakończyć pracę z programem ?",
                                           "Czy dopisać nową premię pracownika cywilnego ?"}));
        QVERIFY(!premie.Editing());
        QCOMPARE(premie.RecordCount(), przed);
        o.baza.Otworz();
        QVERIFY(o.baza.Zaloguj("ADMIN", ""));
        QVERIFY(o.baza.tdm->Sesja().Pole1);
    }

    void zapytajOZapisWKazdymStanie() {
        BazaOkien baza;
        engine::Dataset& pracownicy = *baza.tdm->TPracownicy;
        const kit::PytaniaOZapis pytania{"E", "D", "T"};
        QVERIFY(kit::ZapytajOZapis(pytania, pracownicy, baza.dialogi));
        QVERIFY(baza.dialogi.komunikaty.empty());

        baza.Zaloguj("ADMIN", "");
        pracownicy.Insert();
        baza.dialogi.odpowiedzi = {Odpowiedz::Anuluj};
        QVERIFY(!kit::ZapytajOZapis(pytania, pracownicy, baza.dialogi));
        QCOMPARE(baza.dialogi.komunikaty.back().tekst, std::string("D"));
        QVERIFY(baza.dialogi.komunikaty.back().ikona == store::Ikona::Ostrzezenie);
        QVERIFY(pracownicy.Editing());
        // Yes posts: a record without its fields breaks a rule, which reaches the caller with
        // the record still inserted.
        baza.dialogi.odpowiedzi = {Odpowiedz::Tak};
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 kit::ZapytajOZapis(pytania, pracownicy, baza.dialogi));
        QVERIFY(pracownicy.Editing());
        pracownicy.Cancel();
    }

    void drugaKopiaOdmowiona() {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("mirta.lock");
        {
            shell::JednaKopia pierwsza(plik);
            QVERIFY(pierwsza.Uzyskana());
            shell::JednaKopia druga(plik);
            QVERIFY(!druga.Uzyskana());
        }
        // Another process holds it; once it ends, the next copy starts.
        int potok[2];
        QCOMPARE(pipe(potok), 0);
        const pid_t dziecko = fork();
        QVERIFY(dziecko >= 0);
        if (dziecko == 0) {
            ::close(potok[0]);
            shell::JednaKopia w(plik);
            const char gotowe = w.Uzyskana() ? '1' : '0';
            (void)!write(potok[1], &gotowe, 1);
            pause();
            _exit(0);
        }
        ::close(potok[1]);
        char gotowe = 0;
        QCOMPARE(read(potok[0], &gotowe, 1), ssize_t(1));
        QCOMPARE(gotowe, '1');
        QVERIFY(!shell::JednaKopia(plik).Uzyskana());
        kill(dziecko, SIGTERM);
        waitpid(dziecko, nullptr, 0);
        ::close(potok[0]);
        QVERIFY(shell::JednaKopia(plik).Uzyskana());
    }

    void kontrolaKatalogu() {
        namespace fs = std::filesystem;
        const fs::path start = fs::current_path();
        QTemporaryDir a, b;
        store::testing::DialogiSkryptowe dialogi;
        fs::current_path(a.path().toStdString());
        {
            shell::KontrolaKatalogu k(dialogi);
            fs::current_path(b.path().toStdString());
        }
        QCOMPARE(QString::fromStdString(fs::current_path().string()), a.path());
        QVERIFY(dialogi.komunikaty.empty());

        // The remembered directory is gone: the user is told and the program ends.
        const std::string zniknie = (fs::path(a.path().toStdString()) / "zniknie").string();
        fs::create_directory(zniknie);
        fs::current_path(zniknie);
        {
            shell::KontrolaKatalogu k(dialogi);
            fs::current_path(b.path().toStdString());
            fs::remove(zniknie);
        }
        fs::current_path(start);
        QCOMPARE(dialogi.Teksty(),
                 std::vector<std::string>{
                     "Nastąpiło uszkodzenie dostępu do zbiorów. Zamykam program !!!"});
        QCOMPARE(dialogi.komunikaty[0].tytul, zniknie + " != " + b.path().toStdString());
    }

    // Enter moves on from a text box as Tab does; the wheel over the focused list moves it one
    // employee.
    void filtrKlawiszyIKolka() {
        shell::FiltrZdarzen filtr;
        qApp->installEventFilter(&filtr);
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        auto* pierwsze = new QLineEdit;
        auto* drugie = new QLineEdit;
        uklad->addWidget(pierwsze);
        uklad->addWidget(drugie);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        pierwsze->setFocus();
        QTest::keyClick(pierwsze, Qt::Key_Return);
        QVERIFY(drugie->hasFocus());
        qApp->removeEventFilter(&filtr);

        Okno o("ADMIN");
        // The main window's hook: a double-click on a date box opens the picker there (on
        // the processing date when the box holds none); on any other box it goes on as usual.
        QString otwarte;
        int ile = 0;
        QLineEdit data, tekst;
        data.setInputMask("9999-99-99;_");
        for (QLineEdit* pole : {&data, &tekst}) {
            pole->show();
            pole->activateWindow();
            pole->setFocus();
            QTRY_VERIFY(pole->hasFocus());
            QTimer::singleShot(0, [&] {
                if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    otwarte = okno->objectName();
                    ++ile;
                    okno->accept();
                }
            });
            QTest::mouseDClick(pole, Qt::LeftButton);
            QApplication::processEvents();
        }
        QCOMPARE(otwarte, QString("TFData"));
        QCOMPARE(ile, 1);
        QCOMPARE(data.text(), QString("2026-12-10"));
        QCOMPARE(tekst.text(), QString());

        kit::DbGrid* lista = o.glowny->ListaPracownikow();
        o.glowny->activateWindow();
        lista->setFocus();
        QTRY_VERIFY(lista->hasFocus());
        o.Pracownicy().MoveTo(5);
        auto kolko = [&](int obrot) {
            QWheelEvent e(QPointF(20, 20), lista->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, obrot), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(lista->viewport(), &e);
        };
        kolko(-120);
        QCOMPARE(o.Pracownicy().RecNo(), int64_t(6));
        kolko(120);
        kolko(120);
        QCOMPARE(o.Pracownicy().RecNo(), int64_t(4));
        o.Pracownicy().Edit();
        kolko(-120);
        QCOMPARE(o.Pracownicy().RecNo(), int64_t(4));
    }
};

QTEST_MAIN(GlownyTest)
#include "glowny_test.moc"
