#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "video/lyric_page.h"

namespace lyrova {
namespace {

TLyricLook Look(int strings = 4) {
  TLyricLook look;
  look.fontHeight = 30;
  look.stringsCount = strings;
  return look;
}

std::vector<std::string> Words(std::initializer_list<const char*> utf8) {
  std::vector<std::string> words;
  for (const char* w : utf8) words.push_back(w);
  return words;
}

struct IntroCase {
  std::int32_t length;
  std::int32_t share;
  std::int32_t last;
};

class IntroSplit : public testing::TestWithParam<IntroCase> {};

TEST_P(IntroSplit, ThirteenSharesTheLastTakingTheRest) {
  const IntroCase c = GetParam();
  TLyricPage page([] { return Look(); });
  page.SetLyrics({});
  page.SetTiming({{1000, c.length}});
  const auto& table = page.Snapshot()->timing;
  ASSERT_EQ(table.size(), 13u);
  for (int k = 0; k < 13; ++k) {
    EXPECT_EQ(table[k].start, 1000 + k * c.share) << k;
    EXPECT_EQ(table[k].length, k < 12 ? c.share : c.last) << k;
    EXPECT_EQ(table[k].line, 0);
    EXPECT_EQ(table[k].ch, k);
  }
}

INSTANTIATE_TEST_SUITE_P(Lengths, IntroSplit,
                         testing::Values(IntroCase{130, 10, 10}, IntroCase{20, 1, 8},
                                         IntroCase{5, 0, 5}, IntroCase{0, 0, 0},
                                         IntroCase{-27, -2, -3}));

TEST(LyricTiming, PairsGoToTheCharactersInOrder) {
  TLyricPage page([] { return Look(); });
  // Empty lines take nothing; a line of spaces takes one pair.
  page.SetLyrics(Words({"ab c", "", "   ", "de"}));
  const auto snapshot = page.Snapshot();
  ASSERT_EQ(snapshot->lines->size(), 4u);
  EXPECT_EQ((*snapshot->lines)[2].CharCount(), 0);
  page.SetTiming(TimingPairs({{0, 130}, {130, 5}, {135, 5}, {140, 5}, {145, 1}, {146, 2}, {148, 3},
                        {151, 9}, {160, 9}}));
  const std::vector<TTimingEntry> expected = {
      {130, 5, 1, 0}, {135, 5, 1, 1}, {140, 5, 1, 2}, {145, 1, 2, 0}, {146, 2, 3, 0},
      {148, 3, 3, 1}};  // the last two pairs find no line
  const auto& table = page.Snapshot()->timing;
  ASSERT_EQ(table.size(), 13u + expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(table[13 + i], expected[i]) << i;
}

TEST(LyricTiming, FewerPairsThanCharactersLeaveLinesWithout) {
  TLyricPage page([] { return Look(); });
  page.SetLyrics(Words({"abc", "def"}));
  page.SetTiming({{0, 13}, {13, 1}, {14, 1}});
  const auto& table = page.Snapshot()->timing;
  ASSERT_EQ(table.size(), 15u);
  EXPECT_EQ(table.back().line, 1);
  EXPECT_EQ(table.back().ch, 1);
}

TEST(LyricTiming, NoPairsGiveNoTable) {
  TLyricPage page([] { return Look(); });
  page.SetLyrics(Words({"abc"}));
  page.SetTiming({{0, 130}});
  EXPECT_EQ(page.Snapshot()->timing.size(), 13u);
  page.SetTiming({});
  EXPECT_TRUE(page.Snapshot()->timing.empty());
}

TEST(LyricTiming, FindTimingEntryBorders) {
  const std::vector<TTimingEntry> table = {
      {100, 10, 0, 0}, {110, 10, 0, 1}, {120, 0, 0, 2}, {120, 5, 0, 3}};
  const struct {
    std::int32_t t;
    int entry;
  } cases[] = {{99, -1}, {100, 0}, {105, 0}, {110, 0}, {111, 1}, {120, 1},
               {121, 3}, {125, 3}, {126, -1}, {-5, -1}};
  for (const auto& c : cases) EXPECT_EQ(TLyricPage::FindTimingEntry(table, c.t), c.entry) << c.t;
  EXPECT_EQ(TLyricPage::FindTimingEntry({}, 5), -1);
  // start + length past the 32-bit range must not wrap into a match.
  const std::vector<TTimingEntry> high = {{0x7FFFFFF0, 0x7FFFFFF0, 0, 0}};
  EXPECT_EQ(TLyricPage::FindTimingEntry(high, 0x7FFFFFFF), 0);
  EXPECT_EQ(TLyricPage::FindTimingEntry(high, 5), -1);
}

TEST(LyricTiming, FractionOfAnEntry) {
  const struct {
    TTimingEntry e;
    std::int32_t t;
    float f;
  } cases[] = {{{100, 10, 0, 0}, 100, 0.0f}, {{100, 10, 0, 0}, 105, 0.5f},
               {{100, 10, 0, 0}, 110, 1.0f}, {{100, 10, 0, 0}, 120, 2.0f},
               {{100, 10, 0, 0}, 90, -1.0f},  {{100, 0, 0, 0}, 100, 1.0f},
               {{100, 0, 0, 0}, 101, 2.0f},  {{100, 0, 0, 0}, 99, -1.0f}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(TLyricPage::Fraction(c.e, c.t), c.f) << c.t;
}

TEST(LyricLayout, SlotsRollThroughTheLineCount) {
  for (int strings : {1, 3, 4, 6}) {
    TLyricPage page([=] { return Look(strings); });
    page.SetLyrics(Words({"a", "b", "c", "d", "e", "f", "g"}));
    const auto& lines = *page.Snapshot()->lines;
    const int h = TLyricPage::kTextHeight / strings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int slot = static_cast<int>(i) % strings;
      EXPECT_EQ(lines[i].Rect(), (TRect{0, slot * h, 800, slot * h + h - 1}))
          << strings << " lines, line " << i;
    }
  }
}

TEST(LyricLayout, LineCountBelowOneIsOneLine) {
  for (int strings : {0, -3}) {
    TLyricPage page([=] { return Look(strings); });
    page.SetLyrics(Words({"a", "b"}));
    EXPECT_EQ(page.Snapshot()->stringsCount, 1);
    for (const TLline& line : *page.Snapshot()->lines) EXPECT_EQ(line.Rect(), (TRect{0, 0, 800, 319}));
  }
}

}  // namespace
}  // namespace lyrova
