// The window's rules in the viewer core, driven with no widget: what a pick
// does to the rotation and the open tools, which tools may be open together,
// when the view choices apply, what a play tick draws and describes, and that
// the listener hears each command's changes once, after the command.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "render/face_tints.h"
#include "viewer/viewer.h"

namespace velkora::test {
namespace viewer_rules {

constexpr int kCube = 1;
constexpr int kIcosahedron = 3;
constexpr int kCuboctahedron = 12;
constexpr int kLastPosition = 30;

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer.setSurfaceSource([] { return Viewer::Surface{120, 100, 1}; });
    viewer.setListener([this](unsigned changes) { told.push_back(changes); });
    viewer.create();
    viewer.pick(kIcosahedron);
    told.clear();
  }
  // The union of what was told since the last call, and how often.
  unsigned toldSince() {
    unsigned all = 0;
    for (unsigned changes : told)
      all |= changes;
    calls = static_cast<int>(told.size());
    told.clear();
    return all;
  }
  const Bitmap& frame() const { return viewer.frameBuffers().frame; }

  Viewer viewer;
  std::vector<unsigned> told;
  int calls = 0;
};

TEST_F(ViewerTest, APickStopsTheRotationAReloadKeepsIt) {
  viewer.setRotating(true);
  EXPECT_NE(toldSince() & kRotationChanged, 0u);
  viewer.reload();
  EXPECT_TRUE(viewer.rotating());
  EXPECT_EQ(toldSince() & kRotationChanged, 0u);
  viewer.pick(kCube);
  EXPECT_FALSE(viewer.rotating());
  const unsigned changes = toldSince();
  EXPECT_NE(changes & kRotationChanged, 0u);
  EXPECT_NE(changes & kCaptionsChanged, 0u);
  EXPECT_NE(changes & kSolidChanged, 0u);
  EXPECT_NE(changes & kPictureChanged, 0u);
  EXPECT_EQ(calls, 1) << "a command's changes are told once";
  EXPECT_EQ(viewer.controller().shownSolid().position, kCube);
}

TEST_F(ViewerTest, NeighboursStopAtTheListsEnds) {
  EXPECT_EQ(viewer.neighbour(1), kIcosahedron + 1);
  EXPECT_EQ(viewer.neighbour(-1), kIcosahedron - 1);
  viewer.pick(0);
  EXPECT_EQ(viewer.neighbour(-1), -1);
  viewer.pick(kLastPosition);
  EXPECT_EQ(viewer.neighbour(1), -1);
  EXPECT_EQ(captionFamilyOf(kLastPosition), Family::Catalan);
  EXPECT_EQ(captionFamilyOf(-1), Family::Platonic);
  EXPECT_EQ(viewer.startPosition(-1), kIcosahedron);
  EXPECT_EQ(viewer.startPosition(31), kIcosahedron);
  EXPECT_EQ(viewer.startPosition(kCube), kCube);
}

TEST_F(ViewerTest, MorphAndKaleidoscopeExcludeEachOtherTheFoldGoesWithEither) {
  viewer.openTool(Tool::Morph);
  viewer.openTool(Tool::Fold);
  EXPECT_TRUE(viewer.toolOpen(Tool::Morph));
  EXPECT_TRUE(viewer.toolOpen(Tool::Fold));
  viewer.openTool(Tool::Kaleidoscope);
  EXPECT_FALSE(viewer.toolOpen(Tool::Morph));
  EXPECT_TRUE(viewer.toolOpen(Tool::Kaleidoscope));
  EXPECT_TRUE(viewer.toolOpen(Tool::Fold));
  EXPECT_FALSE(viewer.controller().morphBegun());
  viewer.openTool(Tool::Morph);
  EXPECT_FALSE(viewer.toolOpen(Tool::Kaleidoscope));
  EXPECT_EQ(viewer.controller().kaleidoscope(), nullptr);
  viewer.closeTool(Tool::Fold);
  EXPECT_FALSE(viewer.controller().folding());
  EXPECT_NE(toldSince() & kToolsChanged, 0u);
}

