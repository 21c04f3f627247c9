#include "kit/data_controls.h"

#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QtGlobal>
#include <algorithm>
#include <functional>

#include "engine/field_text.h"
#include "kit/cala_wartosc.h"
#include "kit/run_guarded.h"

namespace mirta::kit {

using engine::DatasetChange;

namespace {

// Keys that change the text, which must start editing before they reach the widget.
bool ChangesText(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// A printable key typed into a closed list, without Ctrl or Alt.
bool TypedInto(QComboBox& combo, QKeyEvent* event) {
    const QString text = event->text();
    return !combo.view()->isVisible() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
           !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace();
}

// Letters typed into a list one after another (within a second) make one code.
class TypedCode {
public:
    // The code typed so far with `text` added.
    QString Add(const QString& text) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (now - m_last > 1000)
            m_text.clear();
        m_last = now;
        m_text += text;
        return m_text;
    }
    void Restart() { m_text.clear(); }

private:
    QString m_text;
    qint64 m_last = 0;
};

// The item whose code is `typed`, else the first whose code starts with it, else the first
// whose text does; -1 when none. Case does not matter.
int FindTyped(const QString& typed, int count, const std::function<QStringList(int)>& codes,
              const std::function<QString(int)>& text) {
    if (typed.isEmpty())
        return -1;
    int prefix = -1;
    for (int i = 0; i < count; ++i)
        for (const QString& c : codes(i)) {
            if (c.trimmed().compare(typed, Qt::CaseInsensitive) == 0)
                return i;
            if (prefix < 0 && c.trimmed().startsWith(typed, Qt::CaseInsensitive))
                prefix = i;
        }
    if (prefix >= 0)
        return prefix;
    for (int i = 0; i < count; ++i)
        if (text(i).trimmed().startsWith(typed, Qt::CaseInsensitive))
            return i;
    return -1;
}

// A code typed into a closed list picks its item as a click on it would (the list's
// activated signal, which writes the field).
class TypedCodeFilter : public QObject {
public:
    TypedCodeFilter(QComboBox& combo, std::function<QStringList(int)> codes)
        : QObject(&combo), m_combo(combo), m_codes(std::move(codes)) {
        combo.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!TypedInto(m_combo, key))
            return false;
        auto text = [this](int i) { return m_combo.itemText(i); };
        int found = FindTyped(m_typed.Add(key->text()), m_combo.count(), m_codes, text);
        if (found < 0) {
            m_typed.Restart();
            found = FindTyped(m_typed.Add(key->text()), m_combo.count(), m_codes, text);
        }
        if (found >= 0 && found != m_combo.currentIndex()) {
            m_combo.setCurrentIndex(found);
            emit m_combo.activated(found);
        }
        return true;
    }

private:
    QComboBox& m_combo;
    std::function<QStringList(int)> m_codes;
    TypedCode m_typed;
};

}  // namespace

// ---- FieldBinding

void FieldBinding::Bind(DataSource* source, std::string field) {
    Detach();
    m_field = std::move(field);
    SetDataSource(source);
}

void FieldBinding::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    if (IsAttached())
        Refresh();
}

void FieldBinding::SetLocked(bool locked) {
    m_locked = locked;
    if (IsAttached())
        Refresh();
    else if (locked)
        m_self->setEnabled(false);
}

bool FieldBinding::Editable() const {
    return !m_readOnly && !m_locked && m_fieldIndex >= 0 && Source()->ControlsEnabled();
}

const engine::FieldDef* FieldBinding::Def() const {
    return m_fieldIndex >= 0 ? &Data().Fields()[m_fieldIndex] : nullptr;
}

void FieldBinding::Attached() {
    m_fieldIndex = Data().FindField(m_field);
    if (m_fieldIndex < 0)
        qWarning("Kontrolka %s: zbiór %s nie ma pola %s", qPrintable(m_self->objectName()),
                 Data().Name().c_str(), m_field.c_str());
}

void FieldBinding::Refresh() {
    ShowValue();
    SetEditable(Editable());
}

