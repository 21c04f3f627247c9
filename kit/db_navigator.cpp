#include "kit/db_navigator.h"

#include <QHBoxLayout>

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
}

void DbNavigator::SetHints(const NavigatorHints& hints) {
    for (int i = 0; i < kNavButtonCount; ++i)
        m_buttons[i]->setToolTip(hints[i]);
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
            source.Run([](Dataset& ds) { ds.Insert(); });
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
