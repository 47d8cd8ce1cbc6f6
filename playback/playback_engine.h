#pragma once
// The playback engine as the main window sees it: one object that owns the
// synthesizer, the audio output, the end-of-song thread and the lyric clock.
// Every method except SongPlaying/SongTime/CurrentTempo belongs to the main
// thread; the targets handed in are called as their interfaces describe.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalog/song_source.h"
#include "playback/song_targets.h"

namespace lyrova {

class TSongsCatalog;
class TOutputKeeper;
class TPerformance;
struct TSegment;
struct TAudioStatus;
class TWaitEndSongThread;
class TClockThread;

// Where the rendered sound goes.
enum class TAudioMode {
  Device,   // PulseAudio, else ALSA, else a silent real-time output
  Silent,   // real time without sound (songs, lyrics and playlist still run)
  Offline,  // nothing runs by itself: RenderBlock pulls the audio
};

class TPlaybackEngine {
 public:
  // The catalogue (or the songs) and the targets must outlive the engine.
  TPlaybackEngine(TSongsCatalog& catalog, ILyricTarget& lyrics, ISongEndTarget& songEnd);
  TPlaybackEngine(ISongSource& songs, ILyricTarget& lyrics, ISongEndTarget& songEnd);
  ~TPlaybackEngine();  // runs Shutdown
  TPlaybackEngine(const TPlaybackEngine&) = delete;
  TPlaybackEngine& operator=(const TPlaybackEngine&) = delete;

  // The system's General MIDI SoundFont, or "" when none is installed.
  static std::string DefaultSoundFont();

  // Creates the synthesizer with the SoundFont (loaded once, here) and opens
  // the audio output, asking the device for `latencyMs`. The synthesizer
  // starts at the volume slider's first position. Throws lyrova::Error saying
  // what is missing when no synthesizer can be made; the program cannot play
  // anything then.
  void DMInit(const std::string& soundFontPath, TAudioMode mode = TAudioMode::Device,
              int latencyMs = 50);
  bool Initialised() const;
  // Which output is in use (plain ASCII): "PulseAudio", "ALSA", "silent",
  // "offline", or "none" before DMInit.
  std::string AudioOutputName() const;
  // Any thread: the output in use and its measured latency.
  TAudioStatus AudioStatus() const;

  // The MIDI output ports (CP1251 names for the configuration dialog); the
  // software synthesizer is always the first and only one.
  std::vector<std::string> EnumPorts() const;

  // Starts the end-of-song thread and the lyric clock, which calls
  // tick.WMTimer on its own thread at least 50 times a second.
  void StartThreads(ITickTarget& tick);
  // Stops both threads and returns when both have ended. The end-of-song
  // thread may be inside ISongEndTarget::WMSongEnd at that moment, waiting
  // for the main thread: once the main window is closing, the target must
  // return without waiting for it.
  void StopThreads();
  // While the main window asks the user for a new film the tick must not run;
  // SuspendClock returns once the clock is between ticks.
  void SuspendClock();
  void ResumeClock();

  // Stops the current song, loads song `code` from the songs, hands its
  // lyrics and timing to the lyric target and starts it. Throws lyrova::Error
  // (the text for the user) when the song is not in the catalogue, cannot be
  // read, or the previous song does not stop. Gives the song's serial, which
  // its end will carry.
  std::uint32_t WMPlaySong(std::uint32_t code);
  // The same for a song already read.
  std::uint32_t PlaySong(TSongData song);
  // Aborts the current song; an abort never calls WMSongEnd.
  void WMStopSong();
  // a = the negated tempo track-bar position, -40..40 (40 = twice as fast).
  void WMTempo(int a);
  // n = semitones, -8..8; every melodic channel, never the drums.
  void WMPitch(int n);
  // p = the volume track-bar position, 0 (loudest) .. 100.
  void WMVolume(int p);

  // Holds the song still where it is (sound, music time, lyrics), or lets it
  // go on from there; false when no song plays or the synthesizer did not
  // take the command. Playing a song or stopping ends the pause.
  bool SetPaused(bool paused);
  bool Paused() const { return paused_; }

  // How far the playing song is, in seconds at the current tempo; nothing
  // when no song plays.
  struct TProgress {
    double elapsed = 0;
    double remaining = 0;
  };
  std::optional<TProgress> Progress() const;

  // The lyric clock runs this much behind the measured output latency
  // (ahead when negative), at once.
  void SetLyricOffsetMs(int ms);
  // The guide melody in percent of its own volume (100, 50 or 0), for every
  // song from its start and at once for the playing one.
  void SetMelodyLevel(int percent);
  // The channel found to carry the tune of the song last started, or -1.
  int MelodyChannel() const { return melodyChannel_; }

  // Any thread.
  bool SongPlaying() const;
  // Music time (768 per quarter note) of the sound heard now (or `ahead`
  // from now) since the song started; 0 when no song plays.
  std::int32_t SongTime(std::chrono::nanoseconds ahead = {}) const;
  // The lyric clock's cycles so far, and those that ended after the next was due.
  struct TTickCount {
    std::uint64_t cycles = 0;
    std::uint64_t late = 0;
  };
  TTickCount TickCount() const;
  // The last master tempo factor accepted; 0 before the first WMTempo.
  float CurrentTempo() const;

  // Offline mode only: whether any voice still sounds.
  bool VoicesSounding() const;
  // Offline mode only: renders `frames` stereo frames and then handles the
  // song notifications they caused (WMSongEnd is called from here).
  void RenderBlock(float* left, float* right, int frames);
  int SampleRate() const;

  // Stops the threads, then the sound, then releases the synthesizer, in
  // that order. Safe to call twice.
  void Shutdown();

 private:
  TPerformance& Performance() const;
  // Starts a song once the one before has stopped.
  std::uint32_t Start(TSongData song);
  // Offline nothing renders between calls: apply a stop and its abort now.
  void SettleOffline();
  // Waits for the stopped song's abort; applies the stop here when the
  // output has stopped pulling meanwhile.
  void WaitStopped();

  std::unique_ptr<ISongSource> discSongs_;  // when made on a catalogue
  ISongSource& songs_;
  ILyricTarget& lyrics_;
  ISongEndTarget& songEnd_;
  TAudioMode mode_ = TAudioMode::Device;
  std::atomic<float> currentTempo_{0.0f};
  bool paused_ = false;
  int melodyChannel_ = -1;
  int semitones_ = 0;  // the last key asked for
  std::shared_ptr<const TSegment> current_;  // the song last started
  std::unique_ptr<TPerformance> performance_;
  std::unique_ptr<TOutputKeeper> output_;
  std::unique_ptr<TWaitEndSongThread> endThread_;
  std::unique_ptr<TClockThread> clock_;
};

}  // namespace lyrova
