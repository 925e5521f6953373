// The frames of the animations, held against geometry known without the
// code: half a turn about the vertical axis, the cube's morph reaching the
// cuboctahedron and the octahedron, the kaleidoscope's tour over its stops.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "animation/animation_frames.h"
#include "kaleidoscope/kaleidoscope_family.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/kaleidoscope_tour.h"
#include "render/face_tints.h"
#include "render/frame.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace {

constexpr int kCube = 1;
constexpr int kIcosahedron = 3;

AnimationScene sceneOf(int position, View view = View::Polyhedron, bool marks = false) {
  auto start = std::make_shared<Model>();
  placeSolid(*start, embeddedSolid(position));
  return AnimationScene{embeddedSolid(position), start, ViewState{view, marks}, std::nullopt};
}

// The largest coordinate difference of two point sets of equal size.
double distance(const Model& a, const Model& b) {
  double largest = 0.0;
  for (int k = 0; k < a.vertexCount; ++k) {
    const Vec3 d =
        a.vertices[static_cast<std::size_t>(k)] - b.vertices[static_cast<std::size_t>(k)];
    largest = std::max({largest, std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)});
  }
  return largest;
}

// How far the farthest vertex of a lies from the nearest vertex of b, and
// the other way round: the distance of the two point sets, in any order.
double setDistance(const Model& a, const Model& b) {
  const auto oneWay = [](const Model& from, const Model& to) {
    double largest = 0.0;
    for (int i = 0; i < from.vertexCount; ++i) {
      double nearest = 1e300;
      for (int j = 0; j < to.vertexCount; ++j)
        nearest = std::min(nearest, norm(from.vertices[static_cast<std::size_t>(i)] -
                                         to.vertices[static_cast<std::size_t>(j)]));
      largest = std::max(largest, nearest);
    }
    return largest;
  };
  return std::max(oneWay(a, b), oneWay(b, a));
}

TEST(AnimationFrames, TheSpinTurnsOnceAboutTheVerticalAxisWithoutASeam) {
  const AnimationScene scene = sceneOf(kIcosahedron, View::OuterSphere, true);
  AnimationFrames frames(AnimationKind::Spin, scene, 72, embeddedSolids());
  auto model = std::make_unique<Model>();
  // Frame 0 is the start pose itself, with the view and marks asked for.
  const ViewState first = frames.frame(0, *model);
  EXPECT_TRUE(*model == *scene.start);
  EXPECT_EQ(first.view, View::OuterSphere);
  EXPECT_TRUE(first.markPoints);
  // Half a turn about the screen's vertical (y) axis: x and z change sign, y stays.
  frames.frame(36, *model);
  double largest = 0.0;
  for (int k = 0; k < model->vertexCount; ++k) {
    const Vec3 p = model->vertices[static_cast<std::size_t>(k)];
    const Vec3 q = scene.start->vertices[static_cast<std::size_t>(k)];
    largest = std::max({largest, std::fabs(p.x + q.x), std::fabs(p.y - q.y), std::fabs(p.z + q.z)});
  }
  EXPECT_LT(largest, 1e-9 * 260.0);
  // Equal steps with no seam: frame 71 is one step back from the start as
  // frame 1 is one step on, so the two add up to 2 cos(5 degrees) times the
  // start in x and z, whichever way the turn runs.
  auto last = std::make_unique<Model>();
  auto second = std::make_unique<Model>();
  frames.frame(71, *last);
  frames.frame(1, *second);
  const double c = std::cos(2.0 * std::acos(-1.0) / 72.0);
  double apart = 0.0;
  for (int k = 0; k < model->vertexCount; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const Vec3 s = scene.start->vertices[i];
    const Vec3 sum = last->vertices[i] + second->vertices[i];
    apart = std::max({apart, std::fabs(sum.x - 2 * c * s.x), std::fabs(sum.y - 2 * s.y),
                      std::fabs(sum.z - 2 * c * s.z)});
  }
  EXPECT_LT(apart, 1e-9 * 260.0);
  EXPECT_GT(distance(*last, *second), 1.0);  // they are not the same pose
}

