// The name the kaleidoscope's solid goes by: between stops the family and the
// three weights in the order a : b : c as the user set them, with a decimal
// comma, and whether it is the snub or its mirror image; at a stop the
// catalogue solid's name.
#include <gtest/gtest.h>

#include <string>

#include "kaleidoscope/kaleidoscope_solid.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

std::string nameAt(WythoffFamily family, double a, double b, double c,
                   WythoffCopies copies = WythoffCopies::Reflections) {
  const Kaleidoscope kaleidoscope(family);
  const auto stops = kaleidoscopeStops(kaleidoscope, test::embeddedSolids(), copies);
  const auto weights = normalisedWeights(a, b, c);
  EXPECT_TRUE(weights.has_value());
  return kaleidoscopeSolid(kaleidoscope, weights.value_or(WythoffWeights{}), stops, copies).name;
}

TEST(KaleidoscopeSolid, BetweenStopsTheNameGivesTheWeightsInTheirOrder) {
  // 1 : 2 : 3 sums to 6: a sixth, a third and a half.
  EXPECT_EQ(nameAt(WythoffFamily::O, 1, 2, 3), "Kaleidoskop O (0,167 : 0,333 : 0,500)");
  EXPECT_EQ(nameAt(WythoffFamily::O, 3, 1, 2), "Kaleidoskop O (0,500 : 0,167 : 0,333)");
  EXPECT_EQ(nameAt(WythoffFamily::I, 2, 3, 1), "Kaleidoskop I (0,333 : 0,500 : 0,167)");
  EXPECT_EQ(nameAt(WythoffFamily::T, 1, 1, 2), "Kaleidoskop T (0,250 : 0,250 : 0,500)");
  // The snub and its mirror image say so.
  EXPECT_EQ(nameAt(WythoffFamily::O, 1, 2, 3, WythoffCopies::Rotations),
            "Kaleidoskop O abgeschrägt (0,167 : 0,333 : 0,500)");
  EXPECT_EQ(nameAt(WythoffFamily::I, 2, 3, 1, WythoffCopies::MirroredRotations),
            "Kaleidoskop I abgeschrägt, gespiegelt (0,333 : 0,500 : 0,167)");
}

TEST(KaleidoscopeSolid, AtAStopTheNameIsTheCatalogueSolids) {
  // Corner A of family O is a vertex of the cube (list position 1), C the
  // centre of one of its faces, a vertex of the octahedron (position 2);
  // corner A of family T a vertex of the tetrahedron (position 0).
  EXPECT_EQ(nameAt(WythoffFamily::O, 1, 0, 0), test::embeddedSolid(1).name);
  EXPECT_EQ(nameAt(WythoffFamily::O, 0, 0, 1), test::embeddedSolid(2).name);
  EXPECT_EQ(nameAt(WythoffFamily::T, 1, 0, 0), test::embeddedSolid(0).name);
  // A corner is a stop of the snub too.
  EXPECT_EQ(nameAt(WythoffFamily::O, 1, 0, 0, WythoffCopies::Rotations),
            test::embeddedSolid(1).name);
}

}  // namespace
}  // namespace velkora
