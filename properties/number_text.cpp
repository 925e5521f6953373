#include "properties/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velkora {

std::string peopleNumber(double value, int decimals) {
  char buffer[64];
  const auto result = decimals < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                   std::chars_format::general, 6)
                                   : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                   std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string jsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string jsonString(std::string_view value) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = "\"";
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        text += "\\\"";
        break;
      case '\\':
        text += "\\\\";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\t':
        text += "\\t";
        break;
      case '\r':
        text += "\\r";
        break;
      default:
        if (byte < 0x20) {
          text += "\\u00";
          text += kHex[byte >> 4];
          text += kHex[byte & 0xF];
        } else {
          text += c;
        }
    }
  }
  text += '"';
  return text;
}

}  // namespace velkora
