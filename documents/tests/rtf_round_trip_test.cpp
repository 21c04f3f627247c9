// Documents written by word processors survive a load and a save: the model reads back
// equal, and independent readers (LibreOffice, unrtf) see the same text in what we wrote.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "wspolne/testing/program_zewnetrzny.h"

using namespace mirta::documents;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<fs::path> RtfFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".rtf")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<fs::path> AllSamples() {
    std::vector<fs::path> files = RtfFiles(MIRTA_DOCUMENTS_DATA);
    // The shared samples may be absent from a checkout; ours are always there.
    const fs::path shared = fs::path(MIRTA_FIXTURES) / "rtf" / "rtfparserkit";
    if (fs::is_directory(shared))
        for (const fs::path& p : RtfFiles(shared))
            files.push_back(p);
    return files;
}

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

// Text without whitespace: readers differ in how they break lines and cells (unrtf even
// puts a cell's leading letters before the cell's tag).
std::string Letters(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            out += c;
    return out;
}

// unrtf's HTML as plain text: tags dropped, the entities it writes decoded.
std::string HtmlText(const std::string& html) {
    static const std::pair<std::string_view, std::string_view> kNamed[] = {
        {"amp", "&"},    {"lt", "<"},     {"gt", ">"},     {"quot", "\""}, {"nbsp", " "},
        {"oacute", "ó"}, {"Oacute", "Ó"}, {"ndash", "–"},  {"mdash", "—"}, {"bull", "•"},
        {"ldquo", "“"},  {"rdquo", "”"},  {"lsquo", "‘"},  {"rsquo", "’"}, {"uuml", "ü"},
        {"ouml", "ö"},   {"auml", "ä"},   {"Uuml", "Ü"},   {"Ouml", "Ö"},  {"Auml", "Ä"},
        {"szlig", "ß"},  {"hellip", "…"}, {"middot", "·"}, {"shy", ""},
    };
    std::string out;
    size_t body = html.find("<body");
    for (size_t i = body == std::string::npos ? 0 : body; i < html.size(); ++i) {
        if (html[i] == '<') {
            const size_t end = html.find('>', i);
            if (end == std::string::npos)
                break;
            const std::string tag = html.substr(i, end - i);
            if (tag.rfind("<br", 0) == 0 || tag.rfind("<td", 0) == 0 || tag.rfind("<p", 0) == 0)
                out += ' ';
            i = end;
        } else if (html[i] == '&') {
            const size_t end = html.find(';', i);
            if (end == std::string::npos) {
                out += '&';
                continue;
            }
            const std::string name = html.substr(i + 1, end - i - 1);
            if (!name.empty() && name[0] == '#') {
                const long code = std::strtol(name.c_str() + 1, nullptr, 10);
                char32_t c = static_cast<char32_t>(code);
                std::string utf8;
                if (c < 0x80) {
                    utf8 += static_cast<char>(c);
                } else if (c < 0x800) {
                    utf8 += static_cast<char>(0xC0 | (c >> 6));
                    utf8 += static_cast<char>(0x80 | (c & 0x3F));
                } else {
                    utf8 += static_cast<char>(0xE0 | (c >> 12));
                    utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                    utf8 += static_cast<char>(0x80 | (c & 0x3F));
                }
                out += utf8;
            } else {
                bool known = false;
                for (auto [entity, text] : kNamed)
                    if (entity == name) {
                        out += text;
                        known = true;
                    }
                if (!known)
                    out += "&" + name + ";";
            }
            i = end;
        } else {
            out += html[i];
        }
    }
    return out;
}

TEST(RtfRoundTrip, ModelReadsBackEqualAndWritingIsStable) {
    for (const fs::path& file : AllSamples()) {
        SCOPED_TRACE(file.filename().string());
        const Document read = ReadRtf(ReadFile(file));
        const std::string written = WriteRtf(read);
        const Document again = ReadRtf(written);
        EXPECT_EQ(PlainText(again), PlainText(read));
        EXPECT_TRUE(again == read) << "the model changed in a save";
        EXPECT_EQ(WriteRtf(again), written);
    }
}

