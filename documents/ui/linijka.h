#pragma once

#include <QWidget>

class QTextEdit;

namespace mirta::documents {

// The editor's ruler: a scale in centimetres with three markers of the current paragraph,
// first-line indent (top), left indent (bottom left) and right indent (bottom right). The
// markers follow the caret; dragging one sets the paragraphs of the selection.
class Linijka : public QWidget {
    Q_OBJECT
public:
    explicit Linijka(QTextEdit& edytor, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {400, 26}; }

    // Positions in pixels from the text's left edge.
    double PierwszyWiersz() const { return m_lewy + m_pierwszy; }
    double Lewy() const { return m_lewy; }
    double Prawy() const { return m_prawy; }

public slots:
    void OdswiezZAkapitu();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    enum class Znacznik { Brak, PierwszyWiersz, Lewy, Prawy };
    double Poczatek() const;  // x of the text's left edge in the ruler
    double Szerokosc() const;
    Znacznik Trafiony(QPoint p) const;
    void UstawAkapit();

    QTextEdit& m_edytor;
    double m_pierwszy = 0, m_lewy = 0, m_prawy = 0;
    Znacznik m_ciagniety = Znacznik::Brak;
};

}  // namespace mirta::documents
