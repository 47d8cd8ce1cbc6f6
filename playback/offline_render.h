#pragma once
// Renders one song as fast as the machine allows, with the same engine and
// the same song time as live playback, stepping in 10 ms of audio and calling
// back after every step.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "playback/playback_engine.h"

namespace lyrova {

struct TRenderStep {
  std::int64_t samplePos = 0;  // frames rendered so far: the end of `left`/`right`
  std::int32_t songTime = 0;   // the song time at samplePos
  std::span<const float> left;
  std::span<const float> right;
};

struct TRenderResult {
  std::int64_t endSample = 0;    // where the music reached its end
  std::int64_t totalFrames = 0;  // with the sounding tail after it
};

class TOfflineRender : private ISongEndTarget {
 public:
  using StepFn = std::function<void(const TRenderStep&)>;

  // Throws lyrova::Error as TPlaybackEngine::DMInit does.
  TOfflineRender(TSongsCatalog& catalog, ILyricTarget& lyrics, const std::string& soundFontPath);
  // Songs from elsewhere too (the song library).
  TOfflineRender(ISongSource& songs, ILyricTarget& lyrics, const std::string& soundFontPath);

  // For the tempo, key and volume before RenderSong.
  TPlaybackEngine& Engine() { return engine_; }
  const TPlaybackEngine& Engine() const { return engine_; }

  // Plays song `code` from its start until its musical end, then on until
  // every voice and the reverb have died away, at most `maxTailSeconds`
  // after the end. The first step, before any audio, has samplePos 0 and
  // empty buffers.
  TRenderResult RenderSong(std::uint32_t code, const StepFn& onStep, double maxTailSeconds = 10.0);

 private:
  void WMSongEnd(std::uint32_t) override { ended_ = true; }

  TPlaybackEngine engine_;
  bool ended_ = false;
};

}  // namespace lyrova
