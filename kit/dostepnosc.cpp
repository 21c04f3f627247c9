#include "kit/dostepnosc.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>
#include <functional>

#include "kit/data_controls.h"

namespace mirta::kit {

namespace {

QString BezAmpersandow(QString tekst) {
    tekst.remove(QRegularExpression("&(?!&)"));
    return tekst.simplified();
}

// The text of the label that names `w`: a label whose buddy it is, or the label of its form row
// (a row whose field is a line holding `w` with its buttons counts too).
bool Zawiera(const QLayout& uklad, const QWidget& w) {
    for (int i = 0; i < uklad.count(); ++i) {
        QLayoutItem* el = uklad.itemAt(i);
        if (el->widget() == &w || (el->layout() && Zawiera(*el->layout(), w)))
            return true;
    }
    return false;
}

// The label of the form row whose field is `w` or a layout that holds it.
QString EtykietaWiersza(const QFormLayout& f, const QWidget& w) {
    for (int r = 0; r < f.rowCount(); ++r) {
        QLayoutItem* pole = f.itemAt(r, QFormLayout::FieldRole);
        QLayoutItem* etykieta = f.itemAt(r, QFormLayout::LabelRole);
        if (!pole || !etykieta || !qobject_cast<QLabel*>(etykieta->widget()))
            continue;
        if (pole->widget() == &w || (pole->layout() && Zawiera(*pole->layout(), w)))
            return static_cast<QLabel*>(etykieta->widget())->text();
    }
    return {};
}

QString Etykieta(const QWidget& w, const QWidget& okno) {
    for (const QLabel* l : okno.findChildren<QLabel*>())
        if (l->buddy() == &w)
            return BezAmpersandow(l->text());
    for (const QWidget* poziom = &w; poziom && poziom != &okno; poziom = poziom->parentWidget()) {
        const QWidget* rodzic = poziom->parentWidget();
        if (!rodzic)
            break;
        for (const QFormLayout* f : rodzic->findChildren<QFormLayout*>()) {
            if (const QString e = EtykietaWiersza(*f, *poziom); !e.isEmpty())
                return BezAmpersandow(e);
        }
        if (auto* g = qobject_cast<const QGroupBox*>(rodzic); g && !g->title().isEmpty())
            return BezAmpersandow(g->title());
        // One step up only for a line that lays a field out with its buttons.
        if (!rodzic->layout() || qobject_cast<const QGroupBox*>(rodzic) ||
            rodzic->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size() > 4)
            break;
    }
    return {};
}

// The parts of Qt's calendar, named by their object names.
QString CzescKalendarza(const QWidget& w) {
    static const QHash<QString, QString> kNazwy = {
        {"qt_calendar_prevmonth", "Poprzedni miesiąc"},
        {"qt_calendar_nextmonth", "Następny miesiąc"},
        {"qt_calendar_monthbutton", "Miesiąc"},
        {"qt_calendar_yearbutton", "Rok"},
        {"qt_calendar_yearedit", "Rok"},
        {"qt_calendar_calendarview", "Dni miesiąca"},
    };
    return kNazwy.value(w.objectName());
}

// The title of the tab page that holds `w`.
QString TytulStrony(const QWidget& w) {
    for (const QWidget* s = w.parentWidget(); s && !s->isWindow(); s = s->parentWidget()) {
        const QWidget* stos = s->parentWidget();
        auto* zakladki = stos ? qobject_cast<const QTabWidget*>(stos->parentWidget()) : nullptr;
        if (zakladki && qobject_cast<const QStackedWidget*>(stos))
            return BezAmpersandow(zakladki->tabText(zakladki->indexOf(const_cast<QWidget*>(s))));
    }
    return {};
}

QString Nazwa(const QWidget& w, const QWidget& okno) {
    if (const QString czesc = CzescKalendarza(w); !czesc.isEmpty())
        return czesc;
    if (qobject_cast<const QCalendarWidget*>(&w) && Etykieta(w, okno).isEmpty())
        return "Kalendarz";
    if (auto* b = qobject_cast<const QAbstractButton*>(&w)) {
        // A glyph ("...", an arrow) says less than the button's hint.
        const QString t = BezAmpersandow(b->text());
        if (std::any_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); }))
            return t;
        if (!b->toolTip().isEmpty())
            return b->toolTip();
    }
    if (auto* g = qobject_cast<const QGroupBox*>(&w))
        return BezAmpersandow(g->title());
    if (QString e = Etykieta(w, okno); !e.isEmpty())
        return e.endsWith(':') ? e.chopped(1).trimmed() : e;
    if (auto* l = qobject_cast<const QLineEdit*>(&w); l && !l->placeholderText().isEmpty())
        return l->placeholderText();
    if (!w.toolTip().isEmpty())
        return w.toolTip();
    // A list, a text or a row of tabs without a label of its own is named by the page (or the
    // window) it shows.
    if (qobject_cast<const QAbstractScrollArea*>(&w) || qobject_cast<const QTabBar*>(&w)) {
        const QString strona = TytulStrony(w);
        const QString tytul = strona.isEmpty() ? okno.windowTitle() : strona;
        if (qobject_cast<const QTabBar*>(&w))
            return strona.isEmpty() ? QString("Zakładki") : "Zakładki: " + strona;
        return tytul;
    }
    return {};
}

