// The cost of one tick of the singer's window at the design size and at the
// window sizes of common screens: the film frame copied in, a page of four
// lines drawn (one of them being sung, one too long for the picture), the
// picture handed to the window.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "tools/demo_film/demo_film.h"
#include "video/film_decoder.h"
#include "video/film_player.h"
#include "video/video_composer.h"

namespace lyrova {
namespace {

std::vector<std::string> Words() {
  std::vector<std::string> words;
  for (const char* w : {"Ой, то не вечер, то не вечер,", "Мне малым-мало спалось,",
                        "Ой, да во сне привиделось, будто конь мой вороной",
                        "Ой, да во сне привиделось."}) {
    words.push_back(w);
  }
  return words;
}

// An introduction of 1300, then 10 units per character.
TimingPairs Timing() {
  TimingPairs timing{{1, 1300}};
  for (int i = 0; i < 100; ++i) timing.push_back({1301 + 10 * i, 10});
  return timing;
}

std::string filmPath;  // made by the first benchmark that needs it

const std::string& Film() {
  if (filmPath.empty()) {
    const auto p = std::filesystem::temp_directory_path() /
                   ("lyrova-bench-film-" + std::to_string(::getpid()) + ".img");
    TDemoFilmOptions options;
    options.seconds = 4;
    WriteDemoFilm(p.string(), options);
    filmPath = p.string();
  }
  return filmPath;
}

void SizeArgs(benchmark::internal::Benchmark* b) {
  b->Args({800, 600})->Args({1280, 720})->Args({1920, 1080})->Args({3840, 2160});
}

void BM_TickWithFilm(benchmark::State& state) {
  TVideoComposer composer([] { return TLyricLook{}; });
  composer.Open(nullptr, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  composer.SetLyrics(Words());
  composer.SetTiming(Timing());
  composer.StartFilm(Film());
  std::int32_t t = 1301 + 35;  // inside the first line, slot 1 of the page
  for (auto _ : state) {
    composer.Tick(t);
    t = t < 1301 + 200 ? t + 1 : 1301 + 35;
  }
}
BENCHMARK(BM_TickWithFilm)->Apply(SizeArgs)->Unit(benchmark::kMillisecond);

// The introduction: the title card fades over the film as well.
void BM_TickWithTitleCard(benchmark::State& state) {
  TVideoComposer composer([] { return TLyricLook{}; });
  composer.Open(nullptr, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  composer.SetTitle({1234, "Ой, то не вечер", "Народная песня"});
  composer.SetLyrics(Words());
  composer.SetTiming(Timing());
  composer.StartFilm(Film());
  for (auto _ : state) composer.Tick(700);
}
BENCHMARK(BM_TickWithTitleCard)->Apply(SizeArgs)->Unit(benchmark::kMillisecond);

// The decoding thread's work per film picture at the window's size.
void BM_FilmPictureAtSize(benchmark::State& state) {
  TFilmDecoder decoder(Film(), QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  TFilmFrame frame;
  for (auto _ : state) decoder.Next(frame);
}
BENCHMARK(BM_FilmPictureAtSize)->Apply(SizeArgs)->Unit(benchmark::kMillisecond);

// The first picture of a song renders the page's lines at the picture's
// scale (later pictures render at most one line ahead).
void BM_FirstTickOfASong(benchmark::State& state) {
  TVideoComposer composer([] { return TLyricLook{}; });
  composer.Open(nullptr, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const auto words = Words();
  const auto timing = Timing();
  for (auto _ : state) {
    state.PauseTiming();
    composer.SetLyrics(words);
    composer.SetTiming(timing);
    state.ResumeTiming();
    composer.Tick(700);
  }
}
BENCHMARK(BM_FirstTickOfASong)->Apply(SizeArgs)->Unit(benchmark::kMillisecond);

void BM_TickWithoutFilm(benchmark::State& state) {
  TVideoComposer composer([] { return TLyricLook{}; });
  composer.Open(nullptr, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  composer.SetLyrics(Words());
  composer.SetTiming(Timing());
  for (auto _ : state) composer.Tick(1301 + 35);
}
BENCHMARK(BM_TickWithoutFilm)->Apply(SizeArgs)->Unit(benchmark::kMillisecond);

void BM_DrawLyricPage(benchmark::State& state) {
  TVideoComposer composer([] { return TLyricLook{}; });
  composer.Open(nullptr);
  composer.SetLyrics(Words());
  composer.SetTiming(Timing());
  for (auto _ : state) composer.Page().DrawLyrics(composer.Display(), 1301 + 35);
}
BENCHMARK(BM_DrawLyricPage)->Unit(benchmark::kMillisecond);

void BM_LayOutSong(benchmark::State& state) {
  TVideoComposer composer([] { return TLyricLook{}; });
  composer.Open(nullptr);
  const auto words = Words();
  for (auto _ : state) composer.SetLyrics(words);
}
BENCHMARK(BM_LayOutSong)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lyrova

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  if (!lyrova::filmPath.empty()) std::filesystem::remove(lyrova::filmPath, ec);
  return 0;
}
