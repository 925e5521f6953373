#pragma once
// The German help ("Bedienung") and the About box. The help's list of
// shortcuts is made from the window's own commands, so it cannot drift from
// what the keys do.

#include <QDialog>
#include <QList>
#include <QString>
#include <QTextBrowser>

#include "ui/tool_window.h"

class QAction;
class QWidget;

namespace velkora {

// The help text as HTML: what the program shows, the controls, the mouse,
// every command with a shortcut (from commands), the command line.
QString helpHtml(const QList<QAction*>& commands);

// The help ("Bedienung") as a non-modal tool window of the main window,
// made once; Esc closes it. commands must outlive it.
class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  HelpWindow(QList<QAction*> commands, QWidget* parent);
  // Opening beside the main window, Esc, the language and the closing report.
  ToolWindow& tool() { return tool_; }

 private:
  // The text in the language in use, with the commands' names and keys as they are now.
  void showText();

  QList<QAction*> commands_;
  QTextBrowser browser_;
  ToolWindow tool_;
};
// The help window's accessible names and descriptions (window and its text);
// again after a change of language.
void applyHelpAccessibleTexts(QWidget& window, QWidget& text);

// The About box text: name, version, what it is, the licence, the Qt version.
QString aboutText();

}  // namespace velkora
