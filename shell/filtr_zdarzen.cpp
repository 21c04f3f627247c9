#include "shell/filtr_zdarzen.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

#include "kit/data_controls.h"
#include "kit/db_grid.h"

namespace mirta::shell {

namespace {

bool MaDomyslnyPrzycisk(QWidget* w) {
    for (QPushButton* b : w->window()->findChildren<QPushButton*>())
        if (b->isDefault() && b->isVisible() && b->isEnabled())
            return true;
    return false;
}

template <typename T>
bool Wewnatrz(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<T*>(p))
            return true;
    return false;
}

}  // namespace

FiltrZdarzen::FiltrZdarzen(QObject* parent) : QObject(parent) {}

bool FiltrZdarzen::eventFilter(QObject* watched, QEvent* event) {
    QWidget* fokus = QApplication::focusWidget();
    if (!fokus)
        return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(event);
            if (watched == fokus && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
                !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return Enter(fokus);
            return false;
        }
        case QEvent::Wheel:
            return Kolko(fokus, static_cast<QWheelEvent*>(event)->angleDelta().y());
        case QEvent::MouseButtonDblClick: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (m->button() != Qt::LeftButton || !m_wyborDaty)
                return false;
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w || (w != fokus && !fokus->isAncestorOf(w)))
                return false;
            return m_wyborDaty(fokus);
        }
        default:
            return false;
    }
}

bool FiltrZdarzen::Enter(QWidget* fokus) {
    bool przejdz = false;
    if (auto* combo = qobject_cast<QComboBox*>(fokus)) {
        const bool danych = dynamic_cast<kit::FieldBinding*>(combo) != nullptr;
        przejdz = danych && !combo->view()->isVisible();
    } else if (qobject_cast<QLineEdit*>(fokus)) {
        // Cell editors and spinners take Enter themselves.
        przejdz = !Wewnatrz<QAbstractItemView>(fokus) && !Wewnatrz<QAbstractSpinBox>(fokus);
    } else if (qobject_cast<QRadioButton*>(fokus)) {
        przejdz = Wewnatrz<QGroupBox>(fokus);
    }
    if (!przejdz || MaDomyslnyPrzycisk(fokus))
        return false;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(fokus, &tab);
    return true;
}

bool FiltrZdarzen::Kolko(QWidget* fokus, int obrot) {
    auto* grid = qobject_cast<kit::DbGrid*>(fokus);
    if (!grid)
        return false;
    if (grid->IsAttached()) {
        kit::DataSource& zrodlo = *grid->Source();
        if (!zrodlo.dataset().Editing()) {
            if (obrot > 0)
                zrodlo.Run([](engine::Dataset& ds) { ds.Prior(); });
            else
                zrodlo.Run([](engine::Dataset& ds) { ds.Next(); });
        }
    }
    return true;
}

}  // namespace mirta::shell