TEST_F(ViewerTest, APickWhileTheMorphIsOpenStartsTheNewSolidsPath) {
  viewer.openTool(Tool::Morph);
  viewer.setMorphParameter(0.7);
  ASSERT_TRUE(viewer.controller().morphing());
  const int paths = viewer.morphPaths();
  viewer.pick(kCube);
  EXPECT_EQ(viewer.morphPaths(), paths + 1);
  EXPECT_TRUE(viewer.controller().morphBegun());
  EXPECT_EQ(viewer.controller().morphParameter(), 0.0);
  EXPECT_EQ(viewer.controller().shownSolid().position, kCube);
  // The cube's path ends in the octahedron (list position 2).
  ASSERT_FALSE(viewer.controller().morphStops().empty());
  EXPECT_EQ(viewer.controller().morphStops().back().position, 2);
}

TEST_F(ViewerTest, TheViewChoicesApplyOnlyToThePickedSolid) {
  viewer.setView(View::Polyhedron);
  const Bitmap polyhedron = frame();
  viewer.setView(View::OuterSphere);
  EXPECT_NE(frame().pixels, polyhedron.pixels) << "the outer sphere adds its circle";
  EXPECT_EQ(viewer.viewsOff(), ViewsOff::No);

  viewer.openTool(Tool::Morph);
  viewer.setMorphParameter(0.3);
  EXPECT_EQ(viewer.viewsOff(), ViewsOff::Moment);
  EXPECT_EQ(viewer.shownViewState().view, View::Polyhedron);
  const Bitmap moment = frame();
  viewer.setView(View::InnerSphere);
  EXPECT_EQ(frame().pixels, moment.pixels) << "a solid of the morph is always its polyhedron";
  viewer.setMorphParameter(0.0);
  EXPECT_EQ(viewer.viewsOff(), ViewsOff::No);

  viewer.openTool(Tool::Fold);
  EXPECT_EQ(viewer.viewsOff(), ViewsOff::Folding);
  EXPECT_EQ(viewer.pictureFacts().kind, PictureFacts::Kind::Fold);
}

TEST_F(ViewerTest, APlayTickDrawsWithoutDescribingAndLeavesTheFrameToTheRotation) {
  viewer.openTool(Tool::Morph);
  toldSince();
  viewer.setMorphParameter(0.2, true);
  unsigned changes = toldSince();
  EXPECT_NE(changes & kPictureChanged, 0u);
  EXPECT_EQ(changes & kDescriptionChanged, 0u);

  viewer.setRotating(true);
  toldSince();
  const Bitmap before = frame();
  viewer.setMorphParameter(0.6, true);
  changes = toldSince();
  EXPECT_EQ(changes & kPictureChanged, 0u) << "the rotation's tick draws this step";
  EXPECT_EQ(frame().pixels, before.pixels);
  viewer.tick();
  EXPECT_NE(toldSince() & kPictureChanged, 0u);
  EXPECT_NE(frame().pixels, before.pixels);
  viewer.playStopped();
  EXPECT_EQ(toldSince(), static_cast<unsigned>(kDescriptionChanged));
}

TEST_F(ViewerTest, TheFactsFollowWhatIsOnShow) {
  PictureFacts facts = viewer.pictureFacts();
  EXPECT_EQ(facts.kind, PictureFacts::Kind::Solid);
  EXPECT_EQ(facts.solidName, "Ikosaeder");
  viewer.setMarks(true);
  viewer.setRotating(true);
  facts = viewer.pictureFacts();
  EXPECT_TRUE(facts.marks);
  EXPECT_TRUE(facts.rotating);

  viewer.pick(kCuboctahedron);
  viewer.openTool(Tool::Kaleidoscope);
  // The Kuboktaeder is one of family O's stops: the picture stays on it.
  EXPECT_EQ(viewer.pictureFacts().kind, PictureFacts::Kind::Solid);
  EXPECT_EQ(viewer.kaleidoscopeFamily(), WythoffFamily::O);
  viewer.setKaleidoscopeWeights({1.0, 0.0, 0.0});
  facts = viewer.pictureFacts();
  EXPECT_EQ(facts.kind, PictureFacts::Kind::Kaleidoscope);
  EXPECT_EQ(facts.solidName, "Hexaeder, Würfel");

  viewer.closeTool(Tool::Kaleidoscope);
  viewer.openTool(Tool::Morph);
  viewer.setMorphParameter(0.25);
  facts = viewer.pictureFacts();
  EXPECT_EQ(facts.kind, PictureFacts::Kind::Morph);
  EXPECT_DOUBLE_EQ(facts.morphT, 0.25);

  Viewer fresh;
  fresh.create();
  EXPECT_EQ(fresh.pictureFacts().kind, PictureFacts::Kind::None);
}

