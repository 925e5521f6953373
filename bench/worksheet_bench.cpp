// Worksheets as the menus and the command line make them: one sheet (the
// picture composed at print resolution, the properties, the A4 portrait net
// and the PDF) of the solid with the most faces, and the booklet of all 31.
// Run with repetitions for medians, e.g.
//   worksheet_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include <QGuiApplication>

#include "exports/export_service.h"
#include "exports/worksheet.h"
#include "model/solid.h"
#include "model/solid_catalogue.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

// The solid with the most faces (120): the largest table, face list and net.
void largestSheet(benchmark::State& state) {
  std::size_t largest = 0;
  for (std::size_t k = 1; k < solids().size(); ++k) {
    if (solids()[k].geometry.faces.size() > solids()[largest].geometry.faces.size()) largest = k;
  }
  const Solid& solid = solids()[largest];
  const std::unique_ptr<Model> model = startModel(solid);
  for (auto _ : state) {
    const QByteArray pdf = worksheetPdf(makeWorksheet(solid, *model, {}, solids(), false));
    benchmark::DoNotOptimize(pdf.data());
  }
  state.SetLabel(solid.name);
}

void booklet(benchmark::State& state) {
  for (auto _ : state) {
    const QByteArray pdf = bookletPdf(solids(), {}, state.range(0) != 0);
    benchmark::DoNotOptimize(pdf.data());
  }
}

BENCHMARK(largestSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(booklet)->Arg(0)->Arg(1)->ArgName("blanks")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velkora

int main(int argc, char** argv) {
  // Fonts for the PDF text; no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
