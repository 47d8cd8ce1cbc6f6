// Every demo song: its timing fits its words character by character, its
// MIDI file is whole and has all its parts, its blocks look like the disc's.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalog/midi_repair.h"
#include "catalog/points.h"
#include "catalog/text_lines.h"
#include "tests/tools/midi_reader.h"
#include "tools/demo_disc/arrangement.h"
#include "tools/demo_disc/music_notation.h"
#include "tools/demo_disc/rendered_song.h"
#include "tools/demo_disc/song_block.h"
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

class DemoSong : public ::testing::TestWithParam<std::size_t> {
 protected:
  const SongScore& score() const { return DemoSongs()[GetParam()]; }
};

TEST_P(DemoSong, HasOneTimingValuePerTimedCharacterPlusTheIntroduction) {
  const RenderedSong song = RenderSong(score());
  EXPECT_EQ(song.timing.size(), CountTimedUnits(song.wordLines));
  const std::vector<std::uint16_t> decoded = DecodePointValues(song.points);
  EXPECT_EQ(std::vector<std::uint32_t>(decoded.begin(), decoded.end()), song.timing);
}

TEST_P(DemoSong, LinesFitTheLyricArea) {
  for (const std::string& line : RenderSong(score()).wordLines) {
    EXPECT_LE(line.size(), kMaxShownLineChars) << line;
    EXPECT_EQ(line.find("  "), std::string::npos);
    EXPECT_TRUE(line.empty() || (line.front() != ' ' && line.back() != ' '));
  }
}

TEST_P(DemoSong, EveryWordStartsOnAMelodyNote) {
  const RenderedSong song = RenderSong(score());
  ByteVector midi = song.midi;
  RepairFirstTrackLength(midi);
  std::set<std::uint32_t> noteStarts;
  for (const testing::SmfNote& n : testing::ReadSmf(midi).notes) {
    if (n.channel == kLeadChannel) noteStarts.insert(n.start);
  }
  const std::vector<TimingPair> pairs = DecodeTiming(song.points);
  std::size_t next = 1;  // after the introduction
  for (const std::string& line : song.wordLines) {
    std::size_t wordLength = 0;
    std::size_t previousLength = 0;
    for (char c : line) {
      if (c == ' ') {
        previousLength = wordLength;
        wordLength = 0;
        continue;
      }
      ASSERT_LT(next, pairs.size());
      // A dash belongs to the syllable before it, and a one-letter
      // preposition ("в", "к", "с") is sung with the word after it.
      const bool ownNote = c != '\x97' && previousLength != 1;
      // Timing is in music time, 768 to the quarter; the file has 384.
      if (wordLength == 0 && ownNote) {
        EXPECT_TRUE(noteStarts.count(pairs[next].start / 2)) << line;
      }
      ++wordLength;
      ++next;
    }
  }
  EXPECT_EQ(next, pairs.size());
  const TimingPair& last = pairs.back();
  EXPECT_LE((last.start + last.length) / 2, song.lengthTicks);
}

TEST_P(DemoSong, MidiIsWholeWithLeadHarmonyBassAndDrums) {
  const RenderedSong song = RenderSong(score());
  ByteVector midi = song.midi;
  RepairFirstTrackLength(midi);
  EXPECT_EQ(midi != song.midi, score().damage != LengthDamage::None);
  const testing::Smf smf = testing::ReadSmf(midi);
  if (score().damage == LengthDamage::TooLong) {
    EXPECT_EQ(smf.format, 0);
    EXPECT_EQ(smf.trackCount, 1);
  } else {
    EXPECT_EQ(smf.format, 1);
    EXPECT_EQ(smf.trackCount, 5);
  }
  EXPECT_EQ(smf.division, static_cast<int>(kDivision));
  EXPECT_EQ(smf.tempo, 60'000'000u / static_cast<std::uint32_t>(score().tempo));
  EXPECT_EQ(smf.programs.at(kLeadChannel), score().instruments.lead);
  EXPECT_EQ(smf.programs.at(kHarmonyChannel), score().instruments.harmony);
  EXPECT_EQ(smf.programs.at(kBassChannel), score().instruments.bass);
  std::map<int, int> notes;
  for (const testing::SmfNote& n : smf.notes) ++notes[n.channel];
  for (int channel : {kLeadChannel, kHarmonyChannel, kBassChannel, kDrumChannel})
    EXPECT_GT(notes[channel], 50) << "channel " << channel;
  const double seconds = smf.lastTick / double(kDivision) * 60.0 / score().tempo;
  EXPECT_GT(seconds, 60.0);
  EXPECT_LT(seconds, 240.0);
}

TEST_P(DemoSong, BlocksHaveSizesLikeTheRealDiscs) {
  const RenderedSong song = RenderSong(score());
  for (bool encoded : {true, false}) {
    const std::size_t header = HeaderText(song, encoded).size();
    const std::size_t words = WordsText(song, encoded).size();
    EXPECT_GE(header, 7u);
    EXPECT_LE(header, 122u);
    EXPECT_GE(words, 286u);
    EXPECT_LE(words, 3771u);
  }
  EXPECT_GE(song.midi.size(), 4205u);
  EXPECT_LE(song.midi.size(), 117412u);
  EXPECT_GE(song.points.size(), 133u);
  EXPECT_LE(song.points.size(), 1827u);
}

INSTANTIATE_TEST_SUITE_P(AllSongs, DemoSong, ::testing::Range<std::size_t>(0, DemoSongs().size()));

TEST(DemoSongs, SomeCarryEachKindOfDamagedTrackLength) {
  std::set<LengthDamage> kinds;
  for (const SongScore& s : DemoSongs()) kinds.insert(s.damage);
  EXPECT_EQ(kinds.size(), 4u);
}

TEST(DemoSongs, DamagedLengthsAreWhatTheRepairReadsBack) {
  // A single-track file, so that the overlong length can be clamped.
  MidiTrack track;
  track.Note(0, 96, 0, 60, 100);
  const ByteVector whole = WriteMidiFile(0, 384, {track}, 96);
  for (LengthDamage damage :
       {LengthDamage::TopByte, LengthDamage::TopTwoBytes, LengthDamage::TooLong}) {
    ByteVector midi = whole;
    DamageFirstTrackLength(midi, damage);
    EXPECT_NE(midi, whole);
    RepairFirstTrackLength(midi);
    EXPECT_EQ(midi, whole);
  }
}

}  // namespace
}  // namespace lyrova::demo
