#include "remote/remote_guard.h"

#include <algorithm>
#include <cmath>

namespace lyrova {

namespace {

constexpr std::size_t kAddressesBeforePrune = 4096;

double Seconds(TRemoteGuard::Clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

bool TRemoteGuard::Admit(const std::string& address, Clock::time_point now) {
  if (buckets_.size() >= kAddressesBeforePrune) Prune(now);
  auto [it, fresh] = buckets_.try_emplace(address, Bucket{kBurst, now});
  Bucket& b = it->second;
  if (!fresh) b.tokens = std::min(kBurst, b.tokens + Seconds(now - b.at) * kPerSecond);
  b.at = now;
  if (b.tokens < 1) return false;
  b.tokens -= 1;
  return true;
}

void TRemoteGuard::Prune(Clock::time_point now) {
  const double refill = kBurst / kPerSecond;
  std::erase_if(buckets_, [&](const auto& item) { return Seconds(now - item.second.at) >= refill; });
  std::erase_if(pins_, [&](const auto& item) { return item.second.next <= now; });
}

double TRemoteGuard::PinWait(const std::string& address, Clock::time_point now) const {
  const auto it = pins_.find(address);
  if (it == pins_.end() || it->second.next <= now) return 0;
  return Seconds(it->second.next - now);
}

void TRemoteGuard::PinWrong(const std::string& address, Clock::time_point now) {
  PinTries& tries = pins_[address];
  ++tries.wrong;
  const double wait = std::min(kLongestPinWait, std::ldexp(1.0, std::min(tries.wrong - 1, 20)));
  tries.next = now + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(wait));
}

}  // namespace lyrova
