#include "documents/rtf_writer.h"

#include <optional>

#include "documents/rtf_words.h"
#include "engine/code_page.h"

namespace mirta::documents {

namespace {

void AppendText(std::string& out, std::string_view utf8, const engine::CodePage* page);

std::string_view TabKindWord(TabStop::Kind kind) {
    switch (kind) {
        case TabStop::Kind::Center:
            return "tqc";
        case TabStop::Kind::Right:
            return "tqr";
        case TabStop::Kind::Decimal:
            return "tqdec";
        default:
            return {};
    }
}

std::string_view AlignmentWord(Alignment alignment) {
    switch (alignment) {
        case Alignment::Center:
            return "qc";
        case Alignment::Right:
            return "qr";
        case Alignment::Justify:
            return "qj";
        default:
            return "ql";
    }
}

class Writer {
public:
    explicit Writer(const Document& document) : m_document(document) {}

    std::string Write() {
        m_out.reserve(4096);
        m_out += "{\\rtf1\\ansi";
        AppendWord(m_out, "ansicpg", m_document.codePage);
        AppendWord(m_out, "deff", m_document.defaultFont);
        m_out += "\\uc1\n";
        WriteFonts();
        WriteColors();
        m_out += m_document.prolog;
        WritePage();
        m_out += '\n';
        const auto& body = m_document.body;
        for (size_t i = 0; i < body.size(); ++i) {
            const bool last = i + 1 == body.size();
            const bool beforeKept = !last && std::holds_alternative<KeptBlock>(body[i + 1]);
            if (const auto* paragraph = std::get_if<Paragraph>(&body[i]))
                WriteParagraph(*paragraph, paragraph->ended || !(last || beforeKept), false);
            else if (const auto* row = std::get_if<TableRow>(&body[i]))
                WriteRow(*row);
            else
                m_out += std::get<KeptBlock>(body[i]).rtf;
            m_out += '\n';
        }
        m_out += "}";
        return std::move(m_out);
    }

private:
    void Text(std::string_view utf8) { AppendText(m_out, utf8, m_page); }

    void WriteFonts() {
        if (m_document.fonts.empty())
            return;
        m_out += "{\\fonttbl";
        for (const Font& font : m_document.fonts) {
            m_out += '{';
            AppendWord(m_out, "f", font.number);
            AppendWord(m_out, font.family);
            if (font.pitch)
                AppendWord(m_out, "fprq", *font.pitch);
            if (font.charset)
                AppendWord(m_out, "fcharset", *font.charset);
            m_out += font.keptGroups;
            m_out += ' ';
            Text(font.name);
            m_out += ";}";
        }
        m_out += "}\n";
    }

    void WriteColors() {
        if (m_document.colors.empty())
            return;
        m_out += "{\\colortbl";
        for (const Color& color : m_document.colors) {
            if (!color.automatic) {
                AppendWord(m_out, "red", color.red);
                AppendWord(m_out, "green", color.green);
                AppendWord(m_out, "blue", color.blue);
            }
            m_out += ';';
        }
        m_out += "}\n";
    }

    void WritePage() {
        const PageSetup& page = m_document.page;
        auto both = [&](std::string_view document, std::string_view section,
                        const std::optional<int>& value) {
            if (!value)
                return;
            AppendWord(m_out, document, *value);
            AppendWord(m_out, section, *value);
        };
        both("paperw", "pgwsxn", page.width);
        both("paperh", "pghsxn", page.height);
        both("margl", "marglsxn", page.marginLeft);
        both("margr", "margrsxn", page.marginRight);
        both("margt", "margtsxn", page.marginTop);
        both("margb", "margbsxn", page.marginBottom);
        if (page.landscape)
            m_out += "\\landscape\\lndscpsxn";
    }

    void WriteParagraphFormat(const ParagraphFormat& format, bool inTable) {
        m_out += "\\pard";
        if (inTable)
            m_out += "\\intbl";
        for (const ControlWord& word : format.kept.words)
            AppendWord(m_out, word);
        AppendWord(m_out, AlignmentWord(format.alignment));
        if (format.firstLineIndent)
            AppendWord(m_out, "fi", format.firstLineIndent);
        if (format.leftIndent) {
            AppendWord(m_out, "li", format.leftIndent);
            AppendWord(m_out, "lin", format.leftIndent);
        }
        if (format.rightIndent) {
            AppendWord(m_out, "ri", format.rightIndent);
            AppendWord(m_out, "rin", format.rightIndent);
        }
        if (format.spaceBefore)
            AppendWord(m_out, "sb", format.spaceBefore);
        if (format.spaceAfter)
            AppendWord(m_out, "sa", format.spaceAfter);
        for (const TabStop& tab : format.tabs) {
            if (auto kind = TabKindWord(tab.kind); !kind.empty())
                AppendWord(m_out, kind);
            if (!tab.leader.empty())
                AppendWord(m_out, tab.leader);
            AppendWord(m_out, tab.kind == TabStop::Kind::Bar ? "tb" : "tx", tab.position);
        }
        if (format.list) {
            AppendWord(m_out, "ls", format.list);
            AppendWord(m_out, "ilvl", format.listLevel);
        }
        m_out += format.bulletGroup;
    }

