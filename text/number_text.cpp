#include "text/number_text.h"
#include "base/portable_charconv.h"

#include "text/ui_text.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace velkora {

std::string fixedText(double value, int decimals) {
  char buffer[400];  // 309 integer digits of the largest double, the point and 17 decimals
  const auto result = toCharsFixed(buffer, buffer + sizeof buffer, value, decimals);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // -0.000 and the like: a sign in front of nothing but zeros is dropped.
  if (text.size() > 1 && text.front() == '-' &&
      text.find_first_not_of("0.", 1) == std::string_view::npos) {
    text.remove_prefix(1);
  }
  return std::string(text);
}

std::string significantText(double value, int digits) {
  char buffer[64];
  const auto result = toCharsGeneral(buffer, buffer + sizeof buffer, value, digits);
  return std::string(buffer, result.ptr);
}

std::string shortestText(double value) {
  char buffer[64];
  const auto result = toCharsShortest(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string peopleNumber(double value, int decimals) {
  std::string text = decimals < 0 ? significantText(value, 6) : fixedText(value, decimals);
  if (decimalComma()) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

}  // namespace velkora
