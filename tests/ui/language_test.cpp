// The window in English: chosen from the Help menu, every text switches at
// once (tool windows included), no German word is left, and the choice is
// remembered; back in German everything is as before.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>

#include "tests/ui/window_fixture.h"
#include "translations/language.h"
#include "ui/file_commands.h"
#include "ui/tool_windows.h"
#include "ui/window_settings.h"

namespace velkora::test {
namespace {

// Letters and words that only German texts have. The language menu names
// itself in both languages on purpose.
bool looksGerman(const QString& text) {
  static const QRegularExpression kGerman(
      QStringLiteral("[äöüßÄÖÜ]|\\b(der|die|das|und|mit|nicht|ein|eine|zu|von|Körper|Ansicht|"
                     "Datei|Hilfe|Kugel|Ecken|Kanten|Flächen|Netz|speichern|drucken|zeigt|"
                     "Drehung|Abbruch|Polyeder|Eigenschaften|Verwandlung|Kaleidoskop|"
                     "Steckbrief|markieren)\\b"));
  return text != QStringLiteral("Sprache / Language") && text != QStringLiteral("Deutsch") &&
         kGerman.match(text).hasMatch();
}

struct ReadableText {
  QString where;  // the object's name and what of it
  QString text;
};

// Every text a person can read in top and its children, with where it is.
void addTextsOf(QWidget& top, std::vector<ReadableText>& texts) {
  const auto add = [&texts](const QObject& owner, const QString& what, const QString& text) {
    if (!text.isEmpty()) texts.push_back({owner.objectName() + QLatin1Char(' ') + what, text});
  };
  {  // top and every widget in it
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* widget : widgets) {
      add(*widget, QStringLiteral("title"), widget->windowTitle());
      add(*widget, QStringLiteral("tooltip"), widget->toolTip());
      add(*widget, QStringLiteral("accessible name"), widget->accessibleName());
      add(*widget, QStringLiteral("accessible description"), widget->accessibleDescription());
      if (auto* button = qobject_cast<QAbstractButton*>(widget))
        add(*widget, QStringLiteral("text"), button->text());
      if (auto* label = qobject_cast<QLabel*>(widget))
        add(*widget, QStringLiteral("text"), label->text());
      if (auto* menu = qobject_cast<QMenu*>(widget))
        add(*widget, QStringLiteral("menu"), menu->title());
      if (auto* list = qobject_cast<QListWidget*>(widget)) {
        for (int row = 0; row < list->count(); ++row)
          add(*widget, QStringLiteral("entry"), list->item(row)->text());
      }
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int row = 0; row < combo->count(); ++row)
          add(*widget, QStringLiteral("item"), combo->itemText(row));
      }
      if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        for (int row = 0; row < table->rowCount(); ++row) {
          for (int column = 0; column < table->columnCount(); ++column) {
            if (table->item(row, column) != nullptr)
              add(*widget, QStringLiteral("cell"), table->item(row, column)->text());
          }
        }
      }
      for (QAction* action : widget->actions()) {
        add(*action, QStringLiteral("action"), action->text());
        add(*action, QStringLiteral("action tooltip"), action->toolTip());
        add(*action, QStringLiteral("action description"), action->statusTip());
      }
    }
  }
}

// Every text a person can read in the program's windows and menus.
std::vector<ReadableText> readableTexts() {
  std::vector<ReadableText> texts;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() || qobject_cast<QMenu*>(top) != nullptr) addTextsOf(*top, texts);
  }
  return texts;
}

QStringList germanTexts(const std::vector<ReadableText>& texts) {
  QStringList german;
  for (const auto& [where, text] : texts) {
    if (looksGerman(text)) german << where + QStringLiteral(": ") + text;
  }
  return german;
}

class LanguageWindowTest : public WindowTest {
 protected:
  void TearDown() override {
    useLanguage(kGerman);
    WindowTest::TearDown();
  }

  void choose(const char* name) {
    QAction* chosen = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
      if (action->text() == QLatin1String(name)) chosen = action;
    }
    ASSERT_NE(chosen, nullptr) << "no language " << name << " in the menu";
    chosen->trigger();
    QApplication::processEvents();
  }
};

