// What keeps the user's rotation and zoom (check box, views, repaints,
// resizing), and how a failed load is reported.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "catalogue/sections.h"
#include "model/load.h"
#include "model/rotation.h"
#include "tests/ui/window_fixture.h"

namespace velkora::test {
namespace {

class RepaintTest : public WindowTest {
 protected:
  // Zooms once and drags a little, so that a reload would show.
  void turnAndZoom() {
    QTest::mouseClick(&control<QToolButton>("Speed2"), Qt::LeftButton);
    QWidget& surface = control<QWidget>("PB1");
    sendMouse(surface, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 300});
    sendMouse(surface, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {270, 280});
    sendMouse(surface, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {270, 280});
  }
  const std::vector<std::uint32_t>& framePixels() { return window->frameBuffers().frame.pixels; }
};

TEST_F(RepaintTest, CheckBoxRedrawsAndKeepsRotationAndZoom) {
  turnAndZoom();
  const Model before = model();
  const auto unmarked = framePixels();
  QTest::mouseClick(&control<QCheckBox>("CPunkte"), Qt::LeftButton);
  EXPECT_TRUE(window->state().markPoints);
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  EXPECT_NE(framePixels(), unmarked) << "the marks are drawn";
  QTest::mouseClick(&control<QCheckBox>("CPunkte"), Qt::LeftButton);
  EXPECT_FALSE(window->state().markPoints);
  EXPECT_EQ(framePixels(), unmarked);
}

TEST_F(RepaintTest, RadioButtonRedrawsOnlyWhenItBecomesChecked) {
  auto& outer = control<QRadioButton>("RadioB3");
  const auto polyhedron = framePixels();
  QTest::mouseClick(&outer, Qt::LeftButton);
  ASSERT_TRUE(outer.isChecked());
  const auto outerView = framePixels();
  EXPECT_NE(outerView, polyhedron);
  // Change the model behind the window's back: a redraw would show it.
  drehen(model(), 20.0, 0.0, 0.0);
  QTest::mouseClick(&outer, Qt::LeftButton);
  EXPECT_EQ(framePixels(), outerView) << "clicking the checked button draws nothing";
  QTest::mouseClick(&control<QRadioButton>("RadioB1"), Qt::LeftButton);
  EXPECT_NE(framePixels(), polyhedron) << "the turned model, drawn without reloading";
}

TEST_F(RepaintTest, RepaintAndResizeKeepRotationAndZoom) {
  turnAndZoom();
  const Model before = model();
  window->repaint();
  window->hide();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(pointDistance(model(), before), 0.0);

  window->resize(1100, 800 + window->menuBar().height());
  QTest::qWait(20);
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  const Bitmap& frame = window->frameBuffers().frame;
  ASSERT_EQ(QSize(frame.width, frame.height), QSize(860, 800));
  // The picture is centred on the new middle of the surface.
  long sumX = 0;
  long sumY = 0;
  long count = 0;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      if ((frame.at(x, y) & 0xFFFFFFu) == 0xFFFFFFu) continue;
      sumX += x;
      sumY += y;
      ++count;
    }
  }
  ASSERT_GT(count, 0);
  EXPECT_NEAR(static_cast<double>(sumX) / count, 430.0, 40.0);
  EXPECT_NEAR(static_cast<double>(sumY) / count, 400.0, 40.0);
}

// Makes the vertex section of the solid at list row unfindable; returns the
// message a load of that row gives with the damaged catalogue.
std::string damageVertexSection(TFVelkora& window, QListWidget& list, int row) {
  const QByteArray line = list.item(row)->data(Qt::UserRole).toByteArray();
  const int type = line.mid(line.indexOf('\t') + 1).toInt();
  const std::string header = "[" + std::to_string(sectionIdentifier(type)) + "]";
  for (ByteString& catalogueLine : window.state().texts.vertexLines) {
    if (catalogueLine == header) catalogueLine = "[damaged]";
  }
  Model scratch;
  try {
    loadModel(scratch, std::string_view(line.constData(), static_cast<std::size_t>(line.size())),
              window.state().texts.vertexLines, window.state().texts.faceLines);
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

TEST_F(RepaintTest, FailedLoadIsReportedAndKeepsThePreviousModel) {
  auto& list = control<QListWidget>("Listbox1");
  const std::string message = damageVertexSection(*window, list, 12);
  ASSERT_FALSE(message.empty()) << "the damage must make the load fail";
  const Model before = model();
  clickListEntry(12);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors.front(), QString::fromUtf8(message) + QLatin1Char('.'));
  EXPECT_EQ(model().polyType, 3);
  EXPECT_EQ(pointDistance(model(), before), 0.0);
  errors.clear();

  // The program goes on: another entry loads normally.
  clickListEntry(0);
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_EQ(model().vertexCount, 4);
}

TEST_F(RepaintTest, TheRealErrorBoxShowsTitleIconAndText) {
  auto& list = control<QListWidget>("Listbox1");
  const std::string message = damageVertexSection(*window, list, 12);
  window->setErrorReporter({});
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->accept();
  });
  poll.start(20);
  clickListEntry(12);  // returns once the box is closed
  poll.stop();
  EXPECT_EQ(title, QStringLiteral("Murvanteliskor"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(text, QString::fromUtf8(message) + QLatin1Char('.'));
}

}  // namespace
}  // namespace velkora::test
