// The real program on the command line, with no display: exit codes, what
// it prints, and the files it writes or, on failure, leaves alone.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cli/command_line.h"
#include "render/colours.h"
#include "render/face_tints.h"
#include "tests/support/german_locale.h"

namespace velkora::test {
namespace {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs the program without DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, in
// the given environment (by default the test's own); with a file size limit
// (bytes, SIGXFSZ ignored) when fileSizeLimit is not 0.
ProgramRun runProgram(const QStringList& arguments,
                      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
                      rlim_t fileSizeLimit = 0) {
  QProcess process;
  if (fileSizeLimit != 0) {
    process.setChildProcessModifier([fileSizeLimit] {
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      std::signal(SIGXFSZ, SIG_IGN);
      setrlimit(RLIMIT_FSIZE, &limit);
    });
  }
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QString::fromLatin1(name));
  }
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(VELKORA_PROGRAM_PATH), arguments);
  if (!process.waitForFinished(60000)) return {};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

TEST(Program, VersionHelpAndUsageErrors) {
  const ProgramRun version = runProgram({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, QStringLiteral("korvelindra 1.1.0\n"));

  const ProgramRun help = runProgram({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* option : {"--solid", "--export-picture", "--export-solid", "--properties",
                             "--export-net", "--edge-mm"}) {
    EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
  }

  const ProgramRun unknown =
      runProgram({"--solid", "3", "--export-solid", "x.stl", "--frobnicate"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_TRUE(unknown.err.contains(QStringLiteral("frobnicate"))) << unknown.err.toStdString();
  const ProgramRun badSolid = runProgram({"--solid", "Kugel", "--properties"});
  EXPECT_EQ(badSolid.exitCode, 2);
  EXPECT_TRUE(badSolid.err.contains(QStringLiteral("Kugel")));
}

// Without any display, and with no platform forced, a usage error of the
// window's options still ends with its message and status 2, not with Qt's
// abort for a missing display. Qt's own options are passed over.
TEST(Program, UsageErrorsNeedNoDisplay) {
  const QList<QPair<QStringList, QString>> cases = {
      {{"--bogus"}, "bogus"},
      {{"--json"}, "--json"},
      {{"--solid"}, "solid"},
      {{"--solid", "3", "--view"}, "view"},
      {{"--solid", "3", "--view", "kugel"}, "kugel"},
      {{"-style", "fusion", "--bogus"}, "bogus"},
      {{"--platform=offscreen", "--solid", "Kugel"}, "Kugel"},
      {{"--solid", "3", "--frames", "9"}, "--frames"},
      {{"--solid", "3", "--export-animation", "a.gif", "--frames", "0"}, "--frames"},
      {{"--solid", "3", "--export-animation=a.gif", "--animate", "wobble"}, "wobble"},
  };
  for (const auto& [arguments, named] : cases) {
    const ProgramRun run = runProgram(arguments);
    const std::string call = arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(run.exitCode, 2) << call << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(named)) << call << ": " << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QStringLiteral("display")))
        << call << ": " << run.err.toStdString();
  }
}

// Pixels of a written picture in the face tints, per kind of the palette.
std::vector<int> tintedPixels(const QImage& image) {
  std::vector<int> counts(kKindTints.size(), 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const std::uint32_t p = image.pixel(x, y) | 0xFF000000u;
      for (std::size_t k = 0; k < kKindTints.size(); ++k) {
        counts[k] += p == kKindTints[k] || p == behindGlass(kKindTints[k]);
      }
    }
  }
  return counts;
}

TEST(Program, ColouredFacesInPicturesAnimationsAndSheets) {
  const ProgramRun help = runProgram({"--lang", "en", "--help"});
  EXPECT_TRUE(help.out.contains(QStringLiteral("--colour-faces"))) << help.out.toStdString();
  EXPECT_TRUE(
      help.out.simplified().contains(QStringLiteral("fill every face in the colour of its kind")));
  const ProgramRun alone = runProgram({"--solid", "16", "--colour-faces"});
  EXPECT_EQ(alone.exitCode, 2);
  EXPECT_TRUE(alone.err.contains(QStringLiteral("--colour-faces geht nur mit --export-picture")))
      << alone.err.toStdString();

  QTemporaryDir dir;
  const QString plainPng = dir.filePath(QStringLiteral("plain.png"));
  const QString tintedPng = dir.filePath(QStringLiteral("tinted.png"));
  ASSERT_EQ(runProgram({"--solid", "Rhombenkuboktaeder", "--export-picture", plainPng}).exitCode,
            0);
  ASSERT_EQ(
      runProgram({"--solid", "Rhombenkuboktaeder", "--colour-faces", "--export-picture", tintedPng})
          .exitCode,
      0);
  const QImage plain(plainPng);
  const QImage tinted(tintedPng);
  ASSERT_EQ(plain.size(), tinted.size());
  EXPECT_EQ(tintedPixels(plain), std::vector<int>(kKindTints.size(), 0));
  // Three kinds: the triangles and two of squares; the other tints unused.
  const std::vector<int> counts = tintedPixels(tinted);
  for (std::size_t k = 0; k < counts.size(); ++k) {
    if (k < 3) {
      EXPECT_GT(counts[k], 1000) << k;
    } else {
      EXPECT_EQ(counts[k], 0) << k;
    }
  }
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) != tinted.pixel(x, y)) {
        ASSERT_EQ(plain.pixel(x, y) | 0xFF000000u, kLightGreen) << x << ", " << y;
      }
    }
  }

  const QString gif = dir.filePath(QStringLiteral("spin.gif"));
  EXPECT_EQ(
      runProgram({"--solid", "16", "--colour-faces", "--frames", "2", "--export-animation", gif})
          .exitCode,
      0);
  EXPECT_GT(QFileInfo(gif).size(), 0);
  const QString sheet = dir.filePath(QStringLiteral("sheet.pdf"));
  EXPECT_EQ(runProgram({"--solid", "16", "--colour-faces", "--export-sheet", sheet}).exitCode, 0);
  EXPECT_GT(QFileInfo(sheet).size(), 0);
}

