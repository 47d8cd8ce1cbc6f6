#pragma once
// Which music was rendered at which sample: the audio thread records the
// state after every synthesizer block, and the clock looks up the moment the
// singer hears now. An output that measures its latency reports, with a time
// stamp, which sample was being heard then; between reports the heard
// position moves on with the wall clock.

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

  // The output's thread: at steady-clock time `nanos`, `latency` of the
  // `rendered` frames were still to be heard. Never waits.
  void ReportHeard(std::int64_t rendered, std::int64_t latency, std::int64_t nanos);
  // Without a measurement: the heard sample is always `latency` frames behind.
  void SetFixedLatency(std::int64_t latency);

  // Any thread.
  std::int64_t Rendered() const { return rendered_.load(std::memory_order_acquire); }
  // The sample heard at steady-clock time `nanos`, never past what was rendered.
  std::int64_t HeardSample(std::int64_t nanos, int sampleRate) const;
  // The latency of the newest report, in frames.
  std::int64_t Latency() const;
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
  // The newest report, written by one thread under a sequence count (odd
  // while writing) so that a reader never mixes two reports.
  std::atomic<std::uint32_t> reportSeq_{0};
  std::atomic<std::int64_t> reportRendered_{0};
  std::atomic<std::int64_t> reportLatency_{0};
  std::atomic<std::int64_t> reportNanos_{0};  // 0: a fixed latency, no clock
};

}  // namespace lyrova
