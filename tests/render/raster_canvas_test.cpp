// Primitives of the drawing surface, on our rasteriser and (where the
// property is one of the interface, not of our pixel rules) on the QPainter
// reference too.

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <memory>
#include <random>
#include <vector>

#include "render/bitmap.h"
#include "render/raster_canvas.h"
#include "tests/render/pixel_check.h"
#include "tests/support/qpainter_canvas.h"

namespace velkora {
namespace {

using test::countColour;
using test::firstMismatch;
using test::hex;

constexpr std::uint32_t kPen = 0xFF102030u;
constexpr std::uint32_t kFill = 0xFF40C080u;

// A white canvas of one implementation, owning what it draws into.
struct CanvasSurface {
  Bitmap bitmap;
  std::unique_ptr<Canvas> canvas;
};

CanvasSurface makeSurface(bool reference, int width, int height) {
  CanvasSurface s;
  if (reference) {
    s.canvas = std::make_unique<QPainterCanvas>(width, height);
  } else {
    s.bitmap.resetWhite(width, height);
    s.canvas = std::make_unique<RasterCanvas>(s.bitmap);
  }
  s.canvas->setPenColour(kPen);
  s.canvas->setFillColour(kFill);
  return s;
}

// Bounding box of the non-white pixels: {left, top, right, bottom} inclusive.
std::array<int, 4> paintedBox(const Canvas& c) {
  std::array<int, 4> box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      if ((c.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) {
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
      }
    }
  }
  return box;
}

class BothCanvases : public ::testing::TestWithParam<bool> {};

TEST_P(BothCanvases, EllipseBoxExcludesRightAndBottomEdge) {
  CanvasSurface s = makeSurface(GetParam(), 200, 300);
  s.canvas->ellipse(96, 196, 105, 205);
  EXPECT_EQ(paintedBox(*s.canvas), (std::array<int, 4>{96, 196, 104, 204}));
  // A circle: the middle row and column run across the whole box, the centre is filled.
  for (int i = 96; i <= 104; ++i) {
    EXPECT_NE(s.canvas->pixel(i, 200) & 0xFFFFFFu, 0xFFFFFFu) << "column " << i;
    EXPECT_NE(s.canvas->pixel(100, i + 100) & 0xFFFFFFu, 0xFFFFFFu) << "row " << i + 100;
  }
  EXPECT_EQ(s.canvas->pixel(100, 200), kFill);
  EXPECT_EQ(s.canvas->pixel(96, 200), kPen);
  EXPECT_EQ(s.canvas->pixel(96, 196) & 0xFFFFFFu, 0xFFFFFFu) << "corners of the box stay outside";
}

TEST_P(BothCanvases, AndCombineMatchesPerChannelAnd) {
  std::mt19937 random(7);
  CanvasSurface frame = makeSurface(GetParam(), 64, 48);
  CanvasSurface layer = makeSurface(GetParam(), 64, 48);
  // Random overlapping polygons in random colours on both.
  for (CanvasSurface* s : {&frame, &layer}) {
    for (int k = 0; k < 12; ++k) {
      s->canvas->setFillColour(random());
      s->canvas->setPenColour(random());
      const std::array<PixelPoint, 3> tri{{{int(random() % 80) - 8, int(random() % 60) - 6},
                                           {int(random() % 80) - 8, int(random() % 60) - 6},
                                           {int(random() % 80) - 8, int(random() % 60) - 6}}};
      s->canvas->polygon(tri);
    }
  }
  std::vector<std::uint32_t> before;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      before.push_back(frame.canvas->pixel(x, y));
    }
  }
  frame.canvas->andCombine(*layer.canvas);
  const std::string mismatch = firstMismatch(*frame.canvas, [&](int x, int y) {
    const std::uint32_t a = before[static_cast<std::size_t>(y) * 64 + x];
    const std::uint32_t b = layer.canvas->pixel(x, y);
    std::uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
      const std::uint32_t channel = ((a >> shift) & 0xFFu) & ((b >> shift) & 0xFFu);
      result |= channel << shift;
    }
    return result;
  });
  EXPECT_EQ(mismatch, "");
}

