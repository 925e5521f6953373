#pragma once
// The morph of a canonical solid P into its dual: P scaled so that its
// midsphere (the sphere that touches every edge) has radius 1, D its polar
// reciprocal about that sphere, and M(t) = P cut by s(t) D, with s running
// geometrically from s0 (s0 D just holds P) through 1 at t = 1/2 to s1 (s1 D
// just fits inside P). All lengths here are in units of the midradius.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "base/polyhedron.h"
#include "base/vec.h"

namespace velkora {

// How far, relative to the midradius, the given edges may lie from one common
// sphere (catalogue coordinates carry seven digits); the solid is then settled
// into its exact canonical form, and points of M(t) closer than the merge
// tolerance count as one.
inline constexpr double kMidsphereTolerance = 1e-5;
inline constexpr double kMorphMergeTolerance = 1e-6;

class DualMorph {
 public:
  // solid: a closed convex solid about the origin whose edges touch one
  // sphere about the origin. Throws EInvalidSolid for one that is not closed
  // and convex, or whose edges do not all touch one sphere.
  explicit DualMorph(const Polyhedron& solid);

  // P settled into canonical form, in midradius units, faces counter-clockwise
  // seen from outside.
  const Polyhedron& start() const { return start_; }
  // The factor from the given solid's units to midradius units.
  double unitScale() const { return unitScale_; }

  double s0() const { return s0_; }
  double s1() const { return s1_; }
  // The scale of D at parameter t in [0, 1] (t is clamped), and back.
  double scaleAt(double t) const;
  double parameterOf(double s) const;

  // M(t) for t in [0, 1] (t is clamped): the vertices that coincide within
  // kMorphMergeTolerance are one, faces counter-clockwise from outside.
  // Between two events the faces stay the same and every vertex is where the
  // same three planes meet: each stretch's shape is cut once, on
  // construction, and a t in it costs three-by-three solves only; M at an
  // event itself is kept whole.
  Polyhedron at(double t) const;

  // The points where P's edges touch the midsphere, one per edge.
  std::vector<Vec3> touchPoints() const;

  // The parameters, ascending and without repeats, at which a vertex of P
  // lies on a face plane of s D or a vertex of s D on a face plane of P: the
  // only places where the faces of M(t) can appear, vanish or meet.
  const std::vector<double>& eventParameters() const { return events_; }

 private:
  // The faces of M(t) between two events, and per vertex the rows that give
  // it from the offsets of the three planes that meet there.
  struct Stretch {
    Polyhedron shape;
    struct Corner {
      std::array<int, 3> planes{};  // labels: P's faces 0..F-1, then D's planes
      std::array<Vec3, 3> rows{};   // x = sum_i offset_i rows_i
    };
    std::vector<Corner> corners;
  };

  std::vector<double> findEvents() const;
  Polyhedron cut(double t, std::vector<int>* labels) const;
  std::optional<Stretch> buildStretch(const Polyhedron& shape,
                                      const std::vector<int>& labels) const;
  double planeOffset(int label, double s) const;

  Polyhedron start_;
  std::vector<Vec3> polarVertices_;  // the vertices of D: the poles of P's face planes
  double unitScale_ = 1.0;
  double s0_ = 1.0;
  double s1_ = 1.0;
  std::vector<Vec3> faceNormals_;  // P's faces, unit
  std::vector<double> faceOffsets_;
  std::vector<double> events_;
  std::vector<std::optional<Stretch>> stretches_;  // between events k and k + 1
  std::vector<std::optional<Polyhedron>> eventShapes_;
};

}  // namespace velkora
