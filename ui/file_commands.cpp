#include "ui/file_commands.h"

#include "ui/export_commands.h"
#include "ui/print_command.h"
#include "ui/worksheet_commands.h"

namespace velkora {

FileCommands::FileCommands(TFVelkora& window, const ErrorReporter& report)
    : report_(report),
      exports_(std::make_unique<ExportCommands>(window)),
      print_(std::make_unique<PrintCommand>(window, report)),
      sheets_(std::make_unique<WorksheetCommands>(window, report)) {}

FileCommands::~FileCommands() = default;

void FileCommands::savePicture() {
  runGuarded(report_, [this] { exports_->savePicture(); });
}

void FileCommands::savePictureTo(const QString& path, int scale) {
  runGuarded(report_, [this, &path, scale] { exports_->savePictureTo(path, scale); });
}

void FileCommands::copyPicture() {
  runGuarded(report_, [this] { exports_->copyPicture(); });
}

void FileCommands::saveAnimation() {
  runGuarded(report_, [this] { exports_->saveAnimation(); });
}

bool FileCommands::saveAnimationTo(const QString& path, AnimationKind kind, int frames) {
  bool written = false;
  runGuarded(report_, [this, &path, kind, frames, &written] {
    written = exports_->saveAnimationTo(path, kind, frames);
  });
  return written;
}

void FileCommands::exportSolid() {
  runGuarded(report_, [this] { exports_->exportSolid(); });
}

void FileCommands::exportSolidTo(const QString& path, bool currentPose, double diameterMm) {
  runGuarded(report_, [this, &path, currentPose, diameterMm] {
    exports_->exportSolidTo(path, currentPose, diameterMm);
  });
}

void FileCommands::printNet() {
  runGuarded(report_, [this] { print_->printNet(); });
}

void FileCommands::saveNet() {
  runGuarded(report_, [this] { exports_->saveNet(); });
}

void FileCommands::printSheet() {
  runGuarded(report_, [this] { sheets_->printSheet(); });
}

void FileCommands::saveSheet() {
  runGuarded(report_, [this] { sheets_->saveSheet(); });
}

void FileCommands::saveSheetTo(const QString& path, bool blanks) {
  runGuarded(report_, [this, &path, blanks] { sheets_->saveSheetTo(path, blanks); });
}

void FileCommands::saveBooklet() {
  runGuarded(report_, [this] { sheets_->saveBooklet(); });
}

void FileCommands::saveBookletTo(const QString& path, bool blanks) {
  runGuarded(report_, [this, &path, blanks] { sheets_->saveBookletTo(path, blanks); });
}

}  // namespace velkora
