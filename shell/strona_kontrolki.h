#pragma once

#include <QComboBox>
#include <QStringList>
#include <QToolButton>

#include "kit/data_controls.h"

namespace mirta::shell {

// A button that fills a field of its table ("...", "Usuń"): enabled by the automatic-edit rule
// of that table, and only once what it opens exists.
class PrzyciskEdycji : public QToolButton, public kit::DataLink {
    Q_OBJECT
public:
    explicit PrzyciskEdycji(const QString& tekst, QWidget* parent = nullptr);

    void UstawDostepny(bool dostepny);

protected:
    void Refresh() override;
    void Changed(const engine::DatasetChange& change) override;
    void Detached() override { Refresh(); }

private:
    bool m_dostepny = true;
};

// Free text of one field offered with a drop-down of earlier texts. Typed text is stored when
// the user leaves the control or presses Enter, a chosen one at once.
class DbPodpowiedzi : public QComboBox, public kit::FieldBinding {
    Q_OBJECT
public:
    explicit DbPodpowiedzi(QWidget* parent = nullptr);
    void UstawPodpowiedzi(const QStringList& teksty);

protected:
    void ShowValue() override;
    bool Flush() override;
    void Attached() override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Wybrano(int indeks);
};

}  // namespace mirta::shell