TEST_P(BothCanvases, AndOfWhiteKeepsColourAndGreenOverYellowGivesA0FF00) {
  CanvasSurface frame = makeSurface(GetParam(), 20, 20);
  CanvasSurface layer = makeSurface(GetParam(), 20, 20);
  frame.canvas->setFillColour(0xFFFF00);
  frame.canvas->setPenColour(0xFFFF00);
  const std::array<PixelPoint, 4> left{{{0, 0}, {9, 0}, {9, 19}, {0, 19}}};
  frame.canvas->polygon(left);
  layer.canvas->setFillColour(0xA0FFA0);
  layer.canvas->setPenColour(0xA0FFA0);
  const std::array<PixelPoint, 4> top{{{0, 0}, {19, 0}, {19, 9}, {0, 9}}};
  layer.canvas->polygon(top);
  frame.canvas->andCombine(*layer.canvas);
  EXPECT_EQ(hex(frame.canvas->pixel(5, 5)), "A0FF00");   // yellow AND light green
  EXPECT_EQ(hex(frame.canvas->pixel(5, 15)), "FFFF00");  // yellow AND white
  EXPECT_EQ(hex(frame.canvas->pixel(15, 5)), "A0FFA0");  // white AND light green
  EXPECT_EQ(hex(frame.canvas->pixel(15, 15)), "FFFFFF");
}

TEST_P(BothCanvases, PolygonPartlyOutsidePaintsOnlyTheInsidePart) {
  CanvasSurface s = makeSurface(GetParam(), 100, 80);
  const std::array<PixelPoint, 4> square{{{-50, -40}, {50, -40}, {50, 30}, {-50, 30}}};
  s.canvas->polygon(square);
  EXPECT_EQ(paintedBox(*s.canvas), (std::array<int, 4>{0, 0, 50, 30}));
  EXPECT_EQ(s.canvas->pixel(0, 0), kFill);
  EXPECT_EQ(s.canvas->pixel(25, 15), kFill);
  EXPECT_EQ(s.canvas->pixel(50, 10), kPen);
  EXPECT_EQ(s.canvas->pixel(20, 30), kPen);
  EXPECT_EQ(s.canvas->pixel(49, 29), kFill);
}

TEST_P(BothCanvases, CornersJustPastTheEdgesDoNotWrapRound) {
  CanvasSurface s = makeSurface(GetParam(), 60, 40);
  // Corners on column 60 and row 40, one past the last ones, in both turning senses.
  const std::array<PixelPoint, 3> right{{{60, 5}, {50, 10}, {50, 0}}};
  const std::array<PixelPoint, 3> bottom{{{20, 40}, {30, 30}, {10, 30}}};
  const std::array<PixelPoint, 3> rightTurned{{{60, 25}, {50, 20}, {50, 30}}};
  // Steep and flat edges, whose minor axis reaches the edge.
  const std::array<PixelPoint, 3> steep{{{60, 5}, {55, 30}, {50, 0}}};
  const std::array<PixelPoint, 3> flat{{{5, 40}, {30, 35}, {0, 30}}};
  for (const auto& tri : {right, bottom, rightTurned, steep, flat}) {
    s.canvas->polygon(tri);
  }
  for (int y = 0; y < 30; ++y) {
    EXPECT_EQ(s.canvas->pixel(0, y) & 0xFFFFFFu, 0xFFFFFFu) << "row " << y;
  }
  // Row 0 holds only the top corner of the first triangle (columns 50 on).
  for (int x = 0; x < 50; ++x) {
    EXPECT_EQ(s.canvas->pixel(x, 0) & 0xFFFFFFu, 0xFFFFFFu) << "column " << x;
  }
  int lastColumn = 0;
  int lastRow = 0;
  for (int y = 0; y < 40; ++y)
    lastColumn += (s.canvas->pixel(59, y) & 0xFFFFFFu) != 0xFFFFFFu;
  for (int x = 0; x < 60; ++x)
    lastRow += (s.canvas->pixel(x, 39) & 0xFFFFFFu) != 0xFFFFFFu;
  EXPECT_GT(lastColumn, 0);
  EXPECT_GT(lastRow, 0);
}

TEST_P(BothCanvases, PolygonsWhollyOutsidePaintNothing) {
  CanvasSurface s = makeSurface(GetParam(), 60, 40);
  const std::array<std::array<PixelPoint, 3>, 4> outside{{{{{-30, 5}, {-2, 20}, {-15, 35}}},
                                                          {{{61, 0}, {90, 10}, {70, 39}}},
                                                          {{{0, -20}, {59, -5}, {30, -1}}},
                                                          {{{0, 41}, {59, 80}, {30, 45}}}}};
  for (const auto& tri : outside) {
    s.canvas->polygon(tri);
  }
  s.canvas->ellipse(-20, -20, -1, -1);
  s.canvas->ellipse(60, 10, 80, 30);
  EXPECT_EQ(countColour(*s.canvas, 0xFFFFFF), 60 * 40);
}

