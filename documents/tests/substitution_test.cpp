#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/substitution.h"
#include "documents/tag.h"
#include "documents/template_check.h"

using namespace mirta::documents;

namespace {

std::string Data(const std::string& name) {
    std::ifstream in(std::string(MIRTA_DOCUMENTS_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The format of the run that is this text, else of the first that holds it.
CharFormat FormatOf(const Paragraph& paragraph, std::string_view text) {
    for (const auto& run : paragraph.runs)
        if (run.text == text)
            return run.format;
    for (const auto& run : paragraph.runs)
        if (run.text.find(text) != std::string::npos)
            return run.format;
    ADD_FAILURE() << "no run " << text;
    return {};
}

// A woman's file as the vocabulary would give it.
FixedTagValues Kowalska() {
    return FixedTagValues({
        {"<<NAZWISKO>>", "Kowalska"},
        {"<<IMIE1>>", "Anna"},
        {"<<IMIE1 NAZWISKO>>", "Anna Kowalska"},
        {"<<NAZWISKO IMIE1>>", "Kowalska Anna"},
        {"<<IMIE12 NAZWISKO>>", "Anna Kowalska"},
        {"<<i| >>", "i"},
        {"<<i|u>>", "i"},
        {"<<Data|Mies>>", "10 grudnia 2026"},
        {"<<DataUrodzenia>>", "1980-03-05"},
        {"<<Stanowisko|Nazwa|Kon>>", "referent"},
        {"<<Stopień|Nazwa>>", "młodszy aspirant"},
        {"<<Grupa|Nazwa|Kon>>", "IV"},
        {"<<Grupa|PlacaKon|Strażak>>", "5 432.10"},
        {"<<Grupa|PlacaKon|Strażak|Słow>>", " pięć tysięcy złotych."},
        {"<<Podpis>>", "<<NAZWISKO>>"},  // a value that looks like a tag
    });
}

// Expected parts: flags K final, S in words, M month name, O officer rule, W civil seniority.
TagSyntax Parts(std::string family, std::string field = {}, std::string_view flags = {},
                std::vector<std::string> unknown = {}) {
    TagSyntax tag;
    tag.family = std::move(family);
    tag.field = std::move(field);
    tag.final = flags.find('K') != std::string_view::npos;
    tag.inWords = flags.find('S') != std::string_view::npos;
    tag.monthName = flags.find('M') != std::string_view::npos;
    tag.officerRule = flags.find('O') != std::string_view::npos;
    tag.civilSeniority = flags.find('W') != std::string_view::npos;
    tag.unknownAttributes = std::move(unknown);
    return tag;
}

TEST(Tag, SyntaxOfTheLanguagesForms) {
    struct Case {
        std::string text;
        TagSyntax parts;
    };
    const Case cases[] = {
        {"<<NAZWISKO IMIE1>>", Parts("NAZWISKO IMIE1")},
        {"<<i| >>", Parts("i", " ")},
        {"<<i|u>>", Parts("i", "u")},
        {"<<Data|Mies>>", Parts("Data", "", "M")},
        {"<<Stopień|Nazwa|Kon>>", Parts("Stopień", "Nazwa", "K")},
        {"<<Decyzja|Data|Mies|Kon>>", Parts("Decyzja", "Data", "MK")},
        {"<<Grupa|PlacaKon|Słow|Kon>>", Parts("Grupa", "PlacaKon", "SK")},
        {"<<Grupa|PlacaKon|Wysługa|Słow>>", Parts("Grupa", "PlacaKon", "WS")},
        {"<<Grupa|PlacaKon|Strażak|Słow>>", Parts("Grupa", "PlacaKon", "OS")},
        {"<<ProcentWysługa|Strażak>>", Parts("ProcentWysługa", "", "O")},
        {"<<Grupa|Nazwa|Kon|Cośtam>>", Parts("Grupa", "Nazwa", "K", {"Cośtam"})},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseTag(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(*parsed, c.parts) << c.text;
        if (c.parts.unknownAttributes.empty()) {
            EXPECT_EQ(TagText(*parsed), c.text);
        }
    }
    for (const char* bad : {"<<>>", "<<|Kon>>", "NAZWISKO", "<<NAZWISKO", "<<a<<b>>", "<<a>>b>>"})
        EXPECT_FALSE(ParseTag(bad)) << bad;
}

TEST(Tag, CandidatesAndCaseFolding) {
    EXPECT_EQ(FindTagCandidates("<<<NAZWISKO>>>"), (std::vector<TextRange>{{1, 13}}));
    EXPECT_EQ(FindTagCandidates("a <<NAZ\nWISKO>> <<b>><<c>>"),
              (std::vector<TextRange>{{16, 21}, {21, 26}}));
    EXPECT_EQ(FindTagCandidates("<<a <<b>>"), (std::vector<TextRange>{{4, 9}}));
    EXPECT_EQ(FoldCase("ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż ABC Ü"), "ąćęłńóśźż ąćęłńóśźż abc ü");
    EXPECT_EQ(FoldCase("<<STOPIEŃ|NAZWA>>"), "<<stopień|nazwa>>");
}

TEST(Substitution, PlainText) {
    FixedTagValues values = Kowalska();
    struct Case {
        const char* text;
        int row;
        const char* expected;
    };
    const Case cases[] = {
        {"<<NAZWISKO>>, <<NAZWISKO>> i <<NAZWISKO>>", 0, "Kowalska, Kowalska i Kowalska"},
        {"Pan<<i| >> <<IMIE1 NAZWISKO>>; Pan<<i|u>> dziękujemy", 0,
         "Pani Anna Kowalska; Pani dziękujemy"},
        {"<<nazwisko>> w innej wielkości liter zostaje", 0,
         "<<nazwisko>> w innej wielkości liter zostaje"},
        {"<<LP>>. <<NAZWISKO>>", 7, "7. Kowalska"},
        {"<<Nieznany>> zostaje, <<<NAZWISKO>>>", 0, "<<Nieznany>> zostaje, <Kowalska>"},
        {"Podpis: <<Podpis>>", 0, "Podpis: <<NAZWISKO>>"},
        {"", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubstituteInText(c.text, values, c.row), c.expected) << c.text;
}

TEST(Substitution, LibreOfficeTemplateWithTagsSplitAcrossRuns) {
    // LibreOffice wrote "<<NAZ" bold and "WISKO>>" italic, and a table cell's tag with its
    // middle word bold.
    FixedTagValues values = Kowalska();
    Document letter = ReadRtf(Data("pismo.rtf"));
    EXPECT_EQ(SubstituteInDocument(letter, values), 9u);
    const std::string text = PlainText(letter);
    EXPECT_NE(text.find("Zaświadcza się, że Pani Kowalska Anna, urodzony 1980-03-05, pełni "
                        "służbę na stanowisku referent."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Kraków, 10 grudnia 2026\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Stopień:\tmłodszy aspirant\tstrona 1"), std::string::npos) << text;
    EXPECT_NE(text.find("<<Nieznany>>"), std::string::npos);

    // The value takes the format of the tag's first character; the text around keeps its own.
    const Paragraph& certificate = std::get<Paragraph>(letter.body.at(2));
    EXPECT_TRUE(FormatOf(certificate, "Kowalska").bold);
    EXPECT_FALSE(FormatOf(certificate, "Kowalska").italic);
    EXPECT_FALSE(FormatOf(certificate, " Anna").bold);
    EXPECT_TRUE(FormatOf(certificate, "y").underline);
    EXPECT_EQ(FormatOf(certificate, "referent").color, 17);
    EXPECT_EQ(FormatOf(certificate, "referent").halfPoints, 28);

    // What we write reads back with the values in place.
    EXPECT_EQ(PlainText(ReadRtf(WriteRtf(letter))), text);

    Document table = ReadRtf(Data("tabela.rtf"));
    SubstituteInDocument(table, values);
    const std::string tableText = PlainText(table);
    EXPECT_NE(tableText.find("\nIV\n"), std::string::npos) << tableText;
    EXPECT_NE(tableText.find("wniosek o urlop Anna Kowalska"), std::string::npos);
}

TEST(Substitution, RichTextAcrossGroupsCaseAndKeptRuns) {
    FixedTagValues values = Kowalska();
    Document document = ReadRtf(
        R"({\rtf1\ansi\ansicpg1250 {\b <<NAZ}{\i WI{\*\bkmkstart x}SKO>>} <<nazwisko>> <<Imie1>>)"
        R"( <<LP>> <<Podpis>> <<NAZWISKO>>\par})");
    EXPECT_EQ(SubstituteInDocument(document, values), 5u);
    EXPECT_EQ(PlainText(document), "Kowalska Kowalska Anna <<LP>> <<NAZWISKO>> Kowalska\n");
    const std::string written = WriteRtf(document);
    EXPECT_NE(written.find(R"({\*\bkmkstart x})"), std::string::npos) << "the bookmark is kept";
}

TEST(TemplateCheck, ListsEveryUnknownTagWithItsLine) {
    const std::vector<std::string> known = Kowalska().Tags();
    const Document letter = ReadRtf(Data("pismo.rtf"));
    EXPECT_EQ(FindUnknownTags(letter, known), (std::vector<UnknownTag>{{7, "<<Nieznany>>"}}));

    const std::string text = "<<LP>>. <<nazwisko>>\n<<NAZWISKO>> <<Stopien|Nazwa>>";
    EXPECT_EQ(FindUnknownTags(text, known, TagCase::Exact),
              (std::vector<UnknownTag>{{1, "<<nazwisko>>"}, {2, "<<Stopien|Nazwa>>"}}));
    EXPECT_EQ(FindUnknownTags(text, known, TagCase::Any),
              (std::vector<UnknownTag>{{1, "<<LP>>"}, {2, "<<Stopien|Nazwa>>"}}));
}

}  // namespace
