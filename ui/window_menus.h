#pragma once
// The window's commands: one QAction each, with its German text and
// shortcut, added to the window itself so that its key works whichever
// control has the focus; the menu bar shows them in three menus (Datei,
// Ansicht, Hilfe). Also their accessible texts, the line-width and
// language choices, and the arrow keys on the focused drawing area. Each
// command's body runs at the guarded boundary.

#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QString>

#include "ui/error_box.h"
#include "ui/live_texts.h"

class QMenu;
class QMenuBar;

namespace velkora {

class TFVelkora;

class WindowMenus {
 public:
  // Builds the commands into window and its menu bar; their texts follow the
  // language in texts. All must outlive the menus.
  WindowMenus(TFVelkora& window, QMenuBar& bar, LiveTexts& texts, const ErrorReporter& report);

  // The commands that have a shortcut or a menu entry, in menu order.
  QList<QAction*> commands() const { return commands_; }
  QAction& presentationAction() const { return *presentation_; }
  QAction& columnAction() const { return *column_; }
  QAction& leavePresentationAction() const { return *leavePresentation_; }

  // The picture's lines and marks 1, 2 or 3 times as wide ("Linienstärke");
  // exported pictures keep their own width except the picture saved or
  // copied as the window shows it.
  void setLineWidth(int width);
  // Reduced motion: the morph and fold windows' "Abspielen" steps instead of playing.
  void setReducedMotion(bool on);
  // Faces filled in the tints of their kinds ("Flächen nach Art färben").
  void setColourFaces(bool on);
  // The language's check mark.
  void showLanguage(const QString& code);
  // Accessible names and descriptions of the menus and the commands.
  void applyAccessibleTexts();
  // An arrow key on the focused drawing area: the command of Alt (and Shift) and that key.
  void arrowKey(int key, bool fine);

 private:
  void buildFileMenu();
  void buildViewMenu();
  void buildAccessCommands(QMenu* view);
  void buildHelpMenu();
  // A command with its shortcut, kept by the window and shown in menu (if
  // any). text is the German source, marked for translation in the window's
  // context; the action shows it in the language in use.
  QAction* addCommand(QMenu* menu, const char* text, const QKeySequence& key,
                      const std::function<void()>& body);

  TFVelkora& window_;
  QMenuBar& bar_;
  LiveTexts& texts_;
  const ErrorReporter& report_;
  QList<QAction*> commands_;
  QList<QAction*> languageActions_;   // Deutsch, English
  QList<QAction*> lineWidthActions_;  // 1, 2 and 3 px
  QAction* reducedMotion_ = nullptr;
  QAction* colourFaces_ = nullptr;
  QAction* presentation_ = nullptr;
  QAction* column_ = nullptr;
  QAction* leavePresentation_ = nullptr;
};

}  // namespace velkora