    void WriteCharFormat(const CharFormat& format) {
        if (m_current && *m_current == format)
            return;  // a format like the one in force needs no words
        m_out += "\\plain";
        AppendWord(m_out, "f", format.font);
        AppendWord(m_out, "fs", format.halfPoints);
        if (format.bold)
            m_out += "\\b";
        if (format.italic)
            m_out += "\\i";
        if (format.underline)
            m_out += "\\ul";
        AppendWord(m_out, "cf", format.color);  // \cf0 too: readers differ on \plain's colour
        for (const ControlWord& word : format.kept.words)
            AppendWord(m_out, word);
        m_out += ' ';
        m_current = &format;
    }

    void WriteParagraph(const Paragraph& paragraph, bool withMark, bool inTable) {
        m_current = nullptr;
        WriteParagraphFormat(paragraph.format, inTable);
        m_out += paragraph.listText;
        for (const Run& run : paragraph.runs) {
            WriteCharFormat(run.format);
            if (run.IsKept())
                m_out += run.kept;
            else
                Text(run.text);
        }
        WriteCharFormat(paragraph.markFormat);
        if (withMark)
            m_out += "\\par";
    }

    void WriteRow(const TableRow& row) {
        m_out += "\\trowd";
        if (!row.definition.empty()) {
            m_out += row.definition;
        } else {
            int edge = 0;
            m_out += "\\trgaph108";
            for (const TableCell& cell : row.cells) {
                edge = cell.rightEdge > edge ? cell.rightEdge : edge + 2000;
                AppendWord(m_out, "cellx", edge);
            }
        }
        m_out += '\n';
        for (const TableCell& cell : row.cells) {
            if (cell.paragraphs.empty()) {
                m_out += "\\pard\\intbl";
            }
            for (size_t i = 0; i < cell.paragraphs.size(); ++i) {
                const bool lastInCell = i + 1 == cell.paragraphs.size();
                WriteParagraph(cell.paragraphs[i], !lastInCell, true);
                m_out += '\n';
            }
            m_out += "\\cell ";
        }
        m_out += "\\row";
    }

    const Document& m_document;
    std::string m_out;
    const engine::CodePage* m_page = CodePageForNumber(m_document.codePage);
    const CharFormat* m_current = nullptr;  // the format the written words put in force
};

}  // namespace

void AppendRtfText(std::string& out, std::string_view utf8, int codePage) {
    AppendText(out, utf8, CodePageForNumber(codePage));
}

namespace {

void AppendText(std::string& out, std::string_view utf8, const engine::CodePage* page) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) {
            ++pos;
            switch (byte) {
                case '\\':
                case '{':
                case '}':
                    out += '\\';
                    out += static_cast<char>(byte);
                    break;
                case '\t':
                    out += "\\tab ";
                    break;
                case '\n':
                    out += "\\line ";
                    break;
                default:
                    if (byte >= 0x20 && byte < 0x7F)
                        out += static_cast<char>(byte);
                    break;
            }
            continue;
        }
        const char32_t c = engine::NextUtf8(utf8, pos);
        if (c == U'\u00A0') {
            out += "\\~";
            continue;
        }
        if (c == U'\u00AD') {
            out += "\\-";
            continue;
        }
        auto unit = [&](char32_t u, int fallback) {
            const int signedUnit = u > 0x7FFF ? static_cast<int>(u) - 0x10000 : static_cast<int>(u);
            AppendWord(out, "u", signedUnit);
            if (fallback >= 0x80 && fallback <= 0xFF) {
                static constexpr char kHex[] = "0123456789abcdef";
                out += "\\'";
                out += kHex[fallback >> 4];
                out += kHex[fallback & 0xF];
            } else {
                out += '?';
            }
        };
        if (c > 0xFFFF) {
            const char32_t v = c - 0x10000;
            unit(0xD800 + (v >> 10), -1);
            unit(0xDC00 + (v & 0x3FF), -1);
            continue;
        }
        unit(c, page ? page->FromUnicode(c) : -1);
    }
}

}  // namespace

std::string WriteRtf(const Document& document) {
    return Writer(document).Write();
}

}  // namespace mirta::documents
