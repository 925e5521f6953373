#pragma once
// Hand-made models for the render tests and benchmarks: a few faces placed
// by hand, an icosahedron and a 120-triangle solid with latitude-longitude
// sphere meshes of 432 points and 408 quads, tilted and scaled like a load.

#include <initializer_list>
#include <vector>

#include "model/model.h"

namespace velkora::test {

// Appends a polygon through the given points to the model's faces (centre
// from the points, unscaled); returns its index.
int addFace(Model& model, std::initializer_list<Point3> corners);

// Appends a quad to both sphere meshes (the same points for inner and outer).
int addSphereQuad(Model& model, std::initializer_list<Point3> corners);

// The icosahedron with spheres of its inradius and circumradius.
Model icosahedron();

// A convex solid of 120 triangles (two polar fans of 10 and five bands of
// 20), about as heavy to draw as the largest catalogue solids.
Model hundredTwentyTriangles();

// Turns every point set by a in the x-y plane, then b in the y-z plane (degrees).
void turn(Model& model, double a, double b);

}  // namespace velkora::test
