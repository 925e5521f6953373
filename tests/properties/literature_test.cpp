// All 31 catalogue solids against the literature: counts, face kinds,
// configurations, duals, symmetry, and at edge length 1 (midradius 1 for the
// Catalan solids) edge lengths, dihedral angles, radii and volume.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/family.h"
#include "properties/properties.h"
#include "tests/properties/literature.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

// The catalogue keeps about 7 significant digits per coordinate.
constexpr double kRelative = 1e-6;

const SolidProperties& propertiesAt(int position) {
  static const std::vector<SolidProperties> all = [] {
    std::vector<SolidProperties> list;
    for (int p = 0; p < kSolidCount; ++p)
      list.push_back(computeProperties(test::embeddedSolid(p), test::embeddedSolids()));
    return list;
  }();
  return all[static_cast<std::size_t>(position)];
}

void expectRelative(double actual, double expected, const std::string& what) {
  EXPECT_LE(std::fabs(actual - expected), kRelative * std::fabs(expected))
      << what << ": measured " << actual << ", literature " << expected;
}

void expectValues(const std::vector<ValueCount>& actual, const std::vector<ValueCount>& expected,
                  double scale, const std::string& what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    expectRelative(actual[i].value * scale, expected[i].value, what + " " + std::to_string(i));
    EXPECT_EQ(actual[i].count, expected[i].count) << what << " " << i;
  }
}

class LiteratureTest : public ::testing::TestWithParam<int> {};

TEST_P(LiteratureTest, CountsKindsConfigurationDualAndSymmetry) {
  const int position = GetParam();
  const SolidProperties& p = propertiesAt(position);
  const test::KnownSolid& known = test::knownSolids()[static_cast<std::size_t>(position)];
  EXPECT_EQ(p.name, known.name);
  EXPECT_EQ(p.position, position);
  EXPECT_EQ(p.family, familyOf(position));
  EXPECT_EQ(p.vertices, known.vertices);
  EXPECT_EQ(p.edges, known.edges);
  EXPECT_EQ(p.faces, known.faces);
  ASSERT_EQ(p.faceKinds.size(), known.faceKinds.size());
  for (std::size_t k = 0; k < p.faceKinds.size(); ++k) {
    EXPECT_EQ(p.faceKinds[k].sides, known.faceKinds[k].sides);
    EXPECT_EQ(p.faceKinds[k].count, known.faceKinds[k].count);
    EXPECT_EQ(p.faceKinds[k].name, known.faceKinds[k].name);
  }
  EXPECT_EQ(p.configuration, known.configuration);
  EXPECT_EQ(p.dualPosition, known.dualPosition);
  EXPECT_EQ(p.dualName, test::knownSolids()[static_cast<std::size_t>(known.dualPosition)].name);
  EXPECT_EQ(p.symmetryGroup, known.symmetryGroup);
  EXPECT_EQ(p.rotationGroup, known.symmetryGroup.substr(0, 1));
  EXPECT_EQ(p.symmetryOrder, known.symmetryOrder);
}

TEST_P(LiteratureTest, MeasuresAtTheNormalisedScale) {
  const int position = GetParam();
  const SolidProperties& p = propertiesAt(position);
  const bool catalan = familyOf(position) == Family::Catalan;
  const test::Expected e =
      test::expectedMeasures(test::knownSolids()[static_cast<std::size_t>(position)], catalan);
  const double k = p.normalisation;
  expectValues(p.edgeLengths, e.edgeLengths, k, "edge length");
  expectValues(p.dihedralAngles, e.dihedralAngles, 1.0, "dihedral angle");
  ASSERT_EQ(p.inradius.has_value(), e.inradius.has_value());
  if (e.inradius) expectRelative(*p.inradius * k, *e.inradius, "inradius");
  ASSERT_TRUE(p.midradius.has_value());
  expectRelative(*p.midradius * k, e.midradius, "midradius");
  ASSERT_EQ(p.circumradius.has_value(), e.circumradius.has_value());
  if (e.circumradius) expectRelative(*p.circumradius * k, *e.circumradius, "circumradius");
  expectRelative(p.volume * k * k * k, e.volume, "volume");
  // A solid with an insphere is the union of pyramids of height r over its faces.
  if (p.inradius) expectRelative(p.volume, *p.inradius * p.surfaceArea / 3.0, "r * area / 3");
}

INSTANTIATE_TEST_SUITE_P(AllSolids, LiteratureTest, ::testing::Range(0, kSolidCount));

}  // namespace
}  // namespace velkora
