#pragma once
// What the session drives to make a song heard: the playback engine in the
// program, a recording stand-in in tests. Main thread only.

#include <cstdint>
#include <optional>

#include "catalog/song_source.h"

namespace lyrova {

class ISongPlayer {
 public:
  struct TProgress {
    double elapsed = 0;    // seconds at the current tempo
    double remaining = 0;  // seconds at the current tempo
  };

  virtual ~ISongPlayer() = default;
  // Stops what plays and starts `song`; the serial its natural end carries.
  // Throws lyrova::Error (the text for the user) when it cannot.
  virtual std::uint32_t Play(TSongData song) = 0;
  // Aborts the song; an abort never counts as its end.
  virtual void Stop() = 0;
  // False when no song plays or the synthesizer did not take it.
  virtual bool SetPaused(bool paused) = 0;
  virtual bool Paused() const = 0;
  virtual bool SongPlaying() const = 0;
  // Nothing when no song plays.
  virtual std::optional<TProgress> Progress() const = 0;
  // The values the private messages carry: the negated tempo position
  // (-40..40), semitones (-8..8), the volume position (0 loudest..100).
  virtual void SetTempo(int a) = 0;
  virtual void SetPitch(int n) = 0;
  virtual void SetVolume(int p) = 0;
  // The guide melody in percent of its own volume.
  virtual void SetMelodyLevel(int percent) = 0;
};

}  // namespace lyrova
