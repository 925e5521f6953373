#include "ui/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

#include "ui/settings_store.h"

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

void openInRememberedFolder(QFileDialog& dialog, const DialogChoices* remembered, const char* key) {
  if (remembered == nullptr) return;
  const auto found = remembered->folders.find(QLatin1String(key));
  if (found != remembered->folders.end() && QFileInfo(found->second).isDir()) {
    dialog.setDirectory(found->second);
  }
}

void rememberFolder(DialogChoices* remembered, const char* key, const QString& file) {
  if (remembered == nullptr) return;
  const QFileInfo info(file);
  if (info.absoluteDir().exists()) {
    remembered->folders[QLatin1String(key)] = info.absoluteDir().absolutePath();
  }
}

QString suggestedName(const QString& name, const QString& suffix) {
  QString base = name.section(QLatin1Char(','), 0, 0).trimmed();
  base.replace(QLatin1Char(' '), QLatin1Char('_'));
  return (base.isEmpty() ? QStringLiteral("korvelindra") : base) + QLatin1Char('.') + suffix;
}

}  // namespace velkora
