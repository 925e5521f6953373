#include "tools/catalogue_generator/checks.h"

#include "tools/catalogue_generator/catalogue_text.h"
#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/families.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velkora::gen {

namespace {

constexpr Real kSphereTolerance = 1e-5L;
constexpr Real kPlanarityTolerance = 1e-4L;
constexpr Real kCentroidTolerance = 5e-7L;
constexpr Real kRadiusTolerance = 1e-4L;  // 0.01 %
constexpr std::size_t kNameListBytes = 672;

std::string fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::string listText(const std::vector<ValueCount>& values, int decimals) {
  std::string text;
  for (const ValueCount& vc : values) {
    text += (text.empty() ? "" : ", ") + fixed(vc.value, decimals) + " (" +
            std::to_string(vc.count) + ")";
  }
  return text;
}

std::string faceSizeText(const std::vector<ValueCount>& sizes) {
  std::string text;
  for (const ValueCount& vc : sizes) {
    text += (text.empty() ? "" : " + ") + std::to_string(vc.count) + " x " + fixed(vc.value, 0) +
            "-Eck";
  }
  return text;
}

void fail(int type, const std::string& message) {
  throw GeneratorError("Typ " + std::to_string(type) + ": " + message);
}

// Compares measured distinct values with a table entry: same number of values, each within
// the tolerance, each with its count (count 0 in the table: all of total).
void compareWithTable(int type, const std::string& what, const std::vector<ValueCount>& measured,
                      const std::vector<ValueCount>& expected, int total) {
  bool same = measured.size() == expected.size();
  for (std::size_t i = 0; same && i < measured.size(); ++i) {
    const int count = expected[i].count == 0 ? total : expected[i].count;
    same = std::fabs(measured[i].value - expected[i].value) <= kTableTolerance &&
           measured[i].count == count;
  }
  if (!same) {
    fail(type, what + " " + listText(measured, 5) + " passt nicht zu " + listText(expected, 4));
  }
}

}  // namespace

Radii radiusRules(int type, Real a) {
  const Real s2 = std::sqrt(2.0L);
  const Real s3 = std::sqrt(3.0L);
  const Real s5 = std::sqrt(5.0L);
  const Real s6 = std::sqrt(6.0L);
  switch (type) {
    case 0:
      return {s6 * (a / 12), s6 * (a / 4)};
    case 1:
      return {a / 2, s3 * (a / 2)};
    case 2:
      return {s6 * (a / 6), s2 * (a / 2)};
    case 3:
      return {(s3 * (a / 12)) * (s5 + 3), std::sqrt(s5 * 2 + 10) * (a / 4)};
    case 4:
      return {std::sqrt(s5 * 110 + 250) * (a / 20), (s3 * (a / 4)) * (s5 + 1)};
    default:
      break;
  }
  // The factor is widened exactly and the product kept as a double, as the viewer does.
  return {static_cast<double>(innerRadiusFactor(type)) * static_cast<double>(a),
          static_cast<double>(outerRadiusFactor(type)) * static_cast<double>(a)};
}

