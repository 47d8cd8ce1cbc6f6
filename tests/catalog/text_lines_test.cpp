#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/text_lines.h"

namespace lyrova {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, BreaksAtCrLfAndThePair) {
  EXPECT_EQ(SplitLines("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("a\r"), (Lines{"a"}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
}

TEST(CountTimedUnits, OnePerSungCharacterPlusTheIntroduction) {
  EXPECT_EQ(CountTimedUnits({}), 1u);
  EXPECT_EQ(CountTimedUnits({"ab c", "", "d"}), 5u);
  EXPECT_EQ(CountTimedUnits({"   "}), 2u);  // a line of spaces still takes one
}

}  // namespace
}  // namespace lyrova
