// Frames of real catalogue solids: the icosahedron in its three views through
// both implementations, the marks of a large solid, and a solid enlarged far
// beyond the surface.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/rotation.h"
#include "model/zoom.h"
#include "render/frame.h"
#include "render/raster_canvas.h"
#include "render/views.h"
#include "tests/render/pixel_check.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/qpainter_canvas.h"

namespace velkora {
namespace {

using test::countColour;
using test::flatAround;

TEST(RealSolids, IcosahedronViewsMatchTheReferenceInFlatAreas) {
  const Model ico = test::embeddedModelOfType(3);
  ASSERT_EQ(ico.faceCount, 20);
  const std::array<std::pair<const char*, ViewState>, 3> views{{
      {"ikosaeder_polyeder", {View::Polyhedron, false}},
      {"ikosaeder_innenkugel", {View::InnerSphere, false}},
      {"ikosaeder_umkugel", {View::OuterSphere, false}},
  }};
  for (const auto& [name, view] : views) {
    FrameBuffers buffers;
    composeFrame(ico, view, 634, 663, buffers);
    RasterCanvas ours(buffers.frame);
    QPainterCanvas reference(634, 663);
    QPainterCanvas referenceFront(634, 663);
    composeScene(ico, view, reference, referenceFront);
    test::saveFrame(ours, name);
    EXPECT_EQ(test::firstDifference(ours, reference,
                                    [&](int x, int y) {
                                      return flatAround(ours, x, y) && flatAround(reference, x, y);
                                    }),
              "")
        << name;
    // The glass shell shows, and the core shows through it only when there is one.
    EXPECT_GT(countColour(ours, 0xA0FFA0), 10000) << name;
    EXPECT_EQ(countColour(ours, 0xA0FF00) > 10000, view.view != View::Polyhedron) << name;
  }
}

TEST(RealSolids, OuterViewOfTheLargestSolidMarksItsNearVertices) {
  const Model heavy = test::embeddedModelOfType(29);
  ASSERT_EQ(heavy.faceCount, 120);
  FrameBuffers plain;
  FrameBuffers marked;
  composeFrame(heavy, {View::OuterSphere, false}, 634, 663, plain);
  composeFrame(heavy, {View::OuterSphere, true}, 634, 663, marked);
  RasterCanvas markedCanvas(marked.frame);
  test::saveFrame(markedCanvas, "typ29_umkugel_punkte");
  int shown = 0;
  int near = 0;
  for (int v = 0; v < heavy.vertexCount; ++v) {
    if (heavy.vertices[v].z >= 0.0) continue;
    ++near;
    const int x = static_cast<int>(std::nearbyint(heavy.vertices[v].x)) + 317;
    const int y = static_cast<int>(std::nearbyint(heavy.vertices[v].y)) + 331;
    // The mark's fill is the core's yellow; its blue ring is what shows.
    int changed = 0;
    for (int dy = -4; dy <= 4; ++dy)
      for (int dx = -4; dx <= 4; ++dx)
        changed += marked.frame.at(x + dx, y + dy) != plain.frame.at(x + dx, y + dy);
    shown += changed > 0 ? 1 : 0;
  }
  EXPECT_GT(near, 20);
  EXPECT_EQ(shown, near);
}

TEST(RealSolids, FramesDrawnInBandsEqualDrawingDirectly) {
  // composeFrame draws large frames in bands of rows, with a front layer of
  // one band; drawing the same scene straight onto whole canvases must give
  // the same pixels, frame after frame in the same buffers (a turned, a
  // zoomed and a smaller solid follow, and a frame of one band in between).
  Model heavy = test::embeddedModelOfType(29);
  Model small = test::embeddedModelOfType(0);
  zoomModel(small, 0.1);
  FrameBuffers buffers;
  int frameNumber = 0;
  for (const View view : {View::OuterSphere, View::InnerSphere, View::Polyhedron}) {
    for (int step = 0; step < 3; ++step) {
      if (step == 1) drehen(heavy, 0.1, 0.2, 0.3);
      if (step == 2) zoomModel(heavy, view == View::InnerSphere ? 0.5 : 1.6);
      const ViewState state{view, true};
      for (const int scale : {1, 2}) {
        composeFrame(heavy, state, 1680, 1050, buffers, scale);
        Bitmap direct = test::paintedInOrder(heavy, state, 1680, 1050, scale);
        EXPECT_EQ(test::firstDifference(RasterCanvas(buffers.frame), RasterCanvas(direct)), "")
            << "frame " << frameNumber;
        ++frameNumber;
        // A small solid fits one band once the large picture is whitened:
        // then the front becomes a whole layer again.
        Bitmap smallBits;
        Bitmap smallFront;
        smallBits.resetWhite(1680, 1050);
        smallFront.resetWhite(1680, 1050);
        RasterCanvas smallDirect(smallBits);
        RasterCanvas smallDirectFront(smallFront);
        composeScene(small, state, smallDirect, smallDirectFront, 1);
        RasterCanvas smallComposed(buffers.frame);
        composeFrame(small, state, 1680, 1050, buffers, 1);
        EXPECT_EQ(test::firstDifference(smallComposed, smallDirect), "")
            << "small whitening frame " << frameNumber;
        composeFrame(small, state, 1680, 1050, buffers, 1);
        RasterCanvas smallComposedFront(buffers.front);
        EXPECT_EQ(test::firstDifference(smallComposed, smallDirect), "")
            << "small after frame " << frameNumber;
        EXPECT_EQ(test::firstDifference(smallComposedFront, smallDirectFront), "")
            << "small front after frame " << frameNumber;
      }
    }
  }
}

TEST(RealSolids, FullScreenFramesSharedBetweenThreadsEqualDrawingDirectly) {
  // A 4K frame at 200 % with the sphere filling most of the height has many
  // bands, which composeFrame shares with a second thread where there are two
  // cores. Turning between frames in the same buffers checks that both
  // threads' painted boxes are whitened in the next frame.
  Model heavy = test::embeddedModelOfType(29);
  zoomToRadius(heavy, true, 0.45 * 2160 / 2);
  const ViewState state{View::OuterSphere, true};
  FrameBuffers buffers;
  // The first difference between composing into the kept buffers and
  // painting in order onto fresh canvases.
  auto differenceFromDirect = [&] {
    composeFrame(heavy, state, 3840, 2160, buffers, 2);
    Bitmap direct = test::paintedInOrder(heavy, state, 3840, 2160, 2);
    return test::firstDifference(RasterCanvas(buffers.frame), RasterCanvas(direct));
  };
  for (int step = 0; step < 3; ++step) {
    EXPECT_EQ(differenceFromDirect(), "") << "frame " << step;
    drehen(heavy, 0.3, -0.2, 0.1);
    zoomModel(heavy, 0.7);  // the next frame leaves much of this one to whiten
  }
  // Then, in the same buffers, solids of a few bands (too few to share) and
  // of one band, for which the helper woken early is sent away again.
  for (const double factor : {0.3, 0.05}) {
    zoomModel(heavy, factor);
    EXPECT_EQ(differenceFromDirect(), "") << "zoomed by " << factor;
  }
}

TEST(RealSolids, FarEnlargedSolidStillCoversTheWholeSurface) {
  Model m = test::embeddedModelOfType(12);
  for (int clicks = 1; clicks <= 420; ++clicks) {
    zoomModel(m, kEnlargeFactor);
    if (clicks == 20 || clicks == 200 || clicks == 420) {
      FrameBuffers buffers;
      composeFrame(m, {View::Polyhedron, false}, 634, 663, buffers);
      RasterCanvas frame(buffers.frame);
      // The origin lies inside the solid, so its faces cover every pixel.
      EXPECT_EQ(countColour(frame, 0xFFFFFF), 0) << clicks << " clicks";
    }
  }
}

}  // namespace
}  // namespace velkora
