#include "ui/error_box.h"

#include <QMessageBox>

namespace velkora {

QString errorText(const std::exception& error) {
  return QString::fromUtf8(error.what()) + QLatin1Char('.');
}

void showErrorBox(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle), text);
}

}  // namespace velkora
