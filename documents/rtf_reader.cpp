#include "documents/rtf_reader.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "documents/rtf_tokenizer.h"
#include "documents/rtf_words.h"
#include "engine/code_page.h"

namespace mirta::documents {

namespace {

enum class Destination { Body, FontTable, ColorTable };

struct GroupState {
    CharFormat chr;
    ParagraphFormat para;
    int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
    Destination destination = Destination::Body;
    bool unicodeAlternatives = false;  // inside \upr only the {\*\ud ...} part is read
};

// Caps that keep one element of the model small however the file repeats itself.
constexpr size_t kMaxKeptWords = 32;
constexpr size_t kMaxFonts = 4096;
constexpr size_t kMaxColors = 4096;
constexpr size_t kMaxTabs = 64;
constexpr size_t kMaxCells = 256;
constexpr size_t kMaxFontName = 256;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxHalfPoints = 3276;
constexpr size_t kMaxRememberedWords = 1024;

int Clamp(int value, int low, int high) {
    return std::min(std::max(value, low), high);
}

void Keep(KeptWords& kept, std::string_view name, std::optional<int32_t> parameter) {
    ControlWord word{std::string(name), parameter};
    if (IsSequenceWord(name)) {
        if (kept.words.size() < kMaxKeptWords)
            kept.words.push_back(std::move(word));
        return;
    }
    const bool known = std::any_of(kept.words.begin(), kept.words.end(),
                                   [&](const ControlWord& w) { return w.name == name; });
    if (known || kept.words.size() < kMaxKeptWords)
        kept.Set(std::move(word));
}

bool On(const std::optional<int32_t>& parameter) {
    return !parameter || *parameter != 0;
}

class Reader {
public:
    Reader(std::string_view source, const RtfLimits& limits) : m_tokens(source), m_limits(limits) {
        m_documentPage = CodePageForNumber(m_document.codePage);
        m_stack.emplace_back();
    }

    Document Read() {
        for (Token token = m_tokens.Next(); token.kind != TokenKind::End && !m_done;
             token = m_tokens.Next())
            Dispatch(token);
        Finish();
        return std::move(m_document);
    }

private:
    GroupState& Top() { return m_stack.back(); }

