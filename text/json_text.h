#pragma once
// The pieces of the program's JSON output: strings escaped and numbers
// written without regard to the locale. Used by every JSON the program
// writes (properties, nets), so that there is one escaping and one number form.

#include <string>
#include <string_view>

namespace velkora {

// value as a quoted JSON string: quote, backslash and control bytes escaped,
// other bytes (UTF-8) kept.
std::string jsonString(std::string_view value);

// The shortest text that reads back as exactly value; "null" for NaN or infinity.
std::string jsonNumber(double value);

// value with a fixed number of decimals (see fixedText); "null" for NaN or infinity.
std::string jsonFixed(double value, int decimals);

}  // namespace velkora
