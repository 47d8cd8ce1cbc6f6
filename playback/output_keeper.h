#pragma once
// Keeps an audio output pulling: opens the first kind that works, and when
// the one in use fails or stops pulling for longer than the stall limit
// while it should, goes at once to the next kind that opens (down to the
// silent one), on its own thread, so no window waits for a sound server and
// the song keeps moving. Playing on any but the first kind, it keeps trying
// the better kinds: each is opened beside the one in use and plays silence
// until it has shown that it plays, then takes the song over. A kind that
// opens but does not play in time counts as failed and is tried less and
// less often.

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
#include "playback/output_gate.h"

namespace lyrova {

class TPerformance;

struct TOutputKind {
  std::function<std::unique_ptr<IAudioOutput>(IAudioSource&)> open;
  bool silent = false;  // plays nothing: the last resort
  // Whether this kind would open now, asked without opening it; unset: the
  // kind is only tried when the one in use is lost.
  std::function<bool()> answers;
};

struct TAudioStatus {
  std::string name;  // of the output in use; empty when there is none
  bool silent = false;
  int latencyMs = 0;  // measured, or as asked where it cannot be measured
  std::uint64_t reopens = 0;
};

// The kinds a real-time player tries, in order: with `device`, the sound
// server (a PipeWire daemon, else a PulseAudio server), then the default ALSA device, asking each for `latencyMs`; always
// the silent output last.
std::vector<TOutputKind> StandardOutputKinds(TPerformance& performance, bool device, int latencyMs);

class TOutputKeeper {
 public:
  struct Timing {
    std::chrono::milliseconds stallLimit{500};
    // A sound server may take this long to start a new stream (a sink
    // waking from suspend): a fresh output is not called stalled before,
    // and one on trial has this long to play.
    std::chrono::milliseconds startGrace{2000};
    std::chrono::milliseconds retryBetter{250};  // cheap: a server that is not there refuses at once
    std::chrono::milliseconds retryLimit{30000};  // for a kind that answers but will not play
    std::chrono::milliseconds poll{50};
  };

  // Opens the first kind that works at once, on the caller's thread.
  TOutputKeeper(TPerformance& performance, std::vector<TOutputKind> kinds, Timing timing);
  TOutputKeeper(TPerformance& performance, std::vector<TOutputKind> kinds)
      : TOutputKeeper(performance, std::move(kinds), Timing{}) {}
  ~TOutputKeeper();  // stops watching, then closes the outputs
  TOutputKeeper(const TOutputKeeper&) = delete;
  TOutputKeeper& operator=(const TOutputKeeper&) = delete;

  // Any thread; never waits for an output being opened.
  TAudioStatus Status() const;

 private:
  struct TOpened {
    std::unique_ptr<TOutputGate> gate;      // outlives its output
    std::unique_ptr<IAudioOutput> output;
    std::size_t kind = 0;
    std::chrono::steady_clock::time_point opened;
    void Close() {
      output.reset();
      gate.reset();
    }
  };

  void Watch();
  // With mutex_ held: the first kind from `from` on that opens, in use at once.
  void OpenFrom(std::size_t from);
  void InUse(TOpened opened);
  bool Stalled(std::chrono::steady_clock::time_point now);
  // With mutex_ held: the first better kind that answers, opened on trial.
  void TryBetterKind(std::chrono::steady_clock::time_point now);
  void WatchTrial(std::chrono::steady_clock::time_point now);
  void KindFailed(std::chrono::steady_clock::time_point now);

  TPerformance& performance_;
  const std::vector<TOutputKind> kinds_;
  const Timing timing_;
  std::mutex mutex_;  // held while an output opens, which may take seconds
  std::condition_variable stopCv_;
  mutable std::mutex statusMutex_;
  TAudioStatus status_;  // without the latency, which is read when asked
  bool stop_ = false;
  TOpened current_;
  TOpened trial_;  // a better kind on trial, or none
  bool movedSinceOpen_ = false;
  std::chrono::milliseconds retryBetter_;
  std::uint64_t reopens_ = 0;
  std::int64_t lastRendered_ = -1;
  std::chrono::steady_clock::time_point lastMoved_;
  std::chrono::steady_clock::time_point lastRetry_;
  std::thread thread_;
};

}  // namespace lyrova
