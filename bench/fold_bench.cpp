// The folding net of the 120-face solid at the drawing area's size: its
// scene at a stage, the depth-tested picture of it, and both as one frame;
// beside them the polyhedron view of the same solid through the frame
// composer, which the depth test leaves untouched.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "folding/folding_net.h"
#include "model/rotation.h"
#include "model/solid.h"
#include "render/depth_picture.h"
#include "render/design_size.h"
#include "render/frame.h"

namespace velkora {
namespace {

constexpr int kHeavy = 21;  // Disdyakistriakontaeder, 120 faces

struct Heavy {
  Solid solid = readAllSolids(loadCatalogueTexts())[kHeavy];
  std::unique_ptr<Model> model = std::make_unique<Model>();
  std::unique_ptr<FoldingNet> fold;
  Heavy() {
    placeSolid(*model, solid);
    fold = std::make_unique<FoldingNet>(solid);
    fold->faceViewer(*model);
    drehen(*model, 20.0, 30.0, 0.0);
  }
};

Heavy& heavy() {
  static Heavy h;
  return h;
}

// The scene alone: 120 faces through their hinges, turned, placed and tinted.
void foldScene(benchmark::State& state) {
  Heavy& h = heavy();
  DepthScene scene;
  const double f = static_cast<double>(state.range(0)) / 100.0;
  for (auto _ : state) {
    h.fold->scene(f, *h.model, scene);
    benchmark::DoNotOptimize(scene.corners.data());
  }
}
BENCHMARK(foldScene)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

// One fold frame as a slider step or play tick draws it: scene and picture.
void foldFrame(benchmark::State& state) {
  Heavy& h = heavy();
  DepthScene scene;
  Bitmap frame;
  DepthBuffer depth;
  const double f = static_cast<double>(state.range(0)) / 100.0;
  for (auto _ : state) {
    h.fold->scene(f, *h.model, scene);
    composeDepthPicture(scene, kDrawingWidth, kDrawingHeight, frame, depth);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
}
BENCHMARK(foldFrame)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

// The same solid in the polyhedron view: the frame composer the three
// views go through, for comparison.
void polyhedronViewFrame(benchmark::State& state) {
  Heavy& h = heavy();
  FrameBuffers buffers;
  for (auto _ : state) {
    composeFrame(*h.model, ViewState{}, kDrawingWidth, kDrawingHeight, buffers);
    benchmark::DoNotOptimize(buffers.frame.pixels.data());
  }
}
BENCHMARK(polyhedronViewFrame)->Unit(benchmark::kMicrosecond);

// Building the folding net: the default printed net's search and its tree.
void foldSetUp(benchmark::State& state) {
  Heavy& h = heavy();
  for (auto _ : state) {
    FoldingNet fold(h.solid);
    benchmark::DoNotOptimize(&fold);
  }
}
BENCHMARK(foldSetUp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
