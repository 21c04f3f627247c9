#include "engine/testing/pxlib_reader.h"

extern "C" {
#include <paradox.h>
}

#include <climits>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace mirta::engine::testing {

namespace {

void KeepMessage(pxdoc_t*, int, const char* msg, void* data) {
    auto* last = static_cast<std::string*>(data);
    if (last && msg)
        *last = msg;
}

struct PxDoc {
    pxdoc_t* doc = nullptr;
    std::string message;  // pxlib's last error
    explicit PxDoc(const std::string& path) {
        static bool booted = [] {
            PX_boot();
            return true;
        }();
        (void)booted;
        doc = PX_new3(KeepMessage, nullptr, nullptr, nullptr, &message);
        if (!doc || PX_open_file(doc, path.c_str()) < 0) {
            if (doc)
                PX_delete(doc);
            doc = nullptr;
            throw std::runtime_error("pxlib cannot open " + path + ": " + message);
        }
    }
    PxDoc(const PxDoc&) = delete;
    PxDoc& operator=(const PxDoc&) = delete;
    ~PxDoc() { Release(); }
    void Release() {
        if (doc) {
            PX_close(doc);
            PX_delete(doc);
        }
        doc = nullptr;
    }
};

std::string Number(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::vector<std::vector<std::string>> ReadRows(PxDoc& px) {
    const int fields = PX_get_num_fields(px.doc);
    const int records = PX_get_num_records(px.doc);
    pxfield_t* defs = PX_get_fields(px.doc);
    std::vector<char> data(static_cast<size_t>(px.doc->px_head->px_recordsize));
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < records; ++r) {
        if (!PX_get_record(px.doc, r, data.data()))
            throw std::runtime_error("pxlib cannot read record " + std::to_string(r) + ": " +
                                     px.message);
        std::vector<std::string> row;
        int offset = 0;
        for (int f = 0; f < fields; ++f) {
            char* p = data.data() + offset;
            const int len = defs[f].px_flen;
            std::string text = "\\N";
            switch (defs[f].px_ftype) {
                case pxfAlpha: {
                    char* value = nullptr;
                    if (PX_get_data_alpha(px.doc, p, len, &value) > 0 && value) {
                        text = value;
                        px.doc->free(px.doc, value);
                    }
                    break;
                }
                case pxfShort: {
                    short v = 0;
                    if (PX_get_data_short(px.doc, p, len, &v) > 0)
                        text = std::to_string(v);
                    break;
                }
                case pxfLong:
                case pxfAutoInc:
                case pxfDate:
                case pxfTime: {
                    long v = 0;
                    // pxlib 0.6.8 on 64-bit hosts reports some empty values as LONG_MIN.
                    if (PX_get_data_long(px.doc, p, len, &v) > 0 && v != INT_MIN && v != LONG_MIN)
                        text = std::to_string(v);
                    break;
                }
                case pxfNumber:
                case pxfCurrency:
                case pxfTimestamp: {
                    double v = 0;
                    if (PX_get_data_double(px.doc, p, len, &v) > 0)
                        text = Number(v);
                    break;
                }
                case pxfLogical: {
                    char v = 0;
                    if (PX_get_data_byte(px.doc, p, len, &v) > 0)
                        text = v ? "T" : "F";
                    break;
                }
                default:
                    text = "?";
                    break;
            }
            row.push_back(text);
            offset += len;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

std::vector<std::vector<std::string>> ReadWithPxlib(const std::string& path) {
    PxDoc px(path);
    return ReadRows(px);
}

std::vector<std::vector<std::string>> ReadWithPxlibIndex(const std::string& path,
                                                         const std::string& indexPath) {
    PxDoc px(path);
    PxDoc index(indexPath);
    if (PX_read_primary_index(index.doc) < 0)
        throw std::runtime_error("pxlib cannot read the index " + indexPath + ": " + index.message);
    // The installed pxlib names PX_set_primary_index so. The table keeps using the index's
    // data, so the index is deleted after it.
    // The index pxlib builds for a keyed table on opening is replaced, not freed.
    void* own = px.doc->px_indexdata;
    if (PX_add_primary_index(px.doc, index.doc) < 0)
        throw std::runtime_error("pxlib cannot attach the index " + indexPath + ": " + px.message);
    if (own && own != px.doc->px_indexdata && own != px.doc->px_data)
        px.doc->free(px.doc, own);
    auto rows = ReadRows(px);
    px.Release();
    // pxlib frees neither the entries it read nor their array.
    auto* entries = static_cast<pxpindex_t*>(index.doc->px_data);
    for (int i = 0; entries && i < index.doc->px_datalen; ++i)
        index.doc->free(index.doc, entries[i].data);
    if (entries)
        index.doc->free(index.doc, entries);
    index.doc->px_data = nullptr;
    return rows;
}

std::vector<std::string> FieldsWithPxlib(const std::string& path) {
    PxDoc px(path);
    std::vector<std::string> out;
    pxfield_t* defs = PX_get_fields(px.doc);
    for (int f = 0; f < PX_get_num_fields(px.doc); ++f) {
        char letter = '?';
        switch (defs[f].px_ftype) {
            case pxfAlpha:
                letter = 'A';
                break;
            case pxfDate:
                letter = 'D';
                break;
            case pxfShort:
                letter = 'S';
                break;
            case pxfLong:
                letter = 'I';
                break;
            case pxfCurrency:
                letter = '$';
                break;
            case pxfNumber:
                letter = 'N';
                break;
            case pxfLogical:
                letter = 'L';
                break;
            case pxfTime:
                letter = 'T';
                break;
            case pxfTimestamp:
                letter = '@';
                break;
            case pxfAutoInc:
                letter = '+';
                break;
            default:
                break;
        }
        out.push_back(std::string(defs[f].px_fname) + ":" + letter +
                      (letter == 'A' ? std::to_string(defs[f].px_flen) : ""));
    }
    return out;
}

}  // namespace mirta::engine::testing
