#include "playback/audio_timeline.h"

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

}  // namespace lyrova
