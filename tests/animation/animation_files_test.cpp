// The animation files read back by the libraries' own decoders, not by our
// encoders' code: giflib's DGifSlurp for GIF, libwebp's WebPAnimDecoder for
// WebP. Their frames must be the renderer's frames pixel for pixel, frame 0
// the picture that --export-picture writes, and both must loop forever.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>

#include "animation/animation_encoding.h"
#include "animation/frame_palette.h"
#include "cli/command_line.h"
#include "cli/headless.h"
#include "exports/export_service.h"
#include "render/design_size.h"
#include "render/frame.h"
#include "tests/animation/decoders.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

int runArguments(const QStringList& arguments) {
  QString out;
  QString err;
  QTextStream outStream(&out);
  QTextStream errStream(&err);
  const int status = runHeadless(parseCommandLine(arguments, embeddedTexts()), embeddedTexts(),
                                 outStream, errStream);
  errStream.flush();
  EXPECT_EQ(status, kExitSuccess) << err.toStdString();
  return status;
}

// The renderer's own frames of an animation, composed here, not by the encoder's loop.
std::vector<Picture> renderedFrames(AnimationKind kind, int position, ViewState view, int count) {
  auto start = std::make_shared<Model>();
  placeSolid(*start, embeddedSolid(position));
  AnimationFrames frames(kind, AnimationScene{embeddedSolid(position), start, view, std::nullopt},
                         count, embeddedSolids());
  std::vector<Picture> pictures;
  auto model = std::make_unique<Model>();
  FrameBuffers buffers;
  for (int k = 0; k < count; ++k) {
    const ViewState shown = frames.frame(k, *model);
    composeFrame(*model, shown, kDrawingWidth, kDrawingHeight, buffers, 1);
    pictures.push_back(pictureOf(buffers.frame));
  }
  return pictures;
}

TEST(AnimationFiles, TheSpinGifsFirstFrameIsThePictureAndEveryFrameTheRenderers) {
  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("bild.png"));
  const QString gif = dir.filePath(QStringLiteral("drehung.gif"));
  runArguments({"--solid", "Ikosaeder", "--view", "umkugel", "--marks", "--export-picture", png});
  runArguments({"--solid", "Ikosaeder", "--view", "umkugel", "--marks", "--frames", "12",
                "--export-animation", gif});
  const DecodedGif decoded = decodeGif(gif);
  ASSERT_EQ(decoded.frames.size(), 12u);
  EXPECT_EQ(firstDifference(decoded.frames[0], pictureOf(QImage(png))), "");
  EXPECT_EQ(decoded.loopCount, 0);  // forever
  EXPECT_EQ(decoded.delaysCs, std::vector<int>(12, 4));
  const std::vector<Picture> rendered =
      renderedFrames(AnimationKind::Spin, 3, ViewState{View::OuterSphere, true}, 12);
  for (std::size_t k = 0; k < rendered.size(); ++k)
    EXPECT_EQ(firstDifference(decoded.frames[k], rendered[k]), "") << "frame " << k;
  // The frames move: no two neighbours are alike.
  EXPECT_NE(firstDifference(decoded.frames[0], decoded.frames[1]), "");
}

TEST(AnimationFiles, TheMorphAsWebPDecodesToTheRenderersFrames) {
  QTemporaryDir dir;
  const QString webp = dir.filePath(QStringLiteral("verwandlung.webp"));
  runArguments(
      {"--solid", "Hexaeder", "--animate", "morph", "--frames", "6", "--export-animation", webp});
  const DecodedWebP decoded = decodeWebP(webp);
  EXPECT_EQ(decoded.loopCount, 0u);  // forever
  EXPECT_EQ(decoded.timestamps, (std::vector<int>{40, 80, 120, 160, 200, 240}));
  const std::vector<Picture> rendered =
      renderedFrames(AnimationKind::Morph, 1, ViewState{View::Polyhedron, false}, 6);
  ASSERT_EQ(decoded.frames.size(), rendered.size());
  for (std::size_t k = 0; k < rendered.size(); ++k)
    EXPECT_EQ(firstDifference(decoded.frames[k], rendered[k]), "") << "frame " << k;
}

TEST(AnimationFiles, TheFoldRunsFromTheFlatNetToTheClosedOneAndBack) {
  QTemporaryDir dir;
  const QString flat = dir.filePath(QStringLiteral("flach.png"));
  const QString closed = dir.filePath(QStringLiteral("zu.png"));
  const QString gif = dir.filePath(QStringLiteral("falten.gif"));
  runArguments({"--solid", "Kuboktaeder", "--fold", "0", "--export-picture", flat});
  runArguments({"--solid", "Kuboktaeder", "--fold", "1", "--export-picture", closed});
  runArguments(
      {"--solid", "Kuboktaeder", "--animate", "fold", "--frames", "8", "--export-animation", gif});
  const DecodedGif decoded = decodeGif(gif);
  ASSERT_EQ(decoded.frames.size(), 8u);
  EXPECT_EQ(firstDifference(decoded.frames[0], pictureOf(QImage(flat))), "");
  EXPECT_EQ(firstDifference(decoded.frames[4], pictureOf(QImage(closed))), "");
  // Folding up and opening again pass the same stages.
  EXPECT_EQ(firstDifference(decoded.frames[2], decoded.frames[6]), "");
  EXPECT_NE(firstDifference(decoded.frames[1], decoded.frames[2]), "");
  EXPECT_THROW(parseCommandLine({"--solid", "1", "--animate", "fold", "--marks",
                                 "--export-animation", dir.filePath(QStringLiteral("x.gif"))},
                                embeddedTexts()),
               EUsageError);
}

