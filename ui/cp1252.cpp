#include "ui/cp1252.h"

#include <array>

namespace velkora {

namespace {

// Code points of the bytes 0x80..0x9F; all other bytes equal their code point.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString decodeWindows1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte <= 0x9F) {
      text.append(QChar(kHighControlRange[byte - 0x80]));
    } else {
      text.append(QChar(static_cast<char16_t>(byte)));
    }
  }
  return text;
}

QString listDisplayName(std::string_view line) {
  const auto tab = line.find('\t');
  return decodeWindows1252(tab == std::string_view::npos ? line : line.substr(0, tab));
}

}  // namespace velkora
