#pragma once
// The one check that points and faces make a closed, consistently oriented,
// convex solid around an inner point, and the faces turned outward. Used by
// everything that measures, exports, unfolds or hides by a solid's faces.
// Knows nothing of the catalogue, the picture or units.

#include <span>
#include <string>
#include <vector>

#include "base/vec.h"

namespace velkora {

// Relative tolerance of the flatness and convexity checks: catalogue corners
// carry seven digits, so faces are flat to about 1e-7 of the solid's reach.
inline constexpr double kConvexTolerance = 1e-6;

struct ConvexSolid {
  // The faces counter-clockwise seen from outside. A face given clockwise is
  // turned keeping its first corner: a, b, c, d becomes a, d, c, b.
  std::vector<std::vector<int>> faces;
  std::vector<bool> turned;   // per face: whether it was given clockwise
  std::vector<Vec3> normals;  // per face: outward, unit length
  Vec3 centre;                // mean of all points, strictly inside every face plane
  double reach = 0.0;         // largest distance of a point from the centre
  int edgeCount = 0;
};

// Inputs: points in any unit, faces as corner indices into points.
// Checks, in this order, and throws EInvalidSolid with a German message that
// names the first offending face, edge, corner or point:
//  - at least 4 points and 4 faces, every coordinate finite;
//  - every face with at least 3 corners, each inside points and none twice,
//    no two neighbouring corners on the same point, and an area;
//  - every face plane (from Newell's normal) with the centre strictly inside,
//    and no point outside it by more than tolerance times the reach (convex);
//  - after turning faces outward, every edge once in each direction (closed
//    and consistently oriented), and the faces round each point one fan.
// tolerance is relative to the reach; the default suits catalogue data.
ConvexSolid checkConvexSolid(std::span<const Vec3> points, std::span<const std::vector<int>> faces,
                             double tolerance = kConvexTolerance);

// The same check without throwing: false and the message in problem when the
// solid fails, else true with the result in solid. For callers that only
// skip work on a bad solid (the picture's cover) and must not unwind.
bool tryConvexSolid(std::span<const Vec3> points, std::span<const std::span<const int>> faces,
                    double tolerance, ConvexSolid& solid, std::string& problem);

}  // namespace velkora
