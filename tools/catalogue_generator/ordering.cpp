#include "tools/catalogue_generator/ordering.h"
#include "base/face_geometry.h"

#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/face_codes.h"
#include "tools/catalogue_generator/number_format.h"
#include "tools/catalogue_generator/reference_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace velkora::gen {

namespace {

constexpr Real kLayerTolerance = 1e-9L;
constexpr Real kLengthTolerance = 1e-9L;

std::vector<int> layerAzimuthOrder(const std::vector<Vec3>& vertices) {
  const std::size_t count = vertices.size();
  std::vector<int> byHeight(count);
  for (std::size_t i = 0; i < count; ++i) {
    byHeight[i] = static_cast<int>(i);
  }
  std::stable_sort(byHeight.begin(), byHeight.end(), [&](int a, int b) {
    return vertices[static_cast<std::size_t>(a)].z > vertices[static_cast<std::size_t>(b)].z;
  });
  // Heights within the tolerance of the previous one share its layer.
  std::vector<int> layer(count, 0);
  for (std::size_t k = 1; k < count; ++k) {
    const auto prev = static_cast<std::size_t>(byHeight[k - 1]);
    const auto cur = static_cast<std::size_t>(byHeight[k]);
    layer[cur] = layer[prev] + (vertices[prev].z - vertices[cur].z > kLayerTolerance ? 1 : 0);
  }
  std::vector<Real> azimuth(count, 0);
  for (std::size_t i = 0; i < count; ++i) {
    Real angle = std::atan2(vertices[i].y, vertices[i].x);
    if (angle < 0) {
      angle += 2 * std::numbers::pi_v<Real>;
    }
    if (angle > 2 * std::numbers::pi_v<Real> - 1e-12L) {
      angle = 0;
    }
    azimuth[i] = angle;
  }
  std::vector<int> order = byHeight;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const auto ia = static_cast<std::size_t>(a);
    const auto ib = static_cast<std::size_t>(b);
    if (layer[ia] != layer[ib]) {
      return layer[ia] < layer[ib];
    }
    return azimuth[ia] < azimuth[ib];
  });
  return order;
}

// Moves the chosen edge's ends to the front: vertex 0 is the first vertex in the given order
// that has an edge of the wanted kind, vertex 1 its first such neighbour in that order.
std::vector<int> withEdgeInFront(const Solid& solid, const std::vector<int>& order, EdgeKind kind) {
  const auto edges = edgesOf(solid.faces);
  auto length = [&](const std::pair<int, int>& e) {
    return distance(solid.vertices[static_cast<std::size_t>(e.first)],
                    solid.vertices[static_cast<std::size_t>(e.second)]);
  };
  Real wanted = length(edges.front());
  for (const auto& e : edges) {
    wanted = kind == EdgeKind::Longest ? std::max(wanted, length(e)) : std::min(wanted, length(e));
  }
  auto isWanted = [&](int a, int b) {
    const auto e = std::make_pair(std::min(a, b), std::max(a, b));
    if (!std::binary_search(edges.begin(), edges.end(), e)) {
      return false;
    }
    return kind == EdgeKind::Any || std::fabs(length(e) - wanted) <= kLengthTolerance;
  };
  for (int first : order) {
    for (int second : order) {
      if (second != first && isWanted(first, second)) {
        std::vector<int> result{first, second};
        for (int v : order) {
          if (v != first && v != second) {
            result.push_back(v);
          }
        }
        return result;
      }
    }
  }
  throw GeneratorError("Keine Kante der gesuchten Art gefunden");
}

