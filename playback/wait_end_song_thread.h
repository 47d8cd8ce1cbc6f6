#pragma once
// The end-of-song thread: follows the performance's segment notifications,
// keeps the playing state, and tells the main window when a song has reached
// its natural end. An abort (a stop) only clears the state: it never
// advances the playlist.

#include <atomic>
#include <cstdint>
#include <thread>

#include "playback/song_targets.h"

namespace lyrova {

class TPerformance;

class TWaitEndSongThread {
 public:
  TWaitEndSongThread(TPerformance& performance, ISongEndTarget& songEnd);
  ~TWaitEndSongThread();  // stops the thread
  TWaitEndSongThread(const TWaitEndSongThread&) = delete;
  TWaitEndSongThread& operator=(const TWaitEndSongThread&) = delete;

  void Start();
  // Notices the request within one 100 ms wait and returns when the thread
  // has ended.
  void Stop();
  // Handles every notification queued so far, on the caller's thread: the
  // thread's own step, and the whole mechanism for offline rendering.
  void ProcessNotifications();

  // Any thread.
  bool SongPlaying() const { return songPlaying_.load(std::memory_order_acquire); }
  // The segment playing and the performance's music time at its start, as
  // one value so that a reader never pairs one song's start with another.
  struct Playing {
    std::uint32_t serial;
    std::uint32_t songStartTime;  // music time, wrapping like the performance's
  };
  Playing PlayingSegment() const;

 private:
  void Run();

  TPerformance& performance_;
  ISongEndTarget& songEnd_;
  std::atomic<bool> songPlaying_{false};
  std::atomic<std::uint64_t> playing_{0};  // serial << 32 | SongStartTime
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace lyrova
