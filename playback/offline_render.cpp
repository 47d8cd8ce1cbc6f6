#include "playback/offline_render.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/errors.h"

namespace lyrova {
namespace {

constexpr int kStepsPerSecond = 100;
// Longer than any song at a fifth of its tempo; a song that never ends is damaged.
constexpr std::int64_t kMaxSeconds = 4 * 3600;
// Below -80 dB the reverb's last whisper is inaudible.
constexpr float kSilence = 1e-4f;

float Peak(const std::vector<float>& left, const std::vector<float>& right) {
  float peak = 0;
  for (std::size_t i = 0; i < left.size(); ++i) peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
  return peak;
}

}  // namespace

TOfflineRender::TOfflineRender(TSongsCatalog& catalog, ILyricTarget& lyrics, const std::string& soundFontPath)
    : engine_(catalog, lyrics, *this) {
  engine_.DMInit(soundFontPath, TAudioMode::Offline);
}

TOfflineRender::TOfflineRender(ISongSource& songs, ILyricTarget& lyrics, const std::string& soundFontPath)
    : engine_(songs, lyrics, *this) {
  engine_.DMInit(soundFontPath, TAudioMode::Offline);
}

TRenderResult TOfflineRender::RenderSong(std::uint32_t code, const StepFn& onStep, double maxTailSeconds) {
  const int rate = engine_.SampleRate();
  const int step = rate / kStepsPerSecond;
  std::vector<float> left(step);
  std::vector<float> right(step);
  ended_ = false;
  engine_.WMPlaySong(code);

  TRenderResult result;
  onStep({0, engine_.SongTime(), {}, {}});
  const auto tailFrames = static_cast<std::int64_t>(maxTailSeconds * rate);
  std::int64_t pos = 0;
  bool seenEnd = false;
  bool quiet = false;
  while (!seenEnd || (!quiet && pos < result.endSample + tailFrames)) {
    if (pos > kMaxSeconds * rate) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The song does not end: its MIDI data are damaged.")));
    engine_.RenderBlock(left.data(), right.data(), step);
    pos += step;
    if (ended_ && !seenEnd) {
      seenEnd = true;
      result.endSample = pos;
    }
    onStep({pos, engine_.SongTime(), left, right});
    quiet = seenEnd && !engine_.VoicesSounding() && Peak(left, right) < kSilence;
  }
  result.totalFrames = pos;
  return result;
}

}  // namespace lyrova
