#pragma once
// Where the performance's audio goes in real time. An output starts pulling
// audio from its source when it is made and stops, for good, when it is
// destroyed; it tells the source its latency.

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>

namespace lyrova {

class IAudioSource;

class IAudioOutput {
 public:
  virtual ~IAudioOutput() = default;
  virtual std::string Name() const = 0;
  // True once the device or the server has gone: the output pulls no more.
  virtual bool Failed() const { return false; }
};

// The device latency asked for unless the settings say otherwise: enough
// that a loaded machine does not drop out.
inline constexpr int kDefaultLatencyMs = 50;

// How long an output holding `latencyMs` of sound may go without pulling
// before it counts as stalled: a large buffer is pulled seldom, so twice
// the latency, and never less than `floor`.
inline std::chrono::milliseconds StallTime(int latencyMs, std::chrono::milliseconds floor) {
  return std::max(floor, std::chrono::milliseconds(2LL * latencyMs));
}

// Gives the calling thread, which renders audio, real-time scheduling;
// false where the system does not allow it, and the thread runs as before.
// 5 is the priority PulseAudio gives its own threads; a thread inside
// PipeWire's graph takes 20, the most RealtimeKit grants a desktop client.
inline constexpr int kPulseThreadPriority = 5;
inline constexpr int kGraphThreadPriority = 20;
bool RaiseToRealTime(int priority = kPulseThreadPriority);

// A PipeWire daemon through its own library, rendering on its real-time
// data thread; nullptr when none answers.
std::unique_ptr<IAudioOutput> OpenPipeWireOutput(IAudioSource& source, int latencyMs);
// Whether a PipeWire daemon answers now; opens no stream.
bool PipeWireServerAnswers(IAudioSource& source);
// A PulseAudio server (PipeWire serves it too); nullptr when none answers.
std::unique_ptr<IAudioOutput> OpenPulseOutput(IAudioSource& source, int latencyMs);
// Whether a PulseAudio server accepts a connection now; opens no stream.
bool PulseServerAnswers(IAudioSource& source);
// The default ALSA device; nullptr when it does not open.
std::unique_ptr<IAudioOutput> OpenAlsaOutput(IAudioSource& source, int latencyMs);
// Real-time pace without a device, so songs, lyrics and the playlist run
// without sound.
std::unique_ptr<IAudioOutput> OpenSilentOutput(IAudioSource& source);

}  // namespace lyrova