TEST_F(ViewerTest, AListenersOwnCommandIsToldAfterItReturns) {
  // A front end that answers a change by a command (a tool window moving its
  // slider) must not be called inside its own call.
  int depth = 0;
  int deepest = 0;
  bool answered = false;
  viewer.setListener([&](unsigned changes) {
    ++depth;
    deepest = std::max(deepest, depth);
    if ((changes & kToolsChanged) != 0u && !answered) {
      answered = true;
      viewer.setFoldStage(0.5);
    }
    --depth;
  });
  viewer.openTool(Tool::Fold);
  EXPECT_TRUE(answered);
  EXPECT_EQ(deepest, 1);
  EXPECT_DOUBLE_EQ(viewer.controller().foldStage(), 0.5);
}

TEST_F(ViewerTest, TheFoldFollowsAPickAndClosingItGivesTheSolidsPictureBack) {
  const Bitmap solid = frame();
  viewer.openTool(Tool::Fold);
  const Bitmap flatNet = frame();
  EXPECT_NE(flatNet.pixels, solid.pixels);
  viewer.pick(kCube);
  ASSERT_TRUE(viewer.controller().folding());
  EXPECT_EQ(viewer.controller().foldingNet()->solid().position, kCube);
  EXPECT_NE(frame().pixels, flatNet.pixels) << "the cube's net, not the icosahedron's";
  viewer.pick(kIcosahedron);
  EXPECT_EQ(frame().pixels, flatNet.pixels) << "the same net laid out again";
  viewer.closeTool(Tool::Fold);
  EXPECT_EQ(viewer.viewsOff(), ViewsOff::No);
  EXPECT_EQ(frame().pixels, solid.pixels);
}

TEST_F(ViewerTest, TheSnubKeepsThePointShowsItsSolidAndOutlastsTheFamily) {
  viewer.pick(kCuboctahedron);
  viewer.openTool(Tool::Kaleidoscope);
  const WythoffWeights inside{0.2, 0.3, 0.5};
  viewer.setKaleidoscopeWeights(inside);
  const Bitmap whole = frame();
  ASSERT_EQ(viewer.controller().shownSolid().geometry.vertices.size(), 48u);
  const int round = viewer.kaleidoscopeRounds();

  // Mirror alone is no choice: nothing changes.
  told.clear();
  viewer.setKaleidoscopeSnub(false, true);
  EXPECT_FALSE(viewer.kaleidoscopeMirror());
  EXPECT_TRUE(told.empty());

  viewer.setKaleidoscopeSnub(true, false);
  EXPECT_TRUE(viewer.kaleidoscopeSnub());
  EXPECT_EQ(viewer.kaleidoscopeRounds(), round + 1) << "a front end shows the new stops";
  EXPECT_DOUBLE_EQ(viewer.kaleidoscopeStart().c, inside.c) << "the point stays";
  EXPECT_EQ(viewer.controller().shownSolid().geometry.vertices.size(), 24u);
  EXPECT_NE(frame().pixels, whole.pixels);
  EXPECT_NE(toldSince() & kSolidChanged, 0u);
  const auto& stops = viewer.controller().kaleidoscopeStops();
  ASSERT_EQ(stops.size(), 7u);
  EXPECT_EQ(stops.back().name, "Abgeschrägtes Hexaeder");
  viewer.setKaleidoscopeWeights(stops.back().weights);
  EXPECT_EQ(viewer.pictureFacts().solidName, "Abgeschrägtes Hexaeder");
  const Bitmap snub = frame();
  viewer.setKaleidoscopeSnub(true, true);
  EXPECT_TRUE(viewer.kaleidoscopeMirror());
  EXPECT_EQ(viewer.pictureFacts().solidName, "Abgeschrägtes Hexaeder");
  EXPECT_NE(frame().pixels, snub.pixels) << "the other hand";

  // Another family, a closing and an opening keep the choice.
  viewer.setKaleidoscopeFamily(WythoffFamily::I);
  EXPECT_EQ(viewer.controller().kaleidoscopeStops().back().name, "Abgeschrägtes Dodekaeder");
  viewer.closeTool(Tool::Kaleidoscope);
  viewer.openTool(Tool::Kaleidoscope);
  EXPECT_TRUE(viewer.kaleidoscopeMirror());
  viewer.setKaleidoscopeSnub(false, true);
  EXPECT_FALSE(viewer.kaleidoscopeSnub());
  EXPECT_FALSE(viewer.kaleidoscopeMirror());
  EXPECT_EQ(viewer.controller().kaleidoscopeStops().back().name, "Kuboktaederstumpf");
}

