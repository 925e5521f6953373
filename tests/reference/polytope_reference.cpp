#include "tests/reference/polytope_reference.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <stdexcept>
#include <utility>

namespace velkora::reference {

namespace {

double distance(Vec3 a, Vec3 b) { return norm(a - b); }

// The indices of the vertices that faces use, ascending.
std::vector<int> usedVertices(const Polyhedron& solid) {
  std::set<int> used;
  for (const auto& face : solid.faces)
    used.insert(face.begin(), face.end());
  return {used.begin(), used.end()};
}

// The mean of the used vertices and the largest distance of one from it.
std::pair<Vec3, double> centreAndReach(const Polyhedron& solid) {
  const std::vector<int> used = usedVertices(solid);
  if (used.empty()) throw std::invalid_argument("reference: a polyhedron without faces");
  Vec3 centre;
  for (int i : used)
    centre = centre + solid.vertices.at(static_cast<size_t>(i));
  centre = centre / static_cast<double>(used.size());
  double reach = 0.0;
  for (int i : used)
    reach = std::max(reach, distance(solid.vertices[static_cast<size_t>(i)], centre));
  return {centre, reach};
}

// The polyhedron about its centre, scaled to R = 1, with only the used
// vertices, renumbered in their old order.
Polyhedron normalisedCopy(const Polyhedron& solid) {
  const auto [centre, reach] = centreAndReach(solid);
  const std::vector<int> used = usedVertices(solid);
  std::map<int, int> renumber;
  Polyhedron copy;
  for (int i : used) {
    renumber[i] = static_cast<int>(copy.vertices.size());
    copy.vertices.push_back((solid.vertices[static_cast<size_t>(i)] - centre) / reach);
  }
  for (const auto& face : solid.faces) {
    std::vector<int> corners;
    for (int i : face)
      corners.push_back(renumber.at(i));
    copy.faces.push_back(corners);
  }
  return copy;
}

// The outward unit normal of a planar face (Newell's sum, turned away from
// the origin, which lies inside a normalised convex solid).
Vec3 outwardNormal(const Polyhedron& solid, const std::vector<int>& face) {
  Vec3 sum;
  Vec3 middle;
  for (size_t i = 0; i < face.size(); ++i) {
    const Vec3 p = solid.vertices[static_cast<size_t>(face[i])];
    const Vec3 q = solid.vertices[static_cast<size_t>(face[(i + 1) % face.size()])];
    sum = sum + cross(p, q);
    middle = middle + p;
  }
  Vec3 n = normalized(sum);
  if (dot(n, middle) < 0) n = -n;
  return n;
}

// Replaces each value by the number of its cluster: values sorted, a new
// cluster wherever two neighbours differ by more than tolerance.
std::vector<int> clusterIds(const std::vector<double>& values, double tolerance) {
  std::vector<size_t> order(values.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return values[a] < values[b]; });
  std::vector<int> ids(values.size(), 0);
  int cluster = 0;
  for (size_t k = 0; k < order.size(); ++k) {
    if (k > 0 && values[order[k]] - values[order[k - 1]] > tolerance) ++cluster;
    ids[order[k]] = cluster;
  }
  return ids;
}

using Token = std::array<int, 3>;

// The lexicographically least reading of a cyclic sequence of corner and
// edge tokens (corner, edge, corner, edge, ...), starting at any corner and
// read either way round.
std::vector<Token> canonicalCycle(const std::vector<Token>& corners,
                                  const std::vector<Token>& edges) {
  const size_t k = corners.size();
  std::vector<Token> best;
  for (int direction = 0; direction < 2; ++direction) {
    for (size_t start = 0; start < k; ++start) {
      std::vector<Token> reading;
      for (size_t step = 0; step < k; ++step) {
        if (direction == 0) {
          const size_t v = (start + step) % k;
          reading.push_back(corners[v]);
          reading.push_back(edges[v]);  // edge from corner v to v + 1
        } else {
          const size_t v = (start + k - step) % k;
          reading.push_back(corners[v]);
          reading.push_back(edges[(v + k - 1) % k]);  // edge from corner v to v - 1
        }
      }
      if (best.empty() || reading < best) best = reading;
    }
  }
  return best;
}

}  // namespace

