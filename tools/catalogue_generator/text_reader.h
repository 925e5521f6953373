// Reads the written catalogue texts back, independently of how they were produced: splits
// the CR LF lines, checks the section layout and the number and face-line formats, and yields
// each type's vertices and faces. Throws GeneratorError naming the line or section at fault.
#pragma once

#include "tools/catalogue_generator/solid.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkora::gen {

// Lines of a text in which every line, the last included, ends in CR LF. A lone CR or LF,
// a byte 0 or a missing final CR LF throws.
std::vector<std::string> splitCrLfLines(std::string_view text, std::string_view what);

struct SectionData {
  std::vector<Vec3> vertices;  // parsed from the written numbers
  std::vector<Face> faces;
};

// One entry per type 0..30. Checks that each text holds exactly the 31 sections in identifier
// order followed by "[#]", that counts are plain decimals, that every coordinate line is three
// catalogue numbers separated by single spaces, and that no face line equals a header line.
std::vector<SectionData> readCatalogues(std::string_view vertexText, std::string_view faceText);

}  // namespace velkora::gen
