// Asking the picture which faces are alike, driven with no widget: the face
// under a pixel against a ray cast through the solid's planes, the vertex
// near a pixel, the facts of the Rhombenkuboktaeder, the highlight's pixels,
// what clears a pick, and that a plain drag turns as it always did.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "render/face_tints.h"
#include "viewer/viewer.h"

namespace velkora::test {
namespace picture_pick {

constexpr int kCube = 1;
constexpr int kCuboctahedron = 12;
constexpr int kRhombicuboctahedron = 16;
constexpr int kSize = 700;  // the surface, logical pixels, wider than the solids in start size

struct Plane {
  Vec3 normal;  // outward
  double offset = 0.0;
};

// The planes of the model's faces, from three of their corners, outward from the vertices' mean.
std::vector<Plane> planesOf(const Model& model) {
  Vec3 centre{};
  for (int v = 0; v < model.vertexCount; ++v)
    centre = centre + model.vertices[static_cast<std::size_t>(v)];
  centre = centre * (1.0 / model.vertexCount);
  std::vector<Plane> planes;
  for (int f = 0; f < model.faceCount; ++f) {
    const FaceRec& face = model.faces[static_cast<std::size_t>(f)];
    const Vec3 a = model.vertices[static_cast<std::size_t>(face.indices[0])] - centre;
    const Vec3 b = model.vertices[static_cast<std::size_t>(face.indices[1])] - centre;
    const Vec3 c = model.vertices[static_cast<std::size_t>(face.indices[2])] - centre;
    Vec3 n = cross(b - a, c - a);
    n = n * (1.0 / norm(n));
    if (dot(n, a) < 0.0) n = n * -1.0;
    planes.push_back({n, dot(n, a) + dot(n, centre)});
  }
  return planes;
}

// Where the ray along z through model point (x, y) enters the solid (front)
// and leaves it (back): the faces whose planes bound it there; -1 when the
// ray misses the solid.
struct RayFaces {
  int front = -1;
  int back = -1;
};

RayFaces rayFaces(const std::vector<Plane>& planes, double x, double y) {
  double enter = -std::numeric_limits<double>::infinity();
  double leave = std::numeric_limits<double>::infinity();
  RayFaces faces;
  for (std::size_t f = 0; f < planes.size(); ++f) {
    const Plane& p = planes[f];
    const double rest = p.offset - p.normal.x * x - p.normal.y * y;
    if (std::fabs(p.normal.z) < 1e-9) {
      if (rest < 0.0) return {};
      continue;
    }
    const double z = rest / p.normal.z;
    if (p.normal.z < 0.0 && z > enter) {
      enter = z;
      faces.front = static_cast<int>(f);
    } else if (p.normal.z > 0.0 && z < leave) {
      leave = z;
      faces.back = static_cast<int>(f);
    }
  }
  if (enter > leave) return {};
  return faces;
}

// The model point at the middle of logical pixel (x, y) of the surface.
double modelX(int x) { return x + 0.5 - kSize / 2; }

class PickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer.setSurfaceSource([] { return Viewer::Surface{kSize, kSize, 1}; });
    viewer.setListener([this](unsigned changes) { told |= changes; });
    viewer.create();
  }
  const Bitmap& frame() const { return viewer.frameBuffers().frame; }

  Viewer viewer;
  unsigned told = 0;
};

TEST_F(PickTest, TheFacePickedIsTheOneARayThroughThePixelEntersFirst) {
  for (const int position : {kCube, 3, kRhombicuboctahedron, 20, 28}) {
    viewer.pick(position);
    const std::vector<Plane> planes = planesOf(viewer.controller().shownModel());
    int hits = 0;
    int misses = 0;
    for (int y = 5; y < kSize; y += 53) {
      for (int x = 7; x < kSize; x += 41) {
        const RayFaces ray = rayFaces(planes, modelX(x), modelX(y));
        const bool found = viewer.pickFace(x, y);
        if (ray.front < 0) {
          // Near the outline the pixel's middle may lie on either side.
          if (found) continue;
          EXPECT_FALSE(viewer.hasPick());
          ++misses;
          continue;
        }
        ASSERT_TRUE(found) << "solid " << position << " at " << x << ", " << y;
        EXPECT_EQ(viewer.picked().face, ray.front)
            << "solid " << position << " at " << x << ", " << y;
        ++hits;
      }
    }
    EXPECT_GT(hits, 20) << "solid " << position;
    EXPECT_GT(misses, 10) << "solid " << position;
  }
}

