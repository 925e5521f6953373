#include "properties/properties_text.h"

#include <charconv>
#include <cmath>

#include "text/json_text.h"
#include "text/number_text.h"
#include "text/ui_text.h"

namespace velkora {
namespace {

std::string familyLabel(std::optional<Family> family) {
  if (!family) return uiText("Properties", "keine der drei Familien");
  switch (*family) {
    case Family::Platonic:
      return uiText("Properties", "Platonischer Körper");
    case Family::Archimedean:
      return uiText("Properties", "Archimedischer Körper");
    default:
      return uiText("Properties", "Catalanischer Körper");
  }
}

// The JSON value of the family: a string, or null for a solid of none.
std::string familyJson(std::optional<Family> family) {
  if (!family) return "null";
  switch (*family) {
    case Family::Platonic:
      return jsonString("platonic");
    case Family::Archimedean:
      return jsonString("archimedean");
    default:
      return jsonString("catalan");
  }
}

std::string faceKindsText(const SolidProperties& p) {
  std::string text;
  for (const FaceKind& k : p.faceKinds) {
    if (!text.empty()) text += ", ";
    text += std::to_string(k.count) + (p.family == Family::Catalan ? " × " : " ") +
            uiText("FaceKind", k.name.c_str());
  }
  return text;
}

// "1 (24×), 1,41421 (12×)", values times scale.
std::string valuesText(const std::vector<ValueCount>& values, double scale,
                       const std::string& unit) {
  std::string text;
  for (const ValueCount& v : values) {
    if (!text.empty()) text += ", ";
    text += peopleNumber(v.value * scale) + unit + " (" + std::to_string(v.count) + "×)";
  }
  return text;
}

std::string radiusText(const std::optional<double>& radius, double scale) {
  return radius ? peopleNumber(*radius * scale)
                : uiText("Properties", "keine (nicht alle gleich weit vom Mittelpunkt)");
}

std::string drawnText(double drawn, double truth, double scale) {
  return uiText("Properties", "gezeichnet") + " " + peopleNumber(drawn * scale) + ", " +
         uiText("Properties", "wahr") + " " + peopleNumber(truth * scale) + " (" +
         radiusDifference(drawn, truth) + ")";
}

std::string valuesJson(const std::vector<ValueCount>& values) {
  std::string text = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += ", ";
    text += "{\"value\": " + jsonNumber(values[i].value) +
            ", \"count\": " + std::to_string(values[i].count) + "}";
  }
  return text + "]";
}

std::string optionalJson(const std::optional<double>& value) {
  return value ? jsonNumber(*value) : "null";
}

}  // namespace

std::string radiusDifference(double drawn, double truth) {
  const double percent = (drawn - truth) / truth * 100.0;
  if (std::fabs(percent) < 0.005)
    return uiText("Properties", "gleich bis auf <") + " " + peopleNumber(0.01, 2) + " %";
  return peopleNumber(std::fabs(percent), 2) + " % " +
         (percent < 0 ? uiText("Properties", "kleiner") : uiText("Properties", "größer"));
}

