// The real program on the command line, with no display: exit codes, what
// it prints, and the files it writes or, on failure, leaves alone.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace velkora::test {
namespace {

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs the program without DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM; with
// a file size limit (bytes, SIGXFSZ ignored) when fileSizeLimit is not 0.
ProgramRun runProgram(const QStringList& arguments, rlim_t fileSizeLimit = 0) {
  QProcess process;
  if (fileSizeLimit != 0) {
    process.setChildProcessModifier([fileSizeLimit] {
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      std::signal(SIGXFSZ, SIG_IGN);
      setrlimit(RLIMIT_FSIZE, &limit);
    });
  }
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

TEST(Program, AFileSizeLimitExitsWithOneAndLeavesTheOldFile) {
  // The icosahedron's binary STL (about 3 kB) fits the file's write buffer,
  // so with 512 bytes allowed it fails only in the final flush.
  QTemporaryDir dir;
  const QString fresh = dir.filePath(QStringLiteral("fresh.stl"));
  const ProgramRun run = runProgram({"--solid", "3", "--export-solid", fresh}, 512);
  EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(QStringLiteral("cannot write"))) << run.err.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "");

  const QString existing = dir.filePath(QStringLiteral("existing.stl"));
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  EXPECT_EQ(runProgram({"--solid", "3", "--export-solid", existing}, 512).exitCode, 1);
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
