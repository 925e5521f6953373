// Every failing load raises a typed error with a clear German message and
// leaves the model exactly as it was; nothing is read out of range.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "model/errors.h"
#include "model/load.h"
#include "model/model.h"
#include "tests/model/model_invariants.h"
#include "tests/model/sample_catalogue.h"

namespace velkora {
namespace {

using namespace velkora::test;

struct BadLoad {
  const char* name;
  std::string listLine;
  ByteList vertexLines;
  ByteList faceLines;
  bool convertError;    // EConvertError, otherwise ECatalogueError
  std::string message;  // the whole message
};

void PrintTo(const BadLoad& bad, std::ostream* os) { *os << bad.name; }

class RejectedLoad : public ::testing::TestWithParam<BadLoad> {};

TEST_P(RejectedLoad, RaisesAndLeavesTheShownModelUnchanged) {
  const BadLoad& bad = GetParam();
  auto model = std::make_unique<Model>();
  loadModel(*model, "Hexaeder\t1", sampleVertexLines(), sampleFaceLines());
  const auto before = std::make_unique<Model>(*model);
  try {
    loadModel(*model, bad.listLine, bad.vertexLines, bad.faceLines);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_TRUE(bad.convertError) << e.what();
    EXPECT_EQ(std::string(e.what()), bad.message);
  } catch (const ECatalogueError& e) {
    EXPECT_FALSE(bad.convertError) << e.what();
    EXPECT_EQ(std::string(e.what()), bad.message);
  }
  EXPECT_TRUE(sameModel(*model, *before));
}

std::string repeated(char c, std::size_t n) { return std::string(n, c); }

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RejectedLoad,
    ::testing::Values(
        BadLoad{"TypeNotANumber", "Tetraeder\tx", sampleVertexLines(), sampleFaceLines(), true,
                "'x' ist kein gültiger Integerwert"},
        BadLoad{"TypeAbove30", "Name\t31", sampleVertexLines(), sampleFaceLines(), false,
                "Körpertyp 31 liegt nicht im Bereich 0 bis 30"},
        BadLoad{"TypeNegative", "Name\t-1", sampleVertexLines(), sampleFaceLines(), false,
                "Körpertyp -1 liegt nicht im Bereich 0 bis 30"},
        BadLoad{"VertexSectionMissing", "Oktaeder\t2", sampleVertexLines(), sampleFaceLines(),
                false, "Abschnitt [3] fehlt im Eckpunktkatalog"},
        BadLoad{"FaceSectionMissing", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), 0, "[1]x"), false,
                "Abschnitt [1] fehlt im Flächenkatalog"},
        BadLoad{"VertexCountNotANumber", "Tetraeder\t0",
                replaced(sampleVertexLines(), kTetraVertexCountLine, "4x"), sampleFaceLines(), true,
                "'4x' ist kein gültiger Integerwert"},
        BadLoad{"FaceCountNotANumber", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFaceCountLine, "[#]"), true,
                "'[#]' ist kein gültiger Integerwert"},
        BadLoad{"VertexCountAboveCapacity", "Tetraeder\t0",
                replaced(sampleVertexLines(), kTetraVertexCountLine, "502"), sampleFaceLines(),
                false,
                "Abschnitt [1] im Eckpunktkatalog: Anzahl 502 liegt nicht im Bereich 2 bis 501"},
        BadLoad{"VertexCountNegative", "Tetraeder\t0",
                replaced(sampleVertexLines(), kTetraVertexCountLine, "-1"), sampleFaceLines(),
                false,
                "Abschnitt [1] im Eckpunktkatalog: Anzahl -1 liegt nicht im Bereich 2 bis 501"},
        BadLoad{"OneVertexHasNoEdge", "Tetraeder\t0",
                replaced(sampleVertexLines(), kTetraVertexCountLine, "1"), sampleFaceLines(), false,
                "Abschnitt [1] im Eckpunktkatalog: Anzahl 1 liegt nicht im Bereich 2 bis 501"},
        BadLoad{"FaceCountAboveCapacity", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFaceCountLine, "600"), false,
                "Abschnitt [1] im Flächenkatalog: Anzahl 600 liegt nicht im Bereich 0 bis 501"},
        BadLoad{
            "VertexBodyCutShort", "Hexaeder\t1", cutAfter(sampleVertexLines(), 12),
            sampleFaceLines(), false,
            "Abschnitt [2] im Eckpunktkatalog ist unvollständig: der Katalog endet vor Zeile 13"},
        BadLoad{
            "CountLineMissing", "Hexaeder\t1", cutAfter(sampleVertexLines(), 7), sampleFaceLines(),
            false,
            "Abschnitt [2] im Eckpunktkatalog ist unvollständig: der Katalog endet vor Zeile 8"},
        BadLoad{
            "FaceBodyCutShort", "Hexaeder\t1", sampleVertexLines(), cutAfter(sampleFaceLines(), 13),
            false,
            "Abschnitt [2] im Flächenkatalog ist unvollständig: der Katalog endet vor Zeile 14"},
        BadLoad{"FaceWithoutCorners", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFirstFaceLine + 1, "  \t"), false,
                "Abschnitt [1] im Flächenkatalog, Fläche 1 hat keine Ecken"},
        BadLoad{"FaceWith25Corners", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFirstFaceLine, repeated('0', 25)), false,
                "Abschnitt [1] im Flächenkatalog, Fläche 0: 25 Ecken, höchstens 24 sind möglich"},
        BadLoad{"CornerBeyondVertexCount", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFirstFaceLine + 3, "024"), false,
                "Abschnitt [1] im Flächenkatalog, Fläche 3: Eckennummer 4 liegt nicht im "
                "Bereich 0 bis 3"},
        BadLoad{"CornerBelowZero", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFirstFaceLine, "01/"), false,
                "Abschnitt [1] im Flächenkatalog, Fläche 0: Eckennummer -1 liegt nicht im "
                "Bereich 0 bis 3"},
        BadLoad{"TrailingSpaceIsACorner", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFirstFaceLine, "012 "), false,
                "Abschnitt [1] im Flächenkatalog, Fläche 0: Eckennummer -16 liegt nicht im "
                "Bereich 0 bis 3"},
        BadLoad{"HighByteBeyondVertexCount", "Tetraeder\t0", sampleVertexLines(),
                replaced(sampleFaceLines(), kTetraFirstFaceLine, "01\xA7"), false,
                "Abschnitt [1] im Flächenkatalog, Fläche 0: Eckennummer 119 liegt nicht im "
                "Bereich 0 bis 3"},
        BadLoad{"EdgeOfLengthZero", "Tetraeder\t0",
                replaced(sampleVertexLines(), kTetraFirstVertexLine + 1, "0 0 1.732051"),
                sampleFaceLines(), false,
                "Körpertyp 0: die Kantenlänge 0 zwischen Ecke 0 und Ecke 1 ergibt keine "
                "gültigen Kugelradien"},
        BadLoad{"CoordinateFarBeyondTheCatalogueScale", "Tetraeder\t0",
                replaced(sampleVertexLines(), kTetraFirstVertexLine + 2, "0 1e200 0"),
                sampleFaceLines(), false,
                "Abschnitt [1] im Eckpunktkatalog, Ecke 2: Koordinate 1e+200 ist zu groß"}),
    [](const ::testing::TestParamInfo<BadLoad>& info) { return std::string(info.param.name); });

TEST(RejectedLoadScale, ASolidTooSmallToScaleIsRejectedWithoutDividing) {
  // Vertices so close that 260 / M exceeds the double range.
  ByteList vertices = sampleVertexLines();
  vertices[kTetraFirstVertexLine] = "0 0 0";
  vertices[kTetraFirstVertexLine + 1] = "1e-320 0 0";
  vertices[kTetraFirstVertexLine + 2] = "0 0 0";
  vertices[kTetraFirstVertexLine + 3] = "0 0 0";
  auto model = std::make_unique<Model>();
  const auto before = std::make_unique<Model>(*model);
  try {
    loadModel(*model, "Tetraeder\t0", vertices, sampleFaceLines());
    ADD_FAILURE() << "no error";
  } catch (const ECatalogueError& e) {
    EXPECT_NE(std::string(e.what()).find("lässt sich nicht skalieren"), std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(sameModel(*model, *before));
}

}  // namespace
}  // namespace velkora
