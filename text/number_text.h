#pragma once
// Numbers as text, whatever locale the process has: for files and for
// programs always with a decimal point and no digit grouping; for people
// with the interface language's decimal mark (peopleNumber).

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

// A number for people, with the language's decimal mark (a comma in German):
// 6 significant digits by default (1,41421, 0,707107, 2, 1,23457e+06), or
// exactly decimals places when decimals >= 0 (48,0).
std::string peopleNumber(double value, int decimals = -1);

}  // namespace velkora
