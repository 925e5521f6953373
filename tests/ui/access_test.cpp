// The window for everyone: accessible names and descriptions of every
// control, window and command, the picture's description as it changes,
// tooltips of a readable width, the keyboard's way to every control and to
// turning the picture, the line width and reduced motion.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>

#include "render/colours.h"
#include "render/face_tints.h"
#include "tests/ui/window_fixture.h"
#include "ui/file_commands.h"
#include "ui/fold_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/morph_window.h"
#include "ui/properties_window.h"
#include "ui/tool_windows.h"

namespace velkora::test {
namespace {

class AccessTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  QAction& command(const char* name) {
    auto* found = window->findChild<QAction*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::logic_error(std::string("no command ") + name);
    return *found;
  }

  QString pictureText() { return control<QWidget>("PB1").accessibleDescription(); }
};

// What assistive technology reads for widget.
QString accessibleText(QWidget& widget, QAccessible::Text which) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  return face != nullptr ? face->text(which) : QString();
}

// The menus that actions open, and their submenus.
QList<QMenu*> menusOf(const QList<QAction*>& actions) {
  QList<QMenu*> menus;
  for (const QAction* action : actions) {
    if (QMenu* menu = action->menu()) menus << menu << menusOf(menu->actions());
  }
  return menus;
}

// Whether w is a part that Qt builds into a control (a header, a spin box's
// editor, the menu bar's overflow button), not one of ours.
bool builtIn(const QWidget* w) {
  if (w->objectName().startsWith(QLatin1String("qt_"))) return true;
  for (const QWidget* up = w->parentWidget(); up != nullptr; up = up->parentWidget()) {
    if (qobject_cast<const QAbstractItemView*>(up) || qobject_cast<const QAbstractSpinBox*>(up) ||
        qobject_cast<const QComboBox*>(up)) {
      return true;
    }
  }
  return false;
}

// The controls a user works with inside top (not the parts Qt builds into them).
QList<QWidget*> controlsOf(QWidget& top) {
  QList<QWidget*> controls;
  for (QWidget* w : top.findChildren<QWidget*>()) {
    if (qobject_cast<QScrollBar*>(w) != nullptr || builtIn(w)) continue;
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                         qobject_cast<QAbstractSpinBox*>(w) ||
                         qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) ||
                         w->objectName() == QLatin1String("PB1") ||
                         w->inherits("velkora::TriangleView");
    if (control) controls << w;
  }
  return controls;
}

void expectNamedAndDescribed(QWidget& top) {
  EXPECT_FALSE(accessibleText(top, QAccessible::Name).isEmpty()) << top.objectName().toStdString();
  EXPECT_FALSE(accessibleText(top, QAccessible::Description).isEmpty())
      << top.objectName().toStdString();
  const QList<QWidget*> controls = controlsOf(top);
  EXPECT_FALSE(controls.isEmpty());
  for (QWidget* w : controls) {
    const std::string name = (top.objectName() + QLatin1Char('/') + w->objectName() +
                              QLatin1Char(' ') + QLatin1String(w->metaObject()->className()))
                                 .toStdString();
    EXPECT_FALSE(accessibleText(*w, QAccessible::Name).isEmpty()) << name;
    EXPECT_FALSE(accessibleText(*w, QAccessible::Description).isEmpty()) << name;
  }
}

