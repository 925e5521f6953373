#pragma once
// A console reporter that also collects the median of every benchmark and,
// at the end, prints them with, for each frame, the QPainter reference's
// median divided by our rasteriser's: the speed-up as a ratio of one run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace velkora {

class MedianRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Median {
    double realMs = 0.0;
    double cpuMs = 0.0;
  };
  std::map<std::string, Median> medians_;  // by benchmark name
};

}  // namespace velkora
