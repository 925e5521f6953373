// Composing frames from hand-made models: origin, layers and their order,
// the colours the AND of the front layer yields, pen styles, vertex marks,
// buffers kept between frames, and coordinates grown by enlarging.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/zoom.h"
#include "render/colours.h"
#include "render/frame.h"
#include "render/raster_canvas.h"
#include "render/views.h"
#include "tests/render/pixel_check.h"
#include "tests/support/test_models.h"

namespace velkora {
namespace {

using test::addFace;
using test::addSphereQuad;
using test::countColour;
using test::hex;

// A composed frame of our rasteriser, kept with the buffers it was drawn into.
struct Composed {
  FrameBuffers buffers;
  RasterCanvas frame{buffers.frame};
  RasterCanvas front{buffers.front};

  Composed(const Model& model, const ViewState& view, int width, int height) {
    composeFrame(model, view, width, height, buffers);
  }
  std::string at(int x, int y) const { return hex(frame.pixel(x, y)); }
};

constexpr ViewState kPolyhedron{View::Polyhedron, false};
constexpr ViewState kInner{View::InnerSphere, false};
constexpr ViewState kOuter{View::OuterSphere, false};

TEST(ComposeFrame, OriginIsTheMiddleOfTheSurface) {
  Model m;
  const int face = addFace(m, {{0.0, 0.0, 5.0}});
  m.faces[face].count = 1;  // a polygon of one corner paints one pixel
  Composed c(m, kPolyhedron, 634, 663);
  EXPECT_EQ(c.at(317, 331), "FF0000");
  EXPECT_EQ(countColour(c.frame, 0xFFFFFF), 634 * 663 - 1);
}

TEST(ComposeFrame, PointsAreRoundedHalvesToEvenAndYGrowsDownward) {
  Model m;
  addFace(m, {{2.5, 10.0, 5.0}});
  addFace(m, {{3.5, 20.0, 5.0}});
  addFace(m, {{-2.5, 30.0, 5.0}});
  Composed c(m, kPolyhedron, 634, 663);
  EXPECT_EQ(c.at(319, 341), "FF0000");
  EXPECT_EQ(c.at(321, 351), "FF0000");
  EXPECT_EQ(c.at(315, 361), "FF0000");
  EXPECT_EQ(countColour(c.frame, 0xFF0000), 3);
}

// Inner view with the inner sphere: a back face, a core square and a front
// face overlapping both, on a 200 x 200 surface (origin (100, 100)).
Model layeredScene() {
  Model m;
  addFace(m, {{-80, -80, 10}, {0, -80, 10}, {0, 80, 10}, {-80, 80, 10}});        // back
  addFace(m, {{-60, -60, -10}, {20, -60, -10}, {20, 60, -10}, {-60, 60, -10}});  // front
  addSphereQuad(m, {{-40, -40, 0}, {40, -40, 0}, {40, 40, 0}, {-40, 40, 0}});    // core
  return m;
}

TEST(ComposeFrame, FrontLayerAndGivesTheTableColours) {
  ViewState view = kInner;
  view.markPoints = true;
  Composed c(layeredScene(), view, 200, 200);
  test::saveFrame(c.frame, "layered_inner");
  EXPECT_EQ(c.at(30, 100), "A0FFA0");   // back shell alone
  EXPECT_EQ(c.at(50, 150), "A0FFA0");   // back shell under the front fill
  EXPECT_EQ(c.at(110, 150), "A0FFA0");  // white background under the front fill
  EXPECT_EQ(c.at(100, 100), "A0FF00");  // yellow core under the front fill
  EXPECT_EQ(c.at(60, 100), "0000A0");   // blue core outline under the front fill
  EXPECT_EQ(c.at(110, 40), "FF0000");   // front outline over white
  EXPECT_EQ(c.at(70, 40), "A00000");    // front outline over the back shell
  EXPECT_EQ(c.at(120, 100), "FF0000");  // front outline over the yellow core
  EXPECT_EQ(c.at(120, 140), "000000");  // front outline over the blue core outline
  EXPECT_EQ(c.at(121, 161), "FFFF00");  // front mark over white
  EXPECT_EQ(c.at(41, 41), "A0FF00");    // front mark over the back shell
  // The dotted red outline of the back face under the front fill: red dots
  // become A00000, the light green gaps stay A0FFA0.
  int dots = 0;
  for (int y = 45; y <= 55; ++y) {
    const std::string colour = c.at(100, y);
    EXPECT_TRUE(colour == "A00000" || colour == "A0FFA0") << "row " << y << ": " << colour;
    dots += colour == "A00000" ? 1 : 0;
  }
  EXPECT_GE(dots, 3);
  EXPECT_LE(dots, 4);
}

TEST(ComposeFrame, OuterViewBackQuadsAreLightRedDottedAndFrontQuadsRedSolid) {
  Model m;
  addSphereQuad(m, {{-90, -30, 5}, {-10, -30, 5}, {-10, 30, 5}, {-90, 30, 5}});  // back
  addSphereQuad(m, {{10, -30, -5}, {90, -30, -5}, {90, 30, -5}, {10, 30, -5}});  // front
  Composed c(m, kOuter, 200, 200);
  test::saveFrame(c.frame, "outer_quads");
  int lightRed = 0;
  for (int x = 10; x <= 90; ++x) {
    const std::string colour = c.at(x, 70);
    EXPECT_TRUE(colour == "FF8080" || colour == "A0FFA0") << "column " << x << ": " << colour;
    lightRed += colour == "FF8080" ? 1 : 0;
    EXPECT_EQ(c.at(x + 100, 70), "FF0000") << "column " << x + 100;
  }
  EXPECT_EQ(lightRed, 27);
  EXPECT_EQ(countColour(c.frame, 0xFF0000), 2 * 81 + 2 * 59);
}

TEST(ComposeFrame, LightRedBackOutlineUnderTheFrontFillReadsA08080) {
  Model m;
  addSphereQuad(m, {{-50, -50, 5}, {50, -50, 5}, {50, 50, 5}, {-50, 50, 5}});      // back
  addSphereQuad(m, {{-70, -20, -5}, {70, -20, -5}, {70, 20, -5}, {-70, 20, -5}});  // front
  Composed c(m, kOuter, 200, 200);
  int seen = 0;
  for (int y = 85; y <= 115; ++y) {
    const std::string colour = c.at(50, y);
    EXPECT_TRUE(colour == "A08080" || colour == "A0FFA0") << "row " << y << ": " << colour;
    seen += colour == "A08080" ? 1 : 0;
  }
  EXPECT_GT(seen, 0);
}

TEST(ComposeFrame, FaceWithCentreZZeroIsPaintedInTheBackPassOnly) {
  Model m;
  addFace(m, {{-40, -40, -1}, {40, -40, 1}, {40, 40, 0}, {-40, 40, 0}});
  ASSERT_EQ(m.faceCentres[0].z, 0.0);
  Composed c(m, kPolyhedron, 200, 200);
  EXPECT_EQ(countColour(c.front, 0xFFFFFF), 200 * 200) << "nothing on the front layer";
  EXPECT_EQ(c.at(100, 100), "A0FFA0");
  // Dotted: the top edge alternates red dots and light green gaps.
  EXPECT_EQ(c.at(60, 60), "FF0000");
  EXPECT_EQ(c.at(61, 60), "A0FFA0");
  EXPECT_EQ(countColour(c.frame, 0xA00000), 0);
}

TEST(ComposeFrame, FrontFaceGoesToTheFrontLayerWhicheverWayItPoints) {
  Model m;
  // Corners far behind, centre in front: only the centre's z counts.
  addFace(m, {{-40, -40, 100}, {40, -40, 100}, {0, 40, -201}});
  ASSERT_LT(m.faceCentres[0].z, 0.0);
  Composed c(m, kPolyhedron, 200, 200);
  EXPECT_EQ(hex(c.front.pixel(100, 90)), "A0FFA0");
  EXPECT_EQ(c.at(100, 60), "FF0000") << "solid red outline on the front layer";
  EXPECT_EQ(c.at(101, 60), "FF0000");
}

TEST(ComposeFrame, PolyederPaintsNoCore) {
  const Model m = layeredScene();
  Composed plain(m, kPolyhedron, 200, 200);
  EXPECT_EQ(countColour(plain.frame, 0xA0FF00), 0);
  EXPECT_EQ(countColour(plain.frame, 0x0000A0), 0);
  Model noSphere = m;
  noSphere.sphereQuadCount = 0;
  Composed reference(noSphere, kPolyhedron, 200, 200);
  EXPECT_EQ(test::firstDifference(plain.frame, reference.frame), "");
}

TEST(ComposeFrame, CoreIsPaintedFarthestFirstWithoutAKeyTest) {
  Model m;
  addSphereQuad(m, {{-30, -30, -50}, {30, -30, -50}, {30, 30, -50}, {-30, 30, -50}});  // near
  addSphereQuad(m, {{-20, -20, 50}, {60, -20, 50}, {60, 60, 50}, {-20, 60, 50}});      // far
  Composed c(m, kInner, 200, 200);
  // The near quad is drawn last and covers the far one where they overlap.
  EXPECT_EQ(c.at(130, 110), "0000FF") << "near quad's outline on top";
  EXPECT_EQ(c.at(80, 100), "FFFF00") << "far quad's outline covered by the near quad";
  EXPECT_EQ(c.at(80, 150), "0000FF") << "far quad's outline where nothing covers it";
  EXPECT_EQ(c.at(140, 140), "FFFF00");
  EXPECT_EQ(c.at(75, 75), "FFFF00") << "near quad painted although its key is < 0";
}

TEST(ComposeFrame, EmptyFrontLayerLeavesTheFrameUnchanged) {
  Bitmap frameBits;
  Bitmap frontBits;
  frameBits.resetWhite(40, 30);
  frontBits.resetWhite(40, 30);
  for (std::size_t i = 0; i < frameBits.pixels.size(); ++i) {
    frameBits.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
  }
  const std::vector<std::uint32_t> before = frameBits.pixels;
  RasterCanvas frame(frameBits);
  RasterCanvas front(frontBits);
  Model m;
  addFace(m, {{-100, -100, 3}, {-90, -100, 3}, {-90, -90, 3}});  // a back face off the surface
  composeScene(m, kInner, frame, front);
  EXPECT_EQ(frameBits.pixels, before);
}

TEST(ComposeFrame, MarksAreNineByNineCirclesAtTheCorners) {
  Model m;
  const int face = addFace(m, {{0, 0, -1}});
  m.faces[face].count = 1;
  ViewState view = kPolyhedron;
  view.markPoints = true;
  Composed marked(m, view, 200, 400);  // origin (100, 200)
  int left = 1000, top = 1000, right = -1, bottom = -1;
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 200; ++x)
      if (marked.at(x, y) != "FFFFFF") {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  EXPECT_EQ(left, 96);
  EXPECT_EQ(right, 104);
  EXPECT_EQ(top, 196);
  EXPECT_EQ(bottom, 204);
  EXPECT_EQ(marked.at(100, 200), "FFFF00");
  EXPECT_EQ(marked.at(96, 200), "FF0000") << "outlined with the current (red) pen";

  Composed plain(m, kPolyhedron, 200, 400);
  EXPECT_EQ(countColour(plain.frame, 0xFFFF00), 0);
  EXPECT_EQ(countColour(plain.frame, 0xFFFFFF), 200 * 400 - 1);
}

TEST(ComposeFrame, MarkBehindTheFilterHasItsDotsWhereTheyBelong) {
  // A back face's marks are drawn with the back pass's dotted pen: ring
  // pixels red (dots) or the mark's yellow (gaps). The dots are counted round
  // the ring by angle from its right end, clockwise on screen, so the first
  // dot is the right end of the middle row and the picture is not symmetric.
  Model m;
  const int face = addFace(m, {{0, 0, 1}});
  m.faces[face].count = 1;
  ViewState view = kPolyhedron;
  view.markPoints = true;
  Composed c(m, view, 40, 40);  // the corner at (20, 20), its mark on 16..24
  const std::array<const char*, 9> expected{{
      "..RYRYY..",
      ".YYYYYYR.",
      "YYYYYYYYY",
      "RYYYYYYYY",
      "YYYYYYYYR",
      "RYYYYYYYY",
      "YYYYYYYYY",
      ".YYYYYYR.",
      "..RYYYY..",
  }};
  for (int y = 0; y < 9; ++y) {
    std::string row;
    for (int x = 0; x < 9; ++x) {
      const std::string colour = c.at(16 + x, 16 + y);
      row += colour == "FF0000" ? 'R' : colour == "FFFF00" ? 'Y' : colour == "FFFFFF" ? '.' : '?';
    }
    EXPECT_EQ(row, expected[y]) << "mark row " << y;
  }
}

TEST(ComposeFrame, MarksRestoreTheFillColour) {
  Model m;
  addFace(m, {{-50, -50, 5}, {0, -50, 5}, {0, 0, 5}});
  ViewState view = kPolyhedron;
  view.markPoints = true;
  FrameBuffers buffers;
  buffers.frame.resetWhite(100, 100);
  buffers.front.resetWhite(100, 100);
  RasterCanvas frame(buffers.frame);
  RasterCanvas front(buffers.front);
  composeScene(m, view, frame, front);
  EXPECT_EQ(frame.fillColour(), kLightGreen);
}

TEST(ComposeFrame, SpherePointsAreNeverMarked) {
  const Model ico = test::icosahedron();
  for (bool outer : {false, true}) {
    Model spheresOnly = ico;
    spheresOnly.faceCount = 0;
    ViewState view{outer ? View::OuterSphere : View::InnerSphere, false};
    Composed plain(spheresOnly, view, 634, 663);
    view.markPoints = true;
    Composed marked(spheresOnly, view, 634, 663);
    EXPECT_EQ(test::firstDifference(marked.frame, plain.frame), "") << (outer ? "outer" : "inner");
  }
}

TEST(ComposeFrame, OuterViewMarksPolyhedronVerticesOnly) {
  const Model ico = test::icosahedron();
  ViewState view = kOuter;
  Composed plain(ico, view, 634, 663);
  view.markPoints = true;
  Composed marked(ico, view, 634, 663);
  test::saveFrame(marked.frame, "icosahedron_outer_marked");
  auto nearVertex = [&](int x, int y) {
    for (int v = 0; v < ico.vertexCount; ++v) {
      const int vx = static_cast<int>(std::nearbyint(ico.vertices[v].x)) + 317;
      const int vy = static_cast<int>(std::nearbyint(ico.vertices[v].y)) + 331;
      if (x >= vx - 4 && x <= vx + 4 && y >= vy - 4 && y <= vy + 4) return true;
    }
    return false;
  };
  EXPECT_EQ(test::firstDifference(marked.frame, plain.frame,
                                  [&](int x, int y) { return !nearVertex(x, y); }),
            "");
  // Vertices on the near side are not covered by later faces: their marks show.
  for (int v = 0; v < ico.vertexCount; ++v) {
    if (ico.vertices[v].z >= 0.0) continue;
    const int vx = static_cast<int>(std::nearbyint(ico.vertices[v].x)) + 317;
    const int vy = static_cast<int>(std::nearbyint(ico.vertices[v].y)) + 331;
    int changed = 0;
    for (int y = vy - 4; y <= vy + 4; ++y)
      for (int x = vx - 4; x <= vx + 4; ++x)
        changed += marked.frame.pixel(x, y) != plain.frame.pixel(x, y);
    EXPECT_GT(changed, 10) << "vertex " << v;
  }
}

TEST(ComposeFrame, BuffersAreReusedAndEveryFrameStartsWhite) {
  const Model ico = test::icosahedron();
  Composed c(ico, kOuter, 300, 200);
  const std::uint32_t* storage = c.buffers.frame.pixels.data();
  Model small;
  addFace(small, {{-5, -5, 1}, {5, -5, 1}, {5, 5, 1}});
  composeFrame(small, kPolyhedron, 300, 200, c.buffers);
  EXPECT_EQ(c.buffers.frame.pixels.data(), storage);
  Composed fresh(small, kPolyhedron, 300, 200);
  EXPECT_EQ(test::firstDifference(c.frame, fresh.frame), "");
  // A new size is followed as well.
  composeFrame(small, kPolyhedron, 120, 90, c.buffers);
  EXPECT_EQ(c.buffers.frame.width, 120);
  EXPECT_EQ(c.buffers.front.height, 90);
  EXPECT_EQ(c.at(60, 45), "A0FFA0");
}

TEST(ComposeFrame, WhatOnlyTheFrontLayerPaintedIsWhitenedForTheNextFrame) {
  Model front;
  addFace(front, {{-50, -50, -1}, {50, -50, -1}, {50, 50, -1}});
  Composed c(front, kPolyhedron, 200, 200);
  ASSERT_EQ(c.at(120, 90), "A0FFA0");
  composeFrame(Model{}, kPolyhedron, 200, 200, c.buffers);
  EXPECT_EQ(countColour(c.frame, 0xFFFFFF), 200 * 200);
}

TEST(ComposeFrame, PixelsPaintedBetweenFramesAreWhitenedToo) {
  // A tall frame is drawn in bands, and only their boxes are whitened next
  // time; pixels painted otherwise, inside the painted box or marked, are
  // whitened as well.
  Model ico = test::icosahedron();
  zoomToRadius(ico, true, 150.0);  // a round picture well inside the frame
  for (const bool marked : {false, true}) {
    FrameBuffers buffers;
    composeFrame(ico, kOuter, 2000, 1500, buffers, 4);
    ASSERT_GT(buffers.frame.paintedBands.size(), 1u);
    const PixelRect box = buffers.frame.painted;
    ASSERT_GT(buffers.frame.paintedBands.front().left, box.left + 9);
    RasterCanvas frame(buffers.frame);
    if (marked) {
      buffers.frame.pixels[5] = 0xFF000000u;
      buffers.frame.markAllPainted();
    } else {
      frame.setFillColour(0x000000);
      frame.fillPolygon(std::array{PixelPoint{box.left, box.top}, PixelPoint{box.left + 9, box.top},
                                   PixelPoint{box.left, box.top + 9}});
    }
    composeFrame(Model{}, kPolyhedron, 2000, 1500, buffers, 4);
    EXPECT_EQ(countColour(frame, 0xFFFFFF), 2000 * 1500) << (marked ? "marked" : "drawn");
  }
}

TEST(ComposeFrame, EnormousCoordinatesAreClippedAtTheEdge) {
  Model m;
  // Scaled by 1e12: the edge from A to B still runs through the origin with slope 1/2.
  addFace(m, {{-2e12, -1e12, 1}, {4e12, 2e12, 1}, {4e12, -1e12, 1}});
  Composed c(m, kPolyhedron, 634, 663);
  EXPECT_EQ(c.at(317 + 100, 331 + 40), "A0FFA0");
  EXPECT_EQ(c.at(317 + 100, 331 + 60), "FFFFFF");
  EXPECT_EQ(c.at(317 - 200, 331 - 90), "FFFFFF");
  EXPECT_EQ(c.at(317 - 200, 331 - 110), "A0FFA0");
  EXPECT_EQ(c.at(633, 0), "A0FFA0");
  // Grown on every side: the whole surface is inside.
  Model all;
  addFace(all, {{-3e12, -3e12, 1}, {3e12, -3e12, 1}, {3e12, 3e12, 1}, {-3e12, 3e12, 1}});
  Composed filled(all, kPolyhedron, 634, 663);
  EXPECT_EQ(countColour(filled.frame, 0xA0FFA0), 634 * 663);
}

TEST(ComposeFrame, InfiniteAndNaNCoordinatesDrawSafely) {
  Model m = test::icosahedron();
  m.vertices[0] = {std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(), 0.0};
  m.vertices[1].x = std::numeric_limits<double>::quiet_NaN();
  m.faceCentres[2].z = std::numeric_limits<double>::quiet_NaN();
  ViewState view = kOuter;
  view.markPoints = true;
  Composed c(m, view, 634, 663);
  EXPECT_GT(countColour(c.frame, 0xFFFFFF), 0);
}

TEST(ComposeFrame, CountsAndIndicesOutsideTheArraysAreNotRead) {
  Model m = test::icosahedron();
  m.faces[0].count = 400;
  m.faces[1].indices[1] = 70000;
  m.faces[2].indices[0] = -5;
  m.sphereQuadCount = 9000;
  Composed c(m, kOuter, 200, 200);
  EXPECT_EQ(c.buffers.frame.width, 200);
}

}  // namespace
}  // namespace velkora
