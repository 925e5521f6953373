#include "ui/window_menus.h"

#include <memory>
#include <vector>

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "render/frame.h"
#include "translations/language.h"
#include "ui/accessible_command.h"
#include "ui/cp1252.h"
#include "ui/file_commands.h"
#include "ui/fold_window.h"
#include "ui/help_window.h"
#include "ui/jitterbug_window.h"
#include "ui/kaleidoscope_window.h"
#include "ui/main_window.h"
#include "ui/morph_window.h"
#include "ui/presentation_mode.h"
#include "ui/tool_windows.h"
#include "ui/window_settings.h"

namespace velkora {

namespace {

constexpr const char* kContext = "velkora::TFVelkora";
// Marks a command whose description is its own, not the one made from its menu and key.
constexpr const char* kOwnDescription = "velkoraOwnDescription";
constexpr double kTurnStep = 5.0;      // degrees per Alt+arrow
constexpr double kFineTurnStep = 1.0;  // with Shift

QString windowTr(const char* text) { return QCoreApplication::translate(kContext, text); }

// A turning command: its text, key and the degrees handed to drehen.
struct TurnCommand {
  const char* text;  // marked for translation in the window's context
  QKeySequence key;
  bool fine = false;  // with Shift, the smaller step
  double a = 0.0, b = 0.0, c = 0.0;
};

// Turning by keys: about the screen's vertical axis (x-z plane), its
// horizontal axis (y-z plane) and in the screen plane (x-y plane), first the
// 5-degree steps, then the same with Shift by 1 degree.
std::vector<TurnCommand> turnCommands() {
  struct Turn {
    const char* text;
    Qt::Key key;
    double a, b, c;
  };
  const Turn turns[] = {
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach links drehen"), Qt::Key_Left, 0, 0, -1},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach rechts drehen"), Qt::Key_Right, 0, 0, 1},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach oben kippen"), Qt::Key_Up, 0, -1, 0},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Nach unten kippen"), Qt::Key_Down, 0, 1, 0},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Gegen den Uhrzeigersinn drehen"), Qt::Key_PageUp,
       -1, 0, 0},
      {QT_TRANSLATE_NOOP("velkora::TFVelkora", "Im Uhrzeigersinn drehen"), Qt::Key_PageDown, 1, 0,
       0}};
  std::vector<TurnCommand> commands;
  for (const bool fine : {false, true}) {
    const double step = fine ? kFineTurnStep : kTurnStep;
    for (const Turn& turn : turns) {
      commands.push_back(
          {turn.text, QKeySequence(fine ? (Qt::ALT | Qt::SHIFT | turn.key) : (Qt::ALT | turn.key)),
           fine, turn.a * step, turn.b * step, turn.c * step});
    }
  }
  return commands;
}

QString withoutAmpersand(QString text) {
  text.remove(QLatin1Char('&'));
  return text;
}

// The title of the first menu that shows action, or empty.
QString firstMenuOf(const QAction* action) {
  for (const QObject* object : action->associatedObjects()) {
    if (const auto* menu = qobject_cast<const QMenu*>(object))
      return withoutAmpersand(menu->title());
  }
  return {};
}

// The menus that actions open, and their submenus.
QList<QMenu*> menusOf(const QList<QAction*>& actions) {
  QList<QMenu*> menus;
  for (const QAction* action : actions) {
    if (QMenu* menu = action->menu()) menus << menu << menusOf(menu->actions());
  }
  return menus;
}

// The command's own status tip and What's This.
void setOwnDescription(QAction& action, const QString& text) {
  action.setStatusTip(text);
  action.setWhatsThis(text);
}

}  // namespace

WindowMenus::WindowMenus(TFVelkora& window, QMenuBar& bar, LiveTexts& texts,
                         const ErrorReporter& report)
    : window_(window), bar_(bar), texts_(texts), report_(report) {
  buildFileMenu();
  buildViewMenu();
  buildHelpMenu();
}

QAction* WindowMenus::addCommand(QMenu* menu, const char* text, const QKeySequence& key,
                                 const std::function<void()>& body) {
  auto* action = new QAction(&window_);
  texts_.add([action, text] { action->setText(windowTr(text)); });
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, &window_,
                   [this, body] { runGuarded(report_, body); });
  window_.addAction(action);
  if (menu != nullptr) menu->addAction(action);
  commands_.append(action);
  return action;
}

