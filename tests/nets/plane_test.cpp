// The plane geometry under the search: the separating-axis overlap test
// agrees with clipping on random convex polygons and treats shared edges and
// corners as no overlap; hulls; fitting turns a long shape to the long side.

#include <gtest/gtest.h>

#include <cmath>

#include "nets/plane.h"
#include "nets/tabs.h"
#include "nets/unfold.h"
#include "tests/nets/net_checks.h"

namespace velkora {
namespace {

std::vector<Vec2> regular(int corners, Vec2 centre, double radius, double turn) {
  std::vector<Vec2> p;
  for (int k = 0; k < corners; ++k) {
    const double a = turn + 2 * M_PI * k / corners;
    p.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  return p;
}

TEST(ConvexOverlap, AgreesWithClippingOnRandomPolygons) {
  NetRandom random(7);
  const auto uniform = [&] {
    return static_cast<double>(random.next() >> 11) / 9007199254740992.0;
  };
  int overlapping = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const auto a = regular(3 + trial % 5, {0, 0}, 1.0, uniform());
    const auto b = regular(3 + trial % 7, {3 * uniform() - 1.5, 3 * uniform() - 1.5},
                           0.3 + uniform(), uniform());
    const double area = test::intersectionArea(a, b);
    if (area > 1e-6) {
      ++overlapping;
      EXPECT_TRUE(convexOverlap(a, b, 1e-9)) << trial;
    } else if (area < 1e-12) {
      EXPECT_FALSE(convexOverlap(a, b, 1e-9)) << trial;
    }
  }
  EXPECT_GT(overlapping, 300);
  EXPECT_LT(overlapping, 2700);
}

TEST(ConvexOverlap, SharedEdgeAndCornerAreNoOverlap) {
  const std::vector<Vec2> square{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const std::vector<Vec2> right{{1, 0}, {2, 0}, {2, 1}, {1, 1}};
  const std::vector<Vec2> corner{{1, 1}, {2, 1}, {2, 2}, {1, 2}};
  const std::vector<Vec2> intoIt{{0.999, 0}, {2, 0}, {2, 1}, {0.999, 1}};
  EXPECT_FALSE(convexOverlap(square, right, 1e-9));
  EXPECT_FALSE(convexOverlap(square, corner, 1e-9));
  EXPECT_TRUE(convexOverlap(square, intoIt, 1e-9));
  // A triangle whose tip pokes through an edge without any corner inside the square.
  const std::vector<Vec2> across{{-1, 0.5}, {2, 0.4}, {2, 0.6}};
  EXPECT_TRUE(convexOverlap(square, across, 1e-9));
}

TEST(BestFit, TurnsALongDiagonalBarOntoTheLongSide) {
  // A 10 x 1 bar at 30 degrees into a 12 x 3 rectangle: it fits lying along x.
  std::vector<Vec2> bar{{0, 0}, {10, 0}, {10, 1}, {0, 1}};
  for (Vec2& p : bar)
    p = rotated(p, M_PI / 6);
  const Fit fit = bestFit(bar, 12, 3);
  EXPECT_NEAR(fit.scale, 1.2, 1e-9);
  std::vector<Vec2> turned;
  for (const Vec2& p : bar)
    turned.push_back(rotated(p, fit.angle));
  const Box box = boundsOf(turned);
  EXPECT_NEAR(box.width(), 10, 1e-9);
  EXPECT_NEAR(box.height(), 1, 1e-9);
  EXPECT_NEAR(fitScaleAt(bar, fit.angle, 12, 3), fit.scale, 1e-12);
}

TEST(ConvexHull, KeepsOnlyTheOuterCornersCounterClockwise) {
  const std::vector<Vec2> points{{0, 0}, {2, 0}, {1, 1}, {2, 2}, {0, 2}, {1, 0}, {0.5, 1.5}};
  const auto hull = convexHull(points);
  EXPECT_EQ(hull.size(), 4u);
  EXPECT_NEAR(doubleArea(hull), 8.0, 1e-12);
}

TEST(TabOutline, LiesOutsideTheFaceAtItsHeight) {
  const auto face = regular(3, {0, 0}, 10, 0.3);
  const auto tab = tabOutline(face[0], face[1], 4.0, 4.0, 1.0);
  EXPECT_GT(doubleArea(tab), 0.0);
  EXPECT_FALSE(convexOverlap(face, tab, 1e-9));
  EXPECT_NEAR(test::intersectionArea(face, tab), 0.0, 1e-12);
  const Vec2 d = face[1] - face[0];
  EXPECT_NEAR(std::abs(cross(d, tab[2] - face[0])) / norm(d), 4.0, 1e-12);
  EXPECT_NEAR(std::abs(cross(d, tab[3] - face[0])) / norm(d), 4.0, 1e-12);
  // The top edge is shortened by both insets.
  EXPECT_NEAR(norm(tab[3] - tab[2]), norm(d) - 5.0, 1e-12);
  EXPECT_NEAR(tabReachMm(100.0), kTabMaxMm, 0.0);
  EXPECT_NEAR(tabReachMm(20.0), 6.0, 1e-12);
  EXPECT_NEAR(tabReachMm(5.0), kTabMinMm, 0.0);
}

}  // namespace
}  // namespace velkora
