// A random session through the real window: list picks, view, spin, mark and
// rotation controls, zoom buttons, drags, wheels and touchpads, every menu
// command and shortcut, presentation mode, window resizes and the side
// windows, each as real input, with every dialog answered by a timer. After
// each event the window must be consistent (see session_checks.h), no
// exception may have reached the event loop, and no internal error box may
// have been shown; the window's frame must equal a freshly composed one, and
// every 25th event the drawing area on screen is compared with it too. The session ends by
// quitting. Run under the address, leak and undefined-behaviour sanitizers by scripts/test.
//
// random_session_tests --seed=S --events=N [--log] runs one session; a
// failure names the seed and the event index, and the command that replays it.

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <random>

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "tests/random_session/dialog_answerer.h"
#include "tests/random_session/guarded_application.h"
#include "tests/random_session/session_checks.h"
#include "tests/random_session/session_input.h"
#include "tests/random_session/session_report.h"
#include "ui/main_window.h"

namespace velkora::test {
namespace {

constexpr int kScreenCheckEvery = 25;

// Each event draws from its own source, made from the seed and its index:
// an event's choices do not depend on how many numbers earlier events drew.
std::mt19937_64 eventRandom(std::uint64_t seed, int index) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                         static_cast<std::uint32_t>(index)};
  return std::mt19937_64(sequence);
}

// Menus left open by a click on a disabled entry: the session's doing, closed quietly.
void closeStrayPopups() {
  for (int i = 0; i < 10; ++i) {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return;
    popup->close();
    QCoreApplication::processEvents();
  }
}

TEST(RandomSession, EveryEventLeavesTheWindowConsistent) {
  const SessionOptions& options = sessionOptions();
  ASSERT_GT(options.events, 0) << "give --events=N or VELKORA_SESSION_EVENTS";
  std::cout << "random session: seed " << options.seed << ", " << options.events << " events"
            << std::endl;
  auto& application = static_cast<GuardedApplication&>(*QCoreApplication::instance());
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  DialogAnswerer answerer(folder.path());

  // The standard error reporter: errors appear in real boxes, which the answerer reads.
  auto window = std::make_unique<TFVelkora>();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto scratch = std::make_unique<FrameBuffers>();
  ASSERT_TRUE(windowInconsistencies(*window, *scratch, true).isEmpty());

  int index = 0;
  SessionInput input(*window, [&index](const std::string& what) { setCurrentEvent(index, what); });
  QWidget* picture = window->findChild<QWidget*>(QStringLiteral("PB1"));
  const auto started = std::chrono::steady_clock::now();
  const auto problemsNow = [&](bool pixels) {
    QStringList problems = application.takeEscapedExceptions();
    problems += answerer.takeFailures();
    if (!answerer.badNameChosen())
      problems += fileProblems(answerer.chosenFiles(), picture->size());
    problems += windowInconsistencies(*window, *scratch, pixels);
    return problems;
  };

  for (; index < options.events; ++index) {
    std::mt19937_64 random = eventRandom(options.seed, index);
    answerer.startEvent(random);
    input.perform(random);
    closeStrayPopups();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QStringList problems = problemsNow(index % kScreenCheckEvery == 0);
    if (!problems.isEmpty()) {
      FAIL() << "random session stopped at " << currentEventReport() << ":\n  "
             << problems.join(QStringLiteral("\n  ")).toStdString();
    }
  }
  {
    const QStringList problems = problemsNow(true);
    ASSERT_TRUE(problems.isEmpty())
        << "at the end: " << problems.join(QLatin1Char('\n')).toStdString();
  }

  // The session ends as a user ends it, by the menu or the shortcut.
  std::mt19937_64 last = eventRandom(options.seed, index);
  answerer.startEvent(last);
  input.quit(options.seed % 2 == 0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(window->isVisible()) << "Beenden left the window open";
  EXPECT_FALSE(window->animationTimer().isActive()) << "the animation runs on after Beenden";
  const QStringList escaped = application.takeEscapedExceptions() + answerer.takeFailures();
  EXPECT_TRUE(escaped.isEmpty()) << escaped.join(QLatin1Char('\n')).toStdString();

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const AnswerTally& tally = answerer.tally();
  std::cout << "random session: " << options.events << " events in " << seconds << " s; "
            << tally.fileDialogs << " file dialogs (" << tally.filesChosen << " names, "
            << tally.badNames << " unwritable), " << tally.netOptions << " net option dialogs, "
            << tally.previews << " print previews (" << tally.printedToPdf << " printed to PDF), "
            << tally.errorBoxes << " error boxes, " << tally.otherBoxes << " other message boxes, "
            << tally.cancelled << " cancelled, " << tally.unknown << " other modal dialogs"
            << std::endl;

  window.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(widget->isVisible()) << "a " << widget->metaObject()->className()
                                      << " is still shown after the window was closed";
  }
}

}  // namespace
}  // namespace velkora::test
