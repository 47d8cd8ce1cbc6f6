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
#include <utility>
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
  void SetTiming(const TimingPairs&) override {}
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

// One render to a file by a whole process, as a user runs it: its CPU
// seconds and the seconds of audio it wrote (16-bit stereo; a WAV's 44-byte
// header is negligible), or a negative CPU time when it failed.
std::pair<double, double> RenderProcess(const std::vector<std::string>& args, const std::filesystem::path& out) {
  const double cpu = ProcessCpu(args);
  const double audio = cpu < 0 ? 0 : static_cast<double>(std::filesystem::file_size(out)) / 4 / 44100;
  std::filesystem::remove(out);
  return {cpu, audio};
}

// The longest demo song rendered by FluidSynth's own renderer from its MIDI
// file and by lyrova-render from the disc, taking turns in the same run;
// `ratio` is our CPU per second of audio over FluidSynth's (at most 1.05).
void BM_RenderCostAgainstFluidSynth(benchmark::State& state) {
  constexpr std::uint32_t kLongSong = 2;
  const auto temp = std::filesystem::temp_directory_path();
  const std::filesystem::path midiPath = temp / "lyrova-bench-song.mid";
  {
    Bytes midi;
    DemoCatalog().LoadMidi(DemoCatalog().SearchByOstrelCode(kLongSong, false), midi);
    RepairFirstTrackLength(midi);
    std::ofstream(midiPath, std::ios::binary).write(reinterpret_cast<const char*>(midi.data()), midi.size());
  }
  const std::filesystem::path wav = temp / "lyrova-bench-song.wav", raw = temp / "lyrova-bench-song.raw";
  const std::vector<std::string> ours{LYROVA_RENDER_PROGRAM, "--disc", LYROVA_DEMO_DISC_DIR, "--code",
                                      std::to_string(kLongSong), "--wav", wav.string()};
  const std::vector<std::string> theirs{LYROVA_FLUIDSYNTH_PROGRAM, "-ni", "-q", "-T", "raw", "-O", "s16", "-r",
                                        "44100", "-F", raw.string(), FindDefaultSoundFont(), midiPath.string()};
  double ourCpu = 0, ourAudio = 0, theirCpu = 0, theirAudio = 0;
  for (auto _ : state) {
    const auto [fc, fa] = RenderProcess(theirs, raw);
    const auto [oc, oa] = RenderProcess(ours, wav);
    if (fc < 0 || oc < 0) {
      state.SkipWithError("a renderer failed");
      break;
    }
    state.SetIterationTime(fc + oc);
    theirCpu += fc, theirAudio += fa, ourCpu += oc, ourAudio += oa;
  }
  std::filesystem::remove(midiPath);
  if (ourAudio <= 0 || theirAudio <= 0) return;
  const double ourCost = 1000 * ourCpu / ourAudio, theirCost = 1000 * theirCpu / theirAudio;
  state.counters["lyrova_ms_per_audio_s"] = ourCost;
  state.counters["fluidsynth_ms_per_audio_s"] = theirCost;
  state.counters["ratio"] = ourCost / theirCost;
}
BENCHMARK(BM_RenderCostAgainstFluidSynth)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);

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
