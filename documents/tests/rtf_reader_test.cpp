#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"

using namespace mirta::documents;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Data(const std::string& name) {
    return ReadFile(std::string(MIRTA_DOCUMENTS_DATA) + "/" + name);
}

const Paragraph& NthParagraph(const Document& document, size_t n) {
    size_t seen = 0;
    for (const Block& block : document.body)
        if (const auto* paragraph = std::get_if<Paragraph>(&block))
            if (seen++ == n)
                return *paragraph;
    throw std::out_of_range("no such paragraph");
}

TEST(RtfReader, TextOfEscapesAndSpecialCharacters) {
    struct Case {
        const char* name;
        std::string rtf;
        std::string text;
    };
    const Case cases[] = {
        {"code page 1250 hex escapes",
         R"({\rtf1\ansi\ansicpg1250 Za\'bf\'f3\'b3\'e6 g\'ea\'9cl\'b9 ja\'9f\'f1\par})",
         "Zażółć gęślą jaźń\n"},
        {"font charset 238 in a Western document",
         R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fswiss\fcharset238 Arial;}{\f1\fswiss\fcharset0 Arial;}}\f0 \'b9\f1 \'b9\par})",
         "ą¹\n"},
        {"unicode with one fallback", R"({\rtf1\ansi \u261\'b9\u322?x\par})", "ąłx\n"},
        {"uc0 and uc2", R"({\rtf1\ansi\uc0\u261 a{\uc2\u322\'b3\'b3b}\par})", "ąałb\n"},
        {"negative unicode and surrogate pairs", R"({\rtf1\ansi\u-3647?\u-10179?\u-8704?\par})",
         "\uF1C1\U0001F600\n"},
        {"fallback skip stops at a group end", R"({\rtf1\ansi\uc3{\u261}xyz\par})", "ąxyz\n"},
        {"symbols and escapes",
         R"({\rtf1\ansi a\tab b\line c\~d\{\}\\\emdash\ldblquote q\rdblquote\par})",
         "a\tb\nc\u00A0d{}\\\u2014\u201Cq\u201D\n"},
        {"unknown destinations are no text",
         R"({\rtf1\ansi{\*\mirta tajne}{\info{\title T}}{\stylesheet{\s0 Normal;}}jawne{\*\bkmkstart x}.\par})",
         "jawne.\n"},
        {"line ends in the source are no text", "{\\rtf1\\ansi a\r\nb\\\nc\\par}", "ab\nc\n"},
        {"Unicode alternative of \\upr read once",
         R"({\rtf1\ansi{\upr{ANSI tekst}{\*\ud{\u261? tekst}}}\par})", "ą tekst\n"},
        {"binary data skipped", "{\\rtf1\\ansi a\\bin3 {}}b\\par}", "ab\n"},
        {"last paragraph without a mark", R"({\rtf1\ansi pierwszy\par drugi})",
         "pierwszy\ndrugi\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlainText(ReadRtf(c.rtf)), c.text) << c.name;
}