TEST_P(BothCanvases, PolygonAroundTheWholeSurfaceFillsEveryPixel) {
  CanvasSurface s = makeSurface(GetParam(), 60, 40);
  const std::array<PixelPoint, 3> huge{{{-5000, -3000}, {9000, -100}, {-100, 7000}}};
  s.canvas->polygon(huge);
  EXPECT_EQ(countColour(*s.canvas, kFill), 60 * 40);
}

INSTANTIATE_TEST_SUITE_P(Canvas, BothCanvases, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "QPainter" : "Raster"; });

// Our own pixel rules.

TEST(RasterCanvas, ExtremeIntegerCornersNeitherOverflowNorMisdraw) {
  CanvasSurface s = makeSurface(false, 50, 30);
  const std::array<PixelPoint, 4> square{
      {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}}};
  s.canvas->polygon(square);
  EXPECT_EQ(countColour(*s.canvas, kFill), 50 * 30);
  s.canvas->clearWhite();
  // A thin sliver from far outside: every pixel it paints lies on its way across.
  const std::array<PixelPoint, 2> line{{{INT_MIN, 10}, {INT_MAX, 10}}};
  s.canvas->polygon(line);
  EXPECT_EQ(countColour(*s.canvas, kPen), 50);
  EXPECT_EQ(s.canvas->pixel(0, 10), kPen);
  EXPECT_EQ(s.canvas->pixel(49, 10), kPen);
}

TEST(RasterCanvas, FanOfTrianglesCoversItsHullExactlyOnce) {
  std::mt19937 random(11);
  constexpr int kW = 90;
  constexpr int kH = 70;
  for (int round = 0; round < 20; ++round) {
    // A convex polygon: a regular polygon with jittered radius, rounded to pixels.
    const int n = 3 + static_cast<int>(random() % 8);
    std::vector<PixelPoint> hull;
    const double cx = 45 + static_cast<int>(random() % 20) - 10;
    const double cy = 35 + static_cast<int>(random() % 20) - 10;
    const double radius = 20 + static_cast<int>(random() % 40);
    for (int i = 0; i < n; ++i) {
      const double a = 6.283185307179586 * (i + 0.1 * (random() % 5)) / n;
      hull.push_back({static_cast<int>(std::lround(cx + radius * std::cos(a))),
                      static_cast<int>(std::lround(cy + radius * std::sin(a)))});
    }
    const PixelPoint centre{static_cast<int>(cx), static_cast<int>(cy)};
    std::vector<int> coverage(kW * kH, 0);
    for (int i = 0; i < n; ++i) {
      CanvasSurface s = makeSurface(false, kW, kH);
      const std::array<PixelPoint, 3> tri{{centre, hull[i], hull[(i + 1) % n]}};
      static_cast<RasterCanvas&>(*s.canvas).fillPolygon(tri);
      for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
          coverage[y * kW + x] += s.canvas->pixel(x, y) == kFill ? 1 : 0;
    }
    CanvasSurface whole = makeSurface(false, kW, kH);
    static_cast<RasterCanvas&>(*whole.canvas).fillPolygon(hull);
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        const int expected = whole.canvas->pixel(x, y) == kFill ? 1 : 0;
        ASSERT_EQ(coverage[y * kW + x], expected)
            << "round " << round << ", pixel (" << x << ", " << y << ") covered "
            << coverage[y * kW + x] << " times";
      }
    }
  }
}

TEST(RasterCanvas, PolygonNotMonotoneInYFillsFromFirstToLastCrossing) {
  // A zig-zag top edge, as rounding can make of a sliver: rows cross it
  // four times; each row is filled from its first to its last crossing.
  const std::array<PixelPoint, 5> zigzag{{{0, 0}, {10, 10}, {20, 0}, {20, 20}, {0, 20}}};
  const std::array<PixelPoint, 5> reversed{{{0, 0}, {0, 20}, {20, 20}, {20, 0}, {10, 10}}};
  for (const auto& corners : {zigzag, reversed}) {
    CanvasSurface s = makeSurface(false, 40, 40);
    static_cast<RasterCanvas&>(*s.canvas).fillPolygon(corners);
    EXPECT_EQ(paintedBox(*s.canvas), (std::array<int, 4>{0, 0, 19, 19}));
    EXPECT_EQ(countColour(*s.canvas, kFill), 20 * 20);
  }
}

