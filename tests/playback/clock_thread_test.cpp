#include "playback/clock_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>

#include "tests/playback/stand_ins.h"

namespace lyrova {
namespace {

using namespace std::chrono_literals;

class CountingTick : public ITickTarget {
 public:
  void WMTimer(std::int32_t songTime) override {
    last.store(songTime);
    const int n = ++count;
    inTick.store(true);
    if (sleep.count() > 0) std::this_thread::sleep_for(sleep);
    inTick.store(false);
    if (throwEvery > 0 && n % throwEvery == 0) throw std::runtime_error("tick failed");
  }
  std::atomic<int> count{0};
  std::atomic<std::int32_t> last{-1};
  std::atomic<bool> inTick{false};
  std::chrono::milliseconds sleep{0};
  int throwEvery = 0;
};

TEST(ClockThread, PacesAtItsPeriodWithoutSpinning) {
  CountingTick tick;
  TClockThread clock([] { return 0; }, tick);
  clock.Start();
  std::this_thread::sleep_for(500ms);
  clock.Stop();
  // 25 cycles at 50 a second; an instant tick must not make it spin.
  EXPECT_GE(tick.count.load(), 16);
  EXPECT_LE(tick.count.load(), 27);
}

// A tick slower than the period makes every cycle late: the count the
// benchmark reports a song's late pictures by.
TEST(ClockThread, CountsTheCyclesThatEndAfterTheNextWasDue) {
  CountingTick tick;
  tick.sleep = 30ms;
  TClockThread clock([] { return 0; }, tick);
  clock.Start();
  std::this_thread::sleep_for(200ms);
  clock.Stop();
  EXPECT_GE(clock.Cycles(), 3u);
  EXPECT_EQ(clock.LateCycles(), clock.Cycles());
}

TEST(ClockThread, HandsTheSongTimeToTheTick) {
  CountingTick tick;
  std::atomic<std::int32_t> time{1234};
  TClockThread clock([&] { return time.load(); }, tick);
  clock.Start();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.last.load() == 1234; }, 2s));
  time.store(0);
  ASSERT_TRUE(test::WaitUntil([&] { return tick.last.load() == 0; }, 2s));
}

TEST(ClockThread, AnErrorInsideATickDoesNotEndTheClock) {
  CountingTick tick;
  tick.throwEvery = 2;
  TClockThread clock([] { return 0; }, tick);
  clock.Start();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.count.load() >= 8; }, 3s));
  clock.Stop();
  EXPECT_GE(clock.TickErrors(), 4u);
  EXPECT_EQ(clock.LastTickError(), "tick failed");
  EXPECT_EQ(clock.Cycles(), static_cast<std::uint64_t>(tick.count.load()));
}

TEST(ClockThread, SuspendHoldsTheTicksUntilResume) {
  CountingTick tick;
  tick.sleep = 5ms;
  TClockThread clock([] { return 0; }, tick);
  clock.Start();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.count.load() >= 2; }, 2s));
  clock.Suspend();
  EXPECT_FALSE(tick.inTick.load()) << "Suspend returned in the middle of a tick";
  const int held = tick.count.load();
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(tick.count.load(), held);
  clock.Resume();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.count.load() > held; }, 2s));
}

TEST(ClockThread, StopReturnsOnlyAfterTheRunningTickHasEnded) {
  CountingTick tick;
  tick.sleep = 60ms;
  TClockThread clock([] { return 0; }, tick);
  clock.Start();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.inTick.load(); }, 2s));
  clock.Stop();
  EXPECT_FALSE(tick.inTick.load());
  const int after = tick.count.load();
  std::this_thread::sleep_for(80ms);
  EXPECT_EQ(tick.count.load(), after);
}

TEST(ClockThread, StopWhileSuspendedEndsTheThread) {
  CountingTick tick;
  TClockThread clock([] { return 0; }, tick);
  clock.Start();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.count.load() >= 1; }, 2s));
  clock.Suspend();
  auto stopped = std::async(std::launch::async, [&] { clock.Stop(); });
  const bool ended = stopped.wait_for(2s) == std::future_status::ready;
  if (!ended) clock.Resume();  // lets a clock that waits for it end, so that the test can
  ASSERT_TRUE(ended) << "Stop waited for a Resume";
  // The thread is gone: a Resume now finds nothing to tick.
  const int after = tick.count.load();
  clock.Resume();
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(tick.count.load(), after);
}

}  // namespace
}  // namespace lyrova
