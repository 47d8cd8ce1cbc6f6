#include "export/loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "catalog/errors.h"

namespace lyrova {

struct TLoudnessMeter::State {
  ebur128_state* meter = nullptr;
  ~State() { ebur128_destroy(&meter); }
};

TLoudnessMeter::TLoudnessMeter(int sampleRate) : state_(std::make_unique<State>()) {
  state_->meter = ebur128_init(2, static_cast<unsigned long>(sampleRate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
  if (state_->meter == nullptr) throw Error("sound: cannot measure the loudness");
}

TLoudnessMeter::~TLoudnessMeter() = default;

void TLoudnessMeter::Add(std::span<const float> left, std::span<const float> right) {
  const std::size_t n = std::min(left.size(), right.size());
  frames_.resize(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    frames_[2 * i] = left[i];
    frames_[2 * i + 1] = right[i];
  }
  if (ebur128_add_frames_float(state_->meter, frames_.data(), n) != EBUR128_SUCCESS)
    throw Error("sound: cannot measure the loudness");
}

double TLoudnessMeter::IntegratedLufs() const {
  double lufs = -std::numeric_limits<double>::infinity();
  ebur128_loudness_global(state_->meter, &lufs);
  return lufs;
}

double TLoudnessMeter::TruePeakDb() const {
  double peak = 0.0;
  for (unsigned channel = 0; channel < 2; ++channel) {
    double p = 0.0;
    if (ebur128_true_peak(state_->meter, channel, &p) == EBUR128_SUCCESS) peak = std::max(peak, p);
  }
  return peak > 0.0 ? 20.0 * std::log10(peak) : -std::numeric_limits<double>::infinity();
}

float SavedGain(double integratedLufs, double truePeakDb) {
  if (!std::isfinite(integratedLufs) || !std::isfinite(truePeakDb)) return 1.0f;
  const double db = std::min(kSavedLoudnessLufs - integratedLufs, kSavedTruePeakDb - truePeakDb);
  return static_cast<float>(std::pow(10.0, db / 20.0));
}

}  // namespace lyrova
