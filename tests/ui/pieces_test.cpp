// The window's building blocks on their own: name decoding, the zoom glyphs,
// the icon and the interval timer.

#include <set>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "ui/app_icon.h"
#include "ui/cp1252.h"
#include "ui/glyphs.h"
#include "ui/interval_timer.h"
#include "ui/stop_slider.h"

namespace velkora {
namespace {

TEST(NameDecoding, ShowsTheNameBeforeTheTabDecodedFromWindows1252) {
  EXPECT_EQ(listDisplayName("Ikosaeder\t3"), QStringLiteral("Ikosaeder"));
  EXPECT_EQ(listDisplayName("Ikosaeder"), QStringLiteral("Ikosaeder"));
  EXPECT_EQ(listDisplayName("\t7"), QString());
  EXPECT_EQ(listDisplayName("a\tb\tc"), QStringLiteral("a"));
  // Latin-1 range, the 0x80..0x9F block and its undefined bytes.
  EXPECT_EQ(decodeWindows1252("gro\xDF \xE4u\xDF"
                              "ere"),
            QStringLiteral("groß äußere"));
  EXPECT_EQ(decodeWindows1252("\x80\x8A\x9F"), QStringLiteral("€ŠŸ"));
  EXPECT_EQ(decodeWindows1252("\x81\x9D").at(0).unicode(), 0x81);
  EXPECT_EQ(decodeWindows1252("\x81\x9D").at(1).unicode(), 0x9D);
}

bool isBlack(QRgb pixel) { return qAlpha(pixel) == 255 && (pixel & 0xFFFFFFu) == 0; }

// The pixels of glyph that are black, as (x, y) pairs.
std::set<std::pair<int, int>> blackPixels(const QImage& glyph) {
  std::set<std::pair<int, int>> black;
  for (int y = 0; y < glyph.height(); ++y) {
    for (int x = 0; x < glyph.width(); ++x) {
      if (isBlack(glyph.pixel(x, y))) black.insert({x, y});
    }
  }
  return black;
}

TEST(ZoomGlyphs, AreBlackOnTransparentAndMirrorSymmetric) {
  for (const QImage& glyph : {enlargeGlyph(), shrinkGlyph()}) {
    ASSERT_EQ(glyph.size(), QSize(kGlyphSize, kGlyphSize));
    EXPECT_EQ(qAlpha(glyph.pixel(0, kGlyphSize - 1)), 0) << "bottom-left is the see-through colour";
    const auto black = blackPixels(glyph);
    EXPECT_GT(black.size(), 40u);
    for (int y = 0; y < kGlyphSize; ++y) {
      for (int x = 0; x < kGlyphSize; ++x) {
        const QRgb pixel = glyph.pixel(x, y);
        ASSERT_TRUE(isBlack(pixel) || qAlpha(pixel) == 0) << "pixel " << x << "," << y;
        const bool here = black.count({x, y}) != 0;
        EXPECT_EQ(here, black.count({kGlyphSize - 1 - x, y}) != 0) << x << "," << y;
        EXPECT_EQ(here, black.count({x, kGlyphSize - 1 - y}) != 0) << x << "," << y;
      }
    }
  }
}

TEST(ZoomGlyphs, EnlargeHasItsHeadsAtTheCornersAndShrinkAtTheCentre) {
  const auto enlarge = blackPixels(enlargeGlyph());
  const auto shrink = blackPixels(shrinkGlyph());
  // Both share the diagonal of the top-left arrow.
  for (int d = 2; d <= 8; ++d) {
    EXPECT_TRUE(enlarge.count({d, d}) && shrink.count({d, d})) << d;
  }
  // Enlarge: arms along the edges at the corner end (2, 2).
  EXPECT_TRUE(enlarge.count({6, 2}) && enlarge.count({2, 6}));
  EXPECT_FALSE(enlarge.count({4, 8}) || enlarge.count({8, 4}));
  // Shrink: arms at the inner end (8, 8), pointing the arrow at the centre.
  EXPECT_TRUE(shrink.count({4, 8}) && shrink.count({8, 4}));
  EXPECT_FALSE(shrink.count({6, 2}) || shrink.count({2, 6}));
}

TEST(AppIcon, IsAnOrangeShadedSolidOnTransparent) {
  const QImage icon = appIconImage();
  ASSERT_EQ(icon.size(), QSize(kIconSize, kIconSize));
  for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)}) {
    EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
  }
  std::set<QRgb> shades;
  int opaque = 0;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const QRgb pixel = icon.pixel(x, y);
      if (qAlpha(pixel) != 255) continue;
      ++opaque;
      shades.insert(pixel);
    }
  }
  EXPECT_GT(opaque, kIconSize * kIconSize / 5);
  EXPECT_LT(opaque, kIconSize * kIconSize * 3 / 4) << "a star, not a filled square";
  EXPECT_GE(shades.size(), 4u) << "facets are shaded differently";
  // The middle is solid and orange: red above green above blue.
  for (int y = kIconSize / 2 - 4; y <= kIconSize / 2 + 4; ++y) {
    for (int x = kIconSize / 2 - 4; x <= kIconSize / 2 + 4; ++x) {
      const QRgb pixel = icon.pixel(x, y);
      EXPECT_GE(qAlpha(pixel), 200) << x << "," << y;
      EXPECT_GT(qRed(pixel), qGreen(pixel)) << x << "," << y;
      EXPECT_GT(qGreen(pixel), qBlue(pixel)) << x << "," << y;
    }
  }
}

