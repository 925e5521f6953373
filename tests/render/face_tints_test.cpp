// Faces in tints of their own: on a catalogue solid in each view only the
// pixels of face fills change (outlines, dotted hidden edges, marks, spheres
// and background stay), the front half shows its tints behind the glass; the
// codes of both layers survive their AND; large frames drawn in bands, frames
// drawn one after another and the palette.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "model/zoom.h"
#include "render/colours.h"
#include "render/face_tints.h"
#include "render/frame.h"
#include "render/raster_canvas.h"
#include "tests/render/pixel_check.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

using test::hex;

constexpr int kW = 634;
constexpr int kH = 663;
constexpr int kRhombicuboctahedron = 8;

// Three kinds spread over the faces, so that every kind lies in both halves.
std::vector<std::uint32_t> threeKinds(const Model& model) {
  std::vector<int> kinds;
  for (int f = 0; f < model.faceCount; ++f)
    kinds.push_back(f % 3);
  return tintsOfKinds(kinds);
}

std::vector<std::uint32_t> composed(const Model& model, const ViewState& view, int w = kW,
                                    int h = kH) {
  FrameBuffers buffers;
  composeFrame(model, view, w, h, buffers);
  return buffers.frame.pixels;
}

// The colours a tinted pixel may take: the tints and the tints behind the glass.
std::set<std::uint32_t> tintColours() {
  std::set<std::uint32_t> colours;
  for (int k = 0; k < 3; ++k) {
    colours.insert(kindTint(k));
    colours.insert(behindGlass(kindTint(k)));
  }
  return colours;
}

TEST(FaceTints, OnlyTheFillsOfFacesTakeTints) {
  const Model model = test::embeddedModelOfType(kRhombicuboctahedron);
  const std::vector<std::uint32_t> tints = threeKinds(model);
  const std::set<std::uint32_t> allowed = tintColours();
  struct Case {
    View view;
    std::set<std::uint32_t> fills;  // what a face's fill looks like in the plain picture
  };
  const Case cases[] = {
      {View::Polyhedron, {kLightGreen}},
      {View::InnerSphere, {kLightGreen}},
      // The yellow core behind the outer sphere's green, and where it pokes out.
      {View::OuterSphere, {kYellow & kLightGreen, kYellow}},
  };
  for (const Case& c : cases) {
    ViewState view{c.view, true};
    const std::vector<std::uint32_t> unmarked = composed(model, view);
    view.markPoints = true;
    const std::vector<std::uint32_t> plain = composed(model, view);
    view.faceTints = tints;
    const std::vector<std::uint32_t> tinted = composed(model, view);
    int fills = 0;
    int changed = 0;
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const bool fill = c.fills.count(plain[i]) != 0 && plain[i] == unmarked[i];
      fills += fill;
      if (tinted[i] == plain[i]) continue;
      ++changed;
      const int x = static_cast<int>(i % kW);
      const int y = static_cast<int>(i / kW);
      ASSERT_TRUE(fill) << "view " << static_cast<int>(c.view) << " (" << x << ", " << y
                        << "): " << hex(plain[i]) << " became " << hex(tinted[i]);
      ASSERT_TRUE(allowed.count(tinted[i]) != 0)
          << "(" << x << ", " << y << ") became " << hex(tinted[i]);
    }
    // The shell's fills all change; the core keeps the insides of its marks.
    if (c.view == View::OuterSphere) {
      EXPECT_GT(changed, fills * 95 / 100);
    } else {
      EXPECT_EQ(changed, fills);
    }
    EXPECT_GT(fills, 25000) << static_cast<int>(c.view);
  }
}

