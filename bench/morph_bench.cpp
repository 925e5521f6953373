// The dual morph of the heaviest pair (120 and 62 faces), from either end:
// M(t) within a stretch and at an event, setting a morph up, a whole morph
// frame, and all stops of a path.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "model/solid.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"
#include "morph/morph_stops.h"
#include "render/design_size.h"
#include "render/frame.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

// Position 11 has 62 faces and 120 vertices (120 cuts); 21 is its dual.
// Within a stretch between two events M(t) is the kept shape with its
// vertices solved anew; t moves a little every time, as on the slider.
void morphInStretch(benchmark::State& state) {
  const Solid& solid = solids()[static_cast<std::size_t>(state.range(0))];
  const DualMorph morph(solid.geometry);
  const double t = static_cast<double>(state.range(1)) / 100.0;
  int k = 0;
  for (auto _ : state) {
    Polyhedron m = morph.at(t + 1e-3 * (k++ % 2));
    benchmark::DoNotOptimize(m.vertices.data());
  }
  state.SetLabel(solid.name);
}
BENCHMARK(morphInStretch)->ArgsProduct({{11, 21}, {25, 75}})->Unit(benchmark::kMicrosecond);

// Setting up a morph: settling the solid, its events, and cutting every
// event's shape and every stretch once.
void morphSetUp(benchmark::State& state) {
  const Solid& solid = solids()[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    DualMorph morph(solid.geometry);
    benchmark::DoNotOptimize(&morph);
  }
  state.SetLabel(solid.name);
}
BENCHMARK(morphSetUp)->Arg(11)->Arg(21)->Unit(benchmark::kMillisecond);

// M(t) at the event nearest 0.5 (where vertices meet; the slider's stops
// are events), and at 0.5 itself, which lies within 1e-4 of that event, where
// the full cut decides.
void morphAtEvent(benchmark::State& state) {
  const Solid& solid = solids()[static_cast<std::size_t>(state.range(0))];
  const DualMorph morph(solid.geometry);
  double t = 0.5;
  if (state.range(1) == 1) {
    for (const double event : morph.eventParameters()) {
      if (std::fabs(event - 0.5) < std::fabs(t - 0.5) || t == 0.5) t = event;
    }
  }
  for (auto _ : state) {
    Polyhedron m = morph.at(t);
    benchmark::DoNotOptimize(m.vertices.data());
  }
  state.SetLabel(solid.name + (state.range(1) == 1 ? " at the event" : " at 0.5"));
}
BENCHMARK(morphAtEvent)->ArgsProduct({{11, 21}, {1, 0}})->Unit(benchmark::kMicrosecond);

// A frame of the morph at the drawing area's size: M(t), its model in the
// solid's pose, and the picture, as one slider step or play tick draws it.
void morphFrame(benchmark::State& state) {
  const Solid& solid = solids()[static_cast<std::size_t>(state.range(0))];
  const DualMorph morph(solid.geometry);
  auto shown = std::make_unique<Model>();
  placeSolid(*shown, solid);
  auto model = std::make_unique<Model>();
  FrameBuffers buffers;
  const double t = static_cast<double>(state.range(1)) / 100.0;
  int k = 0;
  for (auto _ : state) {
    const Polyhedron m = morph.at(t + 1e-3 * (k++ % 2));
    placeShape(*model, m, solid, *shown);
    composeFrame(*model, ViewState{View::Polyhedron, false}, kDrawingWidth, kDrawingHeight, buffers,
                 1);
    benchmark::DoNotOptimize(buffers.frame.pixels.data());
  }
  state.SetLabel(solid.name);
}
BENCHMARK(morphFrame)->ArgsProduct({{11, 21}, {25, 50, 75}})->Unit(benchmark::kMicrosecond);

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
