#pragma once

// A rich-text document as the RTF reader builds it and the writer writes it: paragraphs of
// formatted runs, table rows, page setup, and everything the model does not understand kept
// as verbatim RTF so a load and a save lose nothing. Text is UTF-8; lengths are in twips.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mirta::documents {

// A control word kept as read (name without the backslash, parameter when it had one).
struct ControlWord {
    std::string name;
    std::optional<int32_t> parameter;

    bool operator==(const ControlWord&) const = default;
};

// Control words of one kind of formatting that the model has no field for. A later word of
// the same name replaces an earlier one, so the list stays as long as the kinds it holds.
struct KeptWords {
    std::vector<ControlWord> words;

    void Set(ControlWord word);
    bool operator==(const KeptWords&) const = default;
};

struct Font {
    int number = 0;               // \fN, as the file numbers its fonts
    std::string name;             // without the closing ';'
    std::string family = "fnil";  // fnil, froman, fswiss, fmodern, fscript, fdecor, ftech
    std::optional<int> charset;   // \fcharsetN (238 is Central European)
    std::optional<int> pitch;     // \fprqN
    std::string keptGroups;       // {\*\panose ...}, {\*\falt ...} as read

    bool operator==(const Font&) const = default;
};

// A font for Central European text (\fcharset238), as the documents made here use.
Font CzcionkaCE(int number, std::string name, std::string family = "fnil");

struct Color {
    bool automatic = false;  // the empty entry: the reader's default colour
    uint8_t red = 0, green = 0, blue = 0;

    bool operator==(const Color&) const = default;
};

struct CharFormat {
    int font = 0;         // number of an entry of Document::fonts
    int halfPoints = 24;  // \fsN: size in half points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;   // index into Document::colors, 0 = automatic
    KeptWords kept;  // \lang, \strike, \super, \highlight ...

    bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Center, Right, Justify };

struct TabStop {
    enum class Kind { Left, Center, Right, Decimal, Bar };
    int position = 0;
    Kind kind = Kind::Left;
    std::string leader;  // "tldot", "tlhyph", "tlul", "tlth", "tleq" or empty

    bool operator==(const TabStop&) const = default;
};

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int firstLineIndent = 0;  // \fi, relative to the left indent
    int leftIndent = 0;       // \li
    int rightIndent = 0;      // \ri
    int spaceBefore = 0;      // \sb
    int spaceAfter = 0;       // \sa
    std::vector<TabStop> tabs;
    int list = 0;             // \lsN: entry of the list table (bullets, numbering), 0 = none
    int listLevel = 0;        // \ilvlN
    std::string bulletGroup;  // {\*\pn ...} of older writers, as read
    bool inTable = false;     // \intbl
    KeptWords kept;           // \sN, \sl, \keepn, \widctlpar, borders ...

    bool operator==(const ParagraphFormat&) const = default;
};

// A piece of a paragraph: text in one format, or RTF the model keeps without reading it
// (a field, a picture, a bookmark, a page break) written back where it stood.
struct Run {
    std::string text;  // UTF-8; '\t' a tab, '\n' a line break inside the paragraph
    CharFormat format;
    std::string kept;  // verbatim RTF; when not empty the run has no text

    bool IsKept() const { return !kept.empty(); }
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Run> runs;
    std::string listText;   // {\listtext ...} or {\pntext ...}: the bullet as text, as read
    CharFormat markFormat;  // format of the paragraph mark (the height of an empty line)
    bool ended = true;      // closed by \par (the last paragraph of a file may not be)

    bool operator==(const Paragraph&) const = default;
};

struct TableCell {
    int rightEdge = 0;  // \cellxN
    std::vector<Paragraph> paragraphs;

    bool operator==(const TableCell&) const = default;
};

struct TableRow {
    // The row definition from \trowd to the last \cellx as read (borders, padding, widths);
    // empty for a row built in code, which the writer defines from the cells' right edges.
    std::string definition;
    std::vector<TableCell> cells;

    bool operator==(const TableRow&) const = default;
};

// RTF kept between paragraphs: headers and footers, section breaks, unknown destinations.
struct KeptBlock {
    std::string rtf;

    bool operator==(const KeptBlock&) const = default;
};

using Block = std::variant<Paragraph, TableRow, KeptBlock>;

struct PageSetup {
    std::optional<int> width, height;  // \paperw \paperh, \pgwsxn \pghsxn
    std::optional<int> marginLeft, marginRight, marginTop, marginBottom;
    bool landscape = false;  // \landscape, \lndscpsxn

    bool operator==(const PageSetup&) const = default;
};

struct Document {
    int codePage = 1250;  // \ansicpgN
    int defaultFont = 0;  // \deffN
    std::vector<Font> fonts;
    std::vector<Color> colors;  // empty: no colour table
    PageSetup page;
    // Everything before the text that the model does not read (style sheet, list tables,
    // document information, document and section words), in the order read.
    std::string prolog;
    std::vector<Block> body;

    const Font* FindFont(int number) const;
    bool operator==(const Document&) const = default;
};

// Calls `visit(Paragraph&)` for every paragraph of the body, table cells included, in order.
template <typename DocumentT, typename Visit>
void ForEachParagraph(DocumentT& document, Visit&& visit) {
    for (auto& block : document.body) {
        if (auto* paragraph = std::get_if<Paragraph>(&block)) {
            visit(*paragraph);
        } else if (auto* row = std::get_if<TableRow>(&block)) {
            for (auto& cell : row->cells)
                for (auto& p : cell.paragraphs)
                    visit(p);
        }
    }
}

// The document's text: one line per paragraph (table cells too), line breaks as new lines.
std::string PlainText(const Document& document);

}  // namespace mirta::documents
