// Reads arbitrary bytes as RTF: the reader must end in a document or an RtfError, never a
// crash or a hang. A document it reads must write and read back to the same model, write
// again to the same bytes, and take substitution and the template check.
#include <cstdint>
#include <string>

#include "documents/rtf_reader.h"
#include "documents/rtf_writer.h"
#include "documents/substitution.h"
#include "documents/template_check.h"

using namespace mirta::documents;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RtfLimits limits;
    limits.maxBytes = 1 << 20;
    limits.maxElements = 20000;
    Document document;
    try {
        document = ReadRtf(bytes, limits);
    } catch (const RtfError&) {
        return 0;
    }
    const std::string written = WriteRtf(document);
    Document again;
    try {
        again = ReadRtf(written);
    } catch (const RtfError&) {
        __builtin_trap();  // what we write must read
    }
    if (WriteRtf(again) != written)
        __builtin_trap();

    FixedTagValues values({{"<<NAZWISKO>>", "Żółkiewska <<NAZWISKO>>"}, {"<<i| >>", ""}});
    FindUnknownTags(document, values.Tags());
    SubstituteInDocument(document, values);
    ReadRtf(WriteRtf(document));
    return 0;
}
