// Demo songs rendered offline: the song time the lyrics receive at the moment
// each melody note is heard is the start of that note's syllable. The notes'
// moments come from reading the MIDI file here, independently of the player.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalog/midi_repair.h"
#include "catalog/songs_catalog.h"
#include "playback/master_settings.h"
#include "playback/offline_render.h"
#include "playback/sound_font.h"
#include "tests/playback/stand_ins.h"
#include "tools/demo_disc/arrangement.h"

namespace lyrova {
namespace {

constexpr int kRate = 44100;

struct SmfFacts {
  int division = 0;
  std::map<std::int64_t, int> tempos;  // tick -> microseconds a quarter
  std::set<std::int64_t> leadNoteOns;  // ticks
};

std::uint32_t VarLen(const std::vector<std::uint8_t>& d, std::size_t& p) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4 && p < d.size(); ++i) {
    const std::uint8_t b = d[p++];
    v = v << 7 | (b & 0x7F);
    if (!(b & 0x80)) break;
  }
  return v;
}

SmfFacts ReadSmf(const std::vector<std::uint8_t>& d) {
  SmfFacts facts;
  facts.division = d[12] << 8 | d[13];
  std::size_t chunk = 14;
  while (chunk + 8 <= d.size()) {
    const std::size_t length = d[chunk + 4] << 24 | d[chunk + 5] << 16 | d[chunk + 6] << 8 | d[chunk + 7];
    const std::size_t end = std::min(d.size(), chunk + 8 + length);
    std::size_t p = chunk + 8;
    std::int64_t tick = 0;
    std::uint8_t status = 0;
    while (p < end) {
      tick += VarLen(d, p);
      if (d[p] & 0x80) status = d[p++];
      if (status == 0xFF) {
        const std::uint8_t type = d[p++];
        const std::uint32_t n = VarLen(d, p);
        if (type == 0x51) facts.tempos[tick] = d[p] << 16 | d[p + 1] << 8 | d[p + 2];
        p += n;
      } else if (status == 0xF0 || status == 0xF7) {
        p += VarLen(d, p);
      } else {
        const int kind = status & 0xF0;
        const int dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        if (kind == 0x90 && (status & 0x0F) == demo::kLeadChannel && d[p + 1] > 0) facts.leadNoteOns.insert(tick);
        p += dataBytes;
      }
    }
    chunk = chunk + 8 + length;
  }
  return facts;
}

double SecondsAt(const SmfFacts& facts, std::int64_t tick) {
  double seconds = 0;
  std::int64_t at = 0;
  int micros = 500000;
  for (const auto& [changeTick, changeMicros] : facts.tempos) {
    if (changeTick >= tick) break;
    seconds += static_cast<double>(changeTick - at) * micros / 1e6 / facts.division;
    at = changeTick;
    micros = changeMicros;
  }
  return seconds + static_cast<double>(tick - at) * micros / 1e6 / facts.division;
}

struct DemoCase {
  std::uint32_t code;
  int tempoPosition;
};

class DemoSongTimingTest : public testing::TestWithParam<DemoCase> {};

TEST_P(DemoSongTimingTest, SongTimeAtEachHeardMelodyNoteIsItsSyllableStart) {
  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(LYROVA_DEMO_DISC_DIR));
  const int index = catalog.SearchByOstrelCode(GetParam().code, false);
  ASSERT_GE(index, 0);
  Bytes midi;
  catalog.LoadMidi(index, midi);
  RepairFirstTrackLength(midi);
  const SmfFacts facts = ReadSmf(midi);

  test::TLyricRecorder lyrics;
  TOfflineRender render(catalog, lyrics, FindDefaultSoundFont());
  render.Engine().WMTempo(-GetParam().tempoPosition);
  std::vector<std::int32_t> songTimes;  // one per 10 ms step
  render.RenderSong(GetParam().code, [&](const TRenderStep& step) { songTimes.push_back(step.songTime); });

  std::set<std::int64_t> syllableStarts;
  const TimingPairs timing = lyrics.Timing();
  for (std::size_t p = 1; p < timing.size(); ++p) syllableStarts.insert(timing[p].start);

  const double factor = TempoFactor(-GetParam().tempoPosition);
  int checked = 0;
  for (std::int64_t tick : facts.leadNoteOns) {
    const std::int64_t start = tick * 768 / facts.division;
    if (!syllableStarts.count(start)) continue;  // a note inside a drawn-out syllable
    const double heard = SecondsAt(facts, tick) / factor * kRate;
    const auto step = static_cast<std::size_t>(heard / (kRate / 100));
    ASSERT_LT(step + 1, songTimes.size());
    // The song time runs from the step before the note to the step after it.
    EXPECT_LE(songTimes[step], start + 4) << "note at tick " << tick;
    EXPECT_GE(songTimes[step + 1], start - 4) << "note at tick " << tick;
    ++checked;
  }
  EXPECT_GE(checked, static_cast<int>(facts.leadNoteOns.size()) / 2);
  EXPECT_GE(checked, 20);
}

INSTANTIATE_TEST_SUITE_P(DemoDisc, DemoSongTimingTest,
                         testing::Values(DemoCase{1, 0}, DemoCase{3001, -20}, DemoCase{7001, 20}));

}  // namespace
}  // namespace lyrova
