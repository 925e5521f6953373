#pragma once
// The non-modal "Eigenschaften" window: the numbers of the selected solid as
// a two-column table (computed by the properties library), a button that
// selects the dual partner in the main window's list, and "Kopieren", which
// puts the whole table on the clipboard as text. Holds no program rule.

#include <functional>
#include <span>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "model/solid.h"
#include "properties/properties.h"
#include "ui/error_box.h"
#include "ui/tool_window.h"

namespace velkora {

class PropertiesWindow : public QWidget {
  Q_OBJECT

 public:
  // The solids of the list as read, where the dual is looked for; may throw.
  using CatalogueSource = std::function<std::span<const Solid>()>;

  PropertiesWindow(CatalogueSource catalogue, ErrorReporter reportError, QWidget* parent = nullptr);

  // Shows the properties of a read solid (nothing for one without geometry).
  void showSolid(const Solid& solid);
  // The line above the table that says what was asked about the picture;
  // hidden while text is empty.
  void showPick(const QString& text);
  QString pickText() const { return pick_.text(); }
  const SolidProperties* shown() const { return shown_ ? &properties_ : nullptr; }
  // The table as the clipboard receives it.
  QString tableText() const;
  void copyTable();
  // The window's accessible names and descriptions; again after a change of language.
  void applyAccessibleTexts();

 signals:
  // The dual's button pressed: the list position of the dual.
  void positionPicked(int position);
  // The row of the face kinds (vertex false) or of the vertex configuration
  // (vertex true) was clicked: the picture is to show such faces or a vertex.
  void askedAbout(bool vertex);

 public:
  // Opening beside the main window, Esc, the language and the closing report.
  ToolWindow& tool() { return tool_; }

 private:
  // The table, title and dual button of the properties shown, in the
  // language in use.
  void fillTable();
  CatalogueSource catalogue_;
  ErrorReporter reportError_;
  SolidProperties properties_;
  bool shown_ = false;
  QLabel title_;
  QLabel pick_;
  QTableWidget table_;
  QPushButton dualButton_;
  QPushButton copyButton_;
  ToolWindow tool_;  // the tool window's common parts, its texts among them
};

}  // namespace velkora
