// "Animation speichern" in the real window, without its file dialog: the
// first frame is the picture on show, a cancel in the progress dialog leaves
// neither the file nor a temporary one, and a failed write is reported.

#include <gtest/gtest.h>

#include <QDir>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/animation/decoders.h"
#include "tests/ui/window_fixture.h"
#include "ui/file_commands.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

using AnimationWindowTest = WindowTest;

QStringList entriesOf(const QTemporaryDir& dir) {
  return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST_F(AnimationWindowTest, TheSpinStartsFromThePictureOnShow) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("drehung.gif"));
  window->viewer().turn(10, 20, 30);
  control<QCheckBox>("CPunkte").click();
  ASSERT_TRUE(window->files().saveAnimationTo(path, AnimationKind::Spin, 4));
  const DecodedGif decoded = decodeGif(path);
  ASSERT_EQ(decoded.frames.size(), 4u);
  EXPECT_EQ(firstDifference(decoded.frames[0], pictureOf(window->frameBuffers().frame)), "");
  EXPECT_NE(firstDifference(decoded.frames[1], decoded.frames[0]), "");
}

TEST_F(AnimationWindowTest, TheTourRunsInTheFamilyOpenInTheKaleidoscope) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("rundgang.gif"));
  // The icosahedron is picked (family I); the kaleidoscope shows family T at corner A.
  window->tools().setKaleidoscopeShown(true);
  window->viewer().setKaleidoscopeFamily(WythoffFamily::T);
  window->viewer().setKaleidoscopeWeights(WythoffWeights{1, 0, 0});
  ASSERT_TRUE(window->files().saveAnimationTo(path, AnimationKind::Kaleidoscope, 8));
  const DecodedGif decoded = decodeGif(path);
  ASSERT_EQ(decoded.frames.size(), 8u);
  EXPECT_EQ(firstDifference(decoded.frames[0], pictureOf(window->frameBuffers().frame)), "");
  EXPECT_NE(firstDifference(decoded.frames[1], decoded.frames[0]), "");
  window->tools().setKaleidoscopeShown(false);
}

TEST_F(AnimationWindowTest, TheTourOfTheSnubEndsOnTheSnubsStop) {
  // Eight frames of family T's tour fall on its eight stops in turn: the
  // corners and sides (the same with the snub), last the one inside, where
  // the snub is the icosahedron and not the truncated octahedron.
  QTemporaryDir dir;
  window->tools().setKaleidoscopeShown(true);
  window->viewer().setKaleidoscopeFamily(WythoffFamily::T);
  window->viewer().setKaleidoscopeWeights(WythoffWeights{1, 0, 0});
  const QString whole = dir.filePath(QStringLiteral("ganz.gif"));
  ASSERT_TRUE(window->files().saveAnimationTo(whole, AnimationKind::Kaleidoscope, 8));
  window->viewer().setKaleidoscopeSnub(true, false);
  const QString snub = dir.filePath(QStringLiteral("abgeschraegt.gif"));
  ASSERT_TRUE(window->files().saveAnimationTo(snub, AnimationKind::Kaleidoscope, 8));
  const DecodedGif x = decodeGif(whole);
  const DecodedGif y = decodeGif(snub);
  ASSERT_EQ(x.frames.size(), 8u);
  ASSERT_EQ(y.frames.size(), 8u);
  for (std::size_t k = 0; k < 7; ++k)
    EXPECT_EQ(firstDifference(y.frames[k], x.frames[k]), "") << "frame " << k;
  EXPECT_NE(firstDifference(y.frames[7], x.frames[7]), "");
  window->viewer().setKaleidoscopeSnub(false, false);
  window->tools().setKaleidoscopeShown(false);
}

TEST_F(AnimationWindowTest, CancellingTheProgressLeavesNothingBehind) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("abbruch.gif"));
  // The user presses "Abbrechen" as soon as the progress dialog shows.
  bool cancelled = false;
  QTimer user;
  user.setInterval(5);
  QObject::connect(&user, &QTimer::timeout, [&] {
    auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("AnimationProgress"));
    if (cancelled || progress == nullptr || !progress->isVisible()) return;
    progress->findChild<QPushButton*>()->click();
    cancelled = true;
  });
  user.start();
  EXPECT_FALSE(window->files().saveAnimationTo(path, AnimationKind::Spin, 720));
  user.stop();
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(entriesOf(dir), QStringList());
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AnimationWindowTest, AFailedWriteShowsTheErrorAndTheWindowGoesOn) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.webp")));
  EXPECT_FALSE(window->files().saveAnimationTo(dir.filePath(QStringLiteral("ordner.webp")),
                                               AnimationKind::Morph, 2));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.front().contains(QStringLiteral("ordner.webp")));
  EXPECT_EQ(entriesOf(dir), QStringList{QStringLiteral("ordner.webp")});
  errors.clear();
}

}  // namespace
}  // namespace velkora::test
