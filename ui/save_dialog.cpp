#include "ui/save_dialog.h"

#include <QCoreApplication>
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
  describeSaveDialog(dialog, title);
}

void describeSaveDialog(QWidget& dialog, const QString& title) {
  dialog.setAccessibleName(title);
  dialog.setAccessibleDescription(QCoreApplication::translate(
      "SaveDialog", "Wählt Ordner und Dateinamen zum Speichern; darunter die Optionen."));
}

bool addDialogRow(QFileDialog& dialog, const QString& label, QWidget* field) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (grid == nullptr) return false;
  const int row = grid->rowCount();
  auto* caption = new QLabel(label, &dialog);
  caption->setBuddy(field);
  // The field is named by its caption, without the colon.
  QString name = label;
  name.remove(QLatin1Char('&'));
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  if (field->accessibleName().isEmpty()) field->setAccessibleName(name);
  if (field->accessibleDescription().isEmpty()) {
    field->setAccessibleDescription(
        QCoreApplication::translate("SaveDialog", "Option des Speicherns: %1").arg(name));
  }
  grid->addWidget(caption, row, 0);
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
