#pragma once
// Reporting an error that reached a window handler: the text shown is the
// exception's UTF-8 message with a full stop appended, in the standard error
// box titled with the application title. Anything that is not one of the
// program's own errors is shown as an internal error and also written to
// standard error. The program goes on afterwards.

#include <exception>
#include <functional>

#include <QString>

class QWidget;

namespace velkora {

inline constexpr char kApplicationTitle[] = "Murvanteliskor";

// Receives the finished text; the window's default shows the error box.
using ErrorReporter = std::function<void(const QString& text)>;

// The message of error as shown: its UTF-8 text with a full stop appended.
QString errorText(const std::exception& error);

// The text shown for an exception that is not one of the program's own
// errors: a fault in the program, named as such.
QString internalErrorText(const char* what);

// Writes such a fault to standard error, for a report.
void reportInternalError(const char* what);

// Runs body at a handler's boundary: any exception ends it and goes to
// report, the program's own errors with their message, anything else as an
// internal error (also written to standard error).
void runGuarded(const ErrorReporter& report, const std::function<void()>& body);

// Modal box with the error icon, title kApplicationTitle and an OK button.
void showErrorBox(QWidget* parent, const QString& text);

}  // namespace velkora
