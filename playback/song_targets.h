#pragma once
// What the playback engine drives: the singer's window (lyrics and the tick)
// and the main window (the end of a song). The windows implement these; tests
// use stand-ins.

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/song_kind.h"
#include "catalog/timing_pair.h"

namespace lyrova {

// Receives a new song's lyrics on the main thread, lines first, then timing.
class ILyricTarget {
 public:
  virtual ~ILyricTarget() = default;
  // Before the lines: a recorded song's files, whose picture (CD+G or video)
  // is shown at the song time; null for a MIDI song.
  virtual void SetRecording(const TRecordedFiles* /*files*/) {}
  // Lines of words in UTF-8, split at CR, LF or CR LF.
  virtual void SetLyrics(const std::vector<std::string>& lines) = 0;
  // The song's timing pairs, the introduction's first.
  virtual void SetTiming(const TimingPairs& timing) = 0;
};

// A recorded song's music time runs at 120 beats a minute of the recording's
// own time, so that its picture keeps to it however the tempo stretches it.
inline constexpr std::int64_t kRecordedMusicTimePerSecond = 1536;

// Receives the clock's tick on the clock thread, once per cycle.
class ITickTarget {
 public:
  virtual ~ITickTarget() = default;
  // songTime: music time (768 per quarter note) since the song started; 0 when idle.
  virtual void WMTimer(std::int32_t songTime) = 0;
};

// Receives the natural end of a song. Called from the end-of-song thread, which
// waits until the call returns; the implementation hands it to the main thread.
class ISongEndTarget {
 public:
  virtual ~ISongEndTarget() = default;
  // serial: the one TPlaybackEngine::WMPlaySong gave for the song that ended.
  virtual void WMSongEnd(std::uint32_t serial) = 0;
};

}  // namespace lyrova
