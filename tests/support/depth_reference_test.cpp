// The depth reference against pictures known by hand: a square on the background, a square
// behind another in either order, two squares that cross each other, a polygon seen edge-on, both
// windings, polygons past the picture's border and the marks along edges; and random triangles
// against a per-pixel check written apart from it, with barycentric coordinates.

#include "tests/support/depth_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace velkora::test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kBlue = 0xFF0000FFu;

std::string hex(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(colour));
  return text;
}

std::uint32_t at(const RefPicture& picture, int x, int y) {
  return picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
}
bool nearEdgeAt(const RefPicture& picture, int x, int y) {
  return picture.nearEdge[static_cast<std::size_t>(y * picture.width + x)] != 0;
}

// A rectangle [x0, x1] x [y0, y1] whose depth is z(x, y) at its corners.
template <typename Depth>
RefPolygon rectangle(double x0, double y0, double x1, double y1, Depth z, std::uint32_t colour) {
  return {{{x0, y0, z(x0, y0)}, {x1, y0, z(x1, y0)}, {x1, y1, z(x1, y1)}, {x0, y1, z(x0, y1)}},
          colour};
}
RefPolygon flatRectangle(double x0, double y0, double x1, double y1, double z,
                         std::uint32_t colour) {
  return rectangle(
      x0, y0, x1, y1, [z](double, double) { return z; }, colour);
}

// Compares every pixel with expected(x, y) and reports the first that differs.
template <typename Expected>
void expectPixels(const RefPicture& picture, Expected expected, const std::string& what) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t want = expected(x, y);
      if (at(picture, x, y) != want) {
        ADD_FAILURE() << what << ": first difference at (" << x << ", " << y
                      << "): " << hex(at(picture, x, y)) << " instead of " << hex(want);
        return;
      }
    }
  }
}

TEST(DepthReferencePicture, SquareCoversExactlyThePixelCentresInsideIt) {
  // [10, 20] holds the centres 10.5 .. 19.5; the second square's edges run through centres
  // (22.5 and 24.5), which it covers.
  const RefPicture picture = referenceDepthPicture(
      32, 24,
      {flatRectangle(10, 10, 20, 20, 3, kRed), flatRectangle(22.5, 2.5, 24.5, 4.5, 3, kBlue)});
  ASSERT_EQ(picture.pixels.size(), 32u * 24u);
  ASSERT_EQ(picture.nearEdge.size(), 32u * 24u);
  expectPixels(
      picture,
      [](int x, int y) {
        if (x >= 10 && x <= 19 && y >= 10 && y <= 19) return kRed;
        if (x >= 22 && x <= 24 && y >= 2 && y <= 4) return kBlue;
        return kWhite;
      },
      "two squares");
}

TEST(DepthReferencePicture, NearerSquareWinsInEitherOrderAndBothWindingsAreDrawn) {
  const RefPolygon back = flatRectangle(5, 5, 25, 25, 10, kRed);
  RefPolygon front = flatRectangle(15, 15, 35, 35, 2, kBlue);
  auto expected = [](int x, int y) {
    if (x >= 15 && x <= 34 && y >= 15 && y <= 34) return kBlue;
    if (x >= 5 && x <= 24 && y >= 5 && y <= 24) return kRed;
    return kWhite;
  };
  expectPixels(referenceDepthPicture(40, 40, {back, front}), expected, "back first");
  expectPixels(referenceDepthPicture(40, 40, {front, back}), expected, "front first");
  std::reverse(front.corners.begin(), front.corners.end());
  expectPixels(referenceDepthPicture(40, 40, {back, front}), expected, "front turned over");
  // Equal depth: the earlier polygon keeps the pixel.
  const RefPolygon level = flatRectangle(15, 15, 35, 35, 10, kBlue);
  expectPixels(
      referenceDepthPicture(40, 40, {back, level}),
      [](int x, int y) {
        if (x >= 5 && x <= 24 && y >= 5 && y <= 24) return kRed;
        if (x >= 15 && x <= 34 && y >= 15 && y <= 34) return kBlue;
        return kWhite;
      },
      "equal depth");
}

