// The folding net against what it must agree with: flat, it is the printed
// net's layout (computed by the page layout's own planar unfolding) turned
// into one plane; closed, every face lies on its face of the solid; at f = 1
// the picture covers what the polyhedron view covers. Fold trees that are
// not trees are refused, and the turns behave at their awkward angles.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>

#include "base/rigid_motion.h"
#include "folding/folding_net.h"
#include "folding/net_fold.h"
#include "model/rotation.h"
#include "nets/layout.h"
#include "render/depth_picture.h"
#include "render/frame.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

double reachOf(const Polyhedron& solid) {
  double reach = 0.0;
  for (const Vec3& v : solid.vertices)
    reach = std::max(reach, norm(v));
  return reach;
}

TEST(FoldingNet, FlatIsThePrintedNetAndClosedIsTheSolidForEverySolid) {
  for (const Solid& solid : embeddedSolids()) {
    SCOPED_TRACE(solid.name);
    const NetDocument printed = buildNet(solid, NetOptions{});
    ASSERT_EQ(printed.pieces, 1);
    const FoldingNet fold(solid);
    const double reach = reachOf(solid.geometry);
    const auto& faces = solid.geometry.faces;

    // Closed: every corner where the solid has it.
    const auto closed = fold.facesAt(1.0);
    for (std::size_t i = 0; i < faces.size(); ++i) {
      for (std::size_t k = 0; k < faces[i].size(); ++k) {
        const Vec3 corner = solid.geometry.vertices[static_cast<std::size_t>(faces[i][k])];
        EXPECT_LT(norm(closed[i][k] - corner), 1e-9 * reach) << "face " << i;
      }
    }

    // Flat: every face in the root's plane, at the printed place. The
    // root's plane gets axes u, v with u x v along the outward normal, as
    // the page's x, y are seen from above.
    const auto flat = fold.facesAt(0.0);
    const int root = fold.tree().root;
    const std::vector<Vec3>& base = flat[static_cast<std::size_t>(root)];
    Vec3 normal = cross(base[1] - base[0], base[2] - base[0]);
    if (dot(normal, base[0]) < 0.0) normal = -normal;  // the solid's centre is the origin
    normal = normalized(normal);
    const Vec3 u = normalized(base[1] - base[0]);
    const Vec3 v = cross(normal, u);
    const auto inPlane = [&](Vec3 p) { return Vec2{dot(p - base[0], u), dot(p - base[0], v)}; };

    // The printed corners by face and catalogue vertex, in catalogue units.
    double longest = 0.0;
    for (const auto& [a, b] : edgesOf(faces))
      longest = std::max(longest, norm(solid.geometry.vertices[static_cast<std::size_t>(a)] -
                                       solid.geometry.vertices[static_cast<std::size_t>(b)]));
    const double unitsPerMm = longest / printed.edgeMm;
    std::map<std::pair<int, int>, Vec2> onPage;
    for (const NetPage& page : printed.pages) {
      for (const NetFace& face : page.faces) {
        for (std::size_t k = 0; k < face.vertices.size(); ++k)
          onPage[{face.face, face.vertices[k]}] = unitsPerMm * face.polygon[k];
      }
    }
    // The plane motion that takes the printed root face onto the flat one.
    const int a = faces[static_cast<std::size_t>(root)][0];
    const int b = faces[static_cast<std::size_t>(root)][1];
    const Vec2 pa = onPage.at({root, a});
    const Vec2 pb = onPage.at({root, b});
    const double turn = std::atan2(0.0, 1.0) - std::atan2(pb.y - pa.y, pb.x - pa.x);
    const auto place = [&](Vec2 p) {
      const Vec2 d = p - pa;
      return Vec2{std::cos(turn) * d.x - std::sin(turn) * d.y,
                  std::sin(turn) * d.x + std::cos(turn) * d.y};
    };
    for (std::size_t i = 0; i < faces.size(); ++i) {
      for (std::size_t k = 0; k < faces[i].size(); ++k) {
        // The catalogue's seven digits leave faces bent by up to about 2e-7
        // of the solid's size, and the bends add up along the tree, so flat
        // means flat to 1e-5; a wrong turn is off by a good part of an edge.
        EXPECT_LT(std::abs(dot(flat[i][k] - base[0], normal)), 1e-5 * reach) << "face " << i;
        const Vec2 expected = place(onPage.at({static_cast<int>(i), faces[i][k]}));
        EXPECT_LT(norm(inPlane(flat[i][k]) - expected), 1e-5 * longest)
            << "face " << i << " corner " << k;
      }
    }
  }
}

