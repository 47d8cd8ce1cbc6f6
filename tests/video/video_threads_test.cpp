#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/video/test_film.h"
#include "video/video_composer.h"

namespace lyrova {
namespace {

TimingPairs Timing(int characters) {
  TimingPairs timing{{1, 130}};
  for (int i = 0; i < characters; ++i) timing.push_back({131 + 10 * i, 10});
  return timing;
}

// The clock ticks without pause while the main thread starts songs and films:
// the tick must only ever see whole tables and whole films.
TEST(VideoThreads, TicksWhileSongsAndFilmsChange) {
  TLyricLook look;
  look.fontHeight = 30;
  TVideoComposer composer([&] { return look; });
  ASSERT_EQ(composer.Open(nullptr), S_OK);
  std::atomic<bool> done{false};
  std::atomic<int> ticks{0};
  std::thread clock([&] {
    std::int32_t t = 1;
    while (!done) {
      composer.Tick(t);
      t = t % 400 + 1;
      ++ticks;
    }
  });

  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
  for (int song = 0; std::chrono::steady_clock::now() < until; ++song) {
    const int lines = 1 + song % 5;
    std::vector<std::string> words;
    for (int i = 0; i < lines; ++i) words.push_back(std::string(static_cast<std::size_t>(1 + (i + song) % 7), 'o'));
    composer.SetLyrics(words);
    composer.SetTiming(Timing(song % 20));
    if (song % 7 == 0) composer.StartFilm(testing_film::Film());
    if (song % 11 == 0) composer.StopFilm();
  }
  done = true;
  clock.join();
  EXPECT_GT(ticks.load(), 10);
  EXPECT_EQ(composer.Display().LastFrame().size(), QSize(800, 600));
}

}  // namespace
}  // namespace lyrova
