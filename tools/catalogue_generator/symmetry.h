// Finite reflection groups of the Platonic solids, generated from the three mirrors of a
// Schwarz triangle, and the orbits of points under them (Wythoff's construction).
// Owns no solid: it only produces symmetric point sets in the standard frame, in which the
// coordinate axes are 2-fold (tetrahedral, icosahedral) or 4-fold (octahedral) axes.
#pragma once

#include "tools/catalogue_generator/vec3.h"

#include <vector>

namespace velkora::gen {

// A spherical triangle bounded by three mirrors; a, b, c are its corners on the p-fold,
// q-fold and 2-fold rotation axes. Mirror "a" is the side opposite corner a, and so on.
struct SchwarzTriangle {
  Vec3 a;
  Vec3 b;
  Vec3 c;
};

SchwarzTriangle tetrahedralTriangle();  // (3 3 2), a on the axis (1, 1, 1)
SchwarzTriangle octahedralTriangle();   // (4 3 2), a on the z axis
SchwarzTriangle icosahedralTriangle();  // (5 3 2), a on the axis (0, 1, golden ratio)

// All products of reflections in the triangle's mirrors (24, 48 or 120 matrices), starting
// with the identity, in a fixed order.
std::vector<Mat3> reflectionGroup(const SchwarzTriangle& triangle);

// The elements of determinant +1 (the rotations), in the order of the group.
std::vector<Mat3> rotationSubgroup(const std::vector<Mat3>& group);

// The distinct images of seed under the group, in order of first appearance.
std::vector<Vec3> orbit(const std::vector<Mat3>& group, Vec3 seed);

// The point inside the triangle whose distance from each active mirror is 1 and which lies on
// every inactive mirror. Its orbit under the reflection group is a solid with all edges 2.
// Needs at least one active mirror.
Vec3 wythoffPoint(const SchwarzTriangle& triangle, bool activeA, bool activeB, bool activeC);

// Real value of the golden ratio in long double.
Real goldenRatio();

}  // namespace velkora::gen
