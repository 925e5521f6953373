// Splitting and converting one vertex line.
#include <charconv>
#include <cmath>
#include <string_view>
#include "base/portable_charconv.h"

#include "model/load.h"

namespace velkora {
namespace {

// Takes the text before the first space and removes it and that space from
// rest; with no space the field is empty and rest stays as it is.
std::string_view takeField(std::string_view& rest) {
  const auto space = rest.find(' ');
  if (space == std::string_view::npos) {
    return {};
  }
  const std::string_view field = rest.substr(0, space);
  rest.remove_prefix(space + 1);
  return field;
}

// A decimal number with a point: leading spaces, a sign, digits with an
// optional fraction and exponent, to the last character. Anything else,
// including words such as "inf" or "nan" and values out of the double range,
// gives 0.0.
double numberOrZero(std::string_view text) {
  while (!text.empty() && text.front() == ' ') {
    text.remove_prefix(1);
  }
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Only a digit or a point may follow; this also keeps out a second sign.
  if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
    return 0.0;
  }
  double value = 0.0;
  const char* const end = text.data() + text.size();
  const auto [ptr, ec] = fromCharsGeneral(text.data(), end, value);
  if (ec != std::errc{} || ptr != end || !std::isfinite(value)) {
    return 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

void parsePoint(std::string_view line, double& x, double& y, double& z) {
  std::string_view rest = line;
  const std::string_view xText = takeField(rest);
  const std::string_view yText = takeField(rest);
  x = numberOrZero(xText);
  y = numberOrZero(yText);
  z = numberOrZero(rest);
}

}  // namespace velkora