Mat3 identity() {
  Mat3 r;
  for (int i = 0; i < 3; ++i)
    r.m[static_cast<size_t>(i)][static_cast<size_t>(i)] = 1.0;
  return r;
}

Mat3 operator*(const Mat3& a, const Mat3& b) {
  Mat3 r;
  for (size_t i = 0; i < 3; ++i)
    for (size_t j = 0; j < 3; ++j)
      for (size_t k = 0; k < 3; ++k)
        r.m[i][j] += a.m[i][k] * b.m[k][j];
  return r;
}

Vec3 operator*(const Mat3& a, Vec3 v) {
  return {a.m[0][0] * v.x + a.m[0][1] * v.y + a.m[0][2] * v.z,
          a.m[1][0] * v.x + a.m[1][1] * v.y + a.m[1][2] * v.z,
          a.m[2][0] * v.x + a.m[2][1] * v.y + a.m[2][2] * v.z};
}

double determinant(const Mat3& a) {
  const auto& m = a.m;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
         m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Mat3 rotationAbout(Vec3 axis, double angle) {
  const Vec3 u = normalized(axis);
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double t = 1.0 - c;
  Mat3 r;
  r.m = {{{t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y},
          {t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x},
          {t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c}}};
  return r;
}

std::vector<Mat3> generatedGroup(std::span<const Mat3> generators) {
  auto same = [](const Mat3& a, const Mat3& b) {
    for (size_t i = 0; i < 3; ++i)
      for (size_t j = 0; j < 3; ++j)
        if (std::abs(a.m[i][j] - b.m[i][j]) > 1e-9) return false;
    return true;
  };
  std::vector<Mat3> group{identity()};
  for (size_t next = 0; next < group.size(); ++next) {
    for (const Mat3& g : generators) {
      const Mat3 product = g * group[next];
      if (std::none_of(group.begin(), group.end(), [&](const Mat3& h) { return same(h, product); }))
        group.push_back(product);
      if (group.size() > 1000) throw std::runtime_error("reference: the group is not finite");
    }
  }
  return group;
}

Polyhedron bruteForceHull(std::span<const Vec3> points, double mergeTolerance,
                          double planeTolerance, double* stabilityMargin) {
  double scale = 0.0;
  for (Vec3 p : points)
    scale = std::max(scale, norm(p));
  Polyhedron hull;
  for (Vec3 p : points) {
    const bool known = std::any_of(hull.vertices.begin(), hull.vertices.end(), [&](Vec3 q) {
      return distance(p, q) <= mergeTolerance * scale;
    });
    if (!known) hull.vertices.push_back(p);
  }
  const auto& v = hull.vertices;
  const size_t n = v.size();
  const double eps = planeTolerance * scale;
  std::set<std::vector<int>> seen;
  double margin = INFINITY;
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      for (size_t k = j + 1; k < n; ++k) {
        const Vec3 c = cross(v[j] - v[i], v[k] - v[i]);
        if (norm(c) <= 1e-12 * scale * scale) continue;
        Vec3 normal = normalized(c);
        double offset = dot(normal, v[i]);
        double above = -INFINITY;
        double below = INFINITY;
        for (Vec3 p : v) {
          above = std::max(above, dot(normal, p) - offset);
          below = std::min(below, dot(normal, p) - offset);
        }
        if (above > eps && below < -eps) continue;  // vertices on both sides
        if (above > eps) {                          // all below the flipped plane
          normal = -normal;
          offset = -offset;
        }
        std::vector<int> on;
        for (size_t m = 0; m < n; ++m)
          if (std::abs(dot(normal, v[m]) - offset) <= eps)
            on.push_back(static_cast<int>(m));
          else
            margin = std::min(margin, offset - dot(normal, v[m]));
        if (!seen.insert(on).second) continue;
        // The corners by their angle about the face's middle, counter-clockwise
        // seen from outside (about the outward normal).
        Vec3 middle;
        for (int m : on)
          middle = middle + v[static_cast<size_t>(m)];
        middle = middle / static_cast<double>(on.size());
        const Vec3 u = normalized(v[static_cast<size_t>(on[0])] - middle);
        const Vec3 w = cross(normal, u);
        std::vector<std::pair<double, int>> byAngle;
        for (int m : on) {
          const Vec3 d = v[static_cast<size_t>(m)] - middle;
          byAngle.emplace_back(std::atan2(dot(d, w), dot(d, u)), m);
        }
        std::sort(byAngle.begin(), byAngle.end());
        std::vector<int> face;
        for (const auto& [angle, m] : byAngle)
          face.push_back(m);
        hull.faces.push_back(face);
      }
    }
  }
  if (stabilityMargin != nullptr) *stabilityMargin = margin / scale;
  return hull;
}

