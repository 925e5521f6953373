// Frames at pixel scales 2 to 4: the primitives of the scale-1 frame with
// every offset from the origin multiplied by the scale and a pen of that
// width; the wide pen and the marks of our rasteriser; a 2x picture reduced
// to 1x against the 1x picture.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "render/bitmap.h"
#include "render/colours.h"
#include "render/frame.h"
#include "render/raster_canvas.h"
#include "render/views.h"
#include "tests/render/pixel_check.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/test_models.h"

namespace velkora {
namespace {

using test::firstDifference;
using test::firstMismatch;

// One drawing call of a composed scene, with the state it was drawn in.
struct Op {
  enum class Kind { Clear, Polygon, Ellipse, And } kind = Kind::Clear;
  bool front = false;  // on the front layer rather than the frame
  std::vector<PixelPoint> corners;
  std::array<int, 4> box{};
  std::uint32_t pen = 0;
  std::uint32_t fill = 0;
  PenStyle style = PenStyle::Solid;
};

// A Canvas that draws nothing and writes down every call into a shared log.
class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(int width, int height, bool front, std::vector<Op>& log)
      : width_(width), height_(height), front_(front), log_(log), white_(width, kWhite) {}
  int width() const override { return width_; }
  int height() const override { return height_; }
  const std::uint32_t* row(int) const override { return white_.data(); }
  void clearWhite() override { log_.push_back(op(Op::Kind::Clear)); }
  void polygon(std::span<const PixelPoint> corners) override {
    Op o = op(Op::Kind::Polygon);
    o.corners.assign(corners.begin(), corners.end());
    log_.push_back(o);
  }
  void ellipse(int left, int top, int right, int bottom) override {
    Op o = op(Op::Kind::Ellipse);
    o.box = {left, top, right, bottom};
    log_.push_back(o);
  }
  void andCombine(const Canvas&) override { log_.push_back(op(Op::Kind::And)); }

