// The viewer's rules driven without any widget: zoom in and out returning,
// the drag turning one degree per pixel, the wheel's notches, and the
// presentation fit and its restore.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "model/solid_catalogue.h"
#include "model/zoom.h"
#include "viewer/viewer_controller.h"

namespace velkora::test {
namespace {

constexpr int kIcosahedron = 3;  // list position
constexpr int kCuboctahedron = 12;
constexpr int kCube = 1;

// Largest coordinate difference of the vertices, relative to the solid's size.
double vertexDistance(const Model& a, const Model& b) {
  double distance = 0.0;
  double size = 0.0;
  for (int k = 0; k < a.vertexCount; ++k) {
    const Point3& p = a.vertices[static_cast<std::size_t>(k)];
    const Point3& q = b.vertices[static_cast<std::size_t>(k)];
    distance =
        std::max({distance, std::fabs(p.x - q.x), std::fabs(p.y - q.y), std::fabs(p.z - q.z)});
    size = std::max(size, std::hypot(p.x, p.y, p.z));
  }
  return distance / size;
}

// The farthest vertex from the centre, in pixels: measured here, not by the zoom code.
double farthestVertex(const Model& model) {
  double r = 0.0;
  for (int k = 0; k < model.vertexCount; ++k) {
    const Point3& p = model.vertices[static_cast<std::size_t>(k)];
    r = std::max(r, std::hypot(p.x, p.y, p.z));
  }
  return r;
}

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controller_ = std::make_unique<ViewerController>();
    controller_->create();
    load(kIcosahedron);
  }
  void load(int position) {
    controller_->load(listLineAt(controller_->state().texts, position), position);
  }
  const Model& model() const { return controller_->state().model; }
  // A fresh copy of the model as loaded, for comparison.
  std::unique_ptr<Model> snapshot() const { return std::make_unique<Model>(model()); }

  std::unique_ptr<ViewerController> controller_;
};

TEST_F(ControllerTest, ZoomInAndOutReturns) {
  const auto start = snapshot();
  controller_->zoom(3);
  EXPECT_NEAR(model().scale / start->scale, 1.1 * 1.1 * 1.1, 1e-12);
  EXPECT_NEAR(farthestVertex(model()) / farthestVertex(*start), 1.331, 1e-9);
  controller_->zoom(-3);
  EXPECT_NEAR(model().scale / start->scale, 1.0, 1e-12);
  EXPECT_LT(vertexDistance(model(), *start), 1e-12);
}

TEST_F(ControllerTest, TheDragTurnsOneDegreePerPixel) {
  const auto start = snapshot();
  // A move without a press, and a right press, turn nothing.
  EXPECT_FALSE(controller_->move(50, 50));
  EXPECT_FALSE(controller_->press(false, 10, 10));
  EXPECT_FALSE(controller_->move(50, 50));
  EXPECT_EQ(vertexDistance(model(), *start), 0.0);

  // 360 pixels to the side in four moves: a full turn, the solid as it was.
  ASSERT_TRUE(controller_->press(true, 0, 0));
  for (int x : {90, 180, 270, 360})
    EXPECT_TRUE(controller_->move(x, 0));
  EXPECT_LT(vertexDistance(model(), *start), 1e-9);
  // 90 pixels down turn the solid by a quarter: no vertex stays where it was
  // unless it lies on the axis; back up, it returns.
  EXPECT_TRUE(controller_->move(360, 90));
  EXPECT_GT(vertexDistance(model(), *start), 0.1);
  EXPECT_FALSE(controller_->move(360, 90));  // no movement, no turn
  EXPECT_TRUE(controller_->move(360, 0));
  EXPECT_LT(vertexDistance(model(), *start), 1e-9);
  controller_->release();
  EXPECT_FALSE(controller_->move(0, 0));
  EXPECT_LT(vertexDistance(model(), *start), 1e-9);
}

TEST_F(ControllerTest, TheWheelZoomsByWholeNotches) {
  const double scale = model().scale;
  EXPECT_EQ(controller_->wheel(40), 0);
  EXPECT_EQ(controller_->wheel(40), 0);
  EXPECT_EQ(model().scale, scale);
  EXPECT_EQ(controller_->wheel(40), 1);
  EXPECT_NEAR(model().scale / scale, 1.1, 1e-12);
  EXPECT_EQ(controller_->wheel(-360), -3);
  EXPECT_NEAR(model().scale / scale, 1.1 / 1.331, 1e-12);
  // A turn back drops what was left over the other way: -100 and -20 make a
  // notch of their own, as if the 100 before had not been.
  const double turned = model().scale;
  EXPECT_EQ(controller_->wheel(100), 0);
  EXPECT_EQ(controller_->wheel(-100), 0);
  EXPECT_EQ(controller_->wheel(-20), -1);
  EXPECT_NEAR(model().scale / turned, 10.0 / 11.0, 1e-12);
}

