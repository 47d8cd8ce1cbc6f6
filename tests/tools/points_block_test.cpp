// Timing values: one per sung character after the introduction, packed so
// that the catalogue's decoder gives them back.

#include "tools/demo_disc/points_block.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "catalog/errors.h"
#include "catalog/points.h"

namespace lyrova::demo {
namespace {

TEST(PointsBlock, OneAndTwoByteValuesDecodeBack) {
  const std::vector<std::uint32_t> values = {0, 5, 127, 128, 130, 255, 256, 16383, 16384, 16511};
  const ByteVector packed = EncodePoints(values);
  EXPECT_EQ(packed.size(), 3 + 2 * 7u);
  const std::vector<std::uint16_t> decoded = DecodePointValues(packed);
  EXPECT_EQ(std::vector<std::uint32_t>(decoded.begin(), decoded.end()), values);
}

TEST(PointsBlock, KnownBytes) {
  EXPECT_EQ(EncodePoints({5, 130, 127}), (ByteVector{0x05, 0x81, 0x02, 0x7F}));
  EXPECT_EQ(EncodePoints({16511}), (ByteVector{0xFF, 0xFF}));
  EXPECT_THROW(EncodePoints({16512}), Error);
}

TEST(CharacterDurations, SyllablesShareTheirTimeAndStartOnTheirNotes) {
  // Units of 48 ticks; introduction 4 units.
  const std::vector<SungSyllable> syllables = {
      {192, 288, 3},  // 5 units until the next syllable, three characters: 2 2 1
      {432, 480, 1},  // held over a rest: 4 units
      {624, 720, 2},  // the last: until its note ends, 2 units
  };
  const std::vector<std::uint32_t> values = CharacterDurations(syllables, 48);
  EXPECT_EQ(values, (std::vector<std::uint32_t>{4, 2, 2, 1, 4, 1, 1}));
  // The first character of every syllable starts on its note.
  const std::vector<TimingPair> pairs = DecodeTiming(EncodePoints(values));
  EXPECT_EQ(pairs[1].start, 192 / 48 * 96);
  EXPECT_EQ(pairs[4].start, 432 / 48 * 96);
  EXPECT_EQ(pairs[5].start, 624 / 48 * 96);
  EXPECT_EQ(pairs.back().start + pairs.back().length, 720 / 48 * 96);
}

TEST(CharacterDurations, ShortNotesGiveSomeCharactersNoTime) {
  const std::vector<std::uint32_t> values = CharacterDurations({{0, 48, 4}}, 48);
  EXPECT_EQ(values, (std::vector<std::uint32_t>{0, 1, 0, 0, 0}));
}

TEST(CharacterDurations, RefusesTimesOffTheGridAndEmptySyllables) {
  EXPECT_THROW(CharacterDurations({{10, 96, 1}}, 48), Error);
  EXPECT_THROW(CharacterDurations({{0, 100, 1}}, 48), Error);
  EXPECT_THROW(CharacterDurations({{0, 96, 0}}, 48), Error);
  EXPECT_THROW(CharacterDurations({{96, 96, 1}}, 48), Error);
}

}  // namespace
}  // namespace lyrova::demo