TEST(Program, HeadlessExportsWriteTheirFiles) {
  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("ikosaeder.png"));
  EXPECT_EQ(runProgram({"--solid", "Ikosaeder", "--view", "umkugel", "--scale", "2",
                        "--export-picture", png})
                .exitCode,
            0);
  const QImage picture(png);
  EXPECT_EQ(picture.size(), QSize(1268, 1326));
  EXPECT_NE(picture.pixel(634, 663) & 0xFFFFFFu, 0xFFFFFFu);

  const QString stl = dir.filePath(QStringLiteral("wuerfel.stl"));
  EXPECT_EQ(runProgram({"--solid", "wuerfel", "--export-solid", stl}).exitCode, 0);
  // A binary STL of a cube fanned from the face centres: 6 faces x 4 triangles.
  EXPECT_EQ(QFile(stl).size(), 84 + 24 * 50);

  const ProgramRun properties = runProgram({"--solid", "Kuboktaeder", "--properties", "--json"});
  EXPECT_EQ(properties.exitCode, 0);
  EXPECT_TRUE(properties.out.startsWith(QLatin1Char('{')));
  EXPECT_TRUE(properties.out.contains(QStringLiteral("\"face_kinds\"")));
  // For programs a decimal point; the text for people has the decimal comma
  // and the list position that --solid takes (type 5 sits at position 12).
  EXPECT_TRUE(
      properties.out.contains(QRegularExpression(QStringLiteral("\"volume\": [0-9]+\\.[0-9]"))))
      << properties.out.toStdString();
  const ProgramRun text = runProgram({"--solid", "12", "--properties"});
  EXPECT_EQ(text.exitCode, 0);
  EXPECT_TRUE(text.out.contains(QStringLiteral("\nListenplatz\t12\n"))) << text.out.toStdString();
  EXPECT_TRUE(text.out.contains(QStringLiteral("\nVolumen\t2,35702\n"))) << text.out.toStdString();

  const QString json = dir.filePath(QStringLiteral("netz.json"));
  EXPECT_EQ(runProgram({"--solid", "0", "--export-net", json}).exitCode, 0);
  QFile file(json);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("\"pages\""));
  file.close();

  // The net's options reach the net: landscape paper, tabs on both edges of a
  // pair (more tabs than the tetrahedron's three cut pairs), or none.
  const auto netJsonOf = [&](QStringList extra) {
    runProgram(QStringList{"--solid", "0", "--export-net", json} + extra);
    QFile written(json);
    return written.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(written.readAll()).object()
                                             : QJsonObject();
  };
  const auto tabCount = [](const QJsonObject& net) {
    return net["pages"].toArray()[0].toObject()["tabs"].toArray().size();
  };
  const QJsonObject both = netJsonOf({"--orientation", "landscape", "--tabs", "both"});
  EXPECT_EQ(both["paper"].toObject()["width_mm"].toDouble(), 297.0);
  EXPECT_GT(tabCount(both), 3);
  EXPECT_EQ(tabCount(netJsonOf({"--tabs", "one"})), 3);
  EXPECT_EQ(tabCount(netJsonOf({"--no-tabs"})), 0);
  const ProgramRun bad = runProgram({"--solid", "0", "--export-net", json, "--tabs", "three"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_TRUE(bad.err.contains(QStringLiteral("--tabs"))) << bad.err.toStdString();
}

TEST(Program, AnimationsAreWrittenWithoutADisplay) {
  QTemporaryDir dir;
  const QString gif = dir.filePath(QStringLiteral("drehung.gif"));
  const QString webp = dir.filePath(QStringLiteral("rundgang.webp"));
  EXPECT_EQ(
      runProgram({"--solid", "Ikosaeder", "--frames", "3", "--export-animation", gif}).exitCode, 0);
  EXPECT_EQ(runProgram({"--solid", "12", "--animate", "kaleidoscope", "--frames", "3",
                        "--export-animation", webp})
                .exitCode,
            0);
  QFile gifFile(gif);
  QFile webpFile(webp);
  ASSERT_TRUE(gifFile.open(QIODevice::ReadOnly));
  ASSERT_TRUE(webpFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(gifFile.readAll().startsWith("GIF89a"));
  const QByteArray riff = webpFile.readAll();
  EXPECT_TRUE(riff.startsWith("RIFF") && riff.mid(8, 4) == "WEBP");
  // Into a folder: a failed write, and the folder stays.
  const ProgramRun folder = runProgram(
      {"--solid", "1", "--frames", "2", "--export-animation", dir.path() + QStringLiteral("/")});
  EXPECT_EQ(folder.exitCode, 2) << folder.err.toStdString();  // no suffix: a usage error
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.gif")));
  const ProgramRun blocked = runProgram(
      {"--solid", "1", "--frames", "2", "--export-animation", dir.filePath("ordner.gif")});
  EXPECT_EQ(blocked.exitCode, 1);
  EXPECT_TRUE(blocked.err.contains(QStringLiteral("ordner.gif"))) << blocked.err.toStdString();
}

TEST(Program, TheMorphIntoTheDualFromTheCommandLine) {
  // The cube's path: the ends and the three solids between, by position.
  const ProgramRun stops = runProgram({"--solid", "Hexaeder", "--morph-stops"});
  ASSERT_EQ(stops.exitCode, 0) << stops.err.toStdString();
  const QStringList lines = stops.out.trimmed().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 5) << stops.out.toStdString();
  const int positions[] = {1, 8, 12, 14, 2};
  const double parameters[] = {0.0, 0.2678883, 0.5, 0.7075187, 1.0};
  for (int k = 0; k < 5; ++k) {
    const QStringList fields = lines[k].split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 3) << lines[k].toStdString();
    EXPECT_GE(fields[0].section(QLatin1Char('.'), 1).size(), 6) << "at least six decimals";
    EXPECT_NEAR(fields[0].toDouble(), parameters[k], 2e-7) << lines[k].toStdString();
    EXPECT_EQ(fields[1].toInt(), positions[k]) << lines[k].toStdString();
  }
  EXPECT_EQ(lines[2].section(QLatin1Char('\t'), 2), QStringLiteral("Kuboktaeder"));

  // Halfway the cube is a cuboctahedron: 12 vertices, 14 faces, dual listed.
  const ProgramRun half = runProgram({"--solid", "1", "--morph", "0.5", "--properties", "--json"});
  ASSERT_EQ(half.exitCode, 0) << half.err.toStdString();
  EXPECT_TRUE(half.out.contains(QStringLiteral("\"vertices\": 12, \"edges\": 24, \"faces\": 14")))
      << half.out.toStdString();
  EXPECT_TRUE(half.out.contains(QStringLiteral("\"position\": 12"))) << half.out.toStdString();
  // Between stops the solid has no place in the list.
  const ProgramRun between = runProgram({"--solid", "1", "--morph", "0.4", "--properties"});
  EXPECT_TRUE(between.out.contains(QStringLiteral("Listenplatz\tkeiner (Zwischenform)")))
      << between.out.toStdString();

  // --morph 0 is the solid itself, to the byte.
  QTemporaryDir dir;
  const QString plain = dir.filePath(QStringLiteral("plain.png"));
  const QString zero = dir.filePath(QStringLiteral("zero.png"));
  const QString deep = dir.filePath(QStringLiteral("deep.png"));
  ASSERT_EQ(runProgram({"--solid", "3", "--export-picture", plain}).exitCode, 0);
  ASSERT_EQ(runProgram({"--solid", "3", "--morph", "0", "--export-picture", zero}).exitCode, 0);
  ASSERT_EQ(runProgram({"--solid", "3", "--morph", "0.3", "--export-picture", deep}).exitCode, 0);
  EXPECT_EQ(QImage(plain), QImage(zero));
  EXPECT_NE(QImage(plain), QImage(deep));

  for (const char* bad : {"1.5", "-0.1", "x", "nan", ""}) {
    const ProgramRun run = runProgram({"--solid", "1", "--morph", bad, "--properties"});
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_TRUE(run.err.contains(QStringLiteral("--morph"))) << run.err.toStdString();
  }
  EXPECT_EQ(runProgram({"--solid", "1", "--morph", "0.3", "--view", "inkugel", "--export-picture",
                        dir.filePath(QStringLiteral("x.png"))})
                .exitCode,
            2);
  EXPECT_EQ(runProgram({"--solid", "1", "--morph", "0.3"}).exitCode, 2);
}