 private:
  Op op(Op::Kind kind) const {
    Op o;
    o.kind = kind;
    o.front = front_;
    o.pen = penColour();
    o.fill = fillColour();
    o.style = penStyle();
    return o;
  }
  int width_;
  int height_;
  bool front_;
  std::vector<Op>& log_;
  std::vector<std::uint32_t> white_;
};

// The scale-k frame as we define it: the scale-1 frame's calls, recorded on
// a surface of width/k x height/k, replayed with every point moved from the
// scale-1 origin to the scale-k origin with its offset times k, and a pen k
// pixels wide.
Bitmap replayedAtScale(const Model& model, const ViewState& view, int width, int height, int k) {
  std::vector<Op> log;
  RecordingCanvas frame1(width / k, height / k, false, log);
  RecordingCanvas front1(width / k, height / k, true, log);
  composeScene(model, view, frame1, front1);
  const int o1x = width / k / 2;
  const int o1y = height / k / 2;
  const int okx = width / 2;
  const int oky = height / 2;
  auto mapX = [&](int x) { return (x - o1x) * k + okx; };
  auto mapY = [&](int y) { return (y - o1y) * k + oky; };

  test::WhiteLayers layers(width, height);
  RasterCanvas& frame = layers.frame;
  RasterCanvas& front = layers.front;
  for (const Op& o : log) {
    Canvas& c = o.front ? static_cast<Canvas&>(front) : static_cast<Canvas&>(frame);
    c.setPenColour(o.pen);
    c.setFillColour(o.fill);
    c.setPenStyle(o.style);
    c.setPenWidth(k);
    switch (o.kind) {
      case Op::Kind::Clear:
        c.clearWhite();
        break;
      case Op::Kind::Polygon: {
        std::vector<PixelPoint> moved;
        for (const PixelPoint& p : o.corners)
          moved.push_back({mapX(p.x), mapY(p.y)});
        c.polygon(moved);
        break;
      }
      case Op::Kind::Ellipse:
        c.ellipse(mapX(o.box[0]), mapY(o.box[1]), mapX(o.box[2]), mapY(o.box[3]));
        break;
      case Op::Kind::And:
        c.andCombine(front);
        break;
    }
  }
  return layers.frameBits;
}

Bitmap composed(const Model& model, const ViewState& view, int width, int height, int k) {
  FrameBuffers buffers;
  composeFrame(model, view, width, height, buffers, k);
  return buffers.frame;
}

std::string difference(Bitmap actual, Bitmap expected) {
  RasterCanvas a(actual);
  RasterCanvas e(expected);
  return firstDifference(a, e);
}

TEST(PixelScale, FrameIsTheScaleOneFrameWithOffsetsTimesKAndAKPixelPen) {
  const Model heavy = test::embeddedModelOfType(29);
  const Model twelve = test::embeddedModelOfType(12);
  Model turned = test::icosahedron();
  test::turn(turned, 17.0, 40.0);
  struct Case {
    const char* name;
    const Model& model;
    ViewState view;
    int k;
  };
  const std::array<Case, 5> cases{{
      {"type 29 outer, marks", heavy, {View::OuterSphere, true}, 2},
      {"type 12 inner, marks", twelve, {View::InnerSphere, true}, 2},
      {"type 12 polyhedron, marks", twelve, {View::Polyhedron, true}, 3},
      {"icosahedron outer, marks", turned, {View::OuterSphere, true}, 4},
      {"icosahedron inner", turned, {View::InnerSphere, false}, 3},
  }};
  for (const Case& c : cases) {
    // Odd sizes: the scale-k origin is not k times the scale-1 origin.
    const int width = 634 * c.k + 1;
    const int height = 663 * c.k + c.k - 1;
    EXPECT_EQ(difference(composed(c.model, c.view, width, height, c.k),
                         replayedAtScale(c.model, c.view, width, height, c.k)),
              "")
        << c.name << " at scale " << c.k;
  }
}

TEST(PixelScale, ScaleOneIsTodaysFrameAndScalesOutsideOneToFourAreClamped) {
  const Model ico = test::icosahedron();
  const ViewState view{View::OuterSphere, true};
  // At scale 1 the replay is the plain recorded frame.
  EXPECT_EQ(difference(composed(ico, view, 300, 301, 1), replayedAtScale(ico, view, 300, 301, 1)),
            "");
  EXPECT_EQ(difference(composed(ico, view, 300, 301, 0), composed(ico, view, 300, 301, 1)), "");
  EXPECT_EQ(difference(composed(ico, view, 900, 900, 9), composed(ico, view, 900, 900, 4)), "");
}

// Bounding box of the non-white pixels as {left, top, right, bottom}, inclusive.
std::array<int, 4> paintedBox(const Bitmap& b) {
  std::array<int, 4> box{b.width, b.height, -1, -1};
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) {
      if ((b.at(x, y) & 0xFFFFFFu) != 0xFFFFFFu) {
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
      }
    }
  }
  return box;
}

TEST(PixelScale, MarksMeasureNineTimesTheScaleWithARingKPixelsThick) {
  Model m;
  const int face = test::addFace(m, {{3.0, -2.0, -1.0}});
  m.faces[face].count = 1;
  for (int k : {1, 2, 4}) {
    const Bitmap frame = composed(m, {View::Polyhedron, true}, 100 * k, 80 * k, k);
    // The corner's device pixel is k * (3, -2) from the origin (50k, 40k).
    const int px = 50 * k + 3 * k;
    const int py = 40 * k - 2 * k;
    EXPECT_EQ(paintedBox(frame),
              (std::array<int, 4>{px - 4 * k, py - 4 * k, px + 5 * k - 1, py + 5 * k - 1}))
        << "scale " << k;
    // Across the middle row: k red ring pixels, yellow, k red ring pixels.
    const int row = py;
    for (int x = px - 4 * k; x <= px + 5 * k - 1; ++x) {
      const bool ring = x < px - 3 * k || x >= px + 4 * k;
      EXPECT_EQ(test::hex(frame.at(x, row)), test::hex(ring ? kRed : kYellow))
          << "scale " << k << ", column " << x;
    }
  }
}

