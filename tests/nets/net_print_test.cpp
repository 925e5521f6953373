// Drawing and the output formats of nets: painted pages put each face's tint
// at its place and leave the margins white, SVG bytes repeat, the PDF and the
// printer get one page per net page, JSON parses and carries the document.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "model/polyhedron.h"
#include "model/solid_catalogue.h"
#include "nets/layout.h"
#include "nets/net_json.h"
#include "nets/net_paint.h"
#include "nets/net_svg.h"
#include "tests/nets/net_checks.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

NetDocument netOf(int position, NetOptions options = {}) {
  return buildNet(test::embeddedSolid(position), options);
}

NetDocument multiPage(int position) {
  const Polyhedron solid = test::embeddedSolid(position).geometry;
  NetOptions options;
  options.edgeMm = std::floor(1.6 * largestEdgeMm(solid, Paper::A4, Orientation::Best));
  return netOf(position, options);
}

QImage pageImage(const NetDocument& net, int page, int width) {
  const int height = static_cast<int>(std::lround(width * net.paperHeightMm / net.paperWidthMm));
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  paintNetPage(painter, net, page);
  return image;
}

QPoint pixelOf(const NetDocument& net, const QImage& image, Vec2 p) {
  const double scale = image.width() / net.paperWidthMm;
  return {static_cast<int>(std::floor(p.x * scale)),
          static_cast<int>(std::floor((net.paperHeightMm - p.y) * scale))};
}