TEST_F(AccessTest, EveryControlWindowAndCommandHasANameAndADescription) {
  expectNamedAndDescribed(*window);
  for (const char* name : {"Listbox1", "Speed2", "Speed3", "SpinEdit1", "PB1", "Button1"}) {
    EXPECT_TRUE(controlsOf(*window).contains(&control<QWidget>(name))) << name;
  }
  // Every command, in the menus or not, and every menu.
  QList<QAction*> actions = window->commands();
  const QList<QMenu*> menus = menusOf(window->menuBar().actions());
  EXPECT_EQ(menus.size(), 6);  // Datei, Ansicht, Drehen, Linienstärke, Hilfe, Sprache
  for (QMenu* menu : menus) {
    EXPECT_FALSE(accessibleText(*menu, QAccessible::Name).isEmpty());
    EXPECT_FALSE(menu->accessibleDescription().isEmpty()) << menu->title().toStdString();
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->menu() == nullptr) {
        EXPECT_TRUE(actions.contains(action));
      }
    }
  }
  for (QAction* action : actions) {
    EXPECT_FALSE(QString(action->text()).remove(QLatin1Char('&')).trimmed().isEmpty());
    EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
  }
  // What assistive technology reads for every entry of the menu bar and the menus.
  std::vector<QAccessibleInterface*> faces{
      QAccessible::queryAccessibleInterface(const_cast<QMenuBar*>(&window->menuBar()))};
  for (QMenu* menu : menus)
    faces.push_back(QAccessible::queryAccessibleInterface(menu));
  int entries = 0;
  for (QAccessibleInterface* face : faces) {
    ASSERT_NE(face, nullptr);
    for (int i = 0; i < face->childCount(); ++i) {
      QAccessibleInterface* item = face->child(i);
      if (item == nullptr || item->role() == QAccessible::Separator) continue;
      ++entries;
      EXPECT_FALSE(item->text(QAccessible::Name).isEmpty());
      EXPECT_FALSE(item->text(QAccessible::Description).isEmpty())
          << item->text(QAccessible::Name).toStdString();
      EXPECT_FALSE(item->text(QAccessible::Name).contains(QLatin1Char('&')));
    }
  }
  EXPECT_GE(entries, actions.size() - 1);  // all but "Präsentation beenden", which has no menu
  // A command's description says its key.
  EXPECT_TRUE(command("ReducedMotion").statusTip().contains(QStringLiteral("Abspielen")));

  // The side windows.
  for (const char* key : {"I", "D"}) {
    QTest::keyClick(window.get(), key[0] == 'I' ? Qt::Key_I : Qt::Key_D, Qt::ControlModifier);
  }
  ASSERT_NE(window->tools().propertiesWindow(), nullptr);
  expectNamedAndDescribed(*window->tools().propertiesWindow());
  ASSERT_NE(window->tools().morphWindow(), nullptr);
  expectNamedAndDescribed(*window->tools().morphWindow());
  window->tools().setKaleidoscopeShown(true);
  ASSERT_NE(window->tools().kaleidoscopeWindow(), nullptr);
  expectNamedAndDescribed(*window->tools().kaleidoscopeWindow());
  window->tools().setKaleidoscopeShown(false);
  window->tools().setFoldShown(true);
  ASSERT_NE(window->tools().foldWindow(), nullptr);
  expectNamedAndDescribed(*window->tools().foldWindow());
  window->tools().setFoldShown(false);
  window->tools().showHelp();
  QWidget* help = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == QLatin1String("Bedienung") && top->isVisible()) help = top;
  }
  ASSERT_NE(help, nullptr);
  EXPECT_FALSE(accessibleText(*help, QAccessible::Name).isEmpty());
  EXPECT_FALSE(accessibleText(*help, QAccessible::Description).isEmpty());
  help->close();
}