// The longest run of pixels of colour in row y (horizontal) or column x (vertical).
int longestRun(const Bitmap& b, std::uint32_t colour, bool horizontal, int at) {
  int best = 0;
  int run = 0;
  const int length = horizontal ? b.width : b.height;
  for (int i = 0; i < length; ++i) {
    const std::uint32_t p = horizontal ? b.at(i, at) : b.at(at, i);
    run = (p & 0xFFFFFFu) == (colour & 0xFFFFFFu) ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

TEST(LineWidth, SolidAndDottedEdgesAndMarksGrowByTheWidthTimesTheScale) {
  // A square in front (solid red outline) and a smaller one behind (dotted),
  // corners far apart so that no two lines touch.
  Model m;
  test::addFace(
      m, {{-30.0, -30.0, -5.0}, {30.0, -30.0, -5.0}, {30.0, 30.0, -5.0}, {-30.0, 30.0, -5.0}});
  test::addFace(m,
                {{-12.0, -12.0, 5.0}, {12.0, -12.0, 5.0}, {12.0, 12.0, 5.0}, {-12.0, 12.0, 5.0}});
  for (int k : {1, 2}) {
    for (int w : {1, 2, 3}) {
      ViewState view{View::Polyhedron, false};
      view.lineWidth = w;
      const Bitmap frame = composed(m, view, 100 * k, 100 * k, k);
      const int cx = 50 * k;
      const int cy = 50 * k;
      // The front square's left edge crosses row cy - 20k (above the back
      // square) as a run of w * k red pixels.
      EXPECT_EQ(longestRun(frame, kRed, true, cy - 20 * k), w * k) << "width " << w << " x" << k;
      // The dotted top edge of the back square: at its dots the column is
      // w * k pixels of red on the light-green filter over the fill.
      int thickest = 0;
      for (int x = cx - 8 * k; x <= cx + 8 * k; ++x) {
        int run = 0;
        for (int y = cy - 12 * k - 4 * k; y <= cy - 12 * k + 4 * k; ++y) {
          const std::uint32_t p = frame.at(x, y) & 0xFFFFFFu;
          run = p == (kRed & 0xFFFFFFu) || p == ((kRed & kLightGreen) & 0xFFFFFFu) ? run + 1 : 0;
          thickest = std::max(thickest, run);
        }
      }
      EXPECT_EQ(thickest, w * k) << "dotted, width " << w << " x" << k;
    }
  }
  // A mark at width w spans 9 w k pixels and its ring is w k thick.
  Model point;
  const int face = test::addFace(point, {{3.0, -2.0, -1.0}});
  point.faces[face].count = 1;
  for (int w : {1, 2, 3}) {
    const int k = 2;
    ViewState view{View::Polyhedron, true};
    view.lineWidth = w;
    const Bitmap frame = composed(point, view, 100 * k, 80 * k, k);
    const int px = 50 * k + 3 * k;
    const int py = 40 * k - 2 * k;
    const int s = w * k;
    EXPECT_EQ(paintedBox(frame),
              (std::array<int, 4>{px - 4 * s, py - 4 * s, px + 5 * s - 1, py + 5 * s - 1}))
        << "width " << w;
    EXPECT_EQ(test::hex(frame.at(px - 4 * s + s - 1, py)), test::hex(kRed)) << "width " << w;
    EXPECT_EQ(test::hex(frame.at(px - 4 * s + s, py)), test::hex(kYellow)) << "width " << w;
  }
}

TEST(LineWidth, WidthsOutsideOneToThreeAreClamped) {
  const Model ico = test::icosahedron();
  ViewState one{View::OuterSphere, true};
  ViewState zero = one;
  zero.lineWidth = 0;
  ViewState three = one;
  three.lineWidth = 3;
  ViewState nine = one;
  nine.lineWidth = 9;
  EXPECT_EQ(difference(composed(ico, zero, 300, 301, 1), composed(ico, one, 300, 301, 1)), "");
  EXPECT_EQ(difference(composed(ico, nine, 300, 301, 1), composed(ico, three, 300, 301, 1)), "");
  EXPECT_NE(difference(composed(ico, three, 300, 301, 1), composed(ico, one, 300, 301, 1)), "");
}

// A canvas of our rasteriser on its own white bitmap.
struct Surface {
  Bitmap bitmap;
  RasterCanvas canvas{bitmap};
  Surface(int width, int height, int penWidth, PenStyle style) {
    bitmap.resetWhite(width, height);
    canvas.setPenColour(0x102030);
    canvas.setFillColour(0x40C080);
    canvas.setPenWidth(penWidth);
    canvas.setPenStyle(style);
  }
};

TEST(WidePen, AxisAlignedOutlineIsTheOnePixelOutlineInKByKBlocks) {
  // Both turning senses, sides whose lengths are no multiple of the dot period.
  const std::array<PixelPoint, 4> clockwise{{{2, 3}, {13, 3}, {13, 11}, {2, 11}}};
  const std::array<PixelPoint, 4> anticlockwise{{{3, 2}, {3, 12}, {14, 12}, {14, 2}}};
  for (const auto& corners : {clockwise, anticlockwise}) {
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dotted}) {
      Surface one(20, 16, 1, style);
      one.canvas.polygon(corners);
      for (int k : {2, 3, 4}) {
        Surface wide(20 * k, 16 * k, k, style);
        std::array<PixelPoint, 4> scaled{};
        for (int i = 0; i < 4; ++i)
          scaled[i] = {corners[i].x * k, corners[i].y * k};
        wide.canvas.polygon(scaled);
        EXPECT_EQ(
            firstMismatch(wide.canvas, [&](int x, int y) { return one.bitmap.at(x / k, y / k); }),
            "")
            << (style == PenStyle::Dotted ? "dotted" : "solid") << " at width " << k
            << (&corners == &clockwise ? ", clockwise" : ", anticlockwise");
      }
    }
  }
}

