#pragma once
// TRemoteGuard: how often each address may ask, and how long it must wait
// after a wrong PIN. A token bucket per address keeps one phone (or one
// script) from starving the rest; each wrong PIN doubles the wait before the
// next try from that address (1 s, 2 s, 4 s, ... at most 5 minutes), so the
// 10,000 four-digit PINs cannot be tried in an evening.

#include <chrono>
#include <string>
#include <unordered_map>

namespace lyrova {

class TRemoteGuard {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr double kBurst = 60;      // requests at once
  static constexpr double kPerSecond = 20;  // requests a second, sustained
  static constexpr double kLongestPinWait = 300;

  // Whether a request from `address` is answered; counts it when it is.
  bool Admit(const std::string& address, Clock::time_point now);

  // Seconds before `address` may try a PIN again; 0 when it may now.
  double PinWait(const std::string& address, Clock::time_point now) const;
  void PinWrong(const std::string& address, Clock::time_point now);
  void PinRight(const std::string& address) { pins_.erase(address); }

 private:
  struct Bucket {
    double tokens = kBurst;
    Clock::time_point at;
  };
  struct PinTries {
    int wrong = 0;
    Clock::time_point next;
  };
  // Forgets addresses that have been quiet long enough to have a full
  // bucket, so that a scan of many addresses cannot grow the table forever.
  void Prune(Clock::time_point now);

  std::unordered_map<std::string, Bucket> buckets_;
  std::unordered_map<std::string, PinTries> pins_;
};

}  // namespace lyrova
