#pragma once

#include <string>
#include <string_view>

#include "engine/value.h"

namespace mirta::engine {

// The text a field shows when no get-text hook says otherwise: text as stored, integers in
// decimal, numbers with a decimal comma, dates "yyyy-mm-dd", times "hh:mm:ss", logicals
// "Tak"/"Nie", the empty value as "".
std::string FormatFieldValue(const FieldDef& field, const Value& value);

// Reads typed text as a value of the field, the inverse of FormatFieldValue; a decimal point
// is accepted as well as a comma, and dates may be separated by '-', '/' or '.'. Empty text
// gives the empty value. Throws EngineError naming the field when the text does not convert.
Value ParseFieldText(const FieldDef& field, std::string_view text);

// The value converted to the kind the field stores (an integer into a number field, a whole
// number into an integer field, text into a text field). Throws EngineError when it does not
// fit: another kind, or an integer out of the field's range.
Value CoerceToField(const FieldDef& field, const Value& value);

// Whether two stored values are equal, numbers compared by value whatever their kind.
bool SameValue(const Value& a, const Value& b);

}  // namespace mirta::engine
