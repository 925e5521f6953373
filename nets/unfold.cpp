#include "nets/unfold.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <utility>

#include "base/convex_solid.h"
#include "base/face_geometry.h"

namespace velkora {

namespace {

// The face in its own plane: corner 0 at the origin, edge 0 along x, outward normal towards the
// viewer.
std::vector<Vec2> localShape(const std::vector<Vec3>& points, const std::vector<int>& corners) {
  const Vec3& p0 = points[static_cast<std::size_t>(corners[0])];
  Vec3 u = points[static_cast<std::size_t>(corners[1])] - p0;
  u = {u.x / norm(u), u.y / norm(u), u.z / norm(u)};
  const Vec3 normal = newellNormal(points, corners);
  const double nn = norm(normal);
  const Vec3 n{normal.x / nn, normal.y / nn, normal.z / nn};
  const Vec3 v = cross(n, u);
  std::vector<Vec2> shape;
  for (int corner : corners) {
    const Vec3 d = points[static_cast<std::size_t>(corner)] - p0;
    shape.push_back({dot(d, u), dot(d, v)});
  }
  return shape;
}

int findRoot(std::vector<int>& parent, int x) {
  while (parent[static_cast<std::size_t>(x)] != x) {
    parent[static_cast<std::size_t>(x)] =
        parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(x)])];
    x = parent[static_cast<std::size_t>(x)];
  }
  return x;
}

// Cut edges: from every vertex but the highest, the edge that climbs most
// steeply along direction; the remaining edges are folds.
std::vector<bool> steepestEdgeFolds(const SolidFaces& solid,
                                    const std::vector<std::vector<int>>& incident, Vec3 direction) {
  std::vector<bool> fold(solid.edges.size(), true);
  for (std::size_t v = 0; v < solid.vertices.size(); ++v) {
    int best = -1;
    double bestSlope = 0.0;
    for (int e : incident[v]) {
      const Adjacency& edge = solid.edges[static_cast<std::size_t>(e)];
      const int w = edge.from == static_cast<int>(v) ? edge.to : edge.from;
      const Vec3 d = solid.vertices[static_cast<std::size_t>(w)] - solid.vertices[v];
      const double slope = dot(d, direction) / norm(d);
      if (slope > bestSlope) {
        bestSlope = slope;
        best = e;
      }
    }
    if (best >= 0) fold[static_cast<std::size_t>(best)] = false;
  }
  return fold;
}

// A spanning tree of the faces from random edge weights (Kruskal).
std::vector<bool> randomTreeFolds(const SolidFaces& solid, NetRandom& random) {
  std::vector<std::uint64_t> weight(solid.edges.size());
  for (auto& w : weight)
    w = random.next();
  std::vector<int> order(solid.edges.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    const auto wa = weight[static_cast<std::size_t>(a)];
    const auto wb = weight[static_cast<std::size_t>(b)];
    return wa < wb || (wa == wb && a < b);
  });
  std::vector<int> parent(solid.faces.size());
  std::iota(parent.begin(), parent.end(), 0);
  std::vector<bool> fold(solid.edges.size(), false);
  for (int e : order) {
    const Adjacency& edge = solid.edges[static_cast<std::size_t>(e)];
    const int ra = findRoot(parent, edge.a);
    const int rb = findRoot(parent, edge.b);
    if (ra == rb) continue;
    parent[static_cast<std::size_t>(ra)] = rb;
    fold[static_cast<std::size_t>(e)] = true;
  }
  return fold;
}

// Fixed, well spread directions (golden-angle spiral on the sphere).
std::vector<Vec3> searchDirections(int count) {
  std::vector<Vec3> directions;
  const double golden = M_PI * (3.0 - std::sqrt(5.0));
  for (int k = 0; k < count; ++k) {
    const double z = 1.0 - (2.0 * k + 1.0) / count;
    const double r = std::sqrt(1.0 - z * z);
    const double phi = golden * k + 0.1234;
    directions.push_back({r * std::cos(phi), r * std::sin(phi), z});
  }
  return directions;
}

