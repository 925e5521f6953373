#include "tools/catalogue_generator/reference_data.h"

#include "tools/catalogue_generator/errors.h"

namespace velkora::gen {

namespace {

void requireType(int type) {
  if (type < 0 || type > 30) {
    throw GeneratorError("Unbekannter Typ " + std::to_string(type));
  }
}

}  // namespace

const std::array<NameEntry, 31>& nameList() {
  // Umlauts as Windows-1252 bytes: 0xE4 is a-umlaut, 0xFC u-umlaut. Each escape ends its
  // literal so that a following hex letter is not read as part of it.
  static const std::array<NameEntry, 31> kNames{{
      {"Tetraeder", 0},
      {"Hexaeder, W\xFC"
       "rfel",
       1},
      {"Oktaeder", 2},
      {"Ikosaeder", 3},
      {"Pentagondodekaeder", 4},
      {"Abgeschr\xE4"
       "gtes Dodekaeder",
       10},
      {"Abgeschr\xE4"
       "gtes Hexaeder",
       9},
      {"Dodekaederstumpf", 17},
      {"Hexaederstumpf", 14},
      {"Ikosaederstumpf", 11},
      {"Ikosidodekaeder", 6},
      {"Ikosidodekaederstumpf", 12},
      {"Kuboktaeder", 5},
      {"Kuboktaederstumpf", 13},
      {"Oktaederstumpf", 15},
      {"Rhombenikosidodekaeder", 7},
      {"Rhombenkuboktaeder", 8},
      {"Tetraederstumpf", 16},
      {"Deltoid-24-Fl\xE4"
       "chner",
       23},
      {"Deltoid-60-Fl\xE4"
       "chner",
       24},
      {"Disdyakisdodecaeder", 30},
      {"Disdyakistriakontaeder", 29},
      {"Pentagon-24-Fl\xE4"
       "chner",
       27},
      {"Pentagon-60-Fl\xE4"
       "chner",
       28},
      {"Pyramidendodekaeder", 26},
      {"Pyramidenikosaeder", 20},
      {"Pyramidenoktaeder", 19},
      {"Pyramidentetraeder", 18},
      {"Pyramidenw\xFC"
       "rfel",
       21},
      {"Rhombendodekaeder", 22},
      {"Rhombentriakontaeder", 25},
  }};
  return kNames;
}

const SolidCounts& solidCounts(int type) {
  requireType(type);
  static const std::array<SolidCounts, 31> kCounts{{
      {4, 4, {{3, 4}}},
      {8, 6, {{4, 6}}},
      {6, 8, {{3, 8}}},
      {12, 20, {{3, 20}}},
      {20, 12, {{5, 12}}},
      {12, 14, {{3, 8}, {4, 6}}},
      {30, 32, {{3, 20}, {5, 12}}},
      {60, 62, {{3, 20}, {4, 30}, {5, 12}}},
      {24, 26, {{3, 8}, {4, 18}}},
      {24, 38, {{3, 32}, {4, 6}}},
      {60, 92, {{3, 80}, {5, 12}}},
      {60, 32, {{5, 12}, {6, 20}}},
      {120, 62, {{4, 30}, {6, 20}, {10, 12}}},
      {48, 26, {{4, 12}, {6, 8}, {8, 6}}},
      {24, 14, {{3, 8}, {8, 6}}},
      {24, 14, {{4, 6}, {6, 8}}},
      {12, 8, {{3, 4}, {6, 4}}},
      {60, 32, {{3, 20}, {10, 12}}},
      {8, 12, {{3, 12}}},
      {14, 24, {{3, 24}}},
      {32, 60, {{3, 60}}},
      {14, 24, {{3, 24}}},
      {14, 12, {{4, 12}}},
      {26, 24, {{4, 24}}},
      {62, 60, {{4, 60}}},
      {32, 30, {{4, 30}}},
      {32, 60, {{3, 60}}},
      {38, 24, {{5, 24}}},
      {92, 60, {{5, 60}}},
      {62, 120, {{3, 120}}},
      {26, 48, {{3, 48}}},
  }};
  return kCounts[static_cast<std::size_t>(type)];
}

const GeometryRow& geometryRow(int type) {
  requireType(type);
  // Computed from the catalogue coordinates and rounded to 4 decimals; counts are over
  // edges, vertices and faces. A count of 0 stands for "all of them".
  static const std::array<GeometryRow, 31> kRows{{
      {{{2.8284, 0}}, 2.8284, {{1.7321, 0}}, {{0.5774, 0}}},
      {{{2.0000, 0}}, 2.0000, {{1.7321, 0}}, {{1.0000, 0}}},
      {{{2.0000, 0}}, 2.0000, {{1.4142, 0}}, {{0.8165, 0}}},
      {{{1.0000, 0}}, 1.0000, {{0.9511, 0}}, {{0.7558, 0}}},
      {{{1.0000, 0}}, 1.0000, {{1.4013, 0}}, {{1.1135, 0}}},
      {{{1.1547, 0}}, 1.1547, {{1.1547, 0}}, {{0.8165, 6}, {0.9428, 8}}},
      {{{0.6498, 0}}, 0.6498, {{1.0515, 0}}, {{0.8944, 12}, {0.9822, 20}}},
      {{{0.4595, 0}}, 0.4595, {{1.0261, 0}}, {{0.9487, 12}, {0.9732, 30}, {0.9912, 20}}},
      {{{0.7654, 0}}, 0.7654, {{1.0707, 0}}, {{0.9239, 18}, {0.9753, 8}}},
      {{{0.8018, 0}}, 0.8018, {{1.0774, 0}}, {{0.9161, 6}, {0.9728, 32}}},
      {{{0.4769, 0}}, 0.4769, {{1.0280, 0}}, {{0.9446, 12}, {0.9905, 80}}},
      {{{0.4120, 0}}, 0.4120, {{1.0210, 0}}, {{0.9342, 20}, {0.9590, 12}}},
      {{{0.2653, 0}}, 0.2653, {{1.0088, 0}}, {{0.9129, 12}, {0.9732, 20}, {0.9912, 30}}},
      {{{0.4419, 0}}, 0.4419, {{1.0241, 0}}, {{0.8459, 6}, {0.9239, 8}, {0.9753, 12}}},
      {{{0.5858, 0}}, 0.5858, {{1.0420, 0}}, {{0.7071, 6}, {0.9856, 8}}},
      {{{0.6667, 0}}, 0.6667, {{1.0541, 0}}, {{0.8165, 8}, {0.9428, 6}}},
      {{{0.9428, 0}}, 0.9428, {{1.1055, 0}}, {{0.5774, 4}, {0.9622, 4}}},
      {{{0.3416, 0}}, 0.3416, {{1.0145, 0}}, {{0.8507, 12}, {0.9951, 20}}},
      {{{1.6971, 12}, {2.8284, 6}}, 2.8284, {{1.0392, 4}, {1.7321, 4}}, {{0.9045, 0}}},
      {{{1.1716, 24}, {2.0000, 12}}, 2.0000, {{1.0146, 8}, {1.4142, 6}}, {{0.9597, 0}}},
      {{{0.7171, 60}, {1.2361, 30}}, 1.2361, {{1.0049, 20}, {1.1756, 12}}, {{0.9857, 0}}},
      {{{1.0607, 24}, {1.4142, 12}}, 1.4142, {{1.0607, 6}, {1.2247, 8}}, {{0.9487, 0}}},
      {{{1.0607, 0}}, 1.0607, {{1.0607, 8}, {1.2247, 6}}, {{0.8660, 0}}},
      {{{0.6408, 24}, {0.8284, 24}}, 0.6408, {{1.0253, 8}, {1.0824, 18}}, {{0.9339, 0}}},
      {{{0.3699, 60}, {0.5694, 60}},
       0.3699,
       {{1.0089, 20}, {1.0275, 30}, {1.0541, 12}},
       {{0.9746, 0}}},
      {{{0.6910, 0}}, 0.6910, {{1.0181, 20}, {1.1180, 12}}, {{0.9511, 0}}},
      {{{0.6777, 60}, {0.7639, 30}}, 0.7639, {{1.0428, 12}, {1.0705, 20}}, {{0.9794, 0}}},
      {{{0.4758, 36}, {0.6755, 24}}, 0.4758, {{1.0279, 32}, {1.0916, 6}}, {{0.9282, 0}}},
      {{{0.2780, 90}, {0.4864, 60}}, 0.2780, {{1.0096, 80}, {1.0586, 12}}, {{0.9727, 0}}},
      {{{0.3699, 60}, {0.5810, 60}, {0.6833, 60}},
       0.3699,
       {{1.0089, 30}, {1.0275, 20}, {1.0954, 12}},
       {{0.9913, 0}}},
      {{{0.6408, 24}, {0.8571, 24}, {1.0448, 24}},
       0.6408,
       {{1.0253, 12}, {1.0824, 8}, {1.1822, 6}},
       {{0.9765, 0}}},
  }};
  return kRows[static_cast<std::size_t>(type)];
}

namespace {

// Indexed by type - 5.
constexpr std::array<float, 26> kInnerFactors{
    0.70710677F, 1.3763819F, 2.064573F,   1.2071F,     1.1426135F, 1.9809159F, 2.26728F,
    3.4409547F,  1.91421F,   1.2071F,     1.22474F,    0.612372F,  2.48989F,   0.319801F,
    0.4798419F,  0.7974666F, 0.67082053F, 0.81649536F, 1.45757F,   2.6347976F, 1.3763808F,
    1.2820934F,  1.9506829F, 3.4995308F,  2.679969F,   1.5239079F};
constexpr std::array<float, 26> kOuterFactors{
    1.0F,       1.61803F,   2.23295F,   1.39896F,   1.343713F, 2.1558373F, 2.47802F,
    3.80239F,   2.31761F,   1.77882F,   1.58114F,   1.1726F,   2.96945F,   0.61237335F,
    0.70715F,   0.9533029F, 0.8660268F, 1.1546986F, 1.689239F, 2.8496804F, 1.6180333F,
    1.4012583F, 2.2940025F, 3.8085513F, 2.961475F,  1.8450531F};

std::size_t factorIndex(int type) {
  if (type < 5 || type > 30) {
    throw GeneratorError("Kein Radiusfaktor für Typ " + std::to_string(type));
  }
  return static_cast<std::size_t>(type - 5);
}

}  // namespace

float innerRadiusFactor(int type) { return kInnerFactors[factorIndex(type)]; }
float outerRadiusFactor(int type) { return kOuterFactors[factorIndex(type)]; }

std::vector<std::string> sampleVertexLines(int type) {
  switch (type) {
    case 0:
      return {"0 0 1.732051", "1.632993 0 -0.5773503", "-0.8164966 1.414214 -0.5773503",
              "-0.8164966 -1.414214 -0.5773503"};
    case 1:
      return {"-1 1 -1", "1 1 -1", "1 -1 -1", "-1 -1 -1", "-1 1 1", "1 1 1", "1 -1 1", "-1 -1 1"};
    default:
      return {};
  }
}

std::vector<std::string> sampleFaceLines(int type) {
  switch (type) {
    case 0:
      return {"012", "013", "123", "023"};
    case 1:
      return {"0123", "0154", "1562", "0473", "3762", "6745"};
    default:
      return {};
  }
}

}  // namespace velkora::gen
