// The performance's audio straight to an ALSA device, where no sound server
// runs: our own thread renders a period, waits until the device takes it,
// and measures with snd_pcm_delay how much of it is still to be heard.

#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "playback/audio_output.h"
#include "playback/audio_source.h"

namespace lyrova {
namespace {

constexpr int kChannels = 2;
constexpr int kPeriodFrames = 256;  // about 6 ms
// A device that takes nothing for this long (or for twice its buffer) has stalled.
constexpr std::chrono::milliseconds kMinWait{100};

// ALSA reports a missing device on the console by itself; the program's
// status line says it instead.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

class TAlsaOutput : public IAudioOutput {
 public:
  TAlsaOutput(IAudioSource& source, snd_pcm_t* pcm, int latencyMs)
      : source_(source), pcm_(pcm), waitMs_(static_cast<int>(StallTime(latencyMs, kMinWait).count())),
        left_(kPeriodFrames), right_(kPeriodFrames), interleaved_(kPeriodFrames * kChannels) {
    thread_ = std::thread([this] { Run(); });
  }
  ~TAlsaOutput() override {
    stop_.store(true);
    thread_.join();
    snd_pcm_drop(pcm_);
    snd_pcm_close(pcm_);
  }
  std::string Name() const override { return "ALSA"; }
  bool Failed() const override { return failed_.load(std::memory_order_acquire); }

 private:
  void Run() {
    RaiseToRealTime();
    while (!stop_.load()) {
      source_.Render(left_.data(), right_.data(), kPeriodFrames);
      for (int i = 0; i < kPeriodFrames; ++i) {
        interleaved_[2 * i] = left_[i];
        interleaved_[2 * i + 1] = right_[i];
      }
      if (!WritePeriod()) {
        failed_.store(true, std::memory_order_release);
        return;
      }
      snd_pcm_sframes_t delay = 0;
      if (snd_pcm_delay(pcm_, &delay) == 0 && delay >= 0) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        source_.ReportLatency(delay, std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
      }
    }
  }

  bool WritePeriod() {
    int done = 0;
    while (done < kPeriodFrames && !stop_.load()) {
      const snd_pcm_sframes_t n =
          snd_pcm_writei(pcm_, interleaved_.data() + done * kChannels, static_cast<snd_pcm_uframes_t>(kPeriodFrames - done));
      if (n >= 0) {
        done += static_cast<int>(n);
      } else if (n == -EAGAIN) {
        if (snd_pcm_wait(pcm_, waitMs_) == 0) return false;
      } else if (snd_pcm_recover(pcm_, static_cast<int>(n), 1) < 0) {
        return false;
      }
    }
    return true;
  }

  IAudioSource& source_;
  snd_pcm_t* pcm_;
  const int waitMs_;
  std::vector<float> left_;
  std::vector<float> right_;
  std::vector<float> interleaved_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> failed_{false};
  std::thread thread_;
};

}  // namespace

std::unique_ptr<IAudioOutput> OpenAlsaOutput(IAudioSource& source, int latencyMs) {
  snd_lib_error_set_handler(&QuietAlsa);
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return nullptr;
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_FLOAT, SND_PCM_ACCESS_RW_INTERLEAVED, kChannels,
                         static_cast<unsigned>(source.SampleRate()), 1,
                         static_cast<unsigned>(latencyMs) * 1000) < 0) {
    snd_pcm_close(pcm);
    return nullptr;
  }
  source.SetLatencyFrames(latencyMs * source.SampleRate() / 1000);
  return std::make_unique<TAlsaOutput>(source, pcm, latencyMs);
}

}  // namespace lyrova
