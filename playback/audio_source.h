#pragma once
// What an audio output plays: the output calls these on its own thread,
// one block after another, and says how much of what it took is still to
// be heard. The performance is one; the keeper puts a gate in front of it
// for an output on trial, and further sources can be mixed in front of it.

#include <cstdint>

namespace lyrova {

class IAudioSource {
 public:
  virtual ~IAudioSource() = default;
  virtual int SampleRate() const = 0;
  // Fills `frames` stereo frames; never waits.
  virtual void Render(float* left, float* right, int frames) = 0;
  // From an output that cannot measure it: how many of the frames taken are
  // still to be heard.
  virtual void SetLatencyFrames(int frames) = 0;
  // From an output that measures it: at steady-clock time `nanos`, `frames`
  // of what was taken so far were still to be heard.
  virtual void ReportLatency(std::int64_t frames, std::int64_t nanos) = 0;
};

}  // namespace lyrova
