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
#include <string>
#include <thread>
#include <vector>

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

// Runs a program to its end; its CPU seconds, or a negative number when it
// failed.
double ProcessCpu(const std::vector<std::string>& args) {
  const pid_t child = fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The same song rendered to a file by a whole process, as a user runs it:
// FluidSynth's own renderer on the song's MIDI file (args 0), or ours from
// the disc (args 1). Compare their cpu_ms_per_audio_s.
void BM_FileRenderProcess(benchmark::State& state) {
  const auto temp = std::filesystem::temp_directory_path();
  const std::filesystem::path midiPath = temp / "lyrova-bench-song.mid";
  {
    Bytes midi;
    DemoCatalog().LoadMidi(DemoCatalog().SearchByOstrelCode(kSong, false), midi);
    RepairFirstTrackLength(midi);
    std::ofstream(midiPath, std::ios::binary).write(reinterpret_cast<const char*>(midi.data()), midi.size());
  }
  const bool ours = state.range(0) == 1;
  const std::filesystem::path out = temp / (ours ? "lyrova-bench-song.wav" : "lyrova-bench-song.raw");
  const std::vector<std::string> args =
      ours ? std::vector<std::string>{LYROVA_RENDER_PROGRAM, "--disc", LYROVA_DEMO_DISC_DIR, "--code",
                                      std::to_string(kSong), "--wav", out.string()}
           : std::vector<std::string>{LYROVA_FLUIDSYNTH_PROGRAM, "-ni", "-q", "-T", "raw", "-O", "s16", "-r",
                                      "44100", "-F", out.string(), FindDefaultSoundFont(), midiPath.string()};
  double audioSeconds = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const double cpu = ProcessCpu(args);
    if (cpu < 0) {
      state.SkipWithError("the renderer failed");
      break;
    }
    state.SetIterationTime(cpu);
    cpuSeconds += cpu;
    // 16-bit stereo; the WAV's 44-byte header is negligible.
    audioSeconds += static_cast<double>(std::filesystem::file_size(out)) / 4 / 44100;
  }
  std::filesystem::remove(out);
  std::filesystem::remove(midiPath);
  state.SetLabel(ours ? "lyrova-render" : "fluidsynth -F");
  ReportCost(state, cpuSeconds, audioSeconds);
}
BENCHMARK(BM_FileRenderProcess)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

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

// Times play requests to an engine running in real time on `mode`'s output
// until `arrived` holds; skipped unless that output is `output` (when given).
template <class Arrived>
void TimePlayRequests(benchmark::State& state, TAudioMode mode, const char* output, Arrived arrived) {
  TNoLyrics lyrics;
  TNoEnd end;
  TNoTick tick;
  TPlaybackEngine engine(DemoCatalog(), lyrics, end);
  engine.DMInit(FindDefaultSoundFont(), mode);
  if (output && engine.AudioOutputName() != output) {
    state.SkipWithError((std::string("no ") + output + " output").c_str());
    return;
  }
  engine.StartThreads(tick);
  // A sound server may take a moment to start a new stream.
  if (output) std::this_thread::sleep_for(std::chrono::seconds(2));
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    engine.WMPlaySong(kSong);
    while (!arrived(engine)) std::this_thread::sleep_for(std::chrono::microseconds(100));
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

// In real time the output's next block comes on top: until the end-of-song
// thread has seen the song start (silent output, 256-frame blocks).
void BM_PlayRequestToSongStartRealTime(benchmark::State& state) {
  TimePlayRequests(state, TAudioMode::Silent, nullptr, [](const TPlaybackEngine& e) { return e.SongPlaying(); });
}
BENCHMARK(BM_PlayRequestToSongStartRealTime)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Through the desktop's sound server: from the play request to the moment
// the song's first sample is heard, device latency included. Skipped when
// no PulseAudio server answers.
void BM_PlayRequestToFirstSoundPulse(benchmark::State& state) {
  TimePlayRequests(state, TAudioMode::Device, "PulseAudio",
                   [](const TPlaybackEngine& e) { return e.SongTime() > 0; });
}
BENCHMARK(BM_PlayRequestToFirstSoundPulse)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace lyrova

BENCHMARK_MAIN();
