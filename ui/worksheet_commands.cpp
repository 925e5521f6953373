#include "ui/worksheet_commands.h"

#include <optional>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "exports/export_service.h"
#include "exports/worksheet.h"
#include "ui/main_window.h"
#include "ui/save_dialog.h"
#include "ui/settings_store.h"

namespace velkora {

namespace {

// In the language in use when the dialog opens.
QString blanksText() {
  return QCoreApplication::translate("Korvelindra",
                                     "mit Lücken (Anzahlen zum Ausfüllen, Lösungsseite am Ende)");
}

// The wait cursor while a long export runs, restored however it ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The choice "mit Lücken" in a small dialog; empty when it was cancelled.
std::optional<bool> askBlanks(QWidget* parent, const QString& title, DialogChoices* remembered) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("SheetOptions"));
  dialog.setWindowTitle(title);
  dialog.setAccessibleName(title);
  dialog.setAccessibleDescription(
      QCoreApplication::translate("SheetDialog", "Ob der Steckbrief Lücken zum Ausfüllen hat."));
  auto* blanks = new QCheckBox(blanksText(), &dialog);
  blanks->setObjectName(QStringLiteral("SheetBlanks"));
  if (remembered != nullptr) blanks->setChecked(remembered->sheetBlanks);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(
      new QLabel(QCoreApplication::translate("Korvelindra", "Steckbrief auf A4 hoch"), &dialog));
  layout->addWidget(blanks);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (remembered != nullptr) remembered->sheetBlanks = blanks->isChecked();
  return blanks->isChecked();
}

// A PDF save dialog with the "mit Lücken" check box; the path and the choice,
// or empty when it was cancelled.
std::optional<std::pair<QString, bool>> askSheetFile(QWidget* parent, const QString& title,
                                                     const QString& suggestion,
                                                     DialogChoices* remembered) {
  QFileDialog dialog(parent);
  setUpSaveDialog(dialog, title, exportFilters(ExportKind::Sheet),
                  exportSuffixes(ExportKind::Sheet).front());
  openInRememberedFolder(dialog, remembered, "sheet");
  dialog.selectFile(suggestion);
  auto* blanks = new QCheckBox(blanksText(), &dialog);
  blanks->setObjectName(QStringLiteral("SheetBlanks"));
  if (remembered != nullptr) blanks->setChecked(remembered->sheetBlanks);
  addDialogRow(dialog, QCoreApplication::translate("Korvelindra", "Lücken:"), blanks);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  if (remembered != nullptr) remembered->sheetBlanks = blanks->isChecked();
  rememberFolder(remembered, "sheet", dialog.selectedFiles().front());
  return std::make_pair(dialog.selectedFiles().front(), blanks->isChecked());
}

}  // namespace

void WorksheetCommands::printSheet() {
  const std::optional<bool> blanks =
      askBlanks(&window_, QCoreApplication::translate("Korvelindra", "Steckbrief drucken"),
                window_.rememberedChoices());
  if (!blanks) return;
  ViewerController& controller = window_.controller();
  const Worksheet sheet = makeWorksheet(controller.shownSolid(), controller.shownModel(),
                                        window_.shownViewState(), controller.catalogue(), *blanks);

  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);
  printer.setDocName(QCoreApplication::translate("Korvelindra", "Steckbrief: ") +
                     QString::fromStdString(sheet.name));
  QPrintPreviewDialog preview(&printer, &window_);
  preview.setWindowTitle(QCoreApplication::translate("Korvelindra", "Steckbrief drucken"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [this, &sheet](QPrinter* target) {
                     runGuarded(report_, [&] { printWorksheet(*target, sheet); });
                   });
  preview.exec();
}

void WorksheetCommands::saveSheet() {
  const auto choice = askSheetFile(
      &window_, QCoreApplication::translate("Korvelindra", "Steckbrief speichern"),
      suggestedName(window_.selectedName(), QStringLiteral("pdf")), window_.rememberedChoices());
  if (choice) saveSheetTo(choice->first, choice->second);
}

void WorksheetCommands::saveSheetTo(const QString& path, bool blanks) {
  ViewerController& controller = window_.controller();
  exportWorksheet(path, controller.shownSolid(), controller.shownModel(), window_.shownViewState(),
                  controller.catalogue(), blanks);
}

void WorksheetCommands::saveBooklet() {
  const auto choice = askSheetFile(
      &window_, QCoreApplication::translate("Korvelindra", "Alle Steckbriefe speichern"),
      QCoreApplication::translate("Korvelindra", "Steckbriefe.pdf"), window_.rememberedChoices());
  if (choice) saveBookletTo(choice->first, choice->second);
}

void WorksheetCommands::saveBookletTo(const QString& path, bool blanks) {
  // The catalogue's solids in their start poses: the view and marks of the
  // window, without the marks that belong to the solid on show.
  ViewState view = window_.shownViewState();
  view.extraMarks = {};
  const WaitCursor wait;
  exportBooklet(path, window_.controller().catalogue(), view, blanks);
}

}  // namespace velkora
