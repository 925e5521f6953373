#include "output/save_file.h"

#include <utility>

#include <QFileInfo>

#include <cerrno>

namespace velkora {

namespace {

// The reason in German for the window's message. The reasons come from the
// system in English (Qt's file errors); the common ones are said in German,
// any other is quoted as the system gave it.
QString germanReason(const QString& reason) {
  static const std::pair<const char*, const char*> kKnown[] = {
      {"No space left on device", "kein Platz mehr auf dem Datenträger"},
      {"Disk quota exceeded", "das Speicherkontingent ist erschöpft"},
      {"Permission denied", "keine Berechtigung"},
      {"Operation not permitted", "nicht erlaubt"},
      {"Read-only file system", "das Dateisystem ist schreibgeschützt"},
      {"No such file or directory", "der Ordner existiert nicht"},
      {"Is a directory", "an dieser Stelle liegt ein Ordner"},
      {"File name too long", "der Dateiname ist zu lang"},
      {"No file name", "kein Dateiname"},
  };
  for (const auto& [system, german] : kKnown) {
    if (reason.compare(QLatin1String(system), Qt::CaseInsensitive) == 0) {
      return QString::fromUtf8(german);
    }
  }
  return QStringLiteral("Meldung des Systems „%1“").arg(reason);
}

}  // namespace

EWriteError::EWriteError(const QString& path, const QString& reason)
    : Error(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                .arg(path, germanReason(reason))
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
    throw EWriteError(path, QStringLiteral("No file name"));
  }
  QSaveFile file(path);
  saveThrough(file, bytes);
}

}  // namespace velkora
