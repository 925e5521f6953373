// The folding net held against the independent references: every face at
// stages between flat and closed against a plain hinge-by-hinge computation
// on the printed net's fold pairs, and the depth-tested picture against a
// brute-force depth-buffered one, pixel for pixel away from edges, for all
// 31 solids at several stages and poses.

#include <gtest/gtest.h>

#include <memory>

#include "folding/folding_net.h"
#include "model/rotation.h"
#include "model/zoom.h"
#include "nets/layout.h"
#include "render/depth_picture.h"
#include "tests/support/depth_reference.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/fold_reference.h"

namespace velkora::test {
namespace {

TEST(FoldingReference, EveryFaceFollowsItsHingesAtEveryStage) {
  for (const Solid& solid : embeddedSolids()) {
    SCOPED_TRACE(solid.name);
    const FoldingNet fold(solid);
    std::vector<std::pair<int, int>> folds;
    for (const NetPage& page : buildNet(solid, NetOptions{}).pages)
      folds.insert(folds.end(), page.folds.begin(), page.folds.end());
    std::vector<RefPoint> vertices;
    double reach = 0.0;
    for (const Vec3& v : solid.geometry.vertices) {
      vertices.push_back({v.x, v.y, v.z});
      reach = std::max(reach, norm(v));
    }
    for (const double f : {0.0, 0.2, 0.5, 0.83}) {
      const auto expected =
          referenceFoldedFaces(vertices, solid.geometry.faces, folds, fold.tree().root, f);
      const auto actual = fold.facesAt(f);
      ASSERT_EQ(actual.size(), expected.size());
      for (std::size_t i = 0; i < actual.size(); ++i) {
        for (std::size_t k = 0; k < actual[i].size(); ++k) {
          const Vec3 e{expected[i][k].x, expected[i][k].y, expected[i][k].z};
          // Both turn by angles read from slightly bent catalogue faces.
          EXPECT_LT(norm(actual[i][k] - e), 1e-6 * reach) << "f " << f << " face " << i;
        }
      }
    }
  }
}

TEST(FoldingReference, NoFaceIsDrawnOverOneInFrontOfIt) {
  // A half-size picture keeps the brute-force reference quick.
  constexpr int kWidth = 320;
  constexpr int kHeight = 332;
  const double turns[][3] = {{0, 0, 0}, {35, -70, 20}};
  int compared = 0;
  // Kept from picture to picture, as the window keeps them: each picture
  // must clear what the one before left.
  Bitmap picture;
  DepthBuffer depth;
  for (const Solid& solid : embeddedSolids()) {
    SCOPED_TRACE(solid.name);
    auto model = std::make_unique<Model>();
    placeSolid(*model, solid);
    zoomModel(*model, 0.5);
    FoldingNet fold(solid);
    fold.faceViewer(*model);
    for (const auto& turn : turns) {
      drehen(*model, turn[0], turn[1], turn[2]);
      for (const double f : {0.15, 0.55, 0.9}) {
        DepthScene scene;
        fold.scene(f, *model, scene);
        composeDepthPicture(scene, kWidth, kHeight, picture, depth);
        std::vector<RefPolygon> polygons;
        for (std::size_t i = 0; i < scene.size(); ++i) {
          RefPolygon& polygon = polygons.emplace_back();
          polygon.colour = scene.colours[i] | 0xFF000000u;
          for (std::uint32_t k = scene.firsts[i]; k < scene.firsts[i + 1]; ++k) {
            const Vec3& p = scene.corners[k];
            polygon.corners.push_back({p.x + kWidth / 2, p.y + kHeight / 2, p.z});
          }
        }
        const RefPicture expected = referenceDepthPicture(kWidth, kHeight, polygons);
        int wrong = 0;
        for (std::size_t i = 0; i < expected.pixels.size(); ++i) {
          if (expected.nearEdge[i] != 0) continue;
          ++compared;
          if (picture.pixels[i] != expected.pixels[i]) ++wrong;
        }
        EXPECT_EQ(wrong, 0) << "f " << f << " turn " << turn[0] << "," << turn[1];
      }
    }
  }
  EXPECT_GT(compared, 31 * 6 * 5000);
}

}  // namespace
}  // namespace velkora::test
