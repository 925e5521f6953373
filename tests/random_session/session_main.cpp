// Runs the random session's GoogleTest program inside one QApplication on the
// offscreen platform with a 1280 x 800 screen (a laptop's; the window fits it,
// and full-screen frames cost half of what they cost on 1920 x 1080). Dialogs are Qt's own widgets
// (not the platform's), so that the session can answer them; the application
// does not quit when the window closes; and an exception that reaches Qt's
// event delivery is caught there and counted as a failure of the session.

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>

#include <QApplication>

#include "tests/random_session/guarded_application.h"
#include "tests/random_session/session_report.h"
#include "tests/support/qt_test_environment.h"

namespace velkora::test {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    escaped_ << QString::fromUtf8(error.what());
  } catch (...) {
    escaped_ << QStringLiteral("an exception of unknown type");
  }
  std::fprintf(stderr, "random session: an exception reached the event loop at %s\n",
               currentEventReport().c_str());
  return false;
}

QStringList GuardedApplication::takeEscapedExceptions() {
  QStringList taken;
  taken.swap(escaped_);
  return taken;
}

}  // namespace velkora::test

namespace {

// The offscreen platform says once per window what it cannot do (raise,
// grab the keyboard, size hints): thousands of lines that say nothing here.
QtMessageHandler qtHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) {
    return;
  }
  if (qtHandler != nullptr) {
    qtHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!velkora::test::readSessionOptions(argc, argv)) return 2;
  velkora::test::installCrashReport();
  qtHandler = qInstallMessageHandler(quietHandler);
  velkora::test::QtTestEnvironment environment(1280, 800);
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  velkora::test::GuardedApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
