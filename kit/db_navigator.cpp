#include "kit/db_navigator.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <optional>

#include "kit/data_controls.h"
#include "kit/db_grid.h"
#include "kit/run_guarded.h"

namespace mirta::kit {

using engine::Dataset;
using engine::DatasetChange;

namespace {

struct ButtonLook {
    const char* name;
    const char* glyph;
};

constexpr ButtonLook kLooks[kNavButtonCount] = {
    {"first", "|◀"}, {"prior", "◀"}, {"next", "▶"}, {"last", "▶|"},  {"insert", "+"},
    {"delete", "−"}, {"edit", "▲"},  {"post", "✓"}, {"cancel", "✗"}, {"refresh", "↻"},
};

// The keys shown after a button's hint.
const char* Keys(NavButton b) {
    switch (b) {
        case NavButton::Insert:
            return "Insert, Ctrl+N";
        case NavButton::Post:
            return "Ctrl+S, F2";
        case NavButton::Cancel:
            return "Esc";
        case NavButton::Delete:
            return "Ctrl+Delete";
        default:
            return nullptr;
    }
}

QList<DbNavigator*>& Navigators() {
    static QList<DbNavigator*> all;
    return all;
}

// The button the key stands for; nullopt for other keys.
std::optional<NavButton> ButtonForKey(int key, Qt::KeyboardModifiers modifiers) {
    modifiers.setFlag(Qt::KeypadModifier, false);
    const bool ctrl = modifiers == Qt::ControlModifier;
    const bool none = modifiers == Qt::NoModifier;
    if ((none && key == Qt::Key_Insert) || (ctrl && key == Qt::Key_N))
        return NavButton::Insert;
    if ((ctrl && key == Qt::Key_S) || (none && key == Qt::Key_F2))
        return NavButton::Post;
    if (none && key == Qt::Key_Escape)
        return NavButton::Cancel;
    if (ctrl && key == Qt::Key_Delete)
        return NavButton::Delete;
    return std::nullopt;
}

// Whether the navigator serves keys typed into `w`: itself, the area it sits in (its parent
// widget) and every control bound to its data source.
bool Serves(const DbNavigator& n, const QWidget& w) {
    if (&w == &n || &w == n.parentWidget())
        return true;
    const auto* link = dynamic_cast<const DataLink*>(&w);
    return link && n.IsAttached() && link->Source() == n.Source() &&
           link != static_cast<const DataLink*>(&n);
}

// The navigator that serves the control with the focus: the innermost area around it.
DbNavigator* NavigatorFor(QWidget& focus) {
    for (QWidget* w = &focus; w; w = w->parentWidget()) {
        for (DbNavigator* n : Navigators())
            if (n->window() == focus.window() && n->isVisible() && Serves(*n, *w))
                return n;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

// One filter for every navigator: it sees the key before the control with the focus and
// before the window's shortcuts (Esc closing a window), so a record key never does both.
class NavigatorKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        QWidget* focus = QApplication::focusWidget();
        if (watched != focus || !focus || QApplication::activePopupWidget())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<NavButton> button = ButtonForKey(key->key(), key->modifiers());
        if (!button)
            return false;
        // A cell being typed in keeps Esc and its other keys.
        for (QWidget* p = focus->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
            if (qobject_cast<QAbstractItemView*>(p))
                return false;
        DbNavigator* navigator = NavigatorFor(*focus);
        QToolButton* b = navigator ? navigator->Button(*button) : nullptr;
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress)
            b->click();
        return true;
    }
};

// The first field of the record that takes typing, in the window's tab order; the grid when
// the record is typed into the grid.
void FocusFirstField(DbNavigator& n) {
    if (!n.IsAttached())
        return;
    QWidget* okno = n.window();
    DbGrid* grid = nullptr;
    for (QWidget* w = okno->nextInFocusChain(); w && w != okno; w = w->nextInFocusChain()) {
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (auto* f = dynamic_cast<FieldBinding*>(w); f && f->Source() == n.Source() &&
                                                      f->IsAttached() && !f->IsReadOnly() &&
                                                      !f->IsLocked()) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (auto* g = qobject_cast<DbGrid*>(w); g && !grid && g->Source() == n.Source())
            grid = g;
    }
    if (grid)
        grid->setFocus(Qt::OtherFocusReason);
}

}  // namespace

NavigatorHints DefaultNavigatorHints() {
    return {"Pierwszy", "Poprzedni", "Następny", "Ostatni", "Dodaj",
            "Usuń",     "Edytuj",    "Zapisz",   "Anuluj",  "Odśwież"};
}

DbNavigator::DbNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int i = 0; i < kNavButtonCount; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(kLooks[i].name);
        b->setText(QString::fromUtf8(kLooks[i].glyph));
        b->setAutoRaise(false);
        b->setFixedSize(26, 24);
        const auto button = static_cast<NavButton>(i);
        connect(b, &QToolButton::clicked, this, [this, button] { Press(button); });
        layout->addWidget(b);
        m_buttons[i] = b;
    }
    layout->addStretch();
    SetHints(DefaultNavigatorHints());
    Refresh();
    static NavigatorKeys* keys = nullptr;
    if (!keys && qApp) {
        keys = new NavigatorKeys(qApp);
        qApp->installEventFilter(keys);
    }
    Navigators().append(this);
    connect(this, &QObject::destroyed, [this] { Navigators().removeAll(this); });
}

