#include "properties/pick_facts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include "properties/configuration.h"
#include "properties/face_kinds.h"
#include "properties/face_orbits.h"
#include "properties/solid_mesh.h"
#include "text/ui_text.h"

namespace velkora {
namespace {

// Side lengths and corner distances from the mean this close count as equal.
constexpr double kRegularRelative = 1e-4;

bool nearlyEqual(double a, double b) {
  return std::fabs(a - b) <= kRegularRelative * std::max(std::fabs(a), std::fabs(b));
}

// Whether the face's sides are all alike and its corners all equally far from its mean.
bool regular(const SolidMesh& mesh, const std::vector<int>& face) {
  Vec3 mean{};
  for (const int v : face)
    mean = mean + mesh.points[static_cast<std::size_t>(v)];
  mean = mean * (1.0 / static_cast<double>(face.size()));
  const auto at = [&](std::size_t i) { return mesh.points[static_cast<std::size_t>(face[i])]; };
  const double side = norm(at(1) - at(0));
  const double reach = norm(at(0) - mean);
  for (std::size_t i = 0; i < face.size(); ++i) {
    if (!nearlyEqual(norm(at((i + 1) % face.size()) - at(i)), side)) return false;
    if (!nearlyEqual(norm(at(i) - mean), reach)) return false;
  }
  return true;
}

// The shape of each face that is not regular (face_kinds.h's names), else empty.
std::vector<std::string> irregularShapes(const SolidMesh& mesh) {
  const std::vector<FaceKind> kinds = faceKindsOf(mesh, true);
  const std::vector<int> kindOf = faceKindIndices(mesh, kinds, true);
  std::vector<std::string> shapes(mesh.faces.size());
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    if (!regular(mesh, mesh.faces[f]) && kindOf[f] >= 0)
      shapes[f] = kinds[static_cast<std::size_t>(kindOf[f])].name;
  }
  return shapes;
}

void checkIndex(int index, std::size_t size, const char* what) {
  if (index < 0 || static_cast<std::size_t>(index) >= size)
    throw std::out_of_range(std::string(what) + " " + std::to_string(index) + " of " +
                            std::to_string(size));
}

struct PolygonWords {
  const char* singular;
  const char* plural;
};

// The German names of polygons by sides, and of the irregular shapes.
PolygonWords wordsBySides(int sides) {
  switch (sides) {
    case 3:
      return {UI_TEXT_MARK("Pick", "Dreieck"), UI_TEXT_MARK("Pick", "Dreiecke")};
    case 4:
      return {UI_TEXT_MARK("Pick", "Quadrat"), UI_TEXT_MARK("Pick", "Quadrate")};
    case 5:
      return {UI_TEXT_MARK("Pick", "Fünfeck"), UI_TEXT_MARK("Pick", "Fünfecke")};
    case 6:
      return {UI_TEXT_MARK("Pick", "Sechseck"), UI_TEXT_MARK("Pick", "Sechsecke")};
    case 8:
      return {UI_TEXT_MARK("Pick", "Achteck"), UI_TEXT_MARK("Pick", "Achtecke")};
    case 10:
      return {UI_TEXT_MARK("Pick", "Zehneck"), UI_TEXT_MARK("Pick", "Zehnecke")};
    default:
      return {nullptr, nullptr};
  }
}

PolygonWords wordsByShape(const std::string& shape) {
  static const PolygonWords shapes[] = {
      {UI_TEXT_MARK("Pick", "Rhombus"), UI_TEXT_MARK("Pick", "Rhomben")},
      {UI_TEXT_MARK("Pick", "Drachenviereck"), UI_TEXT_MARK("Pick", "Drachenvierecke")},
      {UI_TEXT_MARK("Pick", "Viereck"), UI_TEXT_MARK("Pick", "Vierecke")},
      {UI_TEXT_MARK("Pick", "gleichschenkliges Dreieck"),
       UI_TEXT_MARK("Pick", "gleichschenklige Dreiecke")},
      {UI_TEXT_MARK("Pick", "ungleichseitiges Dreieck"),
       UI_TEXT_MARK("Pick", "ungleichseitige Dreiecke")},
  };
  for (const PolygonWords& words : shapes) {
    if (shape == words.singular) return words;
  }
  return {nullptr, nullptr};
}

// text with "%1" replaced by value.
std::string filled(std::string text, const char* mark, const std::string& value) {
  const std::size_t at = text.find(mark);
  if (at != std::string::npos) text.replace(at, std::string(mark).size(), value);
  return text;
}

}  // namespace

