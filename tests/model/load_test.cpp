// Loading solids from hand-made catalogue sections, and the rejections that
// keep a failed load from touching the model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "model/errors.h"
#include "model/load.h"
#include "model/model.h"
#include "tests/model/model_invariants.h"
#include "tests/model/sample_catalogue.h"

namespace velkora {
namespace {

using test::cutAfter;
using test::replaced;
using test::sampleFaceLines;
using test::sampleVertexLines;

class Load : public ::testing::Test {
 protected:
  std::unique_ptr<Model> model_ = std::make_unique<Model>();
  ByteList vertexLines_ = sampleVertexLines();
  ByteList faceLines_ = sampleFaceLines();
};

TEST_F(Load, Tetrahedron) {
  loadModel(*model_, "Tetraeder\t0", vertexLines_, faceLines_);
  const Model& m = *model_;
  EXPECT_EQ(m.polyType, 0);
  EXPECT_EQ(m.vertexCount, 4);
  EXPECT_EQ(m.faceCount, 4);
  EXPECT_EQ(m.spherePointCount, 432);
  EXPECT_EQ(m.sphereQuadCount, 408);
  EXPECT_EQ(m.lineCursor, 6);  // behind the last face line
  EXPECT_NEAR(m.innerRadius, 0.5773503, 1e-7);
  EXPECT_NEAR(m.outerRadius, 1.7320508, 1e-7);
  EXPECT_NEAR(test::largestCoordinate(m), 260.0, 1e-12);
  for (int i = 0; i < m.spherePointCount; ++i) {
    const Point3& in = m.innerPoints[static_cast<std::size_t>(i)];
    const Point3& out = m.outerPoints[static_cast<std::size_t>(i)];
    EXPECT_NEAR(out.x, 3.0 * in.x, 1e-12);
    EXPECT_NEAR(out.y, 3.0 * in.y, 1e-12);
    EXPECT_NEAR(out.z, 3.0 * in.z, 1e-12);
    // Points on their spheres, in pixels.
    EXPECT_NEAR(std::hypot(in.x, in.y, in.z), m.innerRadius * m.scale, 1e-9);
  }
  // Vertices keep their distance from the centre through tilt and scaling.
  for (int k = 0; k < m.vertexCount; ++k) {
    const Point3& v = m.vertices[static_cast<std::size_t>(k)];
    EXPECT_NEAR(std::hypot(v.x, v.y, v.z) / m.scale, 1.7320508, 1e-6);
  }
  EXPECT_TRUE(test::modelInvariantsHold(m, 1e-9));
}

TEST_F(Load, TiltComesBeforeScalingAndCentresStayInCatalogueUnits) {
  loadModel(*model_, "Tetraeder\t0", vertexLines_, faceLines_);
  const Model& m = *model_;
  // Vertex 0 is (0, 0, 1.732051) in the catalogue; the tilt only moves it in the y-z plane.
  EXPECT_NEAR(m.vertices[0].x, 0.0, 1e-12);
  EXPECT_NEAR(m.vertices[0].y / m.scale, -std::sin(-std::numbers::pi / 6) * 1.732051, 1e-12);
  EXPECT_NEAR(m.vertices[0].z / m.scale, std::cos(-std::numbers::pi / 6) * 1.732051, 1e-12);
  // Face "012": mean of the three tilted catalogue vertices.
  const double cz = (1.732051 - 0.5773503 - 0.5773503) / 3.0;
  EXPECT_NEAR(std::hypot(m.faceCentres[0].x, m.faceCentres[0].y, m.faceCentres[0].z),
              std::hypot((1.632993 - 0.8164966) / 3.0, 1.414214 / 3.0, cz), 1e-12);
}

TEST_F(Load, CubeRadiiAndLeftoversOfALargerSolid) {
  loadModel(*model_, "Hexaeder, W\xFCrfel\t1", vertexLines_, faceLines_);
  EXPECT_EQ(model_->polyType, 1);
  EXPECT_EQ(model_->innerRadius, 1.0);
  EXPECT_NEAR(model_->outerRadius, 1.7320508, 1e-7);
  EXPECT_EQ(model_->vertexCount, 8);
  EXPECT_EQ(model_->faceCount, 6);
  EXPECT_TRUE(test::modelInvariantsHold(*model_, 1e-9));
  const Model cube = *model_;

  // A smaller solid rewrites only the entries below its counts.
  loadModel(*model_, "Tetraeder\t0", vertexLines_, faceLines_);
  for (std::size_t k = 4; k < 8; ++k) {
    EXPECT_EQ(model_->vertices[k].x, cube.vertices[k].x);
    EXPECT_EQ(model_->vertices[k].z, cube.vertices[k].z);
    EXPECT_EQ(model_->faces[k].count, k < 6 ? 4 : 0);
  }
}

TEST_F(Load, ReloadReturnsToTheSamePose) {
  loadModel(*model_, "Tetraeder\t0", vertexLines_, faceLines_);
  const Model first = *model_;
  model_->vertices[0].x += 5.0;
  model_->scale = 3.0;
  loadModel(*model_, "Tetraeder\t0", vertexLines_, faceLines_);
  EXPECT_TRUE(test::sameModel(*model_, first));
}

TEST_F(Load, TypeTextIsAtMost255CharactersAfterTheFirstTab) {
  loadModel(*model_, "Name\t" + std::string(254, ' ') + "1", vertexLines_, faceLines_);
  EXPECT_EQ(model_->polyType, 1);
  EXPECT_THROW(loadModel(*model_, "Name\t" + std::string(255, ' ') + "1", vertexLines_, faceLines_),
               EConvertError);
  // Only the first TAB separates: the rest, second TAB included, is the type text.
  EXPECT_THROW(loadModel(*model_, "Name\t1\t2", vertexLines_, faceLines_), EConvertError);
}

TEST_F(Load, LineWithoutTabFailsAsAnIntegerQuotingTheWholeLine) {
  try {
    loadModel(*model_, "Hexaeder, W\xFCrfel", vertexLines_, faceLines_);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'Hexaeder, Würfel' ist kein gültiger Integerwert");
  }
}

// Faces read through loadFaces into a model whose vertices are set by hand.
class Faces : public ::testing::Test {
 protected:
  void SetUp() override {
    model_->polyType = 1;
    model_->vertexCount = 120;
    for (int k = 0; k < 120; ++k) {
      model_->vertices[static_cast<std::size_t>(k)] = {1.0 * k, 2.0 * k, -0.5 * k};
    }
  }
  ByteList withFace(const std::string& line) const { return {"[2]", "1", line, "[#]"}; }
  std::unique_ptr<Model> model_ = std::make_unique<Model>();
};

TEST_F(Faces, LeadingControlBytesAndSpacesAreSkipped) {
  loadFaces(*model_, withFace("012"), 0);
  const FaceRec plain = model_->faces[0];
  EXPECT_EQ(plain.count, 3);
  EXPECT_EQ(plain.indices[0], 0);
  EXPECT_EQ(plain.indices[2], 2);
  EXPECT_DOUBLE_EQ(model_->faceCentres[0].x, 1.0);
  EXPECT_DOUBLE_EQ(model_->faceCentres[0].y, 2.0);
  EXPECT_DOUBLE_EQ(model_->faceCentres[0].z, -0.5);

  loadFaces(*model_, withFace("0123"), 0);
  const FaceRec four = model_->faces[0];
  loadFaces(*model_, withFace(std::string("  \t\x01 ") + "0123"), 0);
  EXPECT_TRUE(test::sameRecord(model_->faces[0], four));
  EXPECT_EQ(model_->faceCount, 1);
  EXPECT_EQ(model_->lineCursor, 3);
}

TEST_F(Faces, BytesAboveAsciiAreVertexIndicesBeyond79) {
  loadFaces(*model_,
            withFace("\xA7\x7F"
                     ":"),
            0);
  const FaceRec& f = model_->faces[0];
  ASSERT_EQ(f.count, 3);
  EXPECT_EQ(f.indices[0], 119);
  EXPECT_EQ(f.indices[1], 79);
  EXPECT_EQ(f.indices[2], 10);
  EXPECT_DOUBLE_EQ(model_->faceCentres[0].x, (119.0 + 79.0 + 10.0) / 3.0);
}

TEST_F(Faces, SectionStartsAtTheFirstWholeHeaderLine) {
  const ByteList list = {"[2]x", "[1]", "1", "012", "[2]", "1", "[^_]", "[2]", "1", "0", "[#]"};
  loadFaces(*model_, list, 0);
  EXPECT_EQ(model_->faceCount, 1);
  const FaceRec& f = model_->faces[0];
  ASSERT_EQ(f.count, 4);
  EXPECT_EQ(f.indices[0], 43);
  EXPECT_EQ(f.indices[1], 46);
  EXPECT_EQ(f.indices[2], 47);
  EXPECT_EQ(f.indices[3], 45);
  EXPECT_EQ(model_->lineCursor, 7);
}

TEST_F(Faces, SectionOffsetSelectsTheTableSections) {
  model_->polyType = 5;
  loadFaces(*model_, {"[4001]", "1", "012", "[6]", "1", "0123"}, 3995);
  EXPECT_EQ(model_->faces[0].count, 3);
  loadFaces(*model_, {"[4001]", "1", "012", "[6]", "1", "0123"}, 0);
  EXPECT_EQ(model_->faces[0].count, 4);
}

}  // namespace
}  // namespace velkora
