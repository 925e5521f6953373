// The relations: working out the map of the 31 from the tools' stops, and a
// frame of the jitterbug at the drawing area's size (its solid of the moment,
// the model in the cuboctahedron's pose, the picture), as a play tick draws it.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "jitterbug/jitterbug_solid.h"
#include "model/solid.h"
#include "morph/morph_solid.h"
#include "relations/relation_map.h"
#include "render/design_size.h"
#include "render/frame.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

void relationMapOfAll(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<Relation> relations = relationMap(solids());
    benchmark::DoNotOptimize(relations.data());
  }
}
BENCHMARK(relationMapOfAll)->Unit(benchmark::kMillisecond);

void jitterbugFrame(benchmark::State& state) {
  const std::vector<JitterbugStop> stops = jitterbugStops(solids());
  const Solid& start = jitterbugStart(solids(), stops);
  auto shown = std::make_unique<Model>();
  placeSolid(*shown, start);
  auto model = std::make_unique<Model>();
  FrameBuffers buffers;
  const double j = static_cast<double>(state.range(0)) / 100.0;
  int k = 0;
  for (auto _ : state) {
    const Solid moment = jitterbugSolid(start, j + 1e-3 * (k++ % 2), stops);
    placeShape(*model, moment.geometry, start, *shown);
    composeFrame(*model, ViewState{View::Polyhedron, false}, kDrawingWidth, kDrawingHeight, buffers,
                 1);
    benchmark::DoNotOptimize(buffers.frame.pixels.data());
  }
}
BENCHMARK(jitterbugFrame)->Arg(15)->Arg(60)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
