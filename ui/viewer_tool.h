#pragma once
// A tool window of the viewer core (morph, kaleidoscope, fold): it shows what
// the core says about its tool and sends its controls' values back as the
// core's commands, at the guarded boundary; nothing of the tool's rules lives
// in it. The main window keeps one per tool (ToolWindows), opens and hides it
// as the core says and calls follow after every change. A new tool window is
// a class on this base and one line where the commands are built.

#include <functional>
#include <memory>

#include "ui/error_box.h"
#include "ui/tool_window.h"

class QWidget;

namespace velkora {

class Viewer;

class ViewerTool {
 public:
  virtual ~ViewerTool() = default;
  // The window itself, and its common tool-window parts.
  virtual QWidget& window() = 0;
  virtual ToolWindow& tool() = 0;
  // Shows what the core says about the tool now (its stops, family or stage);
  // a closed tool stops its own play.
  virtual void follow() = 0;
  // Reduced motion: "Abspielen" steps instead of playing, where the window plays.
  virtual void setReducedMotion(bool on) = 0;
};

// Makes the window of a tool over viewer (all three must outlive it).
using ViewerToolMaker =
    std::function<std::unique_ptr<ViewerTool>(Viewer&, const ErrorReporter&, QWidget& parent)>;

template <class Window>
ViewerToolMaker viewerToolMaker() {
  return [](Viewer& viewer, const ErrorReporter& report, QWidget& parent) {
    return std::make_unique<Window>(viewer, report, &parent);
  };
}

}  // namespace velkora
