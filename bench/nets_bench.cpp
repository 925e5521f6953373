// The default net of every catalogue solid (A4, best orientation): search,
// edge size, tabs and layout, as the print menu asks for it; the JSON of the
// largest net. Run with repetitions for medians, e.g.
//   nets_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/solid.h"
#include "model/solid_catalogue.h"
#include "nets/layout.h"
#include "nets/net_json.h"

namespace velkora {
namespace {

const std::vector<Solid>& solids() {
  static const std::vector<Solid> all = readAllSolids(loadCatalogueTexts());
  return all;
}

void defaultNet(benchmark::State& state, int position) {
  const Solid& s = solids()[static_cast<std::size_t>(position)];
  for (auto _ : state) {
    NetDocument net = buildNet(s, {});
    benchmark::DoNotOptimize(net.pages.data());
  }
  state.SetLabel(s.name);
}

void allDefaultNets(benchmark::State& state) {
  for (auto _ : state) {
    for (const Solid& s : solids()) {
      NetDocument net = buildNet(s, {});
      benchmark::DoNotOptimize(net.pages.data());
    }
  }
}

// The solid with the most faces (120): the largest search and layout.
void largestNetJson(benchmark::State& state) {
  std::size_t largest = 0;
  for (std::size_t k = 1; k < solids().size(); ++k) {
    if (solids()[k].geometry.faces.size() > solids()[largest].geometry.faces.size()) largest = k;
  }
  const NetDocument net = buildNet(solids()[largest], {});
  for (auto _ : state) {
    std::string json = netJson(net);
    benchmark::DoNotOptimize(json.data());
  }
  state.SetLabel(solids()[largest].name);
}

}  // namespace
}  // namespace velkora

int main(int argc, char** argv) {
  for (int position = 0; position < 31; ++position) {
    benchmark::RegisterBenchmark(("DefaultNet/" + std::to_string(position)).c_str(),
                                 velkora::defaultNet, position)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("AllDefaultNets", velkora::allDefaultNets)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("LargestNetJson", velkora::largestNetJson)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
