// The performance's audio through a PulseAudio server (PipeWire serves the
// same protocol) with libpulse's asynchronous API. The server asks for audio
// on the main loop's thread and we render exactly what it asks for, so the
// buffering is the server's own, set by the latency we ask for; after every
// write the latency it really holds is measured and handed to the lyric clock.

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

#include "playback/audio_output.h"
#include "playback/audio_source.h"

namespace lyrova {
namespace {

constexpr int kChannels = 2;
constexpr std::size_t kFrameBytes = kChannels * sizeof(float);
constexpr std::size_t kMaxFrames = 16384;  // the most rendered per piece of a request
// A server that neither accepts nor refuses the connection in this time is
// taken as absent.
constexpr pa_usec_t kConnectTimeout = 2 * PA_USEC_PER_SEC;
// After an underrun the buffer grows by half, up to this: a machine too busy
// for the latency asked for drops out once or twice, not all through a song.
constexpr int kMaxGrownLatencyMs = 200;
constexpr pa_usec_t kRequestUs = 5000;

std::int64_t SteadyNanos() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

class TPulseOutput : public IAudioOutput {
 public:
  TPulseOutput(IAudioSource& source, int latencyMs)
      : source_(source), left_(kMaxFrames), right_(kMaxFrames) {
    spec_ = {PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(source.SampleRate()), kChannels};
    latencyMs_ = std::clamp(latencyMs, 5, 1000);
  }

  ~TPulseOutput() override { Close(); }

  // False when there is no server or it refuses the stream.
  bool Open(bool withStream = true) {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Lyrova");
    if (!context_) return false;
    pa_context_set_state_callback(context_, &TPulseOutput::OnContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
    pa_threaded_mainloop_lock(loop_);
    if (pa_threaded_mainloop_start(loop_) < 0) {
      pa_threaded_mainloop_unlock(loop_);
      return false;
    }
    started_ = true;
    pa_time_event* timeout =
        pa_context_rttime_new(context_, pa_rtclock_now() + kConnectTimeout, &TPulseOutput::OnTimeout, this);
    const bool ok = WaitContextReady() && (!withStream || OpenStream());
    if (timeout) pa_threaded_mainloop_get_api(loop_)->time_free(timeout);
    pa_threaded_mainloop_unlock(loop_);
    return ok;
  }

  std::string Name() const override { return "PulseAudio"; }
  bool Failed() const override { return failed_.load(std::memory_order_acquire); }

 private:
  bool WaitContextReady() {
    for (;;) {
      const pa_context_state_t state = pa_context_get_state(context_);
      if (state == PA_CONTEXT_READY) return true;
      if (!PA_CONTEXT_IS_GOOD(state) || timedOut_) return false;
      pa_threaded_mainloop_wait(loop_);
    }
  }

  bool OpenStream() {
    stream_ = pa_stream_new(context_, "Karaoke", &spec_, nullptr);
    if (!stream_) return false;
    pa_stream_set_state_callback(stream_, &TPulseOutput::OnStreamState, this);
    pa_stream_set_write_callback(stream_, &TPulseOutput::OnWrite, this);
    pa_stream_set_latency_update_callback(stream_, &TPulseOutput::OnLatencyUpdate, this);
    pa_stream_set_underflow_callback(stream_, &TPulseOutput::OnUnderflow, this);
    const pa_buffer_attr attr = Attributes();
    source_.SetLatencyFrames(static_cast<int>(attr.tlength / kFrameBytes));
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                                      PA_STREAM_AUTO_TIMING_UPDATE);
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) return false;
    for (;;) {
      const pa_stream_state_t state = pa_stream_get_state(stream_);
      if (state == PA_STREAM_READY) return true;
      if (!PA_STREAM_IS_GOOD(state) || timedOut_) return false;
      pa_threaded_mainloop_wait(loop_);
    }
  }

  // tlength is the whole latency we ask for, the server's own part included
  // (ADJUST_LATENCY: half of what is left goes to the sink). Requests may be
  // as small as 5 ms, so the server tops the buffer up after every piece the
  // sink takes (each 20 ms at the default latency) rather than waiting for a
  // quarter of it to be gone. No prebuffering: after an underrun the stream
  // goes on at once instead of waiting for a full buffer, and the measured
  // latency follows.
  pa_buffer_attr Attributes() const {
    pa_buffer_attr attr;
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(static_cast<pa_usec_t>(latencyMs_) * 1000, &spec_));
    attr.prebuf = 0;
    attr.minreq = static_cast<std::uint32_t>(pa_usec_to_bytes(kRequestUs, &spec_));
    attr.fragsize = static_cast<std::uint32_t>(-1);
    return attr;
  }

