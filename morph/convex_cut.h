#pragma once
// Cutting a convex solid by planes: what stays on the inner side of each
// plane, with every cut closed by a new face. Corners that two faces share stay
// one vertex, and a vertex within the tolerance of a plane counts as on it, so
// that a cut through a vertex or along an edge leaves no sliver; the result's
// edges shorter than the tolerance are merged away, the merged vertex put
// where its faces' planes meet best.

#include <cstddef>
#include <utility>
#include <vector>

#include "base/polyhedron.h"
#include "base/vec.h"

namespace velkora {

class ConvexCutter {
 public:
  // solid: convex, faces counter-clockwise seen from outside. tolerance: the
  // absolute distance within which points count as one or as on a plane.
  ConvexCutter(const Polyhedron& solid, double tolerance);

  // Keeps the part with dot(normal, x) <= offset. normal need not be unit
  // length; the tolerance is measured along the unit normal. The new face
  // carries the label planeLabel (the given faces carry their index).
  void cut(Vec3 normal, double offset, int planeLabel = -1);

  // The solid cut so far: used vertices only, renumbered in order of first
  // use; repeated corners and faces with fewer than three corners removed.
  // With labels, the plane label of each face of the result.
  [[nodiscard]] Polyhedron result(std::vector<int>* labels = nullptr) const;

 private:
  struct Crossing {
    int from = 0;
    int to = 0;
    int vertex = 0;
  };
  int crossingVertex(int a, int b);
  std::size_t faceEnd(std::size_t face) const;
  // Per vertex the lowest vertex it is merged with (itself when none).
  std::vector<int> mergedVertices() const;
  // The vertices' positions, merged ones where their faces' planes meet.
  std::vector<Vec3> mergedPositions(const std::vector<int>& root) const;
  void closeCut(Vec3 normal, double offset, int label);

  struct Plane {
    Vec3 normal;  // unit, outward
    double offset = 0.0;
    int label = -1;
  };

  double tolerance_;
  std::vector<Plane> planes_;  // the plane of each face
  std::vector<Vec3> vertices_;
  std::vector<int> corners_;    // the faces' corners, one face after another
  std::vector<int> faceStart_;  // where each face begins in corners_
  // Work space of one cut, kept to avoid allocating on every cut.
  std::vector<double> distance_;
  std::vector<int> measuredIn_;  // the cut whose distance distance_ holds, per vertex
  int cutNumber_ = 0;
  std::vector<int> nextCorners_;
  std::vector<int> nextStart_;
  std::vector<Plane> nextPlanes_;
  std::vector<int> capPoints_;
  std::vector<Crossing> crossings_;
  std::vector<std::pair<double, int>> capOrder_;  // angle about the cut's centre, vertex
};

}  // namespace velkora
