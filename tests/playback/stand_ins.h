#pragma once
// Stand-ins for the windows the engine drives.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "playback/song_targets.h"

namespace lyrova::test {

class TLyricRecorder : public ILyricTarget {
 public:
  void SetLyrics(const std::vector<std::string>& lines) override {
    std::lock_guard lock(mutex_);
    lines_ = lines;
    calls_.push_back("SetLyrics");
  }
  void SetTiming(const TimingPairs& timing) override {
    std::lock_guard lock(mutex_);
    timing_ = timing;
    calls_.push_back("SetTiming");
  }
  std::vector<std::string> Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  std::vector<std::string> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  TimingPairs Timing() const {
    std::lock_guard lock(mutex_);
    return timing_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
  std::vector<std::string> lines_;
  TimingPairs timing_;
};

class TSongEndRecorder : public ISongEndTarget {
 public:
  void WMSongEnd(std::uint32_t serial) override {
    std::lock_guard lock(mutex_);
    ++ends_;
    lastSerial_ = serial;
    changed_.notify_all();
  }
  int Ends() const {
    std::lock_guard lock(mutex_);
    return ends_;
  }
  std::uint32_t LastSerial() const {
    std::lock_guard lock(mutex_);
    return lastSerial_;
  }
  bool WaitForEnds(int count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return ends_ >= count; });
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::uint32_t lastSerial_ = 0;
  int ends_ = 0;
};

class TTickRecorder : public ITickTarget {
 public:
  void WMTimer(std::int32_t songTime) override {
    std::lock_guard lock(mutex_);
    times_.push_back(songTime);
  }
  std::vector<std::int32_t> Times() const {
    std::lock_guard lock(mutex_);
    return times_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::int32_t> times_;
};

// Polls until pred holds or the timeout runs out.
template <typename Pred>
bool WaitUntil(Pred pred, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!pred()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace lyrova::test
