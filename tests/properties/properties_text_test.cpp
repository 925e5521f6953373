// The German rows, the table and the JSON object: normalisation and Euler
// stated, the drawn spheres compared with the true ones, numbers with a
// decimal comma, JSON that a strict reader accepts with the right keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "base/family.h"
#include "model/solid_catalogue.h"
#include "properties/properties.h"
#include "properties/properties_text.h"
#include "tests/properties/json_reader.h"
#include "tests/support/embedded_catalogue.h"
#include "text/number_text.h"

namespace velkora {
namespace {

const SolidProperties& textPropertiesAt(int position) {
  static const std::vector<SolidProperties> all = [] {
    std::vector<SolidProperties> list;
    for (int p = 0; p < kSolidCount; ++p)
      list.push_back(computeProperties(test::embeddedSolid(p), test::embeddedSolids()));
    return list;
  }();
  return all[static_cast<std::size_t>(position)];
}

std::string rowValue(const SolidProperties& p, const std::string& label) {
  for (const auto& [name, value] : propertiesRows(p)) {
    if (name == label) return value;
  }
  ADD_FAILURE() << "no row " << label << " for " << p.name;
  return {};
}

TEST(PropertiesRows, StateNormalisationAndEulerForEverySolid) {
  for (int position = 0; position < kSolidCount; ++position) {
    const SolidProperties& p = textPropertiesAt(position);
    const bool catalan = p.family == Family::Catalan;
    EXPECT_EQ(rowValue(p, "Normierung").rfind(catalan ? "Mittelkugelradius 1" : "Kantenlänge 1", 0),
              0u)
        << p.name;
    const std::string euler = rowValue(p, "Eulersche Formel E - K + F");
    EXPECT_EQ(euler, std::to_string(p.vertices) + " - " + std::to_string(p.edges) + " + " +
                         std::to_string(p.faces) + " = 2");
    // Shown lengths are normalised: one edge length 1, or a midradius of 1.
    if (catalan) {
      EXPECT_EQ(rowValue(p, "Mittelkugelradius"), "1") << p.name;
    } else {
      EXPECT_EQ(rowValue(p, "Kantenlängen"), "1 (" + std::to_string(p.edges) + "×)") << p.name;
    }
  }
}

TEST(PropertiesRows, ShowSixDigitsWithADecimalComma) {
  const SolidProperties& tetrahedron = textPropertiesAt(0);
  EXPECT_EQ(rowValue(tetrahedron, "Volumen"), "0,117851");  // sqrt(2) / 12
  EXPECT_EQ(rowValue(tetrahedron, "Diederwinkel"), "70,5288° (6×)");
  EXPECT_EQ(rowValue(tetrahedron, "Symmetrie"), "Td (Ordnung 24, Drehgruppe T)");
  EXPECT_EQ(rowValue(tetrahedron, "Dualer Körper"), "Tetraeder");
  EXPECT_EQ(rowValue(tetrahedron, "Flächenarten"), "4 Dreiecke");
  const SolidProperties& cuboctahedron = textPropertiesAt(12);
  EXPECT_EQ(rowValue(cuboctahedron, "Flächenarten"), "8 Dreiecke, 6 Quadrate");
  EXPECT_EQ(rowValue(cuboctahedron, "Inkugelradius"),
            "keine (nicht alle gleich weit vom Mittelpunkt)");
  EXPECT_EQ(rowValue(textPropertiesAt(29), "Flächenarten"), "12 × Rhombus");
  EXPECT_EQ(peopleNumber(1234567.0), "1,23457e+06");
  EXPECT_EQ(peopleNumber(0.5), "0,5");
  EXPECT_EQ(peopleNumber(48.0, 1), "48,0");
  EXPECT_EQ(peopleNumber(-0.25, 2), "-0,25");
}

// The number a person reads is the one --solid takes: the list position, not
// the catalogue's type number (position 18 holds type 23).
TEST(PropertiesRows, ShowTheListPositionWhereTheJsonKeepsTheTypeToo) {
  const SolidProperties& deltoid = textPropertiesAt(18);
  ASSERT_EQ(deltoid.type, 23);
  EXPECT_EQ(rowValue(deltoid, "Listenplatz"), "18");
  const std::string json = propertiesJson(deltoid);
  EXPECT_NE(json.find("\"position\": 18, \"type\": 23"), std::string::npos) << json;
}

// The table as a spreadsheet reads it: lines that end in a newline, each split
// by its one tab into a label and a value, the rows a reader knows among them.
TEST(PropertiesRows, TableHasOneTabSeparatedLinePerRow) {
  const std::string table = propertiesTable(textPropertiesAt(0));
  ASSERT_FALSE(table.empty());
  EXPECT_EQ(table.back(), '\n');
  std::vector<std::pair<std::string, std::string>> lines;
  std::size_t start = 0;
  while (start < table.size()) {
    std::size_t end = table.find('\n', start);
    if (end == std::string::npos) end = table.size();
    const std::string line = table.substr(start, end - start);
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << "no tab in: " << line;
    EXPECT_EQ(line.find('\t', tab + 1), std::string::npos) << "two tabs in: " << line;
    EXPECT_GT(tab, 0u) << "no label in: " << line;
    EXPECT_LT(tab + 1, line.size()) << "no value in: " << line;
    lines.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    start = end + 1;
  }
  EXPECT_GE(lines.size(), 20u);
  EXPECT_EQ(lines.size(), propertiesRows(textPropertiesAt(0)).size());
  const auto has = [&](const std::string& label, const std::string& value) {
    return std::find(lines.begin(), lines.end(), std::make_pair(label, value)) != lines.end();
  };
  EXPECT_TRUE(has("Volumen", "0,117851"));
  EXPECT_TRUE(has("Diederwinkel", "70,5288° (6×)"));
  EXPECT_TRUE(has("Dualer Körper", "Tetraeder"));
  EXPECT_TRUE(has("Eulersche Formel E - K + F", "4 - 6 + 4 = 2"));
}

// The picture's spheres come from stored single-precision factors; exactly one
// solid's drawn sphere is visibly off: the outer sphere of the triakis
// icosahedron (list position 25), 0.24 % larger than its farthest vertex.
TEST(DrawnRadii, TheOneVisibleDifferenceIsShownPlainly) {
  int found = -1;
  for (int position = 0; position < kSolidCount; ++position) {
    const SolidProperties& p = textPropertiesAt(position);
    const double inner = std::fabs(p.drawnInnerRadius / p.nearestFacePlane - 1.0);
    const double outer = std::fabs(p.drawnOuterRadius / p.farthestVertex - 1.0);
    if (inner > 1e-3 || outer > 1e-3) {
      EXPECT_EQ(found, -1) << "a second solid: " << p.name;
      found = position;
    }
    EXPECT_LT(inner, 1e-3) << p.name;
  }
  ASSERT_EQ(found, 25);
  const SolidProperties& p = textPropertiesAt(found);
  EXPECT_EQ(p.name, "Pyramidenikosaeder");
  EXPECT_NEAR(p.drawnOuterRadius / p.farthestVertex - 1.0, 0.0024, 0.0001);
  const std::string row = rowValue(p, "Äußere Kugel im Bild");
  const double k = p.normalisation;
  EXPECT_EQ(row, "gezeichnet " + peopleNumber(p.drawnOuterRadius * k) + ", wahr " +
                     peopleNumber(p.farthestVertex * k) + " (0,24 % größer)");
  EXPECT_NE(peopleNumber(p.drawnOuterRadius * k), peopleNumber(p.farthestVertex * k));
}

// The properties work the drawn radii out without building the sphere meshes;
// they must be exactly what a full load puts into the window's model.
TEST(DrawnRadii, AreExactlyThoseOfTheLoadedModel) {
  const auto model = std::make_unique<Model>();
  for (int position = 0; position < kSolidCount; ++position) {
    loadSolidAt(*model, test::embeddedTexts(), position);
    const SolidProperties& p = textPropertiesAt(position);
    EXPECT_EQ(p.drawnInnerRadius, model->innerRadius) << p.name;
    EXPECT_EQ(p.drawnOuterRadius, model->outerRadius) << p.name;
  }
}

TEST(DrawnRadii, DifferenceText) {
  EXPECT_EQ(radiusDifference(0.9976, 1.0), "0,24 % kleiner");
  EXPECT_EQ(radiusDifference(2.002, 2.0), "0,10 % größer");
  EXPECT_EQ(radiusDifference(1.00004, 1.0), "gleich bis auf < 0,01 %");
  EXPECT_EQ(radiusDifference(0.99994, 1.0), "0,01 % kleiner");
}

TEST(PropertiesJson, EverySolidParsesWithExactlyTheKeysAndItsValues) {
  const std::vector<std::string> keys = {"name",
                                         "position",
                                         "type",
                                         "family",
                                         "vertices",
                                         "edges",
                                         "faces",
                                         "face_kinds",
                                         "configuration",
                                         "dual",
                                         "symmetry",
                                         "edge_lengths",
                                         "dihedral_angles",
                                         "inradius",
                                         "midradius",
                                         "circumradius",
                                         "surface_area",
                                         "volume"};
  for (int position = 0; position < kSolidCount; ++position) {
    const SolidProperties& p = textPropertiesAt(position);
    const test::JsonValue json = test::parseJson(propertiesJson(p));
    ASSERT_EQ(json.kind, test::JsonValue::Kind::Object);
    EXPECT_EQ(json.keys(), keys) << p.name;
    EXPECT_EQ(json.at("name").text, p.name);
    EXPECT_EQ(json.at("position").number, position);
    EXPECT_EQ(json.at("type").number, p.type);
    EXPECT_EQ(json.at("vertices").number, p.vertices);
    EXPECT_EQ(json.at("edges").number, p.edges);
    EXPECT_EQ(json.at("faces").number, p.faces);
    EXPECT_EQ(json.at("configuration").text, p.configuration);
    EXPECT_EQ(json.at("dual").at("position").number, p.dualPosition);
    EXPECT_EQ(json.at("dual").at("name").text, p.dualName);
    EXPECT_EQ(json.at("symmetry").at("group").text, p.symmetryGroup);
    EXPECT_EQ(json.at("symmetry").at("order").number, p.symmetryOrder);
    const auto& kinds = json.at("face_kinds").items;
    ASSERT_EQ(kinds.size(), p.faceKinds.size());
    for (std::size_t k = 0; k < kinds.size(); ++k) {
      EXPECT_EQ(kinds[k].keys(), (std::vector<std::string>{"sides", "count"}));
      EXPECT_EQ(kinds[k].at("sides").number, p.faceKinds[k].sides);
      EXPECT_EQ(kinds[k].at("count").number, p.faceKinds[k].count);
    }
    // Catalogue scale, every double read back exactly.
    const auto& edges = json.at("edge_lengths").items;
    ASSERT_EQ(edges.size(), p.edgeLengths.size());
    for (std::size_t k = 0; k < edges.size(); ++k) {
      EXPECT_EQ(edges[k].at("value").number, p.edgeLengths[k].value);
      EXPECT_EQ(edges[k].at("count").number, p.edgeLengths[k].count);
    }
    ASSERT_EQ(json.at("dihedral_angles").items.size(), p.dihedralAngles.size());
    EXPECT_EQ(json.at("dihedral_angles").items[0].at("value").number, p.dihedralAngles[0].value);
    EXPECT_EQ(json.at("volume").number, p.volume);
    EXPECT_EQ(json.at("surface_area").number, p.surfaceArea);
    const auto optional = [&](const char* key, const std::optional<double>& value) {
      if (value) {
        EXPECT_EQ(json.at(key).kind, test::JsonValue::Kind::Number) << key;
        EXPECT_EQ(json.at(key).number, *value) << key;
      } else {
        EXPECT_EQ(json.at(key).kind, test::JsonValue::Kind::Null) << key << " " << p.name;
      }
    };
    optional("inradius", p.inradius);
    optional("midradius", p.midradius);
    optional("circumradius", p.circumradius);
  }
}

TEST(PropertiesJson, NamesAreEscapedAndNonFiniteNumbersAreNull) {
  SolidProperties p = textPropertiesAt(1);
  p.name = "Quote \" backslash \\ tab \t newline \n bell \x07 Würfel";
  p.volume = std::numeric_limits<double>::quiet_NaN();
  p.dualPosition = -1;
  const test::JsonValue json = test::parseJson(propertiesJson(p));
  EXPECT_EQ(json.at("name").text, p.name);
  EXPECT_EQ(json.at("volume").kind, test::JsonValue::Kind::Null);
  EXPECT_EQ(json.at("dual").kind, test::JsonValue::Kind::Null);
}

TEST(JsonReader, RejectsWhatIsNotJson) {
  for (const char* bad : {"{\"a\": 1,}", "{\"a\" 1}", "[1 2]", "{\"a\": 01}", "{\"a\": 1.}",
                          "\"tab\there\"", "{\"a\": nul}", "{} x", "{\"a\": 1e}", "[1,]"}) {
    EXPECT_THROW(test::parseJson(bad), std::runtime_error) << bad;
  }
  EXPECT_EQ(test::parseJson(" [true, false, null, -0.5e1, \"\\u00fc\"] ").items[4].text, "ü");
  EXPECT_EQ(test::parseJson("[true]").items[0].boolean, true);
  EXPECT_EQ(test::parseJson("[-0.5e1]").items[0].number, -5.0);
}

}  // namespace
}  // namespace velkora