// The dialogs of ours: the picture's and the animation's save dialogs with
// their option fields, and the net's options.
TEST_F(AccessTest, OurDialogsAndTheirOptionsHaveNamesAndDescriptions) {
  QStringList seen;
  const auto check = [&](QWidget& modal) {
    auto* dialog = qobject_cast<QDialog*>(&modal);
    if (dialog == nullptr || seen.contains(dialog->windowTitle())) return;
    seen << dialog->windowTitle();
    EXPECT_FALSE(accessibleText(*dialog, QAccessible::Name).isEmpty());
    EXPECT_FALSE(accessibleText(*dialog, QAccessible::Description).isEmpty());
    for (const char* option :
         {"PictureScale", "AnimationKind", "AnimationFrames", "NetEdge", "NetTabs"}) {
      if (auto* field = dialog->findChild<QWidget*>(QLatin1String(option))) {
        EXPECT_FALSE(accessibleText(*field, QAccessible::Name).isEmpty()) << option;
        EXPECT_FALSE(accessibleText(*field, QAccessible::Description).isEmpty()) << option;
      }
    }
    dialog->reject();
  };
  withModalDialogs(
      [&] {
        window->files().savePicture();
        window->files().saveAnimation();
        window->files().saveNet();
      },
      check);
  EXPECT_EQ(seen.size(), 3) << seen.join(QStringLiteral(", ")).toStdString();
}

TEST_F(AccessTest, ThePictureDescriptionFollowsPickViewMarksMorphAndFold) {
  EXPECT_EQ(pictureText(), QStringLiteral("Ikosaeder, Ansicht Polyeder, Ecken nicht markiert"));
  clickListEntry(5);
  const QString fifth = window->selectedName();
  EXPECT_TRUE(pictureText().startsWith(fifth + QStringLiteral(", Ansicht Polyeder")))
      << pictureText().toStdString();
  control<QRadioButton>("RadioB2").click();
  EXPECT_EQ(pictureText(), fifth + QStringLiteral(", Ansicht innere Kugel, Ecken nicht markiert"));
  control<QRadioButton>("RadioB3").click();
  control<QCheckBox>("CPunkte").click();
  EXPECT_EQ(pictureText(), fifth + QStringLiteral(", Ansicht äußere Kugel, Ecken markiert"));
  control<QPushButton>("Button1").click();
  EXPECT_TRUE(pictureText().endsWith(QStringLiteral(", dreht sich")));
  control<QPushButton>("Button1").click();
  EXPECT_FALSE(pictureText().contains(QStringLiteral("dreht")));

  window->tools().setMorphShown(true);
  window->tools().morphWindow()->moveTo(0.5);
  EXPECT_TRUE(pictureText().contains(QStringLiteral("Verwandlung")));
  EXPECT_TRUE(pictureText().contains(QStringLiteral("t = 0,5")));
  window->tools().setMorphShown(false);
  window->tools().setFoldShown(true);
  window->tools().foldWindow()->moveTo(0.7);
  EXPECT_EQ(pictureText(), QStringLiteral("Netz von %1, gefaltet zu 70 %").arg(fifth));
  window->tools().setFoldShown(false);
  EXPECT_EQ(pictureText(), fifth + QStringLiteral(", Ansicht äußere Kugel, Ecken markiert"));
}

// Counts the tooltip changes of the widgets it watches.
class ToolTipChanges : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTipChange) ++count;
    return QObject::eventFilter(watched, event);
  }
};

// A play tick moves the picture but shapes no text: the picture's
// description and the view buttons' tooltips stay until the play stops,
// and then the description tells where it stopped.
TEST_F(AccessTest, PlayTicksLeaveTheDescriptionAndTooltipsUntilThePlayStops) {
  ToolTipChanges tips;
  for (const char* name : {"RadioB1", "RadioB2", "RadioB3"})
    control<QWidget>(name).installEventFilter(&tips);

  window->tools().setMorphShown(true);
  MorphWindow& morph = *window->tools().morphWindow();
  morph.moveTo(0.3);
  ASSERT_TRUE(pictureText().contains(QStringLiteral("bei t = 0,300,")))
      << pictureText().toStdString();
  const QString atStart = pictureText();
  const int tipsAtStart = tips.count;
  auto* play = morph.findChild<QPushButton*>(QStringLiteral("MorphPlay"));
  play->click();
  for (int k = 0; k < 5; ++k)
    morph.playTick();  // 5 ticks of 1/200 each
  EXPECT_NEAR(window->controller().morphParameter(), 0.325, 1e-9) << "the picture moved";
  EXPECT_EQ(pictureText(), atStart);
  EXPECT_EQ(tips.count, tipsAtStart);
  play->click();
  EXPECT_TRUE(pictureText().contains(QStringLiteral("bei t = 0,325,")))
      << pictureText().toStdString();
  window->tools().setMorphShown(false);

  window->tools().setFoldShown(true);
  FoldWindow& fold = *window->tools().foldWindow();
  fold.moveTo(0.3);
  const QString flat = pictureText();
  const int foldTips = tips.count;
  fold.findChild<QPushButton*>(QStringLiteral("FoldPlay"))->click();
  for (int k = 0; k < 4; ++k)
    fold.playTick();
  EXPECT_EQ(pictureText(), flat);
  EXPECT_EQ(tips.count, foldTips);
  fold.setPlaying(false);
  EXPECT_TRUE(pictureText().endsWith(QStringLiteral("gefaltet zu 32 %")))
      << pictureText().toStdString();
}