TEST(AnimationFrames, TheCubesMorphPassesTheCuboctahedronToTheOctahedronAndBack) {
  const AnimationScene scene = sceneOf(kCube, View::InnerSphere);
  AnimationFrames frames(AnimationKind::Morph, scene, 8, embeddedSolids());
  auto model = std::make_unique<Model>();
  // t = 0: the cube in the view asked for, spheres included.
  EXPECT_EQ(frames.frame(0, *model).view, View::InnerSphere);
  EXPECT_EQ(model->vertexCount, 8);
  // t = 0.5 at a quarter of the way: the cuboctahedron; t = 1 at half: the octahedron.
  EXPECT_EQ(frames.frame(2, *model).view, View::Polyhedron);
  EXPECT_EQ(model->vertexCount, 12);
  EXPECT_EQ(model->faceCount, 14);
  EXPECT_EQ(frames.frame(4, *model).view, View::Polyhedron);
  EXPECT_EQ(model->vertexCount, 6);
  EXPECT_EQ(model->faceCount, 8);
  // The way back passes the same shapes.
  auto there = std::make_unique<Model>();
  auto back = std::make_unique<Model>();
  for (int k = 1; k < 4; ++k) {
    frames.frame(k, *there);
    frames.frame(8 - k, *back);
    ASSERT_EQ(there->vertexCount, back->vertexCount) << k;
    EXPECT_LT(distance(*there, *back), 1e-9 * 260.0) << k;
  }
}

TEST(AnimationFrames, TheKaleidoscopeRunsTheToursStopsOfTheSolidsFamily) {
  EXPECT_EQ(kaleidoscopeFamilyOf(embeddedSolid(kCube), embeddedSolids()), WythoffFamily::O);
  EXPECT_EQ(kaleidoscopeFamilyOf(embeddedSolid(kIcosahedron), embeddedSolids()), WythoffFamily::I);
  EXPECT_EQ(kaleidoscopeFamilyOf(embeddedSolid(0), embeddedSolids()), WythoffFamily::T);

  // Family O's tour, as the window walks it: round the triangle from corner
  // A through each side's stop back to A, then to the stop inside; the loop
  // closes from there to A. Eight legs, one frame each here.
  const Kaleidoscope kaleidoscope(WythoffFamily::O);
  const std::vector<KaleidoscopeStop> stops = kaleidoscopeStops(kaleidoscope, embeddedSolids());
  const std::vector<WythoffWeights> tour = kaleidoscopeTour(stops);
  ASSERT_EQ(tour.size(), 8u);
  for (const KaleidoscopeStop& stop : stops) {
    EXPECT_GE(std::count_if(tour.begin(), tour.end(),
                            [&](WythoffWeights w) {
                              return w.a == stop.weights.a && w.b == stop.weights.b &&
                                     w.c == stop.weights.c;
                            }),
              1)
        << stop.name;
  }
  // Half way along a leg lies between its stops; the loop closes back at the start.
  const WythoffWeights middle = tourPointAt(tour, 0.5 / 8.0);
  EXPECT_NEAR(middle.a, (tour[0].a + tour[1].a) / 2, 1e-12);
  EXPECT_NEAR(middle.b, (tour[0].b + tour[1].b) / 2, 1e-12);
  const WythoffWeights end = tourPointAt(tour, 1.0 - 1e-9);
  EXPECT_NEAR(end.a, tour[0].a, 1e-6);

  AnimationScene scene = sceneOf(kCube);
  scene.family = WythoffFamily::O;
  AnimationFrames frames(AnimationKind::Kaleidoscope, scene, 8, embeddedSolids());
  auto model = std::make_unique<Model>();
  int vertexCounts[8] = {};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(frames.frame(k, *model).view, View::Polyhedron);
    vertexCounts[k] = model->vertexCount;
  }
  // Cube, truncated cube, cuboctahedron, truncated octahedron, octahedron,
  // rhombicuboctahedron, the cube again, truncated cuboctahedron.
  EXPECT_EQ(std::vector<int>(vertexCounts, vertexCounts + 8),
            (std::vector<int>{8, 24, 12, 24, 6, 24, 8, 48}));
  // In the cube's pose and reach: frame 0 is the cube where the start model has it.
  frames.frame(0, *model);
  EXPECT_LT(setDistance(*model, *scene.start), 1e-6 * 260.0);
}

