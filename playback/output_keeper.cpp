#include "playback/output_keeper.h"

#include <algorithm>

#include "playback/performance.h"

namespace lyrova {

using Clock = std::chrono::steady_clock;

namespace {
// An output on trial has played when this much of what it took has left
// its buffer (20 ms): a server that only fills a stream's buffer once and
// then never asks again has not.
constexpr std::int64_t kPlayedOnTrial = TPerformance::kSampleRate / 50;
}  // namespace

std::vector<TOutputKind> StandardOutputKinds(TPerformance& performance, bool device, int latencyMs) {
  std::vector<TOutputKind> kinds;
  if (device) {
    // The desktop's sound server: PipeWire through its own library where it
    // runs, else a PulseAudio server.
    kinds.push_back({[latencyMs](IAudioSource& s) {
                       auto output = OpenPipeWireOutput(s, latencyMs);
                       return output ? std::move(output) : OpenPulseOutput(s, latencyMs);
                     },
                     false,
                     [&performance] { return PipeWireServerAnswers(performance) || PulseServerAnswers(performance); }});
    kinds.push_back({[latencyMs](IAudioSource& s) { return OpenAlsaOutput(s, latencyMs); }, false, nullptr});
  }
  kinds.push_back({[](IAudioSource& s) { return OpenSilentOutput(s); }, true, nullptr});
  return kinds;
}

TOutputKeeper::TOutputKeeper(TPerformance& performance, std::vector<TOutputKind> kinds, Timing timing)
    : performance_(performance), kinds_(std::move(kinds)), timing_(timing), retryBetter_(timing.retryBetter) {
  {
    std::lock_guard lock(mutex_);
    OpenFrom(0);
  }
  thread_ = std::thread([this] { Watch(); });
}

TOutputKeeper::~TOutputKeeper() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  stopCv_.notify_all();
  thread_.join();
  trial_.Close();
  current_.Close();
}

void TOutputKeeper::OpenFrom(std::size_t from) {
  current_.Close();  // one output at a time renders
  for (std::size_t k = std::min(from, kinds_.size() - 1); k < kinds_.size(); ++k) {
    TOpened opened{std::make_unique<TOutputGate>(performance_, true), nullptr, k, Clock::now()};
    if ((opened.output = kinds_[k].open(*opened.gate))) {
      InUse(std::move(opened));
      return;
    }
  }
  InUse({});
}

void TOutputKeeper::InUse(TOpened opened) {
  current_ = std::move(opened);
  lastRendered_ = performance_.RenderedFrames();
  movedSinceOpen_ = false;
  lastMoved_ = Clock::now();
  std::lock_guard lock(statusMutex_);
  status_.reopens = reopens_;
  status_.name = current_.output ? current_.output->Name() : std::string();
  status_.silent = current_.output && kinds_[current_.kind].silent;
}

bool TOutputKeeper::Stalled(Clock::time_point now) {
  const std::int64_t rendered = performance_.RenderedFrames();
  if (rendered != lastRendered_) {
    lastRendered_ = rendered;
    lastMoved_ = now;
    movedSinceOpen_ = true;
    return false;
  }
  return now - lastMoved_ >= StallTime(performance_.LatencyMs(), timing_.stallLimit) &&
         now - current_.opened >= timing_.startGrace;
}

void TOutputKeeper::Watch() {
  std::unique_lock lock(mutex_);
  while (!stopCv_.wait_for(lock, timing_.poll, [&] { return stop_; })) {
    const auto now = Clock::now();
    if (trial_.output) WatchTrial(now);
    if (!current_.output) continue;
    if (current_.output->Failed() || Stalled(now)) {
      ++reopens_;
      const std::size_t lost = current_.kind;
      const bool worked = movedSinceOpen_;
      // The song goes on at once on the next kind that opens; the lost one
      // is tried beside it.
      OpenFrom(lost + 1 < kinds_.size() ? lost + 1 : lost);
      if (worked) {
        retryBetter_ = timing_.retryBetter;
        lastRetry_ = now - retryBetter_;
      } else {
        KindFailed(now);
      }
    }
    if (!trial_.output && current_.kind > 0 && now - lastRetry_ >= retryBetter_) TryBetterKind(now);
  }
}

void TOutputKeeper::TryBetterKind(Clock::time_point now) {
  lastRetry_ = now;
  for (std::size_t k = 0; k < current_.kind; ++k) {
    if (!kinds_[k].answers || !kinds_[k].answers()) continue;
    TOpened opened{std::make_unique<TOutputGate>(performance_, false), nullptr, k, Clock::now()};
    if ((opened.output = kinds_[k].open(*opened.gate))) {
      trial_ = std::move(opened);
    } else {
      KindFailed(now);
    }
    return;
  }
}

void TOutputKeeper::WatchTrial(Clock::time_point now) {
  if (trial_.output->Failed() || now - trial_.opened >= timing_.startGrace) {
    trial_.Close();
    KindFailed(now);
  } else if (trial_.gate->Played() >= kPlayedOnTrial) {
    ++reopens_;
    current_.Close();
    trial_.gate->Open();
    InUse(std::move(trial_));
    trial_ = {};
  }
}

// A kind that answers but will not play is asked less and less often.
void TOutputKeeper::KindFailed(Clock::time_point now) {
  retryBetter_ = std::min(retryBetter_ * 2, timing_.retryLimit);
  lastRetry_ = now;
}

TAudioStatus TOutputKeeper::Status() const {
  TAudioStatus status;
  {
    std::lock_guard lock(statusMutex_);
    status = status_;
  }
  if (!status.name.empty())
    status.latencyMs = performance_.LatencyMs();
  return status;
}

}  // namespace lyrova