TEST(AnimationFiles, ScaleAndSuffixDecideSizeAndFormat) {
  QTemporaryDir dir;
  const QString gif = dir.filePath(QStringLiteral("GROSS.GIF"));
  runArguments({"--solid", "0", "--scale", "2", "--frames", "2", "--export-animation", gif});
  const DecodedGif decoded = decodeGif(gif);
  ASSERT_EQ(decoded.frames.size(), 2u);
  EXPECT_EQ(decoded.frames[0].width, 2 * kDrawingWidth);
  EXPECT_EQ(decoded.frames[0].height, 2 * kDrawingHeight);
  // A suffix of no animation format writes nothing.
  auto start = std::make_shared<Model>();
  placeSolid(*start, embeddedSolid(0));
  AnimationFrames frames(AnimationKind::Spin,
                         AnimationScene{embeddedSolid(0), start, ViewState{}, std::nullopt}, 2,
                         embeddedSolids());
  const QString png = dir.filePath(QStringLiteral("falsch.png"));
  EXPECT_THROW(exportAnimation(png, frames, QSize(kDrawingWidth, kDrawingHeight), 1),
               EExportFormat);
  EXPECT_FALSE(QFile::exists(png));
}

TEST(AnimationFiles, AStoppedExportLeavesNothingBehind) {
  QTemporaryDir dir;
  const QString gif = dir.filePath(QStringLiteral("halt.gif"));
  auto start = std::make_shared<Model>();
  placeSolid(*start, embeddedSolid(3));
  AnimationFrames frames(AnimationKind::Spin,
                         AnimationScene{embeddedSolid(3), start, ViewState{}, std::nullopt}, 10,
                         embeddedSolids());
  int reports = 0;
  EXPECT_FALSE(exportAnimation(gif, frames, QSize(kDrawingWidth, kDrawingHeight), 1,
                               [&reports](int done, int count) {
                                 ++reports;
                                 EXPECT_EQ(count, 10);
                                 return done < 4;
                               }));
  EXPECT_EQ(reports, 4);
  EXPECT_TRUE(
      QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
  // Let through, the same export writes its file.
  EXPECT_TRUE(exportAnimation(gif, frames, QSize(kDrawingWidth, kDrawingHeight), 1,
                              [](int, int) { return true; }));
  EXPECT_EQ(decodeGif(gif).frames.size(), 10u);
}

TEST(FramePalette, ExactUpTo256ColoursAndTheNearestOfTheMostFrequentBeyond) {
  // 256 colours, each twice: an exact palette.
  std::vector<std::uint32_t> pixels(512);
  for (std::uint32_t k = 0; k < 512; ++k)
    pixels[k] = 0xFF000000u | (k % 256) << 8;
  const IndexedFrame exact = indexFrame(pixels, 32, 16, 32);
  EXPECT_TRUE(exact.exact);
  EXPECT_EQ(exact.palette.size(), 256u);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    ASSERT_EQ(exact.palette[exact.indices[i]], pixels[i]) << i;

  // One more colour, once, near green 100: it is drawn as green 100, the rest stay.
  const std::uint32_t stray = 0xFF000000u | 100u << 8 | 3u;
  pixels.push_back(stray);
  pixels.resize(33 * 16, 0xFF000000u);
  const IndexedFrame quantised = indexFrame(pixels, 33, 16, 33);
  EXPECT_FALSE(quantised.exact);
  EXPECT_EQ(quantised.palette.size(), 256u);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t expected = pixels[i] == stray ? (0xFF000000u | 100u << 8) : pixels[i];
    ASSERT_EQ(quantised.palette[quantised.indices[i]], expected) << i;
  }

  // A box inside a wider picture reads only its own rows and columns.
  const std::vector<std::uint32_t> wide = {1, 2, 3, 4, 5, 6, 7, 8};
  const IndexedFrame box = indexFrame(std::span(wide).subspan(1), 2, 2, 4);
  ASSERT_EQ(box.indices.size(), 4u);
  EXPECT_EQ(box.palette[box.indices[0]], 0xFF000002u);
  EXPECT_EQ(box.palette[box.indices[3]], 0xFF000007u);
}

}  // namespace
}  // namespace velkora::test