// How many of the palette's tints frame shows, behind the glass or not.
int tintsShown(const Bitmap& frame) {
  int shown = 0;
  for (const std::uint32_t tint : kKindTints) {
    shown += std::count_if(frame.pixels.begin(), frame.pixels.end(), [&](std::uint32_t p) {
               return p == tint || p == behindGlass(tint);
             }) > 20;
  }
  return shown;
}

TEST(AnimationFrames, ColouredFacesFollowEachFramesSolidButNotTheNet) {
  AnimationScene scene = sceneOf(kCube);
  scene.colourFaces = true;
  scene.family = WythoffFamily::O;
  FrameBuffers buffers;
  auto model = std::make_unique<Model>();
  // The tour's frames: cube (1 kind), truncated cube (2), cuboctahedron (2),
  // truncated octahedron (2), octahedron (1), rhombicuboctahedron (3).
  AnimationFrames tour(AnimationKind::Kaleidoscope, scene, 8, embeddedSolids());
  std::vector<int> kinds;
  for (int k = 0; k < 6; ++k) {
    tour.compose(k, 300, 300, buffers, *model, 1);
    kinds.push_back(tintsShown(buffers.frame));
  }
  EXPECT_EQ(kinds, (std::vector<int>{1, 2, 2, 2, 1, 3}));

  AnimationFrames fold(AnimationKind::Fold, scene, 4, embeddedSolids());
  fold.compose(1, 300, 300, buffers, *model, 1);
  EXPECT_EQ(tintsShown(buffers.frame), 0);
  scene.colourFaces = false;
  AnimationFrames plain(AnimationKind::Spin, scene, 4, embeddedSolids());
  plain.compose(1, 300, 300, buffers, *model, 1);
  EXPECT_EQ(tintsShown(buffers.frame), 0);
}

TEST(AnimationFrames, TheJitterbugClosesIntoTheOctahedronAtHalfTimeInItsTwoTints) {
  // Whatever the scene's solid, the jitterbug turns the cuboctahedron.
  AnimationFrames frames(AnimationKind::Jitterbug, sceneOf(kCube), 4, embeddedSolids());
  Model model;
  const ViewState turning = frames.frame(1, model);
  EXPECT_EQ(model.vertexCount, 12);
  EXPECT_EQ(model.faceCount, 20) << "between the stops the squares have opened into pairs";
  ASSERT_EQ(turning.faceTints.size(), 20u);
  EXPECT_EQ(std::count(turning.faceTints.begin(), turning.faceTints.end(), kindTint(0)), 8);
  EXPECT_EQ(std::count(turning.faceTints.begin(), turning.faceTints.end(), kindTint(1)), 12);
  frames.frame(2, model);
  EXPECT_EQ(model.vertexCount, 6) << "j = 1: the octahedron";
  EXPECT_EQ(model.faceCount, 8);
}

TEST(AnimationFrames, KindsByNameAndWhatCannotBeMade) {
  const std::vector<AnimationKind> kinds = animationKinds();
  EXPECT_EQ(kinds.size(), 5u);
  for (const AnimationKind kind : kinds) {
    EXPECT_EQ(animationKindOf(animationKindName(kind)), kind);
    EXPECT_FALSE(animationKindLabel(kind).empty());
  }
  EXPECT_EQ(animationKindOf("MORPH"), AnimationKind::Morph);
  EXPECT_EQ(animationKindOf("Fold"), AnimationKind::Fold);
  EXPECT_FALSE(animationKindOf("falten").has_value());

  for (const int count : {-1, 0, 1, 721}) {
    EXPECT_THROW(AnimationFrames(AnimationKind::Spin, sceneOf(kCube), count, embeddedSolids()),
                 EAnimation)
        << count;
  }
  EXPECT_NO_THROW(AnimationFrames(AnimationKind::Spin, sceneOf(kCube), 720, embeddedSolids()));
  // The kaleidoscope needs a family.
  EXPECT_THROW(AnimationFrames(AnimationKind::Kaleidoscope, sceneOf(kCube), 10, embeddedSolids()),
               EAnimation);
}

}  // namespace
}  // namespace velkora::test
