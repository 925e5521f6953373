#pragma once
// Numbers as text for files and for programs: always a decimal point, never
// the locale's separator or digit grouping, whatever locale the process has.
// Numbers for people are formatted elsewhere, in the UI's language.

#include <string>

namespace velkora {

// value with exactly decimals digits after the point (0 <= decimals <= 17):
// 1.500000. A value that rounds to zero is written without a minus sign.
// Non-finite values are written as "nan", "inf" or "-inf".
std::string fixedText(double value, int decimals);

// value rounded to digits significant digits (1 <= digits <= 17), in the
// shorter of fixed and exponent form, without trailing zeros: 1.41421, 2, 1e-07.
std::string significantText(double value, int digits);

// The shortest text that reads back as exactly value: 0.1, 1e-07, 2.
// Non-finite values are written as "nan", "inf" or "-inf".
std::string shortestText(double value);

}  // namespace velkora
