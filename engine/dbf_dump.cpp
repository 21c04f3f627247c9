#include "engine/dbf_dump.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>
#include <string_view>

#include "engine/dbf_table.h"
#include "engine/dump_text.h"
#include "engine/value.h"

namespace mirta::engine {

namespace {

constexpr uint64_t kChunkBytes = 1 << 20;

void AppendHex(std::string& out, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (unsigned char b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
}

void AppendDate(std::string& out, std::string_view raw, const CodePage& cp) {
    if (AllSpaces(raw) || raw == "00000000") {
        out += kDumpNull;
        return;
    }
    int y = -1, m = 0, d = 0;
    bool digits = raw.size() == 8 &&
                  std::all_of(raw.begin(), raw.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits) {
        std::from_chars(raw.data(), raw.data() + 4, y);
        std::from_chars(raw.data() + 4, raw.data() + 6, m);
        std::from_chars(raw.data() + 6, raw.data() + 8, d);
    }
    if (!digits || !IsValidCivil(y, m, d)) {
        out += "!date:";
        AppendDumpText(out, raw, cp);
        return;
    }
    out.append(raw.substr(0, 4)).append("-").append(raw.substr(4, 2)).append("-");
    out.append(raw.substr(6, 2));
}

void AppendMemo(std::string& out, std::string_view raw, bool binary, const CodePage& cp) {
    if (binary) {
        uint32_t block = 0;
        for (size_t i = 0; i < 4; ++i)
            block |= uint32_t(static_cast<uint8_t>(raw[i])) << (8 * i);
        if (block == 0)
            out += kDumpNull;
        else
            out += "memo:" + std::to_string(block);
        return;
    }
    std::string_view text = TrimSpaces(raw);
    uint64_t block = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), block);
    if (text.empty()) {
        out += kDumpNull;
    } else if (ec == std::errc() && end == text.data() + text.size()) {
        out += "memo:" + std::to_string(block);
    } else {
        out += "!memo:";
        AppendDumpText(out, raw, cp);
    }
}

void AppendValue(std::string& out, const DbfColumn& column, std::string_view raw, bool foxPro,
                 const CodePage& cp) {
    switch (column.type) {
        case 'C': {
            while (!raw.empty() && raw.back() == ' ')
                raw.remove_suffix(1);
            AppendDumpText(out, raw, cp);
            return;
        }
        case 'N':
        case 'F': {
            std::string_view text = TrimSpaces(raw);
            if (text.empty())
                out += kDumpNull;
            else
                AppendDumpText(out, text, cp);
            return;
        }
        case 'D':
            AppendDate(out, raw, cp);
            return;
        case 'L':
            switch (raw[0]) {
                case 'T':
                case 't':
                case 'Y':
                case 'y':
                    out += 'T';
                    return;
                case 'F':
                case 'f':
                case 'N':
                case 'n':
                    out += 'F';
                    return;
                case '?':
                case ' ':
                    out += kDumpNull;
                    return;
                default:
                    out += "!logical:";
                    AppendDumpText(out, raw, cp);
                    return;
            }
        case 'M':
        case 'B':
        case 'G':
            // FoxPro keeps memo pointers as 4-byte integers and B as a binary double.
            if (foxPro && column.type == 'B')
                break;
            if (foxPro && raw.size() == 4) {
                AppendMemo(out, raw, true, cp);
                return;
            }
            if (!foxPro || raw.size() == 10) {
                AppendMemo(out, raw, false, cp);
                return;
            }
            break;
        default:
            break;
    }
    out += "x:";
    AppendHex(out, raw);
}

}  // namespace

void DumpDbf(FileSystem& fs, const std::string& path, const CodePage* forced, std::ostream& out) {
    DbfOptions options;
    options.codePage = forced;
    options.readOnly = true;
    auto table = DbfTable::Open(fs, path, options);
    const CodePage& cp = table->TextCodePage();
    const auto& columns = table->Columns();
    const uint8_t version = table->Version();
    const bool foxPro = version == 0xF5 || (version >= 0x30 && version <= 0x32);

    std::string line = "_DELETED:L";
    for (const auto& c : columns) {
        line += '\t';
        AppendDumpText(line, c.rawName, cp);
        line += ':';
        line += c.type;
        line += std::to_string(c.length);
        if (c.type == 'N' || c.type == 'F')
            line += "." + std::to_string(c.decimals);
    }
    line += '\n';
    out << line;

    const uint64_t recordSize = table->RecordSize();
    const uint64_t perChunk = std::max<uint64_t>(1, kChunkBytes / recordSize);
    std::string chunk;
    std::string text;
    for (uint64_t first = 0; first < table->RecordCount(); first += perChunk) {
        const uint64_t n = std::min(perChunk, table->RecordCount() - first);
        chunk.clear();
        table->ReadRawRecords(first, n, chunk);
        text.clear();
        for (uint64_t i = 0; i < n; ++i) {
            std::string_view record(chunk.data() + i * recordSize, recordSize);
            const unsigned char flag = static_cast<unsigned char>(record[0]);
            if (flag == '*') {
                text += 'T';
            } else if (flag == ' ') {
                text += 'F';
            } else {
                char buf[16];
                std::snprintf(buf, sizeof buf, "!flag:%02x", flag);
                text += buf;
            }
            for (const auto& c : columns) {
                text += '\t';
                AppendValue(text, c, record.substr(c.offset, size_t(c.length)), foxPro, cp);
            }
            text += '\n';
        }
        out << text;
    }
}

void DumpDbf(FileSystem& fs, const std::string& path, const CodePage* forced, std::string& out) {
    std::ostringstream stream;
    DumpDbf(fs, path, forced, stream);
    out += stream.str();
}

}  // namespace mirta::engine
