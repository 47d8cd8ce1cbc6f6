#include "playback/performance.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/errors.h"
#include "playback/master_settings.h"
#include "playback/sound_font.h"
#include "tests/playback/smf_builder.h"

namespace lyrova {
namespace {

using Kind = TSegmentNotification::Kind;
constexpr int kRate = TPerformance::kSampleRate;

class PerformanceTest : public testing::Test {
 protected:
  // Renders in 10 ms steps up to `seconds`, collecting notifications with
  // the sample position they were seen at.
  void RenderTo(double seconds) {
    std::vector<float> left(441), right(441);
    while (performance_.RenderedFrames() < static_cast<std::int64_t>(seconds * kRate)) {
      performance_.Render(left.data(), right.data(), 441);
      while (auto note = performance_.PopNotification()) seen_.push_back({*note, performance_.RenderedFrames()});
    }
  }
  std::vector<Kind> Kinds() const {
    std::vector<Kind> kinds;
    for (const auto& s : seen_) kinds.push_back(s.note.kind);
    return kinds;
  }
  // Music time since the segment's start, heard at `seconds`.
  std::int64_t SongTimeAt(double seconds) {
    RenderTo(seconds);
    const TAudioMoment moment = performance_.HeardMoment();
    return moment.musicTime - seen_.front().note.musicTime;
  }

