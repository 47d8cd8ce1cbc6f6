// lyrova-play: plays a MIDI or karaoke file through the sound device the way
// the player does, and says every second which output plays, the latency
// the device holds and how far the song is, so a user can check the sound
// of a machine without the windows.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <span>
#include <string>
#include <thread>

#include "catalog/errors.h"
#include "catalog/song_image.h"
#include "playback/audio_output.h"
#include "playback/midi_segment.h"
#include "playback/output_keeper.h"
#include "playback/performance.h"
#include "playback/sound_font.h"
#include "program/standard_options.h"

namespace {

constexpr char kUsage[] =
    "usage: lyrova-play [--latency MS] [--seconds S] [--soundfont FILE] MIDI_FILE\n"
    "Plays MIDI_FILE (a Standard MIDI File or a .kar file) through PulseAudio, else ALSA,\n"
    "else silently, printing once a second: the output, its measured latency in ms,\n"
    "how often it was reopened, and the seconds of music heard.\n";

struct Options {
  std::string file;
  std::string soundFont;
  int latencyMs = lyrova::kDefaultLatencyMs;
  double seconds = 0;  // 0: to the end of the song
};

Options Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw lyrova::Error(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--latency") {
      options.latencyMs = std::stoi(value());
    } else if (arg == "--seconds") {
      options.seconds = std::stod(value());
    } else if (arg == "--soundfont") {
      options.soundFont = value();
    } else if (!arg.empty() && arg[0] == '-') {
      throw lyrova::Error("unknown option " + arg);
    } else {
      options.file = arg;
    }
  }
  if (options.file.empty()) throw lyrova::Error("no MIDI file given");
  if (options.latencyMs < 10 || options.latencyMs > 500) throw lyrova::Error("--latency must be 10 to 500");
  return options;
}

int Play(const Options& options) {
  using namespace lyrova;
  const std::string soundFont = options.soundFont.empty() ? FindDefaultSoundFont() : options.soundFont;
  TPerformance performance(soundFont);
  const auto bytes = SongImage::ReadWholeFile(options.file);
  auto segment = MakeSegment(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  TOutputKeeper keeper(performance, StandardOutputKinds(performance, true, options.latencyMs));
  if (performance.Play(std::move(segment)) == 0) throw Error("the synthesizer did not take the song");

  const auto start = std::chrono::steady_clock::now();
  bool started = false;
  for (int second = 1;; ++second) {
    std::this_thread::sleep_until(start + std::chrono::seconds(second));
    bool ended = false;
    while (auto note = performance.PopNotification()) {
      started = started || note->kind == TSegmentNotification::Start;
      ended = ended || note->kind != TSegmentNotification::Start;
    }
    const TAudioStatus status = keeper.Status();
    const TAudioMoment heard = performance.HeardMoment();
    std::printf("%4d s  %-10s latency %3d ms  reopened %llu  heard %.2f s\n", second,
                status.name.c_str(), status.latencyMs, static_cast<unsigned long long>(status.reopens),
                static_cast<double>(heard.samplePos) / performance.SampleRate());
    std::fflush(stdout);
    if ((started && ended) || (options.seconds > 0 && second >= options.seconds)) break;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (lyrova::AnswerStandardOption(std::span<char* const>(argv + 1, static_cast<std::size_t>(argc - 1)),
                                   "lyrova-play", kUsage, std::cout))
    return 0;
  try {
    return Play(Parse(argc, argv));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lyrova-play: %s\n%s", e.what(), kUsage);
    return 1;
  }
}
