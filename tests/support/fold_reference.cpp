#include "tests/support/fold_reference.h"

#include <cmath>
#include <cstddef>
#include <queue>
#include <string>

namespace velkora::test {
namespace {

// ---- Small vector and rigid-motion arithmetic of its own.

using P = RefPoint;

P operator+(P a, P b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P operator-(P a, P b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P operator*(double s, P a) { return {s * a.x, s * a.y, s * a.z}; }
double dot(P a, P b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
P cross(P a, P b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double length(P a) { return std::sqrt(dot(a, a)); }
P unit(P a) { return (1.0 / length(a)) * a; }

// x -> m x + t, m a rotation stored by rows.
struct Motion {
  P row[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  P t{0, 0, 0};

  P linear(P x) const { return {dot(row[0], x), dot(row[1], x), dot(row[2], x)}; }
  P operator()(P x) const { return linear(x) + t; }
};

// First `outer`, after `inner`: x -> outer(inner(x)).
Motion compose(const Motion& outer, const Motion& inner) {
  Motion result;
  // Columns of inner's matrix, each mapped by outer's matrix, are the columns of the product.
  const P columns[3] = {{inner.row[0].x, inner.row[1].x, inner.row[2].x},
                        {inner.row[0].y, inner.row[1].y, inner.row[2].y},
                        {inner.row[0].z, inner.row[1].z, inner.row[2].z}};
  P mapped[3];
  for (int c = 0; c < 3; ++c)
    mapped[c] = outer.linear(columns[c]);
  result.row[0] = {mapped[0].x, mapped[1].x, mapped[2].x};
  result.row[1] = {mapped[0].y, mapped[1].y, mapped[2].y};
  result.row[2] = {mapped[0].z, mapped[1].z, mapped[2].z};
  result.t = outer(inner.t);
  return result;
}

// The turn by angle (right-handed) about the line through `through` along the unit vector u
// (Rodrigues' formula written out as a matrix).
Motion turnAbout(P through, P u, double angle) {
  const double c = std::cos(angle), s = std::sin(angle), k = 1.0 - c;
  Motion m;
  m.row[0] = {c + k * u.x * u.x, k * u.x * u.y - s * u.z, k * u.x * u.z + s * u.y};
  m.row[1] = {k * u.y * u.x + s * u.z, c + k * u.y * u.y, k * u.y * u.z - s * u.x};
  m.row[2] = {k * u.z * u.x - s * u.y, k * u.z * u.y + s * u.x, c + k * u.z * u.z};
  m.t = through - m.linear(through);
  return m;
}

// ---- The solid.

P centreOf(const std::vector<RefPoint>& points, const std::vector<int>& indices) {
  P sum{0, 0, 0};
  for (int i : indices)
    sum = sum + points[static_cast<std::size_t>(i)];
  return (1.0 / static_cast<double>(indices.size())) * sum;
}

// The unit normal of a face pointing away from the solid's centre (Newell's normal, turned).
P outwardNormal(const std::vector<RefPoint>& vertices, const std::vector<int>& face, P centre) {
  P n{0, 0, 0};
  for (std::size_t i = 0; i < face.size(); ++i) {
    const P a = vertices[static_cast<std::size_t>(face[i])];
    const P b = vertices[static_cast<std::size_t>(face[(i + 1) % face.size()])];
    n = n + cross(a, b);
  }
  if (dot(n, centreOf(vertices, face) - centre) < 0.0) n = -1.0 * n;
  return unit(n);
}

bool adjacentIn(const std::vector<int>& face, int a, int b) {
  for (std::size_t i = 0; i < face.size(); ++i) {
    const int u = face[i], v = face[(i + 1) % face.size()];
    if ((u == a && v == b) || (u == b && v == a)) return true;
  }
  return false;
}

// The two corners that faces p and c share along an edge.
std::pair<int, int> sharedEdge(const std::vector<int>& p, const std::vector<int>& c, int pi,
                               int ci) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    const int a = p[i], b = p[(i + 1) % p.size()];
    if (adjacentIn(c, a, b)) return {a, b};
  }
  throw EFoldReference("Flächen " + std::to_string(pi) + " und " + std::to_string(ci) +
                       " haben keine gemeinsame Kante");
}

void checkInput(const std::vector<RefPoint>& vertices, const std::vector<std::vector<int>>& faces,
                const std::vector<std::pair<int, int>>& folds, int root, double f) {
  if (!(f >= 0.0 && f <= 1.0)) {
    throw EFoldReference("Faltstufe " + std::to_string(f) + " liegt nicht in [0, 1]");
  }
  const int faceCount = static_cast<int>(faces.size());
  if (root < 0 || root >= faceCount) {
    throw EFoldReference("Wurzelfläche " + std::to_string(root) + " gibt es nicht");
  }
  for (int i = 0; i < faceCount; ++i) {
    const auto& face = faces[static_cast<std::size_t>(i)];
    if (face.size() < 3) {
      throw EFoldReference("Fläche " + std::to_string(i) + " hat weniger als 3 Ecken");
    }
    for (int corner : face) {
      if (corner < 0 || corner >= static_cast<int>(vertices.size())) {
        throw EFoldReference("Fläche " + std::to_string(i) + " mit ungültiger Ecke " +
                             std::to_string(corner));
      }
    }
  }
  if (static_cast<int>(folds.size()) != faceCount - 1) {
    throw EFoldReference(std::to_string(folds.size()) + " Faltkanten für " +
                         std::to_string(faceCount) + " Flächen sind kein Baum");
  }
  for (const auto& [a, b] : folds) {
    if (a < 0 || a >= faceCount || b < 0 || b >= faceCount || a == b) {
      throw EFoldReference("Faltkante " + std::to_string(a) + "-" + std::to_string(b) +
                           " verbindet keine zwei Flächen");
    }
  }
}

}  // namespace

std::vector<std::vector<RefPoint>> referenceFoldedFaces(
    const std::vector<RefPoint>& vertices, const std::vector<std::vector<int>>& faces,
    const std::vector<std::pair<int, int>>& folds, int root, double f) {
  checkInput(vertices, faces, folds, root, f);
  const std::size_t n = faces.size();
  std::vector<std::vector<int>> neighbours(n);
  for (const auto& [a, b] : folds) {
    neighbours[static_cast<std::size_t>(a)].push_back(b);
    neighbours[static_cast<std::size_t>(b)].push_back(a);
  }

  std::vector<int> all(vertices.size());
  for (std::size_t i = 0; i < all.size(); ++i)
    all[i] = static_cast<int>(i);
  const P centre = centreOf(vertices, all);

  // Walk the tree from the root; each face's motion is its parent's motion after its own hinge
  // turn, the hinge taken where it is on the solid.
  std::vector<Motion> motion(n);
  std::vector<bool> reached(n, false);
  std::queue<int> queue;
  queue.push(root);
  reached[static_cast<std::size_t>(root)] = true;
  std::size_t reachedCount = 1;
  while (!queue.empty()) {
    const int parent = queue.front();
    queue.pop();
    const auto& parentFace = faces[static_cast<std::size_t>(parent)];
    for (int child : neighbours[static_cast<std::size_t>(parent)]) {
      if (reached[static_cast<std::size_t>(child)]) continue;
      reached[static_cast<std::size_t>(child)] = true;
      ++reachedCount;
      queue.push(child);
      const auto& childFace = faces[static_cast<std::size_t>(child)];
      const auto [a, b] = sharedEdge(parentFace, childFace, parent, child);
      const P pa = vertices[static_cast<std::size_t>(a)];
      const P pb = vertices[static_cast<std::size_t>(b)];
      const P np = outwardNormal(vertices, parentFace, centre);
      const P nc = outwardNormal(vertices, childFace, centre);
      // The angle between the outward normals is pi minus the dihedral angle. The turn about
      // u = nc x np (along the hinge) by that angle takes nc onto np, which lays the child flat
      // beyond the hinge, away from the inside; the stage takes the share 1 - f of it.
      // The axis is taken along the edge itself, so that the hinge stays exactly in place.
      const P axis = cross(nc, np);
      const double between = std::atan2(length(axis), dot(nc, np));
      const P along = unit(pb - pa);
      const P u = dot(axis, along) >= 0.0 ? along : -1.0 * along;
      const Motion hinge = turnAbout(pa, u, (1.0 - f) * between);
      motion[static_cast<std::size_t>(child)] =
          compose(motion[static_cast<std::size_t>(parent)], hinge);
    }
  }
  if (reachedCount != n) {
    throw EFoldReference("Faltkanten verbinden nicht alle " + std::to_string(n) + " Flächen");
  }

  std::vector<std::vector<RefPoint>> result(n);
  for (std::size_t i = 0; i < n; ++i) {
    for (int corner : faces[i]) {
      result[i].push_back(motion[i](vertices[static_cast<std::size_t>(corner)]));
    }
  }
  return result;
}

}  // namespace velkora::test
