#include "tests/random_session/session_input.h"

#include <array>
#include <iterator>
#include <stdexcept>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

namespace velkora::test {

namespace {

struct Key {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* name;
};

constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kNone = Qt::NoModifier;

// The window's shortcuts that open no dialog.
const Key kLightShortcuts[] = {
    {Qt::Key_C, kCtrl | kShift, "Ctrl+Shift+C"},
    {Qt::Key_0, kCtrl, "Ctrl+0"},
    {Qt::Key_PageDown, kCtrl, "Ctrl+PgDown"},
    {Qt::Key_PageUp, kCtrl, "Ctrl+PgUp"},
    {Qt::Key_Plus, kCtrl, "Ctrl++"},
    {Qt::Key_Equal, kCtrl, "Ctrl+="},
    {Qt::Key_Minus, kCtrl, "Ctrl+-"},
    {Qt::Key_I, kCtrl, "Ctrl+I"},
    {Qt::Key_F1, kNone, "F1"},
    {Qt::Key_Left, kAlt, "Alt+Left"},
    {Qt::Key_Right, kAlt, "Alt+Right"},
    {Qt::Key_Up, kAlt, "Alt+Up"},
    {Qt::Key_Down, kAlt, "Alt+Down"},
    {Qt::Key_PageUp, kAlt, "Alt+PgUp"},
    {Qt::Key_PageDown, kAlt, "Alt+PgDown"},
    {Qt::Key_Left, kAlt | kShift, "Alt+Shift+Left"},
    {Qt::Key_Right, kAlt | kShift, "Alt+Shift+Right"},
    {Qt::Key_Up, kAlt | kShift, "Alt+Shift+Up"},
    {Qt::Key_Down, kAlt | kShift, "Alt+Shift+Down"},
    {Qt::Key_PageUp, kAlt | kShift, "Alt+Shift+PgUp"},
    {Qt::Key_PageDown, kAlt | kShift, "Alt+Shift+PgDown"},
};

const Key kPresentationKeys[] = {
    {Qt::Key_F11, kNone, "F11"}, {Qt::Key_Escape, kNone, "Esc"}, {Qt::Key_F10, kNone, "F10"}};

// The shortcuts that open a file or net dialog.
const Key kDialogShortcuts[] = {{Qt::Key_S, kCtrl, "Ctrl+S"},
                                {Qt::Key_E, kCtrl, "Ctrl+E"},
                                {Qt::Key_P, kCtrl, "Ctrl+P"},
                                {Qt::Key_S, kCtrl | kShift, "Ctrl+Shift+S"}};

// Keys that a focused control may take for itself.
const Key kFocusKeys[] = {{Qt::Key_Tab, kNone, "Tab"},     {Qt::Key_Backtab, kShift, "Shift+Tab"},
                          {Qt::Key_Space, kNone, "Space"}, {Qt::Key_Return, kNone, "Return"},
                          {Qt::Key_Up, kNone, "Up"},       {Qt::Key_Down, kNone, "Down"},
                          {Qt::Key_Left, kNone, "Left"},   {Qt::Key_Right, kNone, "Right"},
                          {Qt::Key_A, kCtrl, "Ctrl+A"}};

const char* const kSpins[] = {"SpinEdit1", "SpinEdit2", "SpinEdit3"};
const char* const kRadios[] = {"RadioB1", "RadioB2", "RadioB3"};

template <class T, std::size_t N>
const T& pick(const T (&items)[N], int index) {
  return items[static_cast<std::size_t>(index) % N];
}

std::string pointText(QPoint p) {
  return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
}

std::string keyText(const Key& key) { return key.name; }

// Presses Down in menu until entry is its active entry; false if it never is.
bool walkTo(QMenu& menu, QAction* entry) {
  for (int i = 0; i < 40 && menu.activeAction() != entry; ++i)
    QTest::keyClick(&menu, Qt::Key_Down);
  return menu.activeAction() == entry;
}

}  // namespace

SessionInput::SessionInput(QWidget& window, std::function<void(const std::string&)> announce)
    : window_(window), announce_(std::move(announce)) {}

int SessionInput::below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(*random_); }

