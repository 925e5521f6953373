// Measuring a solid's properties: each of the 31 solids on its own (the
// largest are list positions 11 and 21, 120 vertices and 120 faces), and all
// 31 in one pass. Run with repetitions and read the medians.

#include <benchmark/benchmark.h>

#include <string>

#include "base/family.h"
#include "model/solid.h"
#include "properties/properties.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

void oneSolid(benchmark::State& state) {
  const int position = static_cast<int>(state.range(0));
  for (auto _ : state) {
    SolidProperties p = computeProperties(solids()[static_cast<std::size_t>(position)], solids());
    benchmark::DoNotOptimize(p.volume);
  }
  state.SetLabel(solids()[static_cast<std::size_t>(position)].name);
}

void allSolids(benchmark::State& state) {
  for (auto _ : state) {
    for (const Solid& solid : solids()) {
      SolidProperties p = computeProperties(solid, solids());
      benchmark::DoNotOptimize(p.volume);
    }
  }
  state.SetItemsProcessed(state.iterations() * kSolidCount);
}

BENCHMARK(oneSolid)->DenseRange(0, kSolidCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(allSolids)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
