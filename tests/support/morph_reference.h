#pragma once
// A reference computation of the dual morph for tests: the solid M(t) = P ∩ s(t)·D between a
// canonical convex solid P and its polar D, found by brute force from half-spaces, with its counts,
// volume and edge lengths, and the t at which it matches given solids. Test support only; it uses
// no geometry of the program beyond Vec3, so that the program's morph can be held against it.

#include <map>
#include <vector>

#include "base/errors.h"
#include "base/vec.h"

namespace velkora::reference {

// A convex solid as corner positions and faces (corner index lists). The corner order of a face
// is not relied on: outward normals are taken to point away from the origin.
struct ReferenceMesh {
  std::vector<Vec3> vertices;
  std::vector<std::vector<int>> faces;
};

// Input the reference cannot work with: too few corners or faces, an index out of range, a t
// outside [0, 1], a solid whose edges do not touch one sphere or whose faces are not flat.
class EMorphReference : public Error {
 public:
  using Error::Error;
};

struct MorphFacts {
  int vertices = 0, edges = 0, faces = 0;
  std::map<int, int> faceKinds;     // number of corners -> number of faces
  double volume = 0.0;              // at midradius 1 (P scaled as above, M not rescaled)
  std::vector<double> edgeLengths;  // every edge once, ascending, at midradius 1
  std::vector<Vec3> points;         // the vertices of M(t), at midradius 1
};

// The facts of M(t) for 0 <= t <= 1.
// Input: P convex, centred at the origin, every edge touching one sphere about the origin (any
// radius). P is scaled so that the mean distance of its edge lines from the origin is 1; D is the
// polar of the scaled P about the unit sphere, s·D = { x : v·x <= s for every vertex v of P }, and
// M(t) = P ∩ s(t)·D with s(t) = s0^(1 − 2t) up to t = 1/2 and s1^(2t − 1) after it, where s0 is the
// least s with P inside s·D and s1 the largest with s·D inside P.
// P must be exact to 1e-10 (edge distances, flat faces) and is refused otherwise: run solids read
// to a few digits through canonicalForm (canonical_form.h) first.
// Output: counts, volume, edge lengths and points of M(t) at that scale. Vertices that coincide
// within 1e-9 of P's circumradius are one vertex; a face is a plane of P or s·D that carries a
// polygon of positive area; an edge joins two vertices that share two faces.
MorphFacts morphFacts(const ReferenceMesh& p, double t);

// Whether two solids are similar: same counts and face kinds, and edge lengths (each sorted,
// scaled so that the longest is 1) equal within tolerance.
bool similar(const MorphFacts& a, const MorphFacts& b, double tolerance = 1e-6);

// The facts of a solid as given, not scaled. Needs a convex solid around the origin.
MorphFacts factsOf(const ReferenceMesh& solid);

// The stops of P's path: every t in [0, 1] at which M(t) is similar (within 1e-6) to one of the
// candidates, ascending, with the index of that candidate; t = 0 and t = 1 included when they
// match. t is found to better than 1e-9. Candidates must be convex solids around the origin.
struct ReferenceStop {
  double t;
  int candidate;
};
std::vector<ReferenceStop> morphStops(const ReferenceMesh& p,
                                      const std::vector<ReferenceMesh>& candidates);

}  // namespace velkora::reference