QWidget& SessionInput::control(const char* name) {
  auto* found = window_.findChild<QWidget*>(QString::fromLatin1(name));
  if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
  return *found;
}

QWidget* SessionInput::keyTarget() {
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return &window_;
}

void SessionInput::activate() {
  if (QApplication::activeWindow() == &window_) return;
  window_.activateWindow();
  QCoreApplication::processEvents();
}

void SessionInput::settle() { QCoreApplication::processEvents(); }

void SessionInput::perform(std::mt19937_64& random) {
  random_ = &random;
  using Action = void (SessionInput::*)();
  struct Weighted {
    int weight;
    Action action;
  };
  static constexpr Weighted kActions[] = {
      {80, &SessionInput::clickListEntry},
      {60, &SessionInput::listKey},
      {60, &SessionInput::clickRadio},
      {20, &SessionInput::radioKey},
      {40, &SessionInput::spinKey},
      {30, &SessionInput::spinArrowClick},
      {30, &SessionInput::spinTyping},
      {20, &SessionInput::spinWheel},
      {40, &SessionInput::toggleMarks},
      {40, &SessionInput::rotationButton},
      {50, &SessionInput::zoomButton},
      {100, &SessionInput::drag},
      {10, &SessionInput::doubleClickPicture},
      {60, &SessionInput::wheel},
      {120, &SessionInput::lightShortcut},
      {60, &SessionInput::presentationKey},
      {12, &SessionInput::dialogShortcut},
      {40, &SessionInput::menuCommand},
      {30, &SessionInput::resizeWindow},
      {30, &SessionInput::sideWindow},
      {30, &SessionInput::focusKey},
  };
  int total = 0;
  for (const Weighted& entry : kActions)
    total += entry.weight;
  int roll = below(total);
  for (const Weighted& entry : kActions) {
    if (roll < entry.weight) {
      (this->*entry.action)();
      break;
    }
    roll -= entry.weight;
  }
  settle();
}

void SessionInput::clickListEntry() {
  auto& list = static_cast<QListWidget&>(control("Listbox1"));
  const int row = below(list.count());
  // Now and then with Ctrl, which in a single-selection list may unselect.
  const bool ctrl = below(20) == 0;
  announce_("click list entry " + std::to_string(row) + (ctrl ? " with Ctrl" : ""));
  QListWidgetItem* item = list.item(row);
  list.scrollToItem(item);
  const QRect cell = list.visualItemRect(item);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, ctrl ? kCtrl : kNone, cell.center());
}

void SessionInput::listKey() {
  static const Key keys[] = {{Qt::Key_Down, kNone, "Down"},
                             {Qt::Key_Up, kNone, "Up"},
                             {Qt::Key_PageDown, kNone, "PgDown"},
                             {Qt::Key_PageUp, kNone, "PgUp"},
                             {Qt::Key_Home, kNone, "Home"},
                             {Qt::Key_End, kNone, "End"},
                             {Qt::Key_T, kNone, "T"},
                             {Qt::Key_O, kNone, "O"},
                             {Qt::Key_K, kNone, "K"},
                             {Qt::Key_Space, kCtrl, "Ctrl+Space"}};
  const Key& key = pick(keys, below(static_cast<int>(std::size(keys))));
  announce_("list key " + keyText(key));
  activate();
  QWidget& list = control("Listbox1");
  list.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&list, key.key, key.modifiers);
}

void SessionInput::clickRadio() {
  const char* name = pick(kRadios, below(3));
  announce_(std::string("click ") + name);
  QTest::mouseClick(&control(name), Qt::LeftButton);
}

void SessionInput::radioKey() {
  static const Key keys[] = {{Qt::Key_Up, kNone, "Up"},
                             {Qt::Key_Down, kNone, "Down"},
                             {Qt::Key_Left, kNone, "Left"},
                             {Qt::Key_Right, kNone, "Right"}};
  const char* name = pick(kRadios, below(3));
  const Key& key = pick(keys, below(4));
  announce_(std::string("key ") + key.name + " on " + name);
  activate();
  control(name).setFocus(Qt::TabFocusReason);
  QTest::keyClick(&control(name), key.key, key.modifiers);
}