TEST_F(PickTest, OutsideTheSolidNothingIsPickedAndAPickBeforeIsCleared) {
  viewer.pick(kCube);
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  told = 0;
  EXPECT_FALSE(viewer.pickFace(1, 1));
  EXPECT_FALSE(viewer.hasPick());
  EXPECT_NE(told & kPickChanged, 0u);
  EXPECT_FALSE(viewer.pickVertex(1, 1));
  EXPECT_TRUE(viewer.controller().highlight().empty());
}

TEST_F(PickTest, EveryKindOfTheRhombicuboctahedronIsFoundInThePicture) {
  viewer.pick(kRhombicuboctahedron);
  std::set<std::string> sentences;
  for (int y = 0; y < kSize; y += 20) {
    for (int x = 0; x < kSize; x += 20) {
      if (viewer.pickFace(x, y)) sentences.insert(pickText(viewer.picked()));
    }
  }
  EXPECT_EQ(sentences, (std::set<std::string>{
                           "Dreieck, 8 von 26 Flächen, grenzt an 3 Quadrate",
                           "Quadrat, 12 von 26 Flächen, grenzt an 2 Dreiecke und 2 Quadrate",
                           "Quadrat, 6 von 26 Flächen, grenzt an 4 Quadrate",
                       }));
}

TEST_F(PickTest, AVertexWithinReachIsPickedWithItsFourFaces) {
  viewer.pick(kRhombicuboctahedron);
  const Model& model = viewer.controller().shownModel();
  // The vertex nearest the viewer is surely on a front face.
  int nearest = 0;
  for (int v = 1; v < model.vertexCount; ++v) {
    if (model.vertices[static_cast<std::size_t>(v)].z <
        model.vertices[static_cast<std::size_t>(nearest)].z)
      nearest = v;
  }
  const Vec3 at = model.vertices[static_cast<std::size_t>(nearest)];
  const int x = static_cast<int>(std::floor(at.x)) + kSize / 2;
  const int y = static_cast<int>(std::floor(at.y)) + kSize / 2;
  ASSERT_TRUE(viewer.pickVertex(x + 5, y));
  EXPECT_EQ(viewer.picked().kind, PickFacts::Kind::Vertex);
  EXPECT_EQ(viewer.picked().vertex, nearest);
  EXPECT_EQ(pickText(viewer.picked()), "Ecke 3.4.4.4");
  EXPECT_EQ(viewer.picked().faces.size(), 4u);
  EXPECT_EQ(viewer.controller().highlight(), viewer.picked().faces);
  EXPECT_FALSE(viewer.pickVertex(x + 12, y)) << "beyond the reach of 8 pixels";
}

// Whether a picked face lies on the ray through pixel (x, y) or one next to it.
bool pickedNear(const std::vector<Plane>& planes, const std::set<int>& picked, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const RayFaces ray = rayFaces(planes, modelX(x + dx), modelX(y + dy));
      if (picked.count(ray.front) != 0 || picked.count(ray.back) != 0) return true;
    }
  }
  return false;
}

void expectOnlyPickedFacesChanged(Viewer& viewer, const Bitmap& before, const Bitmap& after) {
  const std::vector<Plane> planes = planesOf(viewer.controller().shownModel());
  const std::set<int> picked(viewer.picked().faces.begin(), viewer.picked().faces.end());
  ASSERT_EQ(before.pixels.size(), after.pixels.size());
  int changed = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x);
      if (before.pixels[i] == after.pixels[i]) continue;
      ++changed;
      ASSERT_TRUE(pickedNear(planes, picked, x, y))
          << "pixel " << x << ", " << y << " changed from " << std::hex << before.pixels[i]
          << " to " << after.pixels[i] << " off the picked faces";
    }
  }
  EXPECT_GT(changed, 1000);
}

TEST_F(PickTest, TheHighlightChangesOnlyThePickedFacesAndClearingRestoresTheFrame) {
  viewer.pick(kRhombicuboctahedron);
  const Bitmap plain = frame();
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  EXPECT_NE(std::count(frame().pixels.begin(), frame().pixels.end(), behindGlass(kPickTint)), 0);
  expectOnlyPickedFacesChanged(viewer, plain, frame());
  told = 0;
  viewer.clearPick();
  EXPECT_NE(told & kPictureChanged, 0u);
  EXPECT_EQ(frame().pixels, plain.pixels);

  // With the kinds coloured, the faces of the other kinds keep their tints.
  viewer.setColourFaces(true);
  const Bitmap coloured = frame();
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  expectOnlyPickedFacesChanged(viewer, coloured, frame());
  viewer.clearPick();
  EXPECT_EQ(frame().pixels, coloured.pixels);
}

