// The relations: working out the map of the 31 from the tools' stops, a
// frame of the jitterbug at the drawing area's size (its solid of the moment,
// the model in the cuboctahedron's pose, the picture), as a play tick draws
// it, and a pick: the front face under a pixel of the heaviest solid's frame.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "jitterbug/jitterbug_solid.h"
#include "model/solid.h"
#include "morph/morph_solid.h"
#include "relations/relation_map.h"
#include "render/design_size.h"
#include "render/frame.h"
#include "viewer/picture_pick.h"

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

// Position 21 has the most faces (120); the pixel walks over the picture's
// middle as a pointer would.
void pickFace(benchmark::State& state) {
  Model model;
  placeSolid(model, solids()[21]);
  const FrameGeometry frame{kDrawingWidth, kDrawingHeight, 1};
  int k = 0;
  for (auto _ : state) {
    const double x = kDrawingWidth / 2.0 + (k % 41) - 20;
    const double y = kDrawingHeight / 2.0 + (k++ % 37) - 18;
    benchmark::DoNotOptimize(frontFaceAt(model, frame, x + 0.5, y + 0.5));
  }
}
BENCHMARK(pickFace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