TEST(RasterCanvas, FillSamplesPixelCentres) {
  CanvasSurface s = makeSurface(false, 20, 20);
  const std::array<PixelPoint, 4> square{{{2, 3}, {7, 3}, {7, 9}, {2, 9}}};
  static_cast<RasterCanvas&>(*s.canvas).fillPolygon(square);
  EXPECT_EQ(paintedBox(*s.canvas), (std::array<int, 4>{2, 3, 6, 8}));
  EXPECT_EQ(countColour(*s.canvas, kFill), 5 * 6);
}

TEST(RasterCanvas, OutlineIncludesBothEndsAndOnePixelPerColumn) {
  CanvasSurface s = makeSurface(false, 40, 20);
  const std::array<PixelPoint, 2> line{{{5, 5}, {20, 9}}};
  s.canvas->polygon(line);
  EXPECT_EQ(s.canvas->pixel(5, 5), kPen);
  EXPECT_EQ(s.canvas->pixel(20, 9), kPen);
  EXPECT_EQ(countColour(*s.canvas, kPen), 16);
  for (int x = 5; x <= 20; ++x) {
    int inColumn = 0;
    for (int y = 0; y < 20; ++y)
      inColumn += s.canvas->pixel(x, y) == kPen ? 1 : 0;
    EXPECT_EQ(inColumn, 1) << "column " << x;
  }
}

TEST(RasterCanvas, SharedEdgeCoversTheSamePixelsFromBothSides) {
  CanvasSurface a = makeSurface(false, 40, 40);
  CanvasSurface b = makeSurface(false, 40, 40);
  const std::array<PixelPoint, 3> first{{{3, 4}, {31, 17}, {5, 35}}};
  const std::array<PixelPoint, 3> second{{{31, 17}, {3, 4}, {36, 2}}};
  a.canvas->polygon(first);
  b.canvas->polygon(second);
  // The pixels of the edge (3,4)-(31,17) are pen-coloured in both pictures.
  int shared = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (a.canvas->pixel(x, y) == kPen && b.canvas->pixel(x, y) == kPen) ++shared;
  EXPECT_EQ(shared, 29);
}

TEST(RasterCanvas, DottedPenPaintsGapsInFillColour) {
  CanvasSurface s = makeSurface(false, 50, 30);
  s.canvas->setPenStyle(PenStyle::Dotted);
  const std::array<PixelPoint, 4> box{{{10, 10}, {40, 10}, {40, 20}, {10, 20}}};
  s.canvas->polygon(box);
  for (int x = 10; x <= 40; ++x) {
    const std::uint32_t expected = (x - 10) % kDotPeriod == 0 ? kPen : kFill;
    EXPECT_EQ(hex(s.canvas->pixel(x, 10)), hex(expected)) << "column " << x;
  }
  // Nothing of the outline is left white.
  EXPECT_EQ(countColour(*s.canvas, kPen) + countColour(*s.canvas, kFill), 31 * 11);
}

TEST(RasterCanvas, PixelCentreOnALeftEdgeIsInsideAndOnARightEdgeOutside) {
  // Left edge x = y / 5 from (0, 0) to (2, 10): row 2's centre line y = 2.5
  // meets it at x = 0.5, the centre of column 0; row 7's at 1.5, column 1's.
  // The right edge x = 8 + y / 5 meets the same rows at the centres of
  // columns 8 and 9, which stay outside.
  CanvasSurface s = makeSurface(false, 20, 12);
  const std::array<PixelPoint, 4> slanted{{{0, 0}, {8, 0}, {10, 10}, {2, 10}}};
  static_cast<RasterCanvas&>(*s.canvas).fillPolygon(slanted);
  auto span = [&](int y) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < 20; ++x) {
      if (s.canvas->pixel(x, y) == kFill) {
        first = first < 0 ? x : first;
        last = x;
      }
    }
    return std::array<int, 2>{first, last};
  };
  EXPECT_EQ(span(2), (std::array<int, 2>{0, 7}));
  EXPECT_EQ(span(7), (std::array<int, 2>{1, 8}));
  // Rows whose centre line meets no centre: (3.5 / 5, 8 + 3.5 / 5) = (0.7, 8.7).
  EXPECT_EQ(span(3), (std::array<int, 2>{1, 8}));
}

