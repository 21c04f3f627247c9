#include "documents/ui/dokument_qt.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "documents/rtf_reader.h"

namespace mirta::documents {

namespace {

// Qt lays rich text out in pixels of 96 per inch; RTF measures in twips, 1440 per inch.
constexpr double kTwipyNaPiksel = 15.0;

Qt::Alignment DoQt(Alignment a) {
    switch (a) {
        case Alignment::Center:
            return Qt::AlignHCenter;
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Justify:
            return Qt::AlignJustify;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

Alignment ZQt(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return Alignment::Center;
    if (a & Qt::AlignRight)
        return Alignment::Right;
    if (a & Qt::AlignJustify)
        return Alignment::Justify;
    return Alignment::Left;
}

QTextBlockFormat FormatAkapitu(const ParagraphFormat& f) {
    QTextBlockFormat b;
    b.setAlignment(DoQt(f.alignment));
    b.setLeftMargin(f.leftIndent / kTwipyNaPiksel);
    b.setRightMargin(f.rightIndent / kTwipyNaPiksel);
    b.setTextIndent(f.firstLineIndent / kTwipyNaPiksel);
    b.setTopMargin(f.spaceBefore / kTwipyNaPiksel);
    b.setBottomMargin(f.spaceAfter / kTwipyNaPiksel);
    QList<QTextOption::Tab> tabs;
    for (const TabStop& t : f.tabs) {
        const auto typ = t.kind == TabStop::Kind::Right     ? QTextOption::RightTab
                         : t.kind == TabStop::Kind::Center  ? QTextOption::CenterTab
                         : t.kind == TabStop::Kind::Decimal ? QTextOption::DelimiterTab
                                                            : QTextOption::LeftTab;
        tabs.append(QTextOption::Tab(t.position / kTwipyNaPiksel, typ));
    }
    b.setTabPositions(tabs);
    return b;
}

QTextCharFormat FormatZnakow(const Document& d, const CharFormat& f) {
    QTextCharFormat c;
    if (const Font* font = d.FindFont(f.font))
        c.setFontFamilies({QString::fromStdString(font->name)});
    c.setFontPointSize(f.halfPoints / 2.0);
    c.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    c.setFontItalic(f.italic);
    c.setFontUnderline(f.underline);
    if (f.color > 0 && static_cast<size_t>(f.color) < d.colors.size() &&
        !d.colors[f.color].automatic) {
        const Color& k = d.colors[f.color];
        c.setForeground(QColor(k.red, k.green, k.blue));
    }
    return c;
}

void WstawAkapit(const Document& d, const Paragraph& p, QTextCursor& c, bool pierwszy) {
    if (pierwszy)
        c.setBlockFormat(FormatAkapitu(p.format));
    else
        c.insertBlock(FormatAkapitu(p.format), FormatZnakow(d, p.markFormat));
    c.setCharFormat(FormatZnakow(d, p.markFormat));
    if (!p.listText.empty())
        c.insertText(QString::fromStdString(ListMarkText(p.listText, d.codePage)),
                     FormatZnakow(d, p.markFormat));
    for (const Run& r : p.runs)
        if (!r.IsKept())
            c.insertText(QString::fromStdString(r.text).replace('\n', QChar::LineSeparator),
                         FormatZnakow(d, r.format));
}

// Builds the document's fonts and colours as a save meets them in the edited text.
class Tablice {
public:
    explicit Tablice(Document& d) : m_d(d) {
        if (m_d.colors.empty())
            m_d.colors.push_back({.automatic = true, .red = 0, .green = 0, .blue = 0});
    }
    int Czcionka(const QString& rodzina) {
        const std::string nazwa = rodzina.toStdString();
        int wolny = 0;
        for (const Font& f : m_d.fonts) {
            if (f.name == nazwa)
                return f.number;
            wolny = std::max(wolny, f.number + 1);
        }
        m_d.fonts.push_back(CzcionkaCE(wolny, nazwa, "fnil"));
        return wolny;
    }
    int Kolor(const QBrush& pedzel) {
        if (pedzel.style() == Qt::NoBrush)
            return 0;
        const QColor k = pedzel.color();
        const Color szukany{false, static_cast<uint8_t>(k.red()), static_cast<uint8_t>(k.green()),
                            static_cast<uint8_t>(k.blue())};
        for (size_t i = 1; i < m_d.colors.size(); ++i)
            if (m_d.colors[i] == szukany)
                return static_cast<int>(i);
        m_d.colors.push_back(szukany);
        return static_cast<int>(m_d.colors.size() - 1);
    }

private:
    Document& m_d;
};

CharFormat ZFormatuZnakow(const QTextCharFormat& c, Tablice& t, const Document& wzor) {
    CharFormat f;
    const QStringList rodziny = c.fontFamilies().toStringList();
    f.font = rodziny.isEmpty() ? wzor.defaultFont : t.Czcionka(rodziny.front());
    if (c.fontPointSize() > 0)
        f.halfPoints = static_cast<int>(c.fontPointSize() * 2 + 0.5);
    f.bold = c.fontWeight() >= QFont::Bold;
    f.italic = c.fontItalic();
    f.underline = c.fontUnderline();
    f.color = t.Kolor(c.foreground());
    return f;
}

Paragraph ZBloku(const QTextBlock& b, Tablice& t, const Document& wzor) {
    Paragraph p;
    const QTextBlockFormat bf = b.blockFormat();
    p.format.alignment = ZQt(bf.alignment());
    p.format.leftIndent = static_cast<int>(bf.leftMargin() * kTwipyNaPiksel);
    p.format.rightIndent = static_cast<int>(bf.rightMargin() * kTwipyNaPiksel);
    p.format.firstLineIndent = static_cast<int>(bf.textIndent() * kTwipyNaPiksel);
    p.format.spaceBefore = static_cast<int>(bf.topMargin() * kTwipyNaPiksel);
    p.format.spaceAfter = static_cast<int>(bf.bottomMargin() * kTwipyNaPiksel);
    for (const QTextOption::Tab& tab : bf.tabPositions()) {
        TabStop s;
        s.position = static_cast<int>(tab.position * kTwipyNaPiksel);
        s.kind = tab.type == QTextOption::RightTab       ? TabStop::Kind::Right
                 : tab.type == QTextOption::CenterTab    ? TabStop::Kind::Center
                 : tab.type == QTextOption::DelimiterTab ? TabStop::Kind::Decimal
                                                         : TabStop::Kind::Left;
        p.format.tabs.push_back(s);
    }
    p.markFormat = ZFormatuZnakow(b.charFormat(), t, wzor);
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (!f.isValid())
            continue;
        Run r;
        r.text = f.text().replace(QChar::LineSeparator, '\n').toStdString();
        r.format = ZFormatuZnakow(f.charFormat(), t, wzor);
        if (!p.runs.empty() && p.runs.back().format == r.format)
            p.runs.back().text += r.text;
        else
            p.runs.push_back(std::move(r));
    }
    return p;
}

void ZRamki(QTextFrame* ramka, Tablice& t, const Document& wzor, std::vector<Block>& cialo) {
    for (auto it = ramka->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* dziecko = it.currentFrame()) {
            auto* tabela = qobject_cast<QTextTable*>(dziecko);
            if (!tabela) {
                ZRamki(dziecko, t, wzor, cialo);
                continue;
            }
            const double szerokosc = 9000.0 / std::max(1, tabela->columns());
            for (int w = 0; w < tabela->rows(); ++w) {
                TableRow wiersz;
                for (int k = 0; k < tabela->columns(); ++k) {
                    TableCell komorka;
                    komorka.rightEdge = static_cast<int>(szerokosc * (k + 1));
                    const QTextTableCell qk = tabela->cellAt(w, k);
                    for (auto b = qk.begin(); !b.atEnd(); ++b) {
                        if (!b.currentBlock().isValid())
                            continue;
                        Paragraph p = ZBloku(b.currentBlock(), t, wzor);
                        p.format.inTable = true;
                        komorka.paragraphs.push_back(std::move(p));
                    }
                    wiersz.cells.push_back(std::move(komorka));
                }
                cialo.emplace_back(std::move(wiersz));
            }
        } else if (it.currentBlock().isValid()) {
            cialo.emplace_back(ZBloku(it.currentBlock(), t, wzor));
        }
    }
}

}  // namespace

void PokazDokument(const Document& d, QTextDocument& cel) {
    cel.clear();
    QTextCursor c(&cel);
    c.beginEditBlock();
    bool pierwszy = true;
    for (const Block& blok : d.body) {
        if (const auto* p = std::get_if<Paragraph>(&blok)) {
            WstawAkapit(d, *p, c, pierwszy);
            pierwszy = false;
        } else if (const auto* wiersz = std::get_if<TableRow>(&blok)) {
            if (wiersz->cells.empty())
                continue;
            if (!pierwszy)
                c.insertBlock();
            QTextTableFormat tf;
            tf.setCellPadding(2);
            tf.setBorder(0.5);
            QTextTable* tabela = c.insertTable(1, static_cast<int>(wiersz->cells.size()), tf);
            for (size_t k = 0; k < wiersz->cells.size(); ++k) {
                QTextCursor kc = tabela->cellAt(0, static_cast<int>(k)).firstCursorPosition();
                bool pierwszyWKomorce = true;
                for (const Paragraph& p : wiersz->cells[k].paragraphs) {
                    WstawAkapit(d, p, kc, pierwszyWKomorce);
                    pierwszyWKomorce = false;
                }
            }
            c = tabela->lastCursorPosition();
            c.movePosition(QTextCursor::NextBlock);
            pierwszy = false;
        }
    }
    c.endEditBlock();
    cel.setModified(false);
}

Document DokumentZEdytora(const QTextDocument& zrodlo, const Document& wzor) {
    Document d;
    d.codePage = wzor.codePage;
    d.defaultFont = wzor.defaultFont;
    d.fonts = wzor.fonts;
    d.colors = wzor.colors;
    d.page = wzor.page;
    d.prolog = wzor.prolog;
    if (d.fonts.empty())
        d.fonts.push_back(CzcionkaCE(0, "Times New Roman", "froman"));
    // Headers, footers and section words come before the text; they are kept as they were.
    for (const Block& b : wzor.body) {
        if (!std::holds_alternative<KeptBlock>(b))
            break;
        d.body.push_back(b);
    }
    Tablice tablice(d);
    ZRamki(zrodlo.rootFrame(), tablice, d, d.body);
    return d;
}

}  // namespace mirta::documents