QString Opis(const QWidget& w) {
    if (!w.toolTip().isEmpty())
        return w.toolTip();
    if (qobject_cast<const DbDateEdit*>(&w))
        return "Data w postaci rrrr-mm-dd";
    if (auto* e = qobject_cast<const QLineEdit*>(&w))
        return e->isReadOnly() ? "Pole tylko do odczytu" : "Pole tekstowe";
    if (qobject_cast<const QPlainTextEdit*>(&w) || qobject_cast<const QTextEdit*>(&w))
        return "Tekst wielowierszowy";
    if (qobject_cast<const QComboBox*>(&w))
        return "Lista wyboru; strzałki zmieniają wybraną pozycję";
    if (qobject_cast<const QCheckBox*>(&w))
        return "Pole wyboru; spacja zaznacza";
    if (qobject_cast<const QAbstractSpinBox*>(&w))
        return "Liczba; strzałki zmieniają wartość";
    if (qobject_cast<const QCalendarWidget*>(&w) || w.objectName() == "qt_calendar_calendarview")
        return "Kalendarz; strzałki wybierają dzień, Page Up i Page Down miesiąc";
    if (qobject_cast<const QTabBar*>(&w))
        return "Zakładki; Ctrl+Tab przechodzi do następnej";
    if (qobject_cast<const QAbstractItemView*>(&w))
        return "Lista wierszy; strzałki i Page Up/Page Down przesuwają bieżący wiersz";
    if (qobject_cast<const QAbstractButton*>(&w))
        return "Przycisk; spacja naciska";
    return {};
}

// The character after a single '&', lower-case; a null character when the text has none.
QChar Skrot(const QString& tekst) {
    for (qsizetype i = tekst.indexOf('&'); i >= 0 && i + 1 < tekst.size();
         i = tekst.indexOf('&', i + 2)) {
        if (tekst[i + 1] != '&')
            return tekst[i + 1].toLower();
    }
    return {};
}

// A letter typed with Alt on any keyboard: no dead key, no AltGr (no "ż", no "ó").
bool ZwyklyZnak(QChar c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The text without its mnemonic ("&&" stays).
QString BezSkrotu(const QString& tekst) {
    QString t;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (tekst[i] != '&') {
            t += tekst[i];
        } else if (i + 1 < tekst.size() && tekst[i + 1] == '&') {
            t += "&&";
            ++i;
        }
    }
    return t;
}