void FieldBinding::Changed(const DatasetChange& change) {
    switch (change.kind) {
        case DatasetChange::Kind::Field:
            // A calculated field may follow any stored one.
            if (!m_modified &&
                (change.field == m_fieldIndex || m_fieldIndex >= Data().StoredFieldCount()))
                ShowValue();
            break;
        case DatasetChange::Kind::State:
            // Entering edit for the user's first key must not wipe what is being typed.
            if (!(m_modified && Data().Editing()))
                ShowValue();
            SetEditable(Editable());
            break;
        case DatasetChange::Kind::RowChanged:
            if (change.row == Data().RecNo() && !Data().Editing())
                ShowValue();
            break;
        case DatasetChange::Kind::Scrolled:
        case DatasetChange::Kind::Reset:
            Refresh();
            break;
        case DatasetChange::Kind::RowInserted:
        case DatasetChange::Kind::RowDeleted:
            break;
    }
}

bool FieldBinding::BeginChange() {
    return CanWrite() && m_fieldIndex >= 0 && Source()->StartEdit();
}

bool FieldBinding::Write(const std::function<void(engine::Dataset&)>& store) {
    m_modified = false;
    engine::Dataset& ds = Data();
    const bool ok = RunGuarded(Source()->dialogi(), [&] {
        if (!ds.Editing())
            ds.Edit();
        store(ds);
    });
    m_modified = !ok;
    // The refused value stays to be corrected where it was typed.
    if (!ok && m_self->isVisible())
        m_self->setFocus(Qt::OtherFocusReason);
    return ok;
}

bool FieldBinding::WriteText(const std::string& text) {
    return Write([&](engine::Dataset& ds) { ds.SetFieldText(m_field, text); });
}

// ---- DbEdit

DbEdit::DbEdit(QWidget* parent) : QLineEdit(parent), FieldBinding(this) {
    PokazujCalaWartosc(*this);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!IsAttached())
            return;
        m_modified = true;
        // Input that bypassed keyPressEvent (a paste from the context menu).
        if (!Data().Editing() && !BeginChange())
            ShowValue();
    });
}

void DbEdit::Attached() {
    FieldBinding::Attached();
    if (inputMask().isEmpty() && Def() && Def()->type == engine::FieldType::Alpha)
        setMaxLength(Def()->size);
}

void DbEdit::ShowValue() {
    const QString value =
        m_fieldIndex >= 0 ? QString::fromStdString(Data().FieldText(m_field)) : QString();
    // Unchanged text keeps the cursor where the user put it.
    if (value != text())
        setText(value);
    m_modified = false;
}

void DbEdit::SetEditable(bool editable) {
    setReadOnly(m_readOnly);
    setEnabled((m_readOnly && !m_locked) || editable);
}

bool DbEdit::Flush() {
    if (!m_modified || !CanWrite())
        return true;
    return WriteText(TypedText());
}

void DbEdit::keyPressEvent(QKeyEvent* event) {
    if (!CanWrite())
        return QLineEdit::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Escape:
            if (m_modified) {
                ShowValue();
                return event->accept();
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Flush();
            break;
        default:
            if (ChangesText(event) && !BeginChange())
                return event->accept();
    }
    QLineEdit::keyPressEvent(event);
}

void DbEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Flush();
}

// ---- DbDateEdit

DbDateEdit::DbDateEdit(QWidget* parent) : DbEdit(parent) {
    setInputMask("9999-99-99;_");
}

std::string DbDateEdit::TypedText() const {
    const QString shown = displayText();
    if (std::none_of(shown.begin(), shown.end(), [](QChar c) { return c.isDigit(); }))
        return {};
    // A half-filled date goes with its blanks, so the dataset refuses it by its own message.
    return (hasAcceptableInput() ? text() : shown).toStdString();
}

// ---- DbMemo

DbMemo::DbMemo(QWidget* parent) : QPlainTextEdit(parent), FieldBinding(this) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing || !IsAttached())
            return;
        m_modified = true;
        if (!Data().Editing() && !BeginChange())
            ShowValue();
    });
}

