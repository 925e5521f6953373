#include "properties/worksheet_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "properties/face_kinds.h"
#include "properties/properties_text.h"
#include "properties/solid_mesh.h"
#include "text/ui_text.h"

namespace velkora {

namespace {

// The rows a pupil works out from the solid or its net.
constexpr std::array<std::string_view, 5> kBlankLabels = {
    "Ecken", "Kanten", "Flächen", "Eulersche Formel E - K + F", "Flächenarten"};

// The rows' labels are in the language in use.
bool isBlankLabel(const std::string& label) {
  return std::any_of(kBlankLabels.begin(), kBlankLabels.end(), [&label](std::string_view blank) {
    return label == uiText("Properties", std::string(blank).c_str());
  });
}

// The rows whose "(24×)" counts edges: with blanks the counts give way to dots.
bool countsEdges(const std::string& label) {
  return label == uiText("Properties", "Kantenlängen") ||
         label == uiText("Properties", "Diederwinkel");
}

// "1 (24×), 1,41421 (12×)" as "1 (…×), 1,41421 (…×)".
std::string withoutCounts(const std::string& value) {
  static const std::string kTimes = "×)";
  std::string text;
  std::size_t from = 0;
  for (std::size_t times = value.find(kTimes); times != std::string::npos;
       times = value.find(kTimes, from)) {
    const std::size_t open = value.rfind('(', times);
    if (open == std::string::npos || open < from) break;
    text += value.substr(from, open + 1 - from) + "\u2026" + kTimes;
    from = times + kTimes.size();
  }
  return text + value.substr(from);
}

}  // namespace

std::vector<SheetRow> sheetRows(const SolidProperties& properties, bool blanks) {
  std::vector<SheetRow> rows;
  for (auto& [label, value] : propertiesRows(properties)) {
    const bool blank = blanks && isBlankLabel(label);
    if (blanks && countsEdges(label)) value = withoutCounts(value);
    rows.push_back({std::move(label), std::move(value), blank});
  }
  return rows;
}

std::vector<FaceGroup> faceGroups(const Solid& solid) {
  const SolidMesh mesh = buildSolidMesh(solid.geometry);
  const bool byShape = solid.family == Family::Catalan;
  const std::vector<FaceKind> kinds = faceKindsOf(mesh, byShape);
  std::vector<FaceGroup> groups;
  for (const FaceKind& kind : kinds)
    groups.push_back({kind.name, kind.sides, {}});
  const std::vector<int> kindOfFace = faceKindIndices(mesh, kinds, byShape);
  for (std::size_t face = 0; face < kindOfFace.size(); ++face) {
    const int kind = kindOfFace[face];
    if (kind >= 0)
      groups[static_cast<std::size_t>(kind)].numbers.push_back(static_cast<int>(face) + 1);
  }
  return groups;
}

std::string numberRuns(std::span<const int> numbers) {
  std::string text;
  std::size_t start = 0;
  while (start < numbers.size()) {
    std::size_t end = start;
    while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1)
      ++end;
    if (!text.empty()) text += ", ";
    text += std::to_string(numbers[start]);
    if (end > start) text += (end == start + 1 ? ", " : "\u2013") + std::to_string(numbers[end]);
    start = end + 1;
  }
  return text;
}

std::string faceGroupText(const FaceGroup& group) {
  return uiText("FaceKind", group.name.c_str()) + " (" + std::to_string(group.sides) + " " +
         uiText("Worksheet", "Ecken") + "): " + numberRuns(group.numbers);
}

}  // namespace velkora
