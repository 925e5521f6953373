// The whole gallery: palette reduction of the thumbnails, the folder of
// pictures with its Markdown page, and the command-line tool end to end.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/install/picture_compare.h"
#include "tools/gallery/gallery_page.h"
#include "tools/gallery/palette.h"
#include "tools/gallery/solid_renderer.h"

namespace velkora::gallery {
namespace {

namespace fs = std::filesystem;
using test::firstDifference;

std::string readFile(const fs::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

TEST(GalleryPalette, FewColoursStayExact) {
  // At most 6 * 7 * 5 = 210 colours.
  QImage picture(37, 23, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      picture.setPixel(x, y, qRgb((x % 6) * 40, (y % 7) * 30, ((x + y) % 5) * 50));
    }
  }
  const QImage reduced = toPalette(picture);
  EXPECT_EQ(reduced.format(), QImage::Format_Indexed8);
  EXPECT_EQ(firstDifference(reduced, picture), "");
}

TEST(GalleryPalette, ManyColoursGetAtMost256CloseOnes) {
  // 64 x 64 pixels, all 4096 different: a smooth red-green ramp with blue steps.
  QImage picture(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      picture.setPixel(x, y, qRgb(x * 4, y * 4, ((x / 8) ^ (y / 8)) * 32));
    }
  }
  const QImage reduced = toPalette(picture);
  EXPECT_LE(reduced.colorCount(), kMaxPaletteColours);
  int largestError = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const QRgb a = picture.pixel(x, y);
      const QRgb b = reduced.pixel(x, y);
      largestError = std::max({largestError, std::abs(qRed(a) - qRed(b)),
                               std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    }
  }
  // 256 boxes over 4096 colours: each box spans about 16 levels in one channel.
  EXPECT_LE(largestError, 24);
  EXPECT_EQ(firstDifference(toPalette(picture), reduced), "");
}

class GalleryPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    root_ = fs::path(folder_.path().toStdString());
  }
  QTemporaryDir folder_;
  fs::path root_;
};

TEST_F(GalleryPage, AllSolidsInThreeViewsWithAPageThatLinksThem) {
  const Catalogue catalogue = loadCatalogueTexts();
  const fs::path pictures = root_ / "docs" / "gallery";
  const auto entries = writeGalleryPictures(catalogue, pictures, false, QSize(120, 125), 40);
  ASSERT_EQ(entries.size(), 31u);

  std::set<fs::path> files;
  for (const auto& entry : fs::directory_iterator(pictures))
    files.insert(entry.path());
  EXPECT_EQ(files.size(), 93u);

  const std::string page = galleryPage(entries, root_ / "docs");
  std::set<std::string> linked;
  for (std::size_t at = page.find("]("); at != std::string::npos; at = page.find("](", at + 2)) {
    const std::string target = page.substr(at + 2, page.find(')', at) - at - 2);
    linked.insert(target);
    const QImage thumbnail(QString::fromStdString((root_ / "docs" / target).string()));
    EXPECT_EQ(thumbnail.size(), QSize(40, 42)) << target;
  }
  EXPECT_EQ(linked.size(), 93u);
  EXPECT_TRUE(linked.count("gallery/t03-outer.png"));
  for (std::size_t position = 0; position < 31; ++position) {
    EXPECT_NE(page.find("| " + solidNameAt(catalogue, position) + " |"), std::string::npos)
        << solidNameAt(catalogue, position);
  }
  // One table per family: 5 Platonic, 13 Archimedean, 13 Catalan rows of pictures.
  std::vector<int> rows;
  std::istringstream lines(page);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("## ", 0) == 0) rows.push_back(0);
    if (!rows.empty() && line.find("![") != std::string::npos) ++rows.back();
  }
  EXPECT_EQ(rows, (std::vector<int>{5, 13, 13}));

  // Writing again gives the same bytes: regenerating leaves the repository unchanged.
  const std::string before = readFile(pictures / "t21-inner.png");
  writeGalleryPictures(catalogue, pictures, false, QSize(120, 125), 40);
  EXPECT_EQ(readFile(pictures / "t21-inner.png"), before);
}

// The tool as the build runs it: exit codes, and a picture equal to renderSolid's.
TEST_F(GalleryPage, CommandLineTool) {
  const auto run = [](const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(VELKORA_GALLERY_PATH), args);
    EXPECT_TRUE(tool.waitForFinished(60000));
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
  };
  const QString out = QString::fromStdString((root_ / "ico.png").string());
  EXPECT_EQ(run({"--type", "3", "--view", "umkugel", "--marks", "--out", out}), 0);
  const Catalogue catalogue = loadCatalogueTexts();
  EXPECT_EQ(firstDifference(QImage(out), renderSolid(catalogue, 3, View::OuterSphere, true,
                                                     windowDrawingSize())),
            "");

  const QString thumb = QString::fromStdString((root_ / "thumb.png").string());
  EXPECT_EQ(run({"--position", "12", "--thumb", "160", "--out", thumb}), 0);
  EXPECT_EQ(QImage(thumb).size(), QSize(160, 167));

  const QString never = QString::fromStdString((root_ / "never.png").string());
  EXPECT_EQ(run({"--type", "3", "--view", "kugel", "--out", never}), 2);
  EXPECT_EQ(run({"--type", "31", "--out", never}), 1);
  EXPECT_EQ(
      run({"--position", "3", "--out", QString::fromStdString((root_ / "no" / "x.png").string())}),
      1);
  EXPECT_FALSE(QFile::exists(never));
}

}  // namespace
}  // namespace velkora::gallery
