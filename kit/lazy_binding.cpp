#include "kit/lazy_binding.h"

#include <QEvent>

namespace mirta::kit {

LazyBinding::LazyBinding(QWidget* page, bool detachOnHide)
    : QObject(page), m_page(page), m_detachOnHide(detachOnHide) {
    page->installEventFilter(this);
}

bool LazyBinding::eventFilter(QObject* watched, QEvent* event) {
    // A minimised window hides its pages spontaneously; that is no reason to unbind.
    if (watched == m_page && !event->spontaneous()) {
        if (event->type() == QEvent::Show) {
            for (const Item& item : m_items)
                if (item.widget)
                    item.bindable->Attach();
        } else if (event->type() == QEvent::Hide && m_detachOnHide) {
            for (const Item& item : m_items)
                if (item.widget)
                    item.bindable->Detach();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace mirta::kit
