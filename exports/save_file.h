#pragma once
// Writing a whole file in one step through QSaveFile: the bytes go to a
// temporary file beside the target, which replaces the target only when
// everything was written. A failure leaves no partial file and an existing
// file untouched, and raises EWriteError with the path and the reason.
// The error's message is German (for the window); reason() is the system's
// own text (for the command line's English messages).

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include "base/errors.h"

namespace velkora {

class EWriteError : public Error {
 public:
  EWriteError(const QString& path, const QString& reason);
  const QString& path() const { return path_; }
  const QString& reason() const { return reason_; }

 private:
  QString path_;
  QString reason_;
};

// Writes bytes to path atomically. Throws EWriteError.
void saveFileAtomically(const QString& path, const QByteArray& bytes);

// The same through a given save file (already named, not yet open); the seam
// that lets a test stand in a file whose writes fail.
void saveThrough(QSaveFile& file, const QByteArray& bytes);

}  // namespace velkora
