// Canonical form by relaxation: each round moves the corners so that every edge line comes nearer
// to touching the unit sphere, shifts the touching points' mean to the origin, and pulls every
// corner onto the planes of its faces, until the corners stop moving.

#include "tests/support/canonical_form.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>

namespace velkora::reference {

ReferenceMesh canonicalForm(const ReferenceMesh& solid) {
  const std::size_t count = solid.vertices.size();
  if (count < 4 || solid.faces.size() < 4) {
    throw EMorphReference("Körper mit " + std::to_string(count) + " Ecken ist kein Körper");
  }
  std::set<std::pair<int, int>> edgeSet;
  for (const auto& face : solid.faces) {
    for (std::size_t k = 0; k < face.size(); ++k) {
      const int a = face[k];
      const int b = face[(k + 1) % face.size()];
      if (face.size() < 3 || a < 0 || b < 0 || a >= static_cast<int>(count) ||
          b >= static_cast<int>(count)) {
        throw EMorphReference("Fläche mit ungültiger Ecke " + std::to_string(a));
      }
      edgeSet.insert({std::min(a, b), std::max(a, b)});
    }
  }
  const std::vector<std::pair<int, int>> edges(edgeSet.begin(), edgeSet.end());
  std::vector<double> degree(count, 0.0);
  for (const auto& [a, b] : edges) {
    degree[a] += 1.0;
    degree[b] += 1.0;
  }

  // The point of the line through a and b nearest to the origin.
  const auto touching = [](Vec3 a, Vec3 b) {
    const Vec3 d = b - a;
    return a - (dot(a, d) / dot(d, d)) * d;
  };

  ReferenceMesh mesh = solid;
  double sum = 0.0;
  for (const auto& [a, b] : edges)
    sum += norm(touching(mesh.vertices[a], mesh.vertices[b]));
  for (Vec3& v : mesh.vertices)
    v = v / (sum / static_cast<double>(edges.size()));

  constexpr int kRounds = 100000;
  for (int round = 0; round < kRounds; ++round) {
    // Edges to the unit sphere: each corner moves by the mean correction of its edges.
    std::vector<Vec3> shift(count);
    double residual = 0.0;
    for (const auto& [a, b] : edges) {
      const Vec3 c = touching(mesh.vertices[a], mesh.vertices[b]);
      const Vec3 correction = (1.0 - norm(c)) * c;
      residual = std::max(residual, std::abs(1.0 - norm(c)));
      shift[a] = shift[a] + correction;
      shift[b] = shift[b] + correction;
    }
    for (std::size_t v = 0; v < count; ++v) {
      mesh.vertices[v] = mesh.vertices[v] + shift[v] / degree[v];
    }

    // Corners onto their faces' planes (Newell normal through the corner mean).
    std::vector<Vec3> pull(count);
    std::vector<double> faces(count, 0.0);
    for (const auto& face : mesh.faces) {
      Vec3 newell;
      Vec3 mean;
      for (std::size_t k = 0; k < face.size(); ++k) {
        newell = newell + cross(mesh.vertices[face[k]], mesh.vertices[face[(k + 1) % face.size()]]);
        mean = mean + mesh.vertices[face[k]];
      }
      const Vec3 normal = normalized(newell);
      mean = mean / static_cast<double>(face.size());
      for (const int corner : face) {
        const double offPlane = dot(mean - mesh.vertices[corner], normal);
        residual = std::max(residual, std::abs(offPlane));
        pull[corner] = pull[corner] + offPlane * normal;
        faces[corner] += 1.0;
      }
    }
    // Done when every edge line's distance from the origin, the centre of the touching points
    // and every corner's distance from its face planes are within 1e-14 of the mark.
    if (residual < 1e-14) return mesh;
    for (std::size_t v = 0; v < count; ++v)
      mesh.vertices[v] = mesh.vertices[v] + pull[v] / faces[v];
  }
  throw EMorphReference("Ecken kommen nach " + std::to_string(kRounds) + " Runden nicht zur Ruhe");
}

}  // namespace velkora::reference
