#include <gtest/gtest.h>

#include <string>

#include "catalog/cp1251.h"
#include "catalog/disc_text.h"

namespace lyrova {
namespace {

struct ConversionCase {
  const char* name;
  std::string disc;
  QuoteMode mode;
  const char* utf8;  // expected result shown as Unicode
};

class DiscTextTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DiscTextTest, ConvertsToCp1251) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(Cp1251ToUtf8(ConvertDiscText(c.disc, c.mode)), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiscTextTest,
    ::testing::Values(
        ConversionCase{"EscapedLetter", "\xF0\x41", QuoteMode::Keep, "А"},
        ConversionCase{"DoubleEscape", "\xF0\xF0", QuoteMode::Keep, "Ё"},
        ConversionCase{"EscapeAtEnd", "\x80\xF0", QuoteMode::Keep, "А"},
        ConversionCase{"TripleEscape", "\xF0\xF0\xF0\x41", QuoteMode::Keep, "ЁА"},
        ConversionCase{"DropQuoteKeepsEscapeArmed", "\xF0\x22\xF0", QuoteMode::Drop, "Ё"},
        ConversionCase{"KeepQuoteClearsEscape", "\xF0\x22\xF0", QuoteMode::Keep, "\""},
        ConversionCase{"DropQuotes", "\"\x8F\xA5\xE1\xAD\xEF\"", QuoteMode::Drop, "Песня"},
        ConversionCase{"KeepQuotes", "\"\x8F\xA5\xE1\xAD\xEF\"", QuoteMode::Keep, "\"Песня\""},
        ConversionCase{"LatinCapitalsLookAlike", "ICE", QuoteMode::Keep, "ИСЕ"},
        ConversionCase{"LatinSmallMixed", "ice", QuoteMode::Keep, "iсе"},
        ConversionCase{"OtherLatinStays", "pqz", QuoteMode::Keep, "pqz"},
        ConversionCase{"UnderscoreIsSpace", "a_b", QuoteMode::Keep, "а b"},
        ConversionCase{"Cp866Letters", "\x80\x9F\xA0\xAF\xE0\xEF\xF1", QuoteMode::Keep, "АЯапряё"},
        ConversionCase{"DigitsAndPunctuation", "0-9,.!?\r\n", QuoteMode::Keep, "0-9,.!?\r\n"},
        ConversionCase{"Empty", "", QuoteMode::Drop, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiscTable, UpperRangesFollowTheTable) {
  for (int b = 0; b <= 0x40; ++b) EXPECT_EQ(DiscCharToCp1251(b), b) << b;
  for (int b = 0x80; b <= 0xAF; ++b) EXPECT_EQ(DiscCharToCp1251(b), 0xC0 + b - 0x80) << b;
  for (int b = 0xB0; b <= 0xDF; ++b) EXPECT_EQ(DiscCharToCp1251(b), 0x80 + b - 0xB0) << b;
  for (int b = 0xE0; b <= 0xEF; ++b) EXPECT_EQ(DiscCharToCp1251(b), 0xF0 + b - 0xE0) << b;
  const int tail[][2] = {{0xF0, 0xA8}, {0xF1, 0xB8}, {0xF2, 0xB2}, {0xF7, 0xB7},
                         {0xF8, 0xA7}, {0xF9, 0xB9}, {0xFF, 0xBF}};
  for (const auto& t : tail) EXPECT_EQ(DiscCharToCp1251(t[0]), t[1]) << t[0];
}

TEST(DiscTable, OnlyTheLookAlikesAndUnderscoreChangeBelow128) {
  const std::string changed = "ABCEHIKMOPTXaceoxy_";
  for (int b = 0x41; b < 0x80; ++b) {
    const bool expectChange = changed.find(static_cast<char>(b)) != std::string::npos;
    EXPECT_EQ(DiscCharToCp1251(b) != b, expectChange) << b;
  }
}

}  // namespace
}  // namespace lyrova
