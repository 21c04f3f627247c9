#include "shell/strona_kontrolki.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace mirta::shell {

// ---- PrzyciskEdycji

PrzyciskEdycji::PrzyciskEdycji(const QString& tekst, QWidget* parent) : QToolButton(parent) {
    setText(tekst);
    setEnabled(false);
}

void PrzyciskEdycji::UstawDostepny(bool dostepny) {
    m_dostepny = dostepny;
    Refresh();
}

void PrzyciskEdycji::Refresh() {
    setEnabled(m_dostepny && IsAttached() && Source()->ControlsEnabled());
}

void PrzyciskEdycji::Changed(const engine::DatasetChange& change) {
    if (change.kind == engine::DatasetChange::Kind::State)
        Refresh();
}

// ---- DbPodpowiedzi

DbPodpowiedzi::DbPodpowiedzi(QWidget* parent) : QComboBox(parent), kit::FieldBinding(this) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (!IsAttached() || m_showing)
            return;
        m_modified = true;
        if (!Data().Editing() && !BeginChange())
            ShowValue();
    });
    connect(this, &QComboBox::activated, this, &DbPodpowiedzi::Wybrano);
}

void DbPodpowiedzi::UstawPodpowiedzi(const QStringList& teksty) {
    m_showing = true;
    const QString tekst = currentText();
    clear();
    addItems(teksty);
    setEditText(tekst);
    m_showing = false;
    if (IsAttached() && !m_modified)
        ShowValue();
}

void DbPodpowiedzi::Attached() {
    FieldBinding::Attached();
    if (Def() && Def()->type == engine::FieldType::Alpha)
        lineEdit()->setMaxLength(Def()->size);
}

void DbPodpowiedzi::ShowValue() {
    const QString value =
        m_fieldIndex >= 0 ? QString::fromStdString(Data().FieldText(m_field)) : QString();
    m_showing = true;
    setCurrentIndex(-1);
    if (value != currentText())
        setEditText(value);
    m_showing = false;
    m_modified = false;
}

bool DbPodpowiedzi::Flush() {
    if (!m_modified || !CanWrite())
        return true;
    return WriteText(currentText().toStdString());
}

void DbPodpowiedzi::Wybrano(int indeks) {
    if (indeks < 0 || !IsAttached() || m_showing)
        return;
    const QString tekst = itemText(indeks);
    if (!BeginChange())
        return ShowValue();
    m_modified = true;
    if (!WriteText(tekst.toStdString()))
        ShowValue();
}

void DbPodpowiedzi::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        Flush();
}

void DbPodpowiedzi::keyPressEvent(QKeyEvent* event) {
    if (CanWrite()) {
        if (event->key() == Qt::Key_Escape && m_modified) {
            ShowValue();
            return event->accept();
        }
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !view()->isVisible())
            Flush();
    }
    QComboBox::keyPressEvent(event);
}

// The wheel changes the value only while the record is edited, never by accident.
void DbPodpowiedzi::wheelEvent(QWheelEvent* event) {
    if (IsAttached() && Data().Editing())
        return QComboBox::wheelEvent(event);
    event->accept();
}

}  // namespace mirta::shell
