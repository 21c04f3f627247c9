#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "kit/data_source.h"

namespace mirta::kit {

// The binding every data-aware control shares: a field of a data source, shown while attached,
// enabled by the automatic-edit rule, written through the dataset when the user changes it.
class FieldBinding : public DataLink {
public:
    // Follows `field` of `source` once attached (immediately, or when its page is first shown).
    void Bind(DataSource* source, std::string field);
    const std::string& FieldName() const { return m_field; }
    // A read-only control shows the field and never writes it, whatever the state.
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const { return m_readOnly; }
    // A locked control is disabled and never writes, whatever the state and the option (data
    // another program owns).
    void SetLocked(bool locked);
    bool IsLocked() const { return m_locked; }

protected:
    explicit FieldBinding(QWidget* self) : m_self(self) {}

    void Refresh() override;
    void Changed(const engine::DatasetChange& change) override;
    void Attached() override;

    // Puts the field's current value into the widget and forgets unwritten input.
    virtual void ShowValue() = 0;
    virtual void SetEditable(bool editable) { m_self->setEnabled(editable); }

    // Before the user's input changes the widget: starts editing the record (automatic edit).
    // False when the record cannot be edited; the input must then be dropped.
    bool BeginChange();
    // Stores typed text through the field's set-text hook, or a value directly (choices).
    bool WriteText(const std::string& text);
    bool Write(const std::function<void(engine::Dataset&)>& store);

    engine::Dataset& Data() const { return Source()->dataset(); }
    const engine::FieldDef* Def() const;
    bool CanWrite() const { return IsAttached() && !m_readOnly && !m_locked; }
    // What the automatic-edit rule allows this control now.
    bool Editable() const;

    QWidget* m_self;
    std::string m_field;
    int m_fieldIndex = -1;
    bool m_readOnly = false;
    bool m_locked = false;
    bool m_modified = false;  // typed text not stored yet
    bool m_showing = false;   // ShowValue is changing the widget, not the user
};

// A line of text for one field; typed text is stored when the user leaves the control or
// presses Enter (so a half-typed value never reaches the set-text hook), Escape reverts it.
class DbEdit : public QLineEdit, public FieldBinding {
    Q_OBJECT
public:
    explicit DbEdit(QWidget* parent = nullptr);

protected:
    void ShowValue() override;
    void SetEditable(bool editable) override;
    bool Flush() override;
    void Attached() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The text to store; a masked edit may refine it.
    virtual std::string TypedText() const { return text().toStdString(); }
};

// A date typed in the mask "yyyy-mm-dd". The text goes through the field's set-text hook, so
// an impossible date is refused with the dataset's message.
class DbDateEdit : public DbEdit {
    Q_OBJECT
public:
    explicit DbDateEdit(QWidget* parent = nullptr);

protected:
    std::string TypedText() const override;
};

// Multi-line text for one field; stored when the user leaves the control.
class DbMemo : public QPlainTextEdit, public FieldBinding {
    Q_OBJECT
public:
    explicit DbMemo(QWidget* parent = nullptr);

protected:
    void ShowValue() override;
    void SetEditable(bool editable) override;
    bool Flush() override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A fixed list of choices: the field stores the code, the list shows its text.
struct CodeItem {
    std::string code;
    QString text;
};

class DbCodeCombo : public QComboBox, public FieldBinding {
    Q_OBJECT
public:
    explicit DbCodeCombo(QWidget* parent = nullptr);
    void SetCodes(const std::vector<CodeItem>& codes);

protected:
    void ShowValue() override;
    // The wheel changes the value only while the record is edited, never by accident.
    void wheelEvent(QWheelEvent* event) override;

private:
    void Choose(int index);

    std::vector<CodeItem> m_codes;
};

// Choices taken from another dataset: the field stores the key of a row of `list`, the
// control shows the row's first list field, and the drop-down shows all of them.
class DbLookupCombo : public QComboBox, public FieldBinding {
    Q_OBJECT
public:
    explicit DbLookupCombo(QWidget* parent = nullptr);
    void SetLookup(engine::Dataset& list, std::string keyField,
                   std::vector<std::string> listFields);

protected:
    void ShowValue() override;
    void Attached() override;
    void Detached() override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Reload();
    void Choose(int index);

    engine::Dataset* m_list = nullptr;
    std::string m_keyField;
    std::vector<std::string> m_listFields;
    std::vector<engine::Value> m_keys;  // per item
    engine::Subscription m_listSubscription;
    engine::Subscription m_listEnd;
};

// A logical field as a check box.
class DbCheckBox : public QCheckBox, public FieldBinding {
    Q_OBJECT
public:
    explicit DbCheckBox(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void ShowValue() override;
};

}  // namespace mirta::kit
