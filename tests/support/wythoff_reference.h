#pragma once
// A reference computation of Wythoff's kaleidoscope for tests: the symmetry group of the
// tetrahedron, octahedron or icosahedron closed from its three mirrors, the orbit of a weighted
// point of the fundamental triangle, its convex hull found by brute force, and the facts of that
// solid. Test support only; it uses no geometry of the program beyond Vec3 and its own hull.

#include <map>
#include <vector>

#include "base/errors.h"
#include "base/vec.h"

namespace velkora::reference {

// Weights that are negative, not finite or all zero.
class EReferenceWeights : public Error {
 public:
  using Error::Error;
};

// The three symmetry families, each with its fundamental triangle A (3-fold axis), B (2-fold
// axis) and C (the tetrahedron's other 3-fold axis, the cube's 4-fold or the icosahedron's 5-fold).
enum class ReferenceFamily { T, O, I };

struct WythoffFacts {
  int vertices = 0, edges = 0, faces = 0;
  std::map<int, int> faceKinds;     // corners -> number of faces
  double volume = 0.0, area = 0.0;  // of W with all vertices on the unit sphere
  std::vector<double> edgeLengths;  // every edge once, ascending
};

// The hull itself: vertices on the unit sphere, each face a polygon of vertex indices in
// counter-clockwise order seen from outside.
struct ReferenceHull {
  std::vector<Vec3> vertices;
  std::vector<std::vector<int>> faces;
};

// The hull of the orbit of g = (aA + bB + cC) / |aA + bB + cC|; orbit points within 1e-9 of each
// other are one vertex, coplanar hull facets one face. Weights need not be normalised; throws
// EReferenceWeights for negative or all-zero weights. Reliable down to weights of about 1e-8
// beside zeros, and again below about 1e-10, where the close orbit points merge.
ReferenceHull wythoffHull(ReferenceFamily family, double a, double b, double c);

// Facts of W(a, b, c), the hull above. An edge joins two vertices that share two faces. Throws
// Error when the hull found is not closed (V - E + F != 2), which happens only between those two
// ranges.
WythoffFacts wythoffFacts(ReferenceFamily family, double a, double b, double c);

// The order of the family's group as generated.
int groupOrder(ReferenceFamily family);

// Whether two solids are similar: same face kinds and counts, sorted edge lengths equal (longest
// scaled to 1) within tolerance.
bool similarShape(const WythoffFacts& x, const WythoffFacts& y, double tolerance = 1e-6);

// The weights (a, b, c summing to 1) at which W is a uniform solid: the three corners, one point
// on each side and one inside, seven in all, in the order A, B, C, AB, BC, CA, ABC.
struct ReferenceWythoffStop {
  double a, b, c;
  WythoffFacts facts;
};
std::vector<ReferenceWythoffStop> wythoffStops(ReferenceFamily family);

}  // namespace velkora::reference
