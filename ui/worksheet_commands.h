#pragma once
// The window's worksheet commands: printing and saving the worksheet of the
// solid on show (its current pose, view and marks) and saving the booklet of
// all worksheets. The dialogs only collect a file name and the choice "mit
// Lücken"; the pages are made by output/worksheet, the files written by the
// export service the command line uses too. The methods throw; the window
// runs them at its guarded boundary.

#include <QString>

#include "ui/error_box.h"

namespace velkora {

class TFVelkora;

class WorksheetCommands {
 public:
  // window and report must outlive the commands.
  WorksheetCommands(TFVelkora& window, const ErrorReporter& report)
      : window_(window), report_(report) {}

  // Asks "mit Lücken", then the print preview of the worksheet on A4 portrait.
  void printSheet();
  // Save dialog with a "mit Lücken" check box, then saveSheetTo.
  void saveSheet();
  // The worksheet of the solid on show as PDF.
  void saveSheetTo(const QString& path, bool blanks);
  // Save dialog with a "mit Lücken" check box, then saveBookletTo.
  void saveBooklet();
  // Every solid's worksheet in its start pose, in the window's view, as one PDF.
  void saveBookletTo(const QString& path, bool blanks);

 private:
  TFVelkora& window_;
  const ErrorReporter& report_;
};

}  // namespace velkora