void DbNavigator::SetHints(const NavigatorHints& hints) {
    for (int i = 0; i < kNavButtonCount; ++i) {
        const char* keys = Keys(static_cast<NavButton>(i));
        m_buttons[i]->setToolTip(keys && !hints[i].isEmpty()
                                     ? QString("%1 (%2)").arg(hints[i], QString::fromUtf8(keys))
                                     : hints[i]);
    }
}

void DbNavigator::SetButtonVisible(NavButton button, bool visible) {
    Button(button)->setVisible(visible);
}

void DbNavigator::SetDeleteQuestion(std::string text, std::string caption) {
    m_deleteQuestion = std::move(text);
    m_deleteCaption = std::move(caption);
}

// The rows around the cursor decide the moves; the table's writability and the state decide
// the rest.
void DbNavigator::Refresh() {
    bool on[kNavButtonCount] = {};
    if (IsAttached()) {
        const Dataset& ds = Source()->dataset();
        const bool canModify = Source()->CanModify();
        const bool editing = ds.Editing();
        const bool empty = ds.IsEmpty();
        const bool atFirst = empty || ds.RecNo() <= 0;
        const bool atLast = empty || ds.RecNo() >= ds.RecordCount() - 1;
        on[int(NavButton::First)] = on[int(NavButton::Prior)] = !atFirst;
        on[int(NavButton::Next)] = on[int(NavButton::Last)] = !atLast;
        on[int(NavButton::Insert)] = canModify;
        on[int(NavButton::Delete)] = canModify && !empty;
        on[int(NavButton::Edit)] = canModify && !editing;
        on[int(NavButton::Post)] = on[int(NavButton::Cancel)] = canModify && editing;
        on[int(NavButton::Refresh)] = true;
    }
    for (int i = 0; i < kNavButtonCount; ++i)
        m_buttons[i]->setEnabled(on[i]);
}

void DbNavigator::Changed(const DatasetChange& change) {
    if (change.kind != DatasetChange::Kind::Field)
        Refresh();
}

void DbNavigator::Press(NavButton button) {
    if (!IsAttached())
        return;
    DataSource& source = *Source();
    switch (button) {
        case NavButton::First:
            source.Run([](Dataset& ds) { ds.First(); });
            break;
        case NavButton::Prior:
            source.Run([](Dataset& ds) { ds.Prior(); });
            break;
        case NavButton::Next:
            source.Run([](Dataset& ds) { ds.Next(); });
            break;
        case NavButton::Last:
            source.Run([](Dataset& ds) { ds.Last(); });
            break;
        case NavButton::Insert:
            if (source.Run([](Dataset& ds) { ds.Insert(); }))
                FocusFirstField(*this);
            break;
        case NavButton::Edit:
            source.Run([](Dataset& ds) { ds.Edit(); });
            break;
        case NavButton::Post:
            source.Run([](Dataset& ds) { ds.Post(); });
            break;
        case NavButton::Refresh:
            source.Run([](Dataset& ds) { ds.Refresh(); });
            break;
        case NavButton::Cancel:
            // Typed text is dropped with the record, so nothing is stored first.
            source.Run([](Dataset& ds) { ds.Cancel(); }, /*storePending=*/false);
            break;
        case NavButton::Delete: {
            store::Dialogi& dialogi = source.dialogi();
            bool confirmed = false;
            RunGuarded(dialogi, [&] {
                confirmed = dialogi.TakNie(m_deleteQuestion, m_deleteCaption, store::Ikona::Pytanie,
                                           store::Odpowiedz::Nie) == store::Odpowiedz::Tak;
            });
            if (confirmed)
                source.Run([](Dataset& ds) { ds.Delete(); }, /*storePending=*/false);
            break;
        }
    }
    Refresh();
}

}  // namespace mirta::kit
