#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "shell/glowny.h"
#include "shell/strony_pracownika.h"
#include "shell/tests/baza_okien.h"
#include "store/ui/slownik_okno.h"

using namespace mirta;
using engine::Dataset;
using engine::DatasetState;
using mirta::shell::TFGlowny;
using mirta::shell::testing::BazaOkien;

namespace {

// The main window over a fresh demo unit, logged in by its start sequence.
struct Okno {
    Okno() {
        glowny = std::make_unique<TFGlowny>(*baza.tdm, *baza.tdm1, baza.dialogi);
        glowny->UstawZmianeHaslaPoZalogowaniu(false);
        glowny->UstawLogowanie([this](QWidget*) { baza.Zaloguj("KADRY", "kadry"); });
        zalogowany = glowny->SekwencjaStartowa();
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

    BazaOkien baza;
    std::unique_ptr<TFGlowny> glowny;
    bool zalogowany = false;
};

// Runs `wewnatrz` on the dictionary window that `otworz` opens modally; a window still open
// afterwards (a failed check) is closed so the test cannot hang.
bool WOknieSlownika(const std::function<void()>& otworz,
                    const std::function<void(store::ui::SlownikOkno&)>& wewnatrz) {
    bool bylo = false;
    QTimer::singleShot(0, [&] {
        if (auto* w = qobject_cast<store::ui::SlownikOkno*>(QApplication::activeModalWidget())) {
            bylo = true;
            wewnatrz(*w);
        }
        if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            w->done(QDialog::Rejected);
    });
    otworz();
    return bylo;
}

}  // namespace

class WyborSlownikaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    // The menu opens a dictionary for maintenance: "&Użyj" disabled.
    void menuOtwieraUtrzymanie() {
        Okno o;
        QVERIFY(o.zalogowany);
        QAction* a = o.glowny->Polecenie("TFSlownikKar");
        QVERIFY(a && a->isEnabled());
        bool uzyjWylaczone = false;
        QVERIFY(WOknieSlownika([&] { a->trigger(); },
                               [&](store::ui::SlownikOkno& w) {
                                   uzyjWylaczone = !w.findChild<QPushButton*>("uzyj")->isEnabled();
                               }));
        QVERIFY(uzyjWylaczone);
    }

    // "..." beside the leave type opens the leave types in choice mode 1; "&Użyj" puts the
    // browsing leave row into edit with the chosen type.
    void wyborRodzajuUrlopuZeStrony() {
        Okno o;
        QVERIFY(o.zalogowany);
        o.glowny->Polecenie("edycjaTak")->trigger();
        o.glowny->Strony()->PokazStrone("Urlopy");
        Dataset& prac = *o.baza.tdm->TPracownicy;
        QVERIFY(o.baza.tdm1->TUrlopy.IsOpen());
        Dataset& urlopy = *o.baza.tdm1->TUrlopy;
        for (prac.First(); !prac.Eof() && urlopy.IsEmpty(); prac.Next()) {
        }
        QVERIFY(!urlopy.IsEmpty());
        QCoreApplication::processEvents();
        auto* wybor = o.glowny->findChild<QToolButton*>("wyborTUrlopyRodzajUrlopu");
        QVERIFY(wybor && wybor->isEnabled());

        const int64_t przed = urlopy.Field("RodzajUrlopu").AsInteger();
        int64_t wybrany = -1;
        QVERIFY(WOknieSlownika([&] { wybor->click(); },
                               [&](store::ui::SlownikOkno& w) {
                                   Dataset& rodzaje = *o.baza.tdm1->TRodzUrlop;
                                   if (rodzaje.Field("Identyfikator").AsInteger() != przed)
                                       return;  // not placed on the row's type
                                   rodzaje.MoveTo(rodzaje.RecNo() == 0 ? 1 : 0);
                                   wybrany = rodzaje.Field("Identyfikator").AsInteger();
                                   w.findChild<QPushButton*>("uzyj")->click();
                               }));
        QVERIFY(wybrany >= 0);
        QCOMPARE(urlopy.State(), DatasetState::Edit);
        QCOMPARE(urlopy.Field("RodzajUrlopu").AsInteger(), wybrany);
    }
};

QTEST_MAIN(WyborSlownikaTest)
#include "wybor_slownika_test.moc"
