#include "ui/error_box.h"

#include <cstdio>

#include <QCoreApplication>
#include <QMessageBox>

#include "base/errors.h"

namespace velkora {

QString errorText(const std::exception& error) {
  return QString::fromUtf8(error.what()) + QLatin1Char('.');
}

QString internalErrorText(const char* what) {
  return QCoreApplication::translate("Korvelindra", "Interner Fehler: %1.")
      .arg(QString::fromUtf8(what));
}

void reportInternalError(const char* what) {
  std::fprintf(stderr, "korvelindra: internal error: %s\n", what);
}

void runGuarded(const ErrorReporter& report, const std::function<void()>& body) {
  try {
    body();
  } catch (const Error& error) {
    report(errorText(error));
  } catch (const std::exception& error) {
    // Not one of the program's own errors: a fault in the program itself.
    reportInternalError(error.what());
    report(internalErrorText(error.what()));
  } catch (...) {
    reportInternalError("unbekannte Ausnahme");
    report(internalErrorText("unbekannte Ausnahme"));
  }
}

void showErrorBox(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QString::fromUtf8(kApplicationTitle), text);
}

}  // namespace velkora