    void Dispatch(const Token& token) {
        switch (token.kind) {
            case TokenKind::GroupOpen:
                m_skip = 0;
                OpenGroup(token);
                return;
            case TokenKind::GroupClose:
                m_skip = 0;
                CloseGroup();
                return;
            case TokenKind::Text: {
                std::string_view bytes = token.name;
                if (m_skip > 0) {
                    const size_t n = std::min(static_cast<size_t>(m_skip), bytes.size());
                    bytes.remove_prefix(n);
                    m_skip -= static_cast<int>(n);
                }
                for (unsigned char byte : bytes)
                    OnByte(byte);
                return;
            }
            default:
                break;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (token.kind == TokenKind::Hex)
            OnByte(token.byte);
        else if (token.kind == TokenKind::Symbol)
            OnSymbol(token.symbol);
        else if (token.kind == TokenKind::Word)
            OnWord(token.name, token.parameter);
    }

    // --- groups

    void Push() {
        if (m_stack.size() >= static_cast<size_t>(m_limits.maxDepth) + 1)
            throw RtfError("Plik RTF ma zbyt głęboko zagnieżdżone grupy.");
        GroupState copy = Top();
        m_stack.push_back(std::move(copy));
    }

    std::string Capture(const Token& open) {
        int unclosed = 0;
        const size_t end = m_tokens.SkipGroup(open.begin, &unclosed);
        std::string_view group = m_tokens.Source().substr(open.begin, end - open.begin);
        if (unclosed == 0)
            return std::string(group);
        // The file ends inside the group: keep its whole tokens (no half escape that would
        // swallow a closing brace) and close what it left open. Binary data that runs to the
        // end was cut short: written back, its count would swallow the braces that close it.
        RtfTokenizer tokens(group);
        size_t whole = 0;
        for (Token token = tokens.Next(); token.kind != TokenKind::End; token = tokens.Next()) {
            if (token.kind == TokenKind::Word && token.name == "bin" && token.parameter &&
                *token.parameter > 0 && token.end >= group.size())
                break;
            whole = token.end;
        }
        std::string rtf(group.substr(0, whole));
        rtf.append(static_cast<size_t>(unclosed), '}');
        return rtf;
    }

    void OpenGroup(const Token& open) {
        if (m_stack.size() == 1) {
            // The document's own group.
            Push();
            return;
        }
        const size_t afterBrace = m_tokens.Position();
        const Token first = m_tokens.Next();
        const bool starred = first.kind == TokenKind::Symbol && first.symbol == '*';
        const Token word = starred ? m_tokens.Next() : first;
        const std::string_view name = word.kind == TokenKind::Word ? word.name : "";

        switch (Top().destination) {
            case Destination::FontTable:
                if (starred) {
                    std::string rtf = Capture(open);
                    if (m_font && m_font->keptGroups.size() < kMaxFontName)
                        m_font->keptGroups += rtf;
                    return;
                }
                m_tokens.Seek(afterBrace);
                Push();
                return;
            case Destination::ColorTable:
                m_tokens.Seek(afterBrace);
                Push();
                return;
            case Destination::Body:
                break;
        }
        if (Top().unicodeAlternatives) {
            if (starred && name == "ud") {
                Push();
                Top().unicodeAlternatives = false;
            } else {
                Capture(open);  // the text again without Unicode: read once, from \ud
            }
            return;
        }
        if (name == "fonttbl") {
            Push();
            Top().destination = Destination::FontTable;
        } else if (name == "colortbl") {
            Push();
            Top().destination = Destination::ColorTable;
            m_document.colors.clear();
        } else if (name == "upr") {
            Push();
            Top().unicodeAlternatives = true;
        } else if (name == "pntext" || name == "listtext") {
            StartBody();
            m_paragraph.listText = Capture(open);
        } else if (name == "pn") {
            StartBody();
            Top().para.bulletGroup = Capture(open);
        } else if (starred || IsKeptDestination(name)) {
            KeepGroup(Capture(open));
        } else {
            m_tokens.Seek(afterBrace);
            Push();
        }
    }

    void CloseGroup() {
        if (m_stack.size() <= 1)
            return;
        if (m_stack.size() == 2) {
            m_done = true;  // the document's group ends; anything after it is not read
            return;
        }
        m_stack.pop_back();
    }

    // --- control words

    void OnWord(std::string_view name, std::optional<int32_t> parameter) {
        if (name == "u")
            return UnicodeWord(parameter.value_or(0));
        if (Top().destination == Destination::FontTable)
            return FontWord(name, parameter);
        if (Top().destination == Destination::ColorTable)
            return ColorWord(name, parameter);
        if (Top().unicodeAlternatives)
            return;
        if (m_inRowDefinition) {
            if (!EndsRowDefinition(name)) {
                AppendWord(m_rowDefinition, ControlWord{std::string(name), parameter});
                if (name == "cellx" && m_cellEdges.size() < kMaxCells)
                    m_cellEdges.push_back(parameter.value_or(0));
                return;
            }
            m_inRowDefinition = false;
        }
        // Which group takes a word depends on its name alone: the first time a name is met the
        // groups are tried in order, then it goes straight to the one that took it.
        if (const auto known = m_groups.find(name); known != m_groups.end()) {
            TakeWord(known->second, name, parameter);
            return;
        }
        for (int g = 0;; ++g)
            if (TakeWord(static_cast<WordGroup>(g), name, parameter)) {
                if (m_groups.size() < kMaxRememberedWords)
                    m_groups.emplace(name, static_cast<WordGroup>(g));
                return;
            }
    }

    enum class WordGroup { Document, Page, Structure, Character, Paragraph, Section, Kept, Other };

    // Handles the word when it belongs to `group`; false when it does not.
    bool TakeWord(WordGroup group, std::string_view name, std::optional<int32_t> parameter) {
        switch (group) {
            case WordGroup::Document:
                return DocumentWord(name, parameter);
            case WordGroup::Page:
                return PageWord(name, parameter);
            case WordGroup::Structure:
                return StructureWord(name);
            case WordGroup::Character:
                return CharacterWord(name, parameter);
            case WordGroup::Paragraph:
                return ParagraphWord(name, parameter);
            case WordGroup::Section:
                if (!IsSectionWord(name))
                    return false;
                SectionWord(name, parameter);
                return true;
            case WordGroup::Kept: {
                if (!IsKeptCharacterWord(name))
                    return false;
                std::string rtf;
                AppendWord(rtf, ControlWord{std::string(name), parameter});
                rtf += ' ';
                AddKeptRun(std::move(rtf));
                return true;
            }
            case WordGroup::Other:
                break;
        }
        if (m_prolog)
            AppendWord(m_document.prolog, ControlWord{std::string(name), parameter});
        else
            Keep(Top().chr.kept, name, parameter);
        return true;
    }

    static bool EndsRowDefinition(std::string_view name) {
        return name == "pard" || name == "plain" || name == "intbl" || name == "cell" ||
               name == "row" || name == "par" || name == "nestcell" || name == "nestrow" ||
               name == "sect" || name == "page" || name == "trowd";
    }

    bool DocumentWord(std::string_view name, std::optional<int32_t> parameter) {
        if (name == "rtf" || name == "ansi" || name == "mac" || name == "pc" || name == "pca")
            return true;
        if (name == "ansicpg") {
            const int number = parameter.value_or(0);
            if (const auto* page = CodePageForNumber(number)) {
                m_document.codePage = number;
                m_documentPage = page;
            } else {
                // A page we do not serve (Mac, Far East): Western is the nearest guess.
                m_document.codePage = 1252;
                m_documentPage = CodePageForNumber(1252);
            }
            m_fontPages.clear();
            return true;
        }
        if (name == "deff") {
            m_document.defaultFont = parameter.value_or(0);
            Top().chr.font = m_document.defaultFont;
            return true;
        }
        if (name == "uc") {
            Top().unicodeSkip = Clamp(parameter.value_or(1), 0, kMaxUnicodeSkip);
            return true;
        }
        return false;
    }

    bool PageWord(std::string_view name, std::optional<int32_t> parameter) {
        PageSetup page = m_document.page;
        const int value = parameter.value_or(0);
        if (name == "paperw" || name == "pgwsxn")
            page.width = value;
        else if (name == "paperh" || name == "pghsxn")
            page.height = value;
        else if (name == "margl" || name == "marglsxn")
            page.marginLeft = value;
        else if (name == "margr" || name == "margrsxn")
            page.marginRight = value;
        else if (name == "margt" || name == "margtsxn")
            page.marginTop = value;
        else if (name == "margb" || name == "margbsxn")
            page.marginBottom = value;
        else if (name == "landscape" || name == "lndscpsxn")
            page.landscape = On(parameter);
        else
            return false;
        if (BeforeAnyBlock())
            m_document.page = page;
        else
            SectionWord(name, parameter);  // a later section's page: kept with that section
        return true;
    }

    bool StructureWord(std::string_view name) {
        if (name == "par") {
            FinishParagraph(true);
        } else if (name == "sect") {
            if (!ParagraphEmpty())
                FinishParagraph(false);
            FlushRow();
            AddKeptBlock("\\sect");
        } else if (name == "line") {
            AppendCharacter('\n');
        } else if (name == "tab") {
            AppendCharacter('\t');
        } else if (name == "cell") {
            FinishCell();
        } else if (name == "nestcell") {
            // Tables inside tables are read flat: the inner cell becomes a paragraph.
            StartBody();
            Paragraph paragraph = TakeParagraph(true);
            paragraph.format.inTable = true;
            m_cellParagraphs.push_back(std::move(paragraph));
        } else if (name == "nestrow") {
        } else if (name == "row") {
            FinishRow();
        } else if (name == "trowd") {
            StartBody();
            m_inRowDefinition = true;
            m_rowDefinition.clear();
            m_cellEdges.clear();
        } else if (char32_t symbol = SymbolWordCharacter(name)) {
            AppendCharacter(symbol);
        } else if (name == "bin") {
        } else {
            return false;
        }
        return true;
    }

    bool CharacterWord(std::string_view name, std::optional<int32_t> parameter) {
        CharFormat& chr = Top().chr;
        if (name == "plain") {
            StartBody();
            chr = CharFormat{};
            chr.font = m_document.defaultFont;
        } else if (name == "f") {
            chr.font = parameter.value_or(0);
        } else if (name == "fs") {
            chr.halfPoints = Clamp(parameter.value_or(24), 1, kMaxHalfPoints);
        } else if (name == "b") {
            chr.bold = On(parameter);
        } else if (name == "i") {
            chr.italic = On(parameter);
        } else if (name.substr(0, 2) == "ul" && name != "ulc") {
            // \ul, \ulnone, or a style (dotted, double, wave ...) kept with the underline;
            // each replaces the one before.
            auto& words = chr.kept.words;
            words.erase(std::remove_if(words.begin(), words.end(),
                                       [](const ControlWord& w) {
                                           return w.name.substr(0, 2) == "ul" && w.name != "ulc";
                                       }),
                        words.end());
            chr.underline = name != "ulnone" && On(parameter);
            if (chr.underline && name != "ul")
                Keep(chr.kept, name, parameter);
        } else if (name == "cf") {
            chr.color = std::max(0, parameter.value_or(0));
        } else {
            return false;
        }
        return true;
    }

    bool ParagraphWord(std::string_view name, std::optional<int32_t> parameter) {
        ParagraphFormat& para = Top().para;
        const int value = parameter.value_or(0);
        if (name == "pard") {
            StartBody();
            m_paragraphOpened = true;
            para = ParagraphFormat{};
            m_tab = TabStop{};
        } else if (name == "ql") {
            para.alignment = Alignment::Left;
        } else if (name == "qc") {
            para.alignment = Alignment::Center;
        } else if (name == "qr") {
            para.alignment = Alignment::Right;
        } else if (name == "qj") {
            para.alignment = Alignment::Justify;
        } else if (name == "fi") {
            para.firstLineIndent = value;
        } else if (name == "li" || name == "lin") {
            para.leftIndent = value;
        } else if (name == "ri" || name == "rin") {
            para.rightIndent = value;
        } else if (name == "sb") {
            para.spaceBefore = value;
        } else if (name == "sa") {
            para.spaceAfter = value;
        } else if (name == "tqr" || name == "tqc" || name == "tqdec") {
            m_tab.kind = name == "tqr"   ? TabStop::Kind::Right
                         : name == "tqc" ? TabStop::Kind::Center
                                         : TabStop::Kind::Decimal;
        } else if (name == "tldot" || name == "tlhyph" || name == "tlul" || name == "tlth" ||
                   name == "tleq" || name == "tlmdot") {
            m_tab.leader = std::string(name);
        } else if (name == "tx" || name == "tb") {
            if (name == "tb")
                m_tab.kind = TabStop::Kind::Bar;
            m_tab.position = value;
            if (para.tabs.size() < kMaxTabs)
                para.tabs.push_back(m_tab);
            m_tab = TabStop{};
        } else if (name == "intbl") {
            para.inTable = On(parameter);
            m_paragraphOpened = true;
        } else if (name == "ls") {
            para.list = value;
        } else if (name == "ilvl") {
            para.listLevel = value;
        } else if (IsKeptParagraphWord(name)) {
            if (m_prolog)
                AppendWord(m_document.prolog, ControlWord{std::string(name), parameter});
            else
                Keep(para.kept, name, parameter);
        } else {
            return false;
        }
        return true;
    }

    void SectionWord(std::string_view name, std::optional<int32_t> parameter) {
        std::string rtf;
        AppendWord(rtf, ControlWord{std::string(name), parameter});
        if (BeforeAnyBlock())
            m_document.prolog += rtf;
        else if (BlockPosition())
            AddKeptBlock(std::move(rtf));
        else
            AddKeptRun(rtf + ' ');
    }

    void FontWord(std::string_view name, std::optional<int32_t> parameter) {
        if (name == "f") {
            m_font = nullptr;
            if (m_document.fonts.size() >= kMaxFonts)
                return;
            m_document.fonts.push_back(Font{});
            m_font = &m_document.fonts.back();
            m_font->number = parameter.value_or(0);
            m_fontNameDone = false;
            m_fontPages.clear();
            return;
        }
        if (!m_font)
            return;
        if (name == "fnil" || name == "froman" || name == "fswiss" || name == "fmodern" ||
            name == "fscript" || name == "fdecor" || name == "ftech" || name == "fbidi")
            m_font->family = std::string(name);
        else if (name == "fcharset")
            m_font->charset = parameter.value_or(0);
        else if (name == "fprq")
            m_font->pitch = parameter.value_or(0);
    }

    void ColorWord(std::string_view name, std::optional<int32_t> parameter) {
        const auto level = static_cast<uint8_t>(Clamp(parameter.value_or(0), 0, 255));
        if (name == "red")
            m_color.red = level;
        else if (name == "green")
            m_color.green = level;
        else if (name == "blue")
            m_color.blue = level;
        else
            return;
        m_color.automatic = false;
    }

    // --- characters

    void OnSymbol(char symbol) {
        switch (symbol) {
            case '\\':
            case '{':
            case '}':
                return AppendCharacter(static_cast<char32_t>(symbol));
            case '~':
                return AppendCharacter(U'\u00A0');
            case '-':
                return AppendCharacter(U'\u00AD');
            case '_':
                return AppendCharacter(U'\u2011');
            default:
                return;  // \* out of place, \| \: of formulas and indexes
        }
    }

    void OnByte(uint8_t byte) {
        if (byte < 0x80) {
            AppendCharacter(byte);
            return;
        }
        const engine::CodePage* page = PageForFont(Top().chr.font);
        const int32_t code = page ? page->ToUnicode(byte) : byte;
        AppendCharacter(code < 0 ? U'\uFFFD' : static_cast<char32_t>(code));
    }

    void UnicodeWord(int32_t value) {
        if (value < 0)
            value += 65536;
        UnicodeUnit(static_cast<char32_t>(std::clamp<int32_t>(value, 0, 0xFFFF)));
        m_skip = Top().unicodeSkip;
    }

    void UnicodeUnit(char32_t unit) {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            m_highSurrogate = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (m_highSurrogate) {
                AppendCharacter(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
                m_highSurrogate = 0;
            } else {
                AppendCharacter(U'\uFFFD');
            }
            return;
        }
        AppendCharacter(unit);
    }

    void AppendCharacter(char32_t c) {
        m_highSurrogate = 0;
        switch (Top().destination) {
            case Destination::FontTable:
                return FontCharacter(c);
            case Destination::ColorTable:
                if (c == ';') {
                    if (m_document.colors.size() < kMaxColors)
                        m_document.colors.push_back(m_color);
                    m_color = Color{true};
                }
                return;
            case Destination::Body:
                break;
        }
        if (Top().unicodeAlternatives)
            return;
        m_inRowDefinition = false;
        if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F)
            return;  // control characters are no text
        StartBody();
        Run& run = CurrentRun();
        engine::AppendUtf8(run.text, c);
    }