void DbMemo::ShowValue() {
    const QString value =
        m_fieldIndex >= 0 ? QString::fromStdString(Data().FieldText(m_field)) : QString();
    if (value != toPlainText()) {
        m_showing = true;
        setPlainText(value);
        m_showing = false;
    }
    m_modified = false;
}

void DbMemo::SetEditable(bool editable) {
    setReadOnly(m_readOnly || !editable);
    setEnabled((m_readOnly && !m_locked) || editable);
}

bool DbMemo::Flush() {
    if (!m_modified || !CanWrite())
        return true;
    return WriteText(toPlainText().toStdString());
}

void DbMemo::keyPressEvent(QKeyEvent* event) {
    if (CanWrite()) {
        if (event->key() == Qt::Key_Escape && m_modified) {
            ShowValue();
            return event->accept();
        }
        if ((ChangesText(event) || event->key() == Qt::Key_Return) && !BeginChange())
            return event->accept();
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DbMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Flush();
}

// ---- DbCodeCombo

DbCodeCombo::DbCodeCombo(QWidget* parent) : QComboBox(parent), FieldBinding(this) {
    PokazujCalaWartosc(*this);
    new TypedCodeFilter(*this, [this](int i) { return QStringList{itemData(i).toString()}; });
    connect(this, &QComboBox::activated, this, &DbCodeCombo::Choose);
}

void DbCodeCombo::SetCodes(const std::vector<CodeItem>& codes) {
    m_codes = codes;
    m_showing = true;
    clear();
    int widest = 0;
    for (const CodeItem& c : m_codes) {
        addItem(c.text, QString::fromStdString(c.code));
        widest = std::max(widest, fontMetrics().horizontalAdvance(c.text));
    }
    // The drop-down shows every item whole, however narrow the field.
    view()->setMinimumWidth(widest + 2 * view()->frameWidth() + 24);
    m_showing = false;
    if (IsAttached())
        ShowValue();
}

void DbCodeCombo::ShowValue() {
    int found = -1;
    if (m_fieldIndex >= 0) {
        const engine::Value& v = Data().Field(m_fieldIndex);
        const std::string code = v.IsNull() ? std::string() : FormatFieldValue(*Def(), v);
        for (size_t i = 0; i < m_codes.size() && found < 0; ++i)
            if (m_codes[i].code == code && !code.empty())
                found = static_cast<int>(i);
    }
    m_showing = true;
    setCurrentIndex(found);
    m_showing = false;
    m_modified = false;
}

void DbCodeCombo::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(m_codes.size()) || !IsAttached())
        return;
    const std::string code = m_codes[index].code;
    if (!BeginChange())
        return ShowValue();
    if (!Write([&](engine::Dataset& ds) {
            ds.SetField(m_field, engine::ParseFieldText(*Def(), code));
        }))
        ShowValue();
}

void DbCodeCombo::wheelEvent(QWheelEvent* event) {
    if (IsAttached() && Data().Editing())
        return QComboBox::wheelEvent(event);
    event->accept();
}

// ---- DbLookupCombo

DbLookupCombo::DbLookupCombo(QWidget* parent) : QComboBox(parent), FieldBinding(this) {
    PokazujCalaWartosc(*this);
    auto* model = new QStandardItemModel(this);
    setModel(model);
    auto* popup = new QTableView(this);
    popup->horizontalHeader()->hide();
    popup->verticalHeader()->hide();
    popup->setSelectionBehavior(QAbstractItemView::SelectRows);
    popup->setShowGrid(false);
    popup->setWordWrap(false);
    setView(popup);
    connect(this, &QComboBox::activated, this, &DbLookupCombo::Choose);
    // The fields after the first (a symbol, a code) are what a clerk types.
    new TypedCodeFilter(*this, [model](int i) {
        QStringList codes;
        for (int k = 1; k < model->columnCount(); ++k)
            if (const QStandardItem* item = model->item(i, k))
                codes << item->text();
        return codes;
    });
}