int pdfPages(const QByteArray& pdf) {
  return static_cast<int>(QString::fromLatin1(pdf).count(
      QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

TEST(NetPaint, FacesTabsAndMarginsLandWhereTheDocumentPutsThem) {
  for (int position : {6, 21}) {
    // Without cut and face numbers, which would cover the middle of small faces.
    NetOptions options;
    options.numbers = false;
    options.faceNumbers = false;
    const NetDocument net = netOf(position, options);
    const QImage image = pageImage(net, 0, 1400);
    // The page corner inside the margin is white paper.
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    for (const NetFace& face : net.pages[0].faces) {
      // A point well inside: the centroid, away from the printed number.
      Vec2 c;
      for (const Vec2& p : face.polygon)
        c = {c.x + p.x / face.polygon.size(), c.y + p.y / face.polygon.size()};
      const QColor pixel = image.pixelColor(pixelOf(net, image, c));
      EXPECT_NE(pixel, QColor(Qt::white)) << "face " << face.face << " at " << c.x << "," << c.y;
      EXPECT_GT(pixel.lightness(), 180) << "face " << face.face;
    }
    // Faces with the same number of corners share a tint; a triangle and a square differ.
    std::map<std::size_t, QColor> tints;
    for (const NetFace& face : net.pages[0].faces) {
      Vec2 c;
      for (const Vec2& p : face.polygon)
        c = {c.x + p.x / face.polygon.size(), c.y + p.y / face.polygon.size()};
      const QColor pixel = image.pixelColor(pixelOf(net, image, c));
      const auto [it, added] = tints.emplace(face.polygon.size(), pixel);
      if (!added) {
        EXPECT_EQ(it->second, pixel) << "face " << face.face;
      }
    }
    for (const NetTab& tab : net.pages[0].tabs) {
      const Vec2 c{
          0.25 * (tab.polygon[0].x + tab.polygon[1].x + tab.polygon[2].x + tab.polygon[3].x),
          0.25 * (tab.polygon[0].y + tab.polygon[1].y + tab.polygon[2].y + tab.polygon[3].y)};
      const QColor pixel = image.pixelColor(pixelOf(net, image, c));
      EXPECT_EQ(pixel.red(), pixel.blue()) << "tab " << tab.label;  // grey, not a face tint
      EXPECT_LT(pixel.lightness(), 250) << "tab " << tab.label;
    }
  }
}

TEST(NetPaint, NumbersAreDrawnBesideEveryCutEdgeOnlyWhenAskedFor) {
  NetOptions options;
  const NetDocument numbered = netOf(13, options);
  options.numbers = false;
  const NetDocument plain = netOf(13, options);
  const QImage with = pageImage(numbered, 0, 1400);
  const QImage without = pageImage(plain, 0, 1400);
  ASSERT_EQ(netJson(numbered), netJson(plain));  // the same net, only the drawing differs
  for (const NetCut& cut : numbered.pages[0].cuts) {
    // Some pixel differs in the face near the middle of the cut edge.
    const Vec2 mid{0.5 * (cut.from.x + cut.to.x), 0.5 * (cut.from.y + cut.to.y)};
    const Vec2 d{cut.to.x - cut.from.x, cut.to.y - cut.from.y};
    const double len = std::hypot(d.x, d.y);
    const Vec2 inward{-d.y / len, d.x / len};
    bool differs = false;
    for (double along = -2.5; along <= 2.5 && !differs; along += 0.1) {
      for (double in = 0.5; in <= 5.0 && !differs; in += 0.1) {
        const Vec2 p{mid.x + along * d.x / len + in * inward.x,
                     mid.y + along * d.y / len + in * inward.y};
        const QPoint pixel = pixelOf(numbered, with, p);
        differs = with.pixel(pixel) != without.pixel(pixel);
      }
    }
    EXPECT_TRUE(differs) << "no number beside cut " << cut.label << " of face " << cut.face;
  }
}

int countOf(const std::vector<NetLabel>& labels, LabelKind kind) {
  return static_cast<int>(std::count_if(labels.begin(), labels.end(),
                                        [kind](const NetLabel& l) { return l.kind == kind; }));
}

class EveryNet : public ::testing::TestWithParam<int> {};

// Every label of the default net and of the net with fold angles, as drawn:
// none on another or on a line, all inside the margins, none left out.
TEST_P(EveryNet, LabelsTouchNoLineAndNoOtherLabel) {
  NetOptions options;
  options.foldAngles = true;
  for (const NetDocument& net : {netOf(GetParam()), netOf(GetParam(), options)}) {
    SCOPED_TRACE(net.solid);
    ASSERT_EQ(net.pages.size(), 1u);
    const NetPage& page = net.pages[0];
    const std::vector<NetLabel> labels = netPageLabels(net, 0);
    EXPECT_EQ(test::checkLabels(net, 0, labels), "");
    EXPECT_EQ(countOf(labels, LabelKind::CutNumber), static_cast<int>(page.cuts.size()));
    EXPECT_EQ(countOf(labels, LabelKind::FaceNumber), static_cast<int>(page.faces.size()));
    EXPECT_EQ(countOf(labels, LabelKind::FoldAngle),
              net.foldAngles ? static_cast<int>(page.folds.size()) : 0);
    EXPECT_EQ(countOf(labels, LabelKind::ScaleBar), 1);
    for (const NetLabel& label : labels) {
      if (label.kind != LabelKind::ScaleBar) {
        EXPECT_GE(label.sizeMm, 1.2 - 1e-9) << label.text;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryNet, ::testing::Range(0, 31));

TEST(NetLabels, PagesOfALargeNetAndBothTabsKeepTheirLabelsApart) {
  for (int position : {11, 21}) {
    NetDocument net = multiPage(position);
    for (int page = 0; page < static_cast<int>(net.pages.size()); ++page)
      EXPECT_EQ(test::checkLabels(net, page, netPageLabels(net, page)), "") << position;
    NetOptions options;
    options.tabStyle = TabStyle::Both;
    options.foldAngles = true;
    options.paper = Paper::Letter;
    net = netOf(position, options);
    EXPECT_EQ(test::checkLabels(net, 0, netPageLabels(net, 0)), "") << position;
  }
}

bool insideConvex(const std::vector<Vec2>& polygon, Vec2 p) {
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    const Vec2 a = polygon[k];
    const Vec2 b = polygon[(k + 1) % polygon.size()];
    if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) < 0.0) return false;
  }
  return true;
}

// The ink drawn for one kind of label: the pixels that change when only that
// kind is turned on all lie in a box of that kind.
TEST(NetLabels, TheInkOfEveryLabelLiesInsideItsBox) {
  const struct {
    LabelKind kind;
    void (*turnOn)(NetOptions&);
  } kinds[] = {{LabelKind::CutNumber, [](NetOptions& o) { o.numbers = true; }},
               {LabelKind::FaceNumber, [](NetOptions& o) { o.faceNumbers = true; }},
               {LabelKind::FoldAngle, [](NetOptions& o) { o.foldAngles = true; }}};
  for (int position : {3, 21}) {
    NetOptions none;
    none.numbers = false;
    none.faceNumbers = false;
    none.foldAngles = false;
    const NetDocument bare = netOf(position, none);
    constexpr int kWidth = 2520;  // 12 pixels per millimetre
    const QImage without = pageImage(bare, 0, kWidth);
    for (const auto& kind : kinds) {
      NetOptions options = none;
      kind.turnOn(options);
      const NetDocument net = netOf(position, options);
      std::vector<std::vector<Vec2>> boxes;
      for (const NetLabel& label : netPageLabels(net, 0)) {
        if (label.kind == kind.kind) boxes.push_back(label.box);
      }
      ASSERT_FALSE(boxes.empty());
      const QImage with = pageImage(net, 0, kWidth);
      const double mmPerPixel = net.paperWidthMm / kWidth;
      int changed = 0;
      for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
          if (with.pixel(x, y) == without.pixel(x, y)) continue;
          ++changed;
          const Vec2 p{(x + 0.5) * mmPerPixel, net.paperHeightMm - (y + 0.5) * mmPerPixel};
          const bool inBox = std::any_of(boxes.begin(), boxes.end(),
                                         [&](const auto& box) { return insideConvex(box, p); });
          ASSERT_TRUE(inBox) << net.solid << ": label kind " << static_cast<int>(kind.kind)
                             << " drew at " << p.x << ", " << p.y << " mm outside every box";
        }
      }
      EXPECT_GT(changed, 100) << static_cast<int>(kind.kind);
    }
  }
}

TEST(NetLabels, FaceNumbersAreTheCatalogueIndexPlusOneInsideTheirFace) {
  const NetDocument net = netOf(20);
  std::map<std::string, const NetFace*> faceOf;
  for (const NetFace& face : net.pages[0].faces)
    faceOf[std::to_string(face.face + 1)] = &face;
  int seen = 0;
  for (const NetLabel& label : netPageLabels(net, 0)) {
    if (label.kind != LabelKind::FaceNumber) continue;
    ++seen;
    ASSERT_TRUE(faceOf.count(label.text)) << label.text;
    const std::vector<Vec2>& box = label.box;
    EXPECT_NEAR(test::intersectionArea(box, faceOf[label.text]->polygon),
                test::intersectionArea(box, box), 1e-9)
        << "face number " << label.text << " is not inside its face";
  }
  EXPECT_EQ(seen, static_cast<int>(faceOf.size()));
}

TEST(NetLabels, OptionsTurnLabelsOnAndOffAndEveryPageHasItsFootLine) {
  NetOptions options;
  options.numbers = false;
  options.faceNumbers = false;
  options.scaleBar = false;
  const NetDocument bare = netOf(12, options);
  const std::vector<NetLabel> labels = netPageLabels(bare, 0);
  EXPECT_EQ(countOf(labels, LabelKind::CutNumber) + countOf(labels, LabelKind::FaceNumber) +
                countOf(labels, LabelKind::FoldAngle) + countOf(labels, LabelKind::ScaleBar),
            0);
  const NetDocument net = multiPage(12);
  for (int page = 0; page < static_cast<int>(net.pages.size()); ++page) {
    std::set<std::string> texts;
    for (const NetLabel& label : netPageLabels(net, page))
      texts.insert(label.text);
    EXPECT_TRUE(texts.count(netHowToText())) << page;
    EXPECT_TRUE(texts.count("bei 100 % gedruckt: 50 mm")) << page;
    EXPECT_TRUE(texts.count("Seite " + std::to_string(page + 1) + " von " +
                            std::to_string(net.pages.size())));
  }
  EXPECT_EQ(foldAngleText(138.18969), "138,2\u00b0");
  EXPECT_EQ(netHowToText(),
            "Bei 100 % drucken, ausschneiden, gestrichelte Linien nach hinten falten, Laschen "
            "unter die gleiche Nummer kleben; (n): mit Klebeband schließen");
}

TEST(NetPaint, APageTheNetDoesNotHaveIsAnError) {
  const NetDocument net = netOf(1);
  QImage image(210, 297, QImage::Format_RGB32);
  QPainter painter(&image);
  EXPECT_THROW(paintNetPage(painter, net, 1), ENetError);
  EXPECT_THROW(paintNetPage(painter, net, -1), ENetError);
  EXPECT_NO_THROW(paintNetPage(painter, net, 0));
}

TEST(NetSvg, SameNetSameBytesWithPagesStacked) {
  const NetDocument net = multiPage(11);
  ASSERT_GT(net.pages.size(), 1u);
  const QByteArray first = QByteArray::fromStdString(netSvg(net));
  EXPECT_EQ(first, QByteArray::fromStdString(netSvg(multiPage(11))));
  EXPECT_TRUE(first.contains("<title>" + QByteArray::fromStdString(net.solid) + "</title>"));
  const QString expected = QStringLiteral("height=\"%1mm\"")
                               .arg(QString::number(net.paperHeightMm * net.pages.size(), 'f', 3));
  EXPECT_TRUE(QString::fromUtf8(first).contains(expected)) << expected.toStdString();
}

TEST(NetPdf, OnePdfPagePerNetPageAtPaperSize) {
  const NetDocument net = multiPage(21);
  const QByteArray pdf = netPdf(net);
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdfPages(pdf), static_cast<int>(net.pages.size()));
  // A4 in points: 595 x 842.
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595")) << pdf.left(2000).toStdString();
  NetOptions options;
  options.orientation = Orientation::Landscape;
  EXPECT_TRUE(netPdf(netOf(3, options)).contains("/MediaBox [0 0 842"));
}