    void FontCharacter(char32_t c) {
        if (!m_font || m_fontNameDone)
            return;
        std::string& name = m_font->name;
        if (c == ';') {
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            m_fontNameDone = true;
            return;
        }
        if (c == ' ' && name.empty())
            return;  // the space that follows {\*\panose ...}
        if (c >= 0x20 && name.size() < kMaxFontName)
            engine::AppendUtf8(name, c);
    }

    const engine::CodePage* PageForFont(int number) {
        auto found = m_fontPages.find(number);
        if (found != m_fontPages.end())
            return found->second;
        const engine::CodePage* page = nullptr;
        if (const Font* font = m_document.FindFont(number); font && font->charset)
            page = CodePageForCharset(*font->charset);
        if (!page)
            page = m_documentPage;
        if (m_fontPages.size() < kMaxFonts)
            m_fontPages.emplace(number, page);
        return page;
    }

    // --- paragraphs, cells and rows

    void Count() {
        if (++m_elements > m_limits.maxElements)
            throw RtfError("Plik RTF ma zbyt wiele akapitów i fragmentów tekstu.");
    }

    void StartBody() { m_prolog = false; }

    bool ParagraphEmpty() const { return m_paragraph.runs.empty() && m_paragraph.listText.empty(); }

    // Whether kept RTF may stand between paragraphs here rather than inside one.
    bool BlockPosition() {
        return ParagraphEmpty() && !m_paragraphOpened && m_cells.empty() &&
               m_cellParagraphs.empty();
    }

