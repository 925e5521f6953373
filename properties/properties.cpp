#include "properties/properties.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/radii.h"
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

std::string joined(const std::vector<std::string>& list, const std::string& prefix) {
  std::string text;
  for (const auto& item : list) {
    if (!text.empty()) text += ", ";
    text += prefix + item;
  }
  return text;
}

// The dual is the solid with vertex and face counts swapped whose vertex
// configurations are this solid's face configurations and the other way round.
// Only the family that holds the duals is searched, and only candidates with
// the right counts are measured.
const Solid* findDual(const Solid& solid, std::span<const Solid> catalogue, const SolidMesh& mesh,
                      const Configurations& own) {
  if (!solid.family) return nullptr;
  const Family dualFamily = *solid.family == Family::Archimedean ? Family::Catalan
                            : *solid.family == Family::Catalan   ? Family::Archimedean
                                                                 : Family::Platonic;
  for (const Solid& candidate : catalogue) {
    if (candidate.family != dualFamily) continue;
    if (candidate.geometry.vertices.size() != mesh.faces.size()) continue;
    if (candidate.geometry.faces.size() != mesh.points.size()) continue;
    const Configurations other = configurationsOf(buildSolidMesh(candidate.geometry));
    if (other.vertex == own.face && other.face == own.vertex) return &candidate;
  }
  return nullptr;
}

// The radii of the spheres the picture draws, worked out as loadModel does:
// from the type and the distance of vertices 0 and 1, in extended precision.
// A solid without a catalogue type has no drawn spheres.
SphereRadii drawnRadii(const Solid& solid) {
  const std::vector<Point3>& v = solid.geometry.vertices;
  if (solid.type < 0 || v.size() < 2) return {};
  const long double dx = static_cast<long double>(v[1].x) - v[0].x;
  const long double dy = static_cast<long double>(v[1].y) - v[0].y;
  const long double dz = static_cast<long double>(v[1].z) - v[0].z;
  return sphereRadii(solid.type, static_cast<double>(std::sqrt(dx * dx + dy * dy + dz * dz)));
}

}  // namespace

SolidProperties computeProperties(const Solid& solid, std::span<const Solid> catalogue) {
  SolidProperties s;
  s.position = solid.position;
  s.type = solid.type;
  s.name = solid.name;
  s.family = solid.family;

  const SphereRadii drawn = drawnRadii(solid);
  s.drawnInnerRadius = drawn.inner;
  s.drawnOuterRadius = drawn.outer;
  const SolidMesh mesh = buildSolidMesh(solid.geometry);
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

  if (const Solid* dual = findDual(solid, catalogue, mesh, own)) {
    s.dualPosition = dual->position;
    s.dualName = dual->name;
  }
  return s;
}

}  // namespace velkora