// The length in mm of the longest dark run in a grey picture of the foot of
// the first PDF page, rendered by poppler at dpi: the run's row summed as ink
// coverage, so that the antialiased ends count by their share.
double longestBarMm(const QByteArray& pdf, double paperHeightMm, int dpi) {
  QTemporaryDir dir;
  const QString in = dir.filePath(QStringLiteral("net.pdf"));
  QFile file(in);
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return -1.0;
  file.close();
  const int top = static_cast<int>((paperHeightMm - 22.0) / 25.4 * dpi);
  const int height = static_cast<int>(12.0 / 25.4 * dpi);
  QProcess poppler;
  poppler.start(
      QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-f"),
       QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-y"),
       QString::number(top), QStringLiteral("-H"), QString::number(height), QStringLiteral("-W"),
       QStringLiteral("100000"), in, dir.filePath(QStringLiteral("foot"))});
  if (!poppler.waitForFinished(60000) || poppler.exitCode() != 0) return -1.0;
  const QImage foot(dir.filePath(QStringLiteral("foot-1.pgm")));
  if (foot.isNull()) return -1.0;
  int bestRow = -1, bestRun = 0, bestStart = 0;
  for (int y = 0; y < foot.height(); ++y) {
    int run = 0;
    for (int x = 0; x < foot.width(); ++x) {
      run = qGray(foot.pixel(x, y)) < 128 ? run + 1 : 0;
      if (run > bestRun) {
        bestRun = run;
        bestRow = y;
        bestStart = x - run + 1;
      }
    }
  }
  // The middle row of the bar: the rows with the same run lie above and below.
  int last = bestRow;
  while (last + 1 < foot.height() && qGray(foot.pixel(bestStart + bestRun / 2, last + 1)) < 128)
    ++last;
  const int row = (bestRow + last) / 2;
  double ink = 0.0;
  for (int x = std::max(0, bestStart - 4); x < std::min(foot.width(), bestStart + bestRun + 4); ++x)
    ink += (255.0 - qGray(foot.pixel(x, row))) / 255.0;
  return ink * 25.4 / dpi;
}