TEST(Program, TheJitterbugFromTheCommandLine) {
  const ProgramRun between = runProgram({"--jitterbug", "0,3", "--properties"});
  ASSERT_EQ(between.exitCode, 0) << between.err.toStdString();
  EXPECT_TRUE(between.out.contains(QStringLiteral("Jitterbug (J = 0,30)")))
      << between.out.toStdString();
  EXPECT_EQ(runProgram({"--jitterbug", "0.3", "--properties"}).out, between.out);

  // At the ends the catalogue's solids, with their counts and list positions.
  const ProgramRun end = runProgram({"--jitterbug", "1", "--properties", "--json"});
  ASSERT_EQ(end.exitCode, 0) << end.err.toStdString();
  EXPECT_TRUE(end.out.contains(QStringLiteral("\"vertices\": 6, \"edges\": 12, \"faces\": 8")))
      << end.out.toStdString();
  EXPECT_TRUE(end.out.contains(QStringLiteral("\"position\": 2"))) << end.out.toStdString();
  const ProgramRun start = runProgram({"--jitterbug", "0", "--properties", "--json"});
  EXPECT_TRUE(start.out.contains(QStringLiteral("\"vertices\": 12, \"edges\": 24, \"faces\": 14")))
      << start.out.toStdString();
  EXPECT_TRUE(start.out.contains(QStringLiteral("\"position\": 12"))) << start.out.toStdString();

  QTemporaryDir dir;
  const QString off = dir.filePath(QStringLiteral("mitte.off"));
  ASSERT_EQ(runProgram({"--jitterbug", "0.5", "--export-solid", off}).exitCode, 0);
  QFile file(off);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[0], QStringLiteral("OFF"));
  // After the comment line the counts: 12 vertices and 20 faces.
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("12 20 "))) << lines[2].toStdString();

  // The picture at J = 0 is the cuboctahedron's size and place; it changes as J grows.
  const QString zero = dir.filePath(QStringLiteral("zero.png"));
  const QString half = dir.filePath(QStringLiteral("half.png"));
  ASSERT_EQ(runProgram({"--jitterbug", "0", "--export-picture", zero}).exitCode, 0);
  ASSERT_EQ(runProgram({"--jitterbug", "0.5", "--export-picture", half}).exitCode, 0);
  EXPECT_FALSE(QImage(zero).isNull());
  EXPECT_EQ(QImage(zero).size(), QImage(half).size());
  EXPECT_NE(QImage(zero), QImage(half));
  // The turning triangles in the first tint, the faces opening between them
  // in the second (with --colour-faces too), no face in the plain green.
  const QString tinted = dir.filePath(QStringLiteral("tinted.png"));
  ASSERT_EQ(
      runProgram({"--jitterbug", "0.5", "--colour-faces", "--export-picture", tinted}).exitCode, 0);
  EXPECT_EQ(QImage(tinted), QImage(half));
  for (const QString& picture : {zero, half}) {
    const QImage image(picture);
    const std::vector<int> counts = tintedPixels(image);
    EXPECT_GT(counts[0], 1000) << picture.toStdString();
    EXPECT_GT(counts[1], 1000) << picture.toStdString();
    int green = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x)
        green += (image.pixel(x, y) | 0xFF000000u) == kLightGreen;
    }
    EXPECT_EQ(green, 0) << picture.toStdString();
  }
}

TEST(Program, ABadJitterbugJIsAUsageErrorInTheLanguageOfTheRun) {
  const ProgramRun german = runProgram({"--jitterbug", "1,5", "--properties"});
  EXPECT_EQ(german.exitCode, 2);
  EXPECT_TRUE(german.err.contains(QStringLiteral("--jitterbug: erwartet eine Zahl von 0 bis 1")))
      << german.err.toStdString();
  const ProgramRun english = runProgram({"--lang", "en", "--jitterbug", "x", "--properties"});
  EXPECT_EQ(english.exitCode, 2);
  EXPECT_TRUE(
      english.err.contains(QStringLiteral("--jitterbug: expected a number from 0 to 1, got 'x'")))
      << english.err.toStdString();
  EXPECT_EQ(runProgram({"--jitterbug", "0.5", "--solid", "3", "--properties"}).exitCode, 2);
}

