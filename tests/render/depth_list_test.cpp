// Ordering by depth: farthest first, with the exchange sort's own order
// among equal keys.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "render/depth_list.h"

namespace velkora {
namespace {

DepthList listOf(std::initializer_list<double> keys) {
  std::array<CentreRec, kCapacity> centres{};
  int n = 0;
  for (double k : keys)
    centres[n++].z = k;
  DepthList list;
  fillDepthList(list, centres, n);
  return list;
}

std::vector<int> indices(const DepthList& list) {
  std::vector<int> out;
  for (int i = 0; i < list.count; ++i)
    out.push_back(list.items[i].index);
  return out;
}

TEST(DepthList, FillTakesZOfEveryCentreInArrayOrder) {
  const DepthList list = listOf({0.5, -2.0, 7.25});
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.items[1].key, -2.0);
  EXPECT_EQ(indices(list), (std::vector<int>{0, 1, 2}));
}

TEST(DepthList, EqualKeysEndInTheExchangeSortOrder) {
  DepthList list = listOf({5.0, 5.0, 7.0});
  sortDepthList(list);
  EXPECT_EQ(indices(list), (std::vector<int>{2, 1, 0}));
  // A stable sort would give 1, 3, 0, 2 here.
  list = listOf({1.0, 3.0, 1.0, 3.0});
  sortDepthList(list);
  EXPECT_EQ(indices(list), (std::vector<int>{1, 3, 2, 0}));
}

TEST(DepthList, OneEntryAndEmptyListStayAsTheyAre) {
  DepthList list = listOf({-4.0});
  sortDepthList(list);
  EXPECT_EQ(indices(list), (std::vector<int>{0}));
  list = listOf({});
  sortDepthList(list);
  EXPECT_EQ(list.count, 0);
}

TEST(DepthList, SortsASphereListDescendingAsAPermutation) {
  std::mt19937 random(3);
  std::array<CentreRec, kCapacity> centres{};
  for (int i = 0; i < 408; ++i)
    centres[i].z = static_cast<int>(random() % 50) - 25;  // many ties
  DepthList list;
  fillDepthList(list, centres, 408);
  sortDepthList(list);
  std::vector<int> seen;
  for (int i = 0; i < 408; ++i) {
    if (i > 0) {
      ASSERT_GE(list.items[i - 1].key, list.items[i].key) << "at " << i;
    }
    ASSERT_EQ(list.items[i].key, centres[list.items[i].index].z);
    seen.push_back(list.items[i].index);
  }
  std::sort(seen.begin(), seen.end());
  for (int i = 0; i < 408; ++i)
    ASSERT_EQ(seen[i], i);
}

// The exchange sort as defined, for holding the fast path against it.
void exchangeSorted(DepthList& list) {
  for (int i = 0; i + 1 < list.count; ++i)
    for (int j = i + 1; j < list.count; ++j)
      if (list.items[i].key < list.items[j].key) std::swap(list.items[i], list.items[j]);
}

TEST(DepthList, EveryKindOfListEndsExactlyAsTheExchangeSortLeavesIt) {
  // Distinct keys (a turned solid), a few ties, many ties, NaN and signed
  // zeros, pairs among distinct keys and rings of equal keys as a sphere in
  // its start pose has them, in lists of many lengths.
  std::mt19937 random(5);
  std::uniform_real_distribution<double> spread(-300.0, 300.0);
  for (int trial = 0; trial < 600; ++trial) {
    const int n = static_cast<int>(random() % 409);
    const int kind = trial % 6;
    std::array<CentreRec, kCapacity> centres{};
    for (int i = 0; i < n; ++i) {
      centres[i].z = spread(random);
      if (kind == 1 && i > 0 && random() % 40 == 0) centres[i].z = centres[random() % i].z;
      if (kind == 2) centres[i].z = static_cast<int>(random() % 30) - 15;
      if (kind == 3 && random() % 50 == 0) {
        centres[i].z = random() % 2 ? std::nan("") : (random() % 2 ? 0.0 : -0.0);
      }
      if (kind == 4 && i % 2 == 1) centres[i].z = random() % 3 == 0 ? -0.0 : centres[i - 1].z;
      if (kind == 5) centres[i].z = std::round(std::cos(i / 24 * 0.3) * 100.0) - (i % 24 == 0);
    }
    DepthList ours;
    fillDepthList(ours, centres, n);
    DepthList reference = ours;
    sortDepthList(ours);
    exchangeSorted(reference);
    ASSERT_EQ(indices(ours), indices(reference)) << "trial " << trial << ", kind " << kind;
  }
}

TEST(DepthList, CountsOutsideTheCapacityAreCut) {
  std::array<CentreRec, kCapacity> centres{};
  DepthList list;
  fillDepthList(list, centres, kCapacity + 40);
  EXPECT_EQ(list.count, kCapacity);
  fillDepthList(list, centres, -3);
  EXPECT_EQ(list.count, 0);
}

}  // namespace
}  // namespace velkora
