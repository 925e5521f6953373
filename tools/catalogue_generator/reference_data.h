// The generator's expectations: the name list, the counts and face sizes of the 31 solids,
// the 4-decimal geometry of every type, the radius factors of types 5-30 and the two sample
// sections (tetrahedron and cube) whose text is fixed. Nothing here is used to build a solid;
// the checks compare the written catalogue against it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::gen {

struct NameEntry {
  std::string_view name;  // Windows-1252 bytes
  int type;
};

// The 31 lines of the name list, in list order.
const std::array<NameEntry, 31>& nameList();

struct ValueCount {
  double value;
  int count;
};

struct SolidCounts {
  int vertices;
  int faces;
  std::vector<ValueCount> faceSizes;  // value = corners per face, ascending
};

struct GeometryRow {
  std::vector<ValueCount> edgeLengths;  // ascending
  double edge01;
  std::vector<ValueCount> vertexDistances;
  std::vector<ValueCount> facePlaneDistances;
};

// Needs 0 <= type <= 30.
const SolidCounts& solidCounts(int type);
const GeometryRow& geometryRow(int type);

// Single-precision radius factors for types 5-30 (the edge between vertices 0 and 1).
float innerRadiusFactor(int type);
float outerRadiusFactor(int type);

// The fixed text of the sample sections, types 0 and 1; empty for the other types.
std::vector<std::string> sampleVertexLines(int type);
std::vector<std::string> sampleFaceLines(int type);

}  // namespace velkora::gen