    // Whether nothing of the text has been read yet: what comes now is written back before it,
    // with the document's own settings.
    bool BeforeAnyBlock() { return m_prolog || (m_document.body.empty() && BlockPosition()); }

    Run& CurrentRun() {
        auto& runs = m_paragraph.runs;
        if (runs.empty() || runs.back().IsKept() || !(runs.back().format == Top().chr)) {
            Count();
            runs.push_back(Run{{}, Top().chr, {}});
        }
        return runs.back();
    }

    void AddKeptRun(std::string rtf) {
        StartBody();
        Count();
        m_paragraph.runs.push_back(Run{{}, Top().chr, std::move(rtf)});
    }

    void AddKeptBlock(std::string rtf) {
        auto& body = m_document.body;
        if (!body.empty())
            if (auto* kept = std::get_if<KeptBlock>(&body.back())) {
                kept->rtf += rtf;
                return;
            }
        Count();
        body.push_back(KeptBlock{std::move(rtf)});
    }

    void KeepGroup(std::string rtf) {
        if (m_inRowDefinition)
            m_rowDefinition += rtf;
        else if (BeforeAnyBlock())
            m_document.prolog += rtf;
        else if (BlockPosition())
            AddKeptBlock(std::move(rtf));
        else
            AddKeptRun(std::move(rtf));
    }

