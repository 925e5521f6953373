#pragma once
// Locale-independent number texts for the properties: 6 significant digits
// for people, the shortest exact round trip for JSON, and JSON string escaping.

#include <string>
#include <string_view>

namespace velkora {

// 6 significant digits with a decimal point, never a comma: 1.41421, 0.707107, 2.
std::string sixDigits(double value);

// The shortest text that reads back as exactly value; "null" for NaN or infinity.
std::string jsonNumber(double value);

// value as a quoted JSON string: quote, backslash and control bytes escaped,
// other bytes (UTF-8) kept.
std::string jsonString(std::string_view value);

}  // namespace velkora
