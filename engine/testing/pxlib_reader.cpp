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

struct PxDoc {
    pxdoc_t* doc = nullptr;
    explicit PxDoc(const std::string& path) {
        static bool booted = [] {
            PX_boot();
            return true;
        }();
        (void)booted;
        doc = PX_new();
        if (!doc || PX_open_file(doc, path.c_str()) < 0) {
            if (doc)
                PX_delete(doc);
            doc = nullptr;
            throw std::runtime_error("pxlib cannot open " + path);
        }
    }
    ~PxDoc() {
        if (doc) {
            PX_close(doc);
            PX_delete(doc);
        }
    }
};

std::string Number(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

}  // namespace

std::vector<std::vector<std::string>> ReadWithPxlib(const std::string& path) {
    PxDoc px(path);
    const int fields = PX_get_num_fields(px.doc);
    const int records = PX_get_num_records(px.doc);
    pxfield_t* defs = PX_get_fields(px.doc);
    std::vector<char> data(static_cast<size_t>(px.doc->px_head->px_recordsize));
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < records; ++r) {
        if (!PX_get_record(px.doc, r, data.data()))
            throw std::runtime_error("pxlib cannot read record " + std::to_string(r));
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