TEST(WidePen, SlantedEdgesAreKPixelsAcrossInEveryColumnOrRow) {
  // A triangle with a flat edge run forward (left to right) and one run
  // backward: between them lies the fill, so each column between 10 and 60
  // shows k pen pixels in one run above row 34 (the forward edge) and k
  // below (the backward one). The steep triangle is the same, transposed.
  for (int k : {2, 3}) {
    for (bool steep : {false, true}) {
      Surface s(80, 80, k, PenStyle::Solid);
      std::array<PixelPoint, 3> tri{{{5, 10}, {70, 33}, {5, 60}}};
      if (steep) {
        for (PixelPoint& p : tri)
          std::swap(p.x, p.y);
      }
      s.canvas.polygon(tri);
      for (int a = 10; a <= 60; ++a) {
        for (bool upper : {true, false}) {
          int count = 0;
          int first = -1;
          int last = -1;
          for (int b = upper ? 0 : 35; b < (upper ? 34 : 80); ++b) {
            const std::uint32_t colour = steep ? s.bitmap.at(b, a) : s.bitmap.at(a, b);
            if ((colour & 0xFFFFFFu) == 0x102030u) {
              ++count;
              first = first < 0 ? b : first;
              last = b;
            }
          }
          const std::string where = std::string(steep ? "row " : "column ") + std::to_string(a) +
                                    (upper ? " forward" : " backward") + " at width " +
                                    std::to_string(k);
          EXPECT_EQ(count, k) << where;
          EXPECT_EQ(last - first + 1, k) << where;
        }
      }
    }
  }
}

