// Loading one solid: sections, radii, meshes, tilt and scaling.
#include "model/load.h"
#include "base/portable_charconv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>

#include "catalogue/sections.h"
#include "model/centre.h"
#include "model/errors.h"
#include "model/integer_text.h"
#include "model/radii.h"
#include "model/rotation.h"
#include "model/section_reader.h"
#include "model/solid_catalogue.h"
#include "model/sphere.h"
#include "model/zoom.h"

namespace velkora {
namespace {

constexpr std::string_view kVertexCatalogue = "Eckpunktkatalog";
constexpr std::string_view kFaceCatalogue = "Flächenkatalog";
constexpr std::size_t kMaxTypeTextLength = 255;
constexpr std::int32_t kLastPlatonicType = 4;
constexpr int kFaceSectionOffsetTable = 3995;  // types 5..30 use sections 4001..4026
constexpr double kHalfExtent = 260.0;          // pixels from the origin to the farthest point
constexpr std::uint8_t kIndexBase = 48;        // face byte "0" is vertex 0
// Catalogue coordinates are about 1. Far larger ones are rejected so that no
// sum of corners, radius or rotated centre can overflow a double.
constexpr double kLargestCoordinate = 1e150;

// The type text of a list line: up to 255 characters after the first TAB, or
// from the start when the line has no TAB (which then fails to convert).
std::string_view typeText(std::string_view listLine) {
  return splitListLine(listLine).typeText.substr(0, kMaxTypeTextLength);
}

// Shortest round-trip text of a double for messages, independent of the locale.
std::string decimal(double value) {
  char buffer[64];
  const auto [end, ec] = toCharsShortest(buffer, buffer + sizeof buffer, value);
  return ec == std::errc{} ? std::string(buffer, end) : std::string("?");
}

// Reads the vertex section into vertices and vertexCount. Two vertices at
// least: vertices 0 and 1 give the edge length.
void loadVertices(Model& model, const ByteList& vertexLines, int identifier) {
  SectionReader reader(vertexLines, kVertexCatalogue, identifier, model.lineCursor);
  model.vertexCount = reader.nextCount(2, kCapacity);
  for (int k = 0; k < model.vertexCount; ++k) {
    Point3& p = model.vertices[static_cast<std::size_t>(k)];
    parsePoint(reader.nextLine(), p.x, p.y, p.z);
    for (const double c : {p.x, p.y, p.z}) {
      if (!(std::fabs(c) <= kLargestCoordinate)) {
        throw ECatalogueError(reader.where() + ", Ecke " + std::to_string(k) + ": Koordinate " +
                              decimal(c) + " ist zu groß");
      }
    }
  }
}

// Distance of vertices 0 and 1, evaluated in extended precision.
double edgeLength(const Model& model) {
  const long double dx = static_cast<long double>(model.vertices[1].x) - model.vertices[0].x;
  const long double dy = static_cast<long double>(model.vertices[1].y) - model.vertices[0].y;
  const long double dz = static_cast<long double>(model.vertices[1].z) - model.vertices[0].z;
  return static_cast<double>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

// Largest absolute coordinate of the leading count points; records whether
// any coordinate is not finite (NaN would never compare larger).
void raiseToLargest(const std::array<Point3, kCapacity>& points, std::int32_t count,
                    double& largest, bool& nonFinite) {
  for (int i = 0; i < count; ++i) {
    const Point3& p = points[static_cast<std::size_t>(i)];
    for (const double c : {p.x, p.y, p.z}) {
      if (!std::isfinite(c)) {
        nonFinite = true;
      } else if (std::fabs(c) > largest) {
        largest = std::fabs(c);
      }
    }
  }
}

}  // namespace

void loadFaces(Model& model, const ByteList& faceLines, int sectionOffset) {
  const long long identifier = static_cast<long long>(model.polyType) + sectionOffset + 1;
  SectionReader reader(faceLines, kFaceCatalogue, identifier, model.lineCursor);
  model.faceCount = reader.nextCount(0, kCapacity);
  // Corners must name loaded vertices; never more than the array holds.
  const std::int32_t vertexLimit = std::clamp(model.vertexCount, 0, kCapacity);
  for (int k = 0; k < model.faceCount; ++k) {
    std::string_view line = reader.nextLine();
    while (!line.empty() && static_cast<std::uint8_t>(line.front()) <= 32) {
      line.remove_prefix(1);
    }
    const std::string faceName = reader.where() + ", Fläche " + std::to_string(k);
    if (line.empty()) {
      throw ECatalogueError(faceName + " hat keine Ecken");
    }
    if (line.size() > static_cast<std::size_t>(kMaxCorners)) {
      throw ECatalogueError(faceName + ": " + std::to_string(line.size()) + " Ecken, höchstens " +
                            std::to_string(kMaxCorners) + " sind möglich");
    }
    FaceRec& face = model.faces[static_cast<std::size_t>(k)];
    face.count = static_cast<std::int32_t>(line.size());
    for (std::size_t c = 0; c < line.size(); ++c) {
      const int index = static_cast<std::uint8_t>(line[c]) - kIndexBase;
      if (index < 0 || index >= vertexLimit) {
        throw ECatalogueError(faceName + ": Eckennummer " + std::to_string(index) +
                              " liegt nicht im Bereich 0 bis " + std::to_string(vertexLimit - 1));
      }
      face.indices[c] = index;
    }
    model.faceCentres[static_cast<std::size_t>(k)] = cornerMean(face, model.vertices);
  }
}

void loadGeometry(Model& m, std::string_view listLine, const ByteList& vertexLines,
                  const ByteList& faceLines) {
  m.polyType = integerFromText(typeText(listLine));
  requireKnownType(m.polyType);
  m.scale = 1.0;

  loadVertices(m, vertexLines, sectionIdentifier(m.polyType));
  loadFaces(m, faceLines, m.polyType <= kLastPlatonicType ? 0 : kFaceSectionOffsetTable);
}

void placeGeometry(Model& m) {
  const double edge = edgeLength(m);
  const SphereRadii radii = sphereRadii(m.polyType, edge);
  if (!(radii.inner > 0.0) || !std::isfinite(radii.inner) || !std::isfinite(radii.outer)) {
    throw ECatalogueError("Körpertyp " + std::to_string(m.polyType) + ": die Kantenlänge " +
                          decimal(edge) + " zwischen Ecke 0 und Ecke 1 ergibt keine gültigen " +
                          "Kugelradien");
  }
  m.innerRadius = radii.inner;
  m.outerRadius = radii.outer;
  buildInnerSphere(m);
  buildOuterSphere(m);
  tiltModel(m);

  double largest = 0.0;
  bool nonFinite = false;
  raiseToLargest(m.vertices, m.vertexCount, largest, nonFinite);
  raiseToLargest(m.innerPoints, m.spherePointCount, largest, nonFinite);
  raiseToLargest(m.outerPoints, m.spherePointCount, largest, nonFinite);
  const double factor = kHalfExtent / largest;
  if (nonFinite || !(largest > 0.0) || !std::isfinite(factor)) {
    throw ECatalogueError("Körpertyp " + std::to_string(m.polyType) +
                          " lässt sich nicht skalieren: größte Koordinate " +
                          (nonFinite ? std::string("nicht endlich") : decimal(largest)));
  }
  // scale is 1.0 here, so zooming by 260 / M sets scale to exactly 260 / M
  // and multiplies the three point arrays by it.
  zoomModel(m, factor);
}

void loadModel(Model& target, std::string_view listLine, const ByteList& vertexLines,
               const ByteList& faceLines) {
  // The new solid is built in a copy; target changes only once all of it succeeded.
  auto fresh = std::make_unique<Model>(target);
  loadGeometry(*fresh, listLine, vertexLines, faceLines);
  placeGeometry(*fresh);
  target = *fresh;
}

}  // namespace velkora
