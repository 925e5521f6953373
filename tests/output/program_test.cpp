// The real program on the command line, with no display: exit codes, what
// it prints, and the files it writes or, on failure, leaves alone.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace velkora::test {
namespace {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs the program without DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
ProgramRun runProgram(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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
}

TEST(Program, AFileThatCannotBeWrittenExitsWithOneAndLeavesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
  const ProgramRun folder =
      runProgram({"--solid", "3", "--export-picture", dir.filePath(QStringLiteral("folder.png"))});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_TRUE(folder.err.contains(QStringLiteral("cannot write"))) << folder.err.toStdString();
  EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.png"))).isDir());

  const ProgramRun missing = runProgram(
      {"--solid", "3", "--export-solid", dir.filePath(QStringLiteral("no/such/dir/a.off"))});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

}  // namespace
}  // namespace velkora::test