constexpr int kRandomAfterFirst = 48;
constexpr int kRandomLimit = 20000;
constexpr double kOverlapTolerance = 1e-7;

}  // namespace

std::uint64_t NetRandom::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

SolidFaces prepareSolid(const Polyhedron& solid) {
  SolidFaces out;
  const ConvexSolid checked = checkConvexSolid(solid.vertices, solid.faces);
  // Faces given clockwise are reversed whole, so that a face's corner 0 (the
  // origin of its plane shape, and so the net's layout) stays as it was.
  std::vector<std::vector<int>> oriented = solid.faces;
  for (std::size_t f = 0; f < oriented.size(); ++f) {
    if (checked.turned[f]) std::reverse(oriented[f].begin(), oriented[f].end());
  }
  // Longest edge, the unit of the net.
  for (const auto& c : oriented) {
    for (std::size_t k = 0; k < c.size(); ++k) {
      const Vec3 d = solid.vertices[static_cast<std::size_t>(c[k])] -
                     solid.vertices[static_cast<std::size_t>(c[(k + 1) % c.size()])];
      out.longestEdge = std::max(out.longestEdge, norm(d));
    }
  }
  for (const Point3& p : solid.vertices) {
    out.vertices.push_back({p.x / out.longestEdge, p.y / out.longestEdge, p.z / out.longestEdge});
  }
  // Directed edge (from, to) -> face and corner; its partner runs (to, from).
  std::map<std::pair<int, int>, std::pair<int, int>> directed;
  for (std::size_t f = 0; f < oriented.size(); ++f) {
    const auto& c = oriented[f];
    FaceShape shape;
    shape.vertices = c;
    shape.local = localShape(out.vertices, c);
    shape.edges.assign(c.size(), -1);
    out.faces.push_back(std::move(shape));
    for (std::size_t k = 0; k < c.size(); ++k) {
      const auto key = std::make_pair(c[k], c[(k + 1) % c.size()]);
      directed.emplace(key, std::make_pair(static_cast<int>(f), static_cast<int>(k)));
    }
  }
  for (const auto& [key, place] : directed) {
    if (key.first > key.second) continue;
    // The checked solid is closed: every directed edge has its partner.
    const auto partner = directed.find({key.second, key.first});
    Adjacency edge{place.first, place.second, partner->second.first, partner->second.second,
                   key.first,   key.second};
    const int index = static_cast<int>(out.edges.size());
    out.faces[static_cast<std::size_t>(edge.a)].edges[static_cast<std::size_t>(edge.ka)] = index;
    out.faces[static_cast<std::size_t>(edge.b)].edges[static_cast<std::size_t>(edge.kb)] = index;
    out.edges.push_back(edge);
  }
  return out;
}

bool placeTree(const SolidFaces& solid, const std::vector<bool>& fold,
               std::vector<std::vector<Vec2>>& polygons) {
  const std::size_t count = solid.faces.size();
  polygons.assign(count, {});
  std::vector<bool> placed(count, false);
  std::vector<int> queue{0};
  placed[0] = true;
  polygons[0] = solid.faces[0].local;
  std::size_t folds = 0;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int f = queue[head];
    const FaceShape& face = solid.faces[static_cast<std::size_t>(f)];
    for (std::size_t k = 0; k < face.edges.size(); ++k) {
      const int e = face.edges[k];
      if (!fold[static_cast<std::size_t>(e)]) continue;
      const Adjacency& edge = solid.edges[static_cast<std::size_t>(e)];
      const bool isA = edge.a == f && edge.ka == static_cast<int>(k);
      const int g = isA ? edge.b : edge.a;
      const int kg = isA ? edge.kb : edge.ka;
      if (placed[static_cast<std::size_t>(g)]) continue;  // the edge back to the parent
      ++folds;
      const FaceShape& other = solid.faces[static_cast<std::size_t>(g)];
      // Edge k of f runs p -> q; edge kg of g runs q -> p.
      const auto& pf = polygons[static_cast<std::size_t>(f)];
      const Vec2 p = pf[k];
      const Vec2 q = pf[(k + 1) % pf.size()];
      const Vec2 lq = other.local[static_cast<std::size_t>(kg)];
      const Vec2 lp = other.local[(static_cast<std::size_t>(kg) + 1) % other.local.size()];
      const Vec2 target = p - q;
      const Vec2 source = lp - lq;
      const double scale = norm(target) * norm(source);
      const double c = dot(source, target) / scale;
      const double s = cross(source, target) / scale;
      std::vector<Vec2> shape;
      shape.reserve(other.local.size());
      for (const Vec2& l : other.local) {
        const Vec2 d = l - lq;
        shape.push_back({q.x + c * d.x - s * d.y, q.y + s * d.x + c * d.y});
      }
      polygons[static_cast<std::size_t>(g)] = std::move(shape);
      placed[static_cast<std::size_t>(g)] = true;
      queue.push_back(g);
    }
  }
  const auto foldCount = static_cast<std::size_t>(std::count(fold.begin(), fold.end(), true));
  return queue.size() == count && foldCount == count - 1 && folds == count - 1;
}

