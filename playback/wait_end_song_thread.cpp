#include "playback/wait_end_song_thread.h"

#include <chrono>

#include "playback/performance.h"

namespace lyrova {

TWaitEndSongThread::TWaitEndSongThread(TPerformance& performance, ISongEndTarget& songEnd)
    : performance_(performance), songEnd_(songEnd) {}

TWaitEndSongThread::~TWaitEndSongThread() { Stop(); }

void TWaitEndSongThread::Start() {
  if (thread_.joinable()) return;
  stop_.store(false);
  thread_ = std::thread([this] { Run(); });
}

void TWaitEndSongThread::Stop() {
  stop_.store(true);
  if (thread_.joinable()) thread_.join();
}

TWaitEndSongThread::Playing TWaitEndSongThread::PlayingSegment() const {
  const std::uint64_t value = playing_.load(std::memory_order_acquire);
  return {static_cast<std::uint32_t>(value >> 32), static_cast<std::uint32_t>(value)};
}

void TWaitEndSongThread::Run() {
  while (!stop_.load()) {
    if (performance_.WaitNotification(std::chrono::milliseconds(100))) ProcessNotifications();
  }
}

void TWaitEndSongThread::ProcessNotifications() {
  while (auto note = performance_.PopNotification()) {
    switch (note->kind) {
      case TSegmentNotification::Start:
        playing_.store(std::uint64_t{note->serial} << 32 | static_cast<std::uint32_t>(note->musicTime),
                       std::memory_order_release);
        songPlaying_.store(true, std::memory_order_release);
        break;
      case TSegmentNotification::End:
        // Cleared before the call: the main thread may be waiting for it.
        songPlaying_.store(false, std::memory_order_release);
        songEnd_.WMSongEnd(note->serial);
        break;
      case TSegmentNotification::Abort:
        songPlaying_.store(false, std::memory_order_release);
        break;
    }
  }
}

}  // namespace lyrova
