// The SVG and the painted page hold to one list of shapes: the SVG parses as
// XML with one polygon per face and tab, pages stacked at paper size and a
// 50 mm bar; its bytes do not change with the C library's locale; the QPainter
// drawing puts each line where its shape says, and the SVG rendered looks
// like the painted page; the label font's table measures as Qt does.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "nets/label_font.h"
#include "nets/layout.h"
#include "nets/net_paint.h"
#include "nets/net_svg.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/german_locale.h"

namespace velkora {
namespace {

NetDocument drawnNet(int position, NetOptions options = {}) {
  return buildNet(test::embeddedSolid(position), options);
}

NetDocument drawnPages(int position) {
  NetOptions options;
  options.edgeMm = std::floor(
      1.6 * largestEdgeMm(test::embeddedSolid(position).geometry, Paper::A4, Orientation::Best));
  return drawnNet(position, options);
}

struct SvgElement {
  QString name;
  QXmlStreamAttributes attributes;
  double number(const char* attribute) const {
    return attributes.value(QLatin1String(attribute)).toDouble();
  }
};

// The elements of svg in document order; fails the test where it does not parse.
std::vector<SvgElement> parse(const std::string& svg) {
  QXmlStreamReader reader(QByteArray::fromStdString(svg));
  std::vector<SvgElement> elements;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement)
      elements.push_back({reader.name().toString(), reader.attributes()});
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line "
                                  << reader.lineNumber();
  return elements;
}

TEST(NetSvg, ParsesWithOneShapePerFaceAndTabOnPagesOfPaperSize) {
  NetOptions letter;
  letter.paper = Paper::Letter;
  letter.tabStyle = TabStyle::Both;
  letter.foldAngles = true;
  for (const NetDocument& net : {drawnPages(11), drawnNet(21, letter)}) {
    SCOPED_TRACE(net.solid);
    const std::vector<SvgElement> elements = parse(netSvg(net));
    ASSERT_FALSE(elements.empty());
    const SvgElement& root = elements.front();
    ASSERT_EQ(root.name, QStringLiteral("svg"));
    const double pages = static_cast<double>(net.pages.size());
    EXPECT_EQ(root.attributes.value(QStringLiteral("width")).toString(),
              QString::number(net.paperWidthMm, 'f', 3) + QStringLiteral("mm"));
    EXPECT_EQ(root.attributes.value(QStringLiteral("height")).toString(),
              QString::number(net.paperHeightMm * pages, 'f', 3) + QStringLiteral("mm"));
    const QStringList box = root.attributes.value(QStringLiteral("viewBox")).toString().split(' ');
    ASSERT_EQ(box.size(), 4);
    EXPECT_EQ(box[0].toDouble(), 0.0);
    EXPECT_EQ(box[1].toDouble(), 0.0);
    EXPECT_NEAR(box[2].toDouble(), net.paperWidthMm, 5e-4);
    EXPECT_NEAR(box[3].toDouble(), net.paperHeightMm * pages, 5e-4);

    std::size_t faces = 0, tabs = 0;
    for (const NetPage& page : net.pages) {
      faces += page.faces.size();
      tabs += page.tabs.size();
    }
    std::size_t polygons = 0;
    std::vector<const SvgElement*> rects;
    // Every number is written with a point and three decimals.
    const QRegularExpression fixed(QStringLiteral("^-?[0-9]+\\.[0-9]{3}$"));
    const QRegularExpression list(
        QStringLiteral("^(M|L)?-?[0-9]+\\.[0-9]{3}( (M|L)?-?[0-9]+\\.[0-9]{3})*$"));
    for (const SvgElement& e : elements) {
      polygons += e.name == QStringLiteral("polygon");
      if (e.name == QStringLiteral("rect")) rects.push_back(&e);
      for (const QXmlStreamAttribute& a : e.attributes) {
        const QString name = a.name().toString();
        const QString value = a.value().toString();
        if (name == QStringLiteral("points") || name == QStringLiteral("d") ||
            name == QStringLiteral("stroke-dasharray")) {
          EXPECT_TRUE(list.match(value).hasMatch())
              << name.toStdString() << "=" << value.toStdString();
        } else if (QStringList{"x", "y", "width", "height", "font-size", "stroke-width"}.contains(
                       name) &&
                   e.name != QStringLiteral("svg")) {
          EXPECT_TRUE(fixed.match(value).hasMatch())
              << name.toStdString() << "=" << value.toStdString();
        }
      }
    }
    EXPECT_EQ(polygons, faces + tabs);
    // Per page the white paper at its place in the stack, then the black bar
    // of 50 viewBox units (millimetres) in the page's foot.
    ASSERT_EQ(rects.size(), 2 * net.pages.size());
    for (std::size_t p = 0; p < net.pages.size(); ++p) {
      const SvgElement& paper = *rects[2 * p];
      const SvgElement& bar = *rects[2 * p + 1];
      EXPECT_EQ(paper.attributes.value(QStringLiteral("fill")), QStringLiteral("#ffffff"));
      EXPECT_NEAR(paper.number("y"), p * net.paperHeightMm, 5e-4);
      EXPECT_NEAR(paper.number("height"), net.paperHeightMm, 5e-4);
      EXPECT_EQ(bar.attributes.value(QStringLiteral("fill")), QStringLiteral("#000000"));
      EXPECT_EQ(bar.attributes.value(QStringLiteral("width")), QStringLiteral("50.000"));
      const double fromFoot = (p + 1) * net.paperHeightMm - bar.number("y");
      EXPECT_GT(fromFoot, net.marginMm);
      EXPECT_LT(fromFoot, net.marginMm + kNetFootStripMm);
    }
  }
}

// Switches the C library to German for one scope (LOCPATH pointed at a
// compiled locale where the system has none) and back after it.
class GermanNumbers {
 public:
  explicit GermanNumbers(QString* error) : previous_(std::setlocale(LC_ALL, nullptr)) {
    const QString path = test::germanLocalePath(error);
    if (!error->isEmpty()) return;
    if (!path.isEmpty()) setenv("LOCPATH", path.toLocal8Bit().constData(), 1);
    active_ = std::setlocale(LC_ALL, test::kGermanLocale) != nullptr;
    if (!active_) *error = QStringLiteral("setlocale(LC_ALL, de_DE.UTF-8) failed");
  }
  ~GermanNumbers() { std::setlocale(LC_ALL, previous_.c_str()); }
  GermanNumbers(const GermanNumbers&) = delete;
  GermanNumbers& operator=(const GermanNumbers&) = delete;
  bool active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

TEST(NetSvg, TheSameNetGivesTheSameBytesUnderAGermanLocale) {
  NetOptions options;
  options.foldAngles = true;
  const NetDocument net = drawnNet(13, options);
  const std::string plain = netSvg(net);
  EXPECT_EQ(plain, netSvg(drawnNet(13, options)));
  QString error;
  GermanNumbers german(&error);
  if (!german.active()) GTEST_SKIP() << "no German locale: " << error.toStdString();
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 1.5);
  ASSERT_STREQ(printed, "1,5");  // the locale is really in force
  EXPECT_EQ(netSvg(net), plain);
}

// The page drawn twice, with and without one shape: the pixels that differ.
std::vector<QPoint> pixelsOf(const NetDocument& net, const std::vector<PagePrimitive>& list,
                             std::size_t left, const QSize& size) {
  QImage with(size, QImage::Format_RGB32);
  QImage without(size, QImage::Format_RGB32);
  std::vector<PagePrimitive> rest = list;
  rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(left));
  {
    QPainter a(&with);
    paintPagePrimitives(a, net, list);
    QPainter b(&without);
    paintPagePrimitives(b, net, rest);
  }
  std::vector<QPoint> changed;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y)) changed.emplace_back(x, y);
    }
  }
  return changed;
}

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
  const Vec2 d = b - a;
  const double t = std::clamp(dot(p - a, d) / dot(d, d), 0.0, 1.0);
  return norm(p - (a + t * d));
}