std::vector<std::pair<std::string, std::string>> propertiesRows(const SolidProperties& p) {
  const bool catalan = p.family == Family::Catalan;
  const double k = p.normalisation;
  std::vector<std::pair<std::string, std::string>> rows;
  rows.emplace_back(uiText("Properties", "Name"), uiText("Solid", p.name.c_str()));
  rows.emplace_back(uiText("Properties", "Familie"), familyLabel(p.family));
  // The list position, the number that --solid takes too; the catalogue's type number is internal.
  rows.emplace_back(
      uiText("Properties", "Listenplatz"),
      p.position < 0 ? uiText("Properties", "keiner (Zwischenform)") : std::to_string(p.position));
  rows.emplace_back(uiText("Properties", "Normierung"),
                    (catalan ? uiText("Properties", "Mittelkugelradius 1")
                             : uiText("Properties", "Kantenlänge 1")) +
                        " (" + uiText("Properties", "Katalogmaß") + " × " + peopleNumber(k) + ")");
  rows.emplace_back(uiText("Properties", "Ecken"), std::to_string(p.vertices));
  rows.emplace_back(uiText("Properties", "Kanten"), std::to_string(p.edges));
  rows.emplace_back(uiText("Properties", "Flächen"), std::to_string(p.faces));
  rows.emplace_back(uiText("Properties", "Eulersche Formel E - K + F"),
                    std::to_string(p.vertices) + " - " + std::to_string(p.edges) + " + " +
                        std::to_string(p.faces) + " = " +
                        std::to_string(p.vertices - p.edges + p.faces));
  rows.emplace_back(uiText("Properties", "Flächenarten"), faceKindsText(p));
  rows.emplace_back(catalan ? uiText("Properties", "Flächenkonfiguration")
                            : uiText("Properties", "Eckenkonfiguration"),
                    p.configuration);
  rows.emplace_back(uiText("Properties", "Dualer Körper"),
                    p.dualPosition < 0 ? uiText("Properties", "keiner im Katalog")
                                       : uiText("Solid", p.dualName.c_str()));
  rows.emplace_back(uiText("Properties", "Symmetrie"),
                    p.symmetryGroup + " (" + uiText("Properties", "Ordnung") + " " +
                        std::to_string(p.symmetryOrder) + ", " +
                        uiText("Properties", "Drehgruppe") + " " + p.rotationGroup + ")");
  rows.emplace_back(uiText("Properties", "Kantenlängen"), valuesText(p.edgeLengths, k, ""));
  rows.emplace_back(uiText("Properties", "Diederwinkel"), valuesText(p.dihedralAngles, 1.0, "°"));
  rows.emplace_back(uiText("Properties", "Inkugelradius"), radiusText(p.inradius, k));
  rows.emplace_back(uiText("Properties", "Mittelkugelradius"), radiusText(p.midradius, k));
  rows.emplace_back(uiText("Properties", "Umkugelradius"), radiusText(p.circumradius, k));
  rows.emplace_back(uiText("Properties", "Oberfläche"), peopleNumber(p.surfaceArea * k * k));
  rows.emplace_back(uiText("Properties", "Volumen"), peopleNumber(p.volume * k * k * k));
  // A morph's solid of the moment is drawn without spheres.
  if (p.drawnInnerRadius > 0.0) {
    rows.emplace_back(uiText("Properties", "Innere Kugel im Bild"),
                      drawnText(p.drawnInnerRadius, p.nearestFacePlane, k));
    rows.emplace_back(uiText("Properties", "Äußere Kugel im Bild"),
                      drawnText(p.drawnOuterRadius, p.farthestVertex, k));
  }
  return rows;
}

std::string propertiesTable(const SolidProperties& p) {
  std::string text;
  for (const auto& [label, value] : propertiesRows(p))
    text += label + "\t" + value + "\n";
  return text;
}

std::string propertiesJson(const SolidProperties& p) {
  std::string kinds = "[";
  for (std::size_t i = 0; i < p.faceKinds.size(); ++i) {
    if (i > 0) kinds += ", ";
    kinds += "{\"sides\": " + std::to_string(p.faceKinds[i].sides) +
             ", \"count\": " + std::to_string(p.faceKinds[i].count) + "}";
  }
  kinds += "]";
  const std::string dual = p.dualPosition < 0 ? "null"
                                              : "{\"position\": " + std::to_string(p.dualPosition) +
                                                    ", \"name\": " + jsonString(p.dualName) + "}";
  const std::string symmetry = "{\"group\": " + jsonString(p.symmetryGroup) +
                               ", \"rotation_group\": " + jsonString(p.rotationGroup) +
                               ", \"order\": " + std::to_string(p.symmetryOrder) + "}";
  std::string json = "{";
  json += "\"name\": " + jsonString(p.name);
  json += ", \"position\": " + (p.position < 0 ? std::string("null") : std::to_string(p.position));
  json += ", \"type\": " + (p.type < 0 ? std::string("null") : std::to_string(p.type));
  json += ", \"family\": " + familyJson(p.family);
  json += ", \"vertices\": " + std::to_string(p.vertices);
  json += ", \"edges\": " + std::to_string(p.edges);
  json += ", \"faces\": " + std::to_string(p.faces);
  json += ", \"face_kinds\": " + kinds;
  json += ", \"configuration\": " + jsonString(p.configuration);
  json += ", \"dual\": " + dual;
  json += ", \"symmetry\": " + symmetry;
  json += ", \"edge_lengths\": " + valuesJson(p.edgeLengths);
  json += ", \"dihedral_angles\": " + valuesJson(p.dihedralAngles);
  json += ", \"inradius\": " + optionalJson(p.inradius);
  json += ", \"midradius\": " + optionalJson(p.midradius);
  json += ", \"circumradius\": " + optionalJson(p.circumradius);
  json += ", \"surface_area\": " + jsonNumber(p.surfaceArea);
  json += ", \"volume\": " + jsonNumber(p.volume);
  json += "}";
  return json;
}

}  // namespace velkora
