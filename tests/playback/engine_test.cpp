// The engine in real time on the silent output, with its two threads, driven
// as the main window drives it.

#include "playback/playback_engine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "tests/playback/smf_builder.h"
#include "tests/playback/stand_ins.h"
#include "tests/playback/test_disc.h"

namespace lyrova {
namespace {

using namespace std::chrono_literals;

// `quarters` quarter notes at 240 bpm: a quarter lasts 0.25 s.
std::vector<std::uint8_t> QuickSong(int quarters) {
  test::TSmfBuilder smf(192);
  smf.Tempo(0, 250000);
  for (int q = 0; q < quarters; ++q) smf.Note(q * 192, 0, 60 + q % 12, 180);
  return smf.Build();
}

class EngineTest : public testing::Test {
 protected:
  void SetUp() override {
    disc_.AddSong(1, QuickSong(2), {0x05, 0x81, 0x02, 0x7F}, "First line\r\nSecond\nThird\r");
    disc_.AddSong(2, QuickSong(40), {0x10}, "Long song");
    engine_ = std::make_unique<TPlaybackEngine>(disc_.Catalog(), lyrics_, ends_);
    engine_->DMInit(TPlaybackEngine::DefaultSoundFont(), TAudioMode::Silent);
    engine_->StartThreads(ticks_);
  }

  test::TTestDisc disc_;
  test::TLyricRecorder lyrics_;
  test::TSongEndRecorder ends_;
  test::TTickRecorder ticks_;
  std::unique_ptr<TPlaybackEngine> engine_;
};

TEST_F(EngineTest, NaturalEndClearsPlayingThenCallsSongEndOnce) {
  engine_->WMPlaySong(1);
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongPlaying(); }, 2s));
  ASSERT_TRUE(ends_.WaitForEnds(1, 3s));
  EXPECT_FALSE(engine_->SongPlaying());
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(ends_.Ends(), 1);
}

TEST_F(EngineTest, StopIsAnAbortThatNeverCallsSongEnd) {
  engine_->WMPlaySong(2);
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongTime() > 0; }, 2s));
  engine_->WMStopSong();
  ASSERT_TRUE(test::WaitUntil([&] { return !engine_->SongPlaying(); }, 2s));
  EXPECT_EQ(engine_->SongTime(), 0);
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(ends_.Ends(), 0);
}

TEST_F(EngineTest, ASecondSongStopsTheFirstWithoutAdvancing) {
  engine_->WMPlaySong(2);
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongTime() > 768; }, 3s));
  engine_->WMPlaySong(1);
  // The new song's time starts again from 0.
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongPlaying() && engine_->SongTime() < 768; }, 2s));
  ASSERT_TRUE(ends_.WaitForEnds(1, 3s)) << "the second song ends by itself";
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(ends_.Ends(), 1) << "the aborted first song did not count";
}

TEST_F(EngineTest, SameSongAfterStopPlaysAgainFromTheStart) {
  engine_->WMPlaySong(2);
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongTime() > 1536; }, 3s));
  engine_->WMStopSong();
  engine_->WMPlaySong(2);
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongPlaying(); }, 2s));
  EXPECT_LT(engine_->SongTime(), 1536);
}

TEST_F(EngineTest, LyricsAndTimingGoToTheWindowBeforeTheSongPlays) {
  engine_->WMPlaySong(1);
  EXPECT_EQ(lyrics_.Calls(), (std::vector<std::string>{"SetLyrics", "SetTiming"}));
  EXPECT_EQ(lyrics_.Lines(), (std::vector<std::string>{"First line", "Second", "Third"}));
  EXPECT_EQ(lyrics_.Timing(), (TimingPairs{{0, 480}, {480, 12480}, {12960, 12192}}));
}

TEST_F(EngineTest, UnknownCodeIsAClearErrorAndPlaysNothing) {
  try {
    engine_->WMPlaySong(4321);
    FAIL() << "no error for a code not in the catalogue";
  } catch (const Error& e) {
    EXPECT_NE(Cp1251ToUtf8(e.what()).find("4321"), std::string::npos);
  }
  EXPECT_TRUE(lyrics_.Calls().empty());
  std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(engine_->SongPlaying());
}

TEST_F(EngineTest, TicksCarryZeroWhileIdleAndTheSongTimeWhilePlaying) {
  ASSERT_TRUE(test::WaitUntil([&] { return ticks_.Times().size() >= 5; }, 2s));
  for (std::int32_t t : ticks_.Times()) EXPECT_EQ(t, 0);
  engine_->WMPlaySong(2);
  ASSERT_TRUE(test::WaitUntil([&] {
    const auto times = ticks_.Times();
    return std::any_of(times.begin(), times.end(), [](std::int32_t t) { return t > 768; });
  }, 3s));
  const auto times = ticks_.Times();
  EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << "song time never runs backwards";
}

TEST_F(EngineTest, TempoIsRememberedAndAppliesToTheNextSong) {
  EXPECT_EQ(engine_->CurrentTempo(), 0.0f);
  engine_->WMTempo(1);
  EXPECT_FLOAT_EQ(engine_->CurrentTempo(), 1.025f);
  engine_->WMTempo(0);
  EXPECT_EQ(engine_->CurrentTempo(), 1.0f);
  // The tempo is a setting of the whole performance: a song runs at it.
  engine_->WMTempo(40);
  engine_->WMPlaySong(2);
  ASSERT_TRUE(test::WaitUntil([&] { return engine_->SongTime() > 0; }, 2s));
  const auto start = std::chrono::steady_clock::now();
  const std::int32_t first = engine_->SongTime();
  std::this_thread::sleep_for(400ms);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // 240 bpm doubled: 4 * 2 quarters a second.
  EXPECT_NEAR((engine_->SongTime() - first) / seconds, 768.0 * 8, 768.0 * 8 * 0.2);
}

TEST_F(EngineTest, ShutdownEndsBothThreadsAndIsSafeTwice) {
  engine_->WMPlaySong(2);
  engine_->Shutdown();
  EXPECT_FALSE(engine_->SongPlaying());
  EXPECT_EQ(engine_->SongTime(), 0);
  const auto ticks = ticks_.Times().size();
  std::this_thread::sleep_for(60ms);
  EXPECT_EQ(ticks_.Times().size(), ticks);
  engine_->Shutdown();
}

TEST(Engine, NoSoundFontMeansNoPerformance) {
  test::TTestDisc disc;
  test::TLyricRecorder lyrics;
  test::TSongEndRecorder ends;
  TPlaybackEngine engine(disc.Catalog(), lyrics, ends);
  EXPECT_THROW(engine.DMInit("", TAudioMode::Silent), Error);
  EXPECT_FALSE(engine.Initialised());
  EXPECT_EQ(engine.EnumPorts().size(), 1u);
}

}  // namespace
}  // namespace lyrova