void checkSection(int type, const Measurement& m) {
  const SolidCounts& counts = solidCounts(type);
  if (m.vertexCount != counts.vertices || m.faceCount != counts.faces) {
    fail(type, std::to_string(m.vertexCount) + " Ecken und " + std::to_string(m.faceCount) +
                   " Flächen statt " + std::to_string(counts.vertices) + " und " +
                   std::to_string(counts.faces));
  }
  compareWithTable(type, "Flächengrößen", m.faceSizes, counts.faceSizes, m.faceCount);
  if (m.vertexCount - m.edgeCount + m.faceCount != 2) {
    fail(type, "Euler-Charakteristik " + std::to_string(m.vertexCount - m.edgeCount + m.faceCount) +
                   " statt 2");
  }
  if (m.maxPlaneDeviation > kPlanarityTolerance) {
    fail(type,
         "Fläche nicht eben, Abweichung " + fixed(static_cast<double>(m.maxPlaneDeviation), 7));
  }
  if (!m.edge01IsEdge) {
    fail(type, "Ecken 0 und 1 sind durch keine Kante verbunden");
  }
  for (Real c : {m.centroid.x, m.centroid.y, m.centroid.z}) {
    if (std::fabs(c) > kCentroidTolerance) {
      fail(type, "Schwerpunkt der Ecken nicht im Ursprung, Koordinate " +
                     fixed(static_cast<double>(c), 9));
    }
  }
  const Family family = familyOf(type);
  if (family != Family::Catalan && m.vertexDistanceSpread > kSphereTolerance) {
    fail(type, "Ecken nicht auf einer Kugel, Streuung " +
                   fixed(static_cast<double>(m.vertexDistanceSpread), 7));
  }
  if (family != Family::Archimedean && m.facePlaneSpread > kSphereTolerance) {
    fail(type, "Flächenebenen nicht in einem Abstand, Streuung " +
                   fixed(static_cast<double>(m.facePlaneSpread), 7));
  }

  const GeometryRow& row = geometryRow(type);
  compareWithTable(type, "Kantenlängen", m.edgeLengths, row.edgeLengths, m.edgeCount);
  if (std::fabs(m.edge01 - row.edge01) > kTableTolerance) {
    fail(type, "Kante 0-1 " + fixed(m.edge01, 5) + " statt " + fixed(row.edge01, 4));
  }
  compareWithTable(type, "Eckenabstände", m.vertexDistances, row.vertexDistances, m.vertexCount);
  compareWithTable(type, "Flächenabstände", m.facePlaneDistances, row.facePlaneDistances,
                   m.faceCount);

  // The inner sphere touches the nearest face planes, the outer one passes through the
  // farthest vertices; type 20's factor table makes its outer sphere 0.24 % too large.
  const Radii r = radiusRules(type, m.edge01);
  const Real nearestPlane = m.facePlaneDistances.front().value;
  const Real farthestVertex = m.vertexDistances.back().value;
  const Real innerError = r.inner / nearestPlane - 1;
  const Real outerError = r.outer / farthestVertex - 1;
  if (std::fabs(innerError) > kRadiusTolerance) {
    fail(type, "Innenradius " + fixed(static_cast<double>(r.inner), 6) + " weicht von " +
                   fixed(static_cast<double>(nearestPlane), 6) + " ab");
  }
  const bool outerOk = type == 20 ? outerError > 0.0023L && outerError < 0.0025L
                                  : std::fabs(outerError) <= kRadiusTolerance;
  if (!outerOk) {
    fail(type, "Außenradius " + fixed(static_cast<double>(r.outer), 6) + " weicht von " +
                   fixed(static_cast<double>(farthestVertex), 6) + " ab");
  }
}

std::vector<Measurement> checkCatalogues(std::string_view vertexText, std::string_view faceText) {
  const auto sections = readCatalogues(vertexText, faceText);
  std::vector<Measurement> measurements;
  for (int type = 0; type < kTypeCount; ++type) {
    const SectionData& section = sections[static_cast<std::size_t>(type)];
    measurements.push_back(measureSection(type, section));
    checkSection(type, measurements.back());
  }
  return measurements;
}

void checkNameList(std::string_view text) {
  const auto lines = splitCrLfLines(text, "VELKORA");
  const auto& names = nameList();
  if (lines.size() != names.size()) {
    throw GeneratorError("VELKORA: " + std::to_string(lines.size()) + " Zeilen statt 31");
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string expected = std::string(names[i].name) + "\t" + std::to_string(names[i].type);
    if (lines[i] != expected) {
      throw GeneratorError("VELKORA: Zeile " + std::to_string(i) + " lautet \"" + lines[i] + "\"");
    }
  }
  if (text.size() != kNameListBytes) {
    throw GeneratorError("VELKORA: " + std::to_string(text.size()) + " Bytes statt 672");
  }
}

std::string reportTable(const std::vector<Measurement>& measurements) {
  std::string text;
  for (std::size_t type = 0; type < measurements.size(); ++type) {
    const Measurement& m = measurements[type];
    const Radii r = radiusRules(static_cast<int>(type), m.edge01);
    text += "Typ " + std::to_string(type) + " " + headerLine(sectionIdOf(static_cast<int>(type))) +
            ": " + std::to_string(m.vertexCount) + " Ecken, " + std::to_string(m.faceCount) +
            " Flächen (" + faceSizeText(m.faceSizes) + "), " + std::to_string(m.edgeCount) +
            " Kanten\n";
    text += "  Kantenlängen     " + listText(m.edgeLengths, 5) + "\n";
    text += "  Kante 0-1        " + fixed(m.edge01, 5) + "\n";
    text += "  Eckenabstände    " + listText(m.vertexDistances, 5) + "\n";
    text += "  Flächenabstände  " + listText(m.facePlaneDistances, 5) + "\n";
    text += "  Radien innen " + fixed(static_cast<double>(r.inner), 6) + ", außen " +
            fixed(static_cast<double>(r.outer), 6) + "; Ebenheit " +
            fixed(static_cast<double>(m.maxPlaneDeviation), 8) + "\n";
  }
  return text;
}

}  // namespace velkora::gen
