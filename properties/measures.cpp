#include "properties/measures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/face_geometry.h"
#include "properties/properties.h"

namespace velkora {
namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

}  // namespace

std::vector<ValueCount> groupValues(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::vector<ValueCount> groups;
  double first = 0.0;
  double sum = 0.0;
  for (const double v : values) {
    if (groups.empty() || std::fabs(v - first) > kEqualRelative * std::fabs(v)) {
      if (!groups.empty()) groups.back().value = sum / groups.back().count;
      groups.push_back({v, 0});
      first = v;
      sum = 0.0;
    }
    sum += v;
    ++groups.back().count;
  }
  if (!groups.empty()) groups.back().value = sum / groups.back().count;
  return groups;
}

std::optional<double> commonValue(const std::vector<double>& values) {
  if (values.empty()) return std::nullopt;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  if (std::fabs(*high - *low) > kEqualRelative * std::max(std::fabs(*low), std::fabs(*high))) {
    return std::nullopt;
  }
  double sum = 0.0;
  for (const double v : values)
    sum += v;
  return sum / static_cast<double>(values.size());
}

MeshMeasures measureMesh(const SolidMesh& mesh) {
  MeshMeasures m;
  const std::size_t edges = at(mesh.edgeCount());
  m.edgeLengths.reserve(edges);
  m.dihedralAngles.reserve(edges);
  m.edgeDistances.reserve(edges);
  for (std::size_t h = 0; h < mesh.heFrom.size(); ++h) {
    const std::size_t twin = at(mesh.heTwin[h]);
    if (twin < h) continue;  // each edge once
    const Vec3 p = mesh.points[at(mesh.heFrom[h])];
    const Vec3 d = mesh.points[at(mesh.heTo[h])] - p;
    const double length = norm(d);
    m.edgeLengths.push_back(length);
    m.edgeDistances.push_back(norm(cross(p, d)) / length);
    // The interior angle is 180 degrees minus the angle between the outward normals.
    const Vec3 n1 = mesh.faceNormals[at(mesh.heFace[h])];
    const Vec3 n2 = mesh.faceNormals[at(mesh.heFace[twin])];
    const double between = std::atan2(norm(cross(n1, n2)), dot(n1, n2));
    m.dihedralAngles.push_back(180.0 - between * 180.0 / std::numbers::pi);
  }
  m.faceDistances.reserve(mesh.faces.size());
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    const auto& face = mesh.faces[f];
    const Vec3 c = cornerMean(mesh.points, face);
    m.faceDistances.push_back(dot(mesh.faceNormals[f], c));
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Vec3 p = mesh.points[at(face[i])];
      const Vec3 q = mesh.points[at(face[(i + 1) % face.size()])];
      const Vec3 twiceArea = cross(p - c, q - c);
      m.surfaceArea += 0.5 * norm(twiceArea);
      m.volume += dot(c, cross(p, q)) / 6.0;
    }
  }
  m.vertexDistances.reserve(mesh.points.size());
  for (const Vec3& p : mesh.points)
    m.vertexDistances.push_back(norm(p));
  return m;
}

}  // namespace velkora
