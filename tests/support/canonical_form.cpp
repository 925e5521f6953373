// Canonical form by relaxation: each round moves the corners so that every edge line comes nearer
// to touching the unit sphere and pulls every corner onto the planes of its faces, until both hold
// to rounding; then a map that keeps the sphere, the flat faces and the touching edges moves the
// touching points' mean towards the origin, and the solid is relaxed again, until the mean is
// there to rounding.

#include "tests/support/canonical_form.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>

namespace velkora::reference {
namespace {

using Edges = std::vector<std::pair<int, int>>;

constexpr double kExact = 1e-14;  // at midradius 1

// The point of the line through a and b nearest to the origin.
Vec3 touching(Vec3 a, Vec3 b) {
  const Vec3 d = b - a;
  return a - (dot(a, d) / dot(d, d)) * d;
}

Vec3 touchingMean(const ReferenceMesh& mesh, const Edges& edges) {
  Vec3 sum;
  for (const auto& [a, b] : edges)
    sum = sum + touching(mesh.vertices[a], mesh.vertices[b]);
  return sum / static_cast<double>(edges.size());
}

// Rounds until every edge line is at distance 1 from the origin and every corner on its face
// planes, within kExact. Throws when that takes more than 100000 rounds.
void relax(ReferenceMesh& mesh, const Edges& edges, const std::vector<double>& degree) {
  const std::size_t count = mesh.vertices.size();
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
    if (residual < kExact) return;
    for (std::size_t v = 0; v < count; ++v) {
      mesh.vertices[v] = mesh.vertices[v] + pull[v] / faces[v];
    }
  }
  throw EMorphReference("Ecken kommen nach " + std::to_string(kRounds) + " Runden nicht zur Ruhe");
}

}  // namespace

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
  const Edges edges(edgeSet.begin(), edgeSet.end());
  std::vector<double> degree(count, 0.0);
  for (const auto& [a, b] : edges) {
    degree[a] += 1.0;
    degree[b] += 1.0;
  }

  ReferenceMesh mesh = solid;
  double sum = 0.0;
  for (const auto& [a, b] : edges)
    sum += norm(touching(mesh.vertices[a], mesh.vertices[b]));
  for (Vec3& v : mesh.vertices)
    v = v / (sum / static_cast<double>(edges.size()));

  // The touching points' mean is moved to the origin by a projective map that keeps the unit
  // sphere (a boost along u with speed beta in the ball model): it keeps faces flat and edges
  // touching, and moves points of the sphere towards -u, their mean by about (2/3)·beta·u.
  constexpr int kPasses = 200;
  for (int pass = 0; pass < kPasses; ++pass) {
    relax(mesh, edges, degree);
    const Vec3 centre = touchingMean(mesh, edges);
    if (norm(centre) < kExact) return mesh;
    const double beta = 1.5 * norm(centre);
    const Vec3 u = normalized(centre);
    const double gamma = 1.0 / std::sqrt(1.0 - beta * beta);
    for (Vec3& v : mesh.vertices) {
      const double along = dot(v, u);
      const Vec3 across = v - along * u;
      v = (across + gamma * (along - beta) * u) / (gamma * (1.0 - beta * along));
    }
  }
  throw EMorphReference("Berührpunkte nach " + std::to_string(kPasses) +
                        " Durchgängen nicht um den Ursprung");
}

}  // namespace velkora::reference
