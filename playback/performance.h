#pragma once
// The performance: one FluidSynth synthesizer with the SoundFont loaded once,
// the player of the current segment, and the performance-wide master tempo,
// volume and transposition. Whatever output pulls the audio calls Render on
// its own thread; everything else is called from one control thread and
// reaches the audio thread through a queue, applied at the start of the next
// block. Render never waits on a lock, never allocates and never logs.

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "playback/audio_timeline.h"
#include "playback/auto_reset_event.h"
#include "playback/lyrova_dm_tool.h"
#include "playback/midi_segment.h"
#include "playback/spsc_ring.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace lyrova {

// What the end-of-song thread learns about segments, in the order it happened.
struct TSegmentNotification {
  enum Kind : std::uint8_t { Start, End, Abort } kind = Start;
  std::uint32_t serial = 0;
  std::int64_t musicTime = 0;  // the performance's music time then
};

class TPerformance {
 public:
  static constexpr int kSampleRate = 44100;

  // Throws lyrova::Error saying what is missing when the synthesizer cannot
  // be made or the SoundFont cannot be loaded.
  explicit TPerformance(const std::string& soundFontPath);
  ~TPerformance();
  TPerformance(const TPerformance&) = delete;
  TPerformance& operator=(const TPerformance&) = delete;

  fluid_settings_t* Settings() const { return settings_; }
  int SampleRate() const { return kSampleRate; }

  // Control thread. Each returns false when the command could not be queued.
  bool Play(std::shared_ptr<const TSegment> segment);
  bool Stop();
  bool SetMasterTempo(float factor);
  bool SetMasterVolume(std::int32_t hundredthsDb);
  bool SetTranspose(int semitones);
  // Applies the queued commands now, for an offline performance that is not
  // rendering between blocks.
  void ApplyPendingCommands();

  // The output's thread: renders `frames` stereo frames into the buffers.
  void Render(float* left, float* right, int frames);
  // Set by the output: how many rendered frames are still to be heard.
  void SetLatencyFrames(int frames) { latency_.store(frames, std::memory_order_relaxed); }
  int LatencyFrames() const { return latency_.load(std::memory_order_relaxed); }

  // Any thread: the music heard now.
  TAudioMoment HeardMoment() const;
  std::int64_t RenderedFrames() const { return timeline_.Rendered(); }

  // The end-of-song thread.
  std::optional<TSegmentNotification> PopNotification() { return notifications_.Pop(); }
  bool WaitNotification(std::chrono::milliseconds timeout) { return notified_.Wait(timeout); }

  // Tests: the synthesizer, to inspect its voices between blocks.
  fluid_synth_t* Synth() const { return synth_; }

 private:
  struct Command {
    enum Kind : std::uint8_t { Play, Stop, Tempo, Volume, Transpose } kind = Stop;
    fluid_player_t* player = nullptr;
    std::uint32_t serial = 0;
    int division = 0;
    float value = 0;
    int semitones = 0;
  };

  bool Send(const Command& command);
  void DeleteRetiredPlayers();
  // Audio thread, with structureMutex_ held.
  void ApplyCommands();
  void Apply(const Command& command);
  void StopActive(bool notifyAbort);
  void AfterBlock(std::int64_t samplePos);
  void Notify(TSegmentNotification::Kind kind);

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  // Held by Render while it renders and by the control thread only while it
  // creates or deletes a player; Render skips a block rather than wait.
  std::mutex structureMutex_;
  std::mutex sendMutex_;  // one producer at a time on the command ring
  std::uint32_t nextSerial_ = 1;
  std::vector<fluid_player_t*> owned_;  // every player not yet deleted

  TSpscRing<Command, 64> commands_;
  TSpscRing<TSegmentNotification, 64> notifications_;
  TSpscRing<fluid_player_t*, 64> retired_;
  TAutoResetEvent notified_;
  TAudioTimeline timeline_;
  std::atomic<int> latency_{0};

  // Audio thread state.
  TLyrovaDMTool tool_;
  fluid_player_t* active_ = nullptr;
  std::uint32_t activeSerial_ = 0;
  int activeDivision_ = 1;
  bool sounding_ = false;  // started and not yet at its musical end
  float masterTempo_ = 1.0f;
  std::int64_t segmentBase_ = 0;  // music time at the segment's start
  std::int64_t musicTime_ = 0;
  std::int64_t renderedFrames_ = 0;
};

}  // namespace lyrova
