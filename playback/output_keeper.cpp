#include "playback/output_keeper.h"

#include <algorithm>

#include "playback/performance.h"

namespace lyrova {

using Clock = std::chrono::steady_clock;

std::vector<TOutputKind> StandardOutputKinds(TPerformance& performance, bool device, int latencyMs) {
  std::vector<TOutputKind> kinds;
  if (device) {
    kinds.push_back({[latencyMs](TPerformance& p) { return OpenPulseOutput(p, latencyMs); }, false,
                     [&performance] { return PulseServerAnswers(performance); }});
    kinds.push_back({[latencyMs](TPerformance& p) { return OpenAlsaOutput(p, latencyMs); }, false, nullptr});
  }
  kinds.push_back({[](TPerformance& p) { return OpenSilentOutput(p); }, true, nullptr});
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
  output_.reset();
}

void TOutputKeeper::OpenFrom(std::size_t from) {
  output_.reset();  // one output at a time renders
  for (std::size_t k = std::min(from, kinds_.size() - 1); k < kinds_.size(); ++k) {
    if ((output_ = kinds_[k].open(performance_))) {
      kind_ = k;
      break;
    }
  }
  lastRendered_ = performance_.RenderedFrames();
  movedSinceOpen_ = false;
  opened_ = lastMoved_ = lastRetry_ = Clock::now();
  std::lock_guard lock(statusMutex_);
  status_.reopens = reopens_;
  status_.name = output_ ? output_->Name() : std::string();
  status_.silent = output_ && kinds_[kind_].silent;
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
         now - opened_ >= timing_.startGrace;
}

void TOutputKeeper::Watch() {
  std::unique_lock lock(mutex_);
  while (!stopCv_.wait_for(lock, timing_.poll, [&] { return stop_; })) {
    const auto now = Clock::now();
    if (!output_) continue;
    const bool failed = output_->Failed();
    if (failed || Stalled(now)) {
      ++reopens_;
      // A working output lost: the better kinds are asked for again soon.
      if (movedSinceOpen_) retryBetter_ = timing_.retryBetter;
      // The same kind again, unless it was just opened and never pulled:
      // then it is stuck and the next kind plays.
      OpenFrom(failed || movedSinceOpen_ ? kind_ : kind_ + 1);
    } else if (kind_ > 0 && now - lastRetry_ >= retryBetter_) {
      TryBetterKind();
    }
  }
}

void TOutputKeeper::TryBetterKind() {
  lastRetry_ = Clock::now();
  for (std::size_t k = 0; k < kind_; ++k) {
    if (!kinds_[k].answers || !kinds_[k].answers()) continue;
    const std::size_t before = kind_;
    ++reopens_;
    OpenFrom(k);
    // A kind that answers but will not play is asked less and less often,
    // each try being a break in the sound.
    if (kind_ >= before) retryBetter_ = std::min(retryBetter_ * 2, timing_.retryLimit);
    return;
  }
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