bool anyOverlap(const std::vector<std::vector<Vec2>>& polygons, double tolerance) {
  std::vector<Box> boxes;
  boxes.reserve(polygons.size());
  for (const auto& p : polygons)
    boxes.push_back(boundsOf(p));
  std::vector<int> order(polygons.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return boxes[static_cast<std::size_t>(a)].minX < boxes[static_cast<std::size_t>(b)].minX;
  });
  for (std::size_t i = 0; i < order.size(); ++i) {
    const Box& a = boxes[static_cast<std::size_t>(order[i])];
    for (std::size_t j = i + 1; j < order.size(); ++j) {
      const Box& b = boxes[static_cast<std::size_t>(order[j])];
      if (b.minX >= a.maxX - tolerance) break;
      if (!boxesOverlap(a, b, tolerance)) continue;
      if (convexOverlap(polygons[static_cast<std::size_t>(order[i])],
                        polygons[static_cast<std::size_t>(order[j])], tolerance)) {
        return true;
      }
    }
  }
  return false;
}

Unfolding searchUnfolding(const SolidFaces& solid, double width, double height, int directions) {
  std::vector<std::vector<int>> incident(solid.vertices.size());
  for (std::size_t e = 0; e < solid.edges.size(); ++e) {
    incident[static_cast<std::size_t>(solid.edges[e].from)].push_back(static_cast<int>(e));
    incident[static_cast<std::size_t>(solid.edges[e].to)].push_back(static_cast<int>(e));
  }
  Unfolding best;
  std::vector<std::vector<Vec2>> polygons;
  std::vector<Vec2> points;
  int candidates = 0;
  const auto consider = [&](const std::vector<bool>& fold, bool random) {
    ++candidates;
    if (!placeTree(solid, fold, polygons) || anyOverlap(polygons, kOverlapTolerance)) return false;
    points.clear();
    for (const auto& p : polygons)
      points.insert(points.end(), p.begin(), p.end());
    const Fit fit = bestFit(points, width, height);
    if (fit.scale > best.fit.scale * (1.0 + 1e-9)) {
      best.fold = fold;
      best.polygons = polygons;
      best.fit = fit;
      best.randomTree = random;
    }
    return true;
  };
  for (const Vec3& direction : searchDirections(directions)) {
    consider(steepestEdgeFolds(solid, incident, direction), false);
  }
  if (best.fold.empty()) {
    NetRandom random(0x6E657473ULL);
    int afterFirst = -1;
    for (int k = 0; k < kRandomLimit && afterFirst < kRandomAfterFirst; ++k) {
      if (afterFirst >= 0) {
        ++afterFirst;
        consider(randomTreeFolds(solid, random), true);
      } else if (consider(randomTreeFolds(solid, random), true)) {
        afterFirst = 0;
      }
    }
  }
  if (best.fold.empty()) throw ENetError("Kein überlappungsfreies Netz gefunden");
  best.candidates = candidates;
  return best;
}

}  // namespace velkora
