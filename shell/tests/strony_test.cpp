#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/polski.h"
#include "kit/zrzuty.h"
#include "shell/opisy_stron.h"
#include "shell/strony_pracownika.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/ui/testing/demo_okien.h"
#include "wspolne/testing/dialogi_skryptowe.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::engine::Value;
using namespace mirta;
using namespace mirta::shell;

namespace {

// A small demo unit, made once per program and copied for every test; the data modules open
// it as the program does and log the user in.
class Jednostka : public store::ui::testing::DemoOkien {
public:
    explicit Jednostka(const std::string& nazwa = "ADMIN", const std::string& haslo = "") {
        zalogowany = ZalogujIOtworzTabele(nazwa, haslo);
    }

    // Pages built and shown as the main window shows them after the login.
    std::unique_ptr<StronyPracownika> Strony() {
        auto s = std::make_unique<StronyPracownika>(*tdm, *tdm1, dialogi, edycja);
        s->resize(1100, 560);
        s->show();
        s->PoZalogowaniu();
        return s;
    }

    // The first employee (in list order) with rows in `komponent`; the list stays there.
    bool NaPracownikuZ(store::TableComponent& komponent) {
        Dataset& prac = *tdm->TPracownicy;
        for (prac.First(); !prac.Eof(); prac.Next()) {
            if (!komponent.IsOpen() || !komponent->IsEmpty())
                return true;
        }
        return false;
    }

    bool zalogowany = false;
};

template <typename T = QWidget>
T* Kontrolka(QWidget& w, const QString& nazwa) {
    auto* k = w.findChild<T*>(nazwa);
    if (!k)
        qWarning("Brak kontrolki %s", qPrintable(nazwa));
    return k;
}

void Nacisnij(QWidget& w, const QString& nawigator, const char* przycisk) {
    auto* n = Kontrolka<kit::DbNavigator>(w, nawigator);
    QVERIFY(n);
    auto* b = n->findChild<QToolButton*>(przycisk);
    QVERIFY(b);
    QVERIFY2(b->isEnabled(), przycisk);
    b->click();
}

}  // namespace

class StronyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    // Every page of the tree exists, the first pages are selected after the login, and the
    // navigators speak of their own records in the right grammatical gender.
    void stronyINawigatory() {
        Jednostka j;
        QVERIFY(j.zalogowany);
        auto s = j.Strony();
        for (const OpisStrony& o : OpisyStron())
            QVERIFY2(s->Strona(QString::fromUtf8(o.tytul.data(), o.tytul.size())), o.tytul.data());
        QCOMPARE(s->BiezacaStrona(), QString("Dane personalne"));
        s->PokazStrone("Zawieszenia");
        QCOMPARE(s->BiezacaStrona(), QString("Zawieszenia"));

        struct {
            const char* nawigator;
            const char* przycisk;
            const char* podpowiedz;
        } const przypadki[] = {
            {"nawigatorTUrlopy", "first", "Pierwszy urlop"},
            {"nawigatorTUrlopy", "insert", "Dodaj urlop"},
            {"nawigatorTUrlopy", "delete", "Skasuj urlop"},
            {"nawigatorTUrlopy", "edit", "Edytuj dane urlopu"},
            {"nawigatorTUrlopy", "post", "Zapisz dane urlopu"},
            {"nawigatorTUrlopy", "cancel", "Porzuć zmiany"},
            {"nawigatorTNagrody", "last", "Ostatnia nagroda"},
            {"nawigatorTNagrody", "insert", "Dodaj nagrodę"},
            {"nawigatorTStanowiska", "next", "Następne stanowisko"},
            {"nawigatorTRodzina", "delete", "Skasuj członka rodziny"},
            {"nawigatorTPopZatrudnienie", "edit", "Edytuj dane poprzedniego zatrudnienia"},
        };
        for (const auto& p : przypadki) {
            auto* n = Kontrolka<kit::DbNavigator>(*s, p.nawigator);
            QVERIFY(n);
            // The hint, followed by the keys where the button has them.
            const QString podpowiedz = n->findChild<QToolButton*>(p.przycisk)->toolTip();
            QVERIFY2(podpowiedz.startsWith(QString::fromUtf8(p.podpowiedz)),
                     qPrintable(podpowiedz));
        }
    }

    // A page whose table holds unsaved changes keeps the user on it, among the outer pages
    // and among the inner ones.
    void stronaZNiezapisanymiZmianamiZatrzymuje() {
        Jednostka j;
        auto s = j.Strony();
        s->PokazStrone("Rodzina pracownika");
        Nacisnij(*s, "nawigatorTRodzina", "insert");
        QCOMPARE(j.tdm->TRodzina->State(), DatasetState::Insert);
        s->Zakladki().setCurrentWidget(s->Strona("Wykształcenie"));
        QCOMPARE(s->BiezacaStrona(), QString("Rodzina pracownika"));
        Nacisnij(*s, "nawigatorTRodzina", "cancel");
        s->Zakladki().setCurrentWidget(s->Strona("Wykształcenie"));
        QCOMPARE(s->BiezacaStrona(), QString("Wykształcenie"));

        s->PokazStrone("Nagrody");
        Nacisnij(*s, "nawigatorTNagrody", "insert");
        auto* placowe = Kontrolka<QTabWidget>(*s, "płacowe_strony");
        QVERIFY(placowe);
        placowe->setCurrentWidget(s->Strona("Stopien"));
        QCOMPARE(s->BiezacaStrona(), QString("Nagrody"));
        s->Zakladki().setCurrentWidget(s->Strona("Inne"));
        QCOMPARE(s->BiezacaStrona(), QString("Nagrody"));
        Nacisnij(*s, "nawigatorTNagrody", "cancel");
        placowe->setCurrentWidget(s->Strona("Stopien"));
        QCOMPARE(s->BiezacaStrona(), QString("Stopien"));
    }

    // With automatic edit off the leave fields wait for insert or edit, and are disabled
    // again once the record is posted or cancelled.
    void edycjaAutomatycznaWylaczona() {
        Jednostka j;
        j.edycja.SetOn(false);
        auto s = j.Strony();
        s->PokazStrone("Urlopy");
        QVERIFY(j.tdm1->TUrlopy.IsOpen());
        QVERIFY(j.NaPracownikuZ(j.tdm1->TUrlopy));
        const QStringList pola = {"TUrlopyDataOd", "TUrlopyDataDo", "TUrlopyRodzajUrlopu",
                                  "TUrlopyIlosc", "TUrlopyGodziny"};
        auto wlaczone = [&](bool oczekiwane) {
            for (const QString& p : pola) {
                auto* k = Kontrolka(*s, p);
                QVERIFY(k);
                QVERIFY2(k->isEnabled() == oczekiwane, qPrintable(p));
            }
        };
        wlaczone(false);
        Nacisnij(*s, "nawigatorTUrlopy", "insert");
        wlaczone(true);
        Nacisnij(*s, "nawigatorTUrlopy", "cancel");
        wlaczone(false);
        Nacisnij(*s, "nawigatorTUrlopy", "edit");
        wlaczone(true);
        Nacisnij(*s, "nawigatorTUrlopy", "post");
        QCOMPARE(j.tdm1->TUrlopy->State(), DatasetState::Browse);
        wlaczone(false);
        j.edycja.SetOn(true);
        wlaczone(true);
    }

    // A leave row added with automatic edit off: the new record is a grid row of its own while
    // it is typed, and after the post it shows the days counted from the calendar.
    void nowyUrlopWlasnymWierszemSiatki() {
        Jednostka j;
        j.edycja.SetOn(false);
        auto s = j.Strony();
        s->PokazStrone("Urlopy");
        QVERIFY(j.NaPracownikuZ(j.tdm1->TUrlopy));
        auto* siatka = Kontrolka<kit::DbGrid>(*s, "siatkaTUrlopy");
        QVERIFY(siatka && siatka->model());
        Dataset& urlopy = *j.tdm1->TUrlopy;
        const int wiersze = siatka->model()->rowCount();
        QCOMPARE(int64_t(wiersze), urlopy.RecordCount());
        QVERIFY(!Kontrolka(*s, "TUrlopyDataOd")->isEnabled());

        Nacisnij(*s, "nawigatorTUrlopy", "insert");
        QVERIFY(Kontrolka(*s, "TUrlopyDataOd")->isEnabled());
        QCOMPARE(siatka->model()->rowCount(), wiersze + 1);
        const int nowy = siatka->currentIndex().row();
        QVERIFY(nowy >= 0);
        urlopy.SetFieldText("DataOd", "2026-12-28");
        urlopy.SetFieldText("DataDo", "2026-12-30");
        urlopy.SetField("RodzajUrlopu", Value::Integer(3));
        auto komorka = [&](int wiersz, const char* tytul) {
            for (int c = 0; c < siatka->model()->columnCount(); ++c)
                if (siatka->model()->headerData(c, Qt::Horizontal).toString() ==
                    QString::fromUtf8(tytul))
                    return siatka->model()->index(wiersz, c).data().toString();
            return QString("brak kolumny");
        };
        QCOMPARE(komorka(nowy, "Data od"), QString("2026-12-28"));
        QCOMPARE(komorka(nowy, "Rodzaj urlopu"), QString::fromUtf8("Urlop okolicznościowy"));
        // The row that was current keeps its own values below the new one.
        QVERIFY(komorka(nowy + 1, "Data od") != QString("2026-12-28") || nowy + 1 == wiersze + 1);

        Nacisnij(*s, "nawigatorTUrlopy", "post");
        QCOMPARE(urlopy.State(), DatasetState::Browse);
        QCOMPARE(siatka->model()->rowCount(), wiersze + 1);
        const int zapisany = siatka->currentIndex().row();
        QCOMPARE(komorka(zapisany, "Data od"), QString("2026-12-28"));
        QCOMPARE(komorka(zapisany, "Dni"), QString("3"));
        QVERIFY(!Kontrolka(*s, "TUrlopyDataOd")->isEnabled());
        QVERIFY(j.dialogi.komunikaty.empty());
    }

    // Without AktualizacjaDanychPlacowy the identity fields stay disabled even while the
    // employee is edited; the others follow the edit.
    void polaPlacoweBezAktualizacji() {
        Jednostka j;
        j.edycja.SetOn(false);
        auto s = j.Strony();
        s->UstawAktualizacjeDanychPlacowych(false);
        j.tdm->TPracownicy->Edit();
        QVERIFY(!Kontrolka(*s, "TPracownicyNazwisko")->isEnabled());
        QVERIFY(!Kontrolka(*s, "TPracownicyPESEL")->isEnabled());
        QVERIFY(Kontrolka(*s, "TPracownicyNazwiskoRodowe")->isEnabled());
        QVERIFY(Kontrolka(*s, "TPracownicyNrEwidencyjny")->isEnabled());
        s->PokazStrone("adresowe");
        QVERIFY(!Kontrolka(*s, "TPracownicyUlica")->isEnabled());
        QVERIFY(Kontrolka(*s, "TPracownicyTelefonKomorkowy")->isEnabled());
        s->UstawAktualizacjeDanychPlacowych(true);
        QVERIFY(Kontrolka(*s, "TPracownicyUlica")->isEnabled());
        j.tdm->TPracownicy->Cancel();
    }

    // A leave-only user (TrybUrlopowy) sees the pay page with leave and absences and nothing else.
    void trybUrlopowy() {
        Jednostka j("URLOPY", "urlopy");
        QVERIFY(j.zalogowany);
        QVERIFY(j.tdm->Sesja().TrybUrlopowy);
        auto s = j.Strony();
        QCOMPARE(s->BiezacaStrona(), QString("Urlopy"));
        QStringList widoczne;
        for (const OpisStrony& o : OpisyStron()) {
            const QString tytul = QString::fromUtf8(o.tytul.data(), o.tytul.size());
            QWidget* w = s->Strona(tytul);
            auto* zakladki = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
            if (zakladki && zakladki->isTabVisible(zakladki->indexOf(w)))
                widoczne << tytul;
        }
        QCOMPARE(widoczne, QStringList({"płacowe", "Urlopy", "Choroby / Nieobecności"}));
        QVERIFY(j.tdm1->TUrlopy.IsOpen());
    }

    // Grids are bound only while their page is shown; the civil bonus grid always; the leave
    // table is open only with its page, unless a leave record is being edited.
    void wiazanieSiatek() {
        Jednostka j;
        auto s = j.Strony();
        auto siatka = [&](const char* nazwa) { return Kontrolka<kit::DbGrid>(*s, nazwa); };
        QVERIFY(!siatka("siatkaTNagrody")->IsAttached());
        QVERIFY(!siatka("DBGrid14")->IsAttached());
        QVERIFY(siatka("siatkaTPremPracCyw")->IsAttached());
        QVERIFY(!j.tdm1->TUrlopy.IsOpen());

        s->PokazStrone("Nagrody");
        QVERIFY(siatka("siatkaTNagrody")->IsAttached());
        s->PokazStrone("Poprzednie zatrudnienia");
        QVERIFY(!siatka("siatkaTNagrody")->IsAttached());
        QVERIFY(siatka("DBGrid14")->IsAttached());
        QVERIFY(siatka("siatkaTPremPracCyw")->IsAttached());

        s->PokazStrone("Urlopy");
        QVERIFY(j.tdm1->TUrlopy.IsOpen());
        QVERIFY(siatka("siatkaTUrlopy")->IsAttached());
        s->PokazStrone("Stopien");
        QVERIFY(!j.tdm1->TUrlopy.IsOpen());
        QVERIFY(!siatka("siatkaTUrlopy")->IsAttached());

        // Leaving the pay page with a leave record being edited keeps it bound and open.
        s->PokazStrone("Urlopy");
        Nacisnij(*s, "nawigatorTUrlopy", "insert");
        s->Zakladki().setCurrentWidget(s->Strona("adresowe"));
        QVERIFY(j.tdm1->TUrlopy.IsOpen());
        QCOMPARE(j.tdm1->TUrlopy->State(), DatasetState::Insert);
        QVERIFY(siatka("siatkaTUrlopy")->IsAttached());
        QCOMPARE(s->BiezacaStrona(), QString("Urlopy"));
        Nacisnij(*s, "nawigatorTUrlopy", "cancel");
        s->PokazStrone("adresowe");
        QVERIFY(!j.tdm1->TUrlopy.IsOpen());
    }

    // "Usuń" clears a dictionary field: the employee's unit at once, the education's field
    // only when there is a record, the pension's fields with a message when there is none.
    void przyciskiUsun() {
        Jednostka j;
        j.edycja.SetOn(true);
        auto s = j.Strony();
        Dataset& prac = *j.tdm->TPracownicy;
        for (prac.First(); !prac.Eof() && prac.Field("KomorkaOrganizacyjna").IsNull();)
            prac.Next();
        Kontrolka<QToolButton>(*s, "usunTPracownicyKomorkaOrganizacyjna")->click();
        QCOMPARE(prac.State(), DatasetState::Edit);
        QVERIFY(prac.Field("KomorkaOrganizacyjna").IsNull());
        prac.Cancel();

        s->PokazStrone("Renta / emerytura / grupainwalidzka");
        Dataset& renty = *j.tdm1->TEmRentGrInw;
        for (prac.First(); !prac.Eof() && !renty.IsEmpty();)
            prac.Next();
        QVERIFY(renty.IsEmpty());
        Kontrolka<QToolButton>(*s, "usunTEmRentGrInwNazwaGrupyInwalidzkiej")->click();
        QCOMPARE(j.dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(QString::fromStdString(j.dialogi.komunikaty.back().tekst),
                 QString::fromUtf8(kBrakRent));
        QCOMPARE(renty.State(), DatasetState::Browse);
        // With a record both buttons edit it and clear their field (pensioners included).
        j.tdm->Filtr().BezFiltru = true;
        j.tdm->OdswiezListePracownikow();
        QVERIFY(j.NaPracownikuZ(j.tdm1->TEmRentGrInw));
        for (const char* pole : {"GrupaInwalidzka", "RodzajSwiadczenia"}) {
            const QString nazwa = pole == std::string("GrupaInwalidzka")
                                      ? "usunTEmRentGrInwNazwaGrupyInwalidzkiej"
                                      : "usunTEmRentGrInwNazwaRodzajuSwiadczenia";
            Kontrolka<QToolButton>(*s, nazwa)->click();
            QCOMPARE(renty.State(), DatasetState::Edit);
            QVERIFY(renty.Field(pole).IsNull());
            renty.Cancel();
        }
        QCOMPARE(j.dialogi.komunikaty.size(), size_t(1));
        j.tdm->Filtr().BezFiltru = false;
        j.tdm->OdswiezListePracownikow();

        // Nothing to clear on an empty table: no edit, no message.
        s->PokazStrone("Poprzednie zatrudnienia");
        Dataset& poprzednie = *j.tdm1->TPopZatrudnienie;
        for (prac.First(); !prac.Eof() && !poprzednie.IsEmpty();)
            prac.Next();
        QVERIFY(poprzednie.IsEmpty());
        Kontrolka<QToolButton>(*s, "usunTPopZatrudnienieStanowisko")->click();
        QCOMPARE(poprzednie.State(), DatasetState::Browse);
        QCOMPARE(j.dialogi.komunikaty.size(), size_t(1));

        s->PokazStrone("Wykształcenie");
        Dataset& wykszt = *j.tdm->TWyksztalcenie;
        auto* usunKierunek = Kontrolka<QToolButton>(*s, "usunTWyksztalcenieNazwaTytuluZawodowego");
        QVERIFY(j.NaPracownikuZ(j.tdm->TWyksztalcenie));
        usunKierunek->click();
        QCOMPARE(wykszt.State(), DatasetState::Edit);
        QVERIFY(wykszt.Field("TytulZawodowy").IsNull());
        wykszt.Cancel();

        // With automatic edit off the buttons wait for the record to be edited.
        j.edycja.SetOn(false);
        QVERIFY(!usunKierunek->isEnabled());
        QVERIFY(!Kontrolka(*s, "wyborTWyksztalcenieNazwaTytuluZawodowego")->isEnabled());
    }

    // The dictionary buttons stay disabled until the dictionary windows exist; then they ask
    // for their window and number under the edit rule.
    void przyciskiWyboru() {
        Jednostka j;
        j.edycja.SetOn(true);
        auto s = j.Strony();
        s->PokazStrone("Stanowiska");
        auto* wybor = Kontrolka<QToolButton>(*s, "wyborTStanowiskaEIdentyfikatorStanowiska");
        QVERIFY(!wybor->isEnabled());
        s->UdostepnijWyborZeSlownikow(true);
        QVERIFY(wybor->isEnabled());
        QSignalSpy spy(s.get(), &StronyPracownika::wyborZeSlownika);
        wybor->click();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toString(), QString("TFSlownikStanowisk"));
        QCOMPARE(spy[0][1].toInt(), 2);
        QVERIFY(!Kontrolka(*s, "urlopyNalezne")->isEnabled());

        // The summary's view toggle asks for the page again.
        QSignalSpy przebudowa(s.get(), &StronyPracownika::informacjaZbiorczaDoPrzebudowy);
        QVERIFY(!s->PodgladSformatowany());
        Kontrolka<QTextEdit>(*s, "Informacja zbiorcza")
            ->findChild<QAction*>("podgladSformatowany")
            ->trigger();
        QVERIFY(s->PodgladSformatowany());
        QCOMPARE(przebudowa.size(), 1);
        QVERIFY(!Kontrolka<QTextEdit>(*s, "Informacja zbiorcza")
                     ->findChild<QAction*>("drukujInformacje")
                     ->isEnabled());
        // Shown pages of text ask for their contents each time.
        QSignalSpy wynagrodzenia(s.get(), &StronyPracownika::wynagrodzeniaDoPrzebudowy);
        s->PokazStrone("Wynagr.");
        QCOMPARE(wynagrodzenia.size(), 1);
        s->PokazStrone("Informacja zbiorcza");
        QCOMPARE(przebudowa.size(), 2);
        QVERIFY(s->StronaWidoczna("Informacja zbiorcza"));
        QVERIFY(!s->StronaWidoczna("Wynagr."));
    }

    // A new way of ending a contract is offered for the suggestions once; Yes stores it and
    // the drop-down shows it at once.
    void podpowiedziSposobuRozwiazania() {
        Jednostka j;
        auto s = j.Strony();
        s->PokazStrone("Poprzednie zatrudnienia");
        auto* lista = Kontrolka<QComboBox>(*s, "TPopZatrudnienieSposobRozwiazaniaUmowy");
        QVERIFY(lista);
        const std::string tekst = "Wygaśnięcie umowy z mocy prawa";
        QVERIFY(lista->findText(QString::fromStdString(tekst)) < 0);
        Dataset& pop = *j.tdm1->TPopZatrudnienie;
        auto dopisz = [&](const std::string& od) {
            pop.Insert();
            pop.SetFieldText("DataOd", od);
            pop.SetFieldText("DataDo", "1999-06-30");
            pop.SetFieldText("NazwaZakładuPracy", "Zakład testowy");
            pop.SetFieldText("SposobRozwiazaniaUmowy", tekst);
            pop.Post();
        };
        j.dialogi.odpowiedzi.push_back(store::Odpowiedz::Tak);
        dopisz("1999-01-01");
        QCOMPARE(j.dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(j.dialogi.komunikaty[0].tekst, kPytanieOPodpowiedz + tekst);
        QCOMPARE(j.dialogi.komunikaty[0].tytul, std::string(kTytulPodpowiedzi));
        QVERIFY(lista->findText(QString::fromStdString(tekst)) >= 0);
        dopisz("1998-01-01");
        QCOMPARE(j.dialogi.komunikaty.size(), size_t(1));
    }

    // After 2006 the harmfulness groups read as service systems; up to 2006 as degrees.
    void grupySzkodliwosciWedlugRoku() {
        Jednostka j;
        auto s = j.Strony();
        auto* grupa = Kontrolka<QComboBox>(*s, "TSzkodliweGrupaSzkodliwosci");
        QCOMPARE(grupa->itemText(1), QString("1 - służba codzienna, funkcje wykonawcze"));
        s->UstawRokPrzetwarzania(2006);
        QCOMPARE(grupa->itemText(1), QString("1 - I st. uciążliwości"));
    }

    // Pictures of every page for people to look at (MIRTA_ZRZUTY); each page must paint.
    void zrzuty() {
        Jednostka j;
        j.edycja.SetOn(true);
        // Every employee, so that the pension page finds a pensioner.
        j.tdm->Filtr().BezFiltru = true;
        j.tdm->OdswiezListePracownikow();
        auto s = j.Strony();
        j.NaPracownikuZ(j.tdm->TNagrody);
        for (const OpisStrony& o : OpisyStron()) {
            if (o.rodzaj == RodzajStrony::Kontener)
                continue;
            const QString tytul = QString::fromUtf8(o.tytul.data(), o.tytul.size());
            s->PokazStrone(tytul);
            // An employee with something to show on the page.
            if (!o.tabele.empty() && o.tabele[0].siatka) {
                store::TableComponent* c = j.tdm->Find(o.tabele[0].komponent);
                if (!c)
                    c = j.tdm1->Find(o.tabele[0].komponent);
                QVERIFY(c);
                // The small unit has no row of some rare kinds (suspensions).
                if (!j.NaPracownikuZ(*c))
                    qWarning("Strona bez danych: %s", o.tytul.data());
            }
            QVERIFY(!s->grab().isNull());
            QString plik = tytul;
            plik.replace(
                QRegularExpression("[^\\w]+", QRegularExpression::UseUnicodePropertiesOption), "_");
            kit::ZapiszZrzut(*s, "strony_" + plik);
        }
    }
};

QTEST_MAIN(StronyTest)
#include "strony_test.moc"
