#include "text/json_text.h"

#include <cmath>

#include "text/number_text.h"

namespace velkora {

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

std::string jsonNumber(double value) { return std::isfinite(value) ? shortestText(value) : "null"; }

std::string jsonFixed(double value, int decimals) {
  return std::isfinite(value) ? fixedText(value, decimals) : "null";
}

}  // namespace velkora
