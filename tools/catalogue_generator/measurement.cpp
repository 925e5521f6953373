#include "tools/catalogue_generator/measurement.h"

#include "tools/catalogue_generator/errors.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace velkora::gen {

namespace {

std::string typeText(int type) { return "Typ " + std::to_string(type); }

void checkStructure(int type, const SectionData& section) {
  const int n = static_cast<int>(section.vertices.size());
  std::vector<bool> used(section.vertices.size(), false);
  std::map<std::pair<int, int>, int> edgeUses;
  for (std::size_t f = 0; f < section.faces.size(); ++f) {
    const Face& face = section.faces[f];
    if (face.size() < 3) {
      throw GeneratorError(typeText(type) + ": Fläche " + std::to_string(f) + " hat nur " +
                           std::to_string(face.size()) + " Ecken");
    }
    for (std::size_t i = 0; i < face.size(); ++i) {
      const int a = face[i];
      const int b = face[(i + 1) % face.size()];
      if (a >= n) {
        throw GeneratorError(typeText(type) + ": Eckenindex " + std::to_string(a) + " in Fläche " +
                             std::to_string(f) + " nicht unter " + std::to_string(n));
      }
      used[static_cast<std::size_t>(a)] = true;
      ++edgeUses[{std::min(a, b), std::max(a, b)}];
    }
  }
  for (std::size_t v = 0; v < used.size(); ++v) {
    if (!used[v]) {
      throw GeneratorError(typeText(type) + ": Ecke " + std::to_string(v) +
                           " liegt in keiner Fläche");
    }
  }
  for (const auto& [edge, uses] : edgeUses) {
    if (uses != 2) {
      throw GeneratorError(typeText(type) + ": Kante " + std::to_string(edge.first) + "-" +
                           std::to_string(edge.second) + " gehört zu " + std::to_string(uses) +
                           " Flächen statt zu 2");
    }
  }
}

}  // namespace

std::vector<ValueCount> distinctValues(std::vector<Real> values) {
  std::sort(values.begin(), values.end());
  std::vector<ValueCount> groups;
  Real sum = 0;
  int count = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (count > 0 && values[i] - values[i - 1] > kDistinctGap) {
      groups.push_back({static_cast<double>(sum / count), count});
      sum = 0;
      count = 0;
    }
    sum += values[i];
    ++count;
  }
  if (count > 0) {
    groups.push_back({static_cast<double>(sum / count), count});
  }
  return groups;
}

Measurement measureSection(int type, const SectionData& section) {
  checkStructure(type, section);
  const auto& v = section.vertices;
  auto at = [&](int i) { return v[static_cast<std::size_t>(i)]; };
  Measurement m;
  m.vertexCount = static_cast<int>(v.size());
  m.faceCount = static_cast<int>(section.faces.size());

  std::vector<Real> sizes;
  std::vector<Real> planes;
  for (const Face& face : section.faces) {
    sizes.push_back(static_cast<Real>(face.size()));
    const Vec3 n = outwardNormal(v, face);
    const Vec3 c = faceCentroid(v, face);
    planes.push_back(dot(n, c));
    for (int index : face) {
      m.maxPlaneDeviation = std::max(m.maxPlaneDeviation, std::fabs(dot(n, at(index) - c)));
    }
  }
  m.faceSizes = distinctValues(sizes);
  m.facePlaneDistances = distinctValues(planes);
  m.facePlaneSpread = *std::max_element(planes.begin(), planes.end()) -
                      *std::min_element(planes.begin(), planes.end());

  const auto edges = edgesOf(section.faces);
  m.edgeCount = static_cast<int>(edges.size());
  std::vector<Real> lengths;
  for (const auto& [a, b] : edges) {
    lengths.push_back(distance(at(a), at(b)));
  }
  m.edgeLengths = distinctValues(lengths);
  m.edge01 = static_cast<double>(distance(at(0), at(1)));
  m.edge01IsEdge = std::binary_search(edges.begin(), edges.end(), std::make_pair(0, 1));

  std::vector<Real> radii;
  Vec3 sum;
  for (const Vec3& p : v) {
    radii.push_back(norm(p));
    sum = sum + p;
  }
  m.vertexDistances = distinctValues(radii);
  m.vertexDistanceSpread =
      *std::max_element(radii.begin(), radii.end()) - *std::min_element(radii.begin(), radii.end());
  m.centroid = sum / static_cast<Real>(v.size());
  return m;
}

}  // namespace velkora::gen
