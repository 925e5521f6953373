#include "render/depth_list.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velkora {

void fillDepthList(DepthList& list, const std::array<CentreRec, kCapacity>& centres,
                   std::int32_t count) {
  list.count = std::clamp(count, 0, kCapacity);
  for (std::int32_t i = 0; i < list.count; ++i) {
    list.items[i] = {centres[i].z, i};
  }
}

namespace {

// For i < j, entries i and j swap when key i is less than key j.
void exchangeSort(DepthList& list, std::int32_t n) {
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

}  // namespace

void sortDepthList(DepthList& list) {
  const std::int32_t n = std::clamp(list.count, 0, kCapacity);
  const auto first = list.items.begin();
  const auto last = first + n;
  // With every key a number and no two equal, the exchange sort's result is
  // the one descending order, which std::sort finds in n log n steps instead
  // of n^2 / 2: so it is for a turned solid. Equal keys (a solid in its
  // start pose) or NaN keep the exchange sort and its order among them.
  if (std::none_of(first, last, [](const DepthItem& item) { return std::isnan(item.key); })) {
    const DepthList before = list;
    std::sort(first, last, [](const DepthItem& a, const DepthItem& b) { return a.key > b.key; });
    if (std::adjacent_find(first, last, [](const DepthItem& a, const DepthItem& b) {
          return a.key == b.key;
        }) == last) {
      return;
    }
    list = before;
  }
  exchangeSort(list, n);
}

}  // namespace velkora
