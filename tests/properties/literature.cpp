#include "tests/properties/literature.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkora::test {
namespace {

const double kSqrt2 = std::sqrt(2.0);
const double kSqrt5 = std::sqrt(5.0);
const double kPhi = (1.0 + kSqrt5) / 2.0;
// The tribonacci constant, root of t^3 = t^2 + t + 1.
const double kTribonacci =
    (1.0 + std::cbrt(19.0 + 3.0 * std::sqrt(33.0)) + std::cbrt(19.0 - 3.0 * std::sqrt(33.0))) / 3.0;

FaceKind kind(int sides, int count, const char* name) { return {sides, count, name}; }

void addValue(std::vector<ValueCount>& list, double value, int count) {
  for (ValueCount& v : list) {
    if (std::fabs(v.value - value) <= 1e-9 * value) {
      v.count += count;
      return;
    }
  }
  list.push_back({value, count});
  std::sort(list.begin(), list.end(),
            [](const ValueCount& a, const ValueCount& b) { return a.value < b.value; });
}

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

const std::vector<KnownSolid>& knownSolids() {
  static const std::vector<KnownSolid> solids = {
      {"Tetraeder",
       4,
       6,
       4,
       {kind(3, 4, "Dreiecke")},
       "3.3.3",
       0,
       "Td",
       24,
       {3, 3, 3},
       std::sqrt(6.0) / 4.0},
      {"Hexaeder, Würfel",
       8,
       12,
       6,
       {kind(4, 6, "Quadrate")},
       "4.4.4",
       2,
       "Oh",
       48,
       {4, 4, 4},
       std::sqrt(3.0) / 2.0},
      {"Oktaeder",
       6,
       12,
       8,
       {kind(3, 8, "Dreiecke")},
       "3.3.3.3",
       1,
       "Oh",
       48,
       {3, 3, 3, 3},
       kSqrt2 / 2.0},
      {"Ikosaeder",
       12,
       30,
       20,
       {kind(3, 20, "Dreiecke")},
       "3.3.3.3.3",
       4,
       "Ih",
       120,
       {3, 3, 3, 3, 3},
       std::sqrt(10.0 + 2.0 * kSqrt5) / 4.0},
      {"Pentagondodekaeder",
       20,
       30,
       12,
       {kind(5, 12, "Fünfecke")},
       "5.5.5",
       3,
       "Ih",
       120,
       {5, 5, 5},
       std::sqrt(3.0) * (1.0 + kSqrt5) / 4.0},
      {"Abgeschrägtes Dodekaeder",
       60,
       150,
       92,
       {kind(3, 80, "Dreiecke"), kind(5, 12, "Fünfecke")},
       "3.3.3.3.5",
       23,
       "I",
       60,
       {3, 3, 3, 3, 5},
       2.15583737511564},
      {"Abgeschrägtes Hexaeder",
       24,
       60,
       38,
       {kind(3, 32, "Dreiecke"), kind(4, 6, "Quadrate")},
       "3.3.3.3.4",
       22,
       "O",
       24,
       {3, 3, 3, 3, 4},
       std::sqrt((3.0 - kTribonacci) / (4.0 * (2.0 - kTribonacci)))},
      {"Dodekaederstumpf",
       60,
       90,
       32,
       {kind(3, 20, "Dreiecke"), kind(10, 12, "Zehnecke")},
       "3.10.10",
       25,
       "Ih",
       120,
       {3, 10, 10},
       std::sqrt(74.0 + 30.0 * kSqrt5) / 4.0},
      {"Hexaederstumpf",
       24,
       36,
       14,
       {kind(3, 8, "Dreiecke"), kind(8, 6, "Achtecke")},
       "3.8.8",
       26,
       "Oh",
       48,
       {3, 8, 8},
       std::sqrt(7.0 + 4.0 * kSqrt2) / 2.0},
      {"Ikosaederstumpf",
       60,
       90,
       32,
       {kind(5, 12, "Fünfecke"), kind(6, 20, "Sechsecke")},
       "5.6.6",
       24,
       "Ih",
       120,
       {5, 6, 6},
       std::sqrt(58.0 + 18.0 * kSqrt5) / 4.0},
      {"Ikosidodekaeder",
       30,
       60,
       32,
       {kind(3, 20, "Dreiecke"), kind(5, 12, "Fünfecke")},
       "3.5.3.5",
       30,
       "Ih",
       120,
       {3, 5, 3, 5},
       kPhi},
      {"Ikosidodekaederstumpf",
       120,
       180,
       62,
       {kind(4, 30, "Quadrate"), kind(6, 20, "Sechsecke"), kind(10, 12, "Zehnecke")},
       "4.6.10",
       21,
       "Ih",
       120,
       {4, 6, 10},
       std::sqrt(31.0 + 12.0 * kSqrt5) / 2.0},
      {"Kuboktaeder",
       12,
       24,
       14,
       {kind(3, 8, "Dreiecke"), kind(4, 6, "Quadrate")},
       "3.4.3.4",
       29,
       "Oh",
       48,
       {3, 4, 3, 4},
       1.0},
      {"Kuboktaederstumpf",
       48,
       72,
       26,
       {kind(4, 12, "Quadrate"), kind(6, 8, "Sechsecke"), kind(8, 6, "Achtecke")},
       "4.6.8",
       20,
       "Oh",
       48,
       {4, 6, 8},
       std::sqrt(13.0 + 6.0 * kSqrt2) / 2.0},
      {"Oktaederstumpf",
       24,
       36,
       14,
       {kind(4, 6, "Quadrate"), kind(6, 8, "Sechsecke")},
       "4.6.6",
       28,
       "Oh",
       48,
       {4, 6, 6},
       std::sqrt(10.0) / 2.0},
      {"Rhombenikosidodekaeder",
       60,
       120,
       62,
       {kind(3, 20, "Dreiecke"), kind(4, 30, "Quadrate"), kind(5, 12, "Fünfecke")},
       "3.4.5.4",
       19,
       "Ih",
       120,
       {3, 4, 5, 4},
       std::sqrt(11.0 + 4.0 * kSqrt5) / 2.0},
      {"Rhombenkuboktaeder",
       24,
       48,
       26,
       {kind(3, 8, "Dreiecke"), kind(4, 18, "Quadrate")},
       "3.4.4.4",
       18,
       "Oh",
       48,
       {3, 4, 4, 4},
       std::sqrt(5.0 + 2.0 * kSqrt2) / 2.0},
      {"Tetraederstumpf",
       12,
       18,
       8,
       {kind(3, 4, "Dreiecke"), kind(6, 4, "Sechsecke")},
       "3.6.6",
       27,
       "Td",
       24,
       {3, 6, 6},
       std::sqrt(22.0) / 4.0},
  };
  static const std::vector<KnownSolid> all = [] {
    std::vector<KnownSolid> list = solids;
    // The Catalan solids: the face of each is the dual of its partner's vertex.
    struct Catalan {
      const char* name;
      FaceKind kind;
      int dual;
    };
    const std::vector<Catalan> catalan = {
        {"Deltoid-24-Flächner", kind(4, 24, "Drachenviereck"), 16},
        {"Deltoid-60-Flächner", kind(4, 60, "Drachenviereck"), 15},
        {"Disdyakisdodecaeder", kind(3, 48, "ungleichseitiges Dreieck"), 13},
        {"Disdyakistriakontaeder", kind(3, 120, "ungleichseitiges Dreieck"), 11},
        {"Pentagon-24-Flächner", kind(5, 24, "Fünfeck"), 6},
        {"Pentagon-60-Flächner", kind(5, 60, "Fünfeck"), 5},
        {"Pyramidendodekaeder", kind(3, 60, "gleichschenkliges Dreieck"), 9},
        {"Pyramidenikosaeder", kind(3, 60, "gleichschenkliges Dreieck"), 7},
        {"Pyramidenoktaeder", kind(3, 24, "gleichschenkliges Dreieck"), 8},
        {"Pyramidentetraeder", kind(3, 12, "gleichschenkliges Dreieck"), 17},
        {"Pyramidenwürfel", kind(3, 24, "gleichschenkliges Dreieck"), 14},
        {"Rhombendodekaeder", kind(4, 12, "Rhombus"), 12},
        {"Rhombentriakontaeder", kind(4, 30, "Rhombus"), 10},
    };
    for (std::size_t k = 0; k < catalan.size(); ++k) {
      const KnownSolid& partner = solids[static_cast<std::size_t>(catalan[k].dual)];
      list.push_back({catalan[k].name,
                      partner.faces,
                      partner.edges,
                      partner.vertices,
                      {catalan[k].kind},
                      "V" + partner.configuration,
                      catalan[k].dual,
                      partner.symmetryGroup,
                      partner.symmetryOrder,
                      partner.vertexCycle,
                      partner.circumradius});
    }
    return list;
  }();
  return all;
}

Expected expectedMeasures(const KnownSolid& solid, bool catalan) {
  const double R = solid.circumradius;
  const std::vector<int>& cycle = solid.vertexCycle;
  const int transitiveVertices = catalan ? solid.faces : solid.vertices;
  const double rho = std::sqrt(R * R - 0.25);
  // Distance of a face with n sides (edge 1) from the centre.
  const auto faceDistance = [R](int n) {
    const double s = std::sin(std::numbers::pi / n);
    return std::sqrt(R * R - 1.0 / (4.0 * s * s));
  };
  Expected e;
  const std::size_t q = cycle.size();
  if (!catalan) {
    e.edgeLengths = {{1.0, solid.edges}};
    for (std::size_t i = 0; i < q; ++i) {
      const int a = cycle[i];
      const int b = cycle[(i + 1) % q];
      // Each face plane leans from the centre-to-edge line by asin(distance / midradius).
      const double angle = std::asin(faceDistance(a) / rho) + std::asin(faceDistance(b) / rho);
      addValue(e.dihedralAngles, degrees(angle), transitiveVertices / 2);
    }
    if (std::all_of(cycle.begin(), cycle.end(), [&](int n) { return n == cycle[0]; })) {
      e.inradius = faceDistance(cycle[0]);
    }
    e.midradius = rho;
    e.circumradius = R;
    for (const int n : cycle) {
      const double area = n / (4.0 * std::tan(std::numbers::pi / n));
      e.volume += transitiveVertices / static_cast<double>(n) * faceDistance(n) * area / 3.0;
    }
    return e;
  }
  // The polar of the partner in its midsphere, scaled to midradius 1: a face
  // touches the insphere at distance 1 / R', a face of n sides becomes a
  // vertex whose tangents to the midsphere are tangent(n) long.
  const double inradius = rho / R;
  const auto tangent = [&](int n) {
    const double r = faceDistance(n) / rho;
    return std::sqrt(1.0 / (r * r) - 1.0);
  };
  double tangentSum = 0.0;
  for (std::size_t i = 0; i < q; ++i) {
    addValue(e.edgeLengths, tangent(cycle[i]) + tangent(cycle[(i + 1) % q]),
             transitiveVertices / 2);
    tangentSum += tangent(cycle[i]);
  }
  e.dihedralAngles = {{180.0 - degrees(2.0 * std::asin(1.0 / (2.0 * R))), solid.edges}};
  e.inradius = inradius;
  e.midradius = 1.0;
  const double area = transitiveVertices * std::sqrt(1.0 - inradius * inradius) * tangentSum;
  e.volume = inradius * area / 3.0;
  return e;
}

}  // namespace velkora::test