TEST(FaceTints, TheFrontHalfShowsItsTintsBehindTheGlass) {
  // A face of the back half, and a smaller one of the front half before it;
  // both of one kind.
  Model m;
  test::addFace(m,
                {{-60.0, -60.0, 5.0}, {60.0, -60.0, 5.0}, {60.0, 60.0, 5.0}, {-60.0, 60.0, 5.0}});
  test::addFace(
      m, {{-20.0, -20.0, -5.0}, {20.0, -20.0, -5.0}, {20.0, 20.0, -5.0}, {-20.0, 20.0, -5.0}});
  const std::vector<std::uint32_t> tints(2, kindTint(2));
  ViewState view{View::Polyhedron, false};
  view.faceTints = tints;
  FrameBuffers buffers;
  composeFrame(m, view, 200, 200, buffers);
  const Bitmap& frame = buffers.frame;
  EXPECT_EQ(hex(frame.at(100, 100)), hex(behindGlass(kindTint(2))));  // the front face
  EXPECT_EQ(hex(frame.at(60, 60)), hex(kindTint(2)));                 // the back face beside it
  EXPECT_NE(behindGlass(kindTint(2)), kindTint(2));

  // The catalogue solid's core, inside the outer sphere, is behind its glass.
  const Model model = test::embeddedModelOfType(kRhombicuboctahedron);
  const std::vector<std::uint32_t> three = threeKinds(model);
  ViewState outer{View::OuterSphere, false};
  outer.faceTints = three;
  const std::vector<std::uint32_t> core = composed(model, outer);
  for (int k = 0; k < 3; ++k) {
    EXPECT_GT(std::count(core.begin(), core.end(), behindGlass(kindTint(k))),
              20 * std::count(core.begin(), core.end(), kindTint(k)) + 5000)
        << k;
  }
}

TEST(FaceTints, NoTintsGiveThePlainPicture) {
  const Model model = test::embeddedModelOfType(kRhombicuboctahedron);
  const ViewState plainView{View::InnerSphere, true};
  const std::vector<std::uint32_t> plain = composed(model, plainView);
  ViewState view = plainView;
  const std::vector<std::uint32_t> zeros(static_cast<std::size_t>(model.faceCount), 0u);
  view.faceTints = zeros;
  EXPECT_EQ(composed(model, view), plain);

  // A list shorter than the faces tints those it reaches.
  const std::vector<std::uint32_t> first(1, kindTint(1));
  view.faceTints = first;
  const std::vector<std::uint32_t> one = composed(model, view);
  const auto changed = std::count_if(one.begin(), one.end(), [&](std::uint32_t p) {
    return p == kindTint(1) || p == behindGlass(kindTint(1));
  });
  EXPECT_GT(changed, 100);
  EXPECT_LT(changed, 634 * 663 / 10);
}

TEST(FaceTints, FramesInBandsAndOneAfterAnotherGiveThePixelsPaintedInOrder) {
  Model model = test::embeddedModelOfType(kRhombicuboctahedron);
  zoomModel(model, 2.5);  // a frame of many bands, shared with the helper thread
  const std::vector<std::uint32_t> tints = threeKinds(model);
  FrameBuffers buffers;
  for (const View v : {View::Polyhedron, View::OuterSphere, View::InnerSphere}) {
    ViewState view{v, true};
    view.faceTints = tints;
    composeFrame(model, view, 1400, 1500, buffers);
    const Bitmap expected = test::tintedInOrder(model, view, 1400, 1500);
    RasterCanvas frame(buffers.frame);
    Bitmap copy = expected;
    RasterCanvas reference(copy);
    ASSERT_EQ(test::firstDifference(frame, reference), "") << static_cast<int>(v);
  }
  // A plain frame after tinted ones is the plain picture.
  const ViewState plain{View::Polyhedron, true};
  composeFrame(model, plain, 1400, 1500, buffers);
  Bitmap expected = test::paintedInOrder(model, plain, 1400, 1500);
  RasterCanvas frame(buffers.frame);
  RasterCanvas reference(expected);
  EXPECT_EQ(test::firstDifference(frame, reference), "");
}