TEST(NetPdf, ScaleBarMeasuresFiftyMillimetresOnThePdfPage) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  }
  // 1200 dpi: a pixel is 0.021 mm; the summed coverage measures finer.
  NetOptions letter;
  letter.paper = Paper::Letter;
  letter.orientation = Orientation::Landscape;
  for (const NetDocument& net : {netOf(21), netOf(4, letter), multiPage(9)}) {
    EXPECT_NEAR(longestBarMm(netPdf(net), net.paperHeightMm, 1200), 50.0, 0.01) << net.solid;
  }
  NetOptions without;
  without.scaleBar = false;
  const NetDocument net = netOf(21, without);
  EXPECT_LT(longestBarMm(netPdf(net), net.paperHeightMm, 1200), 10.0);
}

TEST(NetPrint, PrinterGetsEveryPage) {
  const NetDocument net = multiPage(15);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("net.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printNet(printer, net);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdfPages(file.readAll()), static_cast<int>(net.pages.size()));
}

TEST(NetJson, ParsesAndCarriesEveryFaceCutAndTab) {
  const NetDocument net = multiPage(5);
  const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(netJson(net)));
  ASSERT_TRUE(json.isObject());
  const QJsonObject root = json.object();
  EXPECT_EQ(root["solid"].toString().toStdString(), net.solid);
  EXPECT_EQ(root["type"].toInt(), net.type);
  EXPECT_NEAR(root["edge_mm"].toDouble(), net.edgeMm, 1e-6);
  EXPECT_EQ(root["paper"]["width_mm"].toDouble(), 210.0);
  EXPECT_EQ(root["paper"]["height_mm"].toDouble(), 297.0);
  EXPECT_EQ(root["paper"]["margin_mm"].toDouble(), 10.0);
  const QJsonArray pages = root["pages"].toArray();
  ASSERT_EQ(pages.size(), static_cast<qsizetype>(net.pages.size()));
  std::map<int, int> labels;
  for (qsizetype p = 0; p < pages.size(); ++p) {
    const NetPage& page = net.pages[static_cast<std::size_t>(p)];
    const QJsonObject object = pages[p].toObject();
    const QJsonArray faces = object["faces"].toArray();
    ASSERT_EQ(faces.size(), static_cast<qsizetype>(page.faces.size()));
    for (qsizetype f = 0; f < faces.size(); ++f) {
      const NetFace& face = page.faces[static_cast<std::size_t>(f)];
      EXPECT_EQ(faces[f]["face"].toInt(), face.face);
      const QJsonArray polygon = faces[f]["polygon"].toArray();
      ASSERT_EQ(polygon.size(), static_cast<qsizetype>(face.polygon.size()));
      for (qsizetype k = 0; k < polygon.size(); ++k) {
        EXPECT_NEAR(polygon[k][0].toDouble(), face.polygon[static_cast<std::size_t>(k)].x, 1e-6);
        EXPECT_NEAR(polygon[k][1].toDouble(), face.polygon[static_cast<std::size_t>(k)].y, 1e-6);
      }
    }
    EXPECT_EQ(object["folds"].toArray().size(), static_cast<qsizetype>(page.folds.size()));
    for (const auto& value : object["cuts"].toArray()) {
      const QJsonObject cut = value.toObject();
      ++labels[cut["label"].toInt()];
      EXPECT_EQ(cut["edge"].toArray().size(), 2);
    }
    EXPECT_EQ(object["tabs"].toArray().size(), static_cast<qsizetype>(page.tabs.size()));
  }
  for (const auto& [label, count] : labels)
    EXPECT_EQ(count, 2) << "label " << label;
}

