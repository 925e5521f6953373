#pragma once
// Wythoff's kaleidoscope: a point in a spherical triangle of mirrors, copied
// over the sphere by the reflections of a symmetry family (or by its rotations
// alone, the snub), and the convex solid that the copies span. Its stops: the
// weights at which that solid is uniform (all edges equal), found by computation.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "base/polyhedron.h"
#include "base/vec.h"

namespace velkora {

enum class WythoffFamily { T, O, I };

// The family's letter, and the family of a letter (T, O, I; letter case ignored).
char wythoffLetter(WythoffFamily family);
std::optional<WythoffFamily> wythoffFamilyOf(std::string_view letter);

// Barycentric weights of the triangle's corners A, B, C: non-negative, sum 1.
struct WythoffWeights {
  double a = 1.0;
  double b = 0.0;
  double c = 0.0;
};

// The weights scaled to sum 1; empty for a negative, non-finite or all-zero weight.
std::optional<WythoffWeights> normalisedWeights(double a, double b, double c);

// Which copies of the point span the solid: its images under the whole group
// of reflections, or under the rotations alone (the snub, 12, 24 or 60
// copies), in the hand of the catalogue's snub solids or mirrored.
enum class WythoffCopies { Reflections, Rotations, MirroredRotations };

class Kaleidoscope {
 public:
  explicit Kaleidoscope(WythoffFamily family);

  WythoffFamily family() const { return family_; }
  // The triangle's corners, unit length: A a vertex of the first corner
  // solid, B the middle of an edge at it, C the centre of a face at that edge.
  const std::array<Vec3, 3>& corners() const { return corners_; }
  // The number of the family's symmetries: 24, 48 or 120.
  int order() const { return order_; }
  // The unit normals of the mirrors BC, CA and AB, the sides opposite A, B and C.
  const std::array<Vec3, 3>& mirrors() const { return mirrors_; }

  // The unit generator point of the weights.
  Vec3 generator(WythoffWeights weights) const;
  // Every image of point under the family's symmetries, once.
  std::vector<Vec3> orbit(Vec3 point) const;
  // Every image of point under the family's rotations (the symmetries that
  // keep the hand), once: half as many as orbit() off the mirrors' axes.
  std::vector<Vec3> rotationOrbit(Vec3 point) const;
  // The convex hull of the generator's copies: every vertex on the unit
  // sphere, every face counter-clockwise seen from outside; coinciding copies
  // are one vertex. Under the reflections every face is perpendicular to an
  // image of A, B or C; under the rotations alone the triangles between those
  // faces join them. Throws EInvalidSolid (base/errors.h) should the copies
  // span no solid.
  Polyhedron solid(WythoffWeights weights, WythoffCopies copies = WythoffCopies::Reflections) const;

  // The weights at which the solid is uniform. Under the reflections: the
  // three corners, on each side the point as far from the two mirrors that
  // do not hold that side, and inside the point as far from all three
  // mirrors. Under the rotations the corners and sides are the same (a point
  // on a mirror has the same copies either way) and the point inside is
  // snubWeights().
  std::vector<WythoffWeights> uniformWeights(
      WythoffCopies copies = WythoffCopies::Reflections) const;
  // The one point inside the triangle at which every edge of the snub is
  // equally long, solved for numerically. Throws EInvalidSolid if the
  // solution does not settle inside the triangle.
  WythoffWeights snubWeights() const;

 private:
  WythoffFamily family_;
  std::array<Vec3, 3> corners_{};
  std::array<Vec3, 3> mirrors_{};  // unit normals of the mirrors BC, CA, AB (opposite A, B, C)
  std::vector<std::array<Vec3, 3>> symmetries_;  // each as the images of the x, y and z axes
  std::vector<std::array<Vec3, 3>> rotations_;   // those of them with determinant +1
  std::vector<Vec3> faceNormals_;                // every image of A, B and C, once
  int order_ = 0;
};

}  // namespace velkora
