// A recorded song through the player's own engine, rendered offline as
// live playback renders it: the tempo and key sliders stretch and pitch it,
// the song time follows the recording, the volume bar rests at the
// recording's own level, and the song ends as MIDI songs do.

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/song_source.h"
#include "playback/master_settings.h"
#include "playback/offline_render.h"
#include "playback/sound_font.h"
#include "tests/media/media_samples.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

constexpr double kSilence = 0.5;
constexpr double kTone = 2.0;
constexpr double kHz = 440;

class OneRecording : public ISongSource, public ILyricTarget {
 public:
  explicit OneRecording(std::string path) { files_.sound = std::move(path); }
  std::optional<TSongData> LoadSong(std::uint32_t code) override {
    if (code != 10001) return std::nullopt;
    TSongData data;
    data.recorded = files_;
    return data;
  }
  void SetRecording(const TRecordedFiles* files) override { shown_ = files ? files->sound : "none"; }
  void SetLyrics(const std::vector<std::string>& lines) override { lines_ = lines.size(); }
  void SetTiming(const TimingPairs&) override {}

  TRecordedFiles files_;
  std::string shown_;
  std::size_t lines_ = 99;
};

struct Slider {
  int tempo;  // the negated tempo bar position
  int key;
};

class RecordedPlayback : public ::testing::TestWithParam<Slider> {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir;
    testing::WriteToneWav(dir_->File("t.wav"), kHz, kTone, kSilence);
    testing::Encode(dir_->File("t.wav"), dir_->File("t.mp3"));
  }
  static void TearDownTestSuite() { delete dir_; }
  static testing::TempDir* dir_;
};
testing::TempDir* RecordedPlayback::dir_ = nullptr;

TEST_P(RecordedPlayback, FollowsTheSlidersInSoundAndSongTime) {
  const Slider s = GetParam();
  OneRecording song(dir_->File("t.mp3"));
  TOfflineRender render(song, song, FindDefaultSoundFont());
  render.Engine().WMTempo(s.tempo);
  render.Engine().WMPitch(s.key);
  const double tempo = TempoFactor(s.tempo);

  std::vector<float> left;
  std::int32_t onsetTime = -1;
  std::int32_t lastTime = 0;
  const TRenderResult result = render.RenderSong(10001, [&](const TRenderStep& step) {
    for (float v : step.left) {
      if (onsetTime < 0 && std::abs(v) > 0.05f) onsetTime = step.songTime;
      left.push_back(v);
    }
    if (step.songTime > 0) lastTime = step.songTime;
  });
  EXPECT_EQ(song.shown_, dir_->File("t.mp3"));
  EXPECT_EQ(song.lines_, 0u);

  const double rate = render.Engine().SampleRate();
  const double seconds = (kSilence + kTone) / tempo;
  EXPECT_NEAR(result.endSample / rate, seconds, 0.005 * seconds + 0.02);
  // Song time is the recording's: 1536 a second of it, at any tempo.
  EXPECT_NEAR(lastTime / 1536.0, kSilence + kTone, 0.03);
  EXPECT_NEAR(onsetTime / 1536.0, kSilence, 0.04);

  std::size_t first = 0;
  while (first < left.size() && std::abs(left[first]) < 0.05f) ++first;
  const std::size_t length = static_cast<std::size_t>(kTone / tempo * rate);
  const double hz = testing::ToneFrequency(left, static_cast<int>(rate), first + length / 5, first + length * 4 / 5);
  EXPECT_NEAR(1200 * std::log2(hz / (kHz * std::pow(2.0, s.key / 12.0))), 0, 5) << hz;

  // The bar at rest plays the recording at its own level (12000 of 32768).
  float peak = 0;
  for (std::size_t i = first + length / 5; i < first + length * 4 / 5; ++i) peak = std::max(peak, std::abs(left[i]));
  EXPECT_NEAR(20 * std::log10(peak / (12000.0 / 32768)), 0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Sliders, RecordedPlayback,
                         ::testing::Values(Slider{0, 0}, Slider{20, 0}, Slider{-20, 2}, Slider{10, -3}));

}  // namespace
}  // namespace lyrova
