// Key and tempo on recorded sound, measured on a rendered tone that went
// through an MP3: the stretched length, the pitch, and which moment of the
// recording the stamps say each block comes from.

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/errors.h"
#include "media/audio_decoder.h"
#include "playback/recorded_sound.h"
#include "tests/media/media_samples.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

constexpr double kTone = 440;
constexpr double kSilence = 0.5;
constexpr double kToneSeconds = 3;
constexpr int kRate = TAudioDecoder::kSampleRate;

const std::string& ToneMp3() {
  static testing::TempDir dir;
  static const std::string path = [] {
    testing::WriteToneWav(dir.File("tone.wav"), kTone, kToneSeconds, kSilence);
    testing::Encode(dir.File("tone.wav"), dir.File("tone.mp3"));
    return dir.File("tone.mp3");
  }();
  return path;
}

struct Played {
  std::vector<float> left;
  std::vector<double> stamps;  // the recording's time of each 64-frame block
};

Played PlayAll(double tempo, int semitones) {
  TRecordedSound sound(std::make_unique<TAudioDecoder>(TMediaInput::OpenFile(ToneMp3())), tempo, semitones);
  sound.SetWaiting(true);
  Played out;
  float left[64];
  float right[64];
  while (!sound.Ended()) {
    double source = -1;
    const int n = sound.Read(left, right, 64, &source);
    if (n == 0) continue;
    out.left.insert(out.left.end(), left, left + n);
    out.stamps.push_back(source);
  }
  return out;
}

struct Setting {
  double tempo;
  int semitones;
};

class StretchedTone : public ::testing::TestWithParam<Setting> {};

TEST_P(StretchedTone, KeepsItsLengthPitchAndPlace) {
  const Setting s = GetParam();
  const Played played = PlayAll(s.tempo, s.semitones);
  std::size_t first = 0;
  while (first < played.left.size() && std::abs(played.left[first]) < 0.05f) ++first;
  std::size_t last = played.left.size();
  while (last > first && std::abs(played.left[last - 1]) < 0.05f) --last;
  ASSERT_LT(first, last);

  const double seconds = static_cast<double>(last - first) / kRate;
  EXPECT_NEAR(seconds, kToneSeconds / s.tempo, 0.005 * kToneSeconds / s.tempo);

  const std::size_t margin = (last - first) / 5;
  const double hz = testing::ToneFrequency(played.left, kRate, first + margin, last - margin);
  const double cents = 1200 * std::log2(hz / (kTone * std::pow(2.0, s.semitones / 12.0)));
  EXPECT_NEAR(cents, 0, 5) << hz << " Hz";

  // Where the tone starts, the stamps say the recording's tone start.
  EXPECT_NEAR(played.stamps[first / 64], kSilence, 0.025);
  for (std::size_t i = 1; i < played.stamps.size(); ++i)
    ASSERT_GE(played.stamps[i], played.stamps[i - 1]) << "the recording's time never goes back";
}

INSTANTIATE_TEST_SUITE_P(Settings, StretchedTone,
                         ::testing::Values(Setting{1.0, 0}, Setting{1.25, 0}, Setting{0.8, 3}, Setting{0.6, -5},
                                           Setting{2.0, 8}, Setting{0.2, -8}));

TEST(RecordedSound, DamagedMp3PlaysWhatIsLeftOrIsRefused) {
  testing::TempDir dir;
  std::string bytes = testing::ReadFile(ToneMp3());
  // Garbage in the middle: the frames around it still play.
  for (std::size_t i = bytes.size() / 2; i < bytes.size() / 2 + 2000; ++i) bytes[i] = static_cast<char>(i * 131);
  testing::WriteFile(dir.File("damaged.mp3"), bytes);
  TRecordedSound damaged(std::make_unique<TAudioDecoder>(TMediaInput::OpenFile(dir.File("damaged.mp3"))), 1.0, 0);
  damaged.SetWaiting(true);
  std::int64_t frames = 0;
  float l[64];
  float r[64];
  double source = 0;
  while (!damaged.Ended()) frames += damaged.Read(l, r, 64, &source);
  EXPECT_GT(frames, kRate * (kSilence + kToneSeconds) * 0.8);

  testing::WriteFile(dir.File("garbage.mp3"), std::string(5000, '\x5A'));
  EXPECT_THROW(TAudioDecoder(TMediaInput::OpenFile(dir.File("garbage.mp3"))), Error);
  EXPECT_THROW(TAudioDecoder(TMediaInput::OpenFile(dir.File("missing.mp3"))), Error);
}

}  // namespace
}  // namespace lyrova
