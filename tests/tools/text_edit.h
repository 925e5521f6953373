// Test helpers that damage a generated catalogue text in one chosen place: replace, insert or
// remove one line of a section, or swap two sections, keeping CR LF line ends intact.
// Sections are found by their header line "[id]" as a whole line.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velkora::gen::test {

std::vector<std::string> linesOf(const std::string& text);
std::string textOf(const std::vector<std::string>& lines);

// Index of the header line of a section; fails the calling test when it is missing.
std::size_t headerIndex(const std::vector<std::string>& lines, int sectionId);

// Replaces body line `line` (0 = first line after the count) of the section.
std::string withBodyLine(const std::string& text, int sectionId, std::size_t line,
                         const std::string& replacement);

// Swaps body lines a and b of the section.
std::string withBodyLinesSwapped(const std::string& text, int sectionId, std::size_t a,
                                 std::size_t b);

// Swaps the labels of vertices a and b of a section in both catalogues: their coordinate
// lines and their bytes in the face lines. The solid itself stays the same.
std::pair<std::string, std::string> withVerticesRelabelled(const std::string& vertices,
                                                           const std::string& faces, int sectionId,
                                                           int a, int b);

std::string bodyLine(const std::string& text, int sectionId, std::size_t line);

}  // namespace velkora::gen::test
