// The installed icons: the SVG draws the same picture as the painted PNG, and
// every PNG size shows the whole solid at the same place, scaled with its side.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <string>

#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRect>
#include <QSvgRenderer>

#include "packaging/icon_svg.h"
#include "ui/app_icon.h"

namespace velkora {
namespace {

// The SVG drawn by Qt's SVG renderer onto a transparent side x side picture.
QImage renderedSvg(const QByteArray& svg, int side) {
  QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, true);
  renderer.render(&painter);
  return picture;
}

int channelDifference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// Pixels of a and b whose channels differ by more than tolerance; the first
// one described in *first.
int differingPixels(const QImage& a, const QImage& b, int tolerance, std::string* first) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb pa = a.pixel(x, y);
      const QRgb pb = b.pixel(x, y);
      if (channelDifference(pa, pb) <= tolerance) continue;
      if (count++ == 0) {
        std::ostringstream text;
        text << "(" << x << ", " << y << "): painted #" << std::hex << std::setfill('0')
             << std::setw(8) << pa << ", SVG #" << std::setw(8) << pb;
        *first = text.str();
      }
    }
  }
  return count;
}

// The smallest rectangle holding every pixel that is more than half opaque.
QRect opaqueBounds(const QImage& picture) {
  QRect bounds;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (qAlpha(picture.pixel(x, y)) > 128) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

TEST(AppIconSvg, DrawsThePaintedIconAtEverySide) {
  // Numbers must keep their decimal point under a German locale.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  for (const int side : {16, 64, 256}) {
    SCOPED_TRACE(side);
    const QImage painted = appIconImage(side);
    const QImage drawn = renderedSvg(appIconSvg(side), side);
    ASSERT_EQ(drawn.size(), QSize(side, side)) << "the SVG did not render";
    std::string first;
    // Both go through Qt's antialiased raster painter; edge pixels may round
    // differently, the shapes and colours must not.
    const int differing = differingPixels(painted, drawn, 8, &first);
    EXPECT_LE(differing, side * side / 400) << differing << " pixels differ, first " << first;
  }
  QLocale::setDefault(QLocale::c());
}

TEST(AppIconSvg, ViewBoxIsTheSideAndScalesToAnyOther) {
  const QByteArray svg = appIconSvg(kIconSize);
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, kIconSize, kIconSize));
  // The 64-unit drawing rendered at 256 pixels is the icon painted at 256.
  const QImage drawn = renderedSvg(svg, 256);
  std::string first;
  const int differing = differingPixels(appIconImage(256), drawn, 8, &first);
  EXPECT_LE(differing, 256 * 256 / 400) << differing << " pixels differ, first " << first;
}

TEST(AppIcon, EverySizeShowsTheSolidAtTheSamePlace) {
  const QRect reference = opaqueBounds(appIconImage(kIconSize));
  ASSERT_FALSE(reference.isEmpty());
  for (const int side : {16, 32, 48, 128, 256}) {
    SCOPED_TRACE(side);
    const QImage icon = appIconImage(side);
    ASSERT_EQ(icon.size(), QSize(side, side));
    const QRect bounds = opaqueBounds(icon);
    ASSERT_FALSE(bounds.isEmpty());
    // The reference's edges scaled to this side, within a pixel of rounding
    // at either size.
    const double scale = static_cast<double>(side) / kIconSize;
    const double slack = 1.0 + scale;
    EXPECT_NEAR(bounds.left(), reference.left() * scale, slack);
    EXPECT_NEAR(bounds.top(), reference.top() * scale, slack);
    EXPECT_NEAR(bounds.right() + 1, (reference.right() + 1) * scale, slack);
    EXPECT_NEAR(bounds.bottom() + 1, (reference.bottom() + 1) * scale, slack);
    // Never cut off by the border.
    EXPECT_GT(bounds.left(), 0);
    EXPECT_GT(bounds.top(), 0);
    EXPECT_LT(bounds.right(), side - 1);
    EXPECT_LT(bounds.bottom(), side - 1);
  }
}

}  // namespace
}  // namespace velkora
