// The now-playing line's text.

#include <gtest/gtest.h>

#include "session/now_playing.h"

namespace lyrova {
namespace {

TEST(ClockText, MinutesAndSecondsThenHours) {
  const std::pair<double, const char*> cases[] = {
      {0, "0:00"}, {-3, "0:00"}, {59.99, "0:59"}, {60, "1:00"}, {754.2, "12:34"}, {3600, "1:00:00"}, {3723, "1:02:03"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(ClockText(seconds), text) << seconds;
}

TEST(NowPlayingText, SaysWhatPlaysHowLongItRunsAndTheKey) {
  TNowPlaying song{7, "Калинка", "Хор", 65.4, 151.2, -2, false};
  EXPECT_EQ(NowPlayingText(song), "0007 Калинка — Хор · 1:05 / \u22122:32 · Тон \u22122");
  song.paused = true;
  song.singer.clear();
  song.semitones = 3;
  song.remaining = 10.0;  // whole seconds stay as they are
  EXPECT_EQ(NowPlayingText(song), "Пауза: 0007 Калинка · 1:05 / \u22120:10 · Тон +3");
  // Elapsed and remaining never add up to more than the song.
  song.elapsed = 59.6;
  song.remaining = 0.4;
  EXPECT_EQ(NowPlayingText(song), "Пауза: 0007 Калинка · 0:59 / \u22120:01 · Тон +3");
}

}  // namespace
}  // namespace lyrova
