#include "documents/rtf_words.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "engine/code_page.h"
#include "engine/engine_error.h"

namespace mirta::documents {

namespace {

template <size_t N>
bool Contains(const std::string_view (&words)[N], std::string_view word) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

bool StartsWith(std::string_view word, std::string_view prefix) {
    return word.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view word, std::string_view suffix) {
    return word.size() >= suffix.size() && word.substr(word.size() - suffix.size()) == suffix;
}

constexpr std::string_view kDestinations[] = {
    "aftncn",    "aftnsep", "aftnsepc",   "annotation", "atnauthor",
    "atndate",   "atnicn",  "atnid",      "atnparent",  "atnref",
    "atntime",   "atrfend", "atrfstart",  "author",     "bkmkend",
    "bkmkstart", "buptim",  "category",   "comment",    "company",
    "creatim",   "doccomm", "docvar",     "field",      "filetbl",
    "footer",    "footerf", "footerl",    "footerr",    "footnote",
    "ftncn",     "ftnsep",  "ftnsepc",    "header",     "headerf",
    "headerl",   "headerr", "info",       "keywords",   "listoverridetable",
    "listtable", "manager", "nonshppict", "object",     "operator",
    "pict",      "printim", "private",    "revtbl",     "revtim",
    "rsidtbl",   "rxe",     "shp",        "shpgrp",     "stylesheet",
    "subject",   "tc",      "template",   "title",      "txe",
    "userprops", "xe",
};

constexpr std::string_view kParagraphWords[] = {
    "adjustright",
    "aspalpha",
    "aspnum",
    "box",
    "contextualspace",
    "facenter",
    "fafixed",
    "fahang",
    "faauto",
    "faroman",
    "favar",
    "hyphpar",
    "itap",
    "jclisttab",
    "keep",
    "keepn",
    "lisa",
    "lisb",
    "ltrpar",
    "nocwrap",
    "noline",
    "nooverflow",
    "nosnaplinegrid",
    "nowidctlpar",
    "nowwrap",
    "outlinelevel",
    "pagebb",
    "qd",
    "qk",
    "qt",
    "rtlpar",
    "s",
    "saauto",
    "sbauto",
    "shading",
    "sl",
    "slmult",

    "spv",
    "tscellpaddb",
    "tscellpaddl",
    "tscellpaddr",
    "tscellpaddt",
    "wrapdefault",
    "widctlpar",
    "yts",
};

constexpr std::string_view kSectionWords[] = {
    "endnhere",  "footery", "headery", "linebetcol", "ltrsect", "rtlsect",
    "stextflow", "titlepg", "vertalb", "vertalc",    "vertalj", "vertalt",
};

constexpr std::string_view kKeptCharacterWords[] = {
    "chatn",     "chdate", "chdpa",  "chdpl",  "chftn", "chftnsep",
    "chftnsepc", "chpgn",  "chtime", "column", "page",
};

struct Symbol {
    std::string_view word;
    char32_t character;
};

constexpr Symbol kSymbols[] = {
    {"bullet", U'\u2022'},    {"emdash", U'\u2014'},  {"emspace", U'\u2003'},
    {"endash", U'\u2013'},    {"enspace", U'\u2002'}, {"ldblquote", U'\u201C'},
    {"lquote", U'\u2018'},    {"ltrmark", U'\u200E'}, {"qmspace", U'\u2005'},
    {"rdblquote", U'\u201D'}, {"rquote", U'\u2019'},  {"rtlmark", U'\u200F'},
    {"zwj", U'\u200D'},       {"zwnj", U'\u200C'},
};

}  // namespace

bool IsKeptDestination(std::string_view word) {
    return Contains(kDestinations, word);
}

bool IsSequenceWord(std::string_view word) {
    return StartsWith(word, "brdr") || StartsWith(word, "brsp") || word == "box" ||
           word == "cfpat" || word == "cbpat" || word == "shading";
}

bool IsKeptParagraphWord(std::string_view word) {
    return Contains(kParagraphWords, word) || IsSequenceWord(word);
}

bool IsSectionWord(std::string_view word) {
    return Contains(kSectionWords, word) || EndsWith(word, "sxn") || StartsWith(word, "sect") ||
           StartsWith(word, "sbk") || StartsWith(word, "pgn") || StartsWith(word, "sftn") ||
           StartsWith(word, "saftn") || StartsWith(word, "pgbrdr") || StartsWith(word, "cols") ||
           word == "colno" || word == "colw" || word == "colsr";
}

bool IsKeptCharacterWord(std::string_view word) {
    return Contains(kKeptCharacterWords, word);
}

char32_t SymbolWordCharacter(std::string_view word) {
    for (const Symbol& symbol : kSymbols)
        if (symbol.word == word)
            return symbol.character;
    return 0;
}

const engine::CodePage* CodePageForNumber(int number) {
    // Only pages the engine builds one byte at a time; each is built once and cached.
    static constexpr std::array<int, 13> kServed = {437,  850,  852,  866,  1250, 1251, 1252,
                                                    1253, 1254, 1255, 1256, 1257, 1258};
    if (std::find(kServed.begin(), kServed.end(), number) == kServed.end())
        return nullptr;
    try {
        return &engine::CodePage::ForNumber(number);
    } catch (const engine::EngineError&) {
        return nullptr;
    }
}

const engine::CodePage* CodePageForCharset(int charset) {
    switch (charset) {
        case 2:  // symbol fonts: their bytes are read as Western text
            return CodePageForNumber(1252);
        case 161:
            return CodePageForNumber(1253);
        case 162:
            return CodePageForNumber(1254);
        case 163:
            return CodePageForNumber(1258);
        case 177:
            return CodePageForNumber(1255);
        case 178:
            return CodePageForNumber(1256);
        case 186:
            return CodePageForNumber(1257);
        case 204:
            return CodePageForNumber(1251);
        case 238:
            return CodePageForNumber(1250);
        default:  // 0 (ANSI) and the rest: the document's own page
            return nullptr;
    }
}

void AppendWord(std::string& out, std::string_view name) {
    out += '\\';
    out += name;
}

void AppendWord(std::string& out, std::string_view name, int parameter) {
    AppendWord(out, name);
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, parameter).ptr;
    out.append(digits, end);
}

void AppendWord(std::string& out, const ControlWord& word) {
    if (word.parameter)
        AppendWord(out, word.name, *word.parameter);
    else
        AppendWord(out, word.name);
}

}  // namespace mirta::documents
