#pragma once
// The window's print command: the net options dialog, then the print preview
// of the selected solid's paper net on its paper. Painting the pages is the
// net_print library's; errors while the preview paints go to the reporter.

#include "ui/error_box.h"

namespace velkora {

class TFVelkora;

class PrintCommand {
 public:
  // window and report must outlive the command.
  PrintCommand(TFVelkora& window, const ErrorReporter& report) : window_(window), report_(report) {}

  // Asks for the options and opens the preview; throws what building the net throws.
  void printNet();

 private:
  TFVelkora& window_;
  const ErrorReporter& report_;
};

}  // namespace velkora