    Paragraph TakeParagraph(bool ended) {
        Count();
        Paragraph paragraph;
        paragraph.format = Top().para;
        paragraph.runs = std::move(m_paragraph.runs);
        paragraph.listText = std::move(m_paragraph.listText);
        paragraph.markFormat = Top().chr;
        paragraph.ended = ended;
        m_paragraph = {};
        m_paragraphOpened = false;
        return paragraph;
    }

    void FinishParagraph(bool ended) {
        StartBody();
        Paragraph paragraph = TakeParagraph(ended);
        if (paragraph.format.inTable) {
            m_cellParagraphs.push_back(std::move(paragraph));
            return;
        }
        FlushRow();  // a row the file left without \row
        m_document.body.push_back(std::move(paragraph));
    }

    void FinishCell() {
        StartBody();
        Paragraph paragraph = TakeParagraph(true);
        paragraph.format.inTable = true;
        m_cellParagraphs.push_back(std::move(paragraph));
        Count();
        TableCell cell;
        cell.paragraphs = std::move(m_cellParagraphs);
        m_cellParagraphs.clear();
        if (m_cells.size() < kMaxCells)
            m_cells.push_back(std::move(cell));
    }

    void FinishRow() {
        m_inRowDefinition = false;
        if (!ParagraphEmpty() || !m_cellParagraphs.empty())
            FinishCell();
        if (m_cells.empty())
            return;
        Count();
        TableRow row;
        row.definition = m_rowDefinition;
        row.cells = std::move(m_cells);
        m_cells.clear();
        for (size_t i = 0; i < row.cells.size() && i < m_cellEdges.size(); ++i)
            row.cells[i].rightEdge = m_cellEdges[i];
        m_document.body.push_back(std::move(row));
    }