  struct Seen {
    TSegmentNotification note;
    std::int64_t frames;
  };
  TPerformance performance_{FindDefaultSoundFont()};
  std::vector<Seen> seen_;
};

// Four quarters at 96 ticks a quarter: two at 120 bpm, two at 240 bpm, 1.5 s.
std::vector<std::uint8_t> TwoTempoSong() {
  test::TSmfBuilder smf(96);
  smf.Tempo(0, 500000).Tempo(192, 250000).Note(0, 0, 60, 96).Note(192, 0, 64, 96).Note(288, 0, 67, 96);
  return smf.Build();
}

TEST_F(PerformanceTest, MusicTimeCountsQuartersAs768WhateverTheFilesResolution) {
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  // Moments are exact to a 64-sample block: 1.45 ms, under 3 units at 240 bpm.
  EXPECT_NEAR(SongTimeAt(0.5), 768, 4);
  EXPECT_NEAR(SongTimeAt(1.0), 1536, 4);
  EXPECT_NEAR(SongTimeAt(1.25), 2304, 6);
  ASSERT_EQ(Kinds(), std::vector<Kind>{Kind::Start});
}

TEST_F(PerformanceTest, MasterTempoSpeedsMusicTimeAndTheSongEnd) {
  ASSERT_TRUE(performance_.SetMasterTempo(2.0f));
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  EXPECT_NEAR(SongTimeAt(0.5), 1536, 6);
  RenderTo(1.0);
  ASSERT_EQ(Kinds(), (std::vector<Kind>{Kind::Start, Kind::End}));
  EXPECT_NEAR(static_cast<double>(seen_[1].frames) / kRate, 0.75, 0.015);
}

TEST_F(PerformanceTest, EndComesAtTheLastEventNotSecondsLater) {
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  RenderTo(2.0);
  ASSERT_EQ(Kinds(), (std::vector<Kind>{Kind::Start, Kind::End}));
  EXPECT_NEAR(static_cast<double>(seen_[1].frames) / kRate, 1.5, 0.015);
  EXPECT_EQ(performance_.HeardMoment().serial, 0u) << "no segment sounds after its end";
}

TEST_F(PerformanceTest, StopIsAnAbortAndANewSongAbortsTheOldOneFirst) {
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  RenderTo(0.3);
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  RenderTo(0.6);
  ASSERT_TRUE(performance_.Stop());
  RenderTo(2.5);
  ASSERT_EQ(Kinds(), (std::vector<Kind>{Kind::Start, Kind::Abort, Kind::Start, Kind::Abort}));
  EXPECT_EQ(seen_[0].note.serial, seen_[1].note.serial);
  EXPECT_NE(seen_[1].note.serial, seen_[2].note.serial);
  EXPECT_EQ(seen_[2].note.serial, seen_[3].note.serial);
}

TEST_F(PerformanceTest, StopWithNothingPlayingNotifiesNothing) {
  ASSERT_TRUE(performance_.Stop());
  RenderTo(0.1);
  EXPECT_TRUE(seen_.empty());
  EXPECT_EQ(performance_.HeardMoment().serial, 0u);
}

TEST_F(PerformanceTest, ABlockThePlayerCannotReadEndsInsteadOfHanging) {
  std::vector<std::uint8_t> midi = TwoTempoSong();
  midi.resize(30);  // the header and a cut-off track
  ASSERT_TRUE(performance_.Play(MakeSegment(midi)));
  RenderTo(0.5);
  EXPECT_EQ(Kinds(), (std::vector<Kind>{Kind::Start, Kind::End}));
}

TEST_F(PerformanceTest, LatencyMovesTheHeardMomentBack) {
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  RenderTo(0.5);
  const std::int64_t now = performance_.HeardMoment().musicTime;
  performance_.SetLatencyFrames(kRate / 4);
  EXPECT_NEAR(now - performance_.HeardMoment().musicTime, 384, 4);
}

// The lyric clock asks for the music heard half a tick ahead: a timed
// report of the latency lets the heard position run on with the clock.
TEST_F(PerformanceTest, TheMomentHeardAShortWhileAheadRunsOnFromTheLastReport) {
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  RenderTo(0.5);
  const auto nanos = std::chrono::steady_clock::now().time_since_epoch();
  performance_.ReportLatency(kRate / 4, std::chrono::duration_cast<std::chrono::nanoseconds>(nanos).count());
  const std::int64_t now = performance_.HeardMoment().musicTime;
  // 0.1 s at 120 beats a minute, 768 a quarter.
  EXPECT_NEAR(performance_.HeardMoment(std::chrono::milliseconds(100)).musicTime - now, 154, 8);
}

TEST_F(PerformanceTest, LyricOffsetAddsToTheLatencyAtOnce) {
  ASSERT_TRUE(performance_.Play(MakeSegment(TwoTempoSong())));
  RenderTo(0.5);
  const std::int64_t now = performance_.HeardMoment().musicTime;
  performance_.SetLyricOffsetMs(250);  // a quarter second later: half a quarter note at 120 bpm
  EXPECT_NEAR(now - performance_.HeardMoment().musicTime, 384, 4);
  performance_.SetLatencyFrames(kRate / 4);
  EXPECT_NEAR(now - performance_.HeardMoment().musicTime, 768, 4);
  performance_.SetLyricOffsetMs(-250);  // earlier again, by as much as the latency
  EXPECT_NEAR(performance_.HeardMoment().musicTime, now, 4);
}

// The tempo slider's position (-40 to 40): the song runs at TempoFactor of
// its negation.
class PerformanceTempoTest : public PerformanceTest, public testing::WithParamInterface<int> {};

TEST_P(PerformanceTempoTest, ManyTempoChangesKeepTheSongTimeOnTheTempoMap) {
  const double factor = TempoFactor(-GetParam());
  ASSERT_TRUE(performance_.SetMasterTempo(static_cast<float>(factor)));
  // 240 changes, every eighth note, between 60 and 240 bpm.
  test::TSmfBuilder smf(96);
  std::vector<double> eighthSeconds;
  double seconds = 0;
  for (int eighth = 0; eighth < 240; ++eighth) {
    const int micros = 250'000 + (eighth * 7919) % 750'000;
    smf.Tempo(eighth * 48, micros);
    eighthSeconds.push_back(micros / 2e6 / factor);
    seconds += micros / 2e6 / factor;
  }
  smf.Note(0, 0, 60, 240 * 48);
  // Quarters played by `at` seconds, walking the tempo map.
  const auto quartersAt = [&](double at) {
    double quarters = 0;
    for (double length : eighthSeconds) {
      if (at <= length) return quarters + at / length / 2;
      at -= length;
      quarters += 0.5;
    }
    return quarters;
  };
  ASSERT_NE(performance_.Play(MakeSegment(smf.Build())), 0u);
  for (double at = 0.37; at < seconds; at += 3.1 / factor) {
    RenderTo(at);
    const TAudioMoment moment = performance_.HeardMoment();
    const double expected = 768 * quartersAt(static_cast<double>(moment.samplePos) / kRate);
    EXPECT_NEAR(static_cast<double>(moment.musicTime - seen_.front().note.musicTime), expected, 1.5) << at << " s";
  }
  RenderTo(seconds + 0.1);
  ASSERT_EQ(Kinds(), (std::vector<Kind>{Kind::Start, Kind::End}));
  EXPECT_NEAR(static_cast<double>(seen_[1].frames) / kRate, seconds, 0.011);
}

INSTANTIATE_TEST_SUITE_P(SliderPositions, PerformanceTempoTest, testing::Values(20, 0, -13, -40));

TEST_F(PerformanceTest, ASongChangeFadesTheOldSongOutWithinItsFadeAndTakesNoVoiceOver) {
  test::TSmfBuilder loud(96);
  loud.Tempo(0, 500000).Program(0, 0, 19).Controller(0, 0, 64, 127).Note(0, 0, 60, 960, 127).Note(0, 0, 67, 960, 127);
  test::TSmfBuilder quiet(96);
  quiet.Tempo(0, 500000).Note(960, 0, 60, 96);  // nothing sounds for 5 s
  ASSERT_TRUE(performance_.Play(MakeSegment(loud.Build())));
  RenderTo(0.5);
  std::vector<float> left(TPerformance::kFadeFrames), right(TPerformance::kFadeFrames);
  performance_.Render(left.data(), right.data(), TPerformance::kFadeFrames);
  float before = 0;
  for (float v : left) before = std::max(before, std::abs(v));
  ASSERT_GT(before, 0.01f);

  ASSERT_NE(performance_.Play(MakeSegment(quiet.Build())), 0u);
  performance_.Render(left.data(), right.data(), TPerformance::kFadeFrames);
  // The fade falls steadily: its last quarter is well below where it began.
  float lastQuarter = 0;
  for (int i = TPerformance::kFadeFrames * 3 / 4; i < TPerformance::kFadeFrames; ++i)
    lastQuarter = std::max(lastQuarter, std::abs(left[i]));
  EXPECT_LT(lastQuarter, before * 0.3f);
  // Then nothing audible of the old song, even with the pedal down: no voice,
  // and no frame the synthesizer made before the change (a click at -26 dB).
  performance_.Render(left.data(), right.data(), TPerformance::kFadeFrames);
  float after = 0;
  for (float v : left) after = std::max(after, std::abs(v));
  EXPECT_LT(after, before / 20);
  EXPECT_FALSE(performance_.VoicesSounding());
}

// Renders `blocks` blocks of 441 frames from `performance` into `out`.
void RenderBlocks(TPerformance& performance, int blocks, std::vector<float>* out = nullptr) {
  std::vector<float> left(441), right(441);
  for (int b = 0; b < blocks; ++b) {
    performance.Render(left.data(), right.data(), 441);
    if (out) out->insert(out->end(), left.begin(), left.end());
  }
}

TEST(PerformancePause, HoldsEveryVoiceAndTheMusicTimeAndGoesOnExactly) {
  // The same song played straight through, and with a pause after 0.3 s.
  TPerformance straight{FindDefaultSoundFont()};
  TPerformance paused{FindDefaultSoundFont()};
  for (TPerformance* p : {&straight, &paused}) ASSERT_TRUE(p->Play(MakeSegment(TwoTempoSong())));
  RenderBlocks(straight, 30);
  RenderBlocks(paused, 30);

  ASSERT_TRUE(paused.SetPaused(true));
  std::vector<float> held;
  const std::int64_t before = paused.HeardMoment().musicTime;
  RenderBlocks(paused, 50, &held);
  EXPECT_TRUE(std::all_of(held.begin(), held.end(), [](float s) { return s == 0.0f; }));
  EXPECT_EQ(paused.HeardMoment().musicTime, before);
  EXPECT_GT(fluid_synth_get_active_voice_count(paused.Synth()), 0);  // held, not cut
  std::vector<Kind> kinds;
  while (auto note = paused.PopNotification()) kinds.push_back(note->kind);
  EXPECT_EQ(kinds, std::vector<Kind>{Kind::Start});  // neither an end nor an abort

  ASSERT_TRUE(paused.SetPaused(false));
  std::vector<float> expected, resumed;
  RenderBlocks(straight, 40, &expected);
  RenderBlocks(paused, 40, &resumed);
  EXPECT_EQ(resumed, expected);
  EXPECT_GT(paused.HeardMoment().musicTime, before);
}

TEST(PerformancePause, AStopWhilePausedEndsThePauseAndANewSongPlays) {
  TPerformance performance{FindDefaultSoundFont()};
  ASSERT_TRUE(performance.SetPaused(true));  // nothing plays: nothing to hold
  ASSERT_TRUE(performance.Play(MakeSegment(TwoTempoSong())));
  RenderBlocks(performance, 10);
  EXPECT_GT(performance.HeardMoment().musicTime, 0);
  ASSERT_TRUE(performance.SetPaused(true));
  RenderBlocks(performance, 10);
  ASSERT_TRUE(performance.Stop());
  ASSERT_TRUE(performance.Play(MakeSegment(TwoTempoSong())));
  std::vector<float> next;
  RenderBlocks(performance, 20, &next);
  // The new song sounds: the stop ended the pause.
  EXPECT_TRUE(std::any_of(next.begin(), next.end(), [](float s) { return s != 0.0f; }));
  std::vector<Kind> kinds;
  while (auto note = performance.PopNotification()) kinds.push_back(note->kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Start, Kind::Abort, Kind::Start}));
}

