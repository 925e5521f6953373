// One rotation tick of the heaviest scene (list position 29 in the outer
// view with vertex marks, 634 x 663 at scale 1) through the viewer core, as
// the browser page runs it: the turn by the steps and the frame. Times rounds
// of ten ticks and prints the median per tick, so that web/tests/frame_bench.mjs
// can hold the page's tick of the same scene against it in the same run.
// Usage: viewer_frame_bench [rounds]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "viewer/viewer.h"

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 41;
  constexpr int kTicksPerRound = 10;
  velkora::Viewer viewer;
  viewer.setSurfaceSource([] { return velkora::Viewer::Surface{634, 663, 1}; });
  viewer.create();
  viewer.pick(29);
  viewer.setView(velkora::View::OuterSphere);
  viewer.setMarks(true);
  viewer.setRotating(true);
  for (int k = 0; k < kTicksPerRound; ++k)
    viewer.tick();  // warm the caches
  std::vector<double> perTick;
  for (int round = 0; round < rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kTicksPerRound; ++k)
      viewer.tick();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    perTick.push_back(spent.count() / kTicksPerRound);
  }
  std::nth_element(perTick.begin(), perTick.begin() + rounds / 2, perTick.end());
  std::printf("native tick median %.4f ms over %d rounds of %d ticks\n", perTick[rounds / 2],
              rounds, kTicksPerRound);
  viewer.destroy();
  return 0;
}
