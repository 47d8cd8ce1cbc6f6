// The heard position and the keeper of the audio output: what the lyrics
// follow when the device reports its latency, and what happens when an
// output stops pulling or fails.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "playback/audio_timeline.h"
#include "playback/output_keeper.h"
#include "playback/performance.h"
#include "playback/sound_font.h"

namespace lyrova {
namespace {

using namespace std::chrono_literals;
constexpr int kRate = 44100;
constexpr std::int64_t kSecond = 1'000'000'000;

TEST(AudioTimeline, HeardPositionFollowsTheReportedLatencyAndTheClock) {
  TAudioTimeline timeline;
  timeline.SetRendered(10'000);
  timeline.SetFixedLatency(1'000);
  EXPECT_EQ(timeline.HeardSample(5 * kSecond, kRate), 9'000) << "a fixed latency needs no clock";

  // At 1 s, 2,205 of 10,000 frames were still to be heard (50 ms).
  timeline.ReportHeard(10'000, 2'205, kSecond);
  EXPECT_EQ(timeline.Latency(), 2'205);
  EXPECT_EQ(timeline.HeardSample(kSecond, kRate), 7'795);
  // 20 ms later the device has played 882 more frames.
  EXPECT_EQ(timeline.HeardSample(kSecond + 20'000'000, kRate), 7'795 + 882);
  // A stalled device: the heard position never passes what was rendered.
  EXPECT_EQ(timeline.HeardSample(10 * kSecond, kRate), 10'000);
  // A report from before the clock's time is never taken back.
  EXPECT_EQ(timeline.HeardSample(kSecond / 2, kRate), 7'795);

  // The server grows its buffer: the next report is followed at once.
  timeline.SetRendered(20'000);
  timeline.ReportHeard(20'000, 4'410, 2 * kSecond);
  EXPECT_EQ(timeline.HeardSample(2 * kSecond, kRate), 15'590);
}

// Renders from its own thread while `pulling` holds; reports a latency.
class TStandInOutput : public IAudioOutput {
 public:
  TStandInOutput(IAudioSource& source, std::atomic<bool>& pulling, std::atomic<bool>& failed)
      : source_(source), pulling_(pulling), failed_(failed) {
    thread_ = std::thread([this] {
      std::vector<float> left(256), right(256);
      while (!stop_.load()) {
        if (pulling_.load()) {
          source_.Render(left.data(), right.data(), 256);
          source_.ReportLatency(1'323, std::chrono::steady_clock::now().time_since_epoch().count());
        }
        std::this_thread::sleep_for(5ms);
      }
    });
  }
  ~TStandInOutput() override {
    stop_.store(true);
    thread_.join();
  }
  std::string Name() const override { return "stand-in"; }
  bool Failed() const override { return failed_.load(); }

 private:
  IAudioSource& source_;
  std::atomic<bool>& pulling_;
  std::atomic<bool>& failed_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

class OutputKeeperTest : public testing::Test {
 protected:
  std::vector<TOutputKind> Kinds() {
    TOutputKind device{[this](IAudioSource& s) -> std::unique_ptr<IAudioOutput> {
                         {
                           std::lock_guard lock(triesMutex);
                           tries.push_back(std::chrono::steady_clock::now());
                         }
                         ++opens;
                         if (!deviceAvailable.load()) return nullptr;
                         return std::make_unique<TStandInOutput>(s, pulling, failed);
                       },
                       false, [this] { return deviceAvailable.load(); }};
    TOutputKind silent{[](IAudioSource& s) { return OpenSilentOutput(s); }, true, {}};
    return {device, silent};
  }

  // Waits up to `limit` for the keeper to report `name`.
  bool Becomes(const TOutputKeeper& keeper, const std::string& name, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (keeper.Status().name == name) return true;
      std::this_thread::sleep_for(10ms);
    }
    return keeper.Status().name == name;
  }

  // The standard limits with a short start-up grace.
  static TOutputKeeper::Timing Quick() {
    TOutputKeeper::Timing timing;
    timing.startGrace = 200ms;
    return timing;
  }

  TPerformance performance_{FindDefaultSoundFont()};
  std::atomic<bool> pulling{true};
  std::atomic<bool> failed{false};
  std::atomic<bool> deviceAvailable{true};
  std::atomic<int> opens{0};
  std::mutex triesMutex;
  std::vector<std::chrono::steady_clock::time_point> tries;  // when the device kind was opened
};

TEST_F(OutputKeeperTest, AStalledDeviceIsReopenedAndAGoneOneFallsBackToSilenceThenReturns) {
  TOutputKeeper keeper(performance_, Kinds(), Quick());
  ASSERT_TRUE(Becomes(keeper, "stand-in", 100ms));
  std::this_thread::sleep_for(30ms);  // a few blocks pulled
  EXPECT_EQ(keeper.Status().latencyMs, 30) << "the latency the output reported";
  EXPECT_FALSE(keeper.Status().silent);

  // The device stops pulling: after the stall limit it is opened again.
  pulling.store(false);
  const auto stalled = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(keeper.Status().reopens, 0u) << "a short stall is left alone";
  pulling.store(true);
  std::this_thread::sleep_for(100ms);
  pulling.store(false);
  deviceAvailable.store(false);  // and it cannot be opened again
  ASSERT_TRUE(Becomes(keeper, "silent", 1500ms));
  EXPECT_GE(std::chrono::steady_clock::now() - stalled, 500ms);
  EXPECT_TRUE(keeper.Status().silent);
  EXPECT_EQ(keeper.Status().reopens, 1u);

  // Silence keeps the music moving, so the song still ends.
  const std::int64_t before = performance_.RenderedFrames();
  std::this_thread::sleep_for(100ms);
  EXPECT_GT(performance_.RenderedFrames(), before + kRate / 40);

  // The server answers again: it is taken back within about a second.
  pulling.store(true);
  deviceAvailable.store(true);
  EXPECT_TRUE(Becomes(keeper, "stand-in", 2000ms));
  EXPECT_EQ(keeper.Status().reopens, 2u);
}

TEST_F(OutputKeeperTest, AFreshOutputHasTimeToStartButGivesWayWhenItNeverDoes) {
  pulling.store(false);
  TOutputKeeper keeper(performance_, Kinds());
  std::this_thread::sleep_for(1200ms);
  EXPECT_EQ(keeper.Status().reopens, 0u) << "a server waking its sink is given time";
  // Opened but never pulling, the kind is stuck: the next one plays.
  EXPECT_TRUE(Becomes(keeper, "silent", 1500ms));
  // Asked again a second later, it is taken back once it pulls.
  pulling.store(true);
  EXPECT_TRUE(Becomes(keeper, "stand-in", 1500ms));
}

TEST_F(OutputKeeperTest, ADeviceThatAppearsLaterIsTakenUp) {
  deviceAvailable.store(false);
  TOutputKeeper keeper(performance_, Kinds(), Quick());
  EXPECT_TRUE(keeper.Status().silent);
  deviceAvailable.store(true);
  EXPECT_TRUE(Becomes(keeper, "stand-in", 1500ms));
}

TEST_F(OutputKeeperTest, AFailedOutputGivesWayAtOnceAndIsTakenBackWhenItPlaysAgain) {
  TOutputKeeper keeper(performance_, Kinds(), Quick());
  ASSERT_TRUE(Becomes(keeper, "stand-in", 100ms));
  std::this_thread::sleep_for(100ms);  // it has played
  const int opensBefore = opens.load();
  failed.store(true);
  // Well before the stall limit the song is on the silent output, and the
  // lost kind is tried again beside it; outputs opened meanwhile fail too.
  EXPECT_TRUE(Becomes(keeper, "silent", 150ms));
  std::this_thread::sleep_for(100ms);
  EXPECT_GT(opens.load(), opensBefore);
  failed.store(false);
  // Each failed try doubles the wait before the next (250 ms at first).
  EXPECT_TRUE(Becomes(keeper, "stand-in", 3000ms));
  EXPECT_EQ(keeper.Status().reopens, 2u) << "one fall back, one return";
}

// A sink that cannot resume (another program holds the card): the server
// takes the stream and never asks for audio.
TEST_F(OutputKeeperTest, AServerThatTakesAStreamButNeverPullsIsTriedLessAndLessOftenWhileTheSongMovesOn) {
  pulling.store(false);
  TOutputKeeper::Timing timing;
  timing.stallLimit = 400ms;
  timing.startGrace = 400ms;
  timing.retryBetter = 20ms;
  timing.retryLimit = 320ms;
  timing.poll = 10ms;
  TOutputKeeper keeper(performance_, Kinds(), timing);
  ASSERT_TRUE(Becomes(keeper, "silent", 800ms));

  // The longest time the song stood still from the first fall back on.
  std::chrono::steady_clock::duration stood{};
  std::int64_t last = performance_.RenderedFrames();
  auto moved = std::chrono::steady_clock::now();
  for (const auto end = moved + 3200ms; std::chrono::steady_clock::now() < end;) {
    std::this_thread::sleep_for(5ms);
    const auto now = std::chrono::steady_clock::now();
    if (performance_.RenderedFrames() != last) {
      last = performance_.RenderedFrames();
      moved = now;
    }
    stood = std::max(stood, now - moved);
  }
  EXPECT_TRUE(keeper.Status().silent);
  EXPECT_LT(stood, 200ms) << "a try never stops the song";

  std::vector<std::chrono::steady_clock::time_point> opened;
  {
    std::lock_guard lock(triesMutex);
    opened = tries;
  }
  // Tries at 0, 440, 920, 1480, 2200 and 2920 ms: each after the trial's
  // grace and twice the wait before, up to the limit.
  ASSERT_GE(opened.size(), 5u);
  EXPECT_LE(opened.size(), 7u);
  const auto lastGap = opened.back() - opened[opened.size() - 2];
  EXPECT_GE(lastGap - (opened[1] - opened[0]), 150ms) << "the waits grew";
  EXPECT_LE(lastGap, 1000ms) << "never much longer than the limit";

  // The server plays again: taken back at its next try.
  pulling.store(true);
  EXPECT_TRUE(Becomes(keeper, "stand-in", 1500ms));
}

TEST_F(OutputKeeperTest, StatusNeverWaitsForAnOutputBeingOpened) {
  // An output that takes 400 ms to open, as a sound server that is slow to
  // answer does.
  TOutputKind slow{[this](IAudioSource& s) -> std::unique_ptr<IAudioOutput> {
                     std::this_thread::sleep_for(400ms);
                     return std::make_unique<TStandInOutput>(s, pulling, failed);
                   },
                   false, {}};
  TOutputKeeper keeper(performance_, {slow}, Quick());
  pulling.store(false);
  // The reopen starts 500 to 550 ms after the stall and holds for 400 ms.
  std::this_thread::sleep_for(650ms);
  const auto asked = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(keeper.Status().name, "stand-in");
  EXPECT_LT(std::chrono::steady_clock::now() - asked, 50ms);
  pulling.store(true);
}

}  // namespace
}  // namespace lyrova
