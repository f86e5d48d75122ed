#include "core/ovtimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <utility>

namespace {

// A hand-driven clock in microseconds.
uint64_t g_now = 0;
uint64_t FakeCounter() { return g_now; }
uint64_t FakeFrequency() { return 1000000; }
void Advance(uint64_t milliseconds) { g_now += milliseconds * 1000; }

class OvTimerTest : public testing::Test {
 protected:
  OvTimerTest() : timer((g_now = 7000000, &FakeCounter), &FakeFrequency) {}
  void Step(uint64_t milliseconds) {
    Advance(milliseconds);
    timer.Update();
  }
  COvTimer timer;
};

TEST_F(OvTimerTest, SmoothedDeltaStartsAtAThirtiethOfASecondThenFollowsTheFrames) {
  // Each frame's length in milliseconds and the smoothed delta after it, worked out by hand:
  // s' = 0.2 d + 0.8 s.
  const std::pair<uint64_t, float> rows[] = {
      {50, 33.333332f}, {10, 28.666666f}, {20, 26.933333f}, {40, 29.546666f}};
  uint64_t elapsed = 0;
  uint64_t count = 0;
  for (const auto& [delta, smooth] : rows) {
    SCOPED_TRACE(delta);
    Step(delta);
    elapsed += delta;
    EXPECT_FLOAT_EQ(static_cast<float>(delta), timer.GetDelta());
    EXPECT_NEAR(smooth, timer.GetSmoothDelta(), 1e-4);
    EXPECT_FLOAT_EQ(static_cast<float>(elapsed), timer.GetAbsolute());
    EXPECT_EQ(++count, timer.GetUpdateCount());
  }
  timer.ResetUpdateCount();
  Step(5);
  EXPECT_FLOAT_EQ(33.333332f, timer.GetSmoothDelta());
}

TEST_F(OvTimerTest, PausedTimeIsLeftOutAndPausedUpdatesDoNothing) {
  Step(30);
  Advance(5);
  timer.Pause();
  EXPECT_TRUE(timer.GetDelta() == 0.0f && timer.GetSmoothDelta() == 0.0f);
  Advance(100);
  timer.Update();
  EXPECT_EQ(1u, timer.GetUpdateCount());
  EXPECT_FLOAT_EQ(35.0f, timer.GetCurrent());
  timer.Pause();  // a second pause keeps the first one's start
  Advance(100);
  timer.Resume();
  EXPECT_FLOAT_EQ(35.0f, timer.GetCurrent());
  Step(15);
  EXPECT_TRUE(timer.GetDelta() == 15.0f && timer.GetAbsolute() == 50.0f);
  Advance(4);
  EXPECT_FLOAT_EQ(54.0f, timer.GetCurrent());
  timer.Resume();  // not paused: nothing to take out
  EXPECT_FLOAT_EQ(54.0f, timer.GetCurrent());
  // Reset restarts the clock, the count and the smoothing, also after a pause.
  timer.Pause();
  Advance(50);
  timer.Resume();
  Advance(1000);
  timer.Reset();
  EXPECT_EQ(0u, timer.GetUpdateCount());
  Step(12);
  EXPECT_TRUE(timer.GetAbsolute() == 12.0f && timer.GetDelta() == 12.0f);
  EXPECT_FLOAT_EQ(33.333332f, timer.GetSmoothDelta());
}

// The host's counter moves forward across a sleep, at the rate its frequency gives.
TEST(OvPerformanceTimer, MeasuresTicksBetweenStartAndStopWithTheGivenOrTheHostCounter) {
  COvPerformanceTimer stopwatch(&FakeCounter, &FakeFrequency), host;
  g_now = 123456;
  stopwatch.Start();
  g_now += 2500;
  stopwatch.Stop();
  EXPECT_TRUE(stopwatch.GetTicksCount() == 2500u && stopwatch.GetMilliseconds() == 2.5);
  host.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  host.Stop();
  EXPECT_GT(host.GetFrequency(), 0u);
  EXPECT_GE(host.GetMilliseconds(), 4.0);
}

}  // namespace
