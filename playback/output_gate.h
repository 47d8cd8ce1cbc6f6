#pragma once
// An output's way to its source. While closed, the output is on trial: it
// plays silence, and what it took and still holds is counted, so the keeper
// sees whether a server really plays before giving it the song. Opened, it
// passes everything through.

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "playback/audio_source.h"

namespace lyrova {

class TOutputGate final : public IAudioSource {
 public:
  TOutputGate(IAudioSource& source, bool open) : source_(source), open_(open) {}

  int SampleRate() const override { return source_.SampleRate(); }
  void Render(float* left, float* right, int frames) override {
    if (open_.load(std::memory_order_acquire)) {
      source_.Render(left, right, frames);
    } else {
      std::fill_n(left, frames, 0.0f);
      std::fill_n(right, frames, 0.0f);
    }
    taken_.store(taken_.load(std::memory_order_relaxed) + frames, std::memory_order_release);
  }
  void SetLatencyFrames(int frames) override {
    held_.store(frames, std::memory_order_release);
    if (open_.load(std::memory_order_acquire)) source_.SetLatencyFrames(frames);
  }
  void ReportLatency(std::int64_t frames, std::int64_t nanos) override {
    held_.store(frames, std::memory_order_release);
    if (open_.load(std::memory_order_acquire)) source_.ReportLatency(frames, nanos);
  }

  // The keeper's thread, once no other output plays the source: from now on
  // this one does, starting behind what it still holds.
  void Open() {
    source_.SetLatencyFrames(static_cast<int>(held_.load(std::memory_order_acquire)));
    open_.store(true, std::memory_order_release);
  }
  // Frames the output has really played so far: taken, less still held.
  std::int64_t Played() const {
    return taken_.load(std::memory_order_acquire) - held_.load(std::memory_order_acquire);
  }

 private:
  IAudioSource& source_;
  std::atomic<bool> open_;
  std::atomic<std::int64_t> taken_{0};
  std::atomic<std::int64_t> held_{0};
};

}  // namespace lyrova
