#include "base/portable_charconv.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// The fallbacks print and read through the C library, whose conversions are
// exact (correctly rounded) in both builds; the program never sets a locale
// for LC_NUMERIC other than "C" where they run.

namespace velkora::portable_fallback {

namespace {

std::to_chars_result copyOut(char* first, char* last, const std::string& text) {
  if (static_cast<std::size_t>(last - first) < text.size()) {
    return {last, std::errc::value_too_large};
  }
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), std::errc{}};
}

std::string printed(const char* format, int precision, double value) {
  char buffer[512];
  const int length = std::snprintf(buffer, sizeof buffer, format, precision, value);
  return std::string(buffer, static_cast<std::size_t>(length < 0 ? 0 : length));
}

// infinity and NaN as std::to_chars writes them.
bool special(double value, std::string& text) {
  if (std::isnan(value)) {
    text = std::signbit(value) ? "-nan" : "nan";
    return true;
  }
  if (std::isinf(value)) {
    text = value < 0 ? "-inf" : "inf";
    return true;
  }
  return false;
}

}  // namespace

namespace {

// A decimal as digits d1 d2 ... dn (d1 not 0) and the exponent of d1.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal decimalOf(const std::string& scientific) {
  Decimal decimal;
  const std::size_t e = scientific.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (scientific[i] >= '0' && scientific[i] <= '9') decimal.digits += scientific[i];
  }
  decimal.exponent = std::atoi(scientific.c_str() + e + 1);
  return decimal;
}

std::string scientificText(const Decimal& d) {
  std::string text(1, d.digits.front());
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
  text += d.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) text += '0';
  return text + std::to_string(magnitude);
}

// The decimal one unit of its last digit up (+1) or down (-1), with as many
// digits; empty digits when that leaves the digits' range.
Decimal neighbour(Decimal d, int direction) {
  std::string& digits = d.digits;
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0) {
    char& c = digits[static_cast<std::size_t>(i)];
    if (direction > 0 && c < '9') {
      ++c;
      break;
    }
    if (direction < 0 && c > '0') {
      --c;
      break;
    }
    c = direction > 0 ? '0' : '9';
    --i;
  }
  if (i < 0 || digits.front() == '0') digits.clear();
  return d;
}

bool readsBack(const Decimal& d, double magnitude) {
  return !d.digits.empty() && std::strtod(scientificText(d).c_str(), nullptr) == magnitude;
}

// The fewest significant digits that read back as magnitude (positive,
// finite); among several of that length the nearest, as printf rounds.
Decimal shortestDecimal(double magnitude) {
  Decimal found;
  for (int precision = 0; precision <= 16; ++precision) {
    const Decimal rounded = decimalOf(printed("%.*e", precision, magnitude));
    if (readsBack(rounded, magnitude)) return rounded;
    for (const int direction : {1, -1}) {
      const Decimal next = neighbour(rounded, direction);
      if (readsBack(next, magnitude)) return next;
    }
    found = rounded;
  }
  return found;
}

}  // namespace

std::to_chars_result toCharsShortest(char* first, char* last, double value) {
  std::string text;
  if (special(value, text)) return copyOut(first, last, text);
  if (value == 0.0) return copyOut(first, last, std::signbit(value) ? "-0" : "0");
  const bool negative = value < 0;
  Decimal d = shortestDecimal(std::fabs(value));
  while (d.digits.size() > 1 && d.digits.back() == '0')
    d.digits.pop_back();
  const std::string scientific = (negative ? "-" : "") + scientificText(d);
  // The same number in fixed notation; a whole number is written with all
  // its digits, exactly.
  std::string fixed;
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent >= count - 1) {
    fixed = printed("%.*f", 0, value);
  } else if (d.exponent >= 0) {
    fixed = (negative ? "-" : "") + d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1)) +
            "." + d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
  } else {
    fixed = std::string(negative ? "-" : "") + "0." +
            std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  }
  return copyOut(first, last, fixed.size() <= scientific.size() ? fixed : scientific);
}

std::to_chars_result toCharsFixed(char* first, char* last, double value, int decimals) {
  std::string text;
  if (special(value, text)) return copyOut(first, last, text);
  return copyOut(first, last, printed("%.*f", decimals, value));
}

std::to_chars_result toCharsGeneral(char* first, char* last, double value, int digits) {
  std::string text;
  if (special(value, text)) return copyOut(first, last, text);
  return copyOut(first, last, printed("%.*g", digits, value));
}

std::from_chars_result fromCharsGeneral(const char* first, const char* last, double& value) {
  // The longest prefix of the form [-]digits[.digits][(e|E)[+|-]digits], with
  // at least one digit before the exponent: what from_chars would take.
  const char* p = first;
  if (p != last && *p == '-') ++p;
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  // inf, infinity and nan, in any case, as from_chars reads them.
  const auto startsWithWord = [&](const char* at, const char* word) {
    const std::size_t length = std::strlen(word);
    if (static_cast<std::size_t>(last - at) < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
      if ((at[i] | 0x20) != word[i]) return false;
    }
    return true;
  };
  if (startsWithWord(p, "nan")) {
    value = *first == '-' ? -std::nan("") : std::nan("");
    return {p + 3, std::errc{}};
  }
  if (startsWithWord(p, "inf")) {
    value = *first == '-' ? -HUGE_VAL : HUGE_VAL;
    return {p + (startsWithWord(p, "infinity") ? 8 : 3), std::errc{}};
  }
  int mantissaDigits = 0;
  while (p != last && isDigit(*p)) {
    ++p;
    ++mantissaDigits;
  }
  if (p != last && *p == '.') {
    ++p;
    while (p != last && isDigit(*p)) {
      ++p;
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return {first, std::errc::invalid_argument};
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && isDigit(*q)) {
      while (q != last && isDigit(*q))
        ++q;
      p = q;
    }
  }
  const std::string text(first, p);
  errno = 0;
  const double read = std::strtod(text.c_str(), nullptr);
  if (errno == ERANGE && (std::isinf(read) || read == 0.0)) {
    return {p, std::errc::result_out_of_range};
  }
  value = read;
  return {p, std::errc{}};
}

}  // namespace velkora::portable_fallback
