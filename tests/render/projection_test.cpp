// From model coordinates to pixels: rounding halves to even, the origin in
// the middle of the surface, and coordinates far beyond any surface.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "render/projection.h"

namespace velkora {
namespace {

TEST(Projection, RoundsHalvesToEvenBeforeAddingTheOrigin) {
  EXPECT_EQ(projectPoint({2.5, 0.0, 0.0}, 317, 331).x, 319);
  EXPECT_EQ(projectPoint({3.5, 0.0, 0.0}, 317, 331).x, 321);
  EXPECT_EQ(projectPoint({-2.5, 0.0, 0.0}, 317, 331).x, 315);
  EXPECT_EQ(projectPoint({0.0, 2.5, 0.0}, 317, 331).y, 333);
  EXPECT_EQ(projectPoint({1.49, -1.51, 0.0}, 0, 0).x, 1);
  EXPECT_EQ(projectPoint({1.49, -1.51, 0.0}, 0, 0).y, -2);
}

TEST(Projection, ScaleMultipliesTheRoundedOffsetFromTheOrigin) {
  // k * round(x), not round(k * x): 2.5 rounds to 2 first, so 4 and not 5.
  EXPECT_EQ(projectPoint({2.5, 0.0, 0.0}, 634, 663, 2).x, 638);
  EXPECT_EQ(projectPoint({0.0, -2.5, 0.0}, 634, 663, 2).y, 659);
  EXPECT_EQ(projectPoint({1.4, 1.6, 0.0}, 0, 0, 4).x, 4);
  EXPECT_EQ(projectPoint({1.4, 1.6, 0.0}, 0, 0, 4).y, 8);
  const std::array<Point3, 2> line{{{3.5, -0.5, 0.0}, {-7.4, 2.6, 0.0}}};
  std::array<PixelPoint, kMaxProjectedCorners> out{};
  ASSERT_EQ(projectPolygon(line, 10, 20, out, 3), 2);
  EXPECT_EQ(out[0].x, 22);
  EXPECT_EQ(out[0].y, 20);
  EXPECT_EQ(out[1].x, -11);
  EXPECT_EQ(out[1].y, 29);
}

TEST(Projection, DepthNeverMovesAPoint) {
  const PixelPoint near = projectPoint({10.2, -7.7, -300.0}, 317, 331);
  const PixelPoint far = projectPoint({10.2, -7.7, 300.0}, 317, 331);
  EXPECT_EQ(near.x, far.x);
  EXPECT_EQ(near.y, far.y);
}

TEST(Projection, FarAndBrokenCoordinatesAreClampedNotOverflowed) {
  EXPECT_EQ(roundPixel(1e12), 1000000);
  EXPECT_EQ(roundPixel(-1e300), -1000000);
  EXPECT_EQ(roundPixel(std::numeric_limits<double>::infinity()), 1000000);
  EXPECT_EQ(roundPixel(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Projection, PolygonInRangeKeepsItsCornersExactly) {
  const std::array<Point3, 3> tri{{{2.5, 3.5, 1.0}, {-100.0, 40.4, 0.0}, {0.0, -0.5, 9.0}}};
  std::array<PixelPoint, kMaxProjectedCorners> out{};
  ASSERT_EQ(projectPolygon(tri, 317, 331, out), 3);
  EXPECT_EQ(out[0].x, 319);
  EXPECT_EQ(out[0].y, 335);
  EXPECT_EQ(out[1].x, 217);
  EXPECT_EQ(out[2].y, 331);
}

TEST(Projection, FarPolygonIsClippedKeepingItsEdgesWhereTheyCrossTheScreen) {
  // The edge from A to B runs through the origin with slope 1/2.
  const std::array<Point3, 3> tri{{{-2e12, -1e12, 0.0}, {4e12, 2e12, 0.0}, {4e12, -1e12, 0.0}}};
  std::array<PixelPoint, kMaxProjectedCorners> out{};
  const int n = projectPolygon(tri, 0, 0, out);
  ASSERT_GE(n, 3);
  for (int i = 0; i < n; ++i) {
    EXPECT_LE(std::abs(out[i].x), 1000000);
    EXPECT_LE(std::abs(out[i].y), 1000000);
    // Every corner of the clipped polygon lies on or above the line y = x / 2.
    EXPECT_LE(out[i].y, out[i].x / 2 + 1) << "corner " << i;
  }
}

// A NaN coordinate counts as 0 and a huge one is clipped at the pixel limit,
// so the triangle (0, 0), (1e308, -1e308), (5, 0) keeps its thin wedge along
// y = -x: cut at x = 1e6 it has four corners, worked out here by hand.
TEST(Projection, NaNCornersGiveFinitePixels) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::array<Point3, 3> tri{{{nan, 0.0, 0.0}, {1e308, -1e308, 0.0}, {5.0, nan, 0.0}}};
  std::array<PixelPoint, kMaxProjectedCorners> out{};
  const int n = projectPolygon(tri, 10, 10, out);
  ASSERT_GE(n, 3);
  ASSERT_LE(n, static_cast<int>(kMaxProjectedCorners));
  // Clipping may repeat a corner where rounding puts it on two sides of the
  // box at once; the shape is the same.
  std::vector<PixelPoint> corners;
  for (int i = 0; i < n; ++i) {
    const PixelPoint& p = out[static_cast<std::size_t>(i)];
    if (corners.empty() || p.x != corners.back().x || p.y != corners.back().y) corners.push_back(p);
  }
  while (corners.size() > 1 && corners.front().x == corners.back().x &&
         corners.front().y == corners.back().y)
    corners.pop_back();
  ASSERT_EQ(corners.size(), 4u);
  // (0, 0), (1e6, -1e6), (1e6, about -999995), (5, 0), shifted by the centre (10, 10).
  const std::array<PixelPoint, 4> expected{
      {{10, 10}, {1000010, -999990}, {1000010, -999985}, {15, 10}}};
  std::size_t start = 0;
  while (start < corners.size() && !(corners[start].x == 10 && corners[start].y == 10))
    ++start;
  ASSERT_LT(start, corners.size()) << "the corner at the centre is missing";
  for (std::size_t k = 0; k < 4; ++k) {
    const PixelPoint& got = corners[(start + k) % corners.size()];
    EXPECT_EQ(got.x, expected[k].x) << "corner " << k;
    EXPECT_EQ(got.y, expected[k].y) << "corner " << k;
  }
}

}  // namespace
}  // namespace velkora