// The pages around a widget, innermost first, and the window last: controls of two pages of one
// stack are never shown together, so they may share a letter.
QList<const QWidget*> Strony(const QWidget& w, const QWidget& okno) {
    QList<const QWidget*> strony;
    for (const QWidget* s = &w; s && s != &okno; s = s->parentWidget())
        if (qobject_cast<const QStackedWidget*>(s->parentWidget()))
            strony << s;
    strony << &okno;
    return strony;
}

// Puts '&' before a plain letter no other control around it uses, a word's first letter first.
QString ZeSkrotem(const QString& tekst, const QSet<QChar>& zajete) {
    for (const bool tylkoPoczatki : {true, false}) {
        for (qsizetype i = 0; i < tekst.size(); ++i) {
            const QChar c = tekst[i];
            const bool poczatek = i == 0 || !tekst[i - 1].isLetterOrNumber();
            if (ZwyklyZnak(c) && (poczatek || !tylkoPoczatki) && !zajete.contains(c.toLower()))
                return tekst.left(i) + '&' + tekst.mid(i);
        }
    }
    return tekst;
}

// Something that shows a mnemonic: a button, a field's label, a tab, a menu of the bar.
struct Skrotowy {
    QList<const QWidget*> strony;
    QString tekst;
    std::function<void(const QString&)> ustaw;
};

// Gives every item a mnemonic unique among the items shown with it, on a plain letter. A
// mnemonic the window chose stays unless another item shown with it took the letter first
// or it is on a letter that needs a dead key; the window's own items choose before those of
// its pages.
void Rozdziel(QList<Skrotowy> elementy, const QWidget& okno) {
    std::stable_sort(elementy.begin(), elementy.end(), [](const Skrotowy& a, const Skrotowy& b) {
        return a.strony.size() < b.strony.size();
    });
    QHash<const QWidget*, QSet<QChar>> zajete;
    auto wokol = [&](const Skrotowy& e) {
        QSet<QChar> z;
        for (const QWidget* s : e.strony)
            z.unite(zajete.value(s));
        // Letters the pages inside this one already use are taken too.
        for (auto i = zajete.cbegin(); i != zajete.cend(); ++i)
            if (i.key() != &okno && e.strony.front()->isAncestorOf(i.key()))
                z.unite(i.value());
        return z;
    };
    QList<Skrotowy*> bez;
    for (Skrotowy& e : elementy) {
        const QChar s = Skrot(e.tekst);
        if (!s.isNull() && ZwyklyZnak(s) && !wokol(e).contains(s))
            zajete[e.strony.front()].insert(s);
        else
            bez << &e;
    }
    for (Skrotowy* e : bez) {
        const QString nowy = ZeSkrotem(BezSkrotu(e->tekst), wokol(*e));
        if (const QChar s = Skrot(nowy); !s.isNull())
            zajete[e->strony.front()].insert(s);
        if (nowy != e->tekst)
            e->ustaw(nowy);
    }
}

// The items of one menu, and of the menus inside it, each menu on its own.
void NadajSkrotyMenu(QMenu& menu) {
    QList<Skrotowy> elementy;
    const QList<const QWidget*> strony{&menu};
    for (QAction* a : menu.actions()) {
        if (a->isSeparator() || a->text().isEmpty())
            continue;
        elementy << Skrotowy{strony, a->text(), [a](const QString& t) { a->setText(t); }};
        if (a->menu())
            NadajSkrotyMenu(*a->menu());
    }
    Rozdziel(std::move(elementy), menu);
}

}  // namespace

