#include "output/save_file.h"

#include <QFileInfo>

#include <cerrno>

namespace velkora {

EWriteError::EWriteError(const QString& path, const QString& reason)
    : Error(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                .arg(path, reason)
                .toStdString()),
      path_(path),
      reason_(reason) {}

void saveThrough(QSaveFile& file, const QByteArray& bytes) {
  const QString path = file.fileName();
  // A folder of that name would be replaced by the rename at the end; refuse it first.
  if (QFileInfo(path).isDir()) {
    throw EWriteError(path, QStringLiteral("Is a directory"));
  }
  if (!file.open(QIODevice::WriteOnly)) {
    throw EWriteError(path, file.errorString());
  }
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw EWriteError(path, reason);
  }
  // Flush before commit(): when the last buffered bytes fail to reach the
  // disk there (a full disk, a file size limit), commit() still renames the
  // short temporary file over the target and reports success.
  errno = 0;
  if (!file.flush()) {
    const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
    file.cancelWriting();
    throw EWriteError(path, reason);
  }
  if (!file.commit()) {
    throw EWriteError(path, file.errorString());
  }
}

void saveFileAtomically(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) {
    throw EWriteError(path, QStringLiteral("kein Dateiname"));
  }
  QSaveFile file(path);
  saveThrough(file, bytes);
}

}  // namespace velkora