void WindowMenus::buildFileMenu() {
  QMenu* file = bar_.addMenu(QString());
  texts_.add([file] { file->setTitle(TFVelkora::tr("&Datei")); });
  FileCommands& files = window_.files();
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Bild &speichern …"),
             QKeySequence(Qt::CTRL | Qt::Key_S), [&files] { files.savePicture(); });
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Bild &kopieren"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [&files] { files.copyPicture(); });
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Animation speichern …"),
             QKeySequence(), [&files] { files.saveAnimation(); });
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Körper &exportieren …"),
             QKeySequence(Qt::CTRL | Qt::Key_E), [&files] { files.exportSolid(); });
  file->addSeparator();
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Netz &drucken …"),
             QKeySequence(Qt::CTRL | Qt::Key_P), [&files] { files.printNet(); });
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Netz s&peichern …"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&files] { files.saveNet(); });
  file->addSeparator();
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Steckbrief dr&ucken …"), QKeySequence(),
             [&files] { files.printSheet(); });
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Steckbrief speic&hern …"),
             QKeySequence(), [&files] { files.saveSheet(); });
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Alle Steckbriefe speichern …"),
             QKeySequence(), [&files] { files.saveBooklet(); });
  file->addSeparator();
  addCommand(file, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Beenden"),
             QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { window_.close(); });
}

void WindowMenus::buildViewMenu() {
  QMenu* view = bar_.addMenu(QString());
  texts_.add([view] { view->setTitle(TFVelkora::tr("&Ansicht")); });
  ToolWindows& tools = window_.tools();
  // A checkable command that shows or hides a window.
  const auto windowCommand = [this, view](const char* text, Qt::Key key,
                                          const std::function<void(bool)>& show) {
    auto made = std::make_shared<QAction*>(nullptr);
    QAction* action = addCommand(view, text, QKeySequence(Qt::CTRL | key),
                                 [made, show] { show((*made)->isChecked()); });
    *made = action;
    action->setCheckable(true);
    return action;
  };
  QAction* properties =
      windowCommand(QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Eigenschaften"), Qt::Key_I,
                    [&tools](bool on) { tools.setPropertiesShown(on); });
  tools.useProperties(*properties);
  // A tool window of the core: its command, and the window class that shows the tool.
  const auto toolCommand = [&tools, &windowCommand](const char* text, Qt::Key key, Tool tool,
                                                    ViewerToolMaker make) {
    QAction* action =
        windowCommand(text, key, [&tools, tool](bool on) { tools.setShown(tool, on); });
    tools.add(tool, *action, std::move(make));
  };
  toolCommand(QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Verwandlung …"), Qt::Key_D, Tool::Morph,
              viewerToolMaker<MorphWindow>());
  toolCommand(QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Kaleidoskop …"), Qt::Key_K,
              Tool::Kaleidoscope, viewerToolMaker<KaleidoscopeWindow>());
  toolCommand(QT_TRANSLATE_NOOP("velkora::TFVelkora", "Netz &falten …"), Qt::Key_F, Tool::Fold,
              viewerToolMaker<FoldWindow>());
  toolCommand(QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Jitterbug …"), Qt::Key_J, Tool::Jitterbug,
              viewerToolMaker<JitterbugWindow>());
  QAction* relations = windowCommand(QT_TRANSLATE_NOOP("velkora::TFVelkora", "Ver&wandtschaften …"),
                                     Qt::Key_R, [&tools](bool on) { tools.setRelationsShown(on); });
  tools.useRelations(*relations);
  view->addSeparator();

  PresentationMode& presentation = window_.presentation();
  presentation_ = addCommand(
      view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Präsentation"), QKeySequence(Qt::Key_F11),
      [this, &presentation] { presentation.setPresentation(presentation_->isChecked()); });
  presentation_->setCheckable(true);
  column_ = addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Steuerspalte zeigen"),
                       QKeySequence(Qt::Key_F10), [this, &presentation] {
                         presentation.setColumnHidden(!column_->isChecked());
                       });
  column_->setCheckable(true);
  column_->setChecked(true);
  column_->setEnabled(false);
  // Esc leaves presentation mode; outside it the key stays with the controls.
  leavePresentation_ = addCommand(
      nullptr, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Präsentation beenden"),
      QKeySequence(Qt::Key_Escape), [&presentation] { presentation.setPresentation(false); });
  leavePresentation_->setEnabled(false);
  view->addSeparator();

  Viewer& viewer = window_.viewer();
  addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Ausgangslage"),
             QKeySequence(Qt::CTRL | Qt::Key_0), [this] {
               // The same load as a pick from the list, but the rotation runs on.
               window_.B1C();
             });
  const auto stepSolid = [this, &viewer](int direction) {
    const int row = viewer.neighbour(direction);
    // As a user's pick: the list's handler stops the rotation and loads the solid.
    if (row >= 0) window_.selectPosition(row);
  };
  addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Nächster Körper"),
             QKeySequence(Qt::CTRL | Qt::Key_PageDown), [stepSolid] { stepSolid(1); });
  addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "V&orheriger Körper"),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp), [stepSolid] { stepSolid(-1); });
  QAction* enlarge =
      addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Vergrößern"),
                 QKeySequence(Qt::CTRL | Qt::Key_Plus), [&viewer] { viewer.zoom(1); });
  // Ctrl+= is where Ctrl++ sits on keyboards that need Shift for the plus sign.
  enlarge->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Ver&kleinern"),
             QKeySequence(Qt::CTRL | Qt::Key_Minus), [&viewer] { viewer.zoom(-1); });

  QMenu* turnMenu = view->addMenu(QString());
  texts_.add([turnMenu] { turnMenu->setTitle(TFVelkora::tr("&Drehen")); });
  bool fine = false;
  for (const TurnCommand& turn : turnCommands()) {
    if (turn.fine != fine) turnMenu->addSeparator();
    fine = turn.fine;
    const double a = turn.a;
    const double b = turn.b;
    const double c = turn.c;
    QAction* action =
        addCommand(turnMenu, turn.text, turn.key, [&viewer, a, b, c] { viewer.turn(a, b, c); });
    const double step = fine ? kFineTurnStep : kTurnStep;
    texts_.add([action, text = turn.text, step] {
      action->setText(TFVelkora::tr("%1 um %2°").arg(windowTr(text), QString::number(step)));
    });
  }
  buildAccessCommands(view);
}