void NadajSkroty(QWidget& okno) {
    if (auto* menu = qobject_cast<QMenu*>(&okno))
        return NadajSkrotyMenu(*menu);
    QList<Skrotowy> elementy;
    for (QAbstractButton* b : okno.findChildren<QAbstractButton*>())
        if (b->window() == &okno && !b->text().isEmpty() && b->text() != "..." &&
            !qobject_cast<QTabBar*>(b->parentWidget()))
            elementy << Skrotowy{Strony(*b, okno), b->text(),
                                 [b](const QString& t) { b->setText(t); }};
    for (QLabel* l : okno.findChildren<QLabel*>())
        if (l->window() == &okno && l->buddy() && l->textFormat() != Qt::RichText)
            elementy << Skrotowy{Strony(*l, okno), l->text(),
                                 [l](const QString& t) { l->setText(t); }};
    for (QTabWidget* z : okno.findChildren<QTabWidget*>()) {
        if (z->window() != &okno)
            continue;
        for (int i = 0; i < z->count(); ++i)
            elementy << Skrotowy{Strony(*z, okno), z->tabText(i),
                                 [z, i](const QString& t) { z->setTabText(i, t); }};
    }
    for (QMenuBar* pasek : okno.findChildren<QMenuBar*>()) {
        if (pasek->window() != &okno)
            continue;
        for (QAction* a : pasek->actions()) {
            if (a->isSeparator() || a->text().isEmpty())
                continue;
            elementy << Skrotowy{Strony(*pasek, okno), a->text(),
                                 [a](const QString& t) { a->setText(t); }};
            if (a->menu())
                NadajSkrotyMenu(*a->menu());
        }
    }
    Rozdziel(std::move(elementy), okno);
}

void WlaczF10(QWidget& okno) {
    auto* glowne = qobject_cast<QMainWindow*>(&okno);
    if (!glowne || !glowne->menuWidget() || okno.property("mirtaF10").toBool())
        return;
    okno.setProperty("mirtaF10", true);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &okno);
    QObject::connect(f10, &QShortcut::activated, &okno, [glowne] {
        auto* pasek = qobject_cast<QMenuBar*>(glowne->menuWidget());
        if (!pasek)
            return;
        for (QAction* a : pasek->actions())
            if (a->isVisible() && a->isEnabled() && !a->isSeparator()) {
                pasek->setFocus(Qt::MenuBarFocusReason);
                pasek->setActiveAction(a);
                return;
            }
    });
}

namespace {

class FiltrDostepnosci : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Show && obiekt->isWidgetType()) {
            auto* w = static_cast<QWidget*>(obiekt);
            if (w->isWindow()) {
                UzupelnijDostepnosc(*w);
                NadajSkroty(*w);
                WlaczF10(*w);
            }
        }
        return QObject::eventFilter(obiekt, zdarzenie);
    }
};

}  // namespace

bool JestKontrolka(const QWidget& w) {
    if (qobject_cast<const QLabel*>(&w) || w.isWindow() || w.focusProxy())
        return false;
    // A clear button of a line, the corner of a table, the inner line of a combo: parts of
    // their control.
    const QWidget* rodzic = w.parentWidget();
    if (rodzic &&
        (qobject_cast<const QComboBox*>(rodzic) || qobject_cast<const QAbstractSpinBox*>(rodzic) ||
         qobject_cast<const QAbstractItemView*>(rodzic) || qobject_cast<const QLineEdit*>(rodzic)))
        return false;
    if (qobject_cast<const QAbstractButton*>(&w))
        return true;
    // Scrolled pages and tab widgets only hold controls.
    if (qobject_cast<const QScrollArea*>(&w) || qobject_cast<const QTabWidget*>(&w))
        return false;
    return (w.focusPolicy() & Qt::TabFocus) != 0;
}

bool Ukryta(const QWidget& w) {
    for (const QWidget* x = &w; x && !x->isWindow(); x = x->parentWidget())
        if (x->isHidden() && !qobject_cast<const QStackedWidget*>(x->parentWidget()))
            return true;
    return false;
}

void UzupelnijDostepnosc(QWidget& okno) {
    for (QWidget* w : okno.findChildren<QWidget*>()) {
        if (!JestKontrolka(*w) && !qobject_cast<QGroupBox*>(w))
            continue;
        if (w->accessibleName().isEmpty())
            w->setAccessibleName(Nazwa(*w, okno));
        if (w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(Opis(*w));
    }
}

void WlaczDostepnosc(QApplication& aplikacja) {
    aplikacja.installEventFilter(new FiltrDostepnosci(&aplikacja));
}

}  // namespace mirta::kit
