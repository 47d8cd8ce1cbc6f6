#pragma once
// Keeps an audio output pulling: opens the first kind that works, and when
// the one in use fails or stops pulling for longer than the stall limit
// while it should, reopens it (the same kind, else the next, down to the
// silent one) on its own thread, so no window waits for a sound server.
// Playing on any but the first kind, it keeps asking whether a better kind
// answers, so a restarted (or late) sound server is taken back at once.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "playback/audio_output.h"

namespace lyrova {

class TPerformance;

struct TOutputKind {
  std::function<std::unique_ptr<IAudioOutput>(TPerformance&)> open;
  bool silent = false;  // plays nothing: the last resort
  // Whether this kind would open now, asked without opening it (and so
  // without closing the output in use); unset: never asked.
  std::function<bool()> answers;
};

struct TAudioStatus {
  std::string name;  // of the output in use; empty when there is none
  bool silent = false;
  int latencyMs = 0;  // measured, or as asked where it cannot be measured
  std::uint64_t reopens = 0;
};

// The kinds a real-time player tries, in order: with `device`, a PulseAudio
// server, then the default ALSA device, asking each for `latencyMs`; always
// the silent output last.
std::vector<TOutputKind> StandardOutputKinds(TPerformance& performance, bool device, int latencyMs);

class TOutputKeeper {
 public:
  struct Timing {
    std::chrono::milliseconds stallLimit{500};
    // A sound server may take this long to start a new stream (a sink
    // waking from suspend): a fresh output is not called stalled before.
    std::chrono::milliseconds startGrace{2000};
    std::chrono::milliseconds retryBetter{250};  // cheap: a server that is not there refuses at once
    std::chrono::milliseconds retryLimit{30000};  // for a kind that answers but will not play
    std::chrono::milliseconds poll{50};
  };

  // Opens the first kind that works at once, on the caller's thread.
  TOutputKeeper(TPerformance& performance, std::vector<TOutputKind> kinds, Timing timing);
  TOutputKeeper(TPerformance& performance, std::vector<TOutputKind> kinds)
      : TOutputKeeper(performance, std::move(kinds), Timing{}) {}
  ~TOutputKeeper();  // stops watching, then closes the output
  TOutputKeeper(const TOutputKeeper&) = delete;
  TOutputKeeper& operator=(const TOutputKeeper&) = delete;

  // Any thread; never waits for an output being opened.
  TAudioStatus Status() const;

 private:
  void Watch();
  // With mutex_ held: the first kind from `from` on that opens.
  void OpenFrom(std::size_t from);
  bool Stalled(std::chrono::steady_clock::time_point now);
  // With mutex_ held: the first better kind that answers, opened.
  void TryBetterKind();

  TPerformance& performance_;
  const std::vector<TOutputKind> kinds_;
  const Timing timing_;
  std::mutex mutex_;  // held while an output opens, which may take seconds
  std::condition_variable stopCv_;
  mutable std::mutex statusMutex_;
  TAudioStatus status_;  // without the latency, which is read when asked
  bool stop_ = false;
  std::unique_ptr<IAudioOutput> output_;
  std::size_t kind_ = 0;
  bool movedSinceOpen_ = false;
  std::chrono::milliseconds retryBetter_;
  std::uint64_t reopens_ = 0;
  std::int64_t lastRendered_ = -1;
  std::chrono::steady_clock::time_point lastMoved_;
  std::chrono::steady_clock::time_point opened_;
  std::chrono::steady_clock::time_point lastRetry_;
  std::thread thread_;
};

}  // namespace lyrova
