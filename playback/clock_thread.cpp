#include "playback/clock_thread.h"

#include <exception>

namespace lyrova {

TClockThread::TClockThread(SongTimeSource songTime, ITickTarget& tick, std::chrono::milliseconds period)
    : songTime_(std::move(songTime)), tick_(tick), period_(period) {}

TClockThread::~TClockThread() { Stop(); }

void TClockThread::Start() {
  std::lock_guard lock(mutex_);
  if (thread_.joinable()) return;
  stop_ = false;
  thread_ = std::thread([this] { Run(); });
}

void TClockThread::Stop() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void TClockThread::Suspend() {
  std::unique_lock lock(mutex_);
  suspendRequested_ = true;
  changed_.notify_all();
  if (!thread_.joinable() || thread_.get_id() == std::this_thread::get_id()) return;
  changed_.wait(lock, [this] { return suspended_ || stop_; });
}

void TClockThread::Resume() {
  {
    std::lock_guard lock(mutex_);
    suspendRequested_ = false;
  }
  changed_.notify_all();
}

void TClockThread::Cycle() {
  std::string error;
  try {
    tick_.WMTimer(songTime_());
  } catch (const std::exception& e) {
    error = e.what();
    if (error.empty()) error = "?";
  } catch (...) {
    error = "?";
  }
  std::lock_guard lock(mutex_);
  ++cycles_;
  if (!error.empty()) {
    ++tickErrors_;
    lastTickError_ = std::move(error);
  }
}

std::uint64_t TClockThread::Cycles() const {
  std::lock_guard lock(mutex_);
  return cycles_;
}

std::uint64_t TClockThread::TickErrors() const {
  std::lock_guard lock(mutex_);
  return tickErrors_;
}

std::uint64_t TClockThread::LateCycles() const {
  std::lock_guard lock(mutex_);
  return lateCycles_;
}

std::string TClockThread::LastTickError() const {
  std::lock_guard lock(mutex_);
  return lastTickError_;
}

void TClockThread::Run() {
  using Clock = std::chrono::steady_clock;
  auto due = Clock::now();
  std::unique_lock lock(mutex_);
  for (;;) {
    if (suspendRequested_ && !stop_) {
      suspended_ = true;
      changed_.notify_all();
      changed_.wait(lock, [this] { return !suspendRequested_ || stop_; });
      suspended_ = false;
      due = Clock::now();
    }
    if (stop_) return;
    lock.unlock();
    Cycle();
    lock.lock();
    due += period_;
    if (Clock::now() > due) ++lateCycles_;
    // A tick slower than the period starts the next cycle at once, without
    // piling up cycles to catch up.
    if (due < Clock::now()) due = Clock::now();
    changed_.wait_until(lock, due, [this] { return stop_ || suspendRequested_; });
  }
}

}  // namespace lyrova
