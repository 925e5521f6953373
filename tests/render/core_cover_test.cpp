// The cover of the polyhedron's faces: a back quad it hides paints no pixel
// that the faces' fills leave alone, for every catalogue solid, turned and
// enlarged, at two pixel scales; faces that are not a closed convex
// polyhedron hide nothing; and the outer view with what the cover hides left
// out equals the view painted with every polygon.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/rotation.h"
#include "model/zoom.h"
#include "render/core_cover.h"
#include "render/depth_list.h"
#include "render/frame.h"
#include "render/projection.h"
#include "render/raster_canvas.h"
#include "render/scene.h"
#include "render/views.h"
#include "tests/render/pixel_check.h"
#include "testsupport/real_solids.h"

namespace velkora {
namespace {

constexpr int kSize = 900;

// The corners of polygon index of a set, as drawPolygon projects them.
std::vector<PixelPoint> cornersOf(const std::array<Point3, kCapacity>& points,
                                  const FaceRec& record, int scale) {
  std::vector<PixelPoint> corners;
  for (int i = 0; i < record.count; ++i) {
    corners.push_back(projectPoint(points[record.indices[i]], kSize / 2, kSize / 2, scale));
  }
  return corners;
}

// How many back quads the cover hides; fails on the first one that paints a
// pixel outside the faces' fills.
int checkHiddenQuads(const Model& model, int scale, const std::string& what) {
  const CoreCover cover(model, kSize / 2, kSize / 2, scale);
  Bitmap facesBits;
  facesBits.resetWhite(kSize, kSize);
  RasterCanvas faces(facesBits);
  faces.setFillColour(0x000000);
  for (int f = 0; f < model.faceCount; ++f) {
    faces.fillPolygon(cornersOf(model.vertices, model.faces[f], scale));
  }
  Bitmap quadBits;
  quadBits.resetWhite(kSize, kSize);
  RasterCanvas quad(quadBits);
  quad.setPenWidth(scale);
  quad.setPenStyle(PenStyle::Dotted);
  quad.setPenColour(0xFF8080);
  quad.setFillColour(0xA0FFA0);
  int hidden = 0;
  for (int q = 0; q < model.sphereQuadCount; ++q) {
    const auto corners = cornersOf(model.outerPoints, model.sphereQuads[q], scale);
    if (model.outerCentres[q].z < 0.0 || !cover.covers(corners, scale)) {
      continue;
    }
    ++hidden;
    quad.clearWhite();
    quad.polygon(corners);
    const PixelRect& box = quadBits.painted;
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        if (quadBits.at(x, y) != kWhite && facesBits.at(x, y) == kWhite) {
          ADD_FAILURE() << what << ": quad " << q << " paints (" << x << ", " << y
                        << ") outside the faces";
          return hidden;
        }
      }
    }
  }
  return hidden;
}

TEST(CoreCover, HiddenQuadsPaintOnlyWhereTheFacesFill) {
  for (int type = 0; type < 31; ++type) {
    Model model = test::loadCatalogueSolid(type);
    for (int pose = 0; pose < 3; ++pose) {
      for (const int scale : {1, 2}) {
        Model sized = model;
        zoomToRadius(sized, true, (0.3 + 0.05 * pose) * kSize / scale);
        const std::string what = "type " + std::to_string(type) + ", pose " + std::to_string(pose) +
                                 ", scale " + std::to_string(scale);
        // Many back quads lie behind the polyhedron, for every solid.
        EXPECT_GT(checkHiddenQuads(sized, scale, what), 10) << what;
      }
      drehen(model, 17.0, 29.0 + pose, 7.0);
    }
  }
}

TEST(CoreCover, FacesThatAreNotAClosedConvexPolyhedronHideNothing) {
  Model model = test::loadCatalogueSolid(29);
  zoomToRadius(model, true, 0.4 * kSize);
  ASSERT_GT(checkHiddenQuads(model, 1, "whole"), 0);

  Model open = model;  // one face missing
  --open.faceCount;
  EXPECT_EQ(checkHiddenQuads(open, 1, "open"), 0);

  Model dented = model;  // one corner pulled in towards the centre
  dented.vertices[0] = {dented.vertices[0].x * 0.8, dented.vertices[0].y * 0.8,
                        dented.vertices[0].z * 0.8};
  EXPECT_EQ(checkHiddenQuads(dented, 1, "dented"), 0);

  Model twice = model;  // a face listed twice, another left out
  twice.faces[1] = twice.faces[0];
  EXPECT_EQ(checkHiddenQuads(twice, 1, "twice"), 0);
}

// The view painted by a plain painter: every polygon of every pass, farthest
// first, none left out.
Bitmap paintedWithEverything(const Model& model, const ViewState& view, int scale) {
  test::WhiteLayers layers(kSize, kSize);
  RasterCanvas& frame = layers.frame;
  RasterCanvas& front = layers.front;
  frame.setPenWidth(scale);
  front.setPenWidth(scale);
  const Scene scene{model, frame, front, kSize / 2, kSize / 2, view.markPoints, scale};
  for (const Pass& pass : passesOf(view.view)) {
    Canvas& canvas = pass.layer == Layer::Front ? static_cast<Canvas&>(front) : frame;
    DepthList list;
    fillDepthList(list, model.*pass.set.centres, model.*pass.set.count);
    sortDepthList(list);
    canvas.setFillColour(pass.fill);
    canvas.setPenColour(pass.pen);
    canvas.setPenStyle(pass.penStyle);
    for (std::int32_t k = 0; k < list.count; ++k) {
      const DepthItem& item = list.items[k];
      const bool onSide = pass.side == Side::All || (pass.side == Side::Back) == (item.key >= 0.0);
      if (onSide) {
        drawPolygon(scene, pass, canvas, item.index);
      }
    }
    canvas.setPenStyle(PenStyle::Solid);
  }
  frame.andCombine(front);
  return layers.frameBits;
}

TEST(CoreCover, TheOuterViewIsTheSameWithWhatItHidesLeftOut) {
  for (int type = 0; type < 31; ++type) {
    Model model = test::loadCatalogueSolid(type);
    drehen(model, 11.0 * type, 7.0, 3.0);
    for (const int scale : {1, 2}) {
      Model sized = model;
      zoomToRadius(sized, true, 0.42 * kSize / scale);
      const ViewState view{View::OuterSphere, true};
      Bitmap expectedBits = paintedWithEverything(sized, view, scale);
      Bitmap actualBits = test::paintedInOrder(sized, view, kSize, kSize, scale);
      RasterCanvas expected(expectedBits);
      RasterCanvas actual(actualBits);
      EXPECT_EQ(test::firstDifference(actual, expected), "")
          << "type " << type << ", scale " << scale;
    }
  }
}

}  // namespace
}  // namespace velkora