TEST(RtfRoundTrip, UnknownDestinationsSurvive) {
    const std::string rtf =
        R"({\rtf1\ansi{\*\mirtaprolog zachowaj{\*\inner x}}\pard tekst{\*\mirtarun \'b9}dalej\par)"
        R"({\*\mirtablock blok}\pard koniec\par})";
    const std::string written = WriteRtf(ReadRtf(rtf));
    for (const char* kept : {R"({\*\mirtaprolog zachowaj{\*\inner x}})", R"({\*\mirtarun \'b9})",
                             R"({\*\mirtablock blok})"})
        EXPECT_NE(written.find(kept), std::string::npos) << kept;
    EXPECT_EQ(PlainText(ReadRtf(written)), "tekstdalej\nkoniec\n");
}

TEST(RtfRoundTrip, UnrtfReadsTheTextWeWrite) {
    MIRTA_WYMAGA_PROGRAMU(HaveProgram("unrtf"), "unrtf");
    const fs::path folder = fs::path(testing::TempDir()) / "mirta_unrtf";
    fs::create_directories(folder);
    for (const fs::path& file : RtfFiles(MIRTA_DOCUMENTS_DATA)) {
        SCOPED_TRACE(file.filename().string());
        const Document document = ReadRtf(ReadFile(file));
        const fs::path saved = folder / file.filename();
        WriteFile(saved, WriteRtf(document));
        const std::string seen =
            Letters(HtmlText(RunCommand("unrtf --html '" + saved.string() + "' 2>/dev/null")));
        // Every paragraph, in order (unrtf also shows headers and footers, which we keep).
        size_t from = 0;
        ForEachParagraph(document, [&](const Paragraph& paragraph) {
            std::string text;
            for (const auto& run : paragraph.runs)
                text += run.text;
            text = Letters(text);
            if (text.empty())
                return;
            const size_t at = seen.find(text, from);
            EXPECT_NE(at, std::string::npos) << text << "\nin: " << seen;
            if (at != std::string::npos)
                from = at + text.size();
        });
    }
}

TEST(RtfRoundTrip, LibreOfficeSeesTheSameTextAndFormattingInWhatWeSave) {
    MIRTA_WYMAGA_PROGRAMU(HaveProgram("soffice"), "LibreOffice (soffice)");
    const fs::path folder = fs::path(testing::TempDir()) / "mirta_soffice";
    fs::remove_all(folder);
    fs::create_directories(folder / "oryginal");
    fs::create_directories(folder / "zapis");
    std::vector<std::string> names;
    for (const fs::path& file : RtfFiles(MIRTA_DOCUMENTS_DATA)) {
        names.push_back(file.stem().string());
        fs::copy_file(file, folder / "oryginal" / file.filename());
        WriteFile(folder / "zapis" / file.filename(), WriteRtf(ReadRtf(ReadFile(file))));
    }
    const std::string profile = "-env:UserInstallation=file://" + (folder / "profil").string();
    // Text, and XHTML, which shows the formatting LibreOffice read: fonts, sizes, bold, italic,
    // underline, colours, alignment, indents, tables, lists.
    const std::pair<const char*, const char*> formats[] = {{"txt:Text (encoded):UTF8", ".txt"},
                                                           {"xhtml", ".xhtml"}};
    for (const char* side : {"oryginal", "zapis"})
        for (const auto& [filter, extension] : formats)
            RunCommand("cd '" + (folder / side).string() + "' && HOME='" + folder.string() +
                       "' soffice " + profile + " --headless --convert-to '" + filter +
                       "' --outdir wynik *.rtf 2>&1");
    for (const std::string& name : names)
        for (const auto& [filter, extension] : formats) {
            SCOPED_TRACE(name + extension);
            const std::string original =
                ReadFile(folder / "oryginal" / "wynik" / (name + extension));
            const std::string saved = ReadFile(folder / "zapis" / "wynik" / (name + extension));
            ASSERT_FALSE(original.empty()) << "LibreOffice did not convert the original";
            EXPECT_EQ(saved, original);
        }
}

}  // namespace
