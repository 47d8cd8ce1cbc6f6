#pragma once
// The performance: one FluidSynth synthesizer with the SoundFont loaded once,
// our own sequencer playing the current segment's events on its exact tempo
// map, or a recorded song's sound stretched and pitched, and the
// performance-wide master tempo, volume and transposition. Whatever output pulls the audio calls Render on
// its own thread; everything else is called from one control thread and
// reaches the audio thread through a queue, applied at the start of the next
// block. Render never waits on a lock, never allocates and never logs.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "playback/audio_source.h"
#include "playback/audio_timeline.h"
#include "playback/auto_reset_event.h"
#include "playback/lyrova_dm_tool.h"
#include "playback/midi_segment.h"
#include "playback/spsc_ring.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace lyrova {

// What the end-of-song thread learns about segments, in the order it happened.
struct TSegmentNotification {
  enum Kind : std::uint8_t { Start, End, Abort } kind = Start;
  std::uint32_t serial = 0;
  std::int64_t musicTime = 0;  // the performance's music time then
};

class TPerformance : public IAudioSource {
 public:
  static constexpr int kSampleRate = 44100;
  // A song change or a stop fades what still sounds over this many frames
  // (20 ms) instead of cutting it with a click.
  static constexpr int kFadeFrames = kSampleRate / 50;

  // Throws lyrova::Error saying what is missing when the synthesizer cannot
  // be made or the SoundFont cannot be loaded.
  explicit TPerformance(const std::string& soundFontPath);
  ~TPerformance();
  TPerformance(const TPerformance&) = delete;
  TPerformance& operator=(const TPerformance&) = delete;

  int SampleRate() const override { return kSampleRate; }

  // Control thread. Each returns false when the command could not be queued.
  // Play gives the serial its notifications will carry (never 0), or 0.
  // `melodyChannel` is the song's tune for the guide melody, or none.
  std::uint32_t Play(std::shared_ptr<const TSegment> segment, int melodyChannel = TLyrovaDMTool::kNoChannel);
  bool Stop();
  bool SetMasterTempo(float factor);
  bool SetMasterVolume(std::int32_t hundredthsDb);
  bool SetTranspose(int semitones);
  // While paused every block is silence: the synthesizer is not run and the
  // song does not move on, so every voice, the music time and the lyrics
  // hold still and go on exactly where they were. A play or a stop ends it.
  bool SetPaused(bool paused);
  // The guide melody's volume: 1 full, 0.5 half, 0 off; for every song from
  // its start, and at once for the one playing.
  bool SetMelodyScale(float scale);
  // Applies the queued commands now, for an offline performance that is not
  // rendering between blocks.
  void ApplyPendingCommands();

  // The output's thread: renders `frames` stereo frames into the buffers.
  void Render(float* left, float* right, int frames) override;
  void SetLatencyFrames(int frames) override { timeline_.SetFixedLatency(frames); }
  void ReportLatency(std::int64_t frames, std::int64_t nanos) override {
    timeline_.ReportHeard(timeline_.Rendered(), frames, nanos);
  }
  int LatencyMs() const { return static_cast<int>(timeline_.Latency() * 1000 / kSampleRate); }
  // Any thread: the lyrics follow the music this much later (earlier when
  // negative) than the output latency says.
  void SetLyricOffsetMs(int ms) { lyricOffsetMs_.store(ms, std::memory_order_relaxed); }

  // Any thread: the music heard now, or `ahead` from now.
  TAudioMoment HeardMoment(std::chrono::nanoseconds ahead = {}) const;
  std::int64_t RenderedFrames() const { return timeline_.Rendered(); }

  // The end-of-song thread.
  std::optional<TSegmentNotification> PopNotification() { return notifications_.Pop(); }
  bool WaitNotification(std::chrono::milliseconds timeout) { return notified_.Wait(timeout); }

  // Between blocks, when nothing renders: whether any voice still sounds.
  bool VoicesSounding() const;

  // Tests: the synthesizer, to inspect its voices between blocks.
  fluid_synth_t* Synth() const { return synth_; }

 private:
  struct Command {
    enum Kind : std::uint8_t { Play, Stop, Tempo, Volume, Transpose, Pause, Melody } kind = Stop;
    const TSegment* segment = nullptr;
    std::uint32_t serial = 0;
    float value = 0;
    int semitones = 0;
    int channel = TLyrovaDMTool::kNoChannel;  // Play: the melody channel
    std::int32_t hundredthsDb = 0;            // Volume
  };

  bool Send(const Command& command);
  void ReleaseRetiredSegments();
  // Audio thread, with renderMutex_ held.
  void ApplyCommands();
  void Apply(const Command& command);
  // A play or a stop: fades out what sounds, then carries it out.
  void Change(const Command& command);
  void FinishChange();
  void Start(const Command& command);
  void Retire(const TSegment* segment);
  void DispatchDue();
  void Fade(float* left, float* right, int frames);
  // Render with renderMutex_ held: the song, or silence while paused.
  void RenderSong(float* left, float* right, int frames, std::int64_t start);
  void RenderPaused(float* left, float* right, int frames, std::int64_t start);
  // One block of the recorded song; the music time follows the recording.
  void RenderRecorded(float* left, float* right, int frames);
  void AfterBlock(std::int64_t samplePos, int frames);
  void Notify(TSegmentNotification::Kind kind);

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  // Held by Render while it renders and by the control thread only to apply
  // commands itself (offline, or when the output has stopped pulling);
  // Render skips a block rather than wait.
  std::mutex renderMutex_;
  std::mutex sendMutex_;  // one producer at a time on the command ring
  std::uint32_t nextSerial_ = 1;
  // Every segment handed to the audio thread and not handed back yet.
  std::vector<std::shared_ptr<const TSegment>> owned_;

  TSpscRing<Command, 64> commands_;
  TSpscRing<TSegmentNotification, 64> notifications_;
  TSpscRing<const TSegment*, 64> retired_;
  TAutoResetEvent notified_;
  TAudioTimeline timeline_;
  std::atomic<int> lyricOffsetMs_{0};

  // Audio thread state.
  TLyrovaDMTool tool_;
  const TSegment* active_ = nullptr;  // playing, or ringing out after its end
  std::uint32_t activeSerial_ = 0;
  bool sounding_ = false;  // started and not yet at its musical end
  double position_ = 0;    // microseconds on the segment's tempo map
  std::size_t nextEvent_ = 0;
  std::size_t tempoHint_ = 0;
  int fadeLeft_ = 0;  // frames of the fade still to go
  // The synthesizer renders 64 frames at a time and keeps what a shorter
  // request left over: frames made before a change that are still to come
  // out, and are muted.
  int muteLeft_ = 0;
  std::int64_t synthFrames_ = 0;  // handed out by the synthesizer so far
  bool changePending_ = false;
  bool paused_ = false;
  Command pending_;  // what the fade ends in
  float masterTempo_ = 1.0f;
  int transpose_ = 0;
  float recordedGain_ = 1.0f;  // the volume bar on recorded sound
  std::int64_t segmentBase_ = 0;  // music time at the segment's start
  std::int64_t musicTime_ = 0;
  std::int64_t renderedFrames_ = 0;
};

}  // namespace lyrova