TEST(Program, TheFoldingNetFromTheCommandLine) {
  QTemporaryDir dir;
  const QString solid = dir.filePath(QStringLiteral("solid.png"));
  const QString closed = dir.filePath(QStringLiteral("closed.png"));
  const QString flat = dir.filePath(QStringLiteral("flat.png"));
  ASSERT_EQ(runProgram({"--solid", "16", "--export-picture", solid}).exitCode, 0);
  ASSERT_EQ(runProgram({"--solid", "16", "--fold", "1", "--export-picture", closed}).exitCode, 0);
  const ProgramRun run =
      runProgram({"--solid", "16", "--fold", "0", "--scale", "2", "--export-picture", flat});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  // Closed, the net covers the solid's pixels (give or take the outline);
  // flat, it is another picture, at the scale asked for.
  const auto covered = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x)
        count += image.pixel(x, y) != 0xFFFFFFFFu ? 1 : 0;
    }
    return count;
  };
  const int solidPixels = covered(QImage(solid));
  EXPECT_GT(solidPixels, 10000);
  EXPECT_LT(std::abs(covered(QImage(closed)) - solidPixels), solidPixels / 50);
  EXPECT_EQ(QImage(flat).size(), QImage(solid).size() * 2);

  for (const char* bad : {"1.01", "-0.5", "halb", ""}) {
    const ProgramRun wrong = runProgram(
        {"--solid", "1", "--fold", bad, "--export-picture", dir.filePath(QStringLiteral("x.png"))});
    EXPECT_EQ(wrong.exitCode, 2) << bad;
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("--fold"))) << wrong.err.toStdString();
  }
  // Only with a picture, and without spheres or marks.
  EXPECT_EQ(runProgram({"--solid", "1", "--fold", "0.5", "--properties"}).exitCode, 2);
  EXPECT_EQ(runProgram({"--solid", "1", "--fold", "0.5", "--view", "umkugel", "--export-picture",
                        dir.filePath(QStringLiteral("x.png"))})
                .exitCode,
            2);
  EXPECT_EQ(runProgram({"--solid", "1", "--fold", "0.5", "--marks", "--export-picture",
                        dir.filePath(QStringLiteral("x.png"))})
                .exitCode,
            2);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.png"))));
}

TEST(Program, TheKaleidoscopeFromTheCommandLine) {
  // Family O: the corners, the sides and the inside make seven solids.
  const ProgramRun stops = runProgram({"--wythoff-stops", "o"});
  ASSERT_EQ(stops.exitCode, 0) << stops.err.toStdString();
  const QStringList lines = stops.out.trimmed().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 7) << stops.out.toStdString();
  QList<int> positions;
  for (const QString& line : lines) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 3) << line.toStdString();
    const QStringList weights = fields[0].split(QLatin1Char(','));
    ASSERT_EQ(weights.size(), 3) << line.toStdString();
    double sum = 0.0;
    for (const QString& w : weights) {
      EXPECT_GE(w.section(QLatin1Char('.'), 1).size(), 6) << "at least six decimals";
      sum += w.toDouble();
    }
    EXPECT_NEAR(sum, 1.0, 1e-6) << line.toStdString();
    positions << fields[1].toInt();
  }
  std::sort(positions.begin(), positions.end());
  EXPECT_EQ(positions, (QList<int>{1, 2, 8, 12, 13, 14, 16}));

  // The point in the middle of the triangle: 48 vertices, like the
  // truncated cuboctahedron but with edges of three lengths.
  const ProgramRun middle =
      runProgram({"--wythoff", "O", "--at", "1,1,1", "--properties", "--json"});
  ASSERT_EQ(middle.exitCode, 0) << middle.err.toStdString();
  EXPECT_TRUE(middle.out.contains(QStringLiteral("\"vertices\": 48, \"edges\": 72, \"faces\": 26")))
      << middle.out.toStdString();
  EXPECT_TRUE(middle.out.contains(QStringLiteral("\"position\": null")));
  // At a stop's weights the solid is that catalogue solid.
  const QString rhombi =
      lines.filter(QStringLiteral("Rhombenkuboktaeder")).front().section(QLatin1Char('\t'), 0, 0);
  const ProgramRun stop = runProgram({"--wythoff", "O", "--at", rhombi, "--properties", "--json"});
  EXPECT_TRUE(stop.out.contains(QStringLiteral("\"name\": \"Rhombenkuboktaeder\"")))
      << stop.out.toStdString();

  // Over a solid, as the window shows it: the farthest vertex as far out as
  // that solid's (the middle point's solid has all vertices alike).
  const auto circumradius = [](const QString& json) {
    const QRegularExpressionMatch found =
        QRegularExpression(QStringLiteral("\"circumradius\": ([0-9.e+-]+)")).match(json);
    return found.hasMatch() ? found.captured(1).toDouble() : -1.0;
  };
  const ProgramRun icosahedron = runProgram({"--solid", "3", "--properties", "--json"});
  const ProgramRun over =
      runProgram({"--solid", "3", "--wythoff", "O", "--at", "1,1,1", "--properties", "--json"});
  ASSERT_EQ(over.exitCode, 0) << over.err.toStdString();
  EXPECT_GT(std::abs(circumradius(icosahedron.out) - 1.0), 0.01) << "tells the two apart";
  // The catalogue carries seven digits: the farthest corner and the sphere agree to them.
  EXPECT_NEAR(circumradius(over.out), circumradius(icosahedron.out), 1e-6)
      << over.out.toStdString();
  EXPECT_NEAR(circumradius(middle.out), 1.0, 1e-9);

  for (const QStringList& bad :
       {QStringList{"--wythoff", "X", "--at", "1,1,1", "--properties"},
        QStringList{"--wythoff", "O", "--at", "1,1", "--properties"},
        QStringList{"--wythoff", "O", "--at", "0,0,0", "--properties"},
        QStringList{"--wythoff", "O", "--at", "1,x,1", "--properties"},
        QStringList{"--wythoff", "O", "--at", "1,-2,1", "--properties"},
        QStringList{"--wythoff", "O", "--properties"},
        QStringList{"--wythoff", "O", "--at", "1,1,1"}, QStringList{"--wythoff-stops", "Q"}}) {
    const ProgramRun run = runProgram(bad);
    EXPECT_EQ(run.exitCode, 2) << bad.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(run.err.isEmpty());
  }
}