// Pixels that are not white.
std::vector<bool> coverage(const Bitmap& frame) {
  std::vector<bool> covered(frame.pixels.size());
  for (std::size_t i = 0; i < covered.size(); ++i)
    covered[i] = frame.pixels[i] != kWhite;
  return covered;
}

// Whether some pixel within radius of (x, y) differs between the masks.
bool nearBoundary(const std::vector<bool>& mask, int width, int height, int x, int y, int radius) {
  const bool here = mask[static_cast<std::size_t>(y * width + x)];
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const int xx = x + dx;
      const int yy = y + dy;
      if (xx < 0 || yy < 0 || xx >= width || yy >= height) continue;
      if (mask[static_cast<std::size_t>(yy * width + xx)] != here) return true;
    }
  }
  return false;
}

TEST(FoldingNet, ClosedItCoversWhatThePolyhedronViewCoversInAnyPose) {
  constexpr int kWidth = 634;
  constexpr int kHeight = 663;
  for (const int position : {0, 1, 13, 21, 30}) {
    const Solid& solid = embeddedSolid(position);
    SCOPED_TRACE(solid.name);
    auto model = std::make_unique<Model>();
    placeSolid(*model, solid);
    drehen(*model, 17.0, -41.0, 63.0);
    FoldingNet fold(solid);
    fold.faceViewer(*model);
    DepthScene scene;
    fold.scene(1.0, *model, scene);
    Bitmap net;
    DepthBuffer depth;
    composeDepthPicture(scene, kWidth, kHeight, net, depth);
    FrameBuffers buffers;
    composeFrame(*model, ViewState{}, kWidth, kHeight, buffers);
    const std::vector<bool> a = coverage(net);
    const std::vector<bool> b = coverage(buffers.frame);
    int differing = 0;
    int covered = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const auto i = static_cast<std::size_t>(y * kWidth + x);
        covered += b[i] ? 1 : 0;
        if (a[i] != b[i] && !nearBoundary(b, kWidth, kHeight, x, y, 2)) ++differing;
      }
    }
    EXPECT_GT(covered, 20000);
    EXPECT_EQ(differing, 0);

    // Flat, the net faces the viewer: every face shows its printed side.
    fold.scene(0.0, *model, scene);
    for (std::size_t i = 0; i < scene.size(); ++i)
      EXPECT_NE(scene.colours[i], kPaperBack) << "face " << i;
  }
}

// Flat, the net shrinks to fit where the solid was: no corner farther from
// the picture's centre than the shown solid's farthest vertex, and (every
// net reaching farther than its solid) some corner right at that distance, so
// that the net fills the solid's place. In a turned pose as in the start pose.
TEST(FoldingNet, FlatItFitsTheReachOfTheSolidOnShow) {
  for (const Solid& solid : embeddedSolids()) {
    SCOPED_TRACE(solid.name);
    auto model = std::make_unique<Model>();
    placeSolid(*model, solid);
    for (const bool turned : {false, true}) {
      if (turned) drehen(*model, 23.0, 51.0, -12.0);
      double reach = 0.0;
      for (int v = 0; v < model->vertexCount; ++v)
        reach = std::max(reach, norm(model->vertices[static_cast<std::size_t>(v)]));
      FoldingNet fold(solid);
      fold.faceViewer(*model);
      DepthScene scene;
      fold.scene(0.0, *model, scene);
      double farthest = 0.0;
      for (const Vec3& p : scene.corners)
        farthest = std::max(farthest, std::hypot(p.x, p.y));
      EXPECT_LE(farthest, reach * (1.0 + 1e-6)) << "turned " << turned;
      EXPECT_GE(farthest, reach * 0.999) << "turned " << turned;
    }
  }
}

// The outline of the depth picture is drawn where it is not behind a face,
// and a face's own rim lies exactly at that face's depth: every pixel of the
// picture at its rim to the white background is outline, also where the
// depth of the face and of its outline differ only by rounding. The closed
// net is the solid, so the rim is the solid's silhouette.
TEST(FoldingNet, TheSilhouetteOfThePictureIsOutlinedAllRound) {
  constexpr int kWidth = 634;
  constexpr int kHeight = 663;
  Bitmap picture;
  DepthBuffer depth;
  for (const int position : {0, 1, 4, 9, 13, 21, 30}) {
    const Solid& solid = embeddedSolid(position);
    SCOPED_TRACE(solid.name);
    auto model = std::make_unique<Model>();
    placeSolid(*model, solid);
    drehen(*model, 17.0, -41.0, 63.0);
    FoldingNet fold(solid);
    fold.faceViewer(*model);
    for (const double f : {1.0, 0.6}) {
      DepthScene scene;
      fold.scene(f, *model, scene);
      composeDepthPicture(scene, kWidth, kHeight, picture, depth);
      int rim = 0;
      int outlined = 0;
      for (int y = 1; y + 1 < kHeight; ++y) {
        for (int x = 1; x + 1 < kWidth; ++x) {
          const auto at = [&](int xx, int yy) {
            return picture.pixels[static_cast<std::size_t>(yy * kWidth + xx)];
          };
          if (at(x, y) == kWhite) continue;
          if (at(x - 1, y) != kWhite && at(x + 1, y) != kWhite && at(x, y - 1) != kWhite &&
              at(x, y + 1) != kWhite) {
            continue;
          }
          ++rim;
          if (at(x, y) == kDepthOutline) ++outlined;
        }
      }
      EXPECT_GT(rim, 500) << "f " << f;
      EXPECT_EQ(outlined, rim) << "f " << f;
    }
  }
}

