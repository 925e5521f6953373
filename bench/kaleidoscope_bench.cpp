// The kaleidoscope: the hull of the largest orbit (family I, a point inside
// the triangle: 120 copies), the snub's hull at its stop (the rotations
// alone: 12, 24 or 60 copies), and the solids of all seven stops of a family.
#include <benchmark/benchmark.h>

#include <string>

#include "kaleidoscope/wythoff.h"

namespace velkora {
namespace {

void hullInside(benchmark::State& state) {
  const Kaleidoscope kaleidoscope(static_cast<WythoffFamily>(state.range(0)));
  int k = 0;
  for (auto _ : state) {
    // The point moves a little every time, as a drag moves it.
    const double shift = 1e-3 * (k++ % 2);
    Polyhedron solid = kaleidoscope.solid({0.2 + shift, 0.3, 0.5 - shift});
    benchmark::DoNotOptimize(solid.vertices.data());
  }
  state.SetLabel(std::string(1, wythoffLetter(kaleidoscope.family())));
}
BENCHMARK(hullInside)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void snubHull(benchmark::State& state) {
  const Kaleidoscope kaleidoscope(static_cast<WythoffFamily>(state.range(0)));
  const WythoffWeights stop = kaleidoscope.snubWeights();
  int k = 0;
  for (auto _ : state) {
    const double shift = 1e-3 * (k++ % 2);
    Polyhedron solid =
        kaleidoscope.solid({stop.a + shift, stop.b, stop.c - shift}, WythoffCopies::Rotations);
    benchmark::DoNotOptimize(solid.vertices.data());
  }
  state.SetLabel(std::string(1, wythoffLetter(kaleidoscope.family())));
}
BENCHMARK(snubHull)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void allStops(benchmark::State& state) {
  const Kaleidoscope kaleidoscope(WythoffFamily::I);
  for (auto _ : state) {
    for (const WythoffWeights& w : kaleidoscope.uniformWeights()) {
      Polyhedron solid = kaleidoscope.solid(w);
      benchmark::DoNotOptimize(solid.vertices.data());
    }
  }
}
BENCHMARK(allStops)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