TEST(Program, TheRelationsFromTheCommandLine) {
  // One line per relation: position, key, position; the same in a German
  // locale; the cube's truncation and the jitterbug's passage among them.
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  QString problem;
  ASSERT_TRUE(addGermanLocale(german, &problem)) << problem.toStdString();
  const ProgramRun run = runProgram({"--relations"}, german);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QStringList lines = run.out.trimmed().split(QLatin1Char('\n'));
  const QStringList keys = {"dual",         "truncate", "rectify",  "cantellate",
                            "omnitruncate", "snub",     "jitterbug"};
  for (const QString& line : lines) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 3) << line.toStdString();
    EXPECT_TRUE(keys.contains(fields[1])) << line.toStdString();
    for (const int k : {0, 2}) {
      bool ok = false;
      const int position = fields[k].toInt(&ok);
      EXPECT_TRUE(ok && position >= 0 && position <= 30) << line.toStdString();
    }
  }
  EXPECT_TRUE(lines.contains(QStringLiteral("1\ttruncate\t8")));
  EXPECT_TRUE(lines.contains(QStringLiteral("12\tjitterbug\t3")));
  const ProgramRun withSolid = runProgram({"--relations", "--solid", "3"});
  EXPECT_EQ(withSolid.exitCode, 2);
  EXPECT_TRUE(withSolid.err.contains(QStringLiteral("--relations"))) << withSolid.err.toStdString();
}

TEST(Program, TheJitterbugAnimationStartsFromTheCuboctahedronAlone) {
  QTemporaryDir dir;
  const QString gif = dir.filePath(QStringLiteral("jitterbug.gif"));
  const ProgramRun run = runProgram(
      {"--animate", "jitterbug", "--frames", "4", "--export-animation", gif, "--lang", "en"});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  QImageReader reader(gif);
  ASSERT_EQ(reader.imageCount(), 4);
  for (const auto& [arguments, message] :
       {std::pair{QStringList{"--solid", "3", "--animate", "jitterbug", "--export-animation", gif},
                  QStringLiteral("--animate jitterbug always starts from the cuboctahedron")},
        std::pair{
            QStringList{"--animate", "jitterbug", "--view", "inkugel", "--export-animation", gif},
            QStringLiteral("only polyeder works with --animate jitterbug")}}) {
    const ProgramRun refused = runProgram(arguments + QStringList{"--lang", "en"});
    EXPECT_EQ(refused.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(refused.err.contains(message)) << refused.err.toStdString();
  }
}

TEST(Program, TheSnubFromTheCommandLine) {
  // The stops of family O's snub, in a German locale as in the C locale:
  // the corners and sides as without --snub, inside the snub cube.
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  QString problem;
  ASSERT_TRUE(addGermanLocale(german, &problem)) << problem.toStdString();
  const ProgramRun stops = runProgram({"--wythoff-stops", "O", "--snub"}, german);
  ASSERT_EQ(stops.exitCode, 0) << stops.err.toStdString();
  QProcessEnvironment plainLocale = QProcessEnvironment::systemEnvironment();
  plainLocale.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  EXPECT_EQ(runProgram({"--wythoff-stops", "O", "--snub"}, plainLocale).out, stops.out);
  const QStringList lines = stops.out.trimmed().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 7) << stops.out.toStdString();
  const QStringList plain =
      runProgram({"--wythoff-stops", "O"}).out.trimmed().split(QLatin1Char('\n'));
  ASSERT_EQ(plain.size(), 7);
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(lines[k], plain[k]);
  const QStringList snub = lines.back().split(QLatin1Char('\t'));
  ASSERT_EQ(snub.size(), 3) << lines.back().toStdString();
  EXPECT_EQ(snub[2], QStringLiteral("Abgeschrägtes Hexaeder"));
  EXPECT_EQ(snub[1], QStringLiteral("6"));
  const QStringList weights = snub[0].split(QLatin1Char(','));
  ASSERT_EQ(weights.size(), 3) << "a point, no decimal comma: " << snub[0].toStdString();
  double sum = 0.0;
  for (const QString& w : weights) {
    bool ok = false;
    const double value = w.toDouble(&ok);
    EXPECT_TRUE(ok && value > 0.0 && value < 1.0) << w.toStdString();
    sum += value;
  }
  EXPECT_NEAR(sum, 1.0, 1e-6);

  // At the printed weights the solid is the snub cube: 24 vertices, 60
  // edges, 38 faces; near them a snub of the same counts but no stop.
  const ProgramRun atStop =
      runProgram({"--wythoff", "O", "--snub", "--at", snub[0], "--properties", "--json"}, german);
  ASSERT_EQ(atStop.exitCode, 0) << atStop.err.toStdString();
  EXPECT_TRUE(atStop.out.contains(QStringLiteral("\"name\": \"Abgeschrägtes Hexaeder\"")))
      << atStop.out.toStdString();
  EXPECT_TRUE(atStop.out.contains(QStringLiteral("\"vertices\": 24, \"edges\": 60, \"faces\": 38")))
      << atStop.out.toStdString();
  const ProgramRun between =
      runProgram({"--wythoff", "O", "--snub", "--at", "1,2,3", "--properties", "--json"});
  EXPECT_TRUE(
      between.out.contains(QStringLiteral("\"vertices\": 24, \"edges\": 60, \"faces\": 38")))
      << between.out.toStdString();
  EXPECT_TRUE(between.out.contains(QStringLiteral("\"position\": null")));

  // The exports of one solid and the tour take it.
  QTemporaryDir dir;
  const QString off = dir.filePath(QStringLiteral("snub.off"));
  ASSERT_EQ(
      runProgram({"--wythoff", "I", "--snub", "--at", "1,2,3", "--export-solid", off}).exitCode, 0);
  QFile file(off);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QString counts = QString::fromUtf8(file.readLine());  // OFF, then comments, then the counts
  while (!file.atEnd() && (counts.startsWith(QStringLiteral("OFF")) || counts.startsWith('#')))
    counts = QString::fromUtf8(file.readLine());
  EXPECT_TRUE(counts.startsWith(QStringLiteral("60 92 "))) << counts.toStdString();
  const QString png = dir.filePath(QStringLiteral("snub.png"));
  EXPECT_EQ(
      runProgram({"--wythoff", "I", "--snub", "--at", "1,2,3", "--export-picture", png}).exitCode,
      0);
  EXPECT_FALSE(QImage(png).isNull());
  const QString gif = dir.filePath(QStringLiteral("tour.gif"));
  EXPECT_EQ(runProgram({"--solid", "1", "--snub", "--animate", "kaleidoscope", "--frames", "3",
                        "--export-animation", gif})
                .exitCode,
            0);
  EXPECT_TRUE(QFile::exists(gif));

  // The mirror form: the same counts, the other hand, and only with --snub.
  const ProgramRun mirrored = runProgram(
      {"--wythoff", "O", "--snub", "--mirror", "--at", "1,2,3", "--properties", "--json"});
  ASSERT_EQ(mirrored.exitCode, 0) << mirrored.err.toStdString();
  EXPECT_TRUE(mirrored.out.contains(QStringLiteral("gespiegelt"))) << mirrored.out.toStdString();
  EXPECT_FALSE(between.out.contains(QStringLiteral("gespiegelt")));
  const QString plainPng = dir.filePath(QStringLiteral("plain.png"));
  const QString mirrorPng = dir.filePath(QStringLiteral("mirror.png"));
  ASSERT_EQ(runProgram({"--wythoff", "O", "--snub", "--at", "1,2,3", "--export-picture", plainPng})
                .exitCode,
            0);
  ASSERT_EQ(runProgram({"--wythoff", "O", "--snub", "--mirror", "--at", "1,2,3", "--export-picture",
                        mirrorPng})
                .exitCode,
            0);
  EXPECT_NE(QImage(plainPng), QImage(mirrorPng));
  const ProgramRun mirrorAlone =
      runProgram({"--wythoff", "O", "--mirror", "--at", "1,2,3", "--properties"});
  EXPECT_EQ(mirrorAlone.exitCode, 2);
  EXPECT_TRUE(mirrorAlone.err.contains(QStringLiteral("--snub"))) << mirrorAlone.err.toStdString();

  for (const QStringList& bad :
       {QStringList{"--snub"}, QStringList{"--solid", "3", "--snub", "--properties"},
        QStringList{"--jitterbug", "0.5", "--snub", "--properties"},
        QStringList{"--solid", "3", "--snub", "--animate", "morph", "--export-animation", gif}}) {
    const ProgramRun run = runProgram(bad);
    EXPECT_EQ(run.exitCode, 2) << bad.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--snub"))) << run.err.toStdString();
  }
}

