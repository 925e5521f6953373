// Entry point. Without arguments: sets the application title, creates the
// main window FVelkora and runs the event loop until the window closes. With
// --help, --version or an export option the request is carried out without a
// window and without needing a display.

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTextStream>

#include "cli/command_line.h"
#include "cli/headless.h"
#include "model/solid_catalogue.h"
#include "ui/app_icon.h"
#include "ui/error_box.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"
#include "ui/window_settings.h"

namespace {

using namespace velkora;

// Qt's errors go on to stderr as Qt would print them; its warnings and notes do not.
void onlyQtsErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

QStringList argumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

int runWithoutWindow(int argc, char* argv[]) {
  // Pictures and PDFs need the Gui module's fonts and image formats, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // A run without a window prints only what it was asked for and its own
  // errors: Qt's notes (a missing runtime folder and the like) stay quiet.
  qInstallMessageHandler(onlyQtsErrors);
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QStringList arguments = argumentsOf(argc, argv);
  // Every message of the run, the usage errors included, speaks its language.
  useLanguage(languageOfArguments(arguments).value_or(kGerman));
  try {
    const CatalogueTexts texts = loadCatalogueTexts();
    CliRequest request;
    try {
      request = parseCommandLine(arguments, texts);
    } catch (const EUsageError& error) {
      return reportUsageError(error, err);
    }
    if (request.action == CliAction::Help) {
      out << helpText();
      return kExitSuccess;
    }
    if (request.action == CliAction::Version) {
      out << versionText();
      return kExitSuccess;
    }
    return runHeadless(request, texts, out, err);
  } catch (const std::exception& error) {
    return reportFailure(error, err);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (velkora::asksForNoWindow(argumentsOf(argc, argv))) {
    return runWithoutWindow(argc, argv);
  }
  // The window's own options are checked before any application object
  // exists, so that a usage error ends with its message and status 2 whether
  // or not a display can be opened. Qt's own options (-platform and the like)
  // are left for QApplication. The names are only needed to read --solid; a
  // plain start reads no texts here.
  velkora::CliRequest request;
  const QStringList arguments = velkora::withoutQtOptions(argumentsOf(argc, argv));
  if (!arguments.isEmpty()) {
    // Translations need an application object; the window's comes later.
    const QCoreApplication check(argc, argv);
    velkora::useLanguage(velkora::languageOfArguments(arguments).value_or(velkora::kGerman));
    QTextStream err(stderr);
    try {
      request = velkora::parseCommandLine(arguments, velkora::loadCatalogueTexts());
    } catch (const std::exception& error) {
      return velkora::reportUsageError(error, err);
    }
  }
  QApplication app(argc, argv);
  // The name only, not the display name: Qt would append a display name to the caption.
  QApplication::setApplicationName(QString::fromUtf8(velkora::kApplicationTitle));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(velkora::appIconImage())));
  // German first, so that Qt's own dialogs speak it too; then the language
  // of the command line or the one remembered.
  velkora::useLanguage(velkora::kGerman);

  // The window remembers the user in the configuration folder; the command
  // line's solid and view come before the remembered ones.
  velkora::SettingsStore settings;
  if (request.resetSettings) settings.reset();
  const auto FVelkora = std::make_unique<velkora::TFVelkora>();
  FVelkora->settings().use(&settings);
  if (request.language) {
    FVelkora->settings().setLanguage(*request.language, false);
  } else {
    FVelkora->settings().setLanguage(FVelkora->settings().rememberedLanguage(), false);
  }
  FVelkora->settings().setStartSolid(
      request.position.value_or(FVelkora->settings().startPosition()),
      request.viewGiven ? request.view : FVelkora->settings().startView());
  FVelkora->show();
  return QApplication::exec();
}
