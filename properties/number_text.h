#pragma once
// Locale-independent number texts: numbers for people as the German UI shows
// them (decimal comma), the shortest exact round trip for JSON, and JSON
// string escaping.

#include <string>
#include <string_view>

namespace velkora {

// A number for people, with a decimal comma whatever the environment's
// locale: 6 significant digits by default (1,41421, 0,707107, 2,
// 1,23457e+06), or exactly decimals places when decimals >= 0 (48,0).
std::string peopleNumber(double value, int decimals = -1);

// The shortest text that reads back as exactly value; "null" for NaN or infinity.
std::string jsonNumber(double value);

// value as a quoted JSON string: quote, backslash and control bytes escaped,
// other bytes (UTF-8) kept.
std::string jsonString(std::string_view value);

}  // namespace velkora