void SessionInput::spinKey() {
  static const Key keys[] = {{Qt::Key_Up, kNone, "Up"},
                             {Qt::Key_Down, kNone, "Down"},
                             {Qt::Key_PageUp, kNone, "PgUp"},
                             {Qt::Key_PageDown, kNone, "PgDown"}};
  const char* name = pick(kSpins, below(3));
  const Key& key = pick(keys, below(4));
  const int times = 1 + below(4);
  announce_(std::string("key ") + key.name + " x" + std::to_string(times) + " on " + name);
  activate();
  QWidget& spin = control(name);
  spin.setFocus(Qt::TabFocusReason);
  for (int i = 0; i < times; ++i)
    QTest::keyClick(&spin, key.key, key.modifiers);
}

void SessionInput::spinArrowClick() {
  const char* name = pick(kSpins, below(3));
  const bool up = below(2) == 0;
  announce_(std::string("click the ") + (up ? "up" : "down") + " arrow of " + name);
  QWidget& spin = control(name);
  // The arrows sit at the right edge, the up arrow in the upper half.
  const QPoint at(spin.width() - 6, up ? spin.height() / 4 : spin.height() * 3 / 4);
  QTest::mouseClick(&spin, Qt::LeftButton, kNone, at);
}

void SessionInput::spinTyping() {
  static const char* const texts[] = {"", "-", "abc", "1 5", "007", "+3", "99", "-99"};
  const char* name = pick(kSpins, below(3));
  const int choice = below(16);
  const std::string text =
      choice < 8 ? std::to_string(below(41) - 20) : std::string(pick(texts, choice));
  const bool byReturn = below(2) == 0;
  announce_("type \"" + text + "\" into " + name + (byReturn ? ", Return" : ", Tab"));
  activate();
  auto& spin = static_cast<QSpinBox&>(control(name));
  QTest::mouseClick(&spin, Qt::LeftButton, kNone, QPoint(10, spin.height() / 2));
  spin.setFocus(Qt::MouseFocusReason);
  QTest::keyClick(&spin, Qt::Key_A, kCtrl);
  QTest::keyClicks(&spin, QString::fromStdString(text));
  QTest::keyClick(&spin, byReturn ? Qt::Key_Return : Qt::Key_Tab);
}

void SessionInput::spinWheel() {
  const char* name = pick(kSpins, below(3));
  const int delta = (below(2) == 0 ? 1 : -1) * 120 * (1 + below(3));
  announce_("wheel " + std::to_string(delta) + " over " + name);
  QWidget& spin = control(name);
  const QPointF at(spin.width() / 2.0, spin.height() / 2.0);
  QWheelEvent event(at, spin.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, kNone,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&spin, &event);
}

void SessionInput::toggleMarks() {
  const bool byKey = below(3) == 0;
  announce_(byKey ? "Space on CPunkte" : "click CPunkte");
  QWidget& box = control("CPunkte");
  if (byKey) {
    activate();
    box.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&box, Qt::Key_Space);
  } else {
    QTest::mouseClick(&box, Qt::LeftButton, kNone, QPoint(8, box.height() / 2));
  }
}

void SessionInput::rotationButton() {
  const bool byKey = below(3) == 0;
  announce_(byKey ? "Space on Button1" : "click Button1");
  QWidget& button = control("Button1");
  if (byKey) {
    activate();
    button.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&button, Qt::Key_Space);
  } else {
    QTest::mouseClick(&button, Qt::LeftButton);
  }
}

void SessionInput::zoomButton() {
  const char* name = below(2) == 0 ? "Speed2" : "Speed3";
  const int times = 1 + below(3);
  announce_(std::string("click ") + name + " x" + std::to_string(times));
  for (int i = 0; i < times; ++i)
    QTest::mouseClick(&control(name), Qt::LeftButton);
}

