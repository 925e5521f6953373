#pragma once
// The window's file commands (menu Datei): the picture saved or copied, an
// animation, the solid, the net printed or saved, the worksheets. Each runs
// at the guarded boundary: an error goes to the error reporter, never past
// the event loop. The ...To variants do the work without a dialog.

#include <memory>

#include <QString>

#include "animation/animation_frames.h"
#include "ui/error_box.h"

namespace velkora {

class ExportCommands;
class PrintCommand;
class TFVelkora;
class WorksheetCommands;

class FileCommands {
 public:
  // window and report must outlive the commands.
  FileCommands(TFVelkora& window, const ErrorReporter& report);
  ~FileCommands();
  FileCommands(const FileCommands&) = delete;
  FileCommands& operator=(const FileCommands&) = delete;

  void savePicture();
  void savePictureTo(const QString& path, int scale);
  void copyPicture();
  void saveAnimation();
  // Returns whether the file was written (false: cancelled or failed).
  bool saveAnimationTo(const QString& path, AnimationKind kind, int frames);
  void exportSolid();
  void exportSolidTo(const QString& path, bool currentPose, double diameterMm);
  void printNet();
  void saveNet();
  void printSheet();
  void saveSheet();
  void saveSheetTo(const QString& path, bool blanks);
  void saveBooklet();
  void saveBookletTo(const QString& path, bool blanks);

 private:
  const ErrorReporter& report_;
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<PrintCommand> print_;
  std::unique_ptr<WorksheetCommands> sheets_;
};

}  // namespace velkora