Measures measure(const Polyhedron& solid) {
  const Polyhedron s = normalisedCopy(solid);
  Measures r;
  r.vertices = static_cast<int>(s.vertices.size());
  r.faces = static_cast<int>(s.faces.size());
  std::set<std::pair<int, int>> edges;
  r.edgeMinOverR = INFINITY;
  for (const auto& face : s.faces) {
    ++r.facesBySides[static_cast<int>(face.size())];
    Vec3 middle;
    for (int i : face)
      middle = middle + s.vertices[static_cast<size_t>(i)];
    middle = middle / static_cast<double>(face.size());
    for (size_t i = 0; i < face.size(); ++i) {
      const int a = face[i];
      const int b = face[(i + 1) % face.size()];
      edges.insert({std::min(a, b), std::max(a, b)});
      const Vec3 p = s.vertices[static_cast<size_t>(a)];
      const Vec3 q = s.vertices[static_cast<size_t>(b)];
      r.areaOverR2 += norm(cross(p - middle, q - middle)) / 2.0;
      r.volumeOverR3 +=
          std::abs(dot(cross(p, q), middle)) / 6.0;  // tetrahedron centre, middle, p, q
      r.edgeMinOverR = std::min(r.edgeMinOverR, distance(p, q));
      r.edgeMaxOverR = std::max(r.edgeMaxOverR, distance(p, q));
    }
  }
  r.edges = static_cast<int>(edges.size());
  return r;
}

