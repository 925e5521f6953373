// Animations of the default solid (the icosahedron, list position 3) at the
// picture size of scale 1, 634 x 663: 72 frames of a spin composed and
// encoded as GIF (the whole export but the file write), the GIF encoding of
// 72 finished frames alone, and the same spin as lossless WebP. Each reports
// the file's size in bytes; the heaviest scene (position 29 in the outer view
// with marks) shows the other end.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "animation/animation_encoding.h"
#include "animation/frame_encoder.h"
#include "model/solid.h"
#include "model/solid_catalogue.h"
#include "render/design_size.h"
#include "render/frame.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

AnimationScene sceneOf(int position, ViewState view) {
  auto start = std::make_shared<Model>();
  placeSolid(*start, solids()[static_cast<std::size_t>(position)]);
  return AnimationScene{solids()[static_cast<std::size_t>(position)], start, view, std::nullopt};
}

ViewState viewOf(int position) {
  return position == 29 ? ViewState{View::OuterSphere, true} : ViewState{};
}

// Frames, composition and encoding: what --export-animation does before it writes.
void spinExport(benchmark::State& state) {
  const int position = static_cast<int>(state.range(0));
  const auto format = static_cast<AnimationFormat>(state.range(1));
  std::size_t bytes = 0;
  for (auto _ : state) {
    AnimationFrames frames(AnimationKind::Spin, sceneOf(position, viewOf(position)), 72, solids());
    const auto file = encodeAnimation(frames, format, kDrawingWidth, kDrawingHeight, 1);
    bytes = file->size();
    benchmark::DoNotOptimize(file->data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.SetLabel(solids()[static_cast<std::size_t>(position)].name);
}
BENCHMARK(spinExport)
    ->ArgNames({"position", "webp"})
    ->Args({3, static_cast<int>(AnimationFormat::Gif)})
    ->Args({29, static_cast<int>(AnimationFormat::Gif)})
    ->Args({3, static_cast<int>(AnimationFormat::WebP)})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The GIF encoder alone over 72 frames composed beforehand.
void gifEncodeOnly(benchmark::State& state) {
  const int position = static_cast<int>(state.range(0));
  AnimationFrames frames(AnimationKind::Spin, sceneOf(position, viewOf(position)), 72, solids());
  std::vector<Bitmap> composed;
  auto model = std::make_unique<Model>();
  FrameBuffers buffers;
  for (int k = 0; k < frames.count(); ++k) {
    composeFrame(*model, frames.frame(k, *model), kDrawingWidth, kDrawingHeight, buffers, 1);
    composed.push_back(buffers.frame);
  }
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto encoder = makeFrameEncoder(AnimationFormat::Gif, kDrawingWidth, kDrawingHeight);
    for (const Bitmap& frame : composed)
      encoder->add(frame);
    const std::vector<std::uint8_t> file = encoder->finish();
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(gifEncodeOnly)->Arg(3)->Arg(29)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace velkora

BENCHMARK_MAIN();