void renumber(Solid& solid, const std::vector<int>& order) {
  std::vector<int> newIndex(order.size());
  std::vector<Vec3> vertices;
  for (std::size_t k = 0; k < order.size(); ++k) {
    newIndex[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
    vertices.push_back(solid.vertices[static_cast<std::size_t>(order[k])]);
  }
  solid.vertices = std::move(vertices);
  for (Face& face : solid.faces) {
    for (int& index : face) {
      index = newIndex[static_cast<std::size_t>(index)];
    }
  }
}

// Counter-clockwise seen from outside, starting at the smallest index.
Face canonicalFace(const std::vector<Vec3>& vertices, Face face) {
  const Vec3 newell = newellNormal<Real>(vertices, face);
  if (dot(newell, faceCentroid(vertices, face)) < 0) {
    std::reverse(face.begin(), face.end());
  }
  std::rotate(face.begin(), std::min_element(face.begin(), face.end()), face.end());
  return face;
}

std::vector<int> sortedCorners(Face face) {
  std::sort(face.begin(), face.end());
  return face;
}

// The face lines of a sample section, after checking that they are the constructed faces:
// the same corner sets, and each line a closed walk along that face's boundary.
std::vector<Face> sampleFaces(const Solid& solid, int type) {
  std::vector<Face> faces;
  for (const std::string& line : sampleFaceLines(type)) {
    faces.push_back(decodeFaceLine(line));
  }
  for (const Face& face : faces) {
    const auto match = std::find_if(solid.faces.begin(), solid.faces.end(), [&](const Face& f) {
      return sortedCorners(f) == sortedCorners(face);
    });
    if (match == solid.faces.end()) {
      throw GeneratorError("Typ " + std::to_string(type) + ": Musterfläche " +
                           encodeFaceLine(face) + " ist keine Fläche des Körpers");
    }
    const auto boundary = edgesOf(std::vector<Face>{*match});
    const auto walked = edgesOf(std::vector<Face>{face});
    if (boundary != walked) {
      throw GeneratorError("Typ " + std::to_string(type) + ": Musterfläche " +
                           encodeFaceLine(face) + " läuft nicht am Rand entlang");
    }
  }
  if (faces.size() != solid.faces.size()) {
    throw GeneratorError("Typ " + std::to_string(type) + ": Musterflächen unvollständig");
  }
  return faces;
}

// The permutation that puts the constructed vertices into the sample's order, matched by
// their written coordinates.
std::vector<int> sampleOrder(const Solid& solid, int type) {
  std::vector<int> order;
  for (const std::string& line : sampleVertexLines(type)) {
    int found = -1;
    for (std::size_t i = 0; i < solid.vertices.size(); ++i) {
      const Vec3& v = solid.vertices[i];
      if (formatCoordinate(v.x) + " " + formatCoordinate(v.y) + " " + formatCoordinate(v.z) ==
          line) {
        found = static_cast<int>(i);
      }
    }
    if (found < 0) {
      throw GeneratorError("Typ " + std::to_string(type) + ": Musterecke " + line +
                           " wurde nicht konstruiert");
    }
    order.push_back(found);
  }
  if (order.size() != solid.vertices.size()) {
    throw GeneratorError("Typ " + std::to_string(type) + ": Musterecken unvollständig");
  }
  return order;
}

}  // namespace

EdgeKind edgeKindOf(int type) {
  if (type < 18) {
    return EdgeKind::Any;
  }
  if (type <= 21 || type == 26) {
    return EdgeKind::Longest;
  }
  return EdgeKind::Shortest;
}

void orderForCatalogue(Solid& solid, int type) {
  if (!sampleVertexLines(type).empty()) {
    renumber(solid, sampleOrder(solid, type));
    solid.faces = sampleFaces(solid, type);
    return;
  }
  renumber(solid, withEdgeInFront(solid, layerAzimuthOrder(solid.vertices), edgeKindOf(type)));
  for (Face& face : solid.faces) {
    face = canonicalFace(solid.vertices, std::move(face));
  }
  std::sort(solid.faces.begin(), solid.faces.end(), [](const Face& a, const Face& b) {
    if (a.size() != b.size()) {
      return a.size() < b.size();
    }
    return a < b;
  });
}

}  // namespace velkora::gen
