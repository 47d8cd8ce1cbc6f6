#pragma once
// A fixed-size queue between exactly one producer thread and one consumer
// thread. Neither side ever waits or allocates, so the audio callback can use
// it at both ends: commands in, notifications and retired players out.

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>

namespace lyrova {

template <typename T, std::size_t N>
class TSpscRing {
  static_assert(N >= 2 && (N & (N - 1)) == 0, "size must be a power of two");

 public:
  // False when the ring is full; the item is then not queued.
  bool Push(const T& item) {
    const std::size_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) == N) return false;
    slots_[head & (N - 1)] = item;
    head_.store(head + 1, std::memory_order_release);
    return true;
  }

  // The consumer's view: nothing to pop now.
  bool Empty() const {
    return tail_.load(std::memory_order_relaxed) == head_.load(std::memory_order_acquire);
  }

  std::optional<T> Pop() {
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    if (tail == head_.load(std::memory_order_acquire)) return std::nullopt;
    T item = slots_[tail & (N - 1)];
    tail_.store(tail + 1, std::memory_order_release);
    return item;
  }

 private:
  std::array<T, N> slots_{};
  alignas(64) std::atomic<std::size_t> head_{0};
  alignas(64) std::atomic<std::size_t> tail_{0};
};

}  // namespace lyrova
