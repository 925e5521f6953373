#include "tools/catalogue_generator/text_reader.h"

#include "tools/catalogue_generator/catalogue_text.h"
#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/face_codes.h"
#include "tools/catalogue_generator/families.h"
#include "tools/catalogue_generator/number_format.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace velkora::gen {

namespace {

int parseCount(const std::string& line, const std::string& where) {
  int value = -1;
  const bool digitsOnly = !line.empty() && std::all_of(line.begin(), line.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
  const auto result = std::from_chars(line.data(), line.data() + line.size(), value);
  if (!digitsOnly || result.ec != std::errc() || result.ptr != line.data() + line.size() ||
      (line.size() > 1 && line.front() == '0')) {
    throw GeneratorError(where + ": Anzahl \"" + line + "\" ist keine Dezimalzahl");
  }
  return value;
}

double parseNumber(std::string_view text, const std::string& where) {
  if (!isCatalogueNumber(text)) {
    throw GeneratorError(where + ": Zahl \"" + std::string(text) +
                         "\" hat nicht das Katalogformat");
  }
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    throw GeneratorError(where + ": Zahl \"" + std::string(text) + "\" nicht lesbar");
  }
  return value;
}

Vec3 parseCoordinateLine(const std::string& line, const std::string& where) {
  const auto first = line.find(' ');
  const auto second = first == std::string::npos ? first : line.find(' ', first + 1);
  if (second == std::string::npos || line.find(' ', second + 1) != std::string::npos) {
    throw GeneratorError(where + ": Zeile \"" + line + "\" hat nicht drei Koordinaten");
  }
  const std::string_view view(line);
  return {parseNumber(view.substr(0, first), where),
          parseNumber(view.substr(first + 1, second - first - 1), where),
          parseNumber(view.substr(second + 1), where)};
}

// Walks a catalogue's sections in order; body(type, lines of the section body) reads each.
template <typename Body>
void walkSections(const std::vector<std::string>& lines, std::string_view what, Body body) {
  std::size_t cursor = 0;
  for (int type = 0; type < kTypeCount; ++type) {
    const std::string header = headerLine(sectionIdOf(type));
    const std::string where = std::string(what) + " " + header;
    if (cursor >= lines.size() || lines[cursor] != header) {
      throw GeneratorError(where + ": Abschnitt fehlt oder steht nicht an seinem Platz");
    }
    if (cursor + 1 >= lines.size()) {
      throw GeneratorError(where + ": Anzahl fehlt");
    }
    const auto count = static_cast<std::size_t>(parseCount(lines[cursor + 1], where));
    const std::size_t begin = cursor + 2;
    if (begin + count > lines.size()) {
      throw GeneratorError(where + ": Abschnitt endet vor " + std::to_string(count) + " Zeilen");
    }
    body(type,
         std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(begin),
                                  lines.begin() + static_cast<std::ptrdiff_t>(begin + count)),
         where);
    cursor = begin + count;
  }
  if (cursor + 1 != lines.size() || lines[cursor] != kEndMarker) {
    throw GeneratorError(std::string(what) + ": Text endet nicht mit genau einer Zeile [#]");
  }
}

}  // namespace

std::vector<std::string> splitCrLfLines(std::string_view text, std::string_view what) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\0') {
      throw GeneratorError(std::string(what) + ": Byte 0 an Stelle " + std::to_string(i));
    }
    if (c == '\n') {
      throw GeneratorError(std::string(what) + ": LF ohne CR an Stelle " + std::to_string(i));
    }
    if (c == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') {
        throw GeneratorError(std::string(what) + ": CR ohne LF an Stelle " + std::to_string(i));
      }
      lines.emplace_back(text.substr(start, i - start));
      start = i + 2;
      ++i;
    }
  }
  if (start != text.size()) {
    throw GeneratorError(std::string(what) + ": letzte Zeile endet nicht mit CR LF");
  }
  return lines;
}

std::vector<SectionData> readCatalogues(std::string_view vertexText, std::string_view faceText) {
  std::vector<SectionData> sections(static_cast<std::size_t>(kTypeCount));
  std::set<std::string> headers{kEndMarker};
  for (int type = 0; type < kTypeCount; ++type) {
    headers.insert(headerLine(sectionIdOf(type)));
  }

  walkSections(splitCrLfLines(vertexText, "MPOLY1"), "MPOLY1",
               [&](int type, const std::vector<std::string>& body, const std::string& where) {
                 for (std::size_t i = 0; i < body.size(); ++i) {
                   sections[static_cast<std::size_t>(type)].vertices.push_back(
                       parseCoordinateLine(body[i], where + " Ecke " + std::to_string(i)));
                 }
               });
  walkSections(
      splitCrLfLines(faceText, "MPOLY2"), "MPOLY2",
      [&](int type, const std::vector<std::string>& body, const std::string& where) {
        for (std::size_t i = 0; i < body.size(); ++i) {
          if (headers.count(body[i]) != 0) {
            throw GeneratorError(where + ": Flächenzeile " + std::to_string(i) +
                                 " gleicht der Kopfzeile " + body[i]);
          }
          sections[static_cast<std::size_t>(type)].faces.push_back(decodeFaceLine(body[i]));
        }
      });
  return sections;
}

}  // namespace velkora::gen