void SessionInput::drag() {
  QWidget& picture = control("PB1");
  const int roll = below(10);
  const Qt::MouseButton button = roll < 8   ? Qt::LeftButton
                                 : roll < 9 ? Qt::RightButton
                                            : Qt::MiddleButton;
  const auto anywhere = [&] {
    return QPoint(1 + below(std::max(1, picture.width() - 2)),
                  1 + below(std::max(1, picture.height() - 2)));
  };
  const QPoint start = anywhere();
  const int moves = 1 + below(12);
  // Now and then a key in the middle of the drag, and a release outside the picture.
  const int keyAt = below(8) == 0 ? below(moves) : -1;
  const Key& key =
      below(2) == 0
          ? pick(kLightShortcuts, below(static_cast<int>(std::size(kLightShortcuts))))
          : pick(kPresentationKeys, below(static_cast<int>(std::size(kPresentationKeys))));
  const bool outside = below(6) == 0;
  announce_(std::string("drag with button ") + std::to_string(static_cast<int>(button)) + " from " +
            pointText(start) + ", " + std::to_string(moves) + " moves" +
            (keyAt >= 0 ? ", key " + keyText(key) + " at move " + std::to_string(keyAt) : "") +
            (outside ? ", released outside" : ""));
  QTest::mousePress(&picture, button, kNone, start);
  for (int i = 0; i < moves; ++i) {
    if (i == keyAt) {
      activate();
      QTest::keyClick(keyTarget(), key.key, key.modifiers);
    }
    QTest::mouseMove(&picture, anywhere());
  }
  const QPoint end = outside ? QPoint(-5 - below(50), picture.height() + below(50)) : anywhere();
  QTest::mouseRelease(&picture, button, kNone, end);
}

void SessionInput::doubleClickPicture() {
  QWidget& picture = control("PB1");
  const QPoint at(1 + below(std::max(1, picture.width() - 2)),
                  1 + below(std::max(1, picture.height() - 2)));
  announce_("double click on PB1 at " + pointText(at));
  QTest::mouseClick(&picture, Qt::LeftButton, kNone, at);
  QTest::mouseDClick(&picture, Qt::LeftButton, kNone, at);
  QTest::mouseRelease(&picture, Qt::LeftButton, kNone, at);
}

void SessionInput::wheel() {
  QWidget& picture = control("PB1");
  const QPointF at(1 + below(std::max(1, picture.width() - 2)),
                   1 + below(std::max(1, picture.height() - 2)));
  const int sign = below(2) == 0 ? 1 : -1;
  const int kind = below(3);
  const auto send = [&](QPoint pixels, QPoint angle, Qt::ScrollPhase phase) {
    QWheelEvent event(at, picture.mapToGlobal(at), pixels, angle, Qt::NoButton, kNone, phase,
                      false);
    QApplication::sendEvent(&picture, &event);
  };
  if (kind == 0) {
    // A common wheel: whole notches.
    const int notches = 1 + below(3);
    announce_("wheel " + std::to_string(sign * notches) + " notches over PB1");
    send(QPoint(), QPoint(0, sign * 120 * notches), Qt::NoScrollPhase);
  } else if (kind == 1) {
    // A high-resolution wheel: pieces of a notch.
    const int pieces = 1 + below(8);
    const int piece = 8 * (1 + below(5));
    announce_("wheel " + std::to_string(pieces) + " pieces of " + std::to_string(sign * piece) +
              " over PB1");
    for (int i = 0; i < pieces; ++i)
      send(QPoint(), QPoint(0, sign * piece), Qt::NoScrollPhase);
  } else {
    // A touchpad: a begin, pixel deltas with small angle deltas, and an end;
    // now and then a sideways swipe, or one that turns back.
    const int updates = 1 + below(10);
    const bool sideways = below(8) == 0;
    announce_("touchpad swipe of " + std::to_string(updates) + " updates over PB1" +
              (sideways ? ", sideways" : ""));
    send(QPoint(), QPoint(), Qt::ScrollBegin);
    for (int i = 0; i < updates; ++i) {
      const int pixels = (below(6) == 0 ? -sign : sign) * (1 + below(30));
      const QPoint delta = sideways ? QPoint(pixels, 0) : QPoint(0, pixels);
      send(delta, delta * 2, Qt::ScrollUpdate);
    }
    send(QPoint(), QPoint(), Qt::ScrollEnd);
  }
}

