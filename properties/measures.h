#pragma once
// Lengths, angles, radii, area and volume of an oriented solid mesh, at the
// mesh's own scale. Values that should be equal (all edges of one kind) are
// grouped within a relative tolerance that covers the catalogue's 7 digits.

#include <optional>
#include <vector>

#include "properties/solid_mesh.h"

namespace velkora {

// Relative tolerance for "equal" measured values: the catalogue stores about
// 7 significant digits, so equal edges differ by up to a few 1e-7.
inline constexpr double kEqualRelative = 1e-5;

struct ValueCount;

// Groups values that lie within kEqualRelative of the smallest of their group;
// each group's value is its mean. Sorted by value.
std::vector<ValueCount> groupValues(std::vector<double> values);

// The mean of values when all lie within kEqualRelative of each other.
std::optional<double> commonValue(const std::vector<double>& values);

struct MeshMeasures {
  std::vector<double> edgeLengths;      // one per edge
  std::vector<double> dihedralAngles;   // degrees, one per edge
  std::vector<double> faceDistances;    // centre to each face plane
  std::vector<double> edgeDistances;    // centre to each edge line
  std::vector<double> vertexDistances;  // centre to each vertex
  double surfaceArea = 0.0;             // faces fanned from their corner mean
  double volume = 0.0;                  // the same fans as cones from the centre
};

MeshMeasures measureMesh(const SolidMesh& mesh);

}  // namespace velkora