TEST(PerformancePause, APauseDuringTheFadeToTheNextSongHoldsItsStart) {
  TPerformance performance{FindDefaultSoundFont()};
  ASSERT_TRUE(performance.Play(MakeSegment(TwoTempoSong())));
  RenderBlocks(performance, 10);
  ASSERT_TRUE(performance.Play(MakeSegment(TwoTempoSong())));
  ASSERT_TRUE(performance.SetPaused(true));
  RenderBlocks(performance, 20);
  std::vector<Kind> kinds;
  while (auto note = performance.PopNotification()) kinds.push_back(note->kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Start, Kind::Abort}));  // the next song waits
  ASSERT_TRUE(performance.SetPaused(false));
  RenderBlocks(performance, 5);
  kinds.clear();
  while (auto note = performance.PopNotification()) kinds.push_back(note->kind);
  EXPECT_EQ(kinds, std::vector<Kind>{Kind::Start});
}

TEST(PerformanceMelody, OnlyTheMelodyChannelsVolumeIsScaledFromTheSongsStart) {
  TPerformance performance{FindDefaultSoundFont()};
  const auto volume = [&](int channel) {
    int value = -1;
    fluid_synth_get_cc(performance.Synth(), channel, 7, &value);
    return value;
  };
  test::TSmfBuilder smf(96);
  smf.Controller(0, 0, 7, 80).Controller(0, 1, 7, 90).Note(0, 0, 60, 960).Note(0, 1, 48, 960);
  const std::vector<std::uint8_t> song = smf.Build();

  ASSERT_TRUE(performance.SetMelodyScale(0.5f));
  ASSERT_TRUE(performance.Play(MakeSegment(song), 0));
  RenderBlocks(performance, 5);
  EXPECT_EQ(volume(0), 40);  // the song's own 80, halved
  EXPECT_EQ(volume(1), 90);  // the accompaniment untouched
  ASSERT_TRUE(performance.SetMelodyScale(0.0f));
  RenderBlocks(performance, 1);
  EXPECT_EQ(volume(0), 0);  // at once
  EXPECT_EQ(volume(1), 90);

  // A song without a melody channel plays as it is.
  ASSERT_TRUE(performance.Play(MakeSegment(song)));
  RenderBlocks(performance, 10);
  EXPECT_EQ(volume(0), 80);
}

