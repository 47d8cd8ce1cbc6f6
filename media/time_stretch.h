#pragma once
// Key and tempo for recorded sound: SoundTouch stretches the time and shifts
// the pitch of 44,100 Hz stereo, and says which moment of the recording each
// stretched frame comes from, so that the picture follows the stretched time.

#include <memory>

namespace soundtouch {
class SoundTouch;
}

namespace lyrova {

class TTimeStretch {
 public:
  explicit TTimeStretch(int sampleRate);
  ~TTimeStretch();
  TTimeStretch(const TTimeStretch&) = delete;
  TTimeStretch& operator=(const TTimeStretch&) = delete;

  // 2 plays twice as fast; the pitch stays.
  void SetTempo(double factor);
  // Semitones up (down when negative); the tempo stays.
  void SetSemitones(double semitones);

  // Interleaved stereo frames of the recording, in order.
  void Put(const float* interleaved, int frames);
  // The recording has ended: what is still inside comes out.
  void Finish();
  // Up to `frames` stretched frames into `interleaved`; how many came. The
  // frame of the recording the first of them comes from goes to `source`.
  int Take(float* interleaved, int frames, double* source);
  int Ready() const;

 private:
  std::unique_ptr<soundtouch::SoundTouch> touch_;
  double tempo_ = 1.0;
  double fed_ = 0;        // frames of the recording put in
  double taken_ = 0;      // where the next stretched frame comes from
  bool finished_ = false;
};

}  // namespace lyrova
