#include "tests/ui/window_fixture.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "model/rotation.h"

namespace velkora::test {

namespace {

double setDistance(const std::array<Point3, kCapacity>& a, const std::array<Point3, kCapacity>& b,
                   int count) {
  double largest = 0.0;
  for (int i = 0; i < count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    largest = std::max(
        {largest, std::abs(a[k].x - b[k].x), std::abs(a[k].y - b[k].y), std::abs(a[k].z - b[k].z)});
  }
  return largest;
}

}  // namespace

double pointDistance(const Model& a, const Model& b) {
  if (a.vertexCount != b.vertexCount || a.spherePointCount != b.spherePointCount) return INFINITY;
  return std::max({setDistance(a.vertices, b.vertices, a.vertexCount),
                   setDistance(a.innerPoints, b.innerPoints, a.spherePointCount),
                   setDistance(a.outerPoints, b.outerPoints, a.spherePointCount)});
}

Model turnedCopy(const Model& model, double a, double b, double c) {
  Model copy = model;
  drehen(copy, a, b, c);
  return copy;
}

double farthestVertex(const Model& model) {
  double farthest = 0.0;
  for (int k = 0; k < model.vertexCount; ++k)
    farthest = std::max(farthest, norm(model.vertices[static_cast<std::size_t>(k)]));
  return farthest;
}

bool hasInk(const Bitmap& picture) {
  return std::any_of(picture.pixels.begin(), picture.pixels.end(),
                     [](std::uint32_t pixel) { return (pixel & 0xFFFFFFu) != 0xFFFFFFu; });
}

void withModalDialogs(const std::function<void()>& body,
                      const std::function<void(QWidget&)>& handle) {
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) handle(*modal);
  });
  poll.start();
  body();
}

void sendMouse(QWidget& widget, int type, Qt::MouseButton button, Qt::MouseButtons held,
               QPoint position, Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(static_cast<QEvent::Type>(type), QPointF(position),
                    QPointF(widget.mapToGlobal(position)), button, held, modifiers);
  QApplication::sendEvent(&widget, &event);
}

void WindowTest::SetUp() {
  window = std::make_unique<TFVelkora>([this](const QString& text) { errors << text; });
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown() {
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
  window.reset();
}

void WindowTest::activateMainWindow() {
  for (int attempt = 0; attempt < 100 && QApplication::activeWindow() != window.get(); ++attempt) {
    window->activateWindow();
    QTest::qWait(10);
  }
}

void WindowTest::clickListEntry(int row) {
  auto& list = control<QListWidget>("Listbox1");
  const QRect cell = list.visualItemRect(list.item(row));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

}  // namespace velkora::test
