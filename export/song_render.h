#pragma once
// One song rendered offline as the player plays it, with the sliders'
// positions and the guide melody's level.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/song_source.h"
#include "playback/offline_render.h"

namespace lyrova {

struct TPlaySettings {
  std::string soundFont;  // "" for the system's default
  // Track-bar positions, as the sliders give them.
  int tempo = 0;
  int pitch = 0;
  std::optional<int> volume;  // none: the synthesizer's own level
  int melodyPercent = 100;    // the guide melody, as the player's choice
};

// A song handed over whole, under any code: a render from it reads no
// catalogue or folder of its own.
class TOneSong : public ISongSource {
 public:
  explicit TOneSong(TSongData song) : song_(std::move(song)) {}
  std::optional<TSongData> LoadSong(std::uint32_t) override { return song_; }

 private:
  TSongData song_;
};

// A render whose lyrics nobody shows (sound alone).
class TNoLyrics : public ILyricTarget {
 public:
  void SetLyrics(const std::vector<std::string>&) override {}
  void SetTiming(const TimingPairs&) override {}
};

class TSongRender {
 public:
  // Song `code` of `songs`, which must outlive the render. Throws
  // lyrova::Error when the synthesizer or the SoundFont fails.
  TSongRender(ISongSource& songs, std::uint32_t code, const TPlaySettings& settings, ILyricTarget& lyrics);

  int SampleRate() { return render_.Engine().SampleRate(); }
  // How far the song is, 0 to 1, during Run's steps (1 in the tail after its end).
  double Done() const;
  // Once per render: the song from its start to the end of its tail.
  TRenderResult Run(const TOfflineRender::StepFn& onStep);

 private:
  std::uint32_t code_;
  TPlaySettings settings_;
  TOfflineRender render_;
};

}  // namespace lyrova
