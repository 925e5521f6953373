#pragma once
// The random session's input: one random user action at a time on the real
// window, found through its controls' object names and its menu bar, and
// given as real mouse, wheel and key events (window resizes and state changes
// as a window manager makes them). Holds no expectations; the checks are
// separate.

#include <functional>
#include <random>
#include <string>

class QWidget;

namespace velkora::test {

class SessionInput {
 public:
  // announce receives each action's description before the action starts.
  SessionInput(QWidget& window, std::function<void(const std::string&)> announce);

  // Performs one random action drawn from random.
  void perform(std::mt19937_64& random);
  // Quits through the last entry of the "Datei" menu or its shortcut.
  void quit(bool byMenu);

 private:
  int below(int n);
  QWidget& control(const char* name);
  QWidget* keyTarget();
  void activate();
  void settle();

  void clickListEntry();
  void listKey();
  void clickRadio();
  void radioKey();
  void spinKey();
  void spinArrowClick();
  void spinTyping();
  void spinWheel();
  void toggleMarks();
  void rotationButton();
  void zoomButton();
  void drag();
  void doubleClickPicture();
  void wheel();
  void lightShortcut();
  void presentationKey();
  void dialogShortcut();
  void menuCommand();
  void resizeWindow();
  void sideWindow();
  void focusKey();

  QWidget& window_;
  std::function<void(const std::string&)> announce_;
  std::mt19937_64* random_ = nullptr;
};

}  // namespace velkora::test
