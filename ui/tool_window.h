#pragma once
// What every tool window of the main window shares (morph, kaleidoscope,
// fold, properties, help): it is made once and kept; it opens beside the main
// window where it covers no other open tool window; its texts follow the
// language; the main window's command keys work from it; Esc closes it where
// none of its controls uses the key; and it reports its closing.

#include <QKeySequence>
#include <QList>
#include <QObject>

#include "ui/live_texts.h"

class QWidget;

namespace velkora {

class ToolWindow : public QObject {
  Q_OBJECT

 public:
  // Makes window (a window of its own whose parent is the main window) a tool
  // window; the helper belongs to window. ownKeys are keys that window's
  // controls use themselves, which the main window's commands leave to it.
  ToolWindow(QWidget& window, QList<QKeySequence> ownKeys = {});

  // The window's texts in the language in use: set now and on every change of language.
  LiveTexts& texts() { return texts_; }
  // Shows the window beside the main window, covering none of the main
  // window's other open tool windows, and raises it; a window already open
  // stays where it is. The main window's commands are lent to it on the
  // first opening.
  void open();

  // The main window's open tool windows, other than except.
  static QList<QWidget*> openToolWindows(const QWidget& mainWindow, const QWidget* except);

 signals:
  // The user closed the window (its close button or Esc), not a hide from code.
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QList<QKeySequence> ownKeys_;
  bool commandsLent_ = false;
  LiveTexts texts_;
};

}  // namespace velkora
