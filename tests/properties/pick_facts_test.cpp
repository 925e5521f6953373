// What the picture says about a face kind or a vertex, worked out on the
// catalogue's solids: the kinds' faces and counts, the polygons next to a
// face, the configuration round a vertex, and the German sentences.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "properties/pick_facts.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora::test {
namespace pick_facts {

constexpr int kRhombicuboctahedron = 16;

int positionNamed(const std::string& name) {
  const auto& solids = embeddedSolids();
  for (std::size_t p = 0; p < solids.size(); ++p) {
    if (solids[p].name == name) return static_cast<int>(p);
  }
  return -1;
}

// The sentence of every face's kind, with how many faces give it.
std::map<std::string, int> sentencesOfFaces(const Polyhedron& solid) {
  std::map<std::string, int> sentences;
  for (std::size_t f = 0; f < solid.faces.size(); ++f)
    ++sentences[pickText(faceKindFacts(solid, static_cast<int>(f)))];
  return sentences;
}

TEST(PickFacts, TheRhombicuboctahedronHasTwoKindsOfSquareAndOneOfTriangle) {
  const Polyhedron& solid = embeddedSolid(kRhombicuboctahedron).geometry;
  const std::map<std::string, int> expected = {
      {"Dreieck, 8 von 26 Flächen, grenzt an 3 Quadrate", 8},
      {"Quadrat, 12 von 26 Flächen, grenzt an 2 Dreiecke und 2 Quadrate", 12},
      {"Quadrat, 6 von 26 Flächen, grenzt an 4 Quadrate", 6},
  };
  EXPECT_EQ(sentencesOfFaces(solid), expected);
}

TEST(PickFacts, AFaceKindHoldsTheFaceAskedAboutAndOnlyFacesOfItsSides) {
  const Polyhedron& solid = embeddedSolid(kRhombicuboctahedron).geometry;
  for (int f = 0; f < static_cast<int>(solid.faces.size()); ++f) {
    const PickFacts facts = faceKindFacts(solid, f);
    EXPECT_EQ(facts.kind, PickFacts::Kind::FaceKind);
    EXPECT_EQ(facts.face, f);
    EXPECT_NE(std::find(facts.faces.begin(), facts.faces.end(), f), facts.faces.end());
    for (const int other : facts.faces)
      EXPECT_EQ(solid.faces[static_cast<std::size_t>(other)].size(),
                static_cast<std::size_t>(facts.sides));
    int neighbours = 0;
    for (const NeighbourCount& n : facts.neighbours)
      neighbours += n.count;
    EXPECT_EQ(neighbours, facts.sides) << "one neighbour per edge of face " << f;
  }
}

TEST(PickFacts, EveryVertexOfTheRhombicuboctahedronReads3444RoundItsFourFaces) {
  const Polyhedron& solid = embeddedSolid(kRhombicuboctahedron).geometry;
  for (int v = 0; v < static_cast<int>(solid.vertices.size()); ++v) {
    const PickFacts facts = vertexFacts(solid, v);
    EXPECT_EQ(facts.configuration, "3.4.4.4");
    EXPECT_EQ(pickText(facts), "Ecke 3.4.4.4");
    ASSERT_EQ(facts.faces.size(), 4u);
    for (const int face : facts.faces) {
      const auto& corners = solid.faces[static_cast<std::size_t>(face)];
      EXPECT_NE(std::find(corners.begin(), corners.end(), v), corners.end())
          << "face " << face << " is not round vertex " << v;
    }
    EXPECT_EQ(std::set<int>(facts.faces.begin(), facts.faces.end()).size(), 4u);
  }
}

TEST(PickFacts, CatalanFacesAreNamedByTheirShape) {
  const int deltoidal = positionNamed("Deltoid-24-Flächner");
  ASSERT_GE(deltoidal, 0);
  EXPECT_EQ(sentencesOfFaces(embeddedSolid(deltoidal).geometry),
            (std::map<std::string, int>{
                {"Drachenviereck, 24 von 24 Flächen, grenzt an 4 Drachenvierecke", 24}}));
  const int rhombic = positionNamed("Rhombendodekaeder");
  ASSERT_GE(rhombic, 0);
  EXPECT_EQ(sentencesOfFaces(embeddedSolid(rhombic).geometry),
            (std::map<std::string, int>{{"Rhombus, 12 von 12 Flächen, grenzt an 4 Rhomben", 12}}));
}

TEST(PickFacts, PolygonNamesTakeTheNumber) {
  EXPECT_EQ(polygonName(3, "", 1), "Dreieck");
  EXPECT_EQ(polygonName(3, "", 2), "Dreiecke");
  EXPECT_EQ(polygonName(10, "", 1), "Zehneck");
  EXPECT_EQ(polygonName(8, "", 3), "Achtecke");
  EXPECT_EQ(polygonName(4, "Drachenviereck", 2), "Drachenvierecke");
  EXPECT_EQ(polygonName(3, "gleichschenkliges Dreieck", 2), "gleichschenklige Dreiecke");
  EXPECT_EQ(polygonName(7, "", 1), "7-Eck");
  EXPECT_EQ(pickText(PickFacts{}), "");
  PickFacts isosceles;
  isosceles.kind = PickFacts::Kind::FaceKind;
  isosceles.faces = {0, 1};
  isosceles.sides = 3;
  isosceles.shape = "gleichschenkliges Dreieck";
  isosceles.faceCount = 2;
  isosceles.neighbours = {{3, "gleichschenkliges Dreieck", 3}};
  EXPECT_EQ(pickText(isosceles),
            "Gleichschenkliges Dreieck, 2 von 2 Flächen, grenzt an 3 "
            "gleichschenklige Dreiecke");
}

TEST(PickFacts, AFaceOrVertexOutsideTheSolidIsRejected) {
  const Polyhedron& solid = embeddedSolid(kRhombicuboctahedron).geometry;
  EXPECT_THROW(faceKindFacts(solid, 26), std::out_of_range);
  EXPECT_THROW(faceKindFacts(solid, -1), std::out_of_range);
  EXPECT_THROW(vertexFacts(solid, 24), std::out_of_range);
}

}  // namespace pick_facts
}  // namespace velkora::test
