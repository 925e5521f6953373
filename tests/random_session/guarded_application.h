#pragma once
// The random session's application object: delivers events as QApplication
// does, but keeps any exception that a handler let escape instead of letting
// it unwind through Qt, so that the session can fail with the event named.

#include <QApplication>
#include <QStringList>

namespace velkora::test {

class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override;
  // The messages of the exceptions caught since the last call.
  QStringList takeEscapedExceptions();

 private:
  QStringList escaped_;
};

}  // namespace velkora::test