void WindowMenus::buildAccessCommands(QMenu* view) {
  view->addSeparator();
  QAction* picture =
      addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Zum &Bild (Pfeiltasten drehen)"),
                 QKeySequence(Qt::Key_F6),
                 [this] { window_.controls().PB1.setFocus(Qt::ShortcutFocusReason); });
  picture->setObjectName(QStringLiteral("FocusPicture"));
  picture->setProperty(kOwnDescription, true);
  texts_.add([picture] {
    setOwnDescription(
        *picture,
        TFVelkora::tr("Gibt dem Bild die Tastatur: die Pfeiltasten drehen dann den Körper wie "
                      "Alt+Pfeil, mit Umschalt um 1°; Tab geht zurück zu den Bedienelementen."));
  });
  QMenu* widths = view->addMenu(QString());
  texts_.add([widths] { widths->setTitle(TFVelkora::tr("&Linienstärke")); });
  widths->setObjectName(QStringLiteral("LineWidthMenu"));
  auto* group = new QActionGroup(&window_);
  group->setExclusive(true);
  for (int width = kMinLineWidth; width <= kMaxLineWidth; ++width) {
    QAction* action = addCommand(widths, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&%1 px"),
                                 QKeySequence(), [this, width] { setLineWidth(width); });
    action->setObjectName(QStringLiteral("LineWidth%1").arg(width));
    action->setCheckable(true);
    action->setChecked(width == window_.lineWidth());
    action->setActionGroup(group);
    action->setProperty(kOwnDescription, true);
    texts_.add([action, width] {
      action->setText(TFVelkora::tr("&%1 px").arg(width));
      setOwnDescription(*action,
                        TFVelkora::tr("Zeichnet Kanten und Eckmarken %1 Pixel breit.").arg(width));
    });
    lineWidthActions_.append(action);
  }
  reducedMotion_ =
      addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Bewegung &reduzieren"),
                 QKeySequence(), [this] { setReducedMotion(reducedMotion_->isChecked()); });
  reducedMotion_->setObjectName(QStringLiteral("ReducedMotion"));
  reducedMotion_->setCheckable(true);
  reducedMotion_->setProperty(kOwnDescription, true);
  texts_.add([this] {
    setOwnDescription(
        *reducedMotion_,
        TFVelkora::tr("„Abspielen“ in den Fenstern Verwandlung und Netz falten bewegt nicht von "
                      "selbst, sondern geht je Druck einen Schritt weiter."));
  });
  colourFaces_ =
      addCommand(view, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Flächen nach Ar&t färben"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                 [this] { setColourFaces(colourFaces_->isChecked()); });
  colourFaces_->setObjectName(QStringLiteral("ColourFaces"));
  colourFaces_->setCheckable(true);
  colourFaces_->setProperty(kOwnDescription, true);
  texts_.add([this] {
    setOwnDescription(
        *colourFaces_,
        TFVelkora::tr("Füllt jede Fläche in der Farbe ihrer Art: Flächen, die eine Drehung oder "
                      "Spiegelung des Körpers ineinander überführt, haben dieselbe Farbe. Die "
                      "Farben sind auch bei Farbsehschwäche zu unterscheiden. Taste: %1.")
            .arg(colourFaces_->shortcut().toString(QKeySequence::NativeText)));
  });
}

