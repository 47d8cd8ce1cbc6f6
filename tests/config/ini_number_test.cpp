#include "config/ini_number.h"

#include <gtest/gtest.h>

#include <string>

namespace lyrova {
namespace {

struct IntCase {
  std::string text;
  std::int32_t expected;
};

class ProfileIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileIntTest, ReadsLikeTheProfileFunctions) {
  EXPECT_EQ(ParseProfileInt(GetParam().text, -7777), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ProfileIntTest,
    ::testing::Values(
        IntCase{"72", 72}, IntCase{"007", 7}, IntCase{"-5", -5}, IntCase{"+5", 5},
        IntCase{"16711680", 16711680},
        // Hexadecimal after 0x / 0X (longer than two characters) and after $.
        IntCase{"0xFF", 255}, IntCase{"0XfF", 255}, IntCase{"$FF", 255}, IntCase{"$ff", 255},
        IntCase{"0x3", 3}, IntCase{"-$10", -16}, IntCase{"-0x10", -16},
        // Not numbers: the default.
        IntCase{"", -7777}, IntCase{"abc", -7777}, IntCase{"0x", -7777}, IntCase{"$", -7777},
        IntCase{"-", -7777}, IntCase{"12a", -7777}, IntCase{"1 2", -7777}, IntCase{" 5", -7777},
        IntCase{"0x-1", -7777}, IntCase{"$G", -7777}, IntCase{"1.5", -7777}, IntCase{"--1", -7777},
        // Range: decimal must fit 32 signed bits; hexadecimal is a 32-bit pattern.
        IntCase{"2147483647", 2147483647}, IntCase{"2147483648", -7777},
        IntCase{"-2147483648", INT32_MIN}, IntCase{"-2147483649", -7777},
        IntCase{"99999999999999999999999", -7777}, IntCase{"$FFFFFFFF", -1},
        IntCase{"0x80000000", INT32_MIN}, IntCase{"$100000000", -7777},
        IntCase{"0x0000000000FF", 255}));

TEST(ProfileFloatTest, ReadsDecimalNumbersOnly) {
  EXPECT_EQ(ParseProfileFloat("1", 0), 1.0);
  EXPECT_EQ(ParseProfileFloat("1.0", 0), 1.0);
  EXPECT_EQ(ParseProfileFloat("+1", 0), 1.0);
  EXPECT_EQ(ParseProfileFloat("-2.5", 0), -2.5);
  EXPECT_EQ(ParseProfileFloat("1e3", 0), 1000.0);
  for (const char* bad : {"", "abc", "1,5", "1.0x", "inf", "nan", "+-1", "1e999", "+"}) {
    EXPECT_EQ(ParseProfileFloat(bad, 42.0), 42.0) << bad;
  }
}

TEST(ProfileFloatTest, WritesTheShortestTextThatReadsBack) {
  EXPECT_EQ(FormatProfileFloat(1.0), "1");
  EXPECT_EQ(FormatProfileFloat(-0.25), "-0.25");
  for (double v : {0.1, 1.0 / 3.0, 123456.789, -1e-300}) {
    EXPECT_EQ(ParseProfileFloat(FormatProfileFloat(v), 0), v);
  }
}

}  // namespace
}  // namespace lyrova
