#include "engine/dump_text.h"

#include <cstdio>

namespace mirta::engine {

void AppendDumpText(std::string& out, std::string_view bytes, const CodePage& codePage) {
    for (unsigned char b : bytes) {
        switch (b) {
            case '\\':
                out += "\\\\";
                continue;
            case '\t':
                out += "\\t";
                continue;
            case '\r':
                out += "\\r";
                continue;
            case '\n':
                out += "\\n";
                continue;
            default:
                break;
        }
        int32_t cp = codePage.ToUnicode(b);
        if (b < 0x20 || b == 0x7F || cp < 0) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", b);
            out += buf;
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            AppendUtf8(out, static_cast<char32_t>(cp));
        }
    }
}

}  // namespace mirta::engine
