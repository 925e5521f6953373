#include "properties/properties.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "catalogue/sections.h"
#include "model/load.h"
#include "model/polyhedron.h"
#include "model/radii.h"
#include "model/section_reader.h"
#include "properties/configuration.h"
#include "properties/face_kinds.h"
#include "properties/measures.h"
#include "properties/solid_mesh.h"
#include "properties/symmetry.h"

namespace velkora {
namespace {

// Symmetry and shape checks accept this much of the largest vertex distance:
// far above the catalogue's rounding, far below any real difference.
constexpr double kShapeTolerance = 1e-5;

struct Configurations {
  std::vector<std::string> vertex;
  std::vector<std::string> face;
};

Configurations configurationsOf(const SolidMesh& mesh) {
  return {vertexConfigurations(mesh), faceConfigurations(mesh)};
}

// The geometry that loadGeometry left in m, in catalogue units.
Polyhedron geometryOf(const Model& m) {
  Polyhedron p;
  p.type = m.polyType;
  for (int k = 0; k < m.vertexCount; ++k) {
    const Point3& v = m.vertices[static_cast<std::size_t>(k)];
    p.vertices.push_back(v);
  }
  for (int k = 0; k < m.faceCount; ++k) {
    const FaceRec& face = m.faces[static_cast<std::size_t>(k)];
    p.faces.emplace_back(face.indices.begin(), face.indices.begin() + face.count);
  }
  return p;
}

std::string joined(const std::vector<std::string>& list, const std::string& prefix) {
  std::string text;
  for (const auto& item : list) {
    if (!text.empty()) text += ", ";
    text += prefix + item;
  }
  return text;
}

// The list positions of the family that holds the duals of family.
std::pair<int, int> dualCandidates(Family family) {
  switch (family) {
    case Family::Platonic:
      return {0, kFirstArchimedean};
    case Family::Archimedean:
      return {kFirstCatalan, kSolidCount};
    default:
      return {kFirstArchimedean, kFirstCatalan};
  }
}

// The vertex count that heads the vertex section of the solid at position,
// read without parsing the points.
int listedVertexCount(const CatalogueTexts& texts, int position) {
  std::int32_t cursor = 0;
  SectionReader reader(texts.vertexLines, "Eckpunktkatalog",
                       sectionIdentifier(typeAt(texts, position)), cursor);
  return reader.nextCount(2, kCapacity);
}

// The dual is the solid with vertex and face counts swapped whose vertex
// configurations are this solid's face configurations and the other way round.
// Only candidates with the right vertex count are loaded.
int findDual(const CatalogueTexts& texts, Family family, const SolidMesh& mesh,
             const Configurations& own, Model& scratch) {
  const auto [first, end] = dualCandidates(family);
  const int lastListed = static_cast<int>(texts.names.size());
  for (int candidate = first; candidate < std::min(end, lastListed); ++candidate) {
    if (listedVertexCount(texts, candidate) != static_cast<int>(mesh.faces.size())) continue;
    loadGeometry(scratch, listLineAt(texts, candidate), texts.vertexLines, texts.faceLines);
    if (scratch.faceCount != static_cast<int>(mesh.points.size())) continue;
    const Configurations other = configurationsOf(buildSolidMesh(geometryOf(scratch)));
    if (other.vertex == own.face && other.face == own.vertex) return candidate;
  }
  return -1;
}

// The radii of the spheres the picture draws, worked out as loadModel does:
// from the type and the distance of vertices 0 and 1, in extended precision.
SphereRadii drawnRadii(const Model& m) {
  const Point3& a = m.vertices[0];
  const Point3& b = m.vertices[1];
  const long double dx = static_cast<long double>(b.x) - a.x;
  const long double dy = static_cast<long double>(b.y) - a.y;
  const long double dz = static_cast<long double>(b.z) - a.z;
  return sphereRadii(m.polyType, static_cast<double>(std::sqrt(dx * dx + dy * dy + dz * dz)));
}

}  // namespace

SolidProperties computeProperties(const CatalogueTexts& texts, int position) {
  SolidProperties s;
  s.position = position;
  s.type = typeAt(texts, position);
  s.name = solidNameAt(texts, position);
  s.family = familyOf(std::clamp(position, 0, kSolidCount - 1));

  // The geometry in catalogue units and orientation. Building the sphere
  // meshes of a full loadModel would take most of the time and adds nothing here.
  const auto model = std::make_unique<Model>();
  loadGeometry(*model, listLineAt(texts, position), texts.vertexLines, texts.faceLines);
  const SphereRadii drawn = drawnRadii(*model);
  s.drawnInnerRadius = drawn.inner;
  s.drawnOuterRadius = drawn.outer;
  const SolidMesh mesh = buildSolidMesh(geometryOf(*model));
  s.vertices = static_cast<int>(mesh.points.size());
  s.edges = mesh.edgeCount();
  s.faces = static_cast<int>(mesh.faces.size());

  const bool catalan = s.family == Family::Catalan;
  s.faceKinds = faceKindsOf(mesh, catalan);
  const Configurations own = configurationsOf(mesh);
  s.configuration = catalan ? joined(own.face, "V") : joined(own.vertex, "");

  const MeshMeasures m = measureMesh(mesh);
  s.edgeLengths = groupValues(m.edgeLengths);
  s.dihedralAngles = groupValues(m.dihedralAngles);
  s.inradius = commonValue(m.faceDistances);
  s.midradius = commonValue(m.edgeDistances);
  s.circumradius = commonValue(m.vertexDistances);
  s.nearestFacePlane = *std::min_element(m.faceDistances.begin(), m.faceDistances.end());
  s.farthestVertex = *std::max_element(m.vertexDistances.begin(), m.vertexDistances.end());
  s.surfaceArea = m.surfaceArea;
  s.volume = m.volume;

  double meanEdge = 0.0;
  for (const double e : m.edgeLengths)
    meanEdge += e;
  meanEdge /= static_cast<double>(m.edgeLengths.size());
  double meanEdgeDistance = 0.0;
  for (const double d : m.edgeDistances)
    meanEdgeDistance += d;
  meanEdgeDistance /= static_cast<double>(m.edgeDistances.size());
  s.normalisation = 1.0 / (catalan ? meanEdgeDistance : meanEdge);

  const Symmetry symmetry = symmetryOf(mesh, kShapeTolerance * s.farthestVertex);
  s.rotationGroup = symmetry.rotationGroup;
  s.symmetryGroup = symmetry.group;
  s.symmetryOrder = symmetry.order;

  s.dualPosition = findDual(texts, s.family, mesh, own, *model);
  if (s.dualPosition >= 0) s.dualName = solidNameAt(texts, s.dualPosition);
  return s;
}

}  // namespace velkora