TEST(RasterCanvas, LastEdgeOfADottedOutlineLeavesTheFirstCornersDot) {
  // Perimeter 20 + 20 + 7 = 47 steps: step 47 would be a gap (47 mod 3 = 2),
  // so a closing edge that painted its end would turn the first corner's dot
  // into fill colour. The closing edge runs up (turned round for drawing) in
  // the first triangle and down in the second.
  const std::array<PixelPoint, 3> closingUp{{{5, 5}, {25, 5}, {5, 12}}};
  const std::array<PixelPoint, 3> closingDown{{{25, 12}, {5, 12}, {25, 5}}};
  for (const auto& corners : {closingUp, closingDown}) {
    CanvasSurface s = makeSurface(false, 30, 20);
    s.canvas->setPenStyle(PenStyle::Dotted);
    s.canvas->polygon(corners);
    EXPECT_EQ(hex(s.canvas->pixel(corners[0].x, corners[0].y)), hex(kPen))
        << "first corner (" << corners[0].x << ", " << corners[0].y << ")";
    // The step before the first corner on the closing edge is step 46, a gap.
    const PixelPoint before{corners[0].x, corners[0].y + (corners[0].y < corners[2].y ? 1 : -1)};
    EXPECT_EQ(hex(s.canvas->pixel(before.x, before.y)), hex(kFill));
  }
}

TEST(RasterCanvas, DottedEllipseOutlineHasDotsAndGaps) {
  CanvasSurface s = makeSurface(false, 40, 40);
  s.canvas->setPenStyle(PenStyle::Dotted);
  s.canvas->ellipse(5, 5, 30, 30);
  const int dots = countColour(*s.canvas, kPen);
  EXPECT_GT(dots, 15);
  EXPECT_LT(dots, 40);
  EXPECT_EQ(paintedBox(*s.canvas), (std::array<int, 4>{5, 5, 29, 29}));
}

TEST(RasterCanvas, ClearWhiteKeepsSizeAndStorage) {
  CanvasSurface s = makeSurface(false, 30, 20);
  const std::uint32_t* storage = s.bitmap.pixels.data();
  s.canvas->ellipse(0, 0, 30, 20);
  s.canvas->clearWhite();
  EXPECT_EQ(countColour(*s.canvas, 0xFFFFFF), 30 * 20);
  EXPECT_EQ(s.bitmap.pixels.data(), storage);
}

TEST(RasterCanvas, CombiningAndClearingALayerEqualsCombiningThenClearingIt) {
  // A layer two bands tall combined into rows 10..19 of a frame, whose row
  // window holds only rows 10..14: what lies outside the window is not
  // combined, and the layer ends all white with nothing painted either way.
  std::mt19937 random(11);
  Bitmap frameA;
  Bitmap frameB;
  Bitmap layerA;
  Bitmap layerB;
  for (Bitmap* b : {&frameA, &frameB})
    b->resetWhite(40, 30);
  for (Bitmap* b : {&layerA, &layerB})
    b->resetWhite(40, 10);
  RasterCanvas frameCanvasA(frameA);
  RasterCanvas frameCanvasB(frameB);
  RasterCanvas layerCanvasA(layerA);
  RasterCanvas layerCanvasB(layerB);
  for (int k = 0; k < 8; ++k) {
    const std::uint32_t fill = random();
    const std::array<PixelPoint, 3> tri{{{int(random() % 50) - 5, int(random() % 14) - 2},
                                         {int(random() % 50) - 5, int(random() % 14) - 2},
                                         {int(random() % 50) - 5, int(random() % 14) - 2}}};
    for (RasterCanvas* c : {&frameCanvasA, &frameCanvasB}) {
      c->setFillColour(fill ^ 0x00FF00FFu);
      c->polygon(tri);
    }
    for (RasterCanvas* c : {&layerCanvasA, &layerCanvasB}) {
      c->setFillColour(fill);
      c->polygon(tri);
    }
  }
  frameCanvasA.setRowWindow(10, 15);
  frameCanvasB.setRowWindow(10, 15);
  frameCanvasA.andCombine(layerCanvasA, 10);
  layerCanvasA.clearWhite();
  frameCanvasB.andCombineClearing(layerCanvasB, 10);
  EXPECT_EQ(test::firstDifference(frameCanvasB, frameCanvasA), "");
  EXPECT_EQ(countColour(layerCanvasB, 0xFFFFFF), 40 * 10);
  EXPECT_TRUE(layerB.painted.empty());
  EXPECT_EQ(frameB.painted.top, frameA.painted.top);
  EXPECT_EQ(frameB.painted.bottom, frameA.painted.bottom);
}

}  // namespace
}  // namespace velkora
