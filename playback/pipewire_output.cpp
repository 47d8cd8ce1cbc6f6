// The performance's audio through PipeWire's own client library. The stream
// renders on PipeWire's real-time data thread, inside the graph's cycle,
// exactly as much as the cycle asks for: nothing waits on a socket or on the
// server's main thread between the sink wanting sound and our rendering it.
// After each cycle the delay to the device, what the stream's converter
// holds and the cycle itself are handed to the lyric clock as the latency.

#include <pipewire/pipewire.h>
#include <sched.h>
#include <unistd.h>
#include <spa/param/audio/format-utils.h>
#include <spa/param/props.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "playback/audio_output.h"
#include "playback/audio_source.h"

namespace lyrova {
namespace {

constexpr int kChannels = 2;
constexpr std::size_t kFrameBytes = kChannels * sizeof(float);
constexpr std::size_t kMaxFrames = 16384;

// Without its socket no daemon answers, and that is found without loading
// the library's modules (a probe repeated four times a second while no
// server plays). The library looks in the same places.
bool SocketThere() {
  const char* remote = std::getenv("PIPEWIRE_REMOTE");
  const std::string name = remote && *remote ? remote : "pipewire-0";
  if (name[0] == '/') return access(name.c_str(), F_OK) == 0;
  for (const char* variable : {"PIPEWIRE_RUNTIME_DIR", "XDG_RUNTIME_DIR", "USERPROFILE"})
    if (const char* dir = std::getenv(variable)) return access((std::string(dir) + "/" + name).c_str(), F_OK) == 0;
  return false;
}

void InitPipeWire() {
  static const bool once = [] {
    pw_init(nullptr, nullptr);
    return true;
  }();
  (void)once;
}

class TPipeWireOutput : public IAudioOutput {
 public:
  TPipeWireOutput(IAudioSource& source, int latencyMs)
      : source_(source), latencyMs_(std::clamp(latencyMs, 5, 500)), left_(kMaxFrames), right_(kMaxFrames) {}
  ~TPipeWireOutput() override { Close(); }

  // False when no PipeWire daemon answers or it refuses the stream. Without
  // a stream, only whether the daemon answers.
  bool Open(bool withStream) {
    if (!SocketThere()) return false;
    InitPipeWire();
    loop_ = pw_thread_loop_new("lyrova-pipewire", nullptr);
    if (!loop_) return false;
    context_ = pw_context_new(pw_thread_loop_get_loop(loop_), nullptr, 0);
    if (!context_ || pw_thread_loop_start(loop_) < 0) return false;
    pw_thread_loop_lock(loop_);
    const bool ok = Connect() && (!withStream || OpenStream());
    pw_thread_loop_unlock(loop_);
    return ok;
  }

  std::string Name() const override { return "PipeWire"; }
  bool Failed() const override { return failed_.load(std::memory_order_acquire); }

 private:
  // With the loop locked. pw_context_connect fails at once when no daemon
  // listens; a round trip then shows that it really answers.
  bool Connect() {
    core_ = pw_context_connect(context_, nullptr, 0);
    if (!core_) return false;
    static const pw_core_events coreEvents = [] {
      pw_core_events events{};
      events.version = PW_VERSION_CORE_EVENTS;
      events.done = &TPipeWireOutput::OnCoreDone;
      events.error = &TPipeWireOutput::OnCoreError;
      return events;
    }();
    pw_core_add_listener(core_, &coreListener_, &coreEvents, this);
    syncSeq_ = pw_core_sync(core_, PW_ID_CORE, 0);
    while (!synced_ && !Failed()) {
      if (pw_thread_loop_timed_wait(loop_, 2) != 0) return false;  // seconds
    }
    return synced_ && !Failed();
  }

  bool OpenStream() {
    const std::string latency = std::to_string(latencyMs_ * source_.SampleRate() / 1000) + "/" +
                                std::to_string(source_.SampleRate());
    pw_properties* props = pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback",
                                             PW_KEY_MEDIA_ROLE, "Music", PW_KEY_APP_NAME, "Lyrova",
                                             PW_KEY_NODE_NAME, "Lyrova", PW_KEY_NODE_DESCRIPTION, "Karaoke",
                                             PW_KEY_NODE_LATENCY, latency.c_str(), nullptr);
    stream_ = pw_stream_new(core_, "Karaoke", props);
    if (!stream_) return false;
    static const pw_stream_events streamEvents = [] {
      pw_stream_events events{};
      events.version = PW_VERSION_STREAM_EVENTS;
      events.state_changed = &TPipeWireOutput::OnStreamState;
      events.process = &TPipeWireOutput::OnProcess;
      return events;
    }();
    pw_stream_add_listener(stream_, &streamListener_, &streamEvents, this);

    std::uint8_t buffer[1024];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(buffer, sizeof buffer);
    spa_audio_info_raw info{};
    info.format = SPA_AUDIO_FORMAT_F32;
    info.rate = static_cast<std::uint32_t>(source_.SampleRate());
    info.channels = kChannels;
    info.position[0] = SPA_AUDIO_CHANNEL_FL;
    info.position[1] = SPA_AUDIO_CHANNEL_FR;
    const spa_pod* params[1] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
    const auto flags = static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS |
                                                    PW_STREAM_FLAG_RT_PROCESS);
    if (pw_stream_connect(stream_, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1) < 0) return false;
    // Until the first cycle, the heard music is one cycle behind.
    source_.SetLatencyFrames(latencyMs_ * source_.SampleRate() / 1000);
    return !Failed();
  }