std::vector<Congruence> congruences(const Polyhedron& first, const Polyhedron& second,
                                    double tolerance) {
  const Polyhedron a = normalisedCopy(first);
  const Polyhedron b = normalisedCopy(second);
  std::vector<Congruence> found;
  if (a.vertices.size() != b.vertices.size() || a.faces.size() != b.faces.size()) return found;
  std::map<std::vector<int>, int> facesOfB;
  for (size_t f = 0; f < b.faces.size(); ++f) {
    std::vector<int> key = b.faces[f];
    std::sort(key.begin(), key.end());
    facesOfB[key] = static_cast<int>(f);
  }
  // The frame of a: its vertex 0 and a neighbour along an edge not in line with it.
  const Vec3 x0 = a.vertices[0];
  Vec3 x1;
  bool haveNeighbour = false;
  for (const auto& face : a.faces) {
    for (size_t i = 0; i < face.size() && !haveNeighbour; ++i) {
      if (face[i] != 0) continue;
      const Vec3 candidate = a.vertices[static_cast<size_t>(face[(i + 1) % face.size()])];
      if (norm(cross(x0, candidate)) > 1e-3) {
        x1 = candidate;
        haveNeighbour = true;
      }
    }
  }
  if (!haveNeighbour) throw std::runtime_error("reference: no frame for the congruence search");
  auto frame = [](Vec3 p, Vec3 q) {
    const Vec3 e1 = normalized(p);
    const Vec3 e2 = normalized(q - dot(q, e1) * e1);
    return std::array<Vec3, 3>{e1, e2, cross(e1, e2)};
  };
  const auto ea = frame(x0, x1);
  std::set<std::vector<int>> seen;
  for (Vec3 y0 : b.vertices) {
    if (std::abs(norm(y0) - norm(x0)) > tolerance) continue;
    for (Vec3 y1 : b.vertices) {
      if (std::abs(norm(y1) - norm(x1)) > tolerance ||
          std::abs(dot(y0, y1) - dot(x0, x1)) > tolerance || norm(cross(y0, y1)) < 1e-3)
        continue;
      const auto fb = frame(y0, y1);
      for (int hand = 0; hand < 2; ++hand) {
        const double third = hand == 0 ? 1.0 : -1.0;
        Mat3 map;  // sum of fb[i] ea[i]^T, the third axis possibly flipped
        const std::array<Vec3, 3> images{fb[0], fb[1], third * fb[2]};
        for (size_t i = 0; i < 3; ++i) {
          const Vec3 e = ea[i];
          const Vec3 f = images[i];
          const std::array<double, 3> fe{f.x, f.y, f.z};
          const std::array<double, 3> ee{e.x, e.y, e.z};
          for (size_t r = 0; r < 3; ++r)
            for (size_t c = 0; c < 3; ++c)
              map.m[r][c] += fe[r] * ee[c];
        }
        Congruence g{map, hand == 0, {}, {}};
        std::vector<bool> taken(b.vertices.size(), false);
        bool fits = true;
        for (Vec3 x : a.vertices) {
          const Vec3 image = map * x;
          int match = -1;
          for (size_t m = 0; m < b.vertices.size(); ++m)
            if (!taken[m] && distance(image, b.vertices[m]) <= tolerance)
              match = static_cast<int>(m);
          if (match < 0) {
            fits = false;
            break;
          }
          taken[static_cast<size_t>(match)] = true;
          g.vertexImage.push_back(match);
        }
        if (!fits || !seen.insert(g.vertexImage).second) continue;
        for (const auto& face : a.faces) {
          std::vector<int> key;
          for (int i : face)
            key.push_back(g.vertexImage[static_cast<size_t>(i)]);
          std::sort(key.begin(), key.end());
          const auto it = facesOfB.find(key);
          if (it == facesOfB.end()) {
            fits = false;
            break;
          }
          g.faceImage.push_back(it->second);
        }
        if (fits) found.push_back(g);
      }
    }
  }
  return found;
}

std::vector<int> faceKindsBySymmetry(const Polyhedron& solid, double tolerance) {
  const size_t count = solid.faces.size();
  std::vector<int> parent(count);
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](int f) {
    while (parent[static_cast<size_t>(f)] != f)
      f = parent[static_cast<size_t>(f)];
    return f;
  };
  for (const Congruence& g : congruences(solid, solid, tolerance)) {
    for (size_t f = 0; f < count; ++f) {
      const int p = root(static_cast<int>(f));
      const int q = root(g.faceImage[f]);
      parent[static_cast<size_t>(std::max(p, q))] = std::min(p, q);
    }
  }
  std::map<int, int> number;
  std::vector<int> kinds;
  for (size_t f = 0; f < count; ++f) {
    const int r = root(static_cast<int>(f));
    if (!number.contains(r)) number[r] = static_cast<int>(number.size());
    kinds.push_back(number[r]);
  }
  return kinds;
}

