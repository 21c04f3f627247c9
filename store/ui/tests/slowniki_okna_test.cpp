#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "engine/field_text.h"
#include "engine/paradox_table.h"
#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/polski.h"
#include "kit/zrzuty.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/ui/okna_slownikow.h"
#include "store/ui/slownik_okno.h"
#include "store/ui/testing/demo_okien.h"
#include "wspolne/blad_danych.h"
#include "wspolne/testing/dialogi_skryptowe.h"

using namespace mirta;
using engine::Dataset;
using engine::DatasetState;
using store::Odpowiedz;
using store::ui::OknoSlownika;
using store::ui::SlownikOkno;

namespace {

// A small demo unit, made once per program and copied for every test, opened and logged in
// as the program does.
class Jednostka : public store::ui::testing::DemoOkien {
public:
    // `przygotuj` may change the copied files before the data modules open them.
    explicit Jednostka(const std::function<void(const std::string&)>& przygotuj = {},
                       const std::string& uzytkownik = "ADMIN", const std::string& haslo = "")
        : DemoOkien(przygotuj) {
        zalogowany = ZalogujIOtworzTabele(uzytkownik, haslo);
    }

    std::unique_ptr<SlownikOkno> Okno(OknoSlownika okno, int numer = 0) {
        auto w = std::make_unique<SlownikOkno>(okno, numer, UslugiOkien());
        w->show();
        return w;
    }

    bool zalogowany = false;
};

void Nacisnij(QWidget& okno, const char* nawigator, const char* przycisk) {
    auto* n = okno.findChild<kit::DbNavigator*>(nawigator);
    QVERIFY(n);
    auto* b = n->findChild<QToolButton*>(przycisk);
    QVERIFY(b);
    QVERIFY2(b->isEnabled(), przycisk);
    b->click();
}

QPushButton* Przycisk(QWidget& okno, const char* nazwa) {
    return okno.findChild<QPushButton*>(nazwa);
}

// Types into a cell of the current row, as the grid's editor does.
bool Wpisz(QWidget& okno, const char* siatka, int kolumna, const QString& tekst) {
    auto* s = okno.findChild<kit::DbGrid*>(siatka);
    if (!s || !s->datasetModel())
        return false;
    const int wiersz = static_cast<int>(s->datasetModel()->dataset().RecNo());
    return s->datasetModel()->setData(s->datasetModel()->index(wiersz, kolumna), tekst);
}

}  // namespace

class SlownikiOknaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    void nazwyOkienIMenu() {
        QCOMPARE(store::ui::MenuSlownikow().size(), size_t{22});
        for (const auto& p : store::ui::MenuSlownikow())
            QCOMPARE(store::ui::OknoONazwie(p.nazwaOkna), std::optional(p.okno));
        QCOMPARE(store::ui::NazwaOkna(OknoSlownika::RodzajeUrlopow), "TFRodzajeUrlopow");
        QVERIFY(!store::ui::OknoONazwie("TFGlowny"));
    }

    // Every window opens over its table with the store's caption; "&Użyj" is there only for
    // dictionaries with targets, and enabled only in choice mode.
    void trybUtrzymaniaIWyboru() {
        Jednostka j;
        QVERIFY(j.zalogowany);
        for (const auto& p : store::ui::MenuSlownikow()) {
            auto w = j.Okno(p.okno);
            QCOMPARE(w->objectName().toStdString(), std::string(p.nazwaOkna));
            QCOMPARE(w->windowTitle().toStdString(), std::string(w->Opis().tytulOkna));
            QPushButton* uzyj = Przycisk(*w, "uzyj");
            const bool zUzyciem =
                p.okno != OknoSlownika::PodstawyWynagrodzen && p.okno != OknoSlownika::PremieCywili;
            QCOMPARE(uzyj != nullptr, zUzyciem);
            if (uzyj)
                QVERIFY(!uzyj->isEnabled());
            auto* siatka = w->findChild<kit::DbGrid*>("siatka");
            QVERIFY(siatka && siatka->datasetModel());
            QVERIFY2(siatka->datasetModel()->rowCount() > 0, p.nazwaOkna.data());
        }
        auto w = j.Okno(OknoSlownika::Kary, 1);
        QVERIFY(Przycisk(*w, "uzyj")->isEnabled());
        // The navigator names the entity, and dictionaries have no delete button.
        auto wyk = j.Okno(OknoSlownika::RodzajeWyksztalcenia);
        auto* n = wyk->findChild<kit::DbNavigator*>();
        QCOMPARE(n->Button(kit::NavButton::First)->toolTip(),
                 QString("Pierwszy rodzaj wykształceń"));
        QCOMPARE(n->Button(kit::NavButton::Edit)->toolTip(),
                 QString("Edytuj dane rodzaju wykształceń"));
        QVERIFY(n->Button(kit::NavButton::Delete)->isHidden());
    }

    // "&Użyj" with an unsaved dictionary or rate row raises the window's first-save message and
    // leaves the window, the row and the target as they were.
    void uzyjOdmowionePrzyNiezapisanymWierszu() {
        struct Przypadek {
            OknoSlownika okno;
            const char* nawigator;
            const char* komunikat;
        };
        const Przypadek przypadki[] = {
            {OknoSlownika::RodzajeWyksztalcenia, "nawigator",
             " Najpierw zapisz dane o rodzaju wykształcenia !!!"},
            {OknoSlownika::Stopnie, "nawigator", " Najpierw zapisz dane o stopniu !!!"},
            {OknoSlownika::Stopnie, "nawigatorStawek", " Najpierw zapisz dane o stawce !!!"},
        };
        for (const Przypadek& p : przypadki) {
            Jednostka j;
            auto w = j.Okno(p.okno, 1);
            Nacisnij(*w, p.nawigator, "insert");
            Przycisk(*w, "uzyj")->click();
            QCOMPARE(j.OstatniKomunikat(), std::string(p.komunikat));
            QVERIFY(w->isVisible());
            QCOMPARE(w->result(), int(QDialog::Rejected));
            QVERIFY(!j.tdm->TPracStop->Editing());
            QVERIFY(!j.tdm->TWyksztalcenie->Editing());
        }
    }

    // The leave window opens on the type of the current leave row; choosing another type puts
    // the browsing leave row into edit with it and closes; nothing is posted.
    void wyborRodzajuUrlopu() {
        Jednostka j;
        j.tdm1->Open(j.tdm1->TUrlopy);
        Dataset& prac = *j.tdm->TPracownicy;
        Dataset& urlopy = *j.tdm1->TUrlopy;
        for (prac.First(); !prac.Eof() && urlopy.IsEmpty(); prac.Next()) {
        }
        QVERIFY(!urlopy.IsEmpty());
        const int64_t wiersz = urlopy.RecNo();
        const int64_t przed = urlopy.Field("RodzajUrlopu").AsInteger();

        auto w = j.Okno(OknoSlownika::RodzajeUrlopow, 1);
        Dataset& rodzaje = *j.tdm1->TRodzUrlop;
        QCOMPARE(rodzaje.Field("Identyfikator").AsInteger(), przed);
        rodzaje.MoveTo(rodzaje.RecNo() == 0 ? 1 : 0);
        const int64_t wybrany = rodzaje.Field("Identyfikator").AsInteger();
        QVERIFY(wybrany != przed);

        Przycisk(*w, "uzyj")->click();
        QVERIFY(j.dialogi.komunikaty.empty());
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(urlopy.State(), DatasetState::Edit);
        QCOMPARE(urlopy.RecNo(), wiersz);
        QCOMPARE(urlopy.Field("RodzajUrlopu").AsInteger(), wybrany);
        urlopy.Cancel();
        QCOMPARE(urlopy.Field("RodzajUrlopu").AsInteger(), przed);
    }

    // Closing the rank window with a new rate row asks the append question of the rates; Cancel
    // keeps the window and the row, No drops the row and closes.
    void zamkniecieStopniZNiezapisanaStawka() {
        Jednostka j;
        auto w = j.Okno(OknoSlownika::Stopnie);
        Dataset& stawki = *j.tdm->TStawStopni;
        const int64_t ile = stawki.RecordCount();
        Nacisnij(*w, "nawigatorStawek", "insert");
        QCOMPARE(stawki.State(), DatasetState::Insert);
        QCOMPARE(stawki.Field("Ubruttowienie").AsText(), "N");
        // The coded column is not typed into; its list under the grid sets it.
        auto* siatka = w->findChild<kit::DbGrid*>("siatkaStawek");
        QVERIFY(!(siatka->datasetModel()->flags(
                      siatka->datasetModel()->index(static_cast<int>(stawki.RecNo()), 2)) &
                  Qt::ItemIsEditable));
        auto* zus = w->findChild<kit::DbCodeCombo*>("Ubruttowienie");
        QVERIFY(zus && zus->isEnabled());
        emit zus->activated(0);
        QCOMPARE(stawki.Field("Ubruttowienie").AsText(), "T");

        j.dialogi.odpowiedzi = {Odpowiedz::Anuluj};
        Przycisk(*w, "ButtonZamknij")->click();
        QVERIFY(w->isVisible());
        QCOMPARE(stawki.State(), DatasetState::Insert);
        QCOMPARE(j.dialogi.komunikaty.size(), size_t{1});
        const auto& pytanie = j.dialogi.komunikaty.back();
        QCOMPARE(pytanie.tekst, "Czy dopisać nową stawkę ?");
        QCOMPARE(pytanie.tytul, " Kontrola danych o stopniach i stawkach.");
        QCOMPARE(pytanie.ikona, store::Ikona::Ostrzezenie);

        j.dialogi.odpowiedzi = {Odpowiedz::Nie};
        w->close();
        QVERIFY(!w->isVisible());
        QCOMPARE(stawki.State(), DatasetState::Browse);
        QCOMPARE(stawki.RecordCount(), ile);
        w.reset();
        QVERIFY(!j.tdm->TStawStopni.IsOpen());  // rates are open only with their window
    }

    // The name checks of the table-driven dictionaries refuse the post and keep the new row;
    // a proper name is stored.
    void kontrolaNazwy() {
        struct Przypadek {
            OknoSlownika okno;
            QString zla;
            const char* komunikat;
        };
        const Przypadek przypadki[] = {
            {OknoSlownika::RodzajeWyksztalcenia, "", "Nazwa nie może być pusta !!!"},
            {OknoSlownika::FormyZatrudnienia, "", "Musisz podać nazwę formy zatrudnienia !!!"},
            {OknoSlownika::Kary, "   ", "Nazwa kary jest obowiązkowa !!!"},
            {OknoSlownika::Stanowiska, "", "Musisz podać nazwę stanowiska !!!"},
        };
        for (const Przypadek& p : przypadki) {
            Jednostka j;
            auto w = j.Okno(p.okno);
            Dataset& ds = **j.tdm->Find(w->Opis().komponent);
            const int64_t ile = ds.RecordCount();
            Nacisnij(*w, "nawigator", "insert");
            if (!p.zla.isEmpty())
                QVERIFY(Wpisz(*w, "siatka", 0, p.zla));
            Nacisnij(*w, "nawigator", "post");
            QCOMPARE(j.OstatniKomunikat(), std::string(p.komunikat));
            QCOMPARE(ds.State(), DatasetState::Insert);

            QVERIFY(Wpisz(*w, "siatka", 0, "Nowa pozycja"));
            Nacisnij(*w, "nawigator", "post");
            QCOMPARE(ds.State(), DatasetState::Browse);
            QCOMPARE(ds.RecordCount(), ile + 1);
        }
    }

    // Grids accept typing only with automatic edit on or their table being edited.
    void edycjaAutomatycznaSiatki() {
        Jednostka j;
        auto w = j.Okno(OknoSlownika::Wydawcy);
        auto* siatka = w->findChild<kit::DbGrid*>("siatka");
        QCOMPARE(siatka->editTriggers(), QAbstractItemView::NoEditTriggers);
        Nacisnij(*w, "nawigator", "edit");
        QVERIFY(siatka->editTriggers() != QAbstractItemView::NoEditTriggers);
        Nacisnij(*w, "nawigator", "cancel");
        QCOMPARE(siatka->editTriggers(), QAbstractItemView::NoEditTriggers);
        j.edycja.SetOn(true);
        QVERIFY(siatka->editTriggers() != QAbstractItemView::NoEditTriggers);
        // The salary bases are edited through their fields only.
        auto p = j.Okno(OknoSlownika::PodstawyWynagrodzen);
        QCOMPARE(p->findChild<kit::DbGrid*>("siatka")->editTriggers(),
                 QAbstractItemView::NoEditTriggers);
    }

    // "Usuń grupę płacową" puts the position into edit without its pay group.
    void usuniecieGrupyPlacowej() {
        Jednostka j;
        auto w = j.Okno(OknoSlownika::Stanowiska);
        Dataset& st = *j.tdm->TSlowStanowisk;
        for (st.First(); !st.Eof() && st.Field("GrupaPlacowa").IsNull(); st.Next()) {
        }
        QVERIFY(!st.Eof());
        Przycisk(*w, "usunGrupePlacowa")->click();
        QCOMPARE(st.State(), DatasetState::Edit);
        QVERIFY(st.Field("GrupaPlacowa").IsNull());
        j.dialogi.odpowiedzi = {Odpowiedz::Nie};
        w->close();
        QVERIFY(!w->isVisible());
        QCOMPARE(j.dialogi.komunikaty.back().tekst, " Czy zapisać dane o stanowisku ?");
    }

    // A position shown without its civil-service group gets "0" once the window has shown it.
    void naprawaGrupyStanowiskSC() {
        Jednostka j([](const std::string& katalog) {
            Dataset st(engine::ParadoxTable::Open(engine::FileSystem::Real(),
                                                  katalog + "/SlStanowisk.db"));
            for (st.First(); !st.Eof(); st.Next()) {
                st.Edit();
                st.SetField("GrupaStanowiskSC", engine::Value());
                st.Post();
            }
        });
        Dataset& st = *j.tdm->TSlowStanowisk;
        st.MoveTo(2);
        QVERIFY(st.Field("GrupaStanowiskSC").IsNull());
        auto w = j.Okno(OknoSlownika::Stanowiska);
        QTRY_COMPARE(st.Field("GrupaStanowiskSC").AsText(), "0");
        QCOMPARE(st.State(), DatasetState::Browse);
        QCOMPARE(st.RecNo(), int64_t{2});
        st.Next();  // the next row shown is repaired too
        QTRY_COMPARE(st.Field("GrupaStanowiskSC").AsText(), "0");
        QVERIFY(j.dialogi.komunikaty.empty());
    }

    // The positions open on their grid, and Enter neither removes the row's pay group nor
    // starts an edit.
    void stanowiskaOtwierajaSieNaSiatce() {
        Jednostka j;
        auto w = j.Okno(OknoSlownika::Stanowiska);
        auto* siatka = w->findChild<kit::DbGrid*>("siatka");
        QCOMPARE(w->focusWidget(), siatka);
        Dataset& st = *j.tdm->TSlowStanowisk;
        QVERIFY(!st.Field("GrupaPlacowa").IsNull());
        const engine::Value grupa = st.Field("GrupaPlacowa");
        QVERIFY(!Przycisk(*w, "usunGrupePlacowa")->isDefault());
        QTest::keyClick(siatka, Qt::Key_Return);
        QTest::keyClick(w.get(), Qt::Key_Enter);
        QCOMPARE(st.State(), DatasetState::Browse);
        QVERIFY(engine::SameValue(st.Field("GrupaPlacowa"), grupa));
        QVERIFY(w->isVisible());
        // Every dictionary opens on its grid.
        for (const auto& p : store::ui::MenuSlownikow()) {
            auto okno = j.Okno(p.okno);
            QVERIFY2(qobject_cast<kit::DbGrid*>(okno->focusWidget()), p.nazwaOkna.data());
        }
    }

    // Coded columns show the code's text, whole, and "???" for a code the list does not know.
    void kodowaneKolumnyPokazujaTekst() {
        Jednostka j([](const std::string& katalog) {
            Dataset r(
                engine::ParadoxTable::Open(engine::FileSystem::Real(), katalog + "/RodzUrlop.db"));
            r.Last();
            r.Edit();
            r.SetField("RodzajDni", engine::Value::Text("X"));
            r.Post();
        });
        auto w = j.Okno(OknoSlownika::RodzajeUrlopow);
        auto* siatka = w->findChild<kit::DbGrid*>("siatka");
        QAbstractItemModel* m = siatka->model();
        QStringList teksty;
        for (int k = 0; k < m->columnCount(); ++k) {
            const QString tytul = m->headerData(k, Qt::Horizontal).toString();
            if (tytul != "Rodzaj dni" && tytul != "Rodzaj urlopu")
                continue;
            for (int r = 0; r < m->rowCount(); ++r) {
                teksty << m->index(r, k).data().toString();
                QCOMPARE(siatka->CutText(m->index(r, k)), QString());
            }
        }
        QVERIFY(teksty.contains("R - dni robocze"));
        QVERIFY(teksty.contains("W-wypoczynkowy"));
        QVERIFY(teksty.contains("???"));
        for (const QString& t : teksty)
            QVERIFY2(t == "???" || t.size() > 1, qPrintable(t));
    }

    // A user without the right to change data sees the record buttons, the fields and
    // "Usuń grupę płacową" disabled; the rates too.
    void bezPrawaDoZmianPrzyciskiWylaczone() {
        Jednostka j({}, "PODGLAD", "podglad");
        QVERIFY(j.zalogowany);
        j.edycja.SetOn(true);
        auto w = j.Okno(OknoSlownika::Stanowiska);
        auto* n = w->findChild<kit::DbNavigator*>("nawigator");
        for (auto b : {kit::NavButton::Insert, kit::NavButton::Edit})
            QVERIFY(!n->Button(b)->isEnabled());
        QVERIFY(n->Button(kit::NavButton::Next)->isEnabled());
        QVERIFY(!Przycisk(*w, "usunGrupePlacowa")->isEnabled());
        QVERIFY(!w->findChild<kit::DbCodeCombo*>("GrupaStanowiskSC")->isEnabled());
        QCOMPARE(w->findChild<kit::DbGrid*>("siatka")->editTriggers(),
                 QAbstractItemView::NoEditTriggers);
        auto stopnie = j.Okno(OknoSlownika::Stopnie);
        auto* stawki = stopnie->findChild<kit::DbNavigator*>("nawigatorStawek");
        QVERIFY(!stawki->Button(kit::NavButton::Insert)->isEnabled());
        QVERIFY(!stawki->Button(kit::NavButton::Delete)->isEnabled());
        QVERIFY(j.dialogi.komunikaty.empty());
        // The store's guard still refuses, as the second line.
        QVERIFY_THROWS_EXCEPTION(store::BladDanych, j.tdm->TSlowStanowisk->Edit());
    }

    void zrzuty() {
        Jednostka j;
        for (auto okno : {OknoSlownika::Stanowiska, OknoSlownika::Stopnie,
                          OknoSlownika::RodzajeWyksztalcenia, OknoSlownika::PodstawyWynagrodzen,
                          OknoSlownika::RodzajeUrlopow, OknoSlownika::PremieCywili}) {
            auto w = j.Okno(okno, 1);
            store::ui::testing::ZrzutNarysowany(*w, w->objectName());
        }
    }
};

QTEST_MAIN(SlownikiOknaTest)
#include "slowniki_okna_test.moc"
