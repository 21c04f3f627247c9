#include "engine/paradox_dump.h"

#include <cstdio>

#include "engine/dump_text.h"
#include "engine/paradox_table.h"

namespace mirta::engine {

using namespace paradox;

namespace {

uint32_t Fnv1a32(const uint8_t* p, size_t n) {
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < n; ++i) {
        h ^= p[i];
        h *= 16777619u;
    }
    return h;
}

void AppendNumber(std::string& out, double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    out += buf;
}

void AppendHex(std::string& out, const uint8_t* p, size_t n) {
    static const char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < n; ++i) {
        out += kDigits[p[i] >> 4];
        out += kDigits[p[i] & 0xF];
    }
}

void AppendField(std::string& out, const StoredField& f, const uint8_t* record,
                 const CodePage& cp) {
    const uint8_t* p = record + f.offset;
    switch (f.code) {
        case kAlpha: {
            if (p[0] == 0) {
                out += kDumpNull;
                return;
            }
            size_t len = 0;
            while (len < static_cast<size_t>(f.size) && p[len])
                ++len;
            if (len == 2 && p[0] == '\\' && p[1] == 'N') {
                out += "\\\\N";
                return;
            }
            AppendDumpText(out, {reinterpret_cast<const char*>(p), len}, cp);
            return;
        }
        case kMemo:
        case kBlob:
        case kFmtMemo:
        case kOle:
        case kGraphic: {
            BlobRef ref = ReadBlobRef(p, f.size);
            if (ref.length == 0) {
                out += kDumpNull;
            } else if (!ref.InRecord()) {
                out += "<blob:" + std::to_string(ref.length) + ">";
            } else if (f.code == kMemo) {
                size_t len = 0;
                while (len < ref.length && p[len])
                    ++len;
                AppendDumpText(out, {reinterpret_cast<const char*>(p), len}, cp);
            } else {
                char buf[16];
                std::snprintf(buf, sizeof buf, "%08x", Fnv1a32(p, ref.length));
                out += "<blob:" + std::to_string(ref.length) + ":fnv1a32=" + buf + ">";
            }
            return;
        }
        case kBcd: {
            std::string text = DecodeBcd(p, f.decimals);
            out += text.empty() ? std::string(kDumpNull) : text;
            return;
        }
        default:
            break;
    }
    if (IsEmpty(p, f.size)) {
        out += kDumpNull;
        return;
    }
    switch (f.code) {
        case kDate:
            out += FormatDate(static_cast<int32_t>(DecodeInt(p, 4)));
            return;
        case kTime:
            out += FormatTime(static_cast<int32_t>(DecodeInt(p, 4)));
            return;
        case kTimestamp:
            out += FormatTimestamp(DecodeDouble(p));
            return;
        case kShort:
        case kLong:
        case kAutoInc:
            out += std::to_string(DecodeInt(p, f.size));
            return;
        case kNumber:
        case kMoney:
            AppendNumber(out, DecodeDouble(p));
            return;
        case kLogical:
            out += p[0] == 0x81 ? "T" : p[0] == 0x80 ? "F" : "\\N";
            return;
        case kBytes:
            out += "x:";
            AppendHex(out, p, f.size);
            return;
        default:
            out += kDumpNull;
            return;
    }
}

}  // namespace

void DumpParadox(FileSystem& fs, const std::string& path, const CodePage* forced,
                 std::ostream& out) {
    ParadoxOpenOptions options;
    options.readOnly = true;
    options.codePage = forced;  // names as well as values
    auto table = ParadoxTable::Open(fs, path, options);
    const Header& h = table->FileHeader();
    const CodePage& cp = table->TextCodePage();

    std::string line;
    for (size_t i = 0; i < h.fields.size(); ++i) {
        if (i)
            line += '\t';
        // Names were decoded when the table was opened.
        line += h.fields[i].name;
        line += ':';
        line += TypeLabel(h.descriptors[2 * i], h.descriptors[2 * i + 1]);
    }
    line += '\n';
    out << line;
    table->ForEachRawRecord([&](const uint8_t* record) {
        line.clear();
        for (size_t i = 0; i < h.stored.size(); ++i) {
            if (i)
                line += '\t';
            AppendField(line, h.stored[i], record, cp);
        }
        line += '\n';
        out << line;
        return true;
    });
}

}  // namespace mirta::engine
