// Reading a solid once: the pick's model and read solid come from one
// reading, and the start-pose model built from a read solid is the pick's.
#include <gtest/gtest.h>

#include <memory>

#include "model/errors.h"
#include "model/solid.h"
#include "tests/model/sample_catalogue.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

using test::embeddedTexts;

TEST(Solid, APickReadsTheSolidThatThePickedModelShows) {
  const CatalogueTexts& texts = embeddedTexts();
  auto picked = std::make_unique<Model>();
  auto loaded = std::make_unique<Model>();
  for (int position = 0; position < kSolidCount; ++position) {
    SCOPED_TRACE(position);
    const Solid solid = pickSolid(*picked, listLineAt(texts, position), position, texts);
    loadSolidAt(*loaded, texts, position);
    EXPECT_TRUE(*picked == *loaded);

    EXPECT_EQ(solid.position, position);
    EXPECT_EQ(solid.type, picked->polyType);
    ASSERT_TRUE(solid.family.has_value());
    EXPECT_EQ(*solid.family, familyOf(position));
    EXPECT_EQ(solid.geometry.vertices.size(), static_cast<std::size_t>(picked->vertexCount));
    EXPECT_EQ(solid.geometry.faces.size(), static_cast<std::size_t>(picked->faceCount));

    const Solid read = readSolid(texts, position);
    EXPECT_EQ(read.name, solid.name);
    EXPECT_EQ(read.type, solid.type);
    EXPECT_TRUE(read.geometry.vertices == solid.geometry.vertices);
    EXPECT_TRUE(read.geometry.faces == solid.geometry.faces);
  }
  // The names are widened from the catalogue's code page.
  EXPECT_EQ(readSolid(texts, 1).name, "Hexaeder, W\u00fcrfel");
}

TEST(Solid, TheStartModelOfAReadSolidIsThePicksModel) {
  // Exports of a read solid must show exactly what a pick shows: every
  // point, centre, sphere and the scale; only the reading cursor differs.
  const CatalogueTexts& texts = embeddedTexts();
  auto placed = std::make_unique<Model>();
  auto loaded = std::make_unique<Model>();
  for (const Solid& solid : test::embeddedSolids()) {
    SCOPED_TRACE(solid.name);
    placeSolid(*placed, solid);
    *loaded = Model{};
    loadSolidAt(*loaded, texts, solid.position);
    loaded->lineCursor = placed->lineCursor;
    EXPECT_TRUE(*placed == *loaded);
    const Polyhedron pose = startPoseOf(solid);
    ASSERT_EQ(pose.vertices.size(), solid.geometry.vertices.size());
    EXPECT_DOUBLE_EQ(pose.vertices[0].x, loaded->vertices[0].x / loaded->scale);
  }
}

TEST(Solid, AFailedPickChangesNeitherTheModelNorTheShownSolid) {
  CatalogueTexts texts{{"Tetraeder\t0", "Hexaeder\t1"},
                       test::sampleVertexLines(),
                       test::replaced(test::sampleFaceLines(), test::kCubeFirstFaceLine, "01x3")};
  auto model = std::make_unique<Model>();
  const Solid shown = pickSolid(*model, texts.names[0], 0, texts);
  const auto before = std::make_unique<Model>(*model);
  Solid kept = shown;
  EXPECT_THROW(kept = pickSolid(*model, texts.names[1], 1, texts), ECatalogueError);
  EXPECT_TRUE(*model == *before);
  EXPECT_EQ(kept.name, "Tetraeder");
  EXPECT_EQ(kept.geometry.vertices.size(), 4u);
}

TEST(Solid, OnlyACatalogueSolidWithSoundCornersGetsAStartModel) {
  auto model = std::make_unique<Model>();
  Solid computed = test::embeddedSolid(1);
  computed.type = -1;
  EXPECT_THROW(placeSolid(*model, computed), ECatalogueError);
  Solid broken = test::embeddedSolid(1);
  broken.geometry.faces[2][1] = 8;  // the cube has vertices 0..7
  EXPECT_THROW(placeSolid(*model, broken), ECatalogueError);
  broken.geometry.faces[2][1] = -1;
  EXPECT_THROW(placeSolid(*model, broken), ECatalogueError);
  EXPECT_EQ(model->vertexCount, 0);
}

TEST(Solid, AReadSolidOwnsItsDataAfterTheTextsAreGone) {
  std::unique_ptr<Solid> solid;
  {
    const CatalogueTexts copy = embeddedTexts();
    solid = std::make_unique<Solid>(readSolid(copy, 30));
  }
  auto placed = std::make_unique<Model>();
  placeSolid(*placed, *solid);
  auto loaded = std::make_unique<Model>();
  loadSolidAt(*loaded, embeddedTexts(), 30);
  EXPECT_EQ(solid->name, test::embeddedSolid(30).name);
  EXPECT_EQ(placed->vertexCount, loaded->vertexCount);
  EXPECT_DOUBLE_EQ(placed->scale, loaded->scale);
}

}  // namespace
}  // namespace velkora
