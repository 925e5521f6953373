#pragma once
// Hand-made catalogue lists for the model tests: the tetrahedron (section [1])
// and the cube (section [2]) in both catalogues, and builders of damaged
// copies (a line replaced, a list cut short).

#include <cstddef>
#include <string>

#include "catalogue/byte_list.h"

namespace velkora::test {

// Positions in sampleVertexLines / sampleFaceLines.
inline constexpr std::size_t kTetraVertexCountLine = 1;
inline constexpr std::size_t kTetraFirstVertexLine = 2;
inline constexpr std::size_t kCubeVertexCountLine = 7;
inline constexpr std::size_t kCubeFirstVertexLine = 8;
inline constexpr std::size_t kTetraFaceCountLine = 1;
inline constexpr std::size_t kTetraFirstFaceLine = 2;
inline constexpr std::size_t kCubeFaceCountLine = 7;
inline constexpr std::size_t kCubeFirstFaceLine = 8;

inline ByteList sampleVertexLines() {
  return {"[1]",
          "4",
          "0 0 1.732051",
          "1.632993 0 -0.5773503",
          "-0.8164966 1.414214 -0.5773503",
          "-0.8164966 -1.414214 -0.5773503",
          "[2]",
          "8",
          "-1 1 -1",
          "1 1 -1",
          "1 -1 -1",
          "-1 -1 -1",
          "-1 1 1",
          "1 1 1",
          "1 -1 1",
          "-1 -1 1",
          "[#]"};
}

inline ByteList sampleFaceLines() {
  return {"[1]",  "4",    "012",  "013",  "123",  "023",  "[2]", "6",
          "0123", "0154", "1562", "0473", "3762", "6745", "[#]"};
}

// list with the line at index replaced by text.
inline ByteList replaced(ByteList list, std::size_t index, const std::string& text) {
  list.at(index) = text;
  return list;
}

// The first keep lines of list.
inline ByteList cutAfter(ByteList list, std::size_t keep) {
  list.resize(keep < list.size() ? keep : list.size());
  return list;
}

}  // namespace velkora::test