TEST(MakeSegment, RefusesWhatThePlayerCannotTime) {
  EXPECT_THROW(MakeSegment({}), Error);
  EXPECT_THROW(MakeSegment(std::vector<std::uint8_t>(40, 0)), Error);
  std::vector<std::uint8_t> smpte = TwoTempoSong();
  smpte[12] = 0xE7;  // -25 frames a second
  EXPECT_THROW(MakeSegment(smpte), Error);
}

TEST(MakeSegment, ReadsTheResolutionAndMendsTheFirstTrackLength) {
  std::vector<std::uint8_t> midi = TwoTempoSong();
  const std::vector<std::uint8_t> length(midi.begin() + 18, midi.begin() + 22);
  midi[18] = 0xFF;
  midi[19] = 0xFF;
  const auto segment = MakeSegment(midi);
  EXPECT_EQ(segment->division, 96);
  EXPECT_EQ(std::vector<std::uint8_t>(segment->midi.begin() + 18, segment->midi.begin() + 22), length);
}

TEST(Performance, MissingSoundFontSaysWhatIsMissing) {
  try {
    TPerformance performance("/nonexistent/none.sf2");
    FAIL() << "a performance without instruments";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/none.sf2"), std::string::npos);
  }
  EXPECT_THROW(TPerformance performance(""), Error);
}

}  // namespace
}  // namespace lyrova
