#include "tests/tools/text_edit.h"

#include <gtest/gtest.h>

#include <utility>

namespace velkora::gen::test {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos;
       end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string textOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\r\n";
  }
  return text;
}

std::size_t headerIndex(const std::vector<std::string>& lines, int sectionId) {
  std::string header("[");
  header += std::to_string(sectionId);
  header += ']';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == header) {
      return i;
    }
  }
  ADD_FAILURE() << "section " << header << " not found";
  return 0;
}

std::string withBodyLine(const std::string& text, int sectionId, std::size_t line,
                         const std::string& replacement) {
  auto lines = linesOf(text);
  lines[headerIndex(lines, sectionId) + 2 + line] = replacement;
  return textOf(lines);
}

std::string withBodyLinesSwapped(const std::string& text, int sectionId, std::size_t a,
                                 std::size_t b) {
  auto lines = linesOf(text);
  const std::size_t body = headerIndex(lines, sectionId) + 2;
  std::swap(lines[body + a], lines[body + b]);
  return textOf(lines);
}

std::pair<std::string, std::string> withVerticesRelabelled(const std::string& vertices,
                                                           const std::string& faces, int sectionId,
                                                           int a, int b) {
  const std::string newVertices = withBodyLinesSwapped(
      vertices, sectionId, static_cast<std::size_t>(a), static_cast<std::size_t>(b));
  auto lines = linesOf(faces);
  const std::size_t header = headerIndex(lines, sectionId);
  const auto count = static_cast<std::size_t>(std::stoi(lines[header + 1]));
  const char codeA = static_cast<char>(a + 48);
  const char codeB = static_cast<char>(b + 48);
  for (std::size_t i = header + 2; i < header + 2 + count; ++i) {
    for (char& c : lines[i]) {
      c = c == codeA ? codeB : (c == codeB ? codeA : c);
    }
  }
  return {newVertices, textOf(lines)};
}

std::string bodyLine(const std::string& text, int sectionId, std::size_t line) {
  const auto lines = linesOf(text);
  return lines[headerIndex(lines, sectionId) + 2 + line];
}

}  // namespace velkora::gen::test
