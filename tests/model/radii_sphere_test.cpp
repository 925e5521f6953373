// Radius rules and the two sphere meshes.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/errors.h"
#include "model/model.h"
#include "model/radii.h"
#include "model/sphere.h"
#include "tests/model/model_invariants.h"

namespace velkora {
namespace {

constexpr double kPi = 3.14159265358979323846;

double degrees(double d) { return d * kPi / 180.0; }

TEST(SphereRadii, PlatonicFormulasForTheCatalogueEdges) {
  // Tetrahedron: a from the first two catalogue vertices.
  const double a =
      std::sqrt(1.632993 * 1.632993 + (-0.5773503 - 1.732051) * (-0.5773503 - 1.732051));
  EXPECT_NEAR(a, 2.8284272, 1e-7);
  const SphereRadii tetra = sphereRadii(0, a);
  EXPECT_NEAR(tetra.inner, 0.5773503, 1e-7);
  EXPECT_NEAR(tetra.outer, 1.7320508, 1e-7);

  const SphereRadii cube = sphereRadii(1, 2.0);
  EXPECT_EQ(cube.inner, 1.0);
  EXPECT_NEAR(cube.outer, 1.7320508, 1e-7);

  // Octahedron, icosahedron and dodecahedron against the geometry table of the catalogue.
  const SphereRadii octa = sphereRadii(2, 2.0);
  EXPECT_NEAR(octa.inner, 0.8165, 5e-5);
  EXPECT_NEAR(octa.outer, 1.4142, 5e-5);
  const SphereRadii icosa = sphereRadii(3, 1.0);
  EXPECT_NEAR(icosa.inner, 0.7558, 5e-5);
  EXPECT_NEAR(icosa.outer, 0.9511, 5e-5);
  const SphereRadii dodeca = sphereRadii(4, 1.0);
  EXPECT_NEAR(dodeca.inner, 1.1135, 5e-5);
  EXPECT_NEAR(dodeca.outer, 1.4013, 5e-5);
}

TEST(SphereRadii, PlatonicRadiiMatchTheirExactRatios) {
  // Outer / inner is 3 for the tetrahedron, sqrt 3 for cube and octahedron.
  for (const double a : {0.5, 1.0, 2.8284272, 1234.5}) {
    const SphereRadii tetra = sphereRadii(0, a);
    EXPECT_NEAR(tetra.outer / tetra.inner, 3.0, 1e-15);
    const SphereRadii cube = sphereRadii(1, a);
    EXPECT_NEAR(cube.outer / cube.inner, std::sqrt(3.0), 1e-15);
    const SphereRadii octa = sphereRadii(2, a);
    EXPECT_NEAR(octa.outer / octa.inner, std::sqrt(3.0), 1e-15);
  }
}

TEST(SphereRadii, TableTypesUseTheSinglePrecisionFactors) {
  const SphereRadii cubocta = sphereRadii(5, 1.1547004);
  EXPECT_NEAR(cubocta.inner, 0.8164965, 1e-7);
  EXPECT_NEAR(cubocta.outer, 1.1547004, 1e-7);
  // The float factor widens exactly: the result is the extended product of the
  // float and a, not of a double near the printed decimal.
  EXPECT_EQ(innerRadiusFactor(5), 0.70710677F);
  EXPECT_EQ(sphereRadii(5, 1.0).inner, static_cast<double>(0.70710677F));
  EXPECT_NE(sphereRadii(5, 1.0).inner, 0.70710677);
  EXPECT_EQ(sphereRadii(30, 1.0).outer, static_cast<double>(1.8450531F));
  EXPECT_EQ(sphereRadii(20, 1.0).outer, static_cast<double>(0.9533029F));
  EXPECT_EQ(outerRadiusFactor(4), 0.0F);
  EXPECT_EQ(outerRadiusFactor(31), 0.0F);
}

TEST(SphereRadii, RejectsTypesOutsideTheList) {
  for (const int type : {-1, 31, 4000}) {
    try {
      sphereRadii(type, 1.0);
      ADD_FAILURE() << "type " << type << " accepted";
    } catch (const ECatalogueError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Körpertyp " + std::to_string(type) + " liegt nicht im Bereich 0 bis 30");
    }
  }
}

class SphereMesh : public ::testing::Test {
 protected:
  void SetUp() override {
    model_->innerRadius = 0.75;
    model_->outerRadius = 1.5;
    model_->scale = 1.0;
    buildInnerSphere(*model_);
    buildOuterSphere(*model_);
  }
  // Point at latitude phi, longitude lambda (degrees) on a sphere of radius r.
  static Point3 onSphere(double r, double phi, double lambda) {
    return {std::cos(degrees(phi)) * r * std::cos(degrees(lambda)),
            std::cos(degrees(phi)) * r * std::sin(degrees(lambda)), std::sin(degrees(phi)) * r};
  }
  static void expectPoint(const Point3& p, const Point3& expected) {
    EXPECT_NEAR(p.x, expected.x, 1e-12);
    EXPECT_NEAR(p.y, expected.y, 1e-12);
    EXPECT_NEAR(p.z, expected.z, 1e-12);
  }
  std::unique_ptr<Model> model_ = std::make_unique<Model>();
};

TEST_F(SphereMesh, CountsAndPointsInLatitudeLongitudeOrder) {
  const Model& m = *model_;
  EXPECT_EQ(m.spherePointCount, 432);
  EXPECT_EQ(m.sphereQuadCount, 408);
  const double r = m.innerRadius;
  expectPoint(m.innerPoints[0], {0.0871557427476582 * r, 0.0, -0.9961946980917455 * r});
  expectPoint(m.innerPoints[24], onSphere(r, -75.0, 0.0));
  expectPoint(m.innerPoints[431], onSphere(r, 85.0, 345.0));
  for (int i = 0; i < 18; ++i) {
    for (int j = 0; j < 24; ++j) {
      expectPoint(m.innerPoints[static_cast<std::size_t>(24 * i + j)],
                  onSphere(r, -85.0 + 10.0 * i, 15.0 * j));
    }
  }
}

TEST_F(SphereMesh, QuadCornersCloseEachRing) {
  const Model& m = *model_;
  auto corners = [&m](int q) {
    const FaceRec& f = m.sphereQuads[static_cast<std::size_t>(q)];
    return std::array<int, 5>{f.count, f.indices[0], f.indices[1], f.indices[2], f.indices[3]};
  };
  EXPECT_EQ(corners(0), (std::array<int, 5>{4, 0, 1, 25, 24}));
  EXPECT_EQ(corners(23), (std::array<int, 5>{4, 23, 0, 24, 47}));
  EXPECT_EQ(corners(407), (std::array<int, 5>{4, 407, 384, 408, 431}));
}

TEST_F(SphereMesh, QuadZeroCentreLiesAtLongitudeSevenAndAHalf) {
  const Model& m = *model_;
  const CentreRec& c = m.innerCentres[0];
  EXPECT_NEAR(std::atan2(c.y, c.x), degrees(7.5), 1e-12);
  EXPECT_NEAR(c.z, m.innerRadius * (std::sin(degrees(-85.0)) + std::sin(degrees(-75.0))) / 2.0,
              1e-15);
}

TEST_F(SphereMesh, OuterMeshIsTheInnerScaledByTheRadiusRatio) {
  const Model& m = *model_;
  for (int i = 0; i < m.spherePointCount; ++i) {
    const Point3& in = m.innerPoints[static_cast<std::size_t>(i)];
    const Point3& out = m.outerPoints[static_cast<std::size_t>(i)];
    EXPECT_EQ(out.x, 2.0 * in.x);
    EXPECT_EQ(out.y, 2.0 * in.y);
    EXPECT_EQ(out.z, 2.0 * in.z);
    EXPECT_NEAR(std::hypot(out.x, out.y, out.z), m.outerRadius, 1e-15);
  }
  EXPECT_TRUE(test::modelInvariantsHold(m, 1e-15));
}

}  // namespace
}  // namespace velkora