  void Close() {
    if (!loop_) return;
    pw_thread_loop_lock(loop_);
    if (stream_) {
      pw_stream_destroy(stream_);
      stream_ = nullptr;
    }
    if (core_) {
      spa_hook_remove(&coreListener_);
      pw_core_disconnect(core_);
      core_ = nullptr;
    }
    pw_thread_loop_unlock(loop_);
    pw_thread_loop_stop(loop_);
    if (context_) pw_context_destroy(context_);
    pw_thread_loop_destroy(loop_);
    loop_ = nullptr;
  }

  // PipeWire's data thread, once a cycle: never waits.
  void Process() {
    if (!raisedTried_) {
      raisedTried_ = true;
      // PipeWire may have raised its data thread itself; else it is raised
      // here, above the threads that feed a PulseAudio server.
      if ((sched_getscheduler(0) & ~SCHED_RESET_ON_FORK) == SCHED_OTHER) RaiseToRealTime(kGraphThreadPriority);
    }
    pw_buffer* buffer = pw_stream_dequeue_buffer(stream_);
    if (!buffer) return;
    spa_data& data = buffer->buffer->datas[0];
    if (!data.data) {
      pw_stream_queue_buffer(stream_, buffer);
      return;
    }
    std::size_t frames = data.maxsize / kFrameBytes;
    if (buffer->requested > 0) frames = std::min<std::size_t>(frames, buffer->requested);
    frames = std::min(frames, kMaxFrames);
    source_.Render(left_.data(), right_.data(), static_cast<int>(frames));
    auto* out = static_cast<float*>(data.data);
    for (std::size_t i = 0; i < frames; ++i) {
      out[2 * i] = left_[i];
      out[2 * i + 1] = right_[i];
    }
    data.chunk->offset = 0;
    data.chunk->stride = static_cast<std::int32_t>(kFrameBytes);
    data.chunk->size = static_cast<std::uint32_t>(frames * kFrameBytes);
    pw_stream_queue_buffer(stream_, buffer);
    ReportLatency(static_cast<std::int64_t>(frames));
  }

  // What is still to be heard at the cycle's start: the delay to the device
  // (in the graph's rate), the converter's samples, the buffers still
  // queued, the block the graph plays in this cycle and the one just
  // rendered, which the stream hands to the graph in the next.
  void ReportLatency(std::int64_t frames) {
    pw_time time{};
    if (pw_stream_get_time_n(stream_, &time, sizeof time) < 0 || time.rate.denom == 0 || time.now == 0) return;
    const std::int64_t rate = source_.SampleRate();
    const std::int64_t delay = time.delay * rate * time.rate.num / time.rate.denom;
    const std::int64_t held = std::max<std::int64_t>(delay, 0) + static_cast<std::int64_t>(time.buffered) +
                              static_cast<std::int64_t>(time.queued / kFrameBytes) + 2 * frames;
    source_.ReportLatency(held, time.now);
  }

  static void OnCoreDone(void* data, std::uint32_t id, int seq) {
    auto* self = static_cast<TPipeWireOutput*>(data);
    if (id == PW_ID_CORE && seq == self->syncSeq_) self->synced_ = true;
    pw_thread_loop_signal(self->loop_, false);
  }
  static void OnCoreError(void* data, std::uint32_t id, int, int res, const char*) {
    auto* self = static_cast<TPipeWireOutput*>(data);
    // The daemon gone (a broken pipe) or the stream refused.
    if (id == PW_ID_CORE || res == -EPIPE) self->failed_.store(true, std::memory_order_release);
    pw_thread_loop_signal(self->loop_, false);
  }
  static void OnStreamState(void* data, pw_stream_state, pw_stream_state state, const char*) {
    auto* self = static_cast<TPipeWireOutput*>(data);
    if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED)
      self->failed_.store(true, std::memory_order_release);
    pw_thread_loop_signal(self->loop_, false);
  }
  static void OnProcess(void* data) { static_cast<TPipeWireOutput*>(data)->Process(); }

  IAudioSource& source_;
  const int latencyMs_;
  std::vector<float> left_;
  std::vector<float> right_;
  pw_thread_loop* loop_ = nullptr;
  pw_context* context_ = nullptr;
  pw_core* core_ = nullptr;
  pw_stream* stream_ = nullptr;
  spa_hook coreListener_{};
  spa_hook streamListener_{};
  int syncSeq_ = 0;
  bool synced_ = false;
  bool raisedTried_ = false;
  std::atomic<bool> failed_{false};
};

}  // namespace

bool PipeWireServerAnswers(IAudioSource& source) {
  TPipeWireOutput probe(source, kDefaultLatencyMs);
  return probe.Open(false);
}

std::unique_ptr<IAudioOutput> OpenPipeWireOutput(IAudioSource& source, int latencyMs) {
  auto output = std::make_unique<TPipeWireOutput>(source, latencyMs);
  if (!output->Open(true)) return nullptr;
  return output;
}

}  // namespace lyrova
