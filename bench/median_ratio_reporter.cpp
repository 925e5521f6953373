#include "bench/median_ratio_reporter.h"

#include <cstdio>

namespace velkora {

void MedianRatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
      // Adjusted times are in the run's time unit; the multiplier is units per second.
      const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      medians_[run.run_name.function_name] = {run.GetAdjustedRealTime() * toMs,
                                              run.GetAdjustedCPUTime() * toMs};
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

void MedianRatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  if (medians_.empty()) {
    return;
  }
  std::printf("\n%-44s %12s %12s\n", "median", "wall ms", "cpu ms");
  for (const auto& [name, median] : medians_) {
    std::printf("%-44s %12.4f %12.4f\n", name.c_str(), median.realMs, median.cpuMs);
  }
  std::printf("\n%-36s %10s %10s %9s %9s\n", "frame (QPainter / ours)", "ours cpu", "QPainter",
              "cpu ratio", "wall ratio");
  const std::string ours = "/raster";
  for (const auto& [name, median] : medians_) {
    if (name.size() <= ours.size() ||
        name.compare(name.size() - ours.size(), ours.size(), ours) != 0) {
      continue;
    }
    const std::string stem = name.substr(0, name.size() - ours.size());
    const auto reference = medians_.find(stem + "/qpainter");
    if (reference != medians_.end() && median.cpuMs > 0.0 && median.realMs > 0.0) {
      std::printf("%-36s %10.4f %10.4f %8.2fx %8.2fx\n", stem.c_str(), median.cpuMs,
                  reference->second.cpuMs, reference->second.cpuMs / median.cpuMs,
                  reference->second.realMs / median.realMs);
    }
  }
  std::fflush(stdout);
}

}  // namespace velkora
