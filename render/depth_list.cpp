#include "render/depth_list.h"

#include <algorithm>
#include <utility>

namespace velkora {

void fillDepthList(DepthList& list, const std::array<CentreRec, kCapacity>& centres,
                   std::int32_t count) {
  list.count = std::clamp(count, 0, kCapacity);
  for (std::int32_t i = 0; i < list.count; ++i) {
    list.items[i] = {centres[i].z, i};
  }
}

void sortDepthList(DepthList& list) {
  const std::int32_t n = std::clamp(list.count, 0, kCapacity);
  for (std::int32_t i = 0; i + 1 < n; ++i) {
    // Entry i only changes by swaps, so its key can live in a register.
    DepthItem best = list.items[i];
    for (std::int32_t j = i + 1; j < n; ++j) {
      if (best.key < list.items[j].key) {
        std::swap(best, list.items[j]);
      }
    }
    list.items[i] = best;
  }
}

}  // namespace velkora
