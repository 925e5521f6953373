#pragma once
// The German help ("Bedienung") and the About box. The help's list of
// shortcuts is made from the window's own commands, so it cannot drift from
// what the keys do.

#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace velkora {

// The help text as HTML: what the program shows, the controls, the mouse,
// every command with a shortcut (from commands), the command line.
QString helpHtml(const QList<QAction*>& commands);

// Shows the help in a non-modal window owned by parent.
void showHelpWindow(QWidget* parent, const QList<QAction*>& commands);
// The help window's accessible names and descriptions (window and its text);
// again after a change of language.
void applyHelpAccessibleTexts(QWidget& window, QWidget& text);

// The About box text: name, version, what it is, the licence, the Qt version.
QString aboutText();

}  // namespace velkora