TEST(WidePen, ExactDiagonalsAreColumnsOfKPixelsBelowTheOnePixelLine) {
  // Worked out by hand from the rule for wide edges: a diagonal at exactly
  // 45 degrees counts as flat (ties go to the columns), so each column it
  // crosses gets k pen pixels downward from the one-pixel line, from the
  // start corner up to just before the end corner; an edge running left is
  // moved k - 1 columns right, as the blocks of an axis-aligned outline grow
  // to the right. The diamonds run both ways round, so every direction
  // starts at each corner once; the fill is white, so only the pen shows.
  const std::array<PixelPoint, 4> clockwise{{{30, 12}, {48, 30}, {30, 48}, {12, 30}}};
  const std::array<PixelPoint, 4> anticlockwise{{{31, 13}, {13, 31}, {31, 49}, {49, 31}}};
  for (int k : {2, 3, 4}) {
    for (const bool turnsClockwise : {true, false}) {
      const auto& corners = turnsClockwise ? clockwise : anticlockwise;
      Surface s(64, 64, k, PenStyle::Solid);
      s.canvas.setFillColour(kWhite);
      s.canvas.polygon(corners);
      std::vector<bool> pen(64 * 64, false);
      for (std::size_t i = 0; i < corners.size(); ++i) {
        const PixelPoint a = corners[i];
        const PixelPoint b = corners[(i + 1) % corners.size()];
        const int sx = b.x > a.x ? 1 : -1;
        const int sy = b.y > a.y ? 1 : -1;
        for (int t = 0; t < std::abs(b.x - a.x); ++t) {
          const int x = a.x + sx * t + (sx < 0 ? k - 1 : 0);
          for (int r = 0; r < k; ++r)
            pen[static_cast<std::size_t>((a.y + sy * t + r) * 64 + x)] = true;
        }
      }
      EXPECT_EQ(firstMismatch(s.canvas,
                              [&](int x, int y) {
                                return pen[static_cast<std::size_t>(y * 64 + x)] ? 0xFF102030u
                                                                                 : kWhite;
                              }),
                "")
          << "width " << k << (turnsClockwise ? ", clockwise" : ", anticlockwise");
    }
  }
}

TEST(WidePen, ClippedWideEdgesMatchTheUnclippedPictureInside) {
  // The same slanted triangles drawn on a large surface and on a window into
  // it (corners moved by the window's offset): the window shows exactly the
  // corresponding part, including runs that start above or left of it.
  const std::array<PixelPoint, 3> tri{{{-7, 12}, {45, -9}, {30, 50}}};
  for (int k : {2, 4}) {
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dotted}) {
      Surface big(120, 120, k, style);
      std::array<PixelPoint, 3> shifted{};
      for (int i = 0; i < 3; ++i)
        shifted[i] = {tri[i].x + 40, tri[i].y + 40};
      big.canvas.polygon(shifted);
      Surface window(40, 30, k, style);
      window.canvas.polygon(tri);
      EXPECT_EQ(
          firstMismatch(window.canvas, [&](int x, int y) { return big.bitmap.at(x + 40, y + 40); }),
          "")
          << "width " << k;
    }
  }
}

TEST(PixelScale, TwiceThePictureBoxAveragedMatchesTheOnceScaledPicture) {
  // A pixel agrees when each channel of the average of its 2x2 block in the
  // 2x picture lies within 64 (a quarter of the range) of the 1x pixel.
  // Where the 1x picture is flat (3x3 of one colour) at most 1 in 10000
  // pixels may disagree; over the whole picture, outlines included, at least
  // 95 % agree (96.5 % do; with a one-pixel pen at 2x only 93.8 % would).
  const Model heavy = test::embeddedModelOfType(29);
  const ViewState view{View::OuterSphere, true};
  // Even sizes keep the 2x origin at twice the 1x origin.
  Bitmap once = composed(heavy, view, 634, 662, 1);
  const Bitmap twice = composed(heavy, view, 2 * 634, 2 * 662, 2);
  const RasterCanvas onceCanvas(once);
  int flat = 0;
  int flatAgreeing = 0;
  int agreeing = 0;
  for (int y = 0; y < once.height; ++y) {
    for (int x = 0; x < once.width; ++x) {
      const std::uint32_t expected = once.at(x, y);
      bool close = true;
      for (int shift : {0, 8, 16}) {
        int sum = 0;
        for (int dy = 0; dy < 2; ++dy)
          for (int dx = 0; dx < 2; ++dx)
            sum += (twice.at(2 * x + dx, 2 * y + dy) >> shift) & 0xFF;
        close = close && std::abs(sum / 4 - static_cast<int>((expected >> shift) & 0xFF)) <= 64;
      }
      agreeing += close;
      if (test::flatAround(onceCanvas, x, y)) {
        ++flat;
        flatAgreeing += close;
      }
    }
  }
  const int all = once.width * once.height;
  ASSERT_GT(flat, all / 2);
  EXPECT_LE(flat - flatAgreeing, flat / 10000);
  EXPECT_GE(agreeing, all * 95 / 100);
}

}  // namespace
}  // namespace velkora
