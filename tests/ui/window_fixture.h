#pragma once
// Shared set-up of the window tests: a shown TFVelkora whose errors are
// collected instead of boxed, lookup of its controls by name, synthetic
// mouse events on PB1, and comparisons of model point sets.

#include <functional>
#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include "model/model.h"
#include "ui/main_window.h"

namespace velkora::test {

// Largest coordinate difference over vertices and both sphere point sets.
double pointDistance(const Model& a, const Model& b);

// A copy of model turned once by drehen(a, b, c).
Model turnedCopy(const Model& model, double a, double b, double c);

// The largest distance of a vertex from the centre, in the model's pixels.
double farthestVertex(const Model& model);

// Whether any pixel of the picture is not white.
bool hasInk(const Bitmap& picture);

// Sends one mouse event of type to widget at position with the given buttons
// and modifier keys held.
void sendMouse(QWidget& widget, int type, Qt::MouseButton button, Qt::MouseButtons held,
               QPoint position, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Runs handle on each modal dialog that opens while body runs.
void withModalDialogs(const std::function<void()>& body,
                      const std::function<void(QWidget&)>& handle);

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <class Control>
  Control& control(const char* name) {
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::logic_error(std::string("no control ") + name);
    return *found;
  }

  // Makes the main window the active one (its shortcuts need it).
  void activateMainWindow();

  // Clicks list entry row as a user would.
  void clickListEntry(int row);
  Model& model() { return window->state().model; }

  std::unique_ptr<TFVelkora> window;
  QStringList errors;  // every error text the window reported
};

}  // namespace velkora::test
