// Real-time pace without a sound device: our own thread renders a block,
// then sleeps until the wall clock has caught up with it.

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "playback/audio_output.h"
#include "playback/audio_source.h"

namespace lyrova {
namespace {

constexpr int kFrames = 256;  // about 6 ms: the lyric clock sees fine steps

class TSilentOutput : public IAudioOutput {
 public:
  explicit TSilentOutput(IAudioSource& source)
      : source_(source), left_(kFrames), right_(kFrames) {
    source_.SetLatencyFrames(kFrames);
    thread_ = std::thread([this] { Run(); });
  }
  ~TSilentOutput() override {
    stop_.store(true);
    thread_.join();
  }
  std::string Name() const override { return "silent"; }

 private:
  void Run() {
    using Clock = std::chrono::steady_clock;
    const auto blockTime = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(kFrames) / source_.SampleRate()));
    auto due = Clock::now();
    while (!stop_.load()) {
      source_.Render(left_.data(), right_.data(), kFrames);
      due += blockTime;
      // After a long stall, go on from now rather than rush to catch up.
      if (Clock::now() - due > std::chrono::milliseconds(200)) due = Clock::now();
      std::this_thread::sleep_until(due);
    }
  }

  IAudioSource& source_;
  std::vector<float> left_;
  std::vector<float> right_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace

std::unique_ptr<IAudioOutput> OpenSilentOutput(IAudioSource& source) {
  return std::make_unique<TSilentOutput>(source);
}

}  // namespace lyrova
