// Fitting the picture to a radius: the enclosing radius of the polyhedron or
// of the outer sphere, and the zoom that brings it to a given size.

#include <gtest/gtest.h>

#include <memory>

#include "model/rotation.h"
#include "model/solid_catalogue.h"
#include "model/zoom.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

TEST(Fit, EveryStartPictureIsBoundedAndFitsAGivenRadius) {
  const CatalogueTexts& texts = test::embeddedTexts();
  auto model = std::make_unique<Model>();
  for (int position = 0; position < 31; ++position) {
    loadSolidAt(*model, texts, position);
    // The start size puts the largest coordinate at 260 pixels, so no point
    // is farther than sqrt(3) times that.
    EXPECT_LE(enclosingRadius(*model, false), 260.0 * 1.7321) << position;
    EXPECT_LE(enclosingRadius(*model, true), 260.0 * 1.7321) << position;
    EXPECT_GT(enclosingRadius(*model, false), 100.0) << position;

    drehen(*model, 17, 23, 31);
    const double scale = model->scale;
    const double factor = zoomToRadius(*model, position % 2 == 0, 500.0);
    EXPECT_NEAR(enclosingRadius(*model, position % 2 == 0), 500.0, 1e-9) << position;
    EXPECT_NEAR(model->scale, scale * factor, 1e-12 * model->scale) << position;
  }
}

TEST(Fit, AModelWithoutPointsOrABadRadiusIsLeftAlone) {
  auto model = std::make_unique<Model>();
  model->scale = 2.0;
  EXPECT_EQ(enclosingRadius(*model, false), 0.0);
  EXPECT_EQ(zoomToRadius(*model, false, 100.0), 1.0);
  EXPECT_EQ(model->scale, 2.0);
  model->vertexCount = 1;
  model->vertices[0] = {3.0, 4.0, 0.0};
  EXPECT_EQ(enclosingRadius(*model, false), 5.0);
  EXPECT_EQ(zoomToRadius(*model, false, -1.0), 1.0);
  EXPECT_EQ(zoomToRadius(*model, false, 0.0), 1.0);
  EXPECT_EQ(model->scale, 2.0);
}

}  // namespace
}  // namespace velkora::test
