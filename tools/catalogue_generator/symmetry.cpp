#include "tools/catalogue_generator/symmetry.h"

#include <cmath>
#include <deque>

namespace velkora::gen {

namespace {

constexpr Real kSameTolerance = 1e-12L;

bool sameMatrix(const Mat3& a, const Mat3& b) {
  for (std::size_t i = 0; i < 3; ++i) {
    if (distance(a.rows[i], b.rows[i]) > kSameTolerance) {
      return false;
    }
  }
  return true;
}

// Unit normals of the three mirrors, each pointing into the triangle.
std::array<Vec3, 3> inwardNormals(const SchwarzTriangle& t) {
  auto inward = [](Vec3 p, Vec3 q, Vec3 opposite) {
    const Vec3 n = normalized(cross(p, q));
    return dot(n, opposite) > 0 ? n : -n;
  };
  return {inward(t.b, t.c, t.a), inward(t.c, t.a, t.b), inward(t.a, t.b, t.c)};
}

}  // namespace

Real goldenRatio() { return (1 + std::sqrt(5.0L)) / 2; }

SchwarzTriangle tetrahedralTriangle() { return {{1, 1, 1}, {1, 1, -1}, {1, 0, 0}}; }

SchwarzTriangle octahedralTriangle() { return {{0, 0, 1}, {1, 1, 1}, {1, 0, 1}}; }

SchwarzTriangle icosahedralTriangle() {
  const Real phi = goldenRatio();
  // A vertex of the icosahedron (0, +-1, +-phi), the centre of a face next to it, and the
  // midpoint of the edge they share.
  return {{0, 1, phi}, {1, 0, phi * phi}, {0, 0, 1}};
}

std::vector<Mat3> reflectionGroup(const SchwarzTriangle& triangle) {
  const auto normals = inwardNormals(triangle);
  const std::array<Mat3, 3> generators{reflection(normals[0]), reflection(normals[1]),
                                       reflection(normals[2])};
  std::vector<Mat3> group{identity()};
  std::deque<Mat3> pending{identity()};
  while (!pending.empty()) {
    const Mat3 element = pending.front();
    pending.pop_front();
    for (const Mat3& generator : generators) {
      const Mat3 product = generator * element;
      bool known = false;
      for (const Mat3& existing : group) {
        if (sameMatrix(existing, product)) {
          known = true;
          break;
        }
      }
      if (!known) {
        group.push_back(product);
        pending.push_back(product);
      }
    }
  }
  return group;
}

std::vector<Mat3> rotationSubgroup(const std::vector<Mat3>& group) {
  std::vector<Mat3> rotations;
  for (const Mat3& element : group) {
    if (determinant(element) > 0) {
      rotations.push_back(element);
    }
  }
  return rotations;
}

std::vector<Vec3> orbit(const std::vector<Mat3>& group, Vec3 seed) {
  const Real tolerance = kSameTolerance * (1 + norm(seed));
  std::vector<Vec3> points;
  for (const Mat3& element : group) {
    const Vec3 image = element * seed;
    bool known = false;
    for (const Vec3& existing : points) {
      if (distance(existing, image) <= tolerance) {
        known = true;
        break;
      }
    }
    if (!known) {
      points.push_back(image);
    }
  }
  return points;
}

Vec3 wythoffPoint(const SchwarzTriangle& triangle, bool activeA, bool activeB, bool activeC) {
  // Solve n_i . X = target_i for the three inward normals; the inverse of the matrix with
  // rows n_a, n_b, n_c has the columns n_b x n_c, n_c x n_a, n_a x n_b over its determinant.
  const auto n = inwardNormals(triangle);
  const Real det = dot(n[0], cross(n[1], n[2]));
  const Real ta = activeA ? 1 : 0;
  const Real tb = activeB ? 1 : 0;
  const Real tc = activeC ? 1 : 0;
  return (cross(n[1], n[2]) * ta + cross(n[2], n[0]) * tb + cross(n[0], n[1]) * tc) / det;
}

}  // namespace velkora::gen