TEST(Program, AFileThatCannotBeWrittenExitsWithOneAndLeavesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
  const ProgramRun folder =
      runProgram({"--solid", "3", "--export-picture", dir.filePath(QStringLiteral("folder.png"))});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_TRUE(folder.err.contains(QStringLiteral("lässt sich nicht schreiben")))
      << folder.err.toStdString();
  EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.png"))).isDir());

  const ProgramRun missing = runProgram(
      {"--solid", "3", "--export-solid", dir.filePath(QStringLiteral("no/such/dir/a.off"))});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

// The bytes of a written file; PDF dates and document ids, which differ from
// run to run, are cut out.
QByteArray comparableBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  if (path.endsWith(QStringLiteral(".pdf"))) {
    static const QRegularExpression kVarying(
        QStringLiteral(R"(/(CreationDate|ModDate) \([^)]*\)|/ID \[[^\]]*\])"));
    bytes = QString::fromLatin1(bytes).remove(kVarying).toLatin1();
  }
  return bytes;
}

// Every file for other programs, and the JSON on the terminal, is the same
// under a German locale (decimal comma) as under the C locale.
TEST(Program, ExportsDoNotDependOnTheLocale) {
  QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
  plain.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  QString error;
  ASSERT_TRUE(addGermanLocale(german, &error)) << error.toStdString();
  // The locale is really in force in the child: its printf writes a comma.
  QProcess printfRun;
  printfRun.setProcessEnvironment(german);
  printfRun.start(QStringLiteral("/usr/bin/printf"),
                  {QStringLiteral("%.1f"), QStringLiteral("1.5")});
  ASSERT_TRUE(printfRun.waitForFinished(10000));
  ASSERT_EQ(printfRun.readAllStandardOutput(), QByteArray("1,5"));

  QTemporaryDir dir;
  const QList<QStringList> exports = {
      {"--solid", "Oktaederstumpf", "--export-net", "net.json"},
      {"--solid", "Oktaederstumpf", "--export-net", "net.svg"},
      {"--solid", "Oktaederstumpf", "--edge-mm", "30.5", "--export-net", "net.pdf"},
      {"--solid", "Ikosaeder", "--size-mm", "61.5", "--export-solid", "solid.obj"},
      {"--solid", "Ikosaeder", "--export-solid", "solid.off"},
      {"--solid", "Ikosaeder", "--export-solid", "solid.stl"},
      {"--solid", "Ikosaeder", "--view", "umkugel", "--export-picture", "picture.png"},
  };
  for (QStringList arguments : exports) {
    const QString name = arguments.takeLast();
    const QString option = arguments.takeLast();
    QByteArray written[2];
    for (int run = 0; run < 2; ++run) {
      const QString path = dir.filePath(QString::number(run) + name);
      const ProgramRun result =
          runProgram(arguments + QStringList{option, path}, run ? german : plain);
      EXPECT_EQ(result.exitCode, 0) << name.toStdString() << ": " << result.err.toStdString();
      written[run] = comparableBytes(path);
    }
    EXPECT_FALSE(written[0].isEmpty()) << name.toStdString();
    EXPECT_EQ(written[0], written[1]) << name.toStdString() << " differs under a German locale";
    if (name.endsWith(QStringLiteral(".json"))) {
      QJsonParseError parse;
      QJsonDocument::fromJson(written[1], &parse);
      EXPECT_EQ(parse.error, QJsonParseError::NoError) << parse.errorString().toStdString();
    }
  }
  const ProgramRun json = runProgram({"--solid", "Kuboktaeder", "--properties", "--json"}, german);
  EXPECT_EQ(json.out, runProgram({"--solid", "Kuboktaeder", "--properties", "--json"}, plain).out);
  QJsonParseError parse;
  QJsonDocument::fromJson(json.out.toUtf8(), &parse);
  EXPECT_EQ(parse.error, QJsonParseError::NoError) << parse.errorString().toStdString();
}