TEST(RtfReader, CharacterAndParagraphFormatting) {
    const Document document = ReadRtf(
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\froman\fcharset238 Times New Roman;}{\f1\fswiss Arial;}})"
        R"({\colortbl;\red192\green0\blue0;})"
        R"(\pard\qc\fi-360\li720\ri1134\sb120\sa240\tqr\tldot\tx6803\tx2835 )"
        R"(zwyk\'b3y {\b grub{\i a}}\plain\f1\fs28\ul\cf1 dalej\par})");
    ASSERT_EQ(document.fonts.size(), 2u);
    EXPECT_EQ(document.fonts[0].name, "Times New Roman");
    EXPECT_EQ(document.fonts[0].charset, 238);
    EXPECT_EQ(document.fonts[1].family, "fswiss");
    ASSERT_EQ(document.colors.size(), 2u);
    EXPECT_TRUE(document.colors[0].automatic);
    EXPECT_EQ(document.colors[1], (Color{false, 192, 0, 0}));

    const Paragraph& p = NthParagraph(document, 0);
    EXPECT_EQ(p.format.alignment, Alignment::Center);
    EXPECT_EQ(p.format.firstLineIndent, -360);
    EXPECT_EQ(p.format.leftIndent, 720);
    EXPECT_EQ(p.format.rightIndent, 1134);
    EXPECT_EQ(p.format.spaceBefore, 120);
    EXPECT_EQ(p.format.spaceAfter, 240);
    ASSERT_EQ(p.format.tabs.size(), 2u);
    EXPECT_EQ(p.format.tabs[0], (TabStop{6803, TabStop::Kind::Right, "tldot"}));
    EXPECT_EQ(p.format.tabs[1], (TabStop{2835, TabStop::Kind::Left, ""}));

    ASSERT_EQ(p.runs.size(), 4u);
    EXPECT_EQ(p.runs[0].text, "zwykły ");
    EXPECT_FALSE(p.runs[0].format.bold);
    EXPECT_EQ(p.runs[1].text, "grub");
    EXPECT_TRUE(p.runs[1].format.bold);
    EXPECT_FALSE(p.runs[1].format.italic);
    EXPECT_EQ(p.runs[2].text, "a");
    EXPECT_TRUE(p.runs[2].format.bold && p.runs[2].format.italic);
    const CharFormat& last = p.runs[3].format;
    EXPECT_EQ(p.runs[3].text, "dalej");
    EXPECT_FALSE(last.bold);
    EXPECT_EQ(last.font, 1);
    EXPECT_EQ(last.halfPoints, 28);
    EXPECT_TRUE(last.underline);
    EXPECT_EQ(last.color, 1);
}

TEST(RtfReader, LibreOfficeTableRowsAndCells) {
    const Document document = ReadRtf(Data("tabela.rtf"));
    std::vector<const TableRow*> rows;
    for (const Block& block : document.body)
        if (const auto* row = std::get_if<TableRow>(&block))
            rows.push_back(row);
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0]->cells.size(), 3u);
    EXPECT_EQ(rows[0]->cells[0].rightEdge, 3023);
    EXPECT_EQ(rows[0]->cells[2].rightEdge, 9071);
    EXPECT_EQ(rows[0]->cells[1].paragraphs.at(0).runs.at(0).text, "Należny");
    EXPECT_TRUE(rows[0]->cells[1].paragraphs.at(0).runs.at(0).format.bold);
    const TableCell& twoLines = rows[1]->cells[2];
    ASSERT_EQ(twoLines.paragraphs.size(), 2u);
    EXPECT_EQ(twoLines.paragraphs[1].runs.at(0).text, "dwa wiersze");
    EXPECT_NE(rows[1]->definition.find("\\clbrdrt\\brdrs"), std::string::npos);
    EXPECT_EQ(PlainText(document),
              "Karta urlopowa: <<NAZWISKO IMIE1>>\nRok\nNależny\nWykorzystany\n2026\n"
              "<<Grupa|Nazwa|Kon>>\nłącznie\ndwa wiersze\nZałączniki:\n"
              "wniosek o urlop <<IMIE12 NAZWISKO>>\nkarta ewidencyjna\nzaświadczenie lekarskie\n"
              "Koniec.\n");
}

