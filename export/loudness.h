#pragma once
// How loud a saved song is: EBU R128, the loudness that broadcasters and
// streaming services level programmes by. A song is saved at -16 LUFS
// integrated, unless its true peak (between samples too) would then pass
// -1 dBTP: then the peak sets the level, and the song stays quieter rather
// than being squeezed by a limiter.

#include <memory>
#include <span>
#include <vector>

namespace lyrova {

inline constexpr double kSavedLoudnessLufs = -16.0;
inline constexpr double kSavedTruePeakDb = -1.0;

class TLoudnessMeter {
 public:
  // Stereo at `sampleRate`. Throws lyrova::Error when the meter cannot be made.
  explicit TLoudnessMeter(int sampleRate);
  ~TLoudnessMeter();
  TLoudnessMeter(const TLoudnessMeter&) = delete;
  TLoudnessMeter& operator=(const TLoudnessMeter&) = delete;

  void Add(std::span<const float> left, std::span<const float> right);
  // Both -infinity for silence.
  double IntegratedLufs() const;
  double TruePeakDb() const;

 private:
  struct State;  // libebur128's, whose type has no name to declare
  std::unique_ptr<State> state_;
  std::vector<float> frames_;  // interleaved, kept between blocks
};

// The factor that brings sound measured so to the saved level; 1 for silence.
float SavedGain(double integratedLufs, double truePeakDb);

}  // namespace lyrova