TEST_F(AccessTest, EveryControlHasATooltipNoWiderThanFourHundredPixels) {
  // Applying the texts again (a new language) leaves them as they were.
  const QString spinTip = control<QWidget>("SpinEdit1").toolTip();
  const QString listName = accessibleText(control<QWidget>("Listbox1"), QAccessible::Name);
  QEvent languageChange(QEvent::LanguageChange);
  QApplication::sendEvent(window.get(), &languageChange);
  EXPECT_EQ(control<QWidget>("SpinEdit1").toolTip(), spinTip);
  EXPECT_TRUE(spinTip.startsWith(QStringLiteral("<qt>")));
  EXPECT_EQ(accessibleText(control<QWidget>("Listbox1"), QAccessible::Name), listName);
  const QList<QWidget*> controls = controlsOf(*window);
  for (QWidget* w : controls) {
    const std::string name = w->objectName().toStdString();
    ASSERT_FALSE(w->toolTip().isEmpty()) << name;
    QToolTip::showText(w->mapToGlobal(QPoint(2, 2)), w->toolTip(), w);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
    }
    ASSERT_NE(tip, nullptr) << name;
    EXPECT_LE(tip->width(), 400) << name << ": " << w->toolTip().toStdString();
    EXPECT_GT(tip->width(), 20) << name;
    QToolTip::hideText();
  }
  // The view buttons' tooltips change with the family and the morph; wrapped all the same.
  window->tools().setMorphShown(true);
  window->tools().morphWindow()->moveTo(0.5);
  auto& radio = control<QRadioButton>("RadioB1");
  QToolTip::showText(radio.mapToGlobal(QPoint(2, 2)), radio.toolTip(), &radio);
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->inherits("QTipLabel") && top->isVisible()) {
      EXPECT_LE(top->width(), 400);
    }
  }
  QToolTip::hideText();
  window->tools().setMorphShown(false);
}

