#include "render/depth_list.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

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

// Counts of items at positions 0..n-1 (a Fenwick tree): how many of those
// marked so far lie before a position, in log n steps.
class PositionCounts {
 public:
  explicit PositionCounts(std::size_t n) : tree_(n + 1, 0) {}
  void mark(std::size_t position) {
    for (std::size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) {
      ++tree_[i];
    }
  }
  std::int32_t before(std::size_t position) const {
    std::int32_t count = 0;
    for (std::size_t i = position; i > 0; i -= i & (~i + 1)) {
      count += tree_[i];
    }
    return count;
  }

 private:
  std::vector<std::int32_t> tree_;
};

}  // namespace

void sortDepthList(DepthList& list) {
  const std::int32_t n = std::clamp(list.count, 0, kCapacity);
  const auto first = list.items.begin();
  const auto last = first + n;
  // NaN keys compare false with everything: they keep the exchange sort.
  if (std::any_of(first, last, [](const DepthItem& item) { return std::isnan(item.key); })) {
    exchangeSort(list, n);
    return;
  }
  // With numbers only, the exchange sort leaves the keys descending, and its
  // order among equal keys (a solid in its start pose) follows from the
  // items of that key (M) and the larger ones (X) in their first order: a
  // pass of it either starts at an X and moves no M, or starts at the first
  // M of a run of M's and moves it to the place of the first X after the
  // run. Taken from the first M on, the M's form a queue that turns by one
  // for every X after that M, a later M joining its back once the X's before
  // it have passed. Worked out so, it takes n log n steps instead of n^2 / 2.
  const std::vector<DepthItem> original(first, last);
  // Keys that are all different (a turned solid) need nothing more.
  std::sort(first, last, [](const DepthItem& a, const DepthItem& b) { return a.key > b.key; });
  if (std::adjacent_find(first, last, [](const DepthItem& a, const DepthItem& b) {
        return a.key == b.key;
      }) == last) {
    return;
  }
  std::vector<std::int32_t> byKey(static_cast<std::size_t>(n));  // positions, keys descending
  std::iota(byKey.begin(), byKey.end(), 0);
  std::sort(byKey.begin(), byKey.end(), [&original](std::int32_t a, std::int32_t b) {
    return original[a].key > original[b].key || (original[a].key == original[b].key && a < b);
  });
  PositionCounts larger(static_cast<std::size_t>(n));
  std::vector<std::int32_t> queue;
  for (std::size_t begin = 0; begin < byKey.size();) {
    std::size_t end = begin + 1;
    while (end < byKey.size() && original[byKey[end]].key == original[byKey[begin]].key) {
      ++end;
    }
    // X's passed when the queue last turned or took in an M.
    std::int32_t passed = larger.before(static_cast<std::size_t>(byKey[begin]));
    auto turn = [&queue, &passed](std::int32_t xs) {
      if (!queue.empty()) {
        const auto steps = static_cast<std::ptrdiff_t>((xs - passed) % std::ssize(queue));
        std::rotate(queue.begin(), queue.begin() + steps, queue.end());
      }
      passed = xs;
    };
    queue.clear();
    for (std::size_t k = begin; k < end; ++k) {
      turn(larger.before(static_cast<std::size_t>(byKey[k])));
      queue.push_back(byKey[k]);
    }
    turn(static_cast<std::int32_t>(begin));  // every larger item passes in the end
    for (std::size_t k = begin; k < end; ++k) {
      list.items[k] = original[queue[k - begin]];
      larger.mark(static_cast<std::size_t>(byKey[k]));
    }
    begin = end;
  }
}

}  // namespace velkora
