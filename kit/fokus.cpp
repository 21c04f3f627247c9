#include "kit/fokus.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>

#include "kit/data_controls.h"
#include "kit/db_grid.h"

namespace mirta::kit {

namespace {

bool TaSamaNazwa(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

bool Edytowany(const DataLink& link) {
    return link.Source() && link.Source()->HasData() && link.Source()->dataset().Editing();
}

// Every tab page between the widget and its window, innermost first (as the pages of the
// employee show a page within a page).
void PokazStrony(QWidget& w) {
    QWidget* dziecko = &w;
    for (QWidget* rodzic = w.parentWidget(); rodzic && !dziecko->isWindow();
         dziecko = rodzic, rodzic = rodzic->parentWidget()) {
        auto* stos = qobject_cast<QStackedWidget*>(rodzic);
        if (!stos)
            continue;
        if (auto* zakladki = qobject_cast<QTabWidget*>(stos->parentWidget()))
            zakladki->setCurrentWidget(dziecko);
        else
            stos->setCurrentWidget(dziecko);
    }
}

struct Cel {
    QWidget* widget = nullptr;
    int kolumna = -1;  // a grid's column, or -1 for a field's control
};

Cel ZnajdzCel(const std::string& pole) {
    Cel najlepszy;
    int najlepszaRanga = 0;
    const QWidget* aktywne = QApplication::activeWindow();
    for (QWidget* w : QApplication::allWidgets()) {
        if (!w->window()->isVisible())
            continue;
        Cel cel;
        bool zmienny = false;
        if (auto* kontrolka = dynamic_cast<FieldBinding*>(w)) {
            if (Edytowany(*kontrolka) && TaSamaNazwa(kontrolka->FieldName(), pole) &&
                !kontrolka->IsLocked()) {
                cel.widget = w;
                zmienny = !kontrolka->IsReadOnly() && w->isEnabled();
            }
        } else if (auto* siatka = qobject_cast<DbGrid*>(w); siatka && Edytowany(*siatka)) {
            const std::vector<Column> kolumny = siatka->Columns();
            for (size_t k = 0; k < kolumny.size() && !cel.widget; ++k)
                if (TaSamaNazwa(kolumny[k].field, pole))
                    cel = {w, static_cast<int>(k)};
        }
        if (!cel.widget)
            continue;
        // A control in the active window first, then a control that takes input, then one
        // that shows the field, then a grid column.
        const int ranga =
            (w->window() == aktywne ? 8 : 4) + (cel.kolumna < 0 ? 2 : 0) + (zmienny ? 1 : 0);
        if (ranga > najlepszaRanga) {
            najlepszy = cel;
            najlepszaRanga = ranga;
        }
    }
    return najlepszy;
}

bool PrzyjmujeDane(const QWidget& w) {
    return qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QLineEdit*>(&w) ||
           qobject_cast<const QComboBox*>(&w) || qobject_cast<const QPlainTextEdit*>(&w) ||
           qobject_cast<const QTextEdit*>(&w) || dynamic_cast<const FieldBinding*>(&w);
}

bool MozeMiecFokus(const QWidget& w, const QWidget& okno) {
    return w.isEnabled() && w.isVisibleTo(&okno) && (w.focusPolicy() & Qt::TabFocus);
}

}  // namespace

bool PokazPoleBledu(const std::string& pole) {
    if (pole.empty())
        return false;
    const Cel cel = ZnajdzCel(pole);
    if (!cel.widget)
        return false;
    PokazStrony(*cel.widget);
    if (cel.kolumna >= 0) {
        auto* siatka = static_cast<DbGrid*>(cel.widget);
        const QModelIndex biezacy = siatka->currentIndex();
        if (siatka->model() && biezacy.isValid())
            siatka->setCurrentIndex(siatka->model()->index(biezacy.row(), cel.kolumna));
    }
    cel.widget->setFocus(Qt::OtherFocusReason);
    return true;
}

void UstawPoczatkowyFokus(QWidget& okno) {
    const QWidget* obecny = okno.focusWidget();
    if (obecny && !qobject_cast<const QAbstractButton*>(obecny) && MozeMiecFokus(*obecny, okno))
        return;
    QWidget* pierwszyInny = nullptr;
    for (QWidget* w = okno.nextInFocusChain(); w && w != &okno; w = w->nextInFocusChain()) {
        if (!MozeMiecFokus(*w, okno) || w->window() != &okno)
            continue;
        if (PrzyjmujeDane(*w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!pierwszyInny && !qobject_cast<QAbstractButton*>(w))
            pierwszyInny = w;
    }
    if (pierwszyInny)
        pierwszyInny->setFocus(Qt::OtherFocusReason);
}

}  // namespace mirta::kit