  // The main loop's thread: the server ran dry, so ask for more buffering.
  void Underflow() {
    if (latencyMs_ >= kMaxGrownLatencyMs) return;
    latencyMs_ = std::min(kMaxGrownLatencyMs, latencyMs_ * 3 / 2);
    const pa_buffer_attr attr = Attributes();
    if (pa_operation* op = pa_stream_set_buffer_attr(stream_, &attr, nullptr, nullptr)) pa_operation_unref(op);
  }

  void Close() {
    if (loop_ && started_) pa_threaded_mainloop_lock(loop_);
    if (stream_) {
      pa_stream_set_write_callback(stream_, nullptr, nullptr);
      pa_stream_disconnect(stream_);
      pa_stream_unref(stream_);
      stream_ = nullptr;
    }
    if (context_) {
      pa_context_disconnect(context_);
      pa_context_unref(context_);
      context_ = nullptr;
    }
    if (loop_) {
      if (started_) {
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
      }
      pa_threaded_mainloop_free(loop_);
      loop_ = nullptr;
    }
  }

  // The main loop's thread, with its lock held: never waits.
  void Write(std::size_t bytes) {
    if (!raisedTried_) {
      raisedTried_ = true;
      RaiseToRealTime();
    }
    while (bytes >= kFrameBytes) {
      void* data = nullptr;
      std::size_t size = bytes;
      if (pa_stream_begin_write(stream_, &data, &size) < 0 || !data || size < kFrameBytes) break;
      const std::size_t frames = std::min(size / kFrameBytes, kMaxFrames);
      source_.Render(left_.data(), right_.data(), static_cast<int>(frames));
      auto* out = static_cast<float*>(data);
      for (std::size_t i = 0; i < frames; ++i) {
        out[2 * i] = left_[i];
        out[2 * i + 1] = right_[i];
      }
      if (pa_stream_write(stream_, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0) break;
      bytes -= std::min(bytes, frames * kFrameBytes);
    }
    MeasureLatency();
  }

  // A negative or zero latency is the moment of an underrun, when the
  // server has read past what we wrote: what is heard next is what we write
  // next, so the last real measurement stays (the sound line never says
  // 0 ms while music plays).
  void MeasureLatency() {
    pa_usec_t usec = 0;
    int negative = 0;
    if (pa_stream_get_latency(stream_, &usec, &negative) != 0 || negative || usec == 0) return;
    source_.ReportLatency(static_cast<std::int64_t>(usec * spec_.rate / PA_USEC_PER_SEC), SteadyNanos());
  }

  static void OnContextState(pa_context* context, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) self->failed_.store(true, std::memory_order_release);
    pa_threaded_mainloop_signal(self->loop_, 0);
  }
  static void OnStreamState(pa_stream* stream, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) self->failed_.store(true, std::memory_order_release);
    pa_threaded_mainloop_signal(self->loop_, 0);
  }
  static void OnTimeout(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    self->timedOut_ = true;
    pa_threaded_mainloop_signal(self->loop_, 0);
  }
  static void OnWrite(pa_stream*, std::size_t bytes, void* data) { static_cast<TPulseOutput*>(data)->Write(bytes); }
  static void OnLatencyUpdate(pa_stream*, void* data) { static_cast<TPulseOutput*>(data)->MeasureLatency(); }
  static void OnUnderflow(pa_stream*, void* data) { static_cast<TPulseOutput*>(data)->Underflow(); }

  IAudioSource& source_;
  pa_sample_spec spec_{};
  int latencyMs_ = 50;
  std::vector<float> left_;
  std::vector<float> right_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  bool started_ = false;
  bool timedOut_ = false;
  bool raisedTried_ = false;  // real-time scheduling was asked for the main loop's thread
  std::atomic<bool> failed_{false};
};

}  // namespace

bool PulseServerAnswers(IAudioSource& source) {
  TPulseOutput probe(source, kDefaultLatencyMs);
  return probe.Open(false);
}

std::unique_ptr<IAudioOutput> OpenPulseOutput(IAudioSource& source, int latencyMs) {
  auto output = std::make_unique<TPulseOutput>(source, latencyMs);
  if (!output->Open()) return nullptr;
  return output;
}

}  // namespace lyrova
