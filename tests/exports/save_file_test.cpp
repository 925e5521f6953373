// Atomic file writes: success replaces the file whole; every failure leaves
// no partial file, keeps an existing file and names the path and reason.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include "exports/save_file.h"

namespace velkora::test {
namespace {

QByteArray fileContents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A save file whose writes fail after a few bytes, as on a full disk.
class FullDiskFile : public QSaveFile {
 public:
  using QSaveFile::QSaveFile;

 protected:
  qint64 writeData(const char* data, qint64 length) override {
    if (written_ + length > 4) {
      setErrorString(QStringLiteral("No space left on device"));
      return -1;
    }
    written_ += length;
    return QSaveFile::writeData(data, length);
  }

 private:
  qint64 written_ = 0;
};

// A save file whose folder is moved elsewhere while it is written, so that
// every write succeeds and only the final rename onto the target can fail.
class MovedFolderFile : public QSaveFile {
 public:
  MovedFolderFile(const QString& path, QString folder, QString movedTo)
      : QSaveFile(path), folder_(std::move(folder)), movedTo_(std::move(movedTo)) {}

 protected:
  qint64 writeData(const char* data, qint64 length) override {
    if (!moved_) moved_ = QDir().rename(folder_, movedTo_);
    return QSaveFile::writeData(data, length);
  }

 private:
  QString folder_;
  QString movedTo_;
  bool moved_ = false;
};

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    existing_ = dir_.filePath(QStringLiteral("existing.bin"));
    saveFileAtomically(existing_, "old contents");
  }
  QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir dir_;
  QString existing_;
};

TEST_F(SaveFileTest, AWriteReplacesTheWholeFile) {
  EXPECT_EQ(fileContents(existing_), QByteArray("old contents"));
  saveFileAtomically(existing_, "new");
  EXPECT_EQ(fileContents(existing_), QByteArray("new"));
  EXPECT_EQ(files(), QStringList{QStringLiteral("existing.bin")});
}

TEST_F(SaveFileTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
  FullDiskFile file(existing_);
  try {
    saveThrough(file, QByteArray(1000, 'x'));
    FAIL() << "no error";
  } catch (const EWriteError& error) {
    EXPECT_EQ(error.path(), existing_);
    EXPECT_EQ(error.reason(), QStringLiteral("No space left on device"));
    // The window's message says it in German only, path and reason included.
    EXPECT_EQ(QString::fromUtf8(error.what()),
              QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: kein Platz mehr auf "
                             "dem Datenträger")
                  .arg(existing_));
  }
  EXPECT_EQ(fileContents(existing_), QByteArray("old contents"));
  EXPECT_EQ(files(), QStringList{QStringLiteral("existing.bin")});
}

TEST_F(SaveFileTest, AFolderANonWritablePlaceAndNoNameAreRefused) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
  const QString folder = dir_.filePath(QStringLiteral("folder"));
  try {
    saveFileAtomically(folder, "x");
    ADD_FAILURE() << "a folder was accepted";
  } catch (const EWriteError& error) {
    EXPECT_TRUE(QString::fromUtf8(error.what())
                    .endsWith(QStringLiteral(": an dieser Stelle liegt ein Ordner")))
        << error.what();
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
  // /proc takes no new files, whoever runs the test.
  EXPECT_THROW(saveFileAtomically(QStringLiteral("/proc/korvelindra-save-test"), "x"), EWriteError);
  EXPECT_THROW(saveFileAtomically(dir_.filePath(QStringLiteral("missing/dir/file")), "x"),
               EWriteError);
  EXPECT_THROW(saveFileAtomically(QString(), "x"), EWriteError);
  EXPECT_EQ(files(), QStringList{QStringLiteral("existing.bin")});
}

TEST_F(SaveFileTest, AFailedFinalRenameIsReported) {
  const QString folder = dir_.filePath(QStringLiteral("folder"));
  const QString movedTo = dir_.filePath(QStringLiteral("moved"));
  ASSERT_TRUE(QDir().mkdir(folder));
  MovedFolderFile file(folder + QStringLiteral("/target.bin"), folder, movedTo);
  EXPECT_THROW(saveThrough(file, QByteArray(100, 'x')), EWriteError);
  ASSERT_TRUE(QFileInfo(movedTo).isDir()) << "the folder was not moved";
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_EQ(QDir(movedTo).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "");
}

// What saveFileAtomically did in a child process whose files may not grow
// beyond limit bytes (SIGXFSZ ignored, so the write fails with EFBIG).
enum class ChildOutcome { Reported, Returned, OtherError, Crashed };

ChildOutcome saveWithFileSizeLimit(const QString& path, const QByteArray& bytes, rlim_t limit) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit small{limit, limit};
    std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) _exit(3);
    try {
      saveFileAtomically(path, bytes);
    } catch (const EWriteError&) {
      _exit(0);
    } catch (...) {
      _exit(2);
    }
    _exit(1);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
    return ChildOutcome::Crashed;
  }
  switch (WEXITSTATUS(status)) {
    case 0:
      return ChildOutcome::Reported;
    case 1:
      return ChildOutcome::Returned;
    default:
      return ChildOutcome::OtherError;
  }
}

const char* outcomeText(ChildOutcome outcome) {
  switch (outcome) {
    case ChildOutcome::Reported:
      return "failure reported";
    case ChildOutcome::Returned:
      return "returned as if written";
    case ChildOutcome::OtherError:
      return "another error";
    case ChildOutcome::Crashed:
      return "crashed";
  }
  return "?";
}

// Writes that fail for the file size limit: 10 kB stay in the file's write
// buffer until the final flush in commit(), 100 kB fail in write() itself.
// Either way the failure is reported, no file or temporary file is left, and
// an existing file keeps its contents.
TEST_F(SaveFileTest, AFileSizeLimitFailsTheWriteOrTheFinalFlushAndLeavesNothing) {
  constexpr rlim_t kLimit = 4096;
  for (const qsizetype size : {qsizetype{10'000}, qsizetype{100'000}}) {
    const QByteArray bytes(size, 'x');
    const QString fresh = dir_.filePath(QStringLiteral("fresh.bin"));
    ChildOutcome outcome = saveWithFileSizeLimit(fresh, bytes, kLimit);
    EXPECT_EQ(outcome, ChildOutcome::Reported) << size << " bytes: " << outcomeText(outcome);
    EXPECT_EQ(files().join(' ').toStdString(), "existing.bin") << size << " bytes";

    outcome = saveWithFileSizeLimit(existing_, bytes, kLimit);
    EXPECT_EQ(outcome, ChildOutcome::Reported) << size << " bytes: " << outcomeText(outcome);
    EXPECT_EQ(fileContents(existing_).left(20).toStdString(), "old contents") << size << " bytes";
    EXPECT_EQ(files().join(' ').toStdString(), "existing.bin") << size << " bytes";
  }
  // Below the limit the same child writes the file.
  const QString small = dir_.filePath(QStringLiteral("small.bin"));
  EXPECT_EQ(saveWithFileSizeLimit(small, QByteArray(1000, 'y'), kLimit), ChildOutcome::Returned);
  EXPECT_EQ(fileContents(small), QByteArray(1000, 'y'));
}

}  // namespace
}  // namespace velkora::test