// The cut lines, the fold lines and the scale bar as painted: every pixel
// they change lies on their segments or in their rectangle, and the middle of
// every cut segment and the whole bar are inked.
TEST(NetPaint, LinesAndTheBarArePaintedWhereTheirShapesSay) {
  const NetDocument net = drawnNet(6);
  constexpr double kPixelsPerMm = 8.0;
  const QSize size(static_cast<int>(net.paperWidthMm * kPixelsPerMm),
                   static_cast<int>(net.paperHeightMm * kPixelsPerMm));
  const std::vector<PagePrimitive> list = netPagePrimitives(net, 0);
  const auto pageOf = [&](const QPoint& q) {
    return Vec2{(q.x() + 0.5) / kPixelsPerMm, net.paperHeightMm - (q.y() + 0.5) / kPixelsPerMm};
  };
  const double pixel = 1.0 / kPixelsPerMm;
  int checked = 0;
  for (std::size_t k = 0; k < list.size(); ++k) {
    const PagePrimitive& shape = list[k];
    if (shape.role != PrimitiveRole::CutLines && shape.role != PrimitiveRole::FoldLines &&
        shape.role != PrimitiveRole::ScaleBar) {
      continue;
    }
    ++checked;
    const std::vector<QPoint> changed = pixelsOf(net, list, k, size);
    ASSERT_FALSE(changed.empty()) << static_cast<int>(shape.role);
    std::vector<bool> hit(shape.points.size() / 2, false);
    for (const QPoint& q : changed) {
      const Vec2 p = pageOf(q);
      if (shape.role == PrimitiveRole::ScaleBar) {
        const Vec2 lo = shape.points[0], hi = shape.points[2];
        ASSERT_TRUE(p.x > lo.x - pixel && p.x < hi.x + pixel && p.y > lo.y - pixel &&
                    p.y < hi.y + pixel)
            << "the bar drew at " << p.x << ", " << p.y << " mm";
        continue;
      }
      double nearest = 1e300;
      for (std::size_t s = 0; s + 1 < shape.points.size(); s += 2)
        nearest = std::min(nearest, distanceToSegment(p, shape.points[s], shape.points[s + 1]));
      ASSERT_LE(nearest, 0.5 * shape.stroke.widthMm + pixel)
          << static_cast<int>(shape.role) << " drew at " << p.x << ", " << p.y << " mm";
    }
    if (shape.role == PrimitiveRole::CutLines) {
      const QImage image = [&] {
        QImage page(size, QImage::Format_RGB32);
        QPainter painter(&page);
        paintPagePrimitives(painter, net, list);
        return page;
      }();
      for (std::size_t s = 0; s + 1 < shape.points.size(); s += 2) {
        const Vec2 mid = 0.5 * (shape.points[s] + shape.points[s + 1]);
        const QPoint q(static_cast<int>(mid.x * kPixelsPerMm),
                       static_cast<int>((net.paperHeightMm - mid.y) * kPixelsPerMm));
        EXPECT_LT(qGray(image.pixel(q)), 128)
            << "cut " << s / 2 << " at " << mid.x << ", " << mid.y;
      }
    }
    if (shape.role == PrimitiveRole::ScaleBar) {
      // 50 mm at 8 pixels per mm, 1 mm high: about 400 x 8 pixels, antialiased edges aside.
      EXPECT_NEAR(static_cast<double>(changed.size()), 50.0 * 1.0 * kPixelsPerMm * kPixelsPerMm,
                  2.0 * (50.0 + 1.0) * kPixelsPerMm + 4.0);
    }
  }
  EXPECT_EQ(checked, 3);
}