PickFacts faceKindFacts(const Polyhedron& solid, int face) {
  checkIndex(face, solid.faces.size(), "face");
  const SolidMesh mesh = buildSolidMesh(solid);
  const FaceOrbits orbits = faceOrbits(solid);
  const std::vector<std::string> shapes = irregularShapes(mesh);
  PickFacts facts;
  facts.kind = PickFacts::Kind::FaceKind;
  facts.face = face;
  facts.faceCount = static_cast<int>(solid.faces.size());
  const int kind = orbits.kindOfFace[static_cast<std::size_t>(face)];
  for (std::size_t f = 0; f < orbits.kindOfFace.size(); ++f) {
    if (orbits.kindOfFace[f] == kind) facts.faces.push_back(static_cast<int>(f));
  }
  facts.sides = static_cast<int>(mesh.faces[static_cast<std::size_t>(face)].size());
  facts.shape = shapes[static_cast<std::size_t>(face)];
  for (std::size_t h = 0; h < mesh.heFace.size(); ++h) {
    if (mesh.heFace[h] != face) continue;
    const auto other =
        static_cast<std::size_t>(mesh.heFace[static_cast<std::size_t>(mesh.heTwin[h])]);
    const int sides = static_cast<int>(mesh.faces[other].size());
    const auto found =
        std::find_if(facts.neighbours.begin(), facts.neighbours.end(),
                     [&](const auto& n) { return n.sides == sides && n.shape == shapes[other]; });
    if (found == facts.neighbours.end()) {
      facts.neighbours.push_back({sides, shapes[other], 1});
    } else {
      ++found->count;
    }
  }
  std::sort(facts.neighbours.begin(), facts.neighbours.end(), [](const auto& a, const auto& b) {
    return std::tie(a.sides, a.shape) < std::tie(b.sides, b.shape);
  });
  return facts;
}

PickFacts vertexFacts(const Polyhedron& solid, int vertex) {
  checkIndex(vertex, solid.vertices.size(), "vertex");
  const SolidMesh mesh = buildSolidMesh(solid);
  PickFacts facts;
  facts.kind = PickFacts::Kind::Vertex;
  facts.vertex = vertex;
  facts.faceCount = static_cast<int>(solid.faces.size());
  // Round the vertex: from each half-edge leaving it to the next one, through its face.
  const int first = mesh.outgoing[static_cast<std::size_t>(vertex)];
  int h = first;
  do {
    facts.faces.push_back(mesh.heFace[static_cast<std::size_t>(h)]);
    h = mesh.heTwin[static_cast<std::size_t>(mesh.hePrev[static_cast<std::size_t>(h)])];
  } while (h != first && facts.faces.size() <= mesh.faces.size());
  std::vector<int> sizes;
  faceSizesAround(mesh, vertex, sizes);
  facts.configuration = canonicalCycle(sizes);
  return facts;
}

std::string polygonName(int sides, const std::string& shape, int count) {
  PolygonWords words = shape.empty() ? PolygonWords{nullptr, nullptr} : wordsByShape(shape);
  if (words.singular == nullptr) words = wordsBySides(sides);
  if (words.singular == nullptr) {
    const std::string name = count == 1 ? uiText("Pick", "%1-Eck") : uiText("Pick", "%1-Ecke");
    return filled(name, "%1", std::to_string(sides));
  }
  return uiText("Pick", count == 1 ? words.singular : words.plural);
}

std::string pickText(const PickFacts& facts) {
  switch (facts.kind) {
    case PickFacts::Kind::None:
      return {};
    case PickFacts::Kind::Vertex:
      return filled(uiText("Pick", "Ecke %1"), "%1", facts.configuration);
    case PickFacts::Kind::FaceKind:
      break;
  }
  std::string around;
  for (std::size_t i = 0; i < facts.neighbours.size(); ++i) {
    const NeighbourCount& n = facts.neighbours[i];
    if (i > 0) around += i + 1 == facts.neighbours.size() ? uiText("Pick", " und ") : ", ";
    around += std::to_string(n.count) + " " + polygonName(n.sides, n.shape, n.count);
  }
  std::string text = uiText("Pick", "%1, %2 von %3 Flächen, grenzt an %4");
  text = filled(std::move(text), "%1", polygonName(facts.sides, facts.shape, 1));
  text = filled(std::move(text), "%2", std::to_string(facts.faces.size()));
  text = filled(std::move(text), "%3", std::to_string(facts.faceCount));
  text = filled(std::move(text), "%4", around);
  // The sentence begins with a capital, also where the polygon's name does not.
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

}  // namespace velkora
