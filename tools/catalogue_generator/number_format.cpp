#include "tools/catalogue_generator/number_format.h"

#include "tools/catalogue_generator/errors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velkora::gen {

namespace {

constexpr Real kNoise = 1e-9L;
constexpr int kSignificantDigits = 7;
constexpr int kMaxDecimals = 10;
constexpr std::size_t kMaxLength = 13;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string formatCoordinate(Real value) {
  if (!(std::fabs(value) < 1e6L)) {
    throw GeneratorError("Koordinate außerhalb des Bereichs: " +
                         std::to_string(static_cast<double>(value)));
  }
  // Below the noise limit everything is "0"; at or above it, 10 decimals keep at least one
  // non-zero digit, so "-0" cannot arise.
  if (std::fabs(value) < kNoise) {
    return "0";
  }
  // The decimal exponent after rounding to 7 significant digits decides the number of
  // decimals (9.9999996 rounds to 10.00000, not 9.999999x).
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", kSignificantDigits - 1, value);
  const char* exponentText = std::strchr(buffer, 'e');
  const int exponent = std::atoi(exponentText + 1);
  const int decimals = std::clamp(kSignificantDigits - 1 - exponent, 0, kMaxDecimals);
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
  std::string text(buffer);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') {
      text.pop_back();
    }
    if (text.back() == '.') {
      text.pop_back();
    }
  }
  if (text.size() > kMaxLength) {
    throw GeneratorError("Zahl zu lang: " + text);
  }
  return text;
}

bool isCatalogueNumber(std::string_view text) {
  if (text.empty() || text.size() > kMaxLength || text == "-0") {
    return false;
  }
  std::size_t i = text.front() == '-' ? 1 : 0;
  const std::size_t integerStart = i;
  while (i < text.size() && isDigit(text[i])) {
    ++i;
  }
  const std::size_t integerDigits = i - integerStart;
  if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0')) {
    return false;
  }
  if (i == text.size()) {
    return true;
  }
  if (text[i] != '.') {
    return false;
  }
  const std::size_t fractionStart = ++i;
  while (i < text.size() && isDigit(text[i])) {
    ++i;
  }
  const std::size_t fractionDigits = i - fractionStart;
  return i == text.size() && fractionDigits >= 1 &&
         fractionDigits <= static_cast<std::size_t>(kMaxDecimals) && text.back() != '0';
}

}  // namespace velkora::gen
