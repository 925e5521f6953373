#pragma once
// The kaleidoscope family of a solid: which of the three mirror groups (T, O
// or I) has the solid's own rotation group, so that the kaleidoscope can start
// from it. Only the family; the tour and the stops live beside it.

#include <optional>
#include <span>

#include "kaleidoscope/wythoff.h"
#include "model/solid.h"

namespace velkora {

// The kaleidoscope family (T, O or I) of solid's rotation group; empty when
// it has none of the three. catalogue: the catalogue's solids, by which the
// solid's symmetry is recognised.
std::optional<WythoffFamily> kaleidoscopeFamilyOf(const Solid& solid,
                                                  std::span<const Solid> catalogue);

}  // namespace velkora