TEST_F(ControllerTest, PresentationFillsNinetyPercentOfTheShorterSideAndRestores) {
  controller_->zoom(2);
  const double before = model().scale;
  controller_->beginPresentation();
  EXPECT_TRUE(controller_->inPresentation());
  EXPECT_FALSE(controller_->fitPresentation(false, 0, 600));
  EXPECT_EQ(model().scale, before);
  ASSERT_TRUE(controller_->fitPresentation(false, 1920, 1080));
  EXPECT_NEAR(farthestVertex(model()), 0.9 * 1080 / 2, 1e-9);
  ASSERT_TRUE(controller_->fitPresentation(false, 800, 1000));
  EXPECT_NEAR(farthestVertex(model()), 0.9 * 800 / 2, 1e-9);
  controller_->endPresentation();
  EXPECT_FALSE(controller_->inPresentation());
  EXPECT_NEAR(model().scale / before, 1.0, 1e-12);

  // Another solid loaded during the mode ends at its own start size.
  controller_->beginPresentation();
  load(kCuboctahedron);
  const double startScale = model().scale;
  controller_->fitPresentation(true, 1000, 1000);
  EXPECT_NE(model().scale, startScale);
  controller_->endPresentation();
  EXPECT_NEAR(model().scale / startScale, 1.0, 1e-12);
}

// Opening the kaleidoscope: the point starts where the picture is. On a solid
// that is one of the family's stops it starts on that stop and the picture
// stays; on any other solid it starts at corner A and the picture shows A's
// solid (the cube for family O).
TEST_F(ControllerTest, TheKaleidoscopeStartsOnThePickedStopElseAtCornerAShowingIt) {
  struct Case {
    int position;
    WythoffWeights start;
  };
  for (const Case& c : {Case{kCuboctahedron, {0, 1, 0}}, Case{kCube, {1, 0, 0}}}) {
    load(c.position);
    ASSERT_EQ(controller_->kaleidoscopeFamily(), WythoffFamily::O);
    const WythoffWeights start = controller_->beginKaleidoscope(WythoffFamily::O);
    EXPECT_NEAR(start.a, c.start.a, 1e-9) << c.position;
    EXPECT_NEAR(start.b, c.start.b, 1e-9) << c.position;
    EXPECT_NEAR(start.c, c.start.c, 1e-9) << c.position;
    EXPECT_FALSE(controller_->showingMoment()) << "the picked solid stays on show";
    EXPECT_EQ(controller_->shownSolid().position, c.position);
  }

  // The rhombic dodecahedron has the octahedral group but no kaleidoscope
  // stop of its own: the point goes to A and the picture shows the cube.
  const int rhombic = [this] {
    const CatalogueTexts& texts = controller_->state().texts;
    for (int k = 0; k < static_cast<int>(texts.names.size()); ++k) {
      if (listLineAt(texts, k).starts_with("Rhombendodekaeder")) return k;
    }
    return -1;
  }();
  ASSERT_GE(rhombic, 0);
  load(rhombic);
  ASSERT_EQ(controller_->kaleidoscopeFamily(), WythoffFamily::O);
  const WythoffWeights start = controller_->beginKaleidoscope(WythoffFamily::O);
  EXPECT_NEAR(start.a, 1.0, 1e-9);
  EXPECT_NEAR(start.b + start.c, 0.0, 1e-9);
  ASSERT_TRUE(controller_->showingMoment());
  EXPECT_EQ(controller_->shownSolid().position, kCube);
  EXPECT_EQ(controller_->shownModel().vertexCount, 8);

  // Back on a stop of another family: the icosahedron opens family I on itself.
  load(kIcosahedron);
  ASSERT_EQ(controller_->kaleidoscopeFamily(), WythoffFamily::I);
  controller_->beginKaleidoscope(WythoffFamily::I);
  EXPECT_FALSE(controller_->showingMoment());
  EXPECT_EQ(controller_->shownSolid().position, kIcosahedron);
}

}  // namespace
}  // namespace velkora::test
