// Our rasteriser against the QPainter reference: the same primitives and the
// same frames through both must fill the same areas away from outlines
// (where the two may place edge pixels and dots differently).

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "render/bitmap.h"
#include "render/face_tints.h"
#include "render/raster_canvas.h"
#include "render/views.h"
#include "tests/render/pixel_check.h"
#include "tests/support/qpainter_canvas.h"
#include "tests/support/test_models.h"

namespace velkora {
namespace {

using test::firstDifference;
using test::flatAround;

// Pixels whose 3x3 neighbourhood is one colour in either picture must agree.
std::string differenceAwayFromOutlines(const Canvas& ours, const Canvas& reference) {
  return firstDifference(ours, reference, [&](int x, int y) {
    return flatAround(ours, x, y) || flatAround(reference, x, y);
  });
}

TEST(Reference, RandomConvexPolygonsFillTheSameArea) {
  std::mt19937 random(5);
  constexpr int kW = 160;
  constexpr int kH = 120;
  Bitmap bits;
  bits.resetWhite(kW, kH);
  RasterCanvas ours(bits);
  QPainterCanvas reference(kW, kH);
  for (int k = 0; k < 60; ++k) {
    const int n = 3 + static_cast<int>(random() % 8);
    const double cx = static_cast<int>(random() % 200) - 20;
    const double cy = static_cast<int>(random() % 160) - 20;
    const double radius = 4 + static_cast<int>(random() % 60);
    const double phase = (random() % 100) / 100.0;
    std::vector<PixelPoint> corners;
    for (int i = 0; i < n; ++i) {
      const double a = 6.283185307179586 * (i + phase) / n;
      corners.push_back({static_cast<int>(std::lround(cx + radius * std::cos(a))),
                         static_cast<int>(std::lround(cy + 0.7 * radius * std::sin(a)))});
    }
    const std::uint32_t fill = 0xFF000000u | (random() & 0xFFFFFFu);
    for (Canvas* c : {static_cast<Canvas*>(&ours), static_cast<Canvas*>(&reference)}) {
      c->setFillColour(fill);
      c->setPenColour(0x000000);
      c->setPenStyle(k % 2 == 0 ? PenStyle::Solid : PenStyle::Dotted);
      c->polygon(corners);
    }
  }
  test::saveFrame(ours, "random_polygons_ours");
  test::saveFrame(reference, "random_polygons_qpainter");
  EXPECT_EQ(differenceAwayFromOutlines(ours, reference), "");
}

TEST(Reference, EllipsesCoverTheSameArea) {
  Bitmap bits;
  bits.resetWhite(120, 120);
  RasterCanvas ours(bits);
  QPainterCanvas reference(120, 120);
  for (Canvas* c : {static_cast<Canvas*>(&ours), static_cast<Canvas*>(&reference)}) {
    c->setFillColour(0xFFFF00);
    c->setPenColour(0x0000FF);
    c->ellipse(10, 10, 19, 19);
    c->ellipse(30, 10, 90, 40);
    c->ellipse(10, 50, 50, 110);
    c->ellipse(100, 100, 140, 130);
  }
  EXPECT_EQ(differenceAwayFromOutlines(ours, reference), "");
}

struct Scene {
  const char* name;
  Model model;
  ViewState view;
};

// Frames: the two implementations place the dots of dotted outlines
// differently, and a dot's gap is painted in the fill colour, so an outline
// can be invisible in one picture where the other shows a dot. Compare where
// both pictures are flat.
std::string differenceInsideFlatAreas(const Canvas& ours, const Canvas& reference) {
  return firstDifference(ours, reference, [&](int x, int y) {
    return flatAround(ours, x, y) && flatAround(reference, x, y);
  });
}

TEST(Reference, FramesFillTheSameAreas) {
  const Model ico = test::icosahedron();
  const Model heavy = test::hundredTwentyTriangles();
  Model turned = ico;
  test::turn(turned, 17.0, 40.0);
  const std::vector<Scene> scenes = {
      {"icosahedron_polyhedron", ico, {View::Polyhedron, false}},
      {"icosahedron_inner", ico, {View::InnerSphere, false}},
      {"icosahedron_outer", ico, {View::OuterSphere, false}},
      {"icosahedron_inner_marked", turned, {View::InnerSphere, true}},
      {"hundred_twenty_outer_marked", heavy, {View::OuterSphere, true}},
  };
  for (const Scene& scene : scenes) {
    Bitmap frameBits;
    Bitmap frontBits;
    frameBits.resetWhite(634, 663);
    frontBits.resetWhite(634, 663);
    RasterCanvas ours(frameBits);
    RasterCanvas oursFront(frontBits);
    composeScene(scene.model, scene.view, ours, oursFront);
    QPainterCanvas reference(634, 663);
    QPainterCanvas referenceFront(634, 663);
    composeScene(scene.model, scene.view, reference, referenceFront);
    test::saveFrame(ours, std::string(scene.name) + "_ours");
    test::saveFrame(reference, std::string(scene.name) + "_qpainter");
    EXPECT_EQ(differenceInsideFlatAreas(ours, reference), "") << scene.name;
    // Most of the picture takes part in the comparison.
    int compared = 0;
    for (int y = 0; y < 663; ++y)
      for (int x = 0; x < 634; ++x)
        compared += flatAround(ours, x, y) && flatAround(reference, x, y);
    EXPECT_GT(compared, 634 * 663 * 7 / 10) << scene.name;
  }
}

// Faces in tints: the plain picture and its codes through both, the same
// tints put in; the tinted fills cover the same areas.
TEST(Reference, TintedFramesFillTheSameAreas) {
  Model ico = test::icosahedron();
  test::turn(ico, 17.0, 40.0);
  std::vector<std::uint32_t> tints;
  for (int f = 0; f < ico.faceCount; ++f)
    tints.push_back(kindTint(f % 4));
  const TintTable table = tintTableOf(tints, ico.faceCount);
  for (const View v : {View::Polyhedron, View::InnerSphere, View::OuterSphere}) {
    ViewState view{v, true};
    view.faceTints = tints;
    Bitmap oursBits = test::tintedInOrder(ico, view, 634, 663);
    RasterCanvas ours(oursBits);
    QPainterCanvas reference(634, 663);
    QPainterCanvas referenceFront(634, 663);
    composeScene(ico, view, reference, referenceFront);
    QPainterCanvas codes(634, 663);
    QPainterCanvas codesFront(634, 663);
    composeScene(ico, view, codes, codesFront, 1, &table);
    reference.applyTints(codes, table);
    const std::string name = "icosahedron_tinted_" + std::to_string(static_cast<int>(v));
    test::saveFrame(ours, name + "_ours");
    test::saveFrame(reference, name + "_qpainter");
    EXPECT_EQ(differenceInsideFlatAreas(ours, reference), "") << name;
    // The tints take part in the comparison.
    int tinted = 0;
    for (int y = 0; y < 663; ++y) {
      for (int x = 0; x < 634; ++x) {
        const std::uint32_t p = reference.pixel(x, y);
        tinted += flatAround(ours, x, y) && (p == behindGlass(kindTint(0)) || p == kindTint(0));
      }
    }
    EXPECT_GT(tinted, 2000) << name;
  }
}

}  // namespace
}  // namespace velkora
