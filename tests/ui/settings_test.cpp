// Remembering the user: every value of the settings file reads back as
// written and a bad one is dropped on its own; where a stored window may
// open; the window that starts from the file, saves it when it closes, and
// starts exactly as on a first start without a file or after a reset.

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/file_commands.h"
#include "ui/net_dialog.h"
#include "ui/settings_store.h"
#include "ui/tool_windows.h"
#include "ui/window_settings.h"

namespace velkora::test {
namespace {

// A value other than the default in every field.
Settings unusualSettings(const QString& folder) {
  Settings settings;
  settings.language = QStringLiteral("en");
  StartChoices& start = settings.start;
  start.geometry = QRect(40, 50, 900, 700);
  start.maximized = true;
  start.position = 30;
  start.view = View::OuterSphere;
  start.marks = true;
  start.steps = {-15, 7, 15};
  start.lineWidth = 3;
  start.reducedMotion = true;
  start.colourFaces = true;
  DialogChoices& dialogs = settings.dialogs;
  dialogs.pictureScale = 4;
  dialogs.animationKind = AnimationKind::Fold;
  dialogs.animationFrames = 720;
  dialogs.solidCurrentPose = false;
  dialogs.solidSizeMm = 123.4;
  dialogs.net = {Paper::Letter, Orientation::Landscape, 87.5, TabStyle::None, false, false, true,
                 false};
  dialogs.sheetBlanks = true;
  for (const char* key : kFolderKeys)
    dialogs.folders[QLatin1String(key)] = folder;
  return settings;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  QString path() const { return folder.filePath(QStringLiteral("korvelindra.ini")); }
  void write(const Settings& settings) const {
    QSettings file(path(), QSettings::IniFormat);
    writeSettings(file, settings);
  }
  Settings read() const {
    const QSettings file(path(), QSettings::IniFormat);
    return readSettings(file);
  }
  QTemporaryDir folder;
};

TEST_F(SettingsFileTest, EveryValueReadsBackAsWrittenAndAnEmptyFileAsTheDefaults) {
  ASSERT_TRUE(folder.isValid());
  EXPECT_EQ(read(), Settings{});
  const Settings unusual = unusualSettings(folder.path());
  write(unusual);
  EXPECT_EQ(read(), unusual);
  // The store reads the same file; a missing one gives the defaults.
  EXPECT_EQ(SettingsStore(path()).load(), unusual);
  EXPECT_EQ(SettingsStore(folder.filePath(QStringLiteral("none.ini"))).load(), Settings{});
}

// Each bad value falls back to its own default; everything else is kept.
TEST_F(SettingsFileTest, EachBadValueIsDroppedOnItsOwn) {
  ASSERT_TRUE(folder.isValid());
  QFile plainFile(folder.filePath(QStringLiteral("a-file")));
  ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
  plainFile.close();
  struct Bad {
    const char* key;
    QVariant value;
    std::function<void(Settings&)> expect;
  };
  const auto noGeometry = [](Settings& s) { s.start.geometry.reset(); };
  const auto noPosition = [](Settings& s) { s.start.position.reset(); };
  const auto noStepX = [](Settings& s) { s.start.steps[0].reset(); };
  const auto defaultSize = [](Settings& s) { s.dialogs.solidSizeMm = kDefaultDiameterMm; };
  const auto defaultEdge = [](Settings& s) { s.dialogs.net.edgeMm = 0.0; };
  const auto noPictureFolder = [](Settings& s) {
    s.dialogs.folders.erase(QStringLiteral("picture"));
  };
  const std::vector<Bad> bads = {
      {"view/solid", QStringLiteral("31"), noPosition},
      {"view/solid", QStringLiteral("-1"), noPosition},
      {"view/solid", QStringLiteral("3.0"), noPosition},
      {"view/solid", QStringLiteral("99999999999999999999"), noPosition},
      {"view/solid", QStringList{QStringLiteral("3"), QStringLiteral("4")}, noPosition},
      {"view/solid", QByteArray("\x03\x00", 2), noPosition},
      {"view/view", QStringLiteral("Umkugel"), [](Settings& s) { s.start.view.reset(); }},
      {"view/marks", QStringLiteral("1"), [](Settings& s) { s.start.marks.reset(); }},
      {"view/stepX", QStringLiteral("16"), noStepX},
      {"view/stepX", QStringLiteral("-16"), noStepX},
      {"view/stepX", QStringLiteral("nan"), noStepX},
      {"view/lineWidth", QStringLiteral("4"), [](Settings& s) { s.start.lineWidth.reset(); }},
      {"view/lineWidth", QStringLiteral("0"), [](Settings& s) { s.start.lineWidth.reset(); }},
      {"view/lineWidth", QStringLiteral("2px"), [](Settings& s) { s.start.lineWidth.reset(); }},
      {"view/reducedMotion", QStringLiteral("ja"),
       [](Settings& s) { s.start.reducedMotion.reset(); }},
      {"view/colourFaces", QStringLiteral("2"), [](Settings& s) { s.start.colourFaces.reset(); }},
      {"window/width", QStringLiteral("0"), noGeometry},
      {"window/height", QStringLiteral("16385"), noGeometry},
      {"window/x", QStringLiteral("100001"), noGeometry},
      {"window/y", QStringLiteral("1e3"), noGeometry},
      {"window/maximized", QStringLiteral("yes"), [](Settings& s) { s.start.maximized = false; }},
      {"picture/scale", QStringLiteral("3"), [](Settings& s) { s.dialogs.pictureScale = 1; }},
      {"animation/kind", QStringLiteral("Fold"),
       [](Settings& s) { s.dialogs.animationKind = AnimationKind::Spin; }},
      {"animation/frames", QStringLiteral("721"),
       [](Settings& s) { s.dialogs.animationFrames = kDefaultAnimationFrames; }},
      {"animation/frames", QStringLiteral("1"),
       [](Settings& s) { s.dialogs.animationFrames = kDefaultAnimationFrames; }},
      {"solid/pose", QStringLiteral("aktuell"),
       [](Settings& s) { s.dialogs.solidCurrentPose = true; }},
      {"solid/size", QStringLiteral("nan"), defaultSize},
      {"solid/size", QStringLiteral("inf"), defaultSize},
      {"solid/size", QStringLiteral("1e400"), defaultSize},
      {"solid/size", QStringLiteral("0.5"), defaultSize},
      {"solid/size", QStringLiteral("10000.5"), defaultSize},
      {"solid/size", QStringLiteral("12,5"), defaultSize},
      {"net/paper", QStringLiteral("a5"), [](Settings& s) { s.dialogs.net.paper = Paper::A4; }},
      {"net/orientation", QStringLiteral("up"),
       [](Settings& s) { s.dialogs.net.orientation = Orientation::Best; }},
      {"net/edge", QStringLiteral("-0.1"), defaultEdge},
      {"net/edge", QStringLiteral("1000.1"), defaultEdge},
      {"net/edge", QStringLiteral("-inf"), defaultEdge},
      {"net/tabs", QStringLiteral("two"),
       [](Settings& s) { s.dialogs.net.tabStyle = TabStyle::One; }},
      {"net/numbers", QStringLiteral("maybe"), [](Settings& s) { s.dialogs.net.numbers = true; }},
      {"sheet/blanks", QStringLiteral("2"), [](Settings& s) { s.dialogs.sheetBlanks = false; }},
      {"folders/picture", QStringLiteral("/no/such/folder/anywhere"), noPictureFolder},
      {"folders/picture", QStringLiteral("relative/folder"), noPictureFolder},
      {"folders/picture", plainFile.fileName(), noPictureFolder},
      {"folders/picture", QString(5000, QLatin1Char('/')), noPictureFolder},
      {"language", QStringLiteral("fr"), [](Settings& s) { s.language.reset(); }},
      {"language", QStringLiteral("DE"), [](Settings& s) { s.language.reset(); }},
  };
  const Settings unusual = unusualSettings(folder.path());
  for (const Bad& bad : bads) {
    write(unusual);
    {
      QSettings file(path(), QSettings::IniFormat);
      file.setValue(QLatin1String(bad.key), bad.value);
    }
    Settings expected = unusual;
    bad.expect(expected);
    EXPECT_EQ(read(), expected) << bad.key << " = " << bad.value.toString().left(40).toStdString();
  }
}

TEST(RestorableGeometry, AStoredPlaceOpensWithinTheScreenThatHoldsItsTopEdge) {
  const QSize minimum(874, 680);
  const QList<QRect> screens = {QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
  const QRect inside(100, 80, 900, 700);
  EXPECT_EQ(restorableGeometry(inside, minimum, screens), inside);
  // On the second screen it stays there.
  EXPECT_EQ(restorableGeometry(inside.translated(2000, 0), minimum, screens),
            inside.translated(2000, 0));
  // Hanging over the bottom right of the first screen: moved just inside it.
  EXPECT_EQ(restorableGeometry(QRect(1200, 800, 900, 700), minimum, screens),
            QRect(1020, 350, 900, 700));
  // Its top edge on no screen (a screen that is gone), or larger than the
  // screen, or smaller than the window can be: not restored.
  EXPECT_EQ(restorableGeometry(QRect(-3000, 80, 900, 700), minimum, screens), std::nullopt);
  EXPECT_EQ(restorableGeometry(QRect(100, -900, 900, 700), minimum, screens), std::nullopt);
  EXPECT_EQ(restorableGeometry(QRect(0, 0, 1921, 700), minimum, screens), std::nullopt);
  EXPECT_EQ(restorableGeometry(QRect(100, 80, 600, 700), minimum, screens), std::nullopt);
  EXPECT_EQ(restorableGeometry(inside, minimum, {}), std::nullopt);
}

void expectSamePicture(const Bitmap& expected, const Bitmap& actual) {
  ASSERT_EQ(actual.width, expected.width);
  ASSERT_EQ(actual.height, expected.height);
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
    if (actual.pixels[i] != expected.pixels[i]) {
      FAIL() << "first different pixel at (" << i % static_cast<std::size_t>(expected.width) << ", "
             << i / static_cast<std::size_t>(expected.width) << "): " << std::hex
             << actual.pixels[i] << " instead of " << expected.pixels[i];
    }
  }
}

// A window like the program's: remembering through a store in a folder of the test.
class RememberingWindowTest : public WindowTest {
 protected:
  std::unique_ptr<TFVelkora> openWith(SettingsStore& store) {
    auto opened = std::make_unique<TFVelkora>([this](const QString& text) { errors << text; });
    opened->settings().use(&store);
    opened->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(opened.get()));
    return opened;
  }
  static void expectSameStart(TFVelkora& expected, TFVelkora& actual) {
    EXPECT_EQ(actual.geometry(), expected.geometry());
    EXPECT_EQ(actual.selectedPosition(), expected.selectedPosition());
    EXPECT_EQ(actual.viewState().view, expected.viewState().view);
    EXPECT_EQ(actual.viewState().markPoints, expected.viewState().markPoints);
    const MotionState& a = actual.state().motion;
    const MotionState& e = expected.state().motion;
    EXPECT_EQ(a.stepX, e.stepX);
    EXPECT_EQ(a.stepY, e.stepY);
    EXPECT_EQ(a.stepZ, e.stepZ);
    for (const char* spin : {"SpinEdit1", "SpinEdit2", "SpinEdit3"}) {
      EXPECT_EQ(actual.findChild<QSpinBox*>(QLatin1String(spin))->value(),
                expected.findChild<QSpinBox*>(QLatin1String(spin))->value());
    }
    expectSamePicture(expected.frameBuffers().frame, actual.frameBuffers().frame);
  }
  QString path() const { return folder.filePath(QStringLiteral("korvelindra/korvelindra.ini")); }
  QTemporaryDir folder;
};

TEST_F(RememberingWindowTest, WithoutAFileAndAfterAResetTheWindowStartsAsOnAFirstStart) {
  ASSERT_TRUE(folder.isValid());
  SettingsStore store(path());
  const auto first = openWith(store);
  expectSameStart(*window, *first);
  EXPECT_EQ(first->rememberedChoices() != nullptr ? *first->rememberedChoices() : DialogChoices{},
            DialogChoices{});

  // A file full of other choices, then a reset: the start is the first one again.
  QDir().mkpath(QFileInfo(path()).path());
  {
    QSettings file(path(), QSettings::IniFormat);
    Settings unusual = unusualSettings(folder.path());
    unusual.start.maximized = false;
    unusual.start.geometry = QRect(10, 40, 1000, 800);
    writeSettings(file, unusual);
  }
  SettingsStore changed(path());
  const auto remembering = openWith(changed);
  EXPECT_EQ(remembering->selectedPosition(), 30);
  EXPECT_EQ(remembering->geometry(), QRect(10, 40, 1000, 800));
  remembering->hide();

  SettingsStore reset(path());
  reset.reset();
  EXPECT_FALSE(QFile::exists(path()));
  const auto afterReset = openWith(reset);
  expectSameStart(*window, *afterReset);
  // Closing writes the settings afresh.
  EXPECT_TRUE(afterReset->close());
  EXPECT_TRUE(QFile::exists(path()));
  EXPECT_EQ(SettingsStore(path()).load(), afterReset->settings().current());
}

TEST_F(RememberingWindowTest, WhatTheUserChoseIsThereAgainAfterClosingAndReopening) {
  ASSERT_TRUE(folder.isValid());
  SettingsStore store(path());
  const auto first = openWith(store);
  first->selectPosition(17);
  first->findChild<QRadioButton*>(QStringLiteral("RadioB2"))->click();
  first->findChild<QCheckBox*>(QStringLiteral("CPunkte"))->click();
  first->findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(-4);
  first->findChild<QSpinBox*>(QStringLiteral("SpinEdit3"))->setValue(9);
  first->setGeometry(QRect(30, 60, 1100, 760));
  first->findChild<QAction*>(QStringLiteral("LineWidth2"))->trigger();
  first->findChild<QAction*>(QStringLiteral("ReducedMotion"))->trigger();
  first->findChild<QAction*>(QStringLiteral("ColourFaces"))->trigger();
  ASSERT_NE(first->rememberedChoices(), nullptr);
  first->rememberedChoices()->pictureScale = 2;
  first->rememberedChoices()->net.paper = Paper::A3;
  first->rememberedChoices()->folders[QStringLiteral("net")] = folder.path();
  const Settings closing = first->settings().current();
  EXPECT_TRUE(first->close());

  const auto again = openWith(store);
  EXPECT_EQ(again->settings().current(), closing);
  EXPECT_EQ(again->selectedPosition(), 17);
  EXPECT_EQ(again->viewState().view, View::InnerSphere);
  EXPECT_TRUE(again->viewState().markPoints);
  EXPECT_EQ(again->geometry(), QRect(30, 60, 1100, 760));
  EXPECT_EQ(again->lineWidth(), 2);
  EXPECT_TRUE(again->findChild<QAction*>(QStringLiteral("LineWidth2"))->isChecked());
  EXPECT_FALSE(again->findChild<QAction*>(QStringLiteral("LineWidth1"))->isChecked());
  EXPECT_TRUE(again->tools().reducedMotion());
  EXPECT_TRUE(again->findChild<QAction*>(QStringLiteral("ReducedMotion"))->isChecked());
  EXPECT_TRUE(again->viewer().colourFaces());
  EXPECT_TRUE(again->findChild<QAction*>(QStringLiteral("ColourFaces"))->isChecked());
  // The steps are those the boxes show; the start pose is not turned by them.
  EXPECT_EQ(again->state().motion.stepX, -1.0);
  EXPECT_EQ(again->state().motion.stepY, 0.0);
  EXPECT_EQ(again->state().motion.stepZ, 2.25);
  clickListEntry(17);
  EXPECT_EQ(pointDistance(again->state().model, model()), 0.0);
}

// A window closed maximised opens maximised, and keeps the place it had
// before for when it is restored.
TEST_F(RememberingWindowTest, AMaximisedWindowOpensMaximisedWithItsNormalPlace) {
  ASSERT_TRUE(folder.isValid());
  Settings stored;
  stored.start.geometry = QRect(120, 90, 950, 720);
  stored.start.maximized = true;
  SettingsStore store(path());
  ASSERT_TRUE(store.save(stored));
  const auto opened = openWith(store);
  EXPECT_TRUE(opened->isMaximized());
  const Settings closing = opened->settings().current();
  EXPECT_TRUE(closing.start.maximized);
  EXPECT_EQ(closing.start.geometry, stored.start.geometry);
}

// A folder that cannot be made (its parent is a file, which no permission
// lets anyone pass) and a settings "file" that is a folder: the window opens
// and closes as always and nothing is reported but one line on stderr.
TEST_F(RememberingWindowTest, SettingsThatCannotBeWrittenNeverStopTheWindow) {
  ASSERT_TRUE(folder.isValid());
  QFile blocker(folder.filePath(QStringLiteral("blocker")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SettingsStore unwritable(folder.filePath(QStringLiteral("blocker/korvelindra.ini")));
  const auto first = openWith(unwritable);
  expectSameStart(*window, *first);
  EXPECT_TRUE(first->close());
  EXPECT_FALSE(unwritable.save(first->settings().current()));

  ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("a-folder.ini")));
  SettingsStore aFolder(folder.filePath(QStringLiteral("a-folder.ini")));
  const auto second = openWith(aFolder);
  expectSameStart(*window, *second);
  EXPECT_TRUE(second->close());
  EXPECT_FALSE(aFolder.save(second->settings().current()));
}

TEST_F(RememberingWindowTest, TheNetDialogOpensWithTheRememberedChoicesAndKeepsTheNewOnes) {
  NetChoices remembered{
      Paper::Letter, Orientation::Portrait, 42.5, TabStyle::Both, false, false, true, false};
  std::vector<NetOptions> chosen;
  withModalDialogs(
      [&] {
        for (int round = 0; round < 2; ++round) {
          const auto options = askNetOptions(window.get(), window->state().solid.geometry,
                                             QStringLiteral("Netz"), &remembered);
          ASSERT_TRUE(options.has_value());
          chosen.push_back(*options);
        }
      },
      [&](QWidget& modal) {
        auto* dialog = qobject_cast<QDialog*>(&modal);
        if (dialog == nullptr) return;
        if (chosen.size() == 1) {
          dialog->findChild<QDoubleSpinBox*>(QStringLiteral("NetEdge"))->setValue(0.0);
          auto* tabs = dialog->findChild<QComboBox*>(QStringLiteral("NetTabs"));
          tabs->setCurrentIndex(tabs->findData(static_cast<int>(TabStyle::None)));
          dialog->findChild<QCheckBox*>(QStringLiteral("NetScaleBar"))->toggle();
        }
        dialog->accept();
      });
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_EQ(chosen[0].paper, Paper::Letter);
  EXPECT_EQ(chosen[0].orientation, Orientation::Portrait);
  EXPECT_EQ(chosen[0].edgeMm, 42.5);
  EXPECT_EQ(chosen[0].tabStyle, TabStyle::Both);
  EXPECT_FALSE(chosen[0].numbers);
  EXPECT_FALSE(chosen[0].faceNumbers);
  EXPECT_TRUE(chosen[0].foldAngles);
  EXPECT_FALSE(chosen[0].scaleBar);
  EXPECT_EQ(chosen[1].edgeMm, std::nullopt);
  EXPECT_FALSE(chosen[1].tabs);
  EXPECT_TRUE(chosen[1].scaleBar);
  EXPECT_EQ(remembered, (NetChoices{Paper::Letter, Orientation::Portrait, 0.0, TabStyle::None,
                                    false, false, true, true}));
}

// The picture's save dialog opens where the last picture went, with its
// scale; what is chosen there is what the next one starts with.
TEST_F(RememberingWindowTest, ThePictureDialogStartsWithTheLastScaleAndFolder) {
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("bilder")));
  const QString pictures = folder.filePath(QStringLiteral("bilder"));
  SettingsStore store(path());
  const auto opened = openWith(store);
  std::vector<std::pair<QString, int>> seen;  // folder and scale each dialog opened with
  withModalDialogs(
      [&] {
        opened->files().savePicture();
        opened->files().savePicture();
      },
      [&](QWidget& modal) {
        auto* files = qobject_cast<QFileDialog*>(&modal);
        if (files == nullptr) return;
        auto* scale = files->findChild<QComboBox*>(QStringLiteral("PictureScale"));
        ASSERT_NE(scale, nullptr);
        seen.emplace_back(files->directory().absolutePath(), scale->currentData().toInt());
        scale->setCurrentIndex(scale->findData(2));
        // A new name each time: an existing one would ask before overwriting.
        files->selectFile(pictures + QStringLiteral("/bild%1.png").arg(seen.size()));
        static_cast<QDialog*>(files)->accept();
      });
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_NE(seen[0].first, pictures);
  EXPECT_EQ(seen[0].second, 1);
  EXPECT_EQ(seen[1].first, pictures);
  EXPECT_EQ(seen[1].second, 2);
  EXPECT_EQ(QImage(pictures + QStringLiteral("/bild2.png")).width(),
            2 * opened->pictureSize().width());
  EXPECT_TRUE(opened->close());
  EXPECT_EQ(SettingsStore(path()).load().dialogs.folders.at(QStringLiteral("picture")), pictures);
}

}  // namespace
}  // namespace velkora::test
