#include <gtest/gtest.h>

#include <QFontMetrics>
#include <string>

#include "display/lyric_font.h"

namespace lyrova {
namespace {

struct PageCase {
  int cell, fontHeight, strings, expected;
};

// Slots are 320 / strings rows high; a cell and its 2-pixel shadow must fit one.
TEST(LyricFit, LinesThatWouldOverlapGetASmallerFont) {
  const PageCase cases[] = {
      {72, 72, 2, 72}, {72, 72, 3, 72}, {72, 72, 4, 72}, {72, 72, 5, 62},
      {72, 72, 6, 51}, {40, 40, 6, 40}, {51, 51, 6, 51}, {52, 52, 6, 51},
      {83, -72, 4, 78},  // a character height whose cell is taller than the slot
      {120, 120, 0, 120},  // a line count below one counts as one
  };
  for (const PageCase& c : cases) {
    EXPECT_EQ(PageFontHeight(c.cell, c.fontHeight, c.strings, 320), c.expected)
        << "cell " << c.cell << ", " << c.strings << " lines";
  }
}

TEST(LyricFit, TheMeasuredCellDecidesForTheSettingsFont) {
  EXPECT_EQ(PageFontHeight("Arial", 72, 4, 320), 72);
  EXPECT_EQ(PageFontHeight("Arial", 72, 6, 320), 51);
  const QFontMetrics used(MakeLyricFont("Arial", PageFontHeight("Arial", 90, 6, 320)));
  EXPECT_LE(used.ascent() + used.descent() + kShadowOffset, 320 / 6);
}

// A line wider than the room gets the largest font at which it fits whole.
TEST(LyricFit, AWideLineGetsTheLargestFontThatFits) {
  const int room = 768;
  for (int letters : {1, 8, 15, 16, 25, 40, 80, 200}) {
    const std::string text(static_cast<std::size_t>(letters), 'W');
    const int height = FittingFontHeight(text, "Arial", 72, room);
    const int width = LyricTextWidth(text, MakeLyricFont("Arial", height));
    EXPECT_LE(width + kShadowOffset, room) << letters << " letters";
    if (height == 72) continue;
    EXPECT_GT(LyricTextWidth(text, MakeLyricFont("Arial", height + 1)) + kShadowOffset, room)
        << letters << " letters: a larger font would have fitted";
  }
  EXPECT_EQ(FittingFontHeight("WWWW", "Arial", 72, room), 72);
  EXPECT_LT(FittingFontHeight(std::string(40, 'W'), "Arial", 72, room), 72);
}

}  // namespace
}  // namespace lyrova
