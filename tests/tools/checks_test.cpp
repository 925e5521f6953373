// The generator's self-check must reject catalogue text that breaks the viewer's invariants.
// Each case starts from the real generated text and damages one thing.

#include "tools/catalogue_generator/checks.h"
#include "tests/tools/text_edit.h"
#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/generator.h"

#include <gtest/gtest.h>

#include <string>

namespace velkora::gen {
namespace {

using test::bodyLine;
using test::withBodyLine;
using test::withBodyLinesSwapped;

class CatalogueChecks : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const Generation generation = generateAndCheck();
    names_ = generation.files[0].text;
    vertices_ = generation.files[1].text;
    faces_ = generation.files[2].text;
  }

  // The message of the failure the check raises, or "" when it passes.
  static std::string failureOf(const std::string& vertices, const std::string& faces) {
    try {
      checkCatalogues(vertices, faces);
    } catch (const GeneratorError& error) {
      return error.what();
    }
    return {};
  }

  static std::string names_;
  static std::string vertices_;
  static std::string faces_;
};

std::string CatalogueChecks::names_;
std::string CatalogueChecks::vertices_;
std::string CatalogueChecks::faces_;

TEST_F(CatalogueChecks, GeneratedTextPassesAndHasTheExpectedShape) {
  EXPECT_EQ(failureOf(vertices_, faces_), "");
  EXPECT_EQ(test::linesOf(vertices_).size(), 31U * 2 + 1060 + 1);
  EXPECT_EQ(test::linesOf(faces_).size(), 31U * 2 + 1060 + 1);
  EXPECT_EQ(vertices_.substr(0, 5), "[1]\r\n");
  EXPECT_EQ(faces_.substr(faces_.size() - 5), "[#]\r\n");
  EXPECT_EQ(names_.substr(0, 13), "Tetraeder\t0\r\n");
}

TEST_F(CatalogueChecks, RejectBrokenFaces) {
  // Type 5 ("[4001]") has 12 vertices; index 12 is ":" + 2 = "<".
  EXPECT_NE(failureOf(vertices_, withBodyLine(faces_, 4001, 0, "01<")).find("Typ 5"),
            std::string::npos);
  // A face that skips a corner leaves edges used by only one face.
  const std::string square = bodyLine(faces_, 4001, 8);
  ASSERT_EQ(square.size(), 4U);
  EXPECT_NE(failureOf(vertices_, withBodyLine(faces_, 4001, 8, square.substr(0, 3))), "");
  // A face line that equals a header line.
  EXPECT_NE(failureOf(vertices_, withBodyLine(faces_, 4009, 0, "[1]")).find("Kopfzeile"),
            std::string::npos);
}

TEST_F(CatalogueChecks, RejectVerticesZeroAndOneThatSpanNoEdgeOfTheRightKind) {
  // Relabelling keeps the solid intact and changes only which vertices are 0 and 1.
  // In the cuboctahedron, vertex 11 lies opposite vertex 0.
  const auto [cuboVertices, cuboFaces] =
      test::withVerticesRelabelled(vertices_, faces_, 4001, 1, 11);
  EXPECT_EQ(failureOf(cuboVertices, cuboFaces),
            "Typ 5: Ecken 0 und 1 sind durch keine Kante verbunden");
  // In the triakis tetrahedron (type 18), edge 0-1 must be a long edge; vertex 2 is an apex
  // joined to vertex 1 by a short one.
  const auto [triakisVertices, triakisFaces] =
      test::withVerticesRelabelled(vertices_, faces_, 4014, 0, 2);
  const std::string message = failureOf(triakisVertices, triakisFaces);
  EXPECT_NE(message.find("Typ 18: Kante 0-1"), std::string::npos) << message;
}

TEST_F(CatalogueChecks, RejectMovedCoordinates) {
  // Lifting one corner of the cube bends two faces and moves the vertex off the sphere.
  const std::string moved = failureOf(withBodyLine(vertices_, 2, 5, "1 1 1.001"), faces_);
  EXPECT_NE(moved.find("Typ 1"), std::string::npos) << moved;
  // Scaling a whole solid keeps every invariant but not the geometry table.
  std::string scaled = vertices_;
  for (std::size_t i = 0; i < 12; ++i) {
    const std::string line = bodyLine(vertices_, 4001, i);
    std::string doubled;
    for (char c : line) {
      doubled += c == '8' ? std::string("9") : std::string(1, c);  // 0.8164966 -> 0.9164966
    }
    scaled = withBodyLine(scaled, 4001, i, doubled);
  }
  EXPECT_NE(failureOf(scaled, faces_).find("Typ 5"), std::string::npos);
}

TEST_F(CatalogueChecks, RejectTextLayoutFaults) {
  EXPECT_NE(failureOf(withBodyLine(vertices_, 1, 0, "0 0 1.7320510"), faces_), "");
  EXPECT_NE(failureOf(withBodyLine(vertices_, 1, 0, "0  0 1.732051"), faces_), "");
  EXPECT_NE(failureOf(withBodyLine(vertices_, 1, 0, "-0 0 1.732051"), faces_), "");
  EXPECT_NE(failureOf(vertices_.substr(0, vertices_.size() - 2), faces_), "");  // no final CR LF
  std::string loneLf = faces_;
  loneLf.erase(loneLf.find("\r\n"), 1);
  EXPECT_NE(failureOf(vertices_, loneLf), "");
  // Sections out of order: swap the headers of "[1]" and "[2]" in the face catalogue.
  auto lines = test::linesOf(faces_);
  std::swap(lines[test::headerIndex(lines, 1)], lines[test::headerIndex(lines, 2)]);
  EXPECT_NE(failureOf(vertices_, test::textOf(lines)), "");
}

TEST(NameListCheck, RejectsAChangedNameOrEncoding) {
  const std::string good = generateAndCheck().files[0].text;
  EXPECT_NO_THROW(checkNameList(good));
  std::string utf8 = good;
  const auto umlaut = utf8.find('\xFC');
  ASSERT_NE(umlaut, std::string::npos);
  utf8.replace(umlaut, 1, "\xC3\xBC");
  EXPECT_THROW(checkNameList(utf8), GeneratorError);
  EXPECT_THROW(checkNameList(good.substr(0, good.size() - 2)), GeneratorError);
}

TEST(RadiusRules, GiveTheSampleRadiiOfTetrahedronCubeAndCuboctahedron) {
  const Radii tetra = radiusRules(0, std::sqrt(8.0L));
  EXPECT_NEAR(static_cast<double>(tetra.inner), 0.5773503, 1e-7);
  EXPECT_NEAR(static_cast<double>(tetra.outer), 1.7320508, 1e-7);
  const Radii cube = radiusRules(1, 2);
  EXPECT_DOUBLE_EQ(static_cast<double>(cube.inner), 1.0);
  EXPECT_NEAR(static_cast<double>(cube.outer), 1.7320508, 1e-7);
  const Radii cubo = radiusRules(5, 1.1547004L);
  EXPECT_NEAR(static_cast<double>(cubo.inner), 0.8164965, 1e-7);
  EXPECT_NEAR(static_cast<double>(cubo.outer), 1.1547004, 1e-7);
}

}  // namespace
}  // namespace velkora::gen