// The SVG rendered by Qt's own SVG renderer and the painted page: away from
// the texts (rasterised by different paths) the pixels agree.
TEST(NetSvg, RendersAsThePaintedPage) {
  NetOptions options;
  options.foldAngles = true;
  for (const NetDocument& net : {drawnNet(6), drawnNet(21, options)}) {
    SCOPED_TRACE(net.solid);
    constexpr double kPixelsPerMm = 6.0;
    const QSize size(static_cast<int>(std::lround(net.paperWidthMm * kPixelsPerMm)),
                     static_cast<int>(std::lround(net.paperHeightMm * kPixelsPerMm)));
    QImage painted(size, QImage::Format_RGB32);
    QImage rendered(size, QImage::Format_RGB32);
    painted.fill(Qt::magenta);
    rendered.fill(Qt::magenta);
    {
      QPainter painter(&painted);
      paintNetPage(painter, net, 0);
    }
    QSvgRenderer renderer(QByteArray::fromStdString(netSvg(net)));
    ASSERT_TRUE(renderer.isValid());
    {
      QPainter painter(&rendered);
      painter.setRenderHint(QPainter::Antialiasing);
      renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // The texts' boxes (half a millimetre wider), painted once into a mask of pixels left out.
    QImage textMask(size, QImage::Format_Grayscale8);
    textMask.fill(0);
    {
      QPainter mask(&textMask);
      for (const NetLabel& label : netPageLabels(net, 0)) {
        if (label.kind == LabelKind::ScaleBar) continue;
        double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
        for (const Vec2& c : label.box) {
          minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
          minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
        }
        mask.fillRect(
            QRectF((minX - 0.5) * kPixelsPerMm, (net.paperHeightMm - maxY - 0.5) * kPixelsPerMm,
                   (maxX - minX + 1.0) * kPixelsPerMm, (maxY - minY + 1.0) * kPixelsPerMm),
            Qt::white);
      }
    }
    int compared = 0, differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < size.height(); ++y) {
      const uchar* masked = textMask.constScanLine(y);
      for (int x = 0; x < size.width(); ++x) {
        const bool inText = masked[x] != 0;
        if (inText) continue;
        ++compared;
        const QColor a = painted.pixelColor(x, y);
        const QColor b = rendered.pixelColor(x, y);
        const int delta = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())});
        if (delta > 64) {
          if (differing == 0) first = QPoint(x, y);
          ++differing;
        }
      }
    }
    EXPECT_GT(compared, size.width() * size.height() / 2);
    EXPECT_LT(differing, compared / 2000)
        << "first at " << first.x() << "," << first.y() << ": painted "
        << painted.pixelColor(first).name().toStdString() << ", rendered "
        << rendered.pixelColor(first).name().toStdString();
  }
}