TEST_F(LanguageWindowTest, EnglishReplacesEveryGermanTextAtOnceAndIsRemembered) {
  clickListEntry(12);  // the cuboctahedron: its morph has stops, its kaleidoscope family is O
  window->tools().setPropertiesShown(true);
  window->tools().setMorphShown(true);
  window->tools().setKaleidoscopeShown(true);
  window->tools().setFoldShown(true);
  QApplication::processEvents();
  choose("English");

  auto& list = control<QListWidget>("Listbox1");
  EXPECT_EQ(list.item(1)->text(), QStringLiteral("Cube"));
  EXPECT_EQ(list.item(21)->text(), QStringLiteral("Disdyakis triacontahedron"));
  EXPECT_EQ(control<QAbstractButton>("RadioB1").text(), QStringLiteral("Polyhedron"));
  EXPECT_EQ(control<QAbstractButton>("CPunkte").text(), QStringLiteral("Mark vertices"));
  EXPECT_EQ(window->settings().current().language, QStringLiteral("en"));
  const std::vector<ReadableText> texts = readableTexts();
  EXPECT_GT(texts.size(), 150u);
  const QStringList german = germanTexts(texts);
  EXPECT_TRUE(german.isEmpty()) << german.join(QLatin1Char('\n')).toStdString();

  choose("Deutsch");
  EXPECT_EQ(list.item(1)->text(), QStringLiteral("Hexaeder, Würfel"));
  EXPECT_EQ(control<QAbstractButton>("RadioB1").text(), QStringLiteral("Polyeder"));
  EXPECT_EQ(window->settings().current().language, QStringLiteral("de"));
}

// The windows of the relations speak English as well: the jitterbug, the
// map and the sentence of a pick in the properties and the picture's description.
TEST_F(LanguageWindowTest, TheJitterbugTheMapAndAPickSpeakEnglish) {
  clickListEntry(12);
  window->tools().setPropertiesShown(true);
  window->tools().setShown(Tool::Jitterbug, true);
  window->tools().setRelationsShown(true);
  QWidget& picture = control<QWidget>("PB1");
  QTest::mouseClick(&picture, Qt::LeftButton, Qt::ControlModifier, picture.rect().center());
  ASSERT_TRUE(window->viewer().hasPick());
  QApplication::processEvents();
  choose("English");
  const std::vector<ReadableText> texts = readableTexts();
  const QStringList german = germanTexts(texts);
  EXPECT_TRUE(german.isEmpty()) << german.join(QLatin1Char('\n')).toStdString();
  bool jitterbugSeen = false;
  bool mapSeen = false;
  for (const auto& [where, text] : texts) {
    jitterbugSeen |= where.startsWith(QStringLiteral("Jitterbug "));
    mapSeen |= where.startsWith(QStringLiteral("Verwandtschaften ")) &&
               text == QStringLiteral("Relations");
  }
  EXPECT_TRUE(jitterbugSeen && mapSeen) << "both windows were read";
  EXPECT_TRUE(picture.accessibleDescription().contains(QStringLiteral(" faces, next to ")) ||
              picture.accessibleDescription().contains(QStringLiteral("Vertex ")))
      << picture.accessibleDescription().toStdString();
}

// The dialogs, ours and Qt's own, speak English too.
TEST_F(LanguageWindowTest, TheDialogsSpeakEnglish) {
  choose("English");
  int dialogs = 0;
  QStringList german;
  const auto look = [&](QWidget& modal) {
    ++dialogs;
    std::vector<ReadableText> texts;
    addTextsOf(modal, texts);
    german << germanTexts(texts);
    if (auto* dialog = qobject_cast<QDialog*>(&modal)) dialog->reject();
  };
  withModalDialogs([&] { window->files().savePicture(); }, look);
  withModalDialogs([&] { window->files().saveAnimation(); }, look);
  withModalDialogs([&] { window->files().exportSolid(); }, look);
  withModalDialogs([&] { window->files().saveNet(); }, look);
  withModalDialogs([&] { window->files().saveSheet(); }, look);
  EXPECT_GE(dialogs, 5);
  EXPECT_TRUE(german.isEmpty()) << german.join(QLatin1Char('\n')).toStdString();
}

TEST_F(LanguageWindowTest, TheLanguageLeavesThePictureAlone) {
  clickListEntry(3);
  const std::vector<std::uint32_t> before = window->frameBuffers().frame.pixels;
  choose("English");
  window->zeichnen();
  EXPECT_EQ(window->frameBuffers().frame.pixels, before);
}

}  // namespace
}  // namespace velkora::test
