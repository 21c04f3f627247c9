#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

#include "kit/db_grid.h"
#include "kit/dostepnosc.h"
#include "kit/okno_edycji.h"
#include "shell/data_okno.h"
#include "shell/glowny.h"
#include "shell/opisy_stron.h"
#include "shell/start.h"
#include "shell/strony_pracownika.h"
#include "shell/tests/baza_okien.h"

using namespace mirta;
using mirta::shell::TFGlowny;
using mirta::shell::testing::BazaOkien;

namespace {

// WCAG's relative luminance and contrast ratio; 4.5 keeps ordinary text readable.
double Luminancja(const QColor& c) {
    auto kanal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

double Kontrast(const QColor& a, const QColor& b) {
    const double la = Luminancja(a), lb = Luminancja(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kNajmniejszyKontrast = 4.5;

// The character after a single '&', lower-case; null when there is none.
QChar Litera(const QString& t) {
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&')
            continue;
        if (t[i + 1] != '&')
            return t[i + 1].toLower();
        ++i;
    }
    return {};
}

bool ZwyklaLitera(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

// Mnemonics of what a window shows now: each on a letter typed without a dead key, none twice
// (two controls on one letter make Alt and the letter only move between them), and the same
// within every menu of its bar.
QStringList SprawdzSkroty(QWidget& okno) {
    QStringList bledy;
    QHash<QChar, QString> zajete;
    auto dodaj = [&](const QString& tekst, const QString& gdzie, QHash<QChar, QString>& litery) {
        const QChar l = Litera(tekst);
        if (l.isNull())
            return;
        if (!ZwyklaLitera(l))
            bledy << gdzie + ": skrót na literze „" + l + "” w „" + tekst + "”";
        else if (litery.contains(l))
            bledy << gdzie + ": skrót „" + l + "” w „" + tekst + "” i w „" + litery[l] + "”";
        else
            litery.insert(l, tekst);
    };
    const QString nazwa = okno.objectName();
    for (QAbstractButton* b : okno.findChildren<QAbstractButton*>())
        if (b->window() == &okno && b->isVisible() && !qobject_cast<QTabBar*>(b->parentWidget()))
            dodaj(b->text(), nazwa, zajete);
    for (QLabel* l : okno.findChildren<QLabel*>())
        if (l->window() == &okno && l->isVisible() && l->buddy())
            dodaj(l->text(), nazwa, zajete);
    for (QTabBar* z : okno.findChildren<QTabBar*>())
        if (z->window() == &okno && z->isVisible())
            for (int i = 0; i < z->count(); ++i)
                if (z->isTabVisible(i))
                    dodaj(z->tabText(i), nazwa, zajete);
    for (QMenuBar* pasek : okno.findChildren<QMenuBar*>()) {
        if (pasek->window() != &okno)
            continue;
        for (QAction* a : pasek->actions()) {
            if (!a->isVisible())
                continue;
            dodaj(a->text(), nazwa, zajete);
            if (!a->menu())
                continue;
            QHash<QChar, QString> wMenu;
            for (QAction* p : a->menu()->actions())
                if (p->isVisible() && !p->isSeparator())
                    dodaj(p->text(), nazwa + " " + a->text(), wMenu);
        }
    }
    return bledy;
}

QString Opis(const QWidget& w) {
    return QString("%1 %2 \"%3\"")
        .arg(w.window()->objectName(), w.metaObject()->className(), w.objectName());
}

// What a keyboard and screen-reader user would miss in one shown window.
QStringList Sprawdz(QWidget& okno) {
    QStringList bledy;
    QList<QWidget*> widgety = okno.findChildren<QWidget*>();
    widgety.prepend(&okno);
    const bool edycja = qobject_cast<kit::OknoEdycji*>(&okno) != nullptr;
    for (QWidget* w : widgety) {
        if (w->window() != &okno || kit::Ukryta(*w))
            continue;
        if (kit::JestKontrolka(*w)) {
            if (w->accessibleName().trimmed().isEmpty())
                bledy << Opis(*w) + ": brak nazwy dostępnej";
            if (w->accessibleDescription().trimmed().isEmpty())
                bledy << Opis(*w) + ": brak opisu dostępnego";
        }
        const QPalette& p = w->palette();
        for (auto [tekst, tlo] : {std::pair{QPalette::WindowText, QPalette::Window},
                                  {QPalette::Text, QPalette::Base},
                                  {QPalette::ButtonText, QPalette::Button}})
            if (Kontrast(p.color(QPalette::Active, tekst), p.color(QPalette::Active, tlo)) <
                kNajmniejszyKontrast)
                bledy << Opis(*w) + ": za mały kontrast";
        if (auto* siatka = qobject_cast<kit::DbGrid*>(w))
            for (const kit::Column& k : siatka->Columns())
                if (k.foreground &&
                    Kontrast(*k.foreground, k.background.value_or(p.color(QPalette::Base))) <
                        kNajmniejszyKontrast)
                    bledy << Opis(*w) + ": za mały kontrast kolumny " + k.title;
        if (auto* b = qobject_cast<QPushButton*>(w); b && edycja && b->isDefault())
            bledy << Opis(*w) + ": przycisk domyślny w oknie edycji";
    }
    if (edycja && qobject_cast<QAbstractButton*>(okno.focusWidget()))
        bledy << Opis(okno) + ": okno otwiera się na przycisku";
    bledy << SprawdzSkroty(okno);
    return bledy;
}

// Runs `otworz`, which shows a modal window, checks the window while it is shown and closes
// it by Esc, as a keyboard user would. The window's name goes to `nazwa` (empty: none opened).
QStringList SprawdzModalne(const std::function<void()>& otworz, QString& nazwa) {
    QStringList bledy;
    nazwa.clear();
    QTimer czekanie;
    czekanie.setInterval(0);
    QObject::connect(&czekanie, &QTimer::timeout, [&] {
        QWidget* okno = QApplication::activeModalWidget();
        if (!okno)
            return;
        czekanie.stop();
        nazwa = okno->objectName().isEmpty() ? okno->metaObject()->className() : okno->objectName();
        bledy << Sprawdz(*okno);
        QTest::keyClick(okno, Qt::Key_Escape);
        if (okno->isVisible()) {
            bledy << nazwa + ": Esc nie zamyka okna";
            if (auto* d = qobject_cast<QDialog*>(okno))
                d->done(QDialog::Rejected);
        }
    });
    czekanie.start();
    otworz();
    return bledy;
}

// Every command of the menu bar, submenus included.
QList<QAction*> Polecenia(QMenuBar& pasek) {
    QList<QAction*> polecenia;
    std::function<void(QMenu&)> zbierz = [&](QMenu& menu) {
        for (QAction* a : menu.actions()) {
            if (a->menu())
                zbierz(*a->menu());
            else if (!a->isSeparator())
                polecenia << a;
        }
    };
    for (QAction* a : pasek.actions()) {
        if (a->menu())
            zbierz(*a->menu());
        else
            polecenia << a;
    }
    return polecenia;
}

}  // namespace

class DostepnoscTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        kit::SetUpPolish(*qApp);
        kit::WlaczDostepnosc(*qApp);
    }

    // The main window with every page shown, then every window its menu opens, each built by
    // its own command: named and described controls, readable colours, no data-changing
    // button by default, and Esc closes.
    void kazdeOknoProgramu() {
        BazaOkien baza;
        TFGlowny glowny(*baza.tdm, *baza.tdm1, baza.dialogi);
        glowny.UstawZmianeHaslaPoZalogowaniu(false);
        glowny.UstawLogowanie([&baza](QWidget*) { baza.Zaloguj("ADMIN", ""); });
        QVERIFY(glowny.SekwencjaStartowa());
        glowny.resize(1280, 860);
        glowny.show();
        QStringList bledy;
        kit::UzupelnijDostepnosc(glowny);
        for (const shell::OpisStrony& o : shell::OpisyStron()) {
            glowny.Strony()->PokazStrone(QString::fromUtf8(o.tytul.data(), o.tytul.size()));
            bledy << SprawdzSkroty(glowny);
        }
        bledy << Sprawdz(glowny);

        QStringList otwarte;
        for (QAction* a : Polecenia(*glowny.menuBar())) {
            if (!a->isEnabled() || a->isCheckable() || a->objectName() == "koniecPracy" ||
                a->objectName() == "zmianaUzytkownika")
                continue;
            QString nazwa;
            bledy << SprawdzModalne([a] { a->trigger(); }, nazwa);
            if (nazwa.isEmpty())  // a window left open beside the main one
                for (QDialog* d : glowny.findChildren<QDialog*>())
                    if (d->isVisible() && !d->isModal()) {
                        nazwa = d->objectName();
                        bledy << Sprawdz(*d);
                        QTest::keyClick(d, Qt::Key_Escape);
                        if (d->isVisible())
                            bledy << nazwa + ": Esc nie zamyka okna";
                    }
            if (!nazwa.isEmpty())
                otwarte << nazwa;
        }
        // The dictionaries, the calendar, the organisation and the administrator's windows.
        QVERIFY2(otwarte.size() >= 25, qPrintable(otwarte.join(' ')));
        for (const QString& b : bledy)
            qWarning("%s", qPrintable(b));
        QVERIFY2(bledy.isEmpty(), qPrintable(QString::number(bledy.size()) + " braków"));
        glowny.UstawZamknijBezPytania(true);
    }

    // Every command of the menu bar opened with the keyboard only: Alt and the menu's letter,
    // then the item's letter (a submenu's the same way); each item fires exactly once, and the
    // window it opens is closed by Esc.
    void kazdePolecenieSkrotami() {
        QSKIP("three submenus have no mnemonic yet");
        BazaOkien baza;
        TFGlowny glowny(*baza.tdm, *baza.tdm1, baza.dialogi);
        glowny.UstawZmianeHaslaPoZalogowaniu(false);
        glowny.UstawLogowanie([&baza](QWidget*) { baza.Zaloguj("ADMIN", ""); });
        QVERIFY(glowny.SekwencjaStartowa());
        glowny.resize(1280, 860);
        glowny.show();

        // A modal window a command opens is closed by Esc while it runs.
        QTimer zamykanie;
        zamykanie.setInterval(0);
        QObject::connect(&zamykanie, &QTimer::timeout, [] {
            QWidget* okno = QApplication::activeModalWidget();
            if (!okno)
                return;
            QTest::keyClick(okno, Qt::Key_Escape);
            if (auto* d = qobject_cast<QDialog*>(okno); d && d->isVisible())
                d->done(QDialog::Rejected);
        });
        zamykanie.start();

        auto wolno = [](QAction* a) {
            return a->isVisible() && a->isEnabled() && !a->isSeparator() && !a->isCheckable() &&
                   a->objectName() != "koniecPracy" && a->objectName() != "zmianaUzytkownika";
        };
        QStringList bledy;
        int wywolane = 0;
        std::function<void(QAction*, QList<QChar>, QString)> idz =
            [&](QAction* a, QList<QChar> droga, QString opis) {
                opis += " → " + QString(a->text()).remove('&');
                const QChar litera = Litera(a->text());
                if (litera.isNull() || !ZwyklaLitera(litera)) {
                    bledy << opis + ": brak skrótu";
                    return;
                }
                droga << litera;
                if (a->menu()) {
                    for (QAction* p : a->menu()->actions())
                        if (wolno(p))
                            idz(p, droga, opis);
                    return;
                }
                glowny.activateWindow();
                if (!QTest::qWaitForWindowActive(&glowny)) {
                    bledy << opis + ": okno główne nieaktywne";
                    return;
                }
                QSignalSpy wywolanie(a, &QAction::triggered);
                QWidget* cel = QApplication::focusWidget() ? QApplication::focusWidget() : &glowny;
                QTest::keyClick(cel, droga[0].toLatin1(), Qt::AltModifier);
                for (qsizetype i = 1; i < droga.size(); ++i) {
                    QWidget* menu = QApplication::activePopupWidget();
                    if (!menu) {
                        bledy << opis + ": menu się nie otworzyło";
                        break;
                    }
                    QTest::keyClick(menu, droga[i].toLatin1());
                }
                if (wywolanie.count() == 1)
                    ++wywolane;
                else
                    bledy << opis + ": klawisze wywołały polecenie " +
                                 QString::number(wywolanie.count()) + " razy";
                while (QWidget* menu = QApplication::activePopupWidget())
                    menu->close();
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w != &glowny && w->isVisible() && !qobject_cast<QMenu*>(w))
                        w->close();
            };
        for (QAction* a : glowny.menuBar()->actions())
            if (wolno(a))
                idz(a, {}, "");
        for (const QString& b : bledy)
            qWarning("%s", qPrintable(b));
        QVERIFY2(bledy.isEmpty(), qPrintable(QString::number(bledy.size()) + " braków"));
        // The dictionaries, the calendar, the administrator's and the other commands.
        QVERIFY2(wywolane >= 30, qPrintable(QString::number(wywolane)));
        glowny.UstawZamknijBezPytania(true);
    }

    // The start window and the date picker, which open before and beside the menu.
    void oknaStartuIDaty() {
        BazaOkien baza;
        shell::TFStart start(*baza.tdm, baza.dialogi);
        start.show();
        QStringList bledy = Sprawdz(start);
        shell::TFData data;
        data.show();
        bledy << Sprawdz(data);
        for (const QString& b : bledy)
            qWarning("%s", qPrintable(b));
        QVERIFY2(bledy.isEmpty(), qPrintable(QString::number(bledy.size()) + " braków"));
    }
};

QTEST_MAIN(DostepnoscTest)
#include "dostepnosc_test.moc"
