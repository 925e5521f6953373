#include "tools/catalogue_generator/families.h"

#include "tools/catalogue_generator/errors.h"

#include <array>
#include <string>

namespace velkora::gen {

Family familyOf(int type) {
  if (type < 0 || type >= kTypeCount) {
    throw GeneratorError("Unbekannter Typ " + std::to_string(type));
  }
  return velkora::familyOf(type);
}

int archimedeanDualOf(int catalanType) {
  // Catalan type 18 + i is the polar reciprocal of Archimedean type kDuals[i].
  static constexpr std::array<int, 13> kDuals{16, 14, 17, 15, 5, 8, 7, 6, 11, 9, 10, 12, 13};
  if (familyOf(catalanType) != Family::Catalan) {
    throw GeneratorError("Typ " + std::to_string(catalanType) + " ist kein Catalan-Körper");
  }
  return kDuals[static_cast<std::size_t>(catalanType - 18)];
}

int sectionIdOf(int type) {
  familyOf(type);  // the range check
  return velkora::sectionIdentifier(type);
}

}  // namespace velkora::gen