TEST(RtfReader, LibreOfficeBulletsAndPage) {
    const Document list = ReadRtf(Data("tabela.rtf"));
    const Paragraph& bullet = NthParagraph(list, 2);
    EXPECT_EQ(bullet.runs.at(0).text, "wniosek o urlop <<IMIE12 NAZWISKO>>");
    EXPECT_EQ(bullet.format.list, 1);
    EXPECT_EQ(bullet.format.leftIndent, 720);
    EXPECT_EQ(bullet.format.firstLineIndent, -360);
    EXPECT_NE(bullet.listText.find("\\u8226"), std::string::npos);

    const Document landscape = ReadRtf(Data("pejzaz.rtf"));
    EXPECT_TRUE(landscape.page.landscape);
    EXPECT_EQ(landscape.page.width, 16838);
    EXPECT_EQ(landscape.page.height, 11906);
    EXPECT_EQ(landscape.page.marginLeft, 1134);
    // The header and footer are kept, not read as text.
    EXPECT_NE(landscape.prolog.find("{\\header"), std::string::npos);
    EXPECT_NE(landscape.prolog.find("{\\footer"), std::string::npos);
    EXPECT_EQ(PlainText(landscape),
              "Wykaz w układzie poziomym dla <<IMIE1 NAZWISKO>>.\nŹdźbło, łąka, gęś.\n");
}

TEST(RtfReader, RefusesWhatIsNoRtfOrTooMuch) {
    EXPECT_THROW(ReadRtf("Zwykły tekst"), RtfError);
    EXPECT_THROW(ReadRtf(""), RtfError);
    RtfLimits small;
    small.maxDepth = 10;
    EXPECT_THROW(
        ReadRtf("{\\rtf1" + std::string(20, '{') + "x" + std::string(20, '}') + "}", small),
        RtfError);
    EXPECT_NO_THROW(
        ReadRtf("{\\rtf1" + std::string(8, '{') + "x" + std::string(8, '}') + "}", small));
    small.maxElements = 100;
    std::string many = "{\\rtf1 ";
    for (int i = 0; i < 200; ++i)
        many += "a\\par ";
    EXPECT_THROW(ReadRtf(many + "}", small), RtfError);
    small.maxBytes = 16;
    EXPECT_THROW(ReadRtf(many + "}", small), RtfError);
}

TEST(RtfReader, AnyCutOfARealFileReads) {
    // A file cut anywhere (a lost tail, a broken download) still reads, and its text is a
    // prefix of the whole file's text as far as the cut paragraph.
    const std::string whole = Data("pismo.rtf");
    for (size_t cut = 6; cut < whole.size(); cut += 7) {
        const Document document = ReadRtf(whole.substr(0, cut));
        const std::string written = WriteRtf(document);
        EXPECT_EQ(WriteRtf(ReadRtf(written)), written) << "cut at " << cut;
    }
}

}  // namespace

namespace {

TEST(RtfReader, KeptGroupCutInsideBinaryDataSavesTheSameTwice) {
    // A kept group whose \bin claims more bytes than the file has: written back with its
    // braces closed, the count would swallow them and the next save would differ.
    for (const char* rtf : {"{\\rtf1{\\fonttbl{\\f0 Arial;}{\\*\\panose \\bin999 x}}}",
                            "{\\rtf1{\\fonttbl{\\f0{\\*\\falt {\\bin50 abc}}}} tekst\\par}",
                            "{\\rtf1 a{\\*\\zzz \\bin4 ab"}) {
        const std::string first = WriteRtf(ReadRtf(rtf));
        const std::string second = WriteRtf(ReadRtf(first));
        EXPECT_EQ(second, first) << rtf;
        EXPECT_EQ(WriteRtf(ReadRtf(second)), second) << rtf;
    }
}

}  // namespace

namespace mirta::documents {
namespace {

TEST(ListMarkText, TheKeptMarkGroupReadAsText) {
    EXPECT_EQ(ListMarkText("{\\listtext\\pard\\plain \\u8226\\'95\\tab}", 1250), "\u2022\t");
    EXPECT_EQ(ListMarkText("{\\pntext\\f1 1.\\tab}", 1250), "1.\t");
    EXPECT_EQ(ListMarkText("{\\listtext \\'b9)\\tab}", 1250), "ą)\t");
    EXPECT_EQ(ListMarkText("- ", 1250), "- ");
    EXPECT_EQ(ListMarkText("{\\listtext\\u", 1250), "");  // broken: nothing, no error
}

}  // namespace
}  // namespace mirta::documents
