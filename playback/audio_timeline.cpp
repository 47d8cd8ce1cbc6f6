#include "playback/audio_timeline.h"

#include <algorithm>

namespace lyrova {

void TAudioTimeline::Record(const TAudioMoment& moment) {
  const std::uint64_t index = count_.load(std::memory_order_relaxed);
  Slot& slot = slots_[index % kSize];
  slot.samplePos.store(moment.samplePos, std::memory_order_relaxed);
  slot.musicTime.store(moment.musicTime, std::memory_order_relaxed);
  slot.serial.store(moment.serial, std::memory_order_relaxed);
  count_.store(index + 1, std::memory_order_release);
}

TAudioMoment TAudioTimeline::At(std::int64_t samplePos) const {
  const std::uint64_t count = count_.load(std::memory_order_acquire);
  const std::uint64_t oldest = count > kSize - 1 ? count - (kSize - 1) : 0;
  for (std::uint64_t index = count; index > oldest; --index) {
    const Slot& slot = slots_[(index - 1) % kSize];
    TAudioMoment moment{slot.samplePos.load(std::memory_order_relaxed),
                        slot.musicTime.load(std::memory_order_relaxed),
                        slot.serial.load(std::memory_order_relaxed)};
    std::atomic_thread_fence(std::memory_order_acquire);
    // The writer may have lapped us while we read: then the slot is not the
    // one we meant to read.
    if (count_.load(std::memory_order_relaxed) >= index - 1 + kSize) break;
    if (moment.samplePos <= samplePos) return moment;
  }
  return TAudioMoment{samplePos, 0, 0};
}

void TAudioTimeline::ReportHeard(std::int64_t rendered, std::int64_t latency, std::int64_t nanos) {
  const std::uint32_t seq = reportSeq_.load(std::memory_order_relaxed);
  reportSeq_.store(seq + 1, std::memory_order_relaxed);
  std::atomic_thread_fence(std::memory_order_release);
  reportRendered_.store(rendered, std::memory_order_relaxed);
  reportLatency_.store(latency, std::memory_order_relaxed);
  reportNanos_.store(nanos, std::memory_order_relaxed);
  reportSeq_.store(seq + 2, std::memory_order_release);
}

void TAudioTimeline::SetFixedLatency(std::int64_t latency) { ReportHeard(0, latency, 0); }

std::int64_t TAudioTimeline::HeardSample(std::int64_t nanos, int sampleRate) const {
  const std::int64_t rendered = Rendered();
  std::int64_t reportRendered = 0;
  std::int64_t latency = 0;
  std::int64_t reportNanos = 0;
  for (;;) {
    const std::uint32_t seq = reportSeq_.load(std::memory_order_acquire);
    reportRendered = reportRendered_.load(std::memory_order_relaxed);
    latency = reportLatency_.load(std::memory_order_relaxed);
    reportNanos = reportNanos_.load(std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_acquire);
    if ((seq & 1) == 0 && reportSeq_.load(std::memory_order_relaxed) == seq) break;
  }
  if (reportNanos == 0) return rendered - latency;
  const std::int64_t elapsed = (nanos - reportNanos) * sampleRate / 1'000'000'000;
  return std::min(reportRendered - latency + std::max<std::int64_t>(elapsed, 0), rendered);
}

std::int64_t TAudioTimeline::Latency() const { return reportLatency_.load(std::memory_order_relaxed); }

}  // namespace lyrova
