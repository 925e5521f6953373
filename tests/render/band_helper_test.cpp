// The helper thread of large frames: its jobs run on another thread, one
// after another, and what a job throws comes back to the caller of wait().

#include "render/band_helper.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace velkora {
namespace {

TEST(BandHelper, RunsEachJobOnItsOwnThreadAndWaitsForIt) {
  BandHelper helper;
  const std::thread::id caller = std::this_thread::get_id();
  for (int round = 0; round < 50; ++round) {
    std::thread::id ranOn;
    int value = 0;
    helper.start([&] {
      ranOn = std::this_thread::get_id();
      value = round + 1;
    });
    helper.wait();
    EXPECT_NE(ranOn, caller) << "round " << round;
    EXPECT_EQ(value, round + 1) << "round " << round;
  }
}

TEST(BandHelper, WhatAJobThrowsIsRethrownOnceAndTheHelperRunsOn) {
  BandHelper helper;
  helper.start([] { throw std::runtime_error("band failed"); });
  EXPECT_THROW(helper.wait(), std::runtime_error);
  bool ran = false;
  helper.start([&] { ran = true; });
  EXPECT_NO_THROW(helper.wait());
  EXPECT_TRUE(ran);
}

TEST(BandHelper, AJobStartedJustBeforeTheEndStillRuns) {
  int ran = 0;
  for (int round = 0; round < 200; ++round) {
    BandHelper helper;
    helper.start([&] { ++ran; });
  }
  EXPECT_EQ(ran, 200);
}

}  // namespace
}  // namespace velkora