void DbLookupCombo::SetLookup(engine::Dataset& list, std::string keyField,
                              std::vector<std::string> listFields) {
    const bool attached = IsAttached();
    Detach();
    m_list = &list;
    // A list closed before the control leaves it with no choices rather than a dangling list.
    m_listEnd = list.ObserveEnd([this] {
        m_listSubscription.Reset();
        m_list = nullptr;
    });
    m_keyField = std::move(keyField);
    m_listFields = std::move(listFields);
    if (attached)
        Attach();
}

void DbLookupCombo::Attached() {
    FieldBinding::Attached();
    if (!m_list)
        return;
    m_listSubscription = m_list->Observe([this](const DatasetChange& change) {
        if (change.kind != DatasetChange::Kind::Scrolled &&
            change.kind != DatasetChange::Kind::State && change.kind != DatasetChange::Kind::Field)
            Reload();
    });
    Reload();
}

void DbLookupCombo::Detached() {
    m_listSubscription.Reset();
}

// The list is read with RowAt, so its own cursor (a dictionary window may be open on it)
// stays where it is.
void DbLookupCombo::Reload() {
    auto* items = static_cast<QStandardItemModel*>(model());
    m_showing = true;
    items->clear();
    m_keys.clear();
    if (!m_list) {
        m_showing = false;
        return;
    }
    try {
        items->setColumnCount(static_cast<int>(m_listFields.size()));
        for (int64_t i = 0; i < m_list->RecordCount(); ++i) {
            const engine::RowView row = m_list->RowAt(i);
            QList<QStandardItem*> cells;
            for (const std::string& f : m_listFields)
                cells << new QStandardItem(QString::fromStdString(row.Text(f)));
            items->appendRow(cells);
            m_keys.push_back(row[m_keyField]);
        }
    } catch (const std::exception& e) {
        qWarning("Lista %s nie została wczytana: %s", m_list->Name().c_str(), e.what());
    }
    m_showing = false;
    auto* popup = static_cast<QTableView*>(view());
    popup->resizeColumnsToContents();
    int width = 0;
    for (int c = 0; c < items->columnCount(); ++c)
        width += popup->columnWidth(c);
    popup->setMinimumWidth(width + popup->frameWidth() * 2);
    ShowValue();
}

void DbLookupCombo::ShowValue() {
    int found = -1;
    if (m_fieldIndex >= 0) {
        const engine::Value& v = Data().Field(m_fieldIndex);
        for (size_t i = 0; i < m_keys.size() && found < 0 && !v.IsNull(); ++i)
            if (engine::SameValue(m_keys[i], v))
                found = static_cast<int>(i);
    }
    m_showing = true;
    setCurrentIndex(found);
    m_showing = false;
    m_modified = false;
}

void DbLookupCombo::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(m_keys.size()) || !IsAttached())
        return;
    const engine::Value key = m_keys[index];
    if (!BeginChange())
        return ShowValue();
    if (!Write([&](engine::Dataset& ds) { ds.SetField(m_field, key); }))
        ShowValue();
}

void DbLookupCombo::wheelEvent(QWheelEvent* event) {
    if (IsAttached() && Data().Editing())
        return QComboBox::wheelEvent(event);
    event->accept();
}

// ---- DbCheckBox

DbCheckBox::DbCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent), FieldBinding(this) {
    connect(this, &QCheckBox::clicked, this, [this](bool checked) {
        if (!IsAttached())
            return;
        if (!BeginChange())
            return ShowValue();
        if (!Write([&](engine::Dataset& ds) {
                ds.SetField(m_field, engine::Value::Logical(checked));
            }))
            ShowValue();
    });
}

void DbCheckBox::ShowValue() {
    const bool on = m_fieldIndex >= 0 && Data().Field(m_fieldIndex).AsLogical();
    m_showing = true;
    setChecked(on);
    m_showing = false;
    m_modified = false;
}

}  // namespace mirta::kit