std::vector<int> faceKindsByNeighbourhood(const Polyhedron& solid, double tolerance) {
  const Polyhedron s = normalisedCopy(solid);
  const size_t count = s.faces.size();
  // The face across each edge of each face.
  std::map<std::pair<int, int>, std::vector<int>> facesAtEdge;
  for (size_t f = 0; f < count; ++f) {
    const auto& face = s.faces[f];
    for (size_t i = 0; i < face.size(); ++i) {
      const int a = face[i];
      const int b = face[(i + 1) % face.size()];
      facesAtEdge[{std::min(a, b), std::max(a, b)}].push_back(static_cast<int>(f));
    }
  }
  std::vector<Vec3> normals;
  for (const auto& face : s.faces)
    normals.push_back(outwardNormal(s, face));
  std::vector<std::vector<int>> across(count);
  std::vector<double> corners, lengths, dihedrals;  // flat, face by face, corner by corner
  for (size_t f = 0; f < count; ++f) {
    const auto& face = s.faces[f];
    const size_t k = face.size();
    for (size_t i = 0; i < k; ++i) {
      const int a = face[i];
      const int b = face[(i + 1) % k];
      const auto& pair = facesAtEdge.at({std::min(a, b), std::max(a, b)});
      if (pair.size() != 2) throw std::runtime_error("reference: an edge not between two faces");
      const int other = pair[0] == static_cast<int>(f) ? pair[1] : pair[0];
      across[f].push_back(other);
      const Vec3 p = s.vertices[static_cast<size_t>(a)];
      const Vec3 q = s.vertices[static_cast<size_t>(b)];
      const Vec3 before = s.vertices[static_cast<size_t>(face[(i + k - 1) % k])];
      corners.push_back(dot(normalized(before - p), normalized(q - p)));
      lengths.push_back(distance(p, q));
      dihedrals.push_back(dot(normals[f], normals[static_cast<size_t>(other)]));
    }
  }
  const std::vector<int> cornerId = clusterIds(corners, tolerance);
  const std::vector<int> lengthId = clusterIds(lengths, tolerance);
  const std::vector<int> dihedralId = clusterIds(dihedrals, tolerance);
  std::vector<int> kinds(count, 0);
  int kindsBefore = 1;
  while (true) {
    std::map<std::pair<int, std::vector<Token>>, int> number;
    std::vector<int> next(count);
    size_t flat = 0;
    for (size_t f = 0; f < count; ++f) {
      std::vector<Token> cornerTokens, edgeTokens;
      for (size_t i = 0; i < s.faces[f].size(); ++i, ++flat) {
        cornerTokens.push_back({-1, cornerId[flat], 0});
        edgeTokens.push_back(
            {lengthId[flat], dihedralId[flat], kinds[static_cast<size_t>(across[f][i])]});
      }
      const auto key = std::make_pair(kinds[f], canonicalCycle(cornerTokens, edgeTokens));
      const auto it = number.try_emplace(key, static_cast<int>(number.size())).first;
      next[f] = it->second;
    }
    kinds = next;
    const int kindsNow = static_cast<int>(number.size());
    if (kindsNow == kindsBefore) break;
    kindsBefore = kindsNow;
  }
  return kinds;
}

int kindCount(std::span<const int> kinds) {
  return static_cast<int>(std::set<int>(kinds.begin(), kinds.end()).size());
}

std::vector<int> kindSizes(std::span<const int> kinds) {
  std::map<int, int> sizes;
  for (int k : kinds)
    ++sizes[k];
  std::vector<int> r;
  for (const auto& [kind, size] : sizes)
    r.push_back(size);
  std::sort(r.begin(), r.end());
  return r;
}

bool samePartition(std::span<const int> a, std::span<const int> b) {
  if (a.size() != b.size()) return false;
  std::map<int, int> ab, ba;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ab.try_emplace(a[i], b[i]).first->second != b[i]) return false;
    if (ba.try_emplace(b[i], a[i]).first->second != a[i]) return false;
  }
  return true;
}

}  // namespace velkora::reference
