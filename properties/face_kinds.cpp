#include "properties/face_kinds.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "properties/measures.h"
#include "text/ui_text.h"

namespace velkora {
namespace {

bool equalLengths(double a, double b) {
  return std::fabs(a - b) <= kEqualRelative * std::max(a, b);
}

std::string pluralBySides(std::size_t sides) {
  switch (sides) {
    case 3:
      return UI_TEXT_MARK("FaceKind", "Dreiecke");
    case 4:
      return UI_TEXT_MARK("FaceKind", "Quadrate");
    case 5:
      return UI_TEXT_MARK("FaceKind", "Fünfecke");
    case 6:
      return UI_TEXT_MARK("FaceKind", "Sechsecke");
    case 8:
      return UI_TEXT_MARK("FaceKind", "Achtecke");
    case 10:
      return UI_TEXT_MARK("FaceKind", "Zehnecke");
    default:
      return std::to_string(sides) + "-Ecke";
  }
}

std::string shapeOf(const SolidMesh& mesh, const std::vector<int>& face) {
  std::vector<double> sides;
  for (std::size_t i = 0; i < face.size(); ++i) {
    sides.push_back(norm(mesh.points[static_cast<std::size_t>(face[(i + 1) % face.size()])] -
                         mesh.points[static_cast<std::size_t>(face[i])]));
  }
  if (sides.size() == 3) {
    int equalPairs = 0;
    for (std::size_t i = 0; i < 3; ++i)
      equalPairs += equalLengths(sides[i], sides[(i + 1) % 3]);
    if (equalPairs == 3) return UI_TEXT_MARK("FaceKind", "gleichseitiges Dreieck");
    return equalPairs == 1 ? UI_TEXT_MARK("FaceKind", "gleichschenkliges Dreieck")
                           : UI_TEXT_MARK("FaceKind", "ungleichseitiges Dreieck");
  }
  if (sides.size() == 4) {
    const bool ab = equalLengths(sides[0], sides[1]);
    const bool bc = equalLengths(sides[1], sides[2]);
    const bool cd = equalLengths(sides[2], sides[3]);
    const bool da = equalLengths(sides[3], sides[0]);
    if (ab && bc && cd) return UI_TEXT_MARK("FaceKind", "Rhombus");
    if ((ab && cd) || (bc && da)) return UI_TEXT_MARK("FaceKind", "Drachenviereck");
    return UI_TEXT_MARK("FaceKind", "Viereck");
  }
  if (sides.size() == 5) return UI_TEXT_MARK("FaceKind", "Fünfeck");
  return std::to_string(sides.size()) + "-Eck";
}

}  // namespace

std::vector<FaceKind> faceKindsOf(const SolidMesh& mesh, bool byShape) {
  std::vector<FaceKind> kinds;
  for (const auto& face : mesh.faces) {
    const int sides = static_cast<int>(face.size());
    const std::string name = byShape ? shapeOf(mesh, face) : pluralBySides(face.size());
    const auto found = std::find_if(kinds.begin(), kinds.end(), [&](const FaceKind& k) {
      return k.sides == sides && k.name == name;
    });
    if (found == kinds.end()) {
      kinds.push_back({sides, 1, name});
    } else {
      ++found->count;
    }
  }
  std::sort(kinds.begin(), kinds.end(), [](const FaceKind& a, const FaceKind& b) {
    return std::tie(a.sides, a.name) < std::tie(b.sides, b.name);
  });
  return kinds;
}

std::vector<int> faceKindIndices(const SolidMesh& mesh, const std::vector<FaceKind>& kinds,
                                 bool byShape) {
  std::vector<int> indices;
  indices.reserve(mesh.faces.size());
  for (const auto& face : mesh.faces) {
    const int sides = static_cast<int>(face.size());
    const std::string name = byShape ? shapeOf(mesh, face) : pluralBySides(face.size());
    const auto found = std::find_if(kinds.begin(), kinds.end(), [&](const FaceKind& k) {
      return k.sides == sides && k.name == name;
    });
    indices.push_back(found == kinds.end() ? -1 : static_cast<int>(found - kinds.begin()));
  }
  return indices;
}

}  // namespace velkora
