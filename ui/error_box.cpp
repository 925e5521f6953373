#include "ui/error_box.h"

#include <cstdio>

#include <QMessageBox>

namespace velkora {

QString errorText(const std::exception& error) {
  return QString::fromUtf8(error.what()) + QLatin1Char('.');
}

QString internalErrorText(const char* what) {
  return QStringLiteral("Interner Fehler: %1.").arg(QString::fromUtf8(what));
}

void reportInternalError(const char* what) {
  std::fprintf(stderr, "korvelindra: internal error: %s\n", what);
}

void showErrorBox(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle), text);
}

}  // namespace velkora
