#pragma once
// The jitterbug: the eight triangles of a cuboctahedron turning, each about
// the line through its own centre and the solid's, while every vertex stays
// shared by two of them, until they close into an octahedron. Its vertices,
// its turning triangles and its solid (the convex hull of the vertices) in
// its own frame, and the parameter at which it is an icosahedron. Knows
// nothing of the catalogue; jitterbug_solid.h names its stops.

#include <array>
#include <vector>

#include "base/polyhedron.h"
#include "base/vec.h"

namespace velkora {

inline constexpr int kJitterbugVertices = 12;
inline constexpr int kTurningTriangles = 8;

// The angle in radians by which each triangle has turned at j: j times 60 degrees.
double jitterbugAngle(double j);

// The twelve vertices at j (0 <= j <= 1) in the jitterbug's frame: at j = 0
// the permutations of (±1, ±1, 0), the cuboctahedron with edge sqrt 2. The
// triangle about s / sqrt 3 (s of signs (±1, ±1, ±1)) turns by the angle
// counter-clockwise seen from outside when s.x s.y s.z is 1, clockwise when
// it is -1, and sits at distance (2 / sqrt 3) cos(angle) from the centre, so
// that each vertex stays on its coordinate plane, where the two triangles
// that share it meet. At j = 1 the vertices coincide in pairs at the unit
// points of the axes.
std::array<Vec3, kJitterbugVertices> jitterbugVertices(double j);

// The eight turning triangles as indices into jitterbugVertices, each
// counter-clockwise seen from outside; every vertex belongs to two of them.
const std::array<std::array<int, 3>, kTurningTriangles>& turningTriangles();

// The solid at j: the convex hull of the vertices, in the jitterbug's frame.
// Coinciding vertices are one (j = 1: 6 vertices and 8 faces) and faces in
// one plane are one (j = 0: the 6 squares, 12 vertices and 14 faces).
struct JitterbugShape {
  Polyhedron solid;           // faces counter-clockwise seen from outside
  std::vector<bool> turning;  // per face: one of the eight turning triangles
};
JitterbugShape jitterbugShape(double j);

// The j at which all twenty faces are equilateral triangles: where the
// nearest two vertices that share no turning triangle are as far apart as a
// triangle's corners. Solved by bisection to within 1e-15.
double icosahedronParameter();

}  // namespace velkora
