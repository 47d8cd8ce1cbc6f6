#include "media/time_stretch.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>

namespace lyrova {

TTimeStretch::TTimeStretch(int sampleRate) : touch_(std::make_unique<soundtouch::SoundTouch>()) {
  touch_->setSampleRate(static_cast<unsigned>(sampleRate));
  touch_->setChannels(2);
  // SoundTouch's automatic sequence grows to 125 ms at slow tempos, which
  // smears a note's start and end by as much; 40 ms keeps them in place
  // and still sounds clean on music.
  touch_->setSetting(SETTING_SEQUENCE_MS, 40);
  touch_->setSetting(SETTING_SEEKWINDOW_MS, 15);
}

TTimeStretch::~TTimeStretch() = default;

void TTimeStretch::SetTempo(double factor) {
  tempo_ = factor;
  touch_->setTempo(factor);
}

void TTimeStretch::SetSemitones(double semitones) { touch_->setPitchSemiTones(semitones); }

void TTimeStretch::Put(const float* interleaved, int frames) {
  if (frames <= 0) return;
  touch_->putSamples(interleaved, static_cast<unsigned>(frames));
  fed_ += frames;
}

void TTimeStretch::Finish() {
  if (finished_) return;
  finished_ = true;
  touch_->flush();
}

int TTimeStretch::Ready() const { return static_cast<int>(touch_->numSamples()); }

int TTimeStretch::Take(float* interleaved, int frames, double* source) {
  // What is still inside (not yet processed, and processed but not taken)
  // lies behind the recording's frames put in; at the current tempo a
  // stretched frame stands for `tempo_` frames of the recording. The
  // estimate never goes back, so the picture never jumps backwards.
  const double inside = touch_->numUnprocessedSamples() + touch_->numSamples() * tempo_;
  const double estimate = std::clamp(fed_ - inside, 0.0, fed_);
  taken_ = std::max(taken_, estimate);
  *source = taken_;
  const int n = static_cast<int>(touch_->receiveSamples(interleaved, static_cast<unsigned>(frames)));
  taken_ = std::min(taken_ + n * tempo_, fed_);
  return n;
}

}  // namespace lyrova