void SessionInput::lightShortcut() {
  const Key& key = pick(kLightShortcuts, below(static_cast<int>(std::size(kLightShortcuts))));
  const bool otherWindow = below(10) == 0;
  announce_("shortcut " + keyText(key) + (otherWindow ? " wherever the focus is" : ""));
  if (!otherWindow) activate();
  QTest::keyClick(keyTarget(), key.key, key.modifiers);
}

void SessionInput::presentationKey() {
  const Key& key = pick(kPresentationKeys, below(static_cast<int>(std::size(kPresentationKeys))));
  announce_("key " + keyText(key));
  activate();
  QTest::keyClick(keyTarget(), key.key, key.modifiers);
}

void SessionInput::dialogShortcut() {
  const Key& key = pick(kDialogShortcuts, below(static_cast<int>(std::size(kDialogShortcuts))));
  announce_("shortcut " + keyText(key));
  activate();
  QTest::keyClick(keyTarget(), key.key, key.modifiers);
}

void SessionInput::menuCommand() {
  auto* bar = window_.findChild<QMenuBar*>(QStringLiteral("MenuBar"));
  if (bar == nullptr) throw std::logic_error("no menu bar");
  const QList<QAction*> titles = bar->actions();
  const int menuIndex = below(static_cast<int>(titles.size()));
  const int entryRoll = below(1000);
  const int subRoll = below(1000);
  const bool byKeys = below(4) == 0;
  QMenu* menu = titles[menuIndex]->menu();
  QList<QAction*> entries;
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) entries << action;
  QAction* entry = entries[entryRoll % entries.size()];
  QAction* subEntry = nullptr;
  if (entry->menu() != nullptr) {
    QList<QAction*> subEntries;
    for (QAction* action : entry->menu()->actions())
      if (!action->isSeparator()) subEntries << action;
    subEntry = subEntries[subRoll % subEntries.size()];
  }
  std::string path = titles[menuIndex]->text().toStdString() + " > " + entry->text().toStdString();
  if (subEntry != nullptr) path += " > " + subEntry->text().toStdString();
  if (!bar->isVisible()) {
    // Presentation mode hides the menu bar: nothing to click.
    announce_("menu " + path + " (menu bar hidden, nothing done)");
    return;
  }
  // The last entry of Datei quits; the session ends that way on purpose only.
  if (entry->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Q)) {
    announce_("menu " + path + " (skipped: quits)");
    return;
  }
  announce_("menu " + path + (byKeys ? " by keys" : " by mouse"));
  activate();
  if (byKeys) {
    // Alt and the title's underlined letter, then arrows and Return.
    const QString title = titles[menuIndex]->text();
    const int amp = title.indexOf(QLatin1Char('&'));
    const QChar letter = title.at(amp + 1).toUpper();
    QTest::keyClick(keyTarget(), static_cast<Qt::Key>(letter.unicode()), kAlt);
    settle();
    if (!menu->isVisible()) return;
    // Down until the entry is the active one; arrows skip separators and
    // disabled entries, so a disabled entry is never reached.
    if (!walkTo(*menu, entry)) {
      QTest::keyClick(menu, Qt::Key_Escape);
      return;
    }
    if (subEntry == nullptr) {
      QTest::keyClick(menu, Qt::Key_Return);
      return;
    }
    QTest::keyClick(menu, Qt::Key_Right);
    settle();
    QMenu* sub = entry->menu();
    if (!sub->isVisible() || !walkTo(*sub, subEntry)) return;
    QTest::keyClick(sub, Qt::Key_Return);
    return;
  }
  QTest::mouseClick(bar, Qt::LeftButton, kNone, bar->actionGeometry(titles[menuIndex]).center());
  settle();
  if (!menu->isVisible()) return;
  QTest::mouseClick(menu, Qt::LeftButton, kNone, menu->actionGeometry(entry).center());
  if (subEntry == nullptr) return;
  settle();
  QMenu* sub = entry->menu();
  if (!sub->isVisible()) return;
  QTest::mouseClick(sub, Qt::LeftButton, kNone, sub->actionGeometry(subEntry).center());
}

