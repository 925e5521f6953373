// The window's file commands without their dialogs: the picture saved at a
// scale, the solid exported in either pose, and what a failed write leaves.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/file_commands.h"
#include "ui/properties_window.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

using FileCommandsTest = WindowTest;

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(FileCommandsTest, ThePictureIsSavedAtTheChosenScale) {
  QTemporaryDir dir;
  const QString one = dir.filePath(QStringLiteral("one.png"));
  const QString two = dir.filePath(QStringLiteral("two.png"));
  window->files().savePictureTo(one, 1);
  window->files().savePictureTo(two, 2);
  const QImage small(one);
  const QImage large(two);
  EXPECT_EQ(small.size(), QSize(634, 663));
  EXPECT_EQ(large.size(), QSize(1268, 1326));
  // The 1x file holds exactly the window's frame.
  const Bitmap& frame = window->frameBuffers().frame;
  for (const QPoint p : {QPoint(317, 331), QPoint(317, 120), QPoint(5, 5)}) {
    EXPECT_EQ(small.pixel(p) & 0xFFFFFFu, frame.at(p.x(), p.y()) & 0xFFFFFFu);
  }
}

TEST_F(FileCommandsTest, AFailedWriteReportsTheReasonAndLeavesTheOldFile) {
  QTemporaryDir dir;
  const QString existing = dir.filePath(QStringLiteral("keep.png"));
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old contents");
  }
  // A folder in the way of the file's name.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
  window->files().savePictureTo(dir.filePath(QStringLiteral("folder.png")), 1);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.front().contains(QStringLiteral("folder.png")));
  // A place where no file can be created.
  window->files().exportSolidTo(QStringLiteral("/proc/korvelindra-test.stl"), true, 60.0);
  ASSERT_EQ(errors.size(), 2);
  EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/korvelindra-test.stl")));
  // An unknown suffix writes nothing.
  window->files().exportSolidTo(dir.filePath(QStringLiteral("solid.xyz")), true, 60.0);
  ASSERT_EQ(errors.size(), 3);
  EXPECT_EQ(contents(existing), QByteArray("old contents"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.png")});
  errors.clear();
}

TEST_F(FileCommandsTest, TheSolidIsExportedInTheCurrentOrTheStartPose) {
  QTemporaryDir dir;
  window->viewer().turn(10, 20, 30);
  const QString current = dir.filePath(QStringLiteral("current.off"));
  const QString start = dir.filePath(QStringLiteral("start.off"));
  window->files().exportSolidTo(current, true, 60.0);
  window->files().exportSolidTo(start, false, 60.0);
  const QByteArray a = contents(current);
  const QByteArray b = contents(start);
  ASSERT_TRUE(a.startsWith("OFF"));
  ASSERT_TRUE(b.startsWith("OFF"));
  EXPECT_NE(a, b);
  window->B1C();
  const QString again = dir.filePath(QStringLiteral("again.off"));
  window->files().exportSolidTo(again, true, 60.0);
  EXPECT_EQ(contents(again), b);
}

TEST_F(FileCommandsTest, ThePropertiesWindowFollowsTheListAndSelectsTheDual) {
  window->tools().setPropertiesShown(true);
  PropertiesWindow* properties = window->tools().propertiesWindow();
  ASSERT_NE(properties, nullptr);
  ASSERT_NE(properties->shown(), nullptr);
  EXPECT_EQ(properties->shown()->position, 3);
  auto& list = control<QListWidget>("Listbox1");
  list.setCurrentRow(12);  // Kuboktaeder
  EXPECT_EQ(properties->shown()->position, 12);
  const int dual = properties->shown()->dualPosition;
  ASSERT_GE(dual, 18);
  QTest::mouseClick(properties->findChild<QWidget*>(QStringLiteral("DualButton")), Qt::LeftButton);
  EXPECT_EQ(list.currentRow(), dual);
  EXPECT_EQ(properties->shown()->position, dual);
  EXPECT_TRUE(properties->tableText().contains(QString::fromStdString(properties->shown()->name)));
  window->tools().setPropertiesShown(false);
  EXPECT_FALSE(properties->isVisible());
}

}  // namespace
}  // namespace velkora::test