// Tab keeps the controls' own round; F6 gives the picture the keyboard, with
// its focus frame, and Tab takes it back to the controls.
TEST_F(AccessTest, TabKeepsTheControlsRoundAndF6GivesThePictureTheKeyboard) {
  activateMainWindow();
  auto& list = control<QListWidget>("Listbox1");
  list.setFocus(Qt::TabFocusReason);
  QStringList order;
  for (int k = 0; k < 12 && order.count(QStringLiteral("Listbox1")) < 2; ++k) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, (QStringList{"Listbox1", "Button1", "SpinEdit1", "SpinEdit2", "SpinEdit3",
                                "RadioB1", "CPunkte", "Listbox1"}));
  auto& picture = control<PaintBox>("PB1");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
  ASSERT_TRUE(picture.hasFocus());
  EXPECT_TRUE(picture.focusFrameShown());
  // The zoom keys work from the picture too.
  const double scale = model().scale;
  QTest::keyClick(&picture, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
  QTest::keyClick(&picture, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_NEAR(model().scale / scale, 1.0, 1e-12);
  EXPECT_TRUE(picture.hasFocus());
  QTest::keyClick(&picture, Qt::Key_Tab);
  EXPECT_FALSE(picture.hasFocus());
  EXPECT_FALSE(picture.focusFrameShown());
}

TEST_F(AccessTest, ArrowsOnThePictureTurnAsAltArrowsAndAClickTakesNoFocus) {
  auto& list = control<QListWidget>("Listbox1");
  auto& picture = control<QWidget>("PB1");
  list.setFocus(Qt::TabFocusReason);
  // A click and a drag on the picture leave the focus with the list.
  QTest::mouseClick(&picture, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
  EXPECT_TRUE(list.hasFocus());
  EXPECT_FALSE(picture.hasFocus());
  picture.setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(picture.hasFocus());
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    double a, b, c;
  };
  for (const Case& c :
       {Case{Qt::Key_Left, Qt::NoModifier, 0, 0, -5}, Case{Qt::Key_Right, Qt::NoModifier, 0, 0, 5},
        Case{Qt::Key_Up, Qt::NoModifier, 0, -5, 0}, Case{Qt::Key_Down, Qt::NoModifier, 0, 5, 0},
        Case{Qt::Key_Left, Qt::ShiftModifier, 0, 0, -1},
        Case{Qt::Key_Down, Qt::ShiftModifier, 0, 1, 0}}) {
    const Model before = model();
    QTest::keyClick(&picture, c.key, c.modifiers);
    EXPECT_EQ(pointDistance(model(), turnedCopy(before, c.a, c.b, c.c)), 0.0)
        << c.key << " " << c.modifiers;
  }
  // The same as the Alt key's command from the list.
  const Model before = model();
  list.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&list, Qt::Key_Right, Qt::AltModifier);
  const Model byAlt = model();
  EXPECT_EQ(pointDistance(byAlt, turnedCopy(before, 0, 0, 5)), 0.0);
  EXPECT_EQ(window->selectedPosition(), 3);
}

TEST_F(AccessTest, TheFocusedPictureShowsAFrameThatGoesWithTheFocus) {
  auto& picture = control<QWidget>("PB1");
  control<QListWidget>("Listbox1").setFocus(Qt::TabFocusReason);
  const QImage plain = picture.grab().toImage();
  picture.setFocus(Qt::TabFocusReason);
  const QImage focused = picture.grab().toImage();
  // The frame lies along the edge; inside it the picture is as it was.
  int changed = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == focused.pixel(x, y)) continue;
      ++changed;
      const int edge = std::min({x, y, plain.width() - 1 - x, plain.height() - 1 - y});
      ASSERT_LT(edge, PaintBox::kFocusFrameReach) << x << ", " << y;
    }
  }
  EXPECT_GT(changed, plain.width());
  control<QListWidget>("Listbox1").setFocus(Qt::TabFocusReason);
  EXPECT_EQ(picture.grab().toImage(), plain);
  // Focus that falls to the picture otherwise (the column hidden in
  // presentation mode) changes no pixel.
  picture.setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(picture.hasFocus());
  EXPECT_EQ(picture.grab().toImage(), plain);
}

// Red pixels (the edges) of the window's picture.
int inkOf(const Bitmap& picture) {
  int count = 0;
  for (std::uint32_t p : picture.pixels)
    count += (p & 0xFFFFFFu) != 0xFFFFFFu ? 1 : 0;
  return count;
}

