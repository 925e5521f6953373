#include "morph/canonical_form.h"

#include <algorithm>
#include <cmath>

#include "base/face_geometry.h"

namespace velkora {

namespace {

// Rounds at most, and the residual at which settling stops early (checked every 50 rounds).
constexpr int kRounds = 3000;
constexpr double kSettled = 1e-12;

using Edge = std::pair<int, int>;

// The point of the line through a and b nearest to the origin.
Vec3 nearestOnLine(Vec3 a, Vec3 b) {
  const Vec3 d = b - a;
  return a + d * (-dot(a, d) / dot(d, d));
}

double residualOf(const Polyhedron& p, const std::vector<Edge>& edges) {
  double worst = 0.0;
  for (const Edge& e : edges) {
    const Vec3 touch = nearestOnLine(p.vertices[static_cast<std::size_t>(e.first)],
                                     p.vertices[static_cast<std::size_t>(e.second)]);
    worst = std::max(worst, std::fabs(norm(touch) - 1.0));
  }
  for (const std::vector<int>& face : p.faces) {
    const Vec3 n = normalized(newellNormal(p.vertices, face));
    const double offset = dot(n, cornerMean(p.vertices, face));
    for (const int c : face)
      worst = std::max(worst, std::fabs(dot(n, p.vertices[static_cast<std::size_t>(c)]) - offset));
  }
  return worst;
}

}  // namespace

Settling settleCanonical(const Polyhedron& solid) {
  Settling result{solid, 0.0};
  Polyhedron& p = result.solid;
  const std::vector<Edge> edges = edgesOf(p.faces);
  // Start at midradius 1.
  double sum = 0.0;
  for (const Edge& e : edges) {
    sum += norm(nearestOnLine(p.vertices[static_cast<std::size_t>(e.first)],
                              p.vertices[static_cast<std::size_t>(e.second)]));
  }
  const double midradius = sum / static_cast<double>(edges.size());
  for (Vec3& v : p.vertices)
    v = v / midradius;

  std::vector<Vec3> shift(p.vertices.size());
  std::vector<int> shares(p.vertices.size());
  for (int round = 0; round < kRounds; ++round) {
    if (round % 50 == 0 && residualOf(p, edges) < kSettled) break;
    // The mean of the touching points moves to the origin; then each edge
    // pulls its ends so that it touches the unit sphere.
    Vec3 centre;
    for (const Edge& e : edges) {
      centre = centre + nearestOnLine(p.vertices[static_cast<std::size_t>(e.first)],
                                      p.vertices[static_cast<std::size_t>(e.second)]);
    }
    centre = centre / static_cast<double>(edges.size());
    for (Vec3& v : p.vertices)
      v = v - centre;
    std::fill(shift.begin(), shift.end(), Vec3{});
    std::fill(shares.begin(), shares.end(), 0);
    for (const Edge& e : edges) {
      const Vec3 touch = nearestOnLine(p.vertices[static_cast<std::size_t>(e.first)],
                                       p.vertices[static_cast<std::size_t>(e.second)]);
      const Vec3 pull = touch * ((1.0 - norm(touch)) / norm(touch));
      shift[static_cast<std::size_t>(e.first)] = shift[static_cast<std::size_t>(e.first)] + pull;
      shift[static_cast<std::size_t>(e.second)] = shift[static_cast<std::size_t>(e.second)] + pull;
      ++shares[static_cast<std::size_t>(e.first)];
      ++shares[static_cast<std::size_t>(e.second)];
    }
    for (std::size_t v = 0; v < p.vertices.size(); ++v)
      p.vertices[v] = p.vertices[v] + shift[v] / static_cast<double>(std::max(shares[v], 1));
    // Each face pulls its corners onto its plane; a corner moves by the mean of its faces' pulls.
    std::fill(shift.begin(), shift.end(), Vec3{});
    std::fill(shares.begin(), shares.end(), 0);
    for (const std::vector<int>& face : p.faces) {
      const Vec3 n = normalized(newellNormal(p.vertices, face));
      const double offset = dot(n, cornerMean(p.vertices, face));
      for (const int c : face) {
        const std::size_t v = static_cast<std::size_t>(c);
        shift[v] = shift[v] + n * (offset - dot(n, p.vertices[v]));
        ++shares[v];
      }
    }
    for (std::size_t v = 0; v < p.vertices.size(); ++v) {
      if (shares[v] > 0) p.vertices[v] = p.vertices[v] + shift[v] / static_cast<double>(shares[v]);
    }
  }
  result.residual = residualOf(p, edges);
  return result;
}

}  // namespace velkora
