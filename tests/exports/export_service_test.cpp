// The one export service: the writer chosen by the file's suffix (any letter
// case), an unknown suffix refused before anything is written, and the
// paper names and page sizes.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "exports/export_service.h"
#include "nets/layout.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(ExportServiceTest, TheSuffixChoosesTheSolidsWriter) {
  const Solid& solid = test::embeddedSolid(1);
  const Polyhedron cube = startPoseOf(solid);
  exportSolid(path("a.OFF"), solid, cube, 60.0);
  exportSolid(path("a.obj"), solid, cube, 60.0);
  exportSolid(path("a.stl"), solid, cube, 60.0);
  EXPECT_TRUE(contents(path("a.OFF")).startsWith("OFF"));
  EXPECT_TRUE(contents(path("a.obj")).contains("\nv "));
  // Binary STL: 80 header bytes, a count, 50 bytes per triangle (6 faces fanned into 4).
  EXPECT_EQ(contents(path("a.stl")).size(), 84 + 24 * 50);
  EXPECT_THROW(exportSolid(path("a.pdf"), solid, cube, 60.0), EExportFormat);
  EXPECT_THROW(exportSolid(path("stl"), solid, cube, 60.0), EExportFormat);
  EXPECT_FALSE(QFile::exists(path("a.pdf")));
}

TEST_F(ExportServiceTest, TheSuffixChoosesTheNetsWriter) {
  const NetDocument net = buildNet(test::embeddedSolid(0), NetOptions{});
  exportNet(path("n.pdf"), net);
  exportNet(path("n.Svg"), net);
  exportNet(path("n.json"), net);
  EXPECT_TRUE(contents(path("n.pdf")).startsWith("%PDF"));
  EXPECT_TRUE(contents(path("n.Svg")).contains("<svg"));
  EXPECT_TRUE(contents(path("n.json")).startsWith("{"));
  try {
    exportNet(path("n.png"), net);
    ADD_FAILURE() << "a picture suffix was taken for a net";
  } catch (const EExportFormat& error) {
    EXPECT_NE(std::string(error.what()).find(".pdf, .svg oder .json"), std::string::npos);
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 3);
}

TEST(Paper, NamesAndPageSizes) {
  EXPECT_EQ(paperFromName(QStringLiteral("A3")), Paper::A3);
  EXPECT_EQ(paperFromName(QStringLiteral("letter")), Paper::Letter);
  EXPECT_EQ(paperFromName(QStringLiteral("a5")), std::nullopt);
  // ISO 216 and ANSI sizes in millimetres.
  EXPECT_EQ(pageSizeOf(Paper::A4).size(QPageSize::Millimeter), QSizeF(210, 297));
  EXPECT_EQ(pageSizeOf(Paper::A3).size(QPageSize::Millimeter), QSizeF(297, 420));
  EXPECT_NEAR(pageSizeOf(Paper::Letter).size(QPageSize::Inch).width(), 8.5, 1e-9);
}

}  // namespace
}  // namespace velkora::test
