#include "kit/cala_wartosc.h"

#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace mirta::kit {

namespace {

// QLineEdit keeps this much room on each side of its text.
constexpr int kMarginesTekstu = 2;

template <typename Kontrolka>
class FiltrCalejWartosci : public QObject {
public:
    explicit FiltrCalejWartosci(Kontrolka& k) : QObject(&k), m_k(k) {}

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (obiekt == &m_k && zdarzenie->type() == QEvent::ToolTip) {
            const QString tekst = UcietyTekst(m_k);
            if (!tekst.isEmpty()) {
                QToolTip::showText(static_cast<QHelpEvent*>(zdarzenie)->globalPos(), tekst, &m_k);
                return true;
            }
        }
        return QObject::eventFilter(obiekt, zdarzenie);
    }

private:
    Kontrolka& m_k;
};

QString JesliUciety(const QString& tekst, const QFontMetrics& miary, int szerokosc) {
    return miary.horizontalAdvance(tekst) > szerokosc ? tekst : QString();
}

}  // namespace

QString UcietyTekst(const QLineEdit& pole) {
    QStyleOptionFrame opcje;
    opcje.initFrom(&pole);
    opcje.lineWidth = pole.hasFrame()
                          ? pole.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcje, &pole)
                          : 0;
    const QRect obszar = pole.style()->subElementRect(QStyle::SE_LineEditContents, &opcje, &pole);
    const QMargins m = pole.textMargins();
    return JesliUciety(pole.displayText(), pole.fontMetrics(),
                       obszar.width() - m.left() - m.right() - 2 * kMarginesTekstu);
}

QString UcietyTekst(const QComboBox& lista) {
    QStyleOptionComboBox opcje;
    opcje.initFrom(&lista);
    opcje.editable = lista.isEditable();
    const QRect obszar = lista.style()->subControlRect(QStyle::CC_ComboBox, &opcje,
                                                       QStyle::SC_ComboBoxEditField, &lista);
    return JesliUciety(lista.currentText(), lista.fontMetrics(), obszar.width());
}

void PokazujCalaWartosc(QLineEdit& pole) {
    pole.installEventFilter(new FiltrCalejWartosci<QLineEdit>(pole));
}

void PokazujCalaWartosc(QComboBox& lista) {
    lista.installEventFilter(new FiltrCalejWartosci<QComboBox>(lista));
}

}  // namespace mirta::kit
