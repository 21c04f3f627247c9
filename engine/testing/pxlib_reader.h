#pragma once

#include <string>
#include <vector>

namespace mirta::engine::testing {

// Reads a Paradox table with pxlib, an independent implementation of the format, and returns
// every record's fields as text: alpha as stored bytes, integers and dates (day numbers) in
// decimal, numbers as %.17g, logicals T/F, empty as "\N". Throws std::runtime_error when
// pxlib cannot open or read the file.
std::vector<std::vector<std::string>> ReadWithPxlib(const std::string& path);

// The same read through the table's primary index: pxlib reads the index
// (PX_read_primary_index), attaches it to the table, checking that its leaves cover every
// record, and finds every record through it. Throws std::runtime_error with pxlib's message.
std::vector<std::vector<std::string>> ReadWithPxlibIndex(const std::string& path,
                                                         const std::string& indexPath);

// Field names as pxlib reports them, with their type letters and sizes ("Name:A20").
std::vector<std::string> FieldsWithPxlib(const std::string& path);

}  // namespace mirta::engine::testing