// A stop between two steps keeps its own parameter at its mark, and only there.
TEST(StopSliderTest, GivesAStopsOwnParameterAtItsMarkAndTheStepElsewhere) {
  StopSlider slider;
  slider.setRange(0, 1000);
  const double icosahedron = 0.3706459;
  slider.setStops({0.0, icosahedron, 1.0});
  EXPECT_EQ(slider.marks(), (std::vector<int>{0, 371, 1000}));
  slider.setValue(371);
  EXPECT_EQ(slider.parameter(), icosahedron);
  EXPECT_EQ(slider.stopAt(slider.parameter()), 1);
  slider.setValue(372);
  EXPECT_DOUBLE_EQ(slider.parameter(), 0.372);
  EXPECT_EQ(slider.stopAt(slider.parameter()), -1);
  slider.setStops({});
  slider.setValue(371);
  EXPECT_DOUBLE_EQ(slider.parameter(), 0.371) << "old stops are forgotten";
}

TEST(StopSliderTest, MovingToWhereItIsAlreadyStillTellsAndOutsideIsClamped) {
  StopSlider slider;
  slider.setRange(0, 1000);
  slider.setStops({0.25});
  QSignalSpy changes(&slider, &QSlider::valueChanged);
  slider.moveTo(0.25);
  slider.moveTo(0.25);
  ASSERT_EQ(changes.count(), 2) << "a second ask for the same stop shows it again";
  EXPECT_EQ(slider.value(), 250);
  slider.moveTo(1.7);
  EXPECT_EQ(slider.value(), 1000);
  slider.moveTo(-0.2);
  EXPECT_EQ(slider.value(), 0);
}

TEST(IntervalTimerTest, IntervalZeroMeansStopped) {
  int ticks = 0;
  IntervalTimer timer([&ticks] { ++ticks; });
  timer.setInterval(0);
  QTest::qWait(60);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(timer.isActive());

  timer.setInterval(5);
  EXPECT_EQ(timer.interval(), 5);
  EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, 2000));
  timer.setInterval(0);
  EXPECT_EQ(timer.interval(), 0);
  const int stoppedAt = ticks;
  QTest::qWait(60);
  EXPECT_EQ(ticks, stoppedAt);
}

}  // namespace
}  // namespace velkora
