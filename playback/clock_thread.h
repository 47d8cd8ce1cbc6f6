#pragma once
// The lyric clock: a thread that, at least 50 times a second, takes the song
// time and hands it to the singer's window's tick. It sleeps between cycles
// (never a busy loop), and an error inside one tick does not end it.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "playback/song_targets.h"

namespace lyrova {

class TClockThread {
 public:
  using SongTimeSource = std::function<std::int32_t()>;
  static constexpr std::chrono::milliseconds kPeriod{20};

  TClockThread(SongTimeSource songTime, ITickTarget& tick, std::chrono::milliseconds period = kPeriod);
  ~TClockThread();  // stops the thread
  TClockThread(const TClockThread&) = delete;
  TClockThread& operator=(const TClockThread&) = delete;

  void Start();
  // Returns when the thread has ended (after the tick running, if any).
  void Stop();
  // From another thread: returns once the clock is between ticks and will
  // tick no more until Resume. On the clock's own thread it only asks.
  void Suspend();
  void Resume();

  // One cycle: the song time to the tick. An exception from the tick is
  // caught and counted; the next cycle runs as usual.
  void Cycle();
  std::uint64_t Cycles() const;
  std::uint64_t TickErrors() const;
  // Cycles that ended after the next one was due: a picture shown late.
  std::uint64_t LateCycles() const;
  std::string LastTickError() const;

 private:
  void Run();

  SongTimeSource songTime_;
  ITickTarget& tick_;
  const std::chrono::milliseconds period_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool stop_ = false;
  bool suspendRequested_ = false;
  bool suspended_ = false;
  std::uint64_t cycles_ = 0;
  std::uint64_t tickErrors_ = 0;
  std::uint64_t lateCycles_ = 0;
  std::string lastTickError_;
  std::thread thread_;
};

}  // namespace lyrova
