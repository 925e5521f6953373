#pragma once
// The depth list that orders faces and quads farthest first: the z of each
// item's centre as key, filled afresh for every pass, sorted by the plain
// exchange sort whose order among equal keys the picture depends on.

#include <array>
#include <cstdint>

#include "model/model.h"

namespace velkora {

struct DepthItem {
  double key = 0.0;        // z of the item's centre; larger is farther away
  std::int32_t index = 0;  // position of the face or quad in its array
};

struct DepthList {
  std::array<DepthItem, kCapacity> items{};
  std::int32_t count = 0;
};

// Entry i := (centres[i].z, i) for i below count; count is cut to 0..kCapacity.
void fillDepthList(DepthList& list, const std::array<CentreRec, kCapacity>& centres,
                   std::int32_t count);

// Exchange sort into descending key: for i < j, entries i and j swap when key i
// is less than key j. Equal keys never swap with each other (NaN keys never swap).
void sortDepthList(DepthList& list);

}  // namespace velkora