TEST(NetJson, FoldPairsAreWrittenSmallerFaceFirstInAscendingOrder) {
  // One page with many folds and several pages, for a few solids.
  for (int position : {0, 5, 12, 29}) {
    for (const NetDocument& net : {netOf(position), multiPage(position)}) {
      const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(netJson(net)));
      const QJsonArray pages = json.object()["pages"].toArray();
      ASSERT_EQ(pages.size(), static_cast<qsizetype>(net.pages.size())) << position;
      for (qsizetype p = 0; p < pages.size(); ++p) {
        const std::string where = net.solid + ", page " + std::to_string(p);
        std::vector<std::pair<int, int>> written;
        for (const auto& value : pages[p].toObject()["folds"].toArray()) {
          const QJsonArray pair = value.toArray();
          ASSERT_EQ(pair.size(), 2) << where;
          written.emplace_back(pair[0].toInt(), pair[1].toInt());
          EXPECT_LT(written.back().first, written.back().second) << where;
        }
        EXPECT_TRUE(std::is_sorted(written.begin(), written.end())) << where;
        // The same folds as the document, each once.
        std::set<std::pair<int, int>> unordered;
        for (const auto& [a, b] : net.pages[static_cast<std::size_t>(p)].folds)
          unordered.insert({std::min(a, b), std::max(a, b)});
        const std::set<std::pair<int, int>> distinct(written.begin(), written.end());
        EXPECT_EQ(distinct, unordered) << where;
        EXPECT_EQ(written.size(), unordered.size()) << where;
      }
    }
  }
}

TEST(NetJson, NamesWithQuotesStayValid) {
  NetDocument net = netOf(0);
  net.solid = "A \"quoted\"\\name\n";
  const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(netJson(net)));
  ASSERT_TRUE(json.isObject());
  EXPECT_EQ(json.object()["solid"].toString().toStdString(), net.solid);
}

}  // namespace
}  // namespace velkora
