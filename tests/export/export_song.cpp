#include "tests/export/export_song.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>

#include "playback/midi_segment.h"
#include "tests/playback/smf_builder.h"

namespace lyrova::testing {
namespace {

constexpr int kDivision = 96;

}  // namespace

TSongData ExportSong(bool withChords) {
  test::TSmfBuilder smf(kDivision);
  smf.Tempo(0, 500000);
  TSongData song;
  song.lines = {"La la la la", "la la la la"};
  // Two bars of introduction, then a syllable every dotted eighth.
  song.timing.push_back({0, static_cast<std::int32_t>(TicksToMusicTime(8 * kDivision, kDivision))});
  for (int i = 0; i < 16; ++i) {
    const int tick = 8 * kDivision + i * 72;
    smf.Note(tick, 0, 67 + (i % 5), 60);
    song.timing.push_back({static_cast<std::int32_t>(TicksToMusicTime(tick, kDivision)),
                           static_cast<std::int32_t>(TicksToMusicTime(60, kDivision))});
  }
  if (withChords) {
    for (int beat = 0; beat < 16; ++beat) smf.Note(beat * kDivision, 4, 48, kDivision).Note(beat * kDivision, 4, 55, kDivision);
  }
  song.midi = smf.Build();
  return song;
}

TLoudness MeasureLoudness(const std::string& path) {
  const std::string command = "ffmpeg -hide_banner -nostats -i '" + path + "' -af ebur128=peak=true -f null - 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string out;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  const std::size_t summary = out.rfind("Summary:");
  EXPECT_NE(summary, std::string::npos) << out;
  const std::string tail = summary == std::string::npos ? std::string() : out.substr(summary);
  std::smatch integrated;
  std::smatch peak;
  EXPECT_TRUE(std::regex_search(tail, integrated, std::regex(R"(I:\s+(-?[0-9.]+) LUFS)"))) << tail;
  EXPECT_TRUE(std::regex_search(tail, peak, std::regex(R"(Peak:\s+(-?[0-9.]+) dBFS)"))) << tail;
  if (integrated.empty() || peak.empty()) return {};
  return {std::stod(integrated[1]), std::stod(peak[1])};
}

}  // namespace lyrova::testing