// A cube's faces: 0 bottom, 1 top, 2..5 the sides.
Polyhedron cube() {
  Polyhedron c;
  c.vertices = {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1},
                {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1}};
  c.faces = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
  return c;
}

TEST(FoldTree, PairsThatDoNotMakeATreeOfNeighboursAreRefused) {
  const Polyhedron c = cube();
  using Pairs = std::vector<std::pair<int, int>>;
  const Pairs cross{{0, 2}, {0, 3}, {0, 4}, {0, 5}, {2, 1}};
  EXPECT_NO_THROW(foldTree(c, cross));
  EXPECT_THROW(foldTree(c, Pairs{{0, 2}, {0, 3}, {0, 4}, {0, 5}}), EFoldError);          // too few
  EXPECT_THROW(foldTree(c, Pairs{{0, 2}, {2, 3}, {3, 0}, {0, 5}, {1, 4}}), EFoldError);  // cycle
  EXPECT_THROW(foldTree(c, Pairs{{0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 1}}), EFoldError);  // apart
  EXPECT_THROW(foldTree(c, Pairs{{0, 2}, {0, 3}, {0, 4}, {0, 5}, {2, 6}}), EFoldError);  // no face
  EXPECT_THROW(foldTree(c, cross, 6), EFoldError);

  // The root is the middle of the tree unless one is given.
  EXPECT_EQ(foldTree(c, Pairs{{2, 3}, {3, 4}, {4, 5}, {3, 0}, {3, 1}}).root, 3);
  EXPECT_EQ(foldTree(c, cross, 1).root, 1);
}

TEST(FoldTree, HalfFoldedCubeHingesStandAt135Degrees) {
  const Polyhedron c = cube();
  const FoldTree tree =
      foldTree(c, std::vector<std::pair<int, int>>{{0, 2}, {0, 3}, {0, 4}, {0, 5}, {2, 1}});
  const auto half = foldedFaces(c, tree, 0.5);
  // Each side face's normal leans 45 degrees out from the bottom's.
  const auto normalOf = [&](int face) {
    const auto& p = half[static_cast<std::size_t>(face)];
    return normalized(cross(p[1] - p[0], p[2] - p[0]));
  };
  const Vec3 bottom = normalOf(0);
  for (int side = 2; side <= 5; ++side)
    EXPECT_NEAR(dot(normalOf(side), bottom), std::cos(std::numbers::pi / 4), 1e-12) << side;
  // The top hangs on side 2, a further 45 degrees on: 90 from the bottom.
  EXPECT_NEAR(dot(normalOf(1), bottom), 0.0, 1e-12);
}

TEST(RigidMotion, TurnsSurviveTheirAxisAngleFormAndOppositeDirections) {
  const Vec3 axes[] = {normalized(Vec3{1, 2, 3}), Vec3{0, 0, 1}, normalized(Vec3{-1, 0.5, 0})};
  for (const Vec3& axis : axes) {
    for (const double angle : {0.3, 2.0, std::numbers::pi - 1e-9, std::numbers::pi}) {
      const Rotation3 r = axisRotation(axis, angle);
      const AxisAngle back = axisAngleOf(r);
      const Rotation3 again = axisRotation(back.axis, back.angle);
      for (const Vec3 probe : {Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0.3, -0.2, 0.9}})
        EXPECT_LT(norm(again * probe - r * probe), 1e-9) << angle;
    }
  }
  for (const Vec3 from : {normalized(Vec3{1, 1, 0}), Vec3{1, 0, 0}, Vec3{0, 0, -1}}) {
    EXPECT_LT(norm(rotationBetween(from, -from) * from + from), 1e-12);
    const Vec3 to = normalized(Vec3{0.2, -0.7, 0.4});
    EXPECT_LT(norm(rotationBetween(from, to) * from - to), 1e-12);
  }
}

}  // namespace
}  // namespace velkora::test
