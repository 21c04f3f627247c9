#pragma once

// What the reader and the writer know of RTF's vocabulary.

#include <string>
#include <string_view>

#include "documents/document.h"

namespace mirta::engine {
class CodePage;
}

namespace mirta::documents {

// Groups whose content is not text of the document (style sheet, header, picture, field ...).
bool IsKeptDestination(std::string_view word);
// Paragraph properties the model keeps as words (cleared by \pard, not by \plain).
bool IsKeptParagraphWord(std::string_view word);
// Words whose order matters (borders: \brdrb\brdrs\brdrw10), kept as a sequence.
bool IsSequenceWord(std::string_view word);
// Section properties (\sectd, \sbknone, \pgwsxn ...).
bool IsSectionWord(std::string_view word);
// Words that stand for a character the model keeps as RTF (page number, page break ...).
bool IsKeptCharacterWord(std::string_view word);
// The character of a symbol word (\emdash, \bullet, \ldblquote ...), or 0.
char32_t SymbolWordCharacter(std::string_view word);

// The code page of a document's \ansicpg, or of a font's \fcharset (nullptr: the document's).
// Only the single-byte Windows and DOS pages are served; anything else gives nullptr.
const engine::CodePage* CodePageForNumber(int number);
const engine::CodePage* CodePageForCharset(int charset);

// \name or \nameN.
void AppendWord(std::string& out, std::string_view name);
void AppendWord(std::string& out, std::string_view name, int parameter);
void AppendWord(std::string& out, const ControlWord& word);

}  // namespace mirta::documents