TEST(DepthReferencePicture, CrossingSquaresEachWinOnTheirOwnSideOfTheCrossingLine) {
  // The red square is level at depth 0; the blue one slopes as z = x + y - 60, so it is nearer
  // where x + y < 60 and farther beyond: at the pixel centres, x + y + 1 < 60.
  const RefPolygon level = flatRectangle(10, 10, 50, 50, 0, kRed);
  const RefPolygon sloped = rectangle(
      10, 10, 50, 50, [](double x, double y) { return x + y - 60; }, kBlue);
  const RefPicture picture = referenceDepthPicture(60, 60, {level, sloped});
  expectPixels(
      picture,
      [](int x, int y) {
        if (x < 10 || x > 49 || y < 10 || y > 49) return kWhite;
        // On the line itself the depths are equal and the earlier (red) square keeps the pixel.
        return x + y + 1 < 60 ? kBlue : kRed;
      },
      "sloped against level");
  // The same crossing along x alone, the slope given by a triangle's three corners, whose plane
  // reaches beyond them: z = 4 (x - 30.25).
  const RefPolygon wedge{{{5, 5, 4 * (5 - 30.25)}, {55, 5, 4 * (55 - 30.25)}, {30, 55, -1}}, kBlue};
  const RefPicture crossing = referenceDepthPicture(60, 60, {level, wedge});
  EXPECT_EQ(at(crossing, 29, 20), kBlue);  // x = 29.5: z = -3
  EXPECT_EQ(at(crossing, 30, 20), kRed);   // x = 30.5: z = 1
  EXPECT_EQ(at(crossing, 29, 45), kBlue);
  EXPECT_EQ(at(crossing, 30, 45), kRed);
}

TEST(DepthReferencePicture, EdgeOnPolygonCoversNothingButItsEdgesAreMarked) {
  // All corners on the line x = 30 of the picture: seen exactly edge-on.
  const RefPolygon edgeOn{{{30, 5, 0}, {30, 35, 0}, {30, 35, 20}, {30, 5, 20}}, kBlue};
  // Edge-on up to rounding: a square in the upright plane through the pixel centres (40.5, 10.5),
  // (41.5, 11.5) ... along (cos 45°, sin 45°), turned within that plane, in front of the red
  // square.
  const double c = std::cos(std::numbers::pi / 4), s = std::sin(std::numbers::pi / 4);
  const double ct = std::cos(1.0), st = std::sin(1.0);
  RefPolygon tilted{{}, kBlue};
  for (const auto& [a, b] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {10.0, 10.0}, {0.0, 10.0}}) {
    const double along = 3.0 + ct * a - st * b, up = st * a + ct * b;
    tilted.corners.push_back({40.5 + c * along, 10.5 + s * along, up - 20.0});
  }
  const RefPicture picture =
      referenceDepthPicture(60, 40, {flatRectangle(40, 5, 50, 35, 10, kRed), edgeOn, tilted});
  expectPixels(
      picture, [](int x, int y) { return x >= 40 && x <= 49 && y >= 5 && y <= 34 ? kRed : kWhite; },
      "edge-on polygons");
  EXPECT_TRUE(nearEdgeAt(picture, 29, 20));
  EXPECT_TRUE(nearEdgeAt(picture, 30, 20));
  EXPECT_FALSE(nearEdgeAt(picture, 27, 20));
  EXPECT_FALSE(nearEdgeAt(picture, 32, 20));
}

TEST(DepthReferencePicture, PolygonsPastTheBorderAreClipped) {
  const RefPicture picture = referenceDepthPicture(
      20, 10,
      {flatRectangle(-100, -50, 5, 300, 1, kRed), flatRectangle(15, 2, 60, 4, 1, kBlue),
       flatRectangle(-30, -30, -10, -10, 0, kBlue)});
  expectPixels(
      picture,
      [](int x, int y) {
        if (x <= 4) return kRed;
        if (x >= 15 && y >= 2 && y <= 3) return kBlue;
        return kWhite;
      },
      "clipped");
  EXPECT_EQ(referenceDepthPicture(0, 0, {flatRectangle(0, 0, 5, 5, 0, kRed)}).pixels.size(), 0u);
}

