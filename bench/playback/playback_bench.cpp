// Offline render cost of a demo song, against FluidSynth's own file renderer
// on the same MIDI file and SoundFont, and the time from a play request to
// the first audio of the song.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <thread>

#include "catalog/midi_repair.h"
#include "catalog/songs_catalog.h"
#include "playback/offline_render.h"
#include "playback/playback_engine.h"
#include "playback/sound_font.h"

namespace lyrova {
namespace {

constexpr std::uint32_t kSong = 1;

class TNoLyrics : public ILyricTarget {
 public:
  void SetLyrics(const std::vector<std::string>&) override {}
  void SetTiming(const std::vector<std::uint8_t>&) override {}
};

class TNoEnd : public ISongEndTarget {
 public:
  void WMSongEnd(std::uint32_t) override {}
};

class TNoTick : public ITickTarget {
 public:
  void WMTimer(std::int32_t) override {}
};

TSongsCatalog& DemoCatalog() {
  static TSongsCatalog* catalog = [] {
    auto* c = new TSongsCatalog;
    c->ReadCatalog(LYROVA_DEMO_DISC_DIR);
    return c;
  }();
  return *catalog;
}

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// CPU milliseconds per second of audio: the figure to compare.
void ReportCost(benchmark::State& state, double cpuSeconds, double audioSeconds) {
  if (audioSeconds <= 0) return;
  state.counters["audio_s"] = benchmark::Counter(audioSeconds, benchmark::Counter::kAvgIterations);
  state.counters["cpu_ms_per_audio_s"] = 1000 * cpuSeconds / audioSeconds;
}

// The whole job, SoundFont loading included, as fluidsynth -F does it.
void BM_EngineRenderSong(benchmark::State& state) {
  double audioSeconds = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const double cpu = ProcessCpuSeconds();
    TNoLyrics lyrics;
    TOfflineRender render(DemoCatalog(), lyrics, FindDefaultSoundFont());
    const TRenderResult result = render.RenderSong(kSong, [](const TRenderStep&) {}, 2.0);
    state.SetIterationTime(ProcessCpuSeconds() - cpu);
    cpuSeconds += ProcessCpuSeconds() - cpu;
    audioSeconds += static_cast<double>(result.totalFrames) / render.Engine().SampleRate();
  }
  ReportCost(state, cpuSeconds, audioSeconds);
}
BENCHMARK(BM_EngineRenderSong)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FluidsynthFileRender(benchmark::State& state) {
  const std::filesystem::path midiPath = std::filesystem::temp_directory_path() / "lyrova-bench-song.mid";
  {
    Bytes midi;
    DemoCatalog().LoadMidi(DemoCatalog().SearchByOstrelCode(kSong, false), midi);
    RepairFirstTrackLength(midi);
    std::ofstream(midiPath, std::ios::binary).write(reinterpret_cast<const char*>(midi.data()), midi.size());
  }
  const std::filesystem::path rawPath = std::filesystem::temp_directory_path() / "lyrova-bench-song.raw";
  double audioSeconds = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const pid_t child = fork();
    if (child == 0) {
      execlp(LYROVA_FLUIDSYNTH_PROGRAM, "fluidsynth", "-ni", "-q", "-T", "raw", "-O", "s16", "-r", "44100", "-F",
             rawPath.c_str(), FindDefaultSoundFont().c_str(), midiPath.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("fluidsynth failed");
      break;
    }
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    state.SetIterationTime(cpu);
    cpuSeconds += cpu;
    audioSeconds += static_cast<double>(std::filesystem::file_size(rawPath)) / 4 / 44100;
  }
  std::filesystem::remove(rawPath);
  std::filesystem::remove(midiPath);
  ReportCost(state, cpuSeconds, audioSeconds);
}
BENCHMARK(BM_FluidsynthFileRender)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Our own share: the catalogue read, the segment, the player, and the first
// block that applies the play and renders the song's first audio.
void BM_PlayRequestToFirstBufferOffline(benchmark::State& state) {
  TNoLyrics lyrics;
  TNoEnd end;
  TPlaybackEngine engine(DemoCatalog(), lyrics, end);
  engine.DMInit(FindDefaultSoundFont(), TAudioMode::Offline);
  std::vector<float> left(64), right(64);
  for (auto _ : state) {
    engine.WMPlaySong(kSong);
    engine.RenderBlock(left.data(), right.data(), 64);
    benchmark::DoNotOptimize(left.data());
  }
}
BENCHMARK(BM_PlayRequestToFirstBufferOffline)->Unit(benchmark::kMillisecond);

// In real time the output's next block comes on top: until the end-of-song
// thread has seen the song start (silent output, 256-frame blocks).
void BM_PlayRequestToSongStartRealTime(benchmark::State& state) {
  TNoLyrics lyrics;
  TNoEnd end;
  TNoTick tick;
  TPlaybackEngine engine(DemoCatalog(), lyrics, end);
  engine.DMInit(FindDefaultSoundFont(), TAudioMode::Silent);
  engine.StartThreads(tick);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    engine.WMPlaySong(kSong);
    while (!engine.SongPlaying()) std::this_thread::sleep_for(std::chrono::microseconds(100));
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}
BENCHMARK(BM_PlayRequestToSongStartRealTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace lyrova

BENCHMARK_MAIN();
