// The helper thread of large frames: its jobs run on another thread, one
// after another, and what a job throws comes back to the caller of wait();
// a turn left in any way has stopped its job and waited for it.

#include "render/band_helper.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
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

TEST(HelperTurn, LeavingTheScopeStopsTheJobAndWaitsForItEitherWay) {
  BandHelper helper;
  for (const bool byException : {false, true}) {
    std::atomic<bool> stopped{false};
    std::atomic<bool> ended{false};
    try {
      HelperTurn turn;
      turn.start(
          helper,
          [&] {
            while (!stopped.load()) {
              std::this_thread::yield();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ended = true;
          },
          [&] { stopped = true; });
      EXPECT_TRUE(turn.running());
      if (byException) {
        throw std::runtime_error("frame failed");
      }
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(ended) << (byException ? "left by an exception" : "left normally");
    EXPECT_TRUE(helper.idle());
  }
}

TEST(HelperTurn, FinishRethrowsTheJobsErrorAndCancelDropsIt) {
  BandHelper helper;
  HelperTurn turn;
  turn.start(
      helper, [] { throw std::runtime_error("band failed"); }, [] {});
  EXPECT_THROW(turn.finish(), std::runtime_error);
  EXPECT_FALSE(turn.running());
  turn.start(
      helper, [] { throw std::runtime_error("band failed"); }, [] {});
  turn.cancel();
  EXPECT_FALSE(turn.running());
  EXPECT_TRUE(helper.idle());
  bool ran = false;
  turn.start(
      helper, [&] { ran = true; }, [] {});
  turn.finish();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace velkora