// German is the language unless --lang says otherwise, whatever the locale;
// English pages take the decimal point even under a German locale, and
// files for programs do not change with the language.
TEST(Program, TheLanguageComesFromLangNotFromTheLocale) {
  QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
  english.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  english.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  QString error;
  ASSERT_TRUE(addGermanLocale(german, &error)) << error.toStdString();

  const ProgramRun plain = runProgram({"--solid", "1", "--properties"}, english);
  EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
  EXPECT_TRUE(plain.out.contains(QStringLiteral("Name\tHexaeder, Würfel\n")));
  EXPECT_TRUE(plain.out.contains(QStringLiteral("Mittelkugelradius\t0,707107\n")));

  const ProgramRun en = runProgram({"--solid", "1", "--properties", "--lang", "en"}, german);
  EXPECT_EQ(en.exitCode, 0) << en.err.toStdString();
  for (const char* row :
       {"Name\tCube\n", "Family\tPlatonic solid\n", "Vertices\t8\n", "Face kinds\t6 squares\n",
        "Dual solid\tOctahedron\n", "Midradius\t0.707107\n"}) {
    EXPECT_TRUE(en.out.contains(QString::fromUtf8(row))) << row << " missing in\n"
                                                         << en.out.toStdString();
  }
  EXPECT_FALSE(en.out.contains(QRegularExpression(QStringLiteral("[äöüßÄÖÜ]"))))
      << en.out.toStdString();

  const QStringList json = {"--solid", "Kuboktaederstumpf", "--properties", "--json"};
  EXPECT_EQ(runProgram(json + QStringList{"--lang", "en"}, german).out,
            runProgram(json, english).out);

  const ProgramRun bad = runProgram({"--solid", "1", "--properties", "--lang", "fr"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_TRUE(bad.err.contains(QStringLiteral("„fr“"))) << bad.err.toStdString();
}

// English names pick solids as the German ones do, and numbers may carry the
// decimal comma that German users type.
TEST(Program, EnglishNamesAndDecimalCommasAreAccepted) {
  for (const auto& [name, german] :
       {std::pair{"disdyakis TRIACONTAHEDRON", "Disdyakistriakontaeder"},
        std::pair{"Cube", "Hexaeder, Würfel"}, std::pair{"snub cube", "Abgeschrägtes Hexaeder"}}) {
    const ProgramRun run = runProgram({"--solid", name, "--properties"});
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Name\t") + QString::fromUtf8(german) +
                                   QLatin1Char('\n')))
        << name << ": " << run.out.left(60).toStdString();
  }

  const QStringList morph = {"--solid", "Hexaeder", "--properties", "--json", "--morph"};
  const ProgramRun point = runProgram(morph + QStringList{"0.3"});
  EXPECT_EQ(point.exitCode, 0);
  EXPECT_EQ(runProgram(morph + QStringList{"0,3"}).out, point.out);

  QTemporaryDir dir;
  QByteArray stl[2];
  for (const char* size : {"40.5", "40,5"}) {
    const QString path = dir.filePath(QString::fromLatin1(size) + QStringLiteral(".stl"));
    const ProgramRun run = runProgram({"--solid", "3", "--size-mm", size, "--export-solid", path});
    EXPECT_EQ(run.exitCode, 0) << size << ": " << run.err.toStdString();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    stl[size[2] == ','] = file.readAll();
  }
  EXPECT_FALSE(stl[0].isEmpty());
  EXPECT_EQ(stl[0], stl[1]);
  // A comma is a decimal mark only once and never beside a point.
  for (const char* bad : {"1,000,5", "1.000,5"}) {
    EXPECT_EQ(runProgram({"--solid", "3", "--size-mm", bad, "--export-solid",
                          dir.filePath(QStringLiteral("x.stl"))})
                  .exitCode,
              2)
        << bad;
  }
}

TEST(Program, AFileSizeLimitExitsWithOneAndLeavesTheOldFile) {
  // The icosahedron's binary STL (about 3 kB) fits the file's write buffer,
  // so with 512 bytes allowed it fails only in the final flush.
  QTemporaryDir dir;
  const QString fresh = dir.filePath(QStringLiteral("fresh.stl"));
  const ProgramRun run = runProgram({"--solid", "3", "--export-solid", fresh},
                                    QProcessEnvironment::systemEnvironment(), 512);
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("lässt sich nicht schreiben")))
      << run.err.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "");

  const QString existing = dir.filePath(QStringLiteral("existing.stl"));
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  EXPECT_EQ(runProgram({"--solid", "3", "--export-solid", existing},
                       QProcessEnvironment::systemEnvironment(), 512)
                .exitCode,
            1);
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().left(20).toStdString(), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(),
            "existing.stl");

  // Without the limit the same export is written, larger than the limit.
  EXPECT_EQ(runProgram({"--solid", "3", "--export-solid", fresh}).exitCode, 0);
  EXPECT_GT(QFileInfo(fresh).size(), 512);
}

}  // namespace
}  // namespace velkora::test