TEST_F(AccessTest, LineWidthWidensTheWindowsLinesAndOneIsThePictureOfBefore) {
  control<QCheckBox>("CPunkte").click();
  const Bitmap before = window->frameBuffers().frame;
  ASSERT_TRUE(command("LineWidth1").isChecked());
  command("LineWidth2").trigger();
  EXPECT_EQ(window->lineWidth(), 2);
  EXPECT_FALSE(command("LineWidth1").isChecked());
  const int two = inkOf(window->frameBuffers().frame);
  command("LineWidth3").trigger();
  const int three = inkOf(window->frameBuffers().frame);
  EXPECT_GT(two, inkOf(before));
  EXPECT_GT(three, two);
  command("LineWidth1").trigger();
  EXPECT_EQ(window->frameBuffers().frame.pixels, before.pixels);
}

// Pixels of the window's picture in one of the face tints (behind the glass or not).
int tintedOf(const Bitmap& picture) {
  int count = 0;
  for (const std::uint32_t p : picture.pixels) {
    for (const std::uint32_t tint : kKindTints)
      count += p == tint || p == behindGlass(tint);
  }
  return count;
}

TEST_F(AccessTest, ColouringFacesByKindIsAViewCommandWithItsKey) {
  QAction& colour = command("ColourFaces");
  EXPECT_EQ(colour.text().remove(QLatin1Char('&')), QStringLiteral("Flächen nach Art färben"));
  EXPECT_TRUE(colour.isCheckable());
  EXPECT_FALSE(colour.isChecked());
  EXPECT_TRUE(colour.statusTip().contains(QStringLiteral("Drehung oder Spiegelung")));
  bool inViewMenu = false;
  for (QMenu* menu : menusOf(window->menuBar().actions())) {
    inViewMenu |= menu->title().remove(QLatin1Char('&')) == QStringLiteral("Ansicht") &&
                  menu->actions().contains(&colour);
  }
  EXPECT_TRUE(inViewMenu);
  const Bitmap before = window->frameBuffers().frame;
  ASSERT_EQ(tintedOf(before), 0);

  colour.trigger();
  EXPECT_TRUE(window->viewer().colourFaces());
  EXPECT_GT(tintedOf(window->frameBuffers().frame), 1000);
  // The key turns it off again: the picture of before.
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(colour.isChecked());
  EXPECT_FALSE(window->viewer().colourFaces());
  EXPECT_EQ(window->frameBuffers().frame.pixels, before.pixels);
}

TEST_F(AccessTest, ReducedMotionStepsThePlayButtonsToTheSameEnds) {
  command("ReducedMotion").trigger();
  EXPECT_TRUE(window->tools().reducedMotion());
  window->tools().setMorphShown(true);
  MorphWindow& morph = *window->tools().morphWindow();
  EXPECT_TRUE(morph.reducedMotion());
  auto* play = morph.findChild<QPushButton*>(QStringLiteral("MorphPlay"));
  ASSERT_NE(play, nullptr);
  std::vector<double> seen;
  for (int press = 0; press < 12; ++press) {
    play->click();
    EXPECT_FALSE(morph.playing());
    seen.push_back(morph.parameter());
  }
  EXPECT_NEAR(seen[0], 0.1, 1e-9);
  EXPECT_NEAR(seen[9], 1.0, 1e-9);   // the end, as playing reaches it
  EXPECT_NEAR(seen[10], 0.9, 1e-9);  // and back
  window->tools().setMorphShown(false);

  window->tools().setFoldShown(true);
  FoldWindow& fold = *window->tools().foldWindow();
  auto* foldPlay = fold.findChild<QPushButton*>(QStringLiteral("FoldPlay"));
  ASSERT_NE(foldPlay, nullptr);
  foldPlay->click();
  EXPECT_FALSE(fold.playing());
  EXPECT_NEAR(fold.stage(), 0.1, 1e-9);
  // Off again: the button plays as before.
  command("ReducedMotion").trigger();
  EXPECT_FALSE(fold.reducedMotion());
  foldPlay->click();
  EXPECT_TRUE(fold.playing());
  foldPlay->click();
  window->tools().setFoldShown(false);
}

}  // namespace
}  // namespace velkora::test
