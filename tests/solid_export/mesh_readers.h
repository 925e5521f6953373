#pragma once
// Small strict readers of the three mesh formats for the export tests, written
// apart from the writers: binary STL decoded byte by byte as little endian
// (corners merged where all three floats are equal), OBJ and OFF polygons.
// Each throws std::runtime_error at the first thing it does not accept.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velkora::test {

using Vec = std::array<double, 3>;

struct ReadMesh {
  std::vector<Vec> points;
  std::vector<std::vector<int>> faces;  // 0-based
  std::vector<Vec> storedNormals;       // STL only, one per triangle
  std::string name;                     // STL header, OBJ "o" line, OFF comment
};

ReadMesh readStl(std::string_view bytes);
ReadMesh readObj(std::string_view text);
ReadMesh readOff(std::string_view text);

// Measures of a read mesh about the origin.
double largestDistance(const ReadMesh& mesh);
double enclosedVolume(const ReadMesh& mesh);  // faces fanned from their corner mean

// Empty when each directed edge occurs once and its reverse once, and every
// face's normal points away from the origin; otherwise the first fault.
std::string closureFault(const ReadMesh& mesh);

}  // namespace velkora::test