// Glyph by glyph and for whole label texts, the table gives the advances and
// the ink that Qt measures in the font the labels are drawn in, to a
// five-hundredth of the font size.
TEST(LabelFont, TheTableMeasuresAsQtDoesInTheDrawnFont) {
  const QFont font = labelFont();
  ASSERT_EQ(QFontInfo(font).family(), QString::fromLatin1(kLabelFontFamily))
      << "the label font is not installed (fonts-dejavu-core)";
  const QFontMetricsF metrics(font);
  const double px = kLabelFontPixels;
  for (const LabelGlyph& glyph : labelGlyphs()) {
    const QString text = QString::fromUcs4(&glyph.code, 1);
    EXPECT_NEAR(labelTextAdvance(text.toStdString()), metrics.horizontalAdvance(text) / px, 0.002)
        << "U+" << std::hex << static_cast<unsigned>(glyph.code);
  }
  std::vector<std::string> texts = {
      netHowToText(), scaleBarText(), foldAngleText(138.19), "(17)", "123", "9", "Seite 2 von 3"};
  for (const Solid& solid : test::embeddedSolids())
    texts.push_back(solid.name + " \u2013 Kantenlänge 41,5 mm (längste Kante)");
  // Qt rounds ink boxes out to whole pixels and advances to 1/64 pixel:
  // measured at one pixel per font unit, that rounding stays far below the
  // tolerance even summed over a long line.
  QFont large = font;
  large.setPixelSize(labelFontUnitsPerEm());
  const QFontMetricsF fine(large);
  const double em = labelFontUnitsPerEm();
  for (const std::string& text : texts) {
    const QRectF ink = fine.tightBoundingRect(QString::fromStdString(text));
    const TextInk table = labelTextInk(text);
    EXPECT_NEAR(table.left, ink.left() / em, 0.002) << text;
    EXPECT_NEAR(table.right, ink.right() / em, 0.002) << text;
    EXPECT_NEAR(table.bottom, -ink.bottom() / em, 0.002) << text;
    EXPECT_NEAR(table.top, -ink.top() / em, 0.002) << text;
    EXPECT_NEAR(labelTextAdvance(text), fine.horizontalAdvance(QString::fromStdString(text)) / em,
                0.002)
        << text;
  }
}

}  // namespace
}  // namespace velkora