void WindowMenus::buildHelpMenu() {
  QMenu* help = bar_.addMenu(QString());
  texts_.add([help] { help->setTitle(TFVelkora::tr("&Hilfe")); });
  addCommand(help, QT_TRANSLATE_NOOP("velkora::TFVelkora", "&Bedienung"), QKeySequence(Qt::Key_F1),
             [this] { window_.tools().showHelp(); });
  addCommand(
      help, QT_TRANSLATE_NOOP("velkora::TFVelkora", "Über &Korvelindra"), QKeySequence(),
      [this] { QMessageBox::about(&window_, TFVelkora::tr("Über Korvelindra"), aboutText()); });
  // Each language is named in itself, so that it is found whatever is shown.
  help->addSeparator();
  QMenu* languages = help->addMenu(QStringLiteral("Sprache / Language"));
  auto* group = new QActionGroup(languages);
  for (const QString& code : availableLanguages()) {
    QAction* action = addCommand(languages, "", QKeySequence(),
                                 [this, code] { window_.settings().setLanguage(code, true); });
    texts_.add([action, code] { action->setText(languageName(code)); });
    action->setCheckable(true);
    action->setChecked(code == currentLanguage());
    action->setData(code);
    group->addAction(action);
    languageActions_.append(action);
  }
}

void WindowMenus::setLineWidth(int width) {
  runGuarded(report_, [this, width] {
    window_.viewer().setLineWidth(width);
    const int shown = window_.lineWidth();
    for (QAction* action : lineWidthActions_)
      action->setChecked(action == lineWidthActions_.value(shown - kMinLineWidth));
  });
}

void WindowMenus::showLanguage(const QString& code) {
  for (QAction* action : languageActions_)
    action->setChecked(action->data().toString() == code);
}

void WindowMenus::setReducedMotion(bool on) {
  window_.tools().setReducedMotion(on);
  if (reducedMotion_ != nullptr) reducedMotion_->setChecked(on);
}

void WindowMenus::setColourFaces(bool on) {
  runGuarded(report_, [this, on] {
    window_.viewer().setColourFaces(on);
    if (colourFaces_ != nullptr) colourFaces_->setChecked(window_.viewer().colourFaces());
  });
}

void WindowMenus::applyAccessibleTexts() {
  for (QMenu* menu : menusOf(bar_.actions())) {
    const QString text =
        TFVelkora::tr("Menü „%1“ mit seinen Befehlen.").arg(withoutAmpersand(menu->title()));
    menu->setAccessibleName(withoutAmpersand(menu->title()));
    menu->setAccessibleDescription(text);
    menu->menuAction()->setStatusTip(text);
    menu->menuAction()->setWhatsThis(text);
    markDescribed(*menu->menuAction());
  }
  bar_.setAccessibleName(TFVelkora::tr("Menüleiste"));
  bar_.setAccessibleDescription(TFVelkora::tr("Die Menüs Datei, Ansicht und Hilfe."));
  // Commands without a text of their own say where they are and their key.
  for (QAction* action : commands_) {
    markDescribed(*action);
    if (action->property(kOwnDescription).toBool()) continue;
    const QString menu = firstMenuOf(action);
    QString text = menu.isEmpty()
                       ? TFVelkora::tr("Befehl „%1“.").arg(withoutAmpersand(action->text()))
                       : TFVelkora::tr("Befehl „%1“ im Menü „%2“.")
                             .arg(withoutAmpersand(action->text()), menu);
    if (!action->shortcut().isEmpty()) {
      text +=
          QLatin1Char(' ') +
          TFVelkora::tr("Taste: %1.").arg(action->shortcut().toString(QKeySequence::NativeText));
    }
    setOwnDescription(*action, text);
  }
}

void WindowMenus::arrowKey(int key, bool fine) {
  // Exactly the command of Alt (and Shift) with the same key.
  const QKeySequence wanted(fine ? (Qt::ALT | Qt::SHIFT | Qt::Key(key)) : (Qt::ALT | Qt::Key(key)));
  for (QAction* action : commands_) {
    if (action->shortcuts().contains(wanted) && action->isEnabled()) {
      action->trigger();
      return;
    }
  }
}

}  // namespace velkora
