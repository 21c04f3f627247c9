#include "shell/kit/dostepnosc.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextEdit>
#include <algorithm>

#include "shell/kit/data_controls.h"

namespace mirta::kit {

namespace {

QString BezAmpersandow(QString tekst) {
    tekst.remove(QRegularExpression("&(?!&)"));
    return tekst.simplified();
}

// The text of the label that names `w`: a label whose buddy it is, or the label of its form row
// (a row whose field is a line holding `w` with its buttons counts too).
QString Etykieta(const QWidget& w, const QWidget& okno) {
    for (const QLabel* l : okno.findChildren<QLabel*>())
        if (l->buddy() == &w)
            return BezAmpersandow(l->text());
    for (const QWidget* poziom = &w; poziom && poziom != &okno; poziom = poziom->parentWidget()) {
        const QWidget* rodzic = poziom->parentWidget();
        if (!rodzic)
            break;
        for (const QFormLayout* f : rodzic->findChildren<QFormLayout*>()) {
            if (auto* l = qobject_cast<QLabel*>(f->labelForField(const_cast<QWidget*>(poziom))))
                return BezAmpersandow(l->text());
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

QString Nazwa(const QWidget& w, const QWidget& okno) {
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
    if (!w.windowTitle().isEmpty())
        return w.windowTitle();
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
    if (qobject_cast<const QTabBar*>(&w))
        return "Zakładki; Ctrl+Tab przechodzi do następnej";
    if (qobject_cast<const QAbstractItemView*>(&w))
        return "Lista wierszy; strzałki i Page Up/Page Down przesuwają bieżący wiersz";
    if (qobject_cast<const QAbstractButton*>(&w))
        return "Przycisk; spacja naciska";
    return {};
}

// The letter after a single '&', lower-case; a null character when the text has none.
QChar Skrot(const QString& tekst) {
    for (qsizetype i = tekst.indexOf('&'); i >= 0 && i + 1 < tekst.size();
         i = tekst.indexOf('&', i + 2)) {
        if (tekst[i + 1] != '&')
            return tekst[i + 1].toLower();
    }
    return {};
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

// Puts '&' before a letter no other control around it uses, a word's first letter first.
QString ZeSkrotem(const QString& tekst, const QSet<QChar>& zajete) {
    for (const bool tylkoPoczatki : {true, false}) {
        for (qsizetype i = 0; i < tekst.size(); ++i) {
            const QChar c = tekst[i];
            const bool poczatek = i == 0 || !tekst[i - 1].isLetterOrNumber();
            if (c.isLetter() && (poczatek || !tylkoPoczatki) && !zajete.contains(c.toLower()))
                return tekst.left(i) + '&' + tekst.mid(i);
        }
    }
    return tekst;
}

// Buttons and the labels of fields get a mnemonic (Alt and the letter) where the window gave
// them none; the window's own controls choose first, then those of its pages.
void NadajSkroty(QWidget& okno) {
    struct Kontrolka {
        QWidget* w;
        QList<const QWidget*> strony;
    };
    QList<Kontrolka> bez;
    QHash<const QWidget*, QSet<QChar>> zajete;
    auto dodaj = [&](QWidget* w, const QString& tekst) {
        const QList<const QWidget*> strony = Strony(*w, okno);
        if (const QChar s = Skrot(tekst); !s.isNull())
            zajete[strony.front()].insert(s);
        else
            bez << Kontrolka{w, strony};
    };
    for (QAbstractButton* b : okno.findChildren<QAbstractButton*>())
        if (b->window() == &okno && !b->text().isEmpty() && b->text() != "..." &&
            !qobject_cast<QTabBar*>(b->parentWidget()))
            dodaj(b, b->text());
    for (QLabel* l : okno.findChildren<QLabel*>())
        if (l->window() == &okno && l->buddy() && l->textFormat() != Qt::RichText)
            dodaj(l, l->text());
    std::stable_sort(bez.begin(), bez.end(), [](const Kontrolka& a, const Kontrolka& b) {
        return a.strony.size() < b.strony.size();
    });
    for (const Kontrolka& k : bez) {
        QSet<QChar> wokol;
        for (const QWidget* s : k.strony)
            wokol.unite(zajete.value(s));
        // Letters the pages inside this one already use are taken too.
        for (auto i = zajete.cbegin(); i != zajete.cend(); ++i)
            if (i.key() != &okno && k.strony.front()->isAncestorOf(i.key()))
                wokol.unite(i.value());
        auto* b = qobject_cast<QAbstractButton*>(k.w);
        auto* l = qobject_cast<QLabel*>(k.w);
        const QString tekst = b ? b->text() : l->text();
        const QString nowy = ZeSkrotem(tekst, wokol);
        if (nowy == tekst)
            continue;
        zajete[k.strony.front()].insert(Skrot(nowy));
        b ? b->setText(nowy) : l->setText(nowy);
    }
}

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
            }
        }
        return QObject::eventFilter(obiekt, zdarzenie);
    }
};

}  // namespace

bool JestKontrolka(const QWidget& w) {
    if (qobject_cast<const QAbstractButton*>(&w))
        return true;
    if (qobject_cast<const QLabel*>(&w) || w.isWindow())
        return false;
    // The viewport and the inner line of a combo are parts of their control.
    const QWidget* rodzic = w.parentWidget();
    if (rodzic &&
        (qobject_cast<const QComboBox*>(rodzic) || qobject_cast<const QAbstractSpinBox*>(rodzic) ||
         qobject_cast<const QAbstractItemView*>(rodzic)))
        return false;
    return (w.focusPolicy() & Qt::TabFocus) != 0;
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