// How many of the palette's tints the frame shows, behind the glass or not.
int tintsShown(const Bitmap& frame) {
  int shown = 0;
  for (const std::uint32_t tint : kKindTints) {
    const auto count = std::count_if(frame.pixels.begin(), frame.pixels.end(),
                                     [&](auto p) { return p == tint || p == behindGlass(tint); });
    shown += count > 20;
  }
  return shown;
}

TEST(ViewerColours, ColouredFacesBeforeTheFirstPickDrawNothingAndThrowNothing) {
  Viewer viewer;
  viewer.setSurfaceSource([] { return Viewer::Surface{100, 100, 1}; });
  viewer.create();
  viewer.preselect(16, View::Polyhedron);  // chosen, not yet loaded
  EXPECT_NO_THROW(viewer.setColourFaces(true));
  EXPECT_TRUE(viewer.colourFaces());
  viewer.pick(16);
  EXPECT_GT(std::count(viewer.frameBuffers().frame.pixels.begin(),
                       viewer.frameBuffers().frame.pixels.end(), behindGlass(kindTint(0))),
            100);
}

TEST_F(ViewerTest, ColouredFacesFollowTheSolidOnShowAndLeaveTheNet) {
  constexpr int kRhombicuboctahedron = 16;
  viewer.setSurfaceSource([] { return Viewer::Surface{300, 300, 1}; });
  viewer.pick(kRhombicuboctahedron);
  const Bitmap plain = frame();
  ASSERT_EQ(tintsShown(plain), 0);
  told.clear();
  viewer.setColourFaces(true);
  EXPECT_TRUE(viewer.colourFaces());
  EXPECT_NE(toldSince() & kPictureChanged, 0u);
  EXPECT_EQ(tintsShown(frame()), 3) << "triangles, squares between squares, the other squares";
  viewer.setColourFaces(false);
  EXPECT_EQ(frame().pixels, plain.pixels);

  viewer.setColourFaces(true);
  viewer.pick(kCube);
  EXPECT_EQ(tintsShown(frame()), 1);
  viewer.setRotating(true);
  viewer.tick(3);
  EXPECT_EQ(tintsShown(frame()), 1) << "a turned cube, one kind still";
  viewer.setRotating(false);

  // The kaleidoscope's solid between its stops: hexagons, octagons, rectangles.
  viewer.pick(kCuboctahedron);
  viewer.openTool(Tool::Kaleidoscope);
  viewer.setKaleidoscopeWeights({0.2, 0.3, 0.5});
  EXPECT_EQ(tintsShown(frame()), 3);
  viewer.closeTool(Tool::Kaleidoscope);

  viewer.openTool(Tool::Morph);
  viewer.setMorphParameter(0.5);
  ASSERT_TRUE(viewer.controller().showingMoment());
  EXPECT_GE(tintsShown(frame()), 2) << "the morph's solid on its way to the dual";
  viewer.closeTool(Tool::Morph);

  viewer.openTool(Tool::Fold);
  EXPECT_EQ(tintsShown(frame()), 0) << "the net keeps its own colours";
}

TEST_F(ViewerTest, TheFrameIsComposedAtTheSurfacesDevicePixels) {
  viewer.setSurfaceSource([] { return Viewer::Surface{80, 60, 2}; });
  viewer.surfaceResized();
  EXPECT_EQ(frame().width, 160);
  EXPECT_EQ(frame().height, 120);
  EXPECT_EQ(viewer.composedScale(), 2);
}

