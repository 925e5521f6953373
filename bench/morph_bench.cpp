// The dual morph of the heaviest pair (120 and 62 faces), from either end:
// one M(t) at three parameters, and all stops of a path.
#include <benchmark/benchmark.h>

#include <vector>

#include "base/dual_morph.h"
#include "base/morph_stops.h"
#include "model/solid.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

// Position 11 has 62 faces and 120 vertices (120 cuts); 21 is its dual.
void morphAt(benchmark::State& state) {
  const Solid& solid = solids()[static_cast<std::size_t>(state.range(0))];
  const DualMorph morph(solid.geometry);
  const double t = static_cast<double>(state.range(1)) / 100.0;
  for (auto _ : state) {
    Polyhedron m = morph.at(t);
    benchmark::DoNotOptimize(m.vertices.data());
  }
  state.SetLabel(solid.name);
}
BENCHMARK(morphAt)
    ->ArgsProduct({{11, 21}, {25, 50, 75}})
    ->Unit(benchmark::kMicrosecond);

void morphStops(benchmark::State& state) {
  const Solid& solid = solids()[static_cast<std::size_t>(state.range(0))];
  std::vector<ShapeSignature> candidates;
  for (const Solid& s : solids())
    candidates.push_back(shapeSignature(s.geometry));
  const DualMorph morph(solid.geometry);
  for (auto _ : state) {
    std::vector<MorphStop> stops = findMorphStops(morph, candidates);
    benchmark::DoNotOptimize(stops.data());
  }
  state.SetLabel(solid.name);
}
BENCHMARK(morphStops)->Arg(1)->Arg(11)->Arg(21)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