void SessionInput::quit(bool byMenu) {
  activate();
  if (!byMenu) {
    announce_("shortcut Ctrl+Q");
    QTest::keyClick(keyTarget(), Qt::Key_Q, kCtrl);
    return;
  }
  announce_("menu Datei > Beenden");
  auto* bar = window_.findChild<QMenuBar*>(QStringLiteral("MenuBar"));
  QAction* title = bar->actions().front();
  QTest::mouseClick(bar, Qt::LeftButton, kNone, bar->actionGeometry(title).center());
  settle();
  QMenu* menu = title->menu();
  QTest::mouseClick(menu, Qt::LeftButton, kNone,
                    menu->actionGeometry(menu->actions().back()).center());
}

void SessionInput::resizeWindow() {
  // Any size from the smallest the window allows up to the screen's.
  const QSize least = window_.minimumSize();
  const QSize most = window_.screen()->availableGeometry().size().expandedTo(least);
  const int roll = below(10);
  const QSize size(least.width() + below(most.width() - least.width() + 1),
                   least.height() + below(most.height() - least.height() + 1));
  const bool full = window_.windowState() & Qt::WindowFullScreen;
  if (roll < 5) {
    if (full) {
      announce_("resize (skipped: full screen)");
      return;
    }
    announce_("resize to " + std::to_string(size.width()) + " x " + std::to_string(size.height()));
    window_.resize(size);
  } else if (roll < 7) {
    if (full) {
      announce_("maximise (skipped: full screen)");
      return;
    }
    announce_(window_.isMaximized() ? "restore from maximised" : "maximise");
    window_.setWindowState(window_.windowState() ^ Qt::WindowMaximized);
  } else {
    announce_("minimise and restore");
    const Qt::WindowStates before = window_.windowState();
    window_.setWindowState(before | Qt::WindowMinimized);
    settle();
    window_.setWindowState(before & ~Qt::WindowMinimized);
    window_.activateWindow();
  }
}

void SessionInput::sideWindow() {
  QWidget* properties = window_.findChild<QWidget*>(QStringLiteral("Eigenschaften"));
  const QList<QDialog*> helps = window_.findChildren<QDialog*>(QStringLiteral("Bedienung"));
  const int roll = below(8);
  const bool propertiesShown = properties != nullptr && properties->isVisible();
  if (roll < 3 && propertiesShown) {
    const char* name = roll == 0 ? "DualButton" : "CopyButton";
    announce_(std::string("click ") + name + " in Eigenschaften");
    auto* button = properties->findChild<QAbstractButton*>(QString::fromLatin1(name));
    QTest::mouseClick(button, Qt::LeftButton);
  } else if (roll == 3 && propertiesShown) {
    announce_("close Eigenschaften");
    properties->close();
  } else if (roll < 6 && !helps.isEmpty()) {
    const bool byKey = roll == 4;
    announce_(byKey ? "Esc in a help window" : "close a help window");
    QDialog* help = helps[below(static_cast<int>(helps.size()))];
    if (byKey) {
      help->activateWindow();
      QTest::keyClick(help, Qt::Key_Escape);
    } else {
      help->close();
    }
  } else {
    announce_("activate the main window");
    window_.activateWindow();
  }
  settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SessionInput::focusKey() {
  const Key& key = pick(kFocusKeys, below(static_cast<int>(std::size(kFocusKeys))));
  announce_("key " + keyText(key) + " on the focused control");
  activate();
  QTest::keyClick(keyTarget(), key.key, key.modifiers);
}

}  // namespace velkora::test
