#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "kit/cala_wartosc.h"
#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/dostepnosc.h"
#include "shell/glowny.h"
#include "shell/opisy_stron.h"
#include "shell/strony_pracownika.h"
#include "shell/tests/baza_okien.h"
#include "store/listy_kodow.h"

using namespace mirta;
using mirta::shell::TFGlowny;
using mirta::shell::testing::BazaOkien;

namespace {

// The main window over a fresh demo unit, logged in as `uzytkownik` by the start sequence.
struct Okno {
    explicit Okno(const std::string& uzytkownik, const std::string& haslo = "") {
        glowny = std::make_unique<TFGlowny>(*baza.tdm, *baza.tdm1, baza.dialogi);
        glowny->UstawZmianeHaslaPoZalogowaniu(false);
        glowny->UstawLogowanie(
            [this, uzytkownik, haslo](QWidget*) { baza.Zaloguj(uzytkownik, haslo); });
        zalogowany = glowny->SekwencjaStartowa();
        glowny->resize(1280, 860);
        glowny->show();
    }
    ~Okno() {
        glowny->UstawZamknijBezPytania(true);
        for (auto* modul : {static_cast<store::DataModule*>(baza.tdm.get()),
                            static_cast<store::DataModule*>(baza.tdm1.get())})
            for (auto* c : modul->Components())
                if (c->IsOpen() && (*c)->Editing())
                    (*c)->Cancel();
    }

    template <typename T = QWidget>
    T* Kontrolka(const char* nazwa) {
        auto* k = glowny->findChild<T*>(nazwa);
        if (!k)
            qWarning("Brak kontrolki %s", nazwa);
        return k;
    }

    // Shows every page in turn on an employee with rows on it; `strona` runs while it is shown
    // (a hidden page's grids are unbound).
    void NaKazdejStronie(const std::function<void()>& strona) {
        for (const shell::OpisStrony& o : shell::OpisyStron()) {
            if (o.rodzaj == shell::RodzajStrony::Kontener)
                continue;
            glowny->Strony()->PokazStrone(QString::fromUtf8(o.tytul.data(), o.tytul.size()));
            if (!o.tabele.empty() && o.tabele[0].siatka) {
                store::TableComponent* c = baza.tdm->Find(o.tabele[0].komponent);
                if (!c)
                    c = baza.tdm1->Find(o.tabele[0].komponent);
                engine::Dataset& prac = *baza.tdm->TPracownicy;
                for (prac.First(); c && c->IsOpen() && (*c)->IsEmpty() && !prac.Eof();
                     prac.Next()) {
                }
            }
            strona();
        }
    }

    BazaOkien baza;
    std::unique_ptr<TFGlowny> glowny;
    bool zalogowany = false;
};

// The code list a grid column shows its field through, if any.
const store::ListaKodow* ListaKolumny(const std::string& pole) {
    if (pole == "GrupaSzkodliwosci")
        return &store::ListaGrupSzkodliwosci(BazaOkien::kDzis.year);
    return store::ZnajdzListe(pole);
}

}  // namespace

class PracaKadrowejTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    // A new employee posted without a surname: the message, then the cursor in the surname on
    // the personal page, wherever the user was; what is typed next goes there.
    void kursorWPoluPoOdmowie() {
        Okno o("ADMIN");
        QVERIFY(o.zalogowany);
        TFGlowny& g = *o.glowny;
        QVERIFY(!qobject_cast<QAbstractButton*>(g.focusWidget()));
        g.NawigatorPracownikow()->Button(kit::NavButton::Insert)->click();
        g.Strony()->PokazStrone("adresowe");
        auto* mail = o.Kontrolka<kit::DbEdit>("TPracownicyAdresMail");
        mail->setFocus();
        QTest::keyClicks(mail, "ewa@example.pl");
        g.NawigatorPracownikow()->Button(kit::NavButton::Post)->click();
        QCOMPARE(o.baza.dialogi.Teksty().back(), std::string(" Nazwisko jest obowiązkowe !!!"));
        QCOMPARE(g.Strony()->BiezacaStrona(), QString("Dane personalne"));
        auto* nazwisko = o.Kontrolka<kit::DbEdit>("TPracownicyNazwisko");
        QCOMPARE(g.focusWidget(), nazwisko);
        QVERIFY(nazwisko->isVisible());
        QTest::keyClicks(g.focusWidget(), "Nowicka");
        QTest::keyClick(g.focusWidget(), Qt::Key_Return);
        QCOMPARE(o.baza.tdm->TPracownicy->FieldText("Nazwisko"), std::string("Nowicka"));
        QCOMPARE(o.baza.tdm->TPracownicy->FieldText("AdresMail"), std::string("ewa@example.pl"));
    }

    // A leave record added from the main window with the keys only: Alt and the underlined
    // letters of the tabs "płacowe" and "Urlopy", Tab into the page, Insert (the cursor goes to
    // "Data od"), the dates, the leave type by its code "UW", Ctrl+S.
    void urlopZKlawiatury() {
        QSKIP("Tab does not yet leave the date field of a new leave record");
        Okno o("ADMIN");
        QVERIFY(o.zalogowany);
        TFGlowny& g = *o.glowny;
        kit::NadajSkroty(g);  // as the program does when the window is shown
        g.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g));
        auto klawisz = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
        };
        auto zakladka = [&](const QString& tytul) {
            for (QTabWidget* z : g.findChildren<QTabWidget*>())
                for (int i = 0; i < z->count(); ++i)
                    if (QString(z->tabText(i)).remove('&') == tytul) {
                        const QString t = z->tabText(i);
                        const qsizetype amp = t.indexOf('&');
                        QVERIFY2(amp >= 0, qPrintable(tytul + ": bez skrótu"));
                        QTest::keyClick(QApplication::focusWidget(),
                                        t[amp + 1].toLower().toLatin1(), Qt::AltModifier);
                        QCOMPARE(z->currentIndex(), i);
                        return;
                    }
            QFAIL(qPrintable(tytul + ": nie ma takiej zakładki"));
        };
        zakladka("płacowe");
        zakladka("Urlopy");

        engine::Dataset& urlopy = *o.baza.tdm1->TUrlopy;
        const uint64_t przed = urlopy.GetTable().RowCount();
        QWidget* obszar = g.findChild<kit::DbNavigator*>("nawigatorTUrlopy")->parentWidget();
        for (int i = 0; i < 80 && !obszar->isAncestorOf(QApplication::focusWidget()); ++i)
            klawisz(Qt::Key_Tab);
        QVERIFY(obszar->isAncestorOf(QApplication::focusWidget()));
        klawisz(Qt::Key_Insert);
        QCOMPARE(urlopy.State(), engine::DatasetState::Insert);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("TUrlopyDataOd"));
        QTest::keyClicks(QApplication::focusWidget(), "20261214");
        klawisz(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("TUrlopyDataDo"));
        QTest::keyClicks(QApplication::focusWidget(), "20261218");
        klawisz(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("TUrlopyRodzajUrlopu"));
        QTest::keyClicks(QApplication::focusWidget(), "UW");
        klawisz(Qt::Key_S, Qt::ControlModifier);
        for (const auto& k : o.baza.dialogi.komunikaty)
            qWarning("%s", k.tekst.c_str());
        QCOMPARE(urlopy.State(), engine::DatasetState::Browse);
        QCOMPARE(urlopy.GetTable().RowCount(), przed + 1);
        QCOMPARE(urlopy.FieldText("DataOd"), std::string("2026-12-14"));
        QCOMPARE(urlopy.FieldText("DataDo"), std::string("2026-12-18"));
        engine::Dataset& rodzaje = *o.baza.tdm1->TRodzUrlop;
        bool znaleziony = false;
        for (int64_t i = 0; i < rodzaje.RecordCount(); ++i)
            if (rodzaje.RowAt(i).Text("Symbol") == "UW") {
                QCOMPARE(urlopy.FieldText("RodzajUrlopu"), rodzaje.RowAt(i).Text("Identyfikator"));
                znaleziony = true;
            }
        QVERIFY(znaleziony);
        shell::testing::Zrzut(g, "kadrowa_urlop_z_klawiatury");
    }

    // Every coded column of every grid of the employee's pages shows its code's text (or the
    // list's text for an unknown code), whole.
    void kodowaneKolumnyWKazdejSiatce() {
        Okno o("ADMIN");
        int komorek = 0;
        QStringList siatki;
        o.NaKazdejStronie([&] {
            for (const auto& [nazwa, siatka] : o.glowny->Strony()->Siatki()) {
                if (!siatka->datasetModel())
                    continue;
                const std::vector<kit::Column> kolumny = siatka->Columns();
                for (size_t k = 0; k < kolumny.size(); ++k) {
                    const store::ListaKodow* lista = ListaKolumny(kolumny[k].field);
                    if (!lista)
                        continue;
                    QStringList dozwolone = {
                        QString::fromUtf8(lista->nieznany.data(), lista->nieznany.size())};
                    for (const store::PozycjaKodu& p : lista->pozycje)
                        dozwolone << QString::fromUtf8(p.tekst.data(), p.tekst.size());
                    if (!lista->pustyJakNieznany)
                        dozwolone << QString();
                    QAbstractItemModel* m = siatka->model();
                    for (int r = 0; r < m->rowCount(); ++r) {
                        const QModelIndex i = m->index(r, static_cast<int>(k));
                        QVERIFY2(dozwolone.contains(i.data().toString()),
                                 qPrintable(nazwa + " " + i.data().toString()));
                        QVERIFY2(siatka->CutText(i).isEmpty(),
                                 qPrintable(nazwa + " " + i.data().toString()));
                        ++komorek;
                    }
                    siatki << QString::fromStdString(siatka->datasetModel()->dataset().Name());
                }
            }
        });
        QVERIFY2(komorek > 20, qPrintable(siatki.join(' ')));
        QVERIFY2(siatki.contains("TChoroby"), qPrintable(siatki.join(' ')));
        QVERIFY2(siatki.contains("TBadania"), qPrintable(siatki.join(' ')));
    }

    // Long addresses fit their fields; a value longer still is offered whole in a tooltip.
    void szerokiePolaIPodpowiedz() {
        Okno o("ADMIN");
        o.glowny->Strony()->PokazStrone("adresowe");
        engine::Dataset& prac = *o.baza.tdm->TPracownicy;
        auto* mail = o.Kontrolka<kit::DbEdit>("TPracownicyAdresMail");
        auto* adres = o.Kontrolka<kit::DbEdit>("TPracownicyMiejscowoscAdresZamieszka");
        prac.Edit();
        prac.SetFieldText("AdresMail", "aleksandra.nowakowska@komenda.straz.pl");
        prac.SetFieldText("MiejscowoscAdresZamieszka", "ul. Generała Sikorskiego 125 m. 14");
        QCOMPARE(kit::UcietyTekst(*mail), QString());
        QCOMPARE(kit::UcietyTekst(*adres), QString());
        const std::string dlugi(80, 'x');
        prac.SetFieldText("AdresMail", dlugi + "@example.pl");
        QCOMPARE(kit::UcietyTekst(*mail), QString::fromStdString(dlugi + "@example.pl"));
        prac.Cancel();
    }

    // A browse-only user sees the insert, edit and delete buttons and the fields disabled;
    // browsing stays.
    void przegladanieBezPrzyciskowZmian() {
        Okno o("PODGLAD", "podglad");
        QVERIFY(o.zalogowany);
        TFGlowny& g = *o.glowny;
        g.AutoEdycja().SetOn(true);
        kit::DbNavigator* n = g.NawigatorPracownikow();
        for (auto b : {kit::NavButton::Insert, kit::NavButton::Edit})
            QVERIFY(!n->Button(b)->isEnabled());
        QVERIFY(n->Button(kit::NavButton::Next)->isEnabled());
        QVERIFY(!o.Kontrolka("TPracownicyNazwisko")->isEnabled());
        g.Strony()->PokazStrone("Urlopy");
        auto* urlopy = o.Kontrolka<kit::DbNavigator>("nawigatorTUrlopy");
        for (auto b : {kit::NavButton::Insert, kit::NavButton::Edit, kit::NavButton::Delete})
            QVERIFY(!urlopy->Button(b)->isEnabled());
        QVERIFY(!o.Kontrolka("TUrlopyDataOd")->isEnabled());
        QVERIFY(o.baza.dialogi.komunikaty.empty());
    }

    // Pictures of the main window and of two pages (saved with MIRTA_ZRZUTY): each painted,
    // and a page shown is a different picture.
    void zrzuty() {
        Okno o("ADMIN");
        QImage glowny, urlopy, choroby;
        store::ui::testing::ZrzutNarysowany(*o.glowny, "kadrowa_glowny", &glowny);
        o.glowny->Strony()->PokazStrone("Urlopy");
        store::ui::testing::ZrzutNarysowany(*o.glowny, "kadrowa_urlopy", &urlopy);
        o.glowny->Strony()->PokazStrone("Choroby / Nieobecności");
        store::ui::testing::ZrzutNarysowany(*o.glowny, "kadrowa_choroby", &choroby);
        QVERIFY(urlopy != glowny);
        QVERIFY(choroby != urlopy);
    }
};

QTEST_MAIN(PracaKadrowejTest)
#include "praca_kadrowej_test.moc"
