#include "ui/save_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace velkora {

void setUpSaveDialog(QFileDialog& dialog, const QString& title, const QStringList& filters,
                     const QString& suffix) {
  dialog.setWindowTitle(title);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(suffix);
}

bool addDialogRow(QFileDialog& dialog, const QString& label, QWidget* field) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (grid == nullptr) return false;
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(label, &dialog), row, 0);
  grid->addWidget(field, row, 1);
  return true;
}

QString suggestedName(const QString& name, const QString& suffix) {
  QString base = name.section(QLatin1Char(','), 0, 0).trimmed();
  base.replace(QLatin1Char(' '), QLatin1Char('_'));
  return (base.isEmpty() ? QStringLiteral("korvelindra") : base) + QLatin1Char('.') + suffix;
}

}  // namespace velkora