TEST(DepthReferenceNearEdge, MarksCentresWithinOneAndAHalfPixelsOfHiddenAndVisibleEdges) {
  // The red square lies wholly behind the blue one; its edges are marked all the same.
  const RefPolygon hidden = flatRectangle(20, 20, 30, 30, 5, kRed);
  const RefPolygon front = flatRectangle(10, 10, 40, 40, 1, kBlue);
  const RefPicture picture = referenceDepthPicture(50, 50, {hidden, front});
  EXPECT_EQ(at(picture, 25, 25), kBlue);
  // Distances from the top edge y = 20 of the hidden square, at x = 25.5.
  EXPECT_TRUE(nearEdgeAt(picture, 25, 18));   // 1.5
  EXPECT_TRUE(nearEdgeAt(picture, 25, 21));   // 1.5
  EXPECT_FALSE(nearEdgeAt(picture, 25, 17));  // 2.5
  EXPECT_FALSE(nearEdgeAt(picture, 25, 22));  // 2.5
  // Beyond the corner (20, 20): the centre (18.5, 18.5) is 2.12 away, (19.5, 18.5) 1.58.
  EXPECT_FALSE(nearEdgeAt(picture, 18, 18));
  EXPECT_FALSE(nearEdgeAt(picture, 19, 18));
  EXPECT_TRUE(nearEdgeAt(picture, 19, 19));
  EXPECT_FALSE(nearEdgeAt(picture, 25, 25));
}

// ---- Random triangles against a check of their own.

double distanceToSegment(double px, double py, RefPoint a, RefPoint b) {
  // Nearest of the two ends and, where it falls within, the foot of the perpendicular.
  double best = std::min(std::hypot(px - a.x, py - a.y), std::hypot(px - b.x, py - b.y));
  const double ux = b.x - a.x, uy = b.y - a.y, length = std::hypot(ux, uy);
  if (length > 0) {
    const double along = ((px - a.x) * ux + (py - a.y) * uy) / length;
    if (along > 0 && along < length) {
      best = std::min(best, std::abs((px - a.x) * uy - (py - a.y) * ux) / length);
    }
  }
  return best;
}

TEST(DepthReferenceRandom, TrianglesAgreeWithBarycentricSamplingAwayFromEdgesAndTies) {
  std::mt19937 random(77);
  std::uniform_real_distribution<double> position(-20.0, 140.0), depth(-50.0, 50.0);
  std::vector<RefPolygon> triangles;
  for (int i = 0; i < 40; ++i) {
    RefPolygon t{{}, 0xFF000000u | static_cast<std::uint32_t>(i + 1)};
    for (int k = 0; k < 3; ++k)
      t.corners.push_back({position(random), position(random), depth(random)});
    triangles.push_back(t);
  }
  const int size = 120;
  const RefPicture picture = referenceDepthPicture(size, size, triangles);
  int compared = 0, covered = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double nearest = 1e300, second = 1e300;
      std::uint32_t colour = kWhite;
      bool nearAnEdge = false;
      for (const RefPolygon& t : triangles) {
        const RefPoint a = t.corners[0], b = t.corners[1], c = t.corners[2];
        for (const auto& [p, q] : {std::pair{a, b}, {b, c}, {c, a}}) {
          nearAnEdge = nearAnEdge || distanceToSegment(px, py, p, q) <= 1.5;
        }
        const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        const double wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
        const double wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
        const double wc = 1.0 - wa - wb;
        if (wa < 0 || wb < 0 || wc < 0) continue;
        const double z = wa * a.z + wb * b.z + wc * c.z;
        if (z < nearest) {
          second = nearest;
          nearest = z;
          colour = t.colour;
        } else {
          second = std::min(second, z);
        }
      }
      EXPECT_EQ(nearEdgeAt(picture, x, y), nearAnEdge) << "(" << x << ", " << y << ")";
      if (nearAnEdge || second - nearest < 1e-6) continue;
      ++compared;
      if (colour != kWhite) ++covered;
      ASSERT_EQ(hex(at(picture, x, y)), hex(colour))
          << "first difference at (" << x << ", " << y << ")";
    }
  }
  // Enough pixels away from edges, most of them covered, for the comparison to mean something.
  EXPECT_GT(compared, 2000);
  EXPECT_GT(covered, 1000);
}

TEST(DepthReferenceRejects, TooFewCornersCornersThatAreNotFiniteAndNegativeSizes) {
  EXPECT_THROW(referenceDepthPicture(10, 10, {{{{0, 0, 0}, {5, 5, 0}}, kRed}}), EDepthReference);
  EXPECT_THROW(
      referenceDepthPicture(10, 10, {{{{0, 0, 0}, {5, 0, 0}, {5, std::nan(""), 0}}, kRed}}),
      EDepthReference);
  EXPECT_THROW(referenceDepthPicture(-1, 10, {}), EDepthReference);
  EXPECT_NO_THROW(referenceDepthPicture(10, 10, {}));
}

}  // namespace
}  // namespace velkora::test
