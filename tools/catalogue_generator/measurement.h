// Measures one catalogue section as read back from the text: counts, face sizes, edge
// lengths, vertex and face-plane distances (each grouped into distinct values with counts),
// the edge 0-1, planarity, centroid and Euler characteristic. Structural faults (an index out
// of range, an unused vertex, an edge not shared by exactly two faces) throw GeneratorError.
#pragma once

#include "tools/catalogue_generator/reference_data.h"
#include "tools/catalogue_generator/text_reader.h"

namespace velkora::gen {

struct Measurement {
  int vertexCount = 0;
  int faceCount = 0;
  int edgeCount = 0;
  std::vector<ValueCount> faceSizes;    // ascending by corner count
  std::vector<ValueCount> edgeLengths;  // distinct values ascending, with counts
  std::vector<ValueCount> vertexDistances;
  std::vector<ValueCount> facePlaneDistances;
  double edge01 = 0;
  bool edge01IsEdge = false;
  Real vertexDistanceSpread = 0;  // largest minus smallest vertex distance
  Real facePlaneSpread = 0;       // largest minus smallest face-plane distance
  Real maxPlaneDeviation = 0;     // farthest corner from its face's plane
  Vec3 centroid;
};

// Values closer than this to their neighbour count as one distinct value; far above the
// rounding noise of 7-digit coordinates and far below the gaps between real values.
inline constexpr Real kDistinctGap = 1e-5L;

// Groups values (any order) into distinct values with counts, ascending.
std::vector<ValueCount> distinctValues(std::vector<Real> values);

Measurement measureSection(int type, const SectionData& section);

}  // namespace velkora::gen
