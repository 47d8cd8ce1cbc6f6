// The notation the songs are written in: mistakes in a song must stop the
// build of the disc, not turn into wrong music or timing.

#include "tools/demo_disc/music_notation.h"

#include <gtest/gtest.h>

#include "catalog/errors.h"
#include "tools/demo_disc/lyric_line.h"

namespace lyrova::demo {
namespace {

constexpr BarGrid k24{2 * kDivision, 0};

TEST(MusicNotation, Durations) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {":1", 1536}, {":2", 768},   {":4", 384},  {":8", 192},   {":16", 96},
      {":32", 48},  {":2.", 1152}, {":4.", 576}, {":16.", 144},
  };
  for (const auto& [text, ticks] : cases) EXPECT_EQ(ParseDuration(text), ticks) << text;
  for (const char* bad : {":3", ":32.", "4", ":", ":64"})
    EXPECT_THROW(ParseDuration(bad), Error) << bad;
}

TEST(MusicNotation, NotesRestsTiesAndStickyDurations) {
  const Melody m = ParseMelody("c4:8 c#4 r db4~ | db4 bb3 b3 e5", 384, {2 * kDivision, 384});
  ASSERT_EQ(m.notes.size(), 6u);
  const int keys[] = {60, 61, 61, 58, 59, 76};
  const std::uint32_t starts[] = {384, 576, 960, 1344, 1536, 1728};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(m.notes[i].key, keys[i]) << i;
    EXPECT_EQ(m.notes[i].start, starts[i]) << i;
  }
  EXPECT_EQ(m.notes[2].length, 384u);  // the tie joins two eighths
  EXPECT_EQ(m.length, 1536u);
}

TEST(MusicNotation, MistakesAreRefused) {
  for (const char* bad :
       {"c4:4 |", "h4", "C4", "c44", "c", "r~ c4", "c4~ d4", "c4~", "c4:4. c4:8 c4:4 |"}) {
    EXPECT_THROW(ParseMelody(bad, 0, k24), Error) << bad;
  }
  EXPECT_NO_THROW(ParseMelody("c4:4. c4:8 |", 0, k24));
}

TEST(MusicNotation, ChordsLastABarUnlessTimed) {
  const std::vector<ChordSpan> c = ParseChords("Am | G:4 E7:4 | Bbm/F r", 0, k24);
  ASSERT_EQ(c.size(), 5u);
  EXPECT_EQ(c[0].tones, (std::vector<int>{9, 0, 4}));
  EXPECT_EQ(c[1].length, 384u);
  EXPECT_EQ(c[2].tones, (std::vector<int>{4, 8, 11, 2}));
  EXPECT_EQ(c[3].start, 1536u);
  EXPECT_EQ(c[3].length, 768u);
  EXPECT_EQ(c[3].root, 10);
  EXPECT_EQ(c[3].bass, 5);
  EXPECT_TRUE(c[4].silent);
  for (const char* bad : {"am", "Hm", "Cx", "C/", "C/x", "G:4 |"}) {
    EXPECT_THROW(ParseChords(bad, 0, k24), Error) << bad;
  }
}

TEST(LyricLine, SyllablesHoldsJoinsAndPunctuation) {
  // CP1251: "Ой, мо/роз, _ мо/роз — в+лес"
  const LyricLine line = ParseLyricLine(
      "\xCE\xE9, \xEC\xEE/\xF0\xEE\xE7, _ \xEC\xEE/\xF0\xEE\xE7 \x97 \xE2+\xEB\xE5\xF1");
  EXPECT_EQ(line.display,
            "\xCE\xE9, \xEC\xEE\xF0\xEE\xE7, \xEC\xEE\xF0\xEE\xE7 \x97 \xE2 \xEB\xE5\xF1");
  ASSERT_EQ(line.syllables.size(), 6u);
  EXPECT_EQ(line.syllables[0].text, "\xCE\xE9,");
  EXPECT_EQ(line.syllables[2].notes, 2);                   // held over one more note
  EXPECT_EQ(line.syllables[4].text, "\xF0\xEE\xE7\x97");   // the dash joins the syllable before
  EXPECT_EQ(line.syllables[5].text, "\xE2 \xEB\xE5\xF1");  // "в лес" sung as one
  // Breaks between words only: not before the dash, not inside "в лес".
  EXPECT_EQ(line.breaks, (std::vector<std::size_t>{3, 10, 18}));
  for (const char* bad : {"_ a", "\x97 a", "a//b", "_/a", "a _/b"}) {
    EXPECT_THROW(ParseLyricLine(bad), Error) << bad;
  }
}

TEST(LyricLine, HoldInsideAWordKeepsTheWordWhole) {
  // CP1251: "ко/ро/_/буш/ка,"
  const LyricLine line = ParseLyricLine("\xEA\xEE/\xF0\xEE/_/\xE1\xF3\xF8/\xEA\xE0,");
  EXPECT_EQ(line.display, "\xEA\xEE\xF0\xEE\xE1\xF3\xF8\xEA\xE0,");
  ASSERT_EQ(line.syllables.size(), 4u);
  EXPECT_EQ(line.syllables[1].notes, 2);
}

}  // namespace
}  // namespace lyrova::demo
