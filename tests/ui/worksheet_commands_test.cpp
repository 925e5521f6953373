// The window's worksheet commands without their dialogs: the sheet of the
// solid picked in the list, the booklet, and failed writes reported in the
// error box instead of escaping the handler.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/ui/window_fixture.h"
#include "ui/file_commands.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

using WorksheetCommandsTest = WindowTest;

// The text of each page of pdf (pdftotext from poppler-utils).
QStringList pdfPages(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// Ticks "mit Lücken" in whichever dialog shows it.
void tickBlanks(QWidget& dialog) {
  auto* blanks = dialog.findChild<QCheckBox*>(QStringLiteral("SheetBlanks"));
  ASSERT_NE(blanks, nullptr);
  blanks->setChecked(true);
}

TEST_F(WorksheetCommandsTest, TheSaveDialogWritesTheSheetWithBlanksWhenTicked) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("mit_luecken.pdf"));
  withModalDialogs([&] { window->files().saveSheet(); },
                   [&](QWidget& modal) {
                     auto* files = qobject_cast<QFileDialog*>(&modal);
                     if (files == nullptr) return;
                     tickBlanks(*files);
                     // Typed into the name field as a user would: selectFile
                     // of a path in another folder takes effect only once the
                     // dialog has read that folder, which may not have happened.
                     auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                     ASSERT_NE(name, nullptr);
                     name->setText(path);
                     static_cast<QDialog*>(files)->accept();  // reads the name like OK
                   });
  ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
  const QStringList pages = pdfPages(path);
  ASSERT_GE(pages.size(), 3);
  EXPECT_TRUE(pages.front().trimmed().startsWith(QStringLiteral("Ikosaeder")));
  EXPECT_TRUE(pages.back().contains(QStringLiteral("Lösungen: Ikosaeder")));
}

// The choice dialog, then the print preview, which paints the pages; nothing
// escapes the handler.
TEST_F(WorksheetCommandsTest, PrintingShowsThePreviewOfTheSheet) {
  int previews = 0;
  withModalDialogs([&] { window->files().printSheet(); },
                   [&](QWidget& modal) {
                     if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&modal)) {
                       ++previews;
                       preview->reject();
                     } else if (auto* options = qobject_cast<QDialog*>(&modal)) {
                       tickBlanks(*options);
                       options->accept();
                     }
                   });
  EXPECT_EQ(previews, 1);
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WorksheetCommandsTest, TheFileMenuOffersTheWorksheetCommands) {
  QStringList texts;
  for (const QAction* action : window->commands())
    texts << action->text().remove('&');
  for (const char* expected :
       {"Steckbrief drucken …", "Steckbrief speichern …", "Alle Steckbriefe speichern …"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
  }
}

TEST_F(WorksheetCommandsTest, TheSheetIsOfThePickedSolidAndTheBookletOfAll) {
  QTemporaryDir dir;
  clickListEntry(12);  // Kuboktaeder
  const QString sheet = dir.filePath(QStringLiteral("blatt.pdf"));
  const QString booklet = dir.filePath(QStringLiteral("alle.pdf"));
  // Both are written before pdftotext runs: the thread sanitizer loses track
  // of the frame's helper thread once the process has forked.
  window->files().saveSheetTo(sheet, true);
  window->files().saveBookletTo(booklet, false);
  ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

  const QStringList pages = pdfPages(sheet);
  ASSERT_GE(pages.size(), 3);
  EXPECT_TRUE(pages.front().trimmed().startsWith(QStringLiteral("Kuboktaeder")));
  EXPECT_TRUE(pages.back().contains(QStringLiteral("Lösungen: Kuboktaeder")));
  const QStringList all = pdfPages(booklet);
  ASSERT_FALSE(all.isEmpty());
  EXPECT_TRUE(all.front().contains(QStringLiteral("31. Rhombentriakontaeder")));
  EXPECT_TRUE(all[1].trimmed().startsWith(QStringLiteral("Tetraeder")));
}

TEST_F(WorksheetCommandsTest, AFailedWriteIsReportedAndLeavesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf")));
  window->files().saveSheetTo(dir.filePath(QStringLiteral("ordner.pdf")), false);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors.front().contains(QStringLiteral("ordner.pdf")));
  // A name without .pdf writes nothing.
  const QString png = dir.filePath(QStringLiteral("blatt.png"));
  window->files().saveBookletTo(png, false);
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors.back().contains(QStringLiteral(".pdf")));
  EXPECT_FALSE(QFile::exists(png));
  errors.clear();
}

// With the kaleidoscope open the window shows its solid, not the one picked
// in the list; the worksheet is of what is shown.
TEST_F(WorksheetCommandsTest, TheSheetIsOfTheSolidOfTheMoment) {
  window->tools().setKaleidoscopeShown(true);
  window->viewer().setKaleidoscopeFamily(WythoffFamily::O);
  window->viewer().setKaleidoscopeWeights(WythoffWeights{0.2, 0.3, 0.5});
  const QString shown = QString::fromStdString(window->controller().shownSolid().name);
  ASSERT_NE(shown, QString::fromStdString(window->state().solid.name));
  QTemporaryDir dir;
  const QString sheet = dir.filePath(QStringLiteral("moment.pdf"));
  window->files().saveSheetTo(sheet, false);
  ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
  const QStringList pages = pdfPages(sheet);
  ASSERT_FALSE(pages.isEmpty());
  EXPECT_TRUE(pages.front().trimmed().startsWith(shown)) << shown.toStdString();
  window->tools().setKaleidoscopeShown(false);
}

}  // namespace
}  // namespace velkora::test
