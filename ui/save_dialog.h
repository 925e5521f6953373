#pragma once
// The pieces the save dialogs share: Qt's own save dialog with option rows
// below the file name, and the first file name they propose for a solid.
// Only dialog set-up; what is saved is the commands' business.

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace velkora {

struct DialogChoices;

// A save dialog of Qt's own kind (not the platform's), so that option rows can
// be added below the file name.
void setUpSaveDialog(QFileDialog& dialog, const QString& title, const QStringList& filters,
                     const QString& suffix);

// The accessible name (title) and description of a save dialog of ours;
// setUpSaveDialog calls it.
void describeSaveDialog(QWidget& dialog, const QString& title);

// Adds a labelled option row to the dialog's grid; returns false where the
// dialog has no grid (then the option keeps its default). The field is
// named for assistive technology by label.
bool addDialogRow(QFileDialog& dialog, const QString& label, QWidget* field);

// Opens dialog in the folder remembered under key, where there is one that
// still exists; call before selecting the suggested file name. remembered may be null.
void openInRememberedFolder(QFileDialog& dialog, const DialogChoices* remembered, const char* key);
// Remembers the folder of the chosen file under key; remembered may be null.
void rememberFolder(DialogChoices* remembered, const char* key, const QString& file);

// A file name from the solid's German list name, for the dialogs' first
// suggestion: the part before a comma, spaces as underscores ("Hexaeder.png").
QString suggestedName(const QString& name, const QString& suffix);

}  // namespace velkora