TEST_F(PickTest, APlainDragTurnsAsWithoutAPickAndClearsIt) {
  Viewer plain;
  plain.setSurfaceSource([] { return Viewer::Surface{kSize, kSize, 1}; });
  plain.create();
  for (Viewer* v : {&viewer, &plain})
    v->pick(kRhombicuboctahedron);
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  for (Viewer* v : {&viewer, &plain}) {
    EXPECT_TRUE(v->press(true, 100, 100));
    v->move(130, 110);
    v->move(150, 90);
    v->release();
  }
  EXPECT_FALSE(viewer.hasPick());
  EXPECT_EQ(viewer.controller().state().model, plain.controller().state().model);
  EXPECT_EQ(viewer.frameBuffers().frame.pixels, plain.frameBuffers().frame.pixels);
}

TEST_F(PickTest, AListPickAToolAndAPressClearThePick) {
  viewer.pick(kCuboctahedron);
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  viewer.pick(kCube);
  EXPECT_FALSE(viewer.hasPick());
  EXPECT_TRUE(viewer.controller().highlight().empty());

  viewer.pick(kCuboctahedron);
  const Bitmap plain = frame();
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  viewer.openTool(Tool::Morph);
  EXPECT_FALSE(viewer.hasPick());
  EXPECT_EQ(frame().pixels, plain.pixels) << "the morph at 0 shows the solid unmarked";
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  viewer.closeTool(Tool::Morph);
  EXPECT_FALSE(viewer.hasPick());

  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  told = 0;
  viewer.press(false, 10, 10);
  EXPECT_FALSE(viewer.hasPick());
  EXPECT_NE(told & kPickChanged, 0u);
  EXPECT_EQ(frame().pixels, plain.pixels);
}

TEST_F(PickTest, TheToolsSolidsArePickedTheFoldingNetIsNot) {
  viewer.pick(kCuboctahedron);
  viewer.openTool(Tool::Kaleidoscope);
  viewer.setKaleidoscopeWeights({0.2, 0.3, 0.5});
  ASSERT_TRUE(viewer.controller().showingMoment());
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  EXPECT_EQ(viewer.picked().faceCount, viewer.controller().shownModel().faceCount);
  viewer.setKaleidoscopeWeights({0.5, 0.3, 0.2});
  EXPECT_FALSE(viewer.hasPick()) << "another solid on show ends the pick";
  viewer.closeTool(Tool::Kaleidoscope);

  viewer.openTool(Tool::Jitterbug);
  viewer.setJitterbugParameter(0.5);
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  EXPECT_GT(std::count(frame().pixels.begin(), frame().pixels.end(), behindGlass(kPickTint)), 0);
  viewer.closeTool(Tool::Jitterbug);

  viewer.pick(kCube);
  viewer.openTool(Tool::Fold);
  EXPECT_FALSE(viewer.pickFace(kSize / 2, kSize / 2));
  EXPECT_FALSE(viewer.pickVertex(kSize / 2, kSize / 2));
}

TEST_F(PickTest, MarksAndViewsKeepWorkingWithAHighlight) {
  viewer.pick(kRhombicuboctahedron);
  ASSERT_TRUE(viewer.pickFace(kSize / 2, kSize / 2));
  const Bitmap highlighted = frame();
  viewer.setMarks(true);
  EXPECT_TRUE(viewer.hasPick());
  EXPECT_NE(frame().pixels, highlighted.pixels);
  viewer.setView(View::OuterSphere);
  EXPECT_TRUE(viewer.hasPick());
  viewer.setMarks(false);
  viewer.setView(View::Polyhedron);
  EXPECT_EQ(frame().pixels, highlighted.pixels);
}

TEST_F(PickTest, AFaceKindOrVertexIsPickedByIndexAsByPixel) {
  viewer.pick(kRhombicuboctahedron);
  ASSERT_TRUE(viewer.pickFaceByIndex(0));
  const PickFacts byIndex = viewer.picked();
  EXPECT_EQ(byIndex.face, 0);
  EXPECT_EQ(viewer.controller().highlight(), byIndex.faces);
  ASSERT_TRUE(viewer.pickVertexByIndex(3));
  EXPECT_EQ(viewer.picked().vertex, 3);
  EXPECT_EQ(viewer.picked().configuration, "3.4.4.4");
  EXPECT_FALSE(viewer.pickFaceByIndex(26));
  EXPECT_FALSE(viewer.hasPick()) << "an index out of range clears";
  EXPECT_FALSE(viewer.pickVertexByIndex(-1));
  viewer.openTool(Tool::Fold);
  EXPECT_FALSE(viewer.pickFaceByIndex(0));
}

}  // namespace picture_pick
}  // namespace velkora::test
