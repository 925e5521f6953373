// Atomic file writes: success replaces the file whole; every failure leaves
// no partial file, keeps an existing file and names the path and reason.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "output/save_file.h"

namespace velkora::test {
namespace {

QByteArray contents(const QString& path) {
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
  EXPECT_EQ(contents(existing_), QByteArray("old contents"));
  saveFileAtomically(existing_, "new");
  EXPECT_EQ(contents(existing_), QByteArray("new"));
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
  EXPECT_EQ(contents(existing_), QByteArray("old contents"));
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

}  // namespace
}  // namespace velkora::test
