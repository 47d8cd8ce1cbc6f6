#pragma once
// An auto-reset event: Set wakes one waiter, or the next one to wait, and the
// event clears itself when a wait returns. Set never blocks, so the audio
// callback may signal it.

#include <semaphore.h>

#include <atomic>
#include <chrono>

namespace lyrova {

class TAutoResetEvent {
 public:
  TAutoResetEvent();
  ~TAutoResetEvent();
  TAutoResetEvent(const TAutoResetEvent&) = delete;
  TAutoResetEvent& operator=(const TAutoResetEvent&) = delete;

  void Set();
  // True when the event was set before the timeout ran out.
  bool Wait(std::chrono::milliseconds timeout);

 private:
  sem_t sem_;
  std::atomic<bool> signalled_{false};
};

}  // namespace lyrova