    void FlushRow() {
        if (!m_cells.empty() || !m_cellParagraphs.empty())
            FinishRow();
    }

    void Finish() {
        // A name the file did not close with ';' ends where the entry ends.
        for (Font& font : m_document.fonts)
            while (!font.name.empty() && font.name.back() == ' ')
                font.name.pop_back();
        if (!ParagraphEmpty())
            FinishParagraph(false);
        FlushRow();
    }

    RtfTokenizer m_tokens;
    const RtfLimits& m_limits;
    Document m_document;
    std::vector<GroupState> m_stack;
    bool m_done = false;
    bool m_prolog = true;  // before the text: words and groups go to Document::prolog
    int m_skip = 0;        // fallback characters of a \uN still to drop
    char32_t m_highSurrogate = 0;
    size_t m_elements = 0;

    const engine::CodePage* m_documentPage = nullptr;
    std::unordered_map<int, const engine::CodePage*> m_fontPages;
    Font* m_font = nullptr;  // the font table entry being read
    bool m_fontNameDone = false;
    Color m_color{true};

    struct {
        std::vector<Run> runs;
        std::string listText;
    } m_paragraph;
    TabStop m_tab;
    std::vector<Paragraph> m_cellParagraphs;
    std::vector<TableCell> m_cells;
    bool m_paragraphOpened = false;  // a \pard or \intbl began the paragraph being read
    bool m_inRowDefinition = false;
    std::string m_rowDefinition;
    std::vector<int> m_cellEdges;

