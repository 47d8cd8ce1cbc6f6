// The MIDI writer: the encodings a player relies on.

#include "tools/demo_disc/midi_file.h"

#include <gtest/gtest.h>

#include "catalog/errors.h"
#include "tests/tools/midi_reader.h"

namespace lyrova::demo {
namespace {

TEST(MidiFile, VariableLengthNumbers) {
  const std::pair<std::uint32_t, ByteVector> cases[] = {
      {0, {0x00}},
      {0x7F, {0x7F}},
      {0x80, {0x81, 0x00}},
      {0x2000, {0xC0, 0x00}},
      {0x3FFF, {0xFF, 0x7F}},
      {0x4000, {0x81, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const auto& [value, bytes] : cases) {
    ByteVector out;
    AppendVarLength(out, value);
    EXPECT_EQ(out, bytes) << value;
  }
}

TEST(MidiFile, RepeatedKeyIsReleasedBeforeItStrikesAgain) {
  MidiTrack track;
  track.Note(0, 96, 0, 60, 100);
  track.Note(96, 96, 0, 60, 100);  // same key, starting as the first ends
  track.Tempo(0, 120);
  const ByteVector file = WriteMidiFile(1, 384, {track}, 400);
  const testing::Smf smf = testing::ReadSmf(file);  // throws on a strike before the release
  ASSERT_EQ(smf.notes.size(), 2u);
  EXPECT_EQ(smf.notes[1].start, 96u);
  EXPECT_EQ(smf.tempo, 500000u);
  EXPECT_EQ(smf.lastTick, 400u);  // end of track at the requested tick
}

TEST(MidiFile, HeaderAndChunks) {
  MidiTrack a, b;
  a.Program(0, 3, 40);
  b.Note(10, 20, 9, 36, 90);
  const ByteVector file = WriteMidiFile(1, 384, {a, b}, 0);
  EXPECT_EQ(ByteVector(file.begin(), file.begin() + 14),
            (ByteVector{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0x80}));
  const testing::Smf smf = testing::ReadSmf(file);
  EXPECT_EQ(smf.programs.at(3), 40);
  EXPECT_EQ(smf.notes.at(0).channel, 9);
  EXPECT_THROW(WriteMidiFile(0, 384, {a, b}, 0), Error);
}

}  // namespace
}  // namespace lyrova::demo
