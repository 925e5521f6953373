#pragma once
// The "Verwandtschaften" command: its checkable menu entry and the map's
// window, made on first showing. A solid clicked on the map is picked as
// from the list; a line opens the tool that shows its path: the morph at the
// dual's solid, the kaleidoscope at the operation's stop (the snub's copies
// for a snub), or the jitterbug at the stop the line leads to.

#include <memory>

#include "relations/relation_map.h"
#include "ui/error_box.h"

class QAction;

namespace velkora {

class RelationsWindow;
class TFVelkora;

class RelationsCommand {
 public:
  // window, action and report must outlive the command.
  RelationsCommand(TFVelkora& window, QAction& action, const ErrorReporter& report);
  ~RelationsCommand();
  RelationsCommand(const RelationsCommand&) = delete;
  RelationsCommand& operator=(const RelationsCommand&) = delete;

  void setShown(bool shown);
  // Shows the path of relation in its tool, with its first solid picked.
  void showPath(const Relation& relation);
  RelationsWindow* window() const { return map_.get(); }

 private:
  TFVelkora& window_;
  QAction& action_;
  const ErrorReporter& report_;
  std::unique_ptr<RelationsWindow> map_;
};

}  // namespace velkora
