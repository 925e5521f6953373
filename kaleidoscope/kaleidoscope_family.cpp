#include "kaleidoscope/kaleidoscope_family.h"

#include "properties/properties.h"

namespace velkora {

std::optional<WythoffFamily> kaleidoscopeFamilyOf(const Solid& solid,
                                                  std::span<const Solid> catalogue) {
  return wythoffFamilyOf(computeProperties(solid, catalogue).rotationGroup);
}

}  // namespace velkora