TEST(FaceTints, TheCodesOfBothLayersSurviveTheirAnd) {
  TintTable table;
  table.colours = {0xFF112233u, 0xFF445566u};
  const std::uint32_t plain = 0xFF0A0B0Cu;
  const std::uint32_t front = table.colours[0];
  const std::uint32_t back = table.colours[1];
  const auto frontCode = [](TintClass c, int t = 0) { return tintCode(true, c, t); };
  const auto backCode = [](TintClass c, int t = 0) { return tintCode(false, c, t); };
  struct Case {
    std::uint32_t front;
    std::uint32_t back;
    std::uint32_t expected;
  };
  const Case cases[] = {
      // A tinted front face over a face's fill or over nothing, not over
      // an outline, a mark or the sphere.
      {frontCode(TintClass::Tint, 0), backCode(TintClass::Tint, 1), behindGlass(front)},
      {frontCode(TintClass::Tint, 0), backCode(TintClass::UntintedFace), behindGlass(front)},
      {frontCode(TintClass::Tint, 0), backCode(TintClass::Empty), behindGlass(front)},
      {frontCode(TintClass::Tint, 0), backCode(TintClass::Stroke), plain},
      {frontCode(TintClass::Tint, 0), backCode(TintClass::OtherFill), plain},
      // A tinted face behind untinted glass, behind nothing, behind an outline.
      {frontCode(TintClass::OtherFill), backCode(TintClass::Tint, 1), behindGlass(back)},
      {frontCode(TintClass::UntintedFace), backCode(TintClass::Tint, 1), behindGlass(back)},
      {frontCode(TintClass::Empty), backCode(TintClass::Tint, 1), back},
      {frontCode(TintClass::Stroke), backCode(TintClass::Tint, 1), plain},
      // Nothing tinted on either layer.
      {frontCode(TintClass::Empty), backCode(TintClass::Empty), plain},
      {frontCode(TintClass::UntintedFace), backCode(TintClass::OtherFill), plain},
      {frontCode(TintClass::Stroke), backCode(TintClass::Empty), plain},
  };
  for (const Case& c : cases) {
    std::uint32_t pixel = plain;
    const std::uint32_t code = c.front & c.back;
    applyTints(&pixel, &code, 1, table);
    EXPECT_EQ(hex(pixel), hex(c.expected)) << "codes " << hex(c.front) << " " << hex(c.back);
  }
  // A cleared layer's white is empty on both.
  EXPECT_EQ(frontCode(TintClass::Empty) & backCode(TintClass::Empty), kWhite);
}

TEST(FaceTints, TheTableKeepsOneIndexPerColour) {
  const std::vector<std::uint32_t> tints = {0u, 0xFF123456u, 0x00654321u, 0x123456u, 7u};
  const TintTable table = tintTableOf(tints, 4);
  EXPECT_EQ(table.tintOfFace, (std::vector<int>{-1, 0, 1, 0}));
  EXPECT_EQ(table.colours, (std::vector<std::uint32_t>{0xFF123456u, 0xFF654321u}));
  EXPECT_EQ(table.tintOf(4), -1);
  EXPECT_EQ(table.tintOf(-1), -1);
}

TEST(FaceTints, ThePaletteStaysApartFromThePictureAndItself) {
  std::set<std::uint32_t> seen = {kWhite, kLightGreen, kYellow, kYellow & kLightGreen};
  for (const std::uint32_t tint : kKindTints) {
    EXPECT_TRUE(seen.insert(tint).second) << hex(tint);
    EXPECT_TRUE(seen.insert(behindGlass(tint)).second) << hex(behindGlass(tint));
    // Light: red outlines and the dark red of hidden edges stand out on it.
    const double luma =
        0.299 * ((tint >> 16) & 0xFFu) + 0.587 * ((tint >> 8) & 0xFFu) + 0.114 * (tint & 0xFFu);
    EXPECT_GE(luma, 150.0) << hex(tint);
  }
  EXPECT_EQ(kindTint(static_cast<int>(kKindTints.size())), kKindTints[0]);
}

}  // namespace
}  // namespace velkora
