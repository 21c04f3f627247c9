#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

#include "kit/data_source.h"

namespace mirta::kit {

// Binds the controls of a page when the page is first shown, so a window with many pages
// follows the cursor only on the pages the user has opened. With `detachOnHide` the controls
// are unbound again while the page is hidden.
class LazyBinding : public QObject {
    Q_OBJECT
public:
    explicit LazyBinding(QWidget* page, bool detachOnHide = false);

    // REQUIRES: `control` is a widget that is also Bindable (every Db* control).
    template <typename Control>
    void Add(Control* control) {
        m_items.push_back({QPointer<QWidget>(control), static_cast<Bindable*>(control)});
        if (m_page->isVisible())
            control->Attach();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item {
        QPointer<QWidget> widget;
        Bindable* bindable;
    };

    QWidget* m_page;
    bool m_detachOnHide;
    std::vector<Item> m_items;
};

}  // namespace mirta::kit
