#pragma once
// Where the performance's audio goes in real time. An output starts pulling
// audio from the performance when it is made and stops, for good, when it is
// destroyed; it tells the performance its latency.

#include <memory>
#include <string>

namespace lyrova {

class TPerformance;

class IAudioOutput {
 public:
  virtual ~IAudioOutput() = default;
  virtual std::string Name() const = 0;
};

// A sound device through FluidSynth's drivers (PulseAudio, which PipeWire
// also serves, then ALSA); nullptr when none opens.
std::unique_ptr<IAudioOutput> OpenDeviceOutput(TPerformance& performance);

// Real-time pace without a device, so songs, lyrics and the playlist run
// without sound.
std::unique_ptr<IAudioOutput> OpenSilentOutput(TPerformance& performance);

}  // namespace lyrova