// A front end whose frames come slower than the steps catches up with one
// tick of several steps: the same pose as as many single ticks, drawn once.
TEST(ViewerTicks, SeveralStepsInOneTickTurnAsFarAsSingleTicksAndDrawOnce) {
  const auto started = [](Viewer& viewer, std::vector<unsigned>& told) {
    viewer.setSurfaceSource([] { return Viewer::Surface{120, 100, 1}; });
    viewer.setListener([&told](unsigned changes) { told.push_back(changes); });
    viewer.create();
    viewer.pick(kIcosahedron);
    viewer.setStep(0, 3);
    viewer.setRotating(true);
    told.clear();
  };
  Viewer single;
  Viewer batched;
  std::vector<unsigned> singleTold;
  std::vector<unsigned> batchedTold;
  started(single, singleTold);
  started(batched, batchedTold);
  for (int i = 0; i < 7; ++i)
    single.tick();
  batched.tick(7);
  EXPECT_EQ(batchedTold.size(), 1u);
  EXPECT_EQ(batched.frameBuffers().frame.pixels, single.frameBuffers().frame.pixels);
  batched.tick();
  EXPECT_NE(batched.frameBuffers().frame.pixels, single.frameBuffers().frame.pixels);
}

}  // namespace viewer_rules
}  // namespace velkora::test

namespace velkora::test::viewer_rules {

// Pixels of a frame in one tint, on the glass or not.
long pixelsOf(const Bitmap& frame, std::uint32_t tint) {
  return std::count_if(frame.pixels.begin(), frame.pixels.end(),
                       [&](auto p) { return p == tint || p == behindGlass(tint); });
}

TEST_F(ViewerTest, TheJitterbugTurnsTheCuboctahedronInTwoTintsAndGivesWayToTheOtherTools) {
  constexpr int kCuboctahedronPosition = 12;
  viewer.setSurfaceSource([] { return Viewer::Surface{300, 300, 1}; });
  viewer.openTool(Tool::Jitterbug);
  // Opening it picks the cuboctahedron, whose eight triangles turn.
  EXPECT_EQ(viewer.position(), kCuboctahedronPosition);
  EXPECT_TRUE(viewer.toolOpen(Tool::Jitterbug));
  ASSERT_EQ(viewer.controller().jitterbugStops().size(), 3u);
  EXPECT_EQ(viewer.pictureFacts().kind, PictureFacts::Kind::Jitterbug);
  EXPECT_EQ(viewer.viewsOff(), ViewsOff::Moment);
  const long turningAtStart = pixelsOf(frame(), kindTint(0));
  EXPECT_GT(turningAtStart, 100) << "the triangles in the first tint";
  EXPECT_GT(pixelsOf(frame(), kindTint(1)), 100) << "the squares in the second";

  const double icosahedron = viewer.controller().jitterbugStops()[1].j;
  viewer.setJitterbugParameter(icosahedron);
  EXPECT_EQ(viewer.pictureFacts().solidName, "Ikosaeder");
  EXPECT_NEAR(viewer.pictureFacts().jitterbugJ, icosahedron, 1e-12);
  viewer.setJitterbugParameter(1.0);
  EXPECT_EQ(viewer.pictureFacts().solidName, "Oktaeder");
  EXPECT_EQ(pixelsOf(frame(), kindTint(1)), 0) << "closed: only the eight triangles are left";
  EXPECT_GT(pixelsOf(frame(), kindTint(0)), turningAtStart);

  // The morph takes its place; the jitterbug's tints go with it.
  viewer.openTool(Tool::Morph);
  EXPECT_FALSE(viewer.toolOpen(Tool::Jitterbug));
  EXPECT_FALSE(viewer.controller().jitterbugBegun());
  EXPECT_EQ(pixelsOf(frame(), kindTint(0)), 0);
  viewer.closeTool(Tool::Morph);

  // A pick of the cuboctahedron begins it again; of another solid closes it.
  viewer.openTool(Tool::Jitterbug);
  viewer.setJitterbugParameter(0.5);
  const int round = viewer.jitterbugRounds();
  viewer.pick(kCuboctahedronPosition);
  EXPECT_TRUE(viewer.toolOpen(Tool::Jitterbug));
  EXPECT_EQ(viewer.controller().jitterbugParameter(), 0.0);
  EXPECT_GT(viewer.jitterbugRounds(), round);
  told.clear();
  viewer.pick(kCube);
  EXPECT_FALSE(viewer.toolOpen(Tool::Jitterbug));
  EXPECT_NE(toldSince() & kToolsChanged, 0u);
  EXPECT_FALSE(viewer.controller().showingMoment());
}

}  // namespace velkora::test::viewer_rules