namespace velkora::test {
namespace {

// The run speaks one language from its first line to its last: German
// without --lang, English with --lang en, in help, usage errors and failed
// writes alike, whatever the locale.
TEST(Program, EachRunSpeaksOneLanguage) {
  QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
  plain.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
  QString error;
  ASSERT_TRUE(addGermanLocale(german, &error)) << error.toStdString();
  const QRegularExpression kGermanWords(
      QStringLiteral("[äöüß]|Aufruf|Optionen|Zeigt|Datei|Verzeichnis|nicht|braucht|unbekannt"));
  const QRegularExpression kEnglishWords(
      QStringLiteral("Usage|Options|Displays|cannot|only works|unknown|needs|The solid"));
  for (const QProcessEnvironment& environment : {plain, german}) {
    const ProgramRun help = runProgram({"--help"}, environment);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf: korvelindra [Optionen]\n")))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--solid <KÖRPER>")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("Der Körper: Listenplatz 0-30")));
    EXPECT_FALSE(help.out.contains(kEnglishWords)) << help.out.toStdString();
    const ProgramRun englishHelp = runProgram({"--help", "--lang", "en"}, environment);
    EXPECT_TRUE(englishHelp.out.startsWith(QStringLiteral("Usage: korvelindra [options]\n")))
        << englishHelp.out.toStdString();
    EXPECT_TRUE(englishHelp.out.contains(QStringLiteral("--solid <SOLID>")));
    EXPECT_TRUE(englishHelp.out.contains(QStringLiteral("The solid: list position 0-30")));
    EXPECT_FALSE(englishHelp.out.contains(kGermanWords)) << englishHelp.out.toStdString();

    for (const QStringList& wrong :
         {QStringList{"--solid", "Kugel", "--properties"}, QStringList{"--frobnicate"},
          QStringList{"--solid", "3", "--json"}, QStringList{"--solid", "3", "--marks", "stray"}}) {
      const ProgramRun inGerman = runProgram(wrong, environment);
      EXPECT_EQ(inGerman.exitCode, 2);
      EXPECT_TRUE(
          inGerman.err.endsWith(QStringLiteral("Die Optionen nennt 'korvelindra --help'.\n")))
          << inGerman.err.toStdString();
      EXPECT_FALSE(inGerman.err.contains(kEnglishWords)) << inGerman.err.toStdString();
      const ProgramRun inEnglish = runProgram(wrong + QStringList{"--lang", "en"}, environment);
      EXPECT_EQ(inEnglish.exitCode, 2);
      EXPECT_TRUE(
          inEnglish.err.endsWith(QStringLiteral("Try 'korvelindra --help' for the options.\n")))
          << inEnglish.err.toStdString();
      EXPECT_FALSE(inEnglish.err.contains(kGermanWords)) << inEnglish.err.toStdString();
    }
    EXPECT_EQ(runProgram({"--solid", "Kugel", "--lang", "en"}, environment).err,
              QStringLiteral("korvelindra: --solid: unknown solid 'Kugel' (a list position 0-30 "
                             "or a name such as Ikosaeder or Icosahedron)\n"
                             "Try 'korvelindra --help' for the options.\n"));

    const QStringList unwritable = {"--solid", "3", "--export-solid", "/proc/x.stl"};
    const ProgramRun inGerman = runProgram(unwritable, environment);
    EXPECT_EQ(inGerman.exitCode, 1);
    EXPECT_TRUE(inGerman.err.startsWith(
        QStringLiteral("korvelindra: /proc/x.stl lässt sich nicht schreiben: ")))
        << inGerman.err.toStdString();
    const ProgramRun inEnglish = runProgram(unwritable + QStringList{"--lang", "en"}, environment);
    EXPECT_EQ(inEnglish.exitCode, 1);
    EXPECT_TRUE(inEnglish.err.startsWith(QStringLiteral("korvelindra: cannot write /proc/x.stl: ")))
        << inEnglish.err.toStdString();
    EXPECT_FALSE(inEnglish.err.contains(kGermanWords)) << inEnglish.err.toStdString();
  }
}

// A headless run prints what it was asked for and nothing else, even where
// Qt has something to say about the environment (no runtime folder for root).
TEST(Program, AHeadlessRunPrintsNothingUnasked) {
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  bare.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  QTemporaryDir dir;
  for (const QStringList& arguments :
       {QStringList{"--solid", "1", "--properties"},
        QStringList{"--solid", "3", "--export-picture", dir.filePath(QStringLiteral("a.png"))},
        QStringList{"--solid", "3", "--export-sheet", dir.filePath(QStringLiteral("a.pdf"))},
        QStringList{"--solid", "3", "--export-net", dir.filePath(QStringLiteral("n.svg"))},
        QStringList{"--version"}}) {
    const ProgramRun run = runProgram(arguments, bare);
    EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.err, QString()) << arguments.join(' ').toStdString();
  }
}

// Every printing action runs without a display: the program decides that it
// needs no window from the same table the options are read from.
TEST(Program, EveryPrintingActionRunsWithoutADisplay) {
  for (const QStringList& arguments :
       {QStringList{"--jitterbug-stops"}, QStringList{"--relations"},
        QStringList{"--solid", "1", "--morph-stops"}, QStringList{"--wythoff-stops", "T"},
        QStringList{"--solid", "1", "--properties"},
        QStringList{"--jitterbug", "0.5", "--properties", "--json"}}) {
    const ProgramRun run = runProgram(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments.join(QLatin1Char(' ')).toStdString() << "\n"
                               << run.err.toStdString();
    EXPECT_FALSE(run.out.isEmpty()) << arguments.join(QLatin1Char(' ')).toStdString();
  }
  EXPECT_EQ(runProgram({"--jitterbug-stops"}).out.count(QLatin1Char('\n')), 3);
  EXPECT_TRUE(asksForNoWindow({QStringLiteral("--export-picture=bild.png")}));
  EXPECT_FALSE(asksForNoWindow({QStringLiteral("--solid"), QStringLiteral("3"),
                                QStringLiteral("--view"), QStringLiteral("umkugel")}));
}

}  // namespace
}  // namespace velkora::test
