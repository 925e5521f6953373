#include "tools/catalogue_generator/catalogue_text.h"

#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/face_codes.h"
#include "tools/catalogue_generator/families.h"
#include "tools/catalogue_generator/number_format.h"
#include "tools/catalogue_generator/reference_data.h"

namespace velkora::gen {

namespace {

void requireAllTypes(const std::vector<Solid>& solids) {
  if (solids.size() != static_cast<std::size_t>(kTypeCount)) {
    throw GeneratorError("Es werden 31 Körper erwartet, nicht " + std::to_string(solids.size()));
  }
}

}  // namespace

std::string headerLine(int sectionId) {
  std::string line("[");
  line += std::to_string(sectionId);
  line += ']';
  return line;
}

std::string nameListText() {
  std::string text;
  for (const NameEntry& entry : nameList()) {
    text += std::string(entry.name) + "\t" + std::to_string(entry.type) + kLineEnd;
  }
  return text;
}

std::string vertexCatalogueText(const std::vector<Solid>& solids) {
  requireAllTypes(solids);
  std::string text;
  for (int type = 0; type < kTypeCount; ++type) {
    const Solid& solid = solids[static_cast<std::size_t>(type)];
    text += headerLine(sectionIdOf(type)) + kLineEnd;
    text += std::to_string(solid.vertices.size()) + kLineEnd;
    for (const Vec3& v : solid.vertices) {
      text += formatCoordinate(v.x) + " " + formatCoordinate(v.y) + " " + formatCoordinate(v.z) +
              kLineEnd;
    }
  }
  return text + kEndMarker + kLineEnd;
}

std::string faceCatalogueText(const std::vector<Solid>& solids) {
  requireAllTypes(solids);
  std::string text;
  for (int type = 0; type < kTypeCount; ++type) {
    const Solid& solid = solids[static_cast<std::size_t>(type)];
    text += headerLine(sectionIdOf(type)) + kLineEnd;
    text += std::to_string(solid.faces.size()) + kLineEnd;
    for (const Face& face : solid.faces) {
      text += encodeFaceLine(face) + kLineEnd;
    }
  }
  return text + kEndMarker + kLineEnd;
}

}  // namespace velkora::gen
