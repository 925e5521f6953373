// One frame of the heaviest scenes (outer view of type 29 with marks, inner
// view with the inner sphere of type 12) at two surface sizes through our
// rasteriser and the QPainter reference; outer views of types 29 and 12 with
// marks on a 4K surface at pixel scale 2, standing and turning; the depth sort
// on a sphere list in the start pose and turned;
// drehen on a full model. Run with repetitions; the reporter prints medians
// and the reference-to-ours ratios of the run.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <string>

#include "bench/median_ratio_reporter.h"
#include "model/rotation.h"
#include "model/zoom.h"
#include "render/depth_list.h"
#include "render/frame.h"
#include "render/views.h"
#include "tests/support/embedded_catalogue.h"
#include "tests/support/qpainter_canvas.h"

namespace velkora {
namespace {

struct BenchScene {
  std::string name;
  Model model;
  ViewState view;
};

void ourFrame(benchmark::State& state, const BenchScene& scene, int width, int height,
              int pixelScale) {
  FrameBuffers buffers;
  for (auto _ : state) {
    composeFrame(scene.model, scene.view, width, height, buffers, pixelScale);
    benchmark::DoNotOptimize(buffers.frame.pixels.data());
    benchmark::ClobberMemory();
  }
}

// Frames of an animation: every iteration turns the solid by the default
// animation step (half a degree in the x-z plane) before composing.
void turningFrame(benchmark::State& state, const BenchScene& scene, int width, int height,
                  int pixelScale) {
  Model model = scene.model;
  FrameBuffers buffers;
  for (auto _ : state) {
    drehen(model, 0.0, 0.0, 0.5);
    composeFrame(model, scene.view, width, height, buffers, pixelScale);
    benchmark::DoNotOptimize(buffers.frame.pixels.data());
    benchmark::ClobberMemory();
  }
}

void referenceFrame(benchmark::State& state, const BenchScene& scene, int width, int height) {
  QPainterCanvas frame(width, height);
  QPainterCanvas front(width, height);
  for (auto _ : state) {
    frame.clearWhite();
    composeScene(scene.model, scene.view, frame, front);
    benchmark::DoNotOptimize(frame.row(0));
    benchmark::ClobberMemory();
  }
}

void sortSphereList(benchmark::State& state, const Model& model) {
  DepthList list;
  for (auto _ : state) {
    fillDepthList(list, model.outerCentres, model.sphereQuadCount);
    sortDepthList(list);
    benchmark::DoNotOptimize(list.items.data());
  }
}

void turnModel(benchmark::State& state, Model model) {
  for (auto _ : state) {
    drehen(model, 0.25, 0.5, 0.75);
    benchmark::DoNotOptimize(model.vertices.data());
  }
}

}  // namespace
}  // namespace velkora

int main(int argc, char** argv) {
  using namespace velkora;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);

  static const BenchScene outer29{
      "outer_type29_marks", test::embeddedModelOfType(29), {View::OuterSphere, true}};
  static const BenchScene inner12{
      "inner_type12_sphere", test::embeddedModelOfType(12), {View::InnerSphere, false}};
  for (const BenchScene* scene : {&outer29, &inner12}) {
    for (const auto& [w, h] : {std::pair{634, 663}, std::pair{1680, 1050}}) {
      const std::string stem =
          "frame/" + scene->name + "/" + std::to_string(w) + "x" + std::to_string(h);
      benchmark::RegisterBenchmark((stem + "/raster").c_str(), ourFrame, *scene, w, h, 1)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark((stem + "/qpainter").c_str(), referenceFrame, *scene, w, h)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  // Full screen on a 4K screen at 200 %: 3840 x 2160 device pixels at scale
  // 2, at the start size (radius 260 logical pixels) and zoomed until the
  // enclosing sphere fills 90 % of the shorter side (radius 0.45 * 2160
  // device pixels, 486 logical).
  static const BenchScene outer12{
      "outer_type12_marks", test::embeddedModelOfType(12), {View::OuterSphere, true}};
  auto zoomedTo90 = [](const BenchScene& scene) {
    BenchScene big = scene;
    zoomToRadius(big.model, true, 0.45 * 2160 / 2);
    big.name += "/zoom90";
    return big;
  };
  static const BenchScene zoomed29 = zoomedTo90(outer29);
  static const BenchScene zoomed12 = zoomedTo90(outer12);
  for (const BenchScene* scene : {&outer29, &outer12, &zoomed29, &zoomed12}) {
    const std::string name = "frame4k/" + scene->name + "/3840x2160/scale2/raster";
    benchmark::RegisterBenchmark(name.c_str(), ourFrame, *scene, 3840, 2160, 2)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const BenchScene* scene : {&zoomed29, &zoomed12}) {
    const std::string name = "frame4k/" + scene->name + "/turning/3840x2160/scale2/raster";
    benchmark::RegisterBenchmark(name.c_str(), turningFrame, *scene, 3840, 2160, 2)
        ->Unit(benchmark::kMicrosecond);
  }

  benchmark::RegisterBenchmark("sortDepthList/408", sortSphereList, outer29.model)
      ->Unit(benchmark::kMicrosecond);
  static const Model turned29 = [] {
    Model m = outer29.model;
    drehen(m, 0.0, 0.0, 0.5);
    return m;
  }();
  benchmark::RegisterBenchmark("sortDepthList/408/turned", sortSphereList, turned29)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("drehen/type29", turnModel, outer29.model)
      ->Unit(benchmark::kMicrosecond);

  MedianRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
