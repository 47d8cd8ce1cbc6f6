#pragma once
// Which music was rendered at which sample: the audio thread records the
// state after every synthesizer block, and the clock looks up the moment the
// singer hears now (the rendered position minus the output's latency).

#include <array>
#include <atomic>
#include <cstdint>

namespace lyrova {

struct TAudioMoment {
  std::int64_t samplePos = 0;  // first sample of the block
  std::int64_t musicTime = 0;  // performance music time, 768 per quarter note
  std::uint32_t serial = 0;    // the segment sounding then; 0 for none
};

class TAudioTimeline {
 public:
  // Audio thread.
  void Record(const TAudioMoment& moment);
  void SetRendered(std::int64_t frames) { rendered_.store(frames, std::memory_order_release); }

  // Any thread.
  std::int64_t Rendered() const { return rendered_.load(std::memory_order_acquire); }
  // The newest recorded moment at or before samplePos; serial 0 when none is
  // known (nothing recorded yet, or older than the history kept).
  TAudioMoment At(std::int64_t samplePos) const;

 private:
  static constexpr std::size_t kSize = 4096;  // about 6 s of 64-sample blocks
  struct Slot {
    std::atomic<std::int64_t> samplePos{0};
    std::atomic<std::int64_t> musicTime{0};
    std::atomic<std::uint32_t> serial{0};
  };
  std::array<Slot, kSize> slots_;
  std::atomic<std::uint64_t> count_{0};
  std::atomic<std::int64_t> rendered_{0};
};

}  // namespace lyrova
