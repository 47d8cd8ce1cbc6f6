#include "playback/auto_reset_event.h"

#include <cerrno>
#include <ctime>

namespace lyrova {

TAutoResetEvent::TAutoResetEvent() { sem_init(&sem_, 0, 0); }

TAutoResetEvent::~TAutoResetEvent() { sem_destroy(&sem_); }

void TAutoResetEvent::Set() {
  // Only the first Set after a wakeup posts, so the count never exceeds one.
  if (!signalled_.exchange(true, std::memory_order_acq_rel)) sem_post(&sem_);
}

bool TAutoResetEvent::Wait(std::chrono::milliseconds timeout) {
  timespec deadline{};
  clock_gettime(CLOCK_MONOTONIC, &deadline);
  const long long ns = deadline.tv_nsec + static_cast<long long>(timeout.count()) * 1000000LL;
  deadline.tv_sec += static_cast<time_t>(ns / 1000000000LL);
  deadline.tv_nsec = static_cast<long>(ns % 1000000000LL);
  for (;;) {
    if (sem_clockwait(&sem_, CLOCK_MONOTONIC, &deadline) == 0) break;
    if (errno != EINTR) return false;
  }
  // Cleared before the caller looks at what was signalled: a Set that comes
  // after this posts again, so nothing queued behind it is missed.
  signalled_.store(false, std::memory_order_release);
  return true;
}

}  // namespace lyrova
