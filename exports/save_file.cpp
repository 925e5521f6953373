#include "exports/save_file.h"

#include <utility>

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

namespace velkora {

namespace {

// The reason for the window's message, in the language in use. The reasons
// come from the system in English (Qt's file errors); the common ones are
// said in the program's words, any other is quoted as the system gave it.
QString shownReason(const QString& reason) {
  static const std::pair<const char*, const char*> kKnown[] = {
      {"No space left on device",
       QT_TRANSLATE_NOOP("SaveFile", "kein Platz mehr auf dem Datenträger")},
      {"Disk quota exceeded",
       QT_TRANSLATE_NOOP("SaveFile", "das Speicherkontingent ist erschöpft")},
      {"Permission denied", QT_TRANSLATE_NOOP("SaveFile", "keine Berechtigung")},
      {"Operation not permitted", QT_TRANSLATE_NOOP("SaveFile", "nicht erlaubt")},
      {"Read-only file system",
       QT_TRANSLATE_NOOP("SaveFile", "das Dateisystem ist schreibgeschützt")},
      {"No such file or directory", QT_TRANSLATE_NOOP("SaveFile", "der Ordner existiert nicht")},
      {"Is a directory", QT_TRANSLATE_NOOP("SaveFile", "an dieser Stelle liegt ein Ordner")},
      {"File name too long", QT_TRANSLATE_NOOP("SaveFile", "der Dateiname ist zu lang")},
      {"No file name", QT_TRANSLATE_NOOP("SaveFile", "kein Dateiname")},
  };
  for (const auto& [system, words] : kKnown) {
    if (reason.compare(QLatin1String(system), Qt::CaseInsensitive) == 0) {
      return QCoreApplication::translate("SaveFile", words);
    }
  }
  return QCoreApplication::translate("SaveFile", "Meldung des Systems „%1“").arg(reason);
}

}  // namespace

EWriteError::EWriteError(const QString& path, const QString& reason)
    : Error(QCoreApplication::translate("SaveFile",
                                        "Die Datei %1 konnte nicht geschrieben werden: %2")
                .arg(path, shownReason(reason))
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
