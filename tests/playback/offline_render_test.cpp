#include "playback/offline_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "playback/sound_font.h"
#include "tests/playback/smf_builder.h"
#include "tests/playback/stand_ins.h"
#include "tests/playback/test_disc.h"

namespace lyrova {
namespace {

constexpr int kRate = 44100;

// Eight quarters at 120 bpm (4 s), 120 ticks a quarter, organ and drums.
std::vector<std::uint8_t> Song() {
  test::TSmfBuilder smf(120);
  smf.Tempo(0, 500000).Program(0, 0, 19);
  for (int q = 0; q < 8; ++q) smf.Note(q * 120, 0, 60 + q, 110).Note(q * 120, 9, 36, 60);
  smf.End(960);
  return smf.Build();
}

class OfflineRenderTest : public testing::Test {
 protected:
  OfflineRenderTest() {
    disc_.AddSong(7, Song(), {0x05, 0x05}, "Words");
    render_ = std::make_unique<TOfflineRender>(disc_.Catalog(), lyrics_, FindDefaultSoundFont());
  }

  struct Output {
    TRenderResult result;
    std::vector<TRenderStep> steps;  // without the audio
    double sumSquares = 0;
    float lastPeak = 0;  // of the last step
  };
  Output Render() {
    Output out;
    out.result = render_->RenderSong(7, [&](const TRenderStep& step) {
      out.steps.push_back({step.samplePos, step.songTime, {}, {}});
      out.lastPeak = 0;
      for (float v : step.left) {
        out.sumSquares += double{v} * v;
        out.lastPeak = std::max(out.lastPeak, std::abs(v));
      }
    });
    return out;
  }

  test::TTestDisc disc_;
  test::TLyricRecorder lyrics_;
  std::unique_ptr<TOfflineRender> render_;
};

struct TempoCase {
  int position;  // the tempo track bar
  double factor;
};

class RenderTempoTest : public OfflineRenderTest, public testing::WithParamInterface<TempoCase> {};

TEST_P(RenderTempoTest, LengthFollowsTheTempoFactor) {
  render_->Engine().WMTempo(-GetParam().position);
  const Output out = Render();
  EXPECT_NEAR(static_cast<double>(out.result.endSample) / kRate, 4.0 / GetParam().factor, 0.02);
  // The last chord rings out to silence after the end, within the bound.
  EXPECT_GT(out.result.totalFrames, out.result.endSample + kRate / 20);
  EXPECT_LT(out.result.totalFrames, out.result.endSample + 10 * kRate);
  EXPECT_LT(out.lastPeak, 1e-4f);
  // At the middle of the song the song time is half of its 8 quarters.
  const auto middle = out.result.endSample / 2;
  for (const TRenderStep& step : out.steps) {
    if (step.samplePos < middle) continue;
    EXPECT_NEAR(step.songTime, 4 * 768, 768 * 0.02 * GetParam().factor + 8);
    break;
  }
}

INSTANTIATE_TEST_SUITE_P(Ends, RenderTempoTest,
                         testing::Values(TempoCase{-40, 2.0}, TempoCase{0, 1.0}, TempoCase{40, 0.2}));

TEST_F(OfflineRenderTest, StepsAreTenMillisecondsAndSongTimeStopsAtTheEnd) {
  const Output out = Render();
  ASSERT_GT(out.steps.size(), 2u);
  EXPECT_EQ(out.steps[0].samplePos, 0);
  EXPECT_EQ(out.steps[0].songTime, 0);
  for (std::size_t i = 1; i < out.steps.size(); ++i) {
    EXPECT_EQ(out.steps[i].samplePos - out.steps[i - 1].samplePos, kRate / 100);
    if (out.steps[i].samplePos <= out.result.endSample - kRate / 100) {
      EXPECT_GE(out.steps[i].songTime, out.steps[i - 1].songTime);
    }
    if (out.steps[i].samplePos > out.result.endSample) {
      EXPECT_EQ(out.steps[i].songTime, 0);
    }
  }
}

TEST_F(OfflineRenderTest, VolumeBarEndsAre45DecibelsApart) {
  render_->Engine().WMVolume(0);
  const double loud = Render().sumSquares;
  // A fresh synthesizer: the loud song's reverb tail would ring on into the next.
  render_ = std::make_unique<TOfflineRender>(disc_.Catalog(), lyrics_, FindDefaultSoundFont());
  render_->Engine().WMVolume(100);
  const double quiet = Render().sumSquares;
  ASSERT_GT(quiet, 0.0);
  EXPECT_NEAR(10 * std::log10(loud / quiet), 45.0, 0.5);
}

TEST_F(OfflineRenderTest, SettingsStayInForceForTheNextSong) {
  render_->Engine().WMTempo(-40);  // the bottom of the bar: 0.2
  render_->Engine().WMVolume(100);
  const Output first = Render();
  const Output second = Render();
  EXPECT_NEAR(static_cast<double>(second.result.endSample) / kRate, 20.0, 0.05);
  // Reset to the synthesizer's default the second song would be 30 dB louder.
  EXPECT_NEAR(10 * std::log10(second.sumSquares / first.sumSquares), 0.0, 1.0);
}

}  // namespace
}  // namespace lyrova