    struct HashWord {
        using is_transparent = void;
        size_t operator()(std::string_view word) const {
            return std::hash<std::string_view>()(word);
        }
    };
    std::unordered_map<std::string, WordGroup, HashWord, std::equal_to<>> m_groups;
};

bool LooksLikeRtf(std::string_view rtf) {
    if (rtf.substr(0, 3) == "\xEF\xBB\xBF")
        rtf.remove_prefix(3);
    while (!rtf.empty() && (rtf.front() == ' ' || rtf.front() == '\r' || rtf.front() == '\n' ||
                            rtf.front() == '\t'))
        rtf.remove_prefix(1);
    return rtf.substr(0, 5) == "{\\rtf";
}

}  // namespace

Document ReadRtf(std::string_view rtf, const RtfLimits& limits) {
    if (rtf.size() > limits.maxBytes)
        throw RtfError("Plik RTF jest za duży (" + std::to_string(rtf.size() >> 20) +
                       " MB); dokument może mieć najwyżej " +
                       std::to_string(limits.maxBytes >> 20) + " MB.");
    if (!LooksLikeRtf(rtf))
        throw RtfError("To nie jest plik RTF.");
    const size_t start = rtf.find('{');
    return Reader(rtf.substr(start), limits).Read();
}

std::string ListMarkText(std::string_view listText, int codePage) {
    if (listText.empty() || listText.front() != '{')
        return std::string(listText);
    std::string_view body = listText.substr(1);
    for (std::string_view word : {std::string_view("\\listtext"), std::string_view("\\pntext")})
        if (body.substr(0, word.size()) == word) {
            body.remove_prefix(word.size());
            if (!body.empty() && body.front() == ' ')  // the word's delimiter
                body.remove_prefix(1);
        }
    if (!body.empty() && body.back() == '}')
        body.remove_suffix(1);
    try {
        const Document mark = ReadRtf("{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage) + " " +
                                      std::string(body) + "}");
        std::string text;
        for (const Block& block : mark.body)
            if (const auto* paragraph = std::get_if<Paragraph>(&block))
                for (const Run& run : paragraph->runs)
                    text += run.text;
        return text;
    } catch (const RtfError&) {
        return {};
    }
}

}  // namespace mirta::documents
