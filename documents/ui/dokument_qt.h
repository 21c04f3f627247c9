#pragma once

// Our document model shown in and taken back from Qt's rich-text control: paragraphs with
// their alignment and indents, runs with font, size, bold, italic, underline and colour,
// tables as Qt tables. What Qt cannot show (page setup, kept RTF, list tables) stays in the
// model the editor loaded, and a save writes it back around the edited text.

#include "documents/document.h"

class QTextDocument;

namespace mirta::documents {

// Replaces the text of `cel` by the document.
void PokazDokument(const Document& dokument, QTextDocument& cel);

// The edited text as a document: fonts, colours, page and prolog of `wzor` (the document
// that was loaded, or an empty one for a new text), its text and formatting from `zrodlo`.
Document DokumentZEdytora(const QTextDocument& zrodlo, const Document& wzor);

}  // namespace mirta::documents
