#pragma once
// Known values of the 31 solids from the literature, by list position:
// counts, face kinds, configurations, duals, symmetry groups, and the
// circumradius at edge length 1 of each vertex-transitive solid. Every other
// expected measure is derived from those by closed formulas (literature.cpp).

#include <optional>
#include <string>
#include <vector>

#include "properties/properties.h"

namespace velkora::test {

struct KnownSolid {
  std::string name;  // as in the catalogue (UTF-8)
  int vertices;
  int edges;
  int faces;
  std::vector<FaceKind> faceKinds;
  std::string configuration;
  int dualPosition;
  std::string symmetryGroup;
  int symmetryOrder;
  std::vector<int> vertexCycle;  // face sizes round a vertex (of the dual for Catalan solids)
  double circumradius;           // at edge 1, of the solid or of its dual for Catalan solids
};

// Positions 0-30 of the catalogue's name list.
const std::vector<KnownSolid>& knownSolids();

// Expected measures at the normalised scale (edge 1, or midradius 1 for the
// Catalan solids), all derived from vertexCycle and circumradius.
struct Expected {
  std::vector<ValueCount> edgeLengths;
  std::vector<ValueCount> dihedralAngles;
  std::optional<double> inradius;
  double midradius = 0.0;
  std::optional<double> circumradius;
  double volume = 0.0;
};
Expected expectedMeasures(const KnownSolid& solid, bool catalan);

}  // namespace velkora::test
