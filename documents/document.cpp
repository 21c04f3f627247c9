#include "documents/document.h"

#include <algorithm>

namespace mirta::documents {

Font CzcionkaCE(int number, std::string name, std::string family) {
    Font f;
    f.number = number;
    f.name = std::move(name);
    f.family = std::move(family);
    f.charset = 238;
    return f;
}

void KeptWords::Set(ControlWord word) {
    auto same = std::find_if(words.begin(), words.end(),
                             [&](const ControlWord& w) { return w.name == word.name; });
    if (same != words.end())
        *same = std::move(word);
    else
        words.push_back(std::move(word));
}

const Font* Document::FindFont(int number) const {
    for (const Font& font : fonts)
        if (font.number == number)
            return &font;
    return nullptr;
}

std::string PlainText(const Document& document) {
    std::string text;
    ForEachParagraph(document, [&](const Paragraph& paragraph) {
        for (const Run& run : paragraph.runs)
            text += run.text;
        text += '\n';
    });
    return text;
}

}  // namespace mirta::documents
