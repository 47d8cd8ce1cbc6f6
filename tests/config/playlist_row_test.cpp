#include "session/playlist_row.h"

#include <gtest/gtest.h>

namespace lyrova {
namespace {

using Fields = std::vector<std::string>;

TEST(PlaylistRowTest, TextsAreQuotedOnlyWhenTheyMustBe) {
  const struct {
    std::string text, written;
  } cases[] = {
      {"abc", "abc"},
      {"", ""},
      {"\xCA\xE0\xEB\xE8\xED\xEA\xE0", "\xCA\xE0\xEB\xE8\xED\xEA\xE0"},  // CP1251 letters need no quotes
      {"a;b'c\x7F", "a;b'c\x7F"},
      {"a b", "\"a b\""},
      {"a,b", "\"a,b\""},
      {"\"q\"", "\"\"\"q\"\"\""},
      {"a\tb", "\"a\tb\""},
      {"\x01", "\"\x01\""},
      {"\x1F", "\"\x1F\""},
      // A row value stays on one line of the file.
      {"a\r\nb", "\"a  b\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteRowText(c.text), c.written) << c.text;
}

TEST(PlaylistRowTest, RowValueKeepsTheCaptionAndJoinsTheTexts) {
  EXPECT_EQ(RowValue({"0012", "Title text", "Singer text", "", ""}), "0012,\"Title text\",\"Singer text\",,");
  EXPECT_EQ(RowValue({"7002", "A", "B", "C", "D"}), "7002,A,B,C,D");
}

struct SplitCase {
  std::string value;
  Fields fields;
};

class SplitRowValueTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitRowValueTest, SplitsIntoFields) { EXPECT_EQ(SplitRowValue(GetParam().value), GetParam().fields); }

INSTANTIATE_TEST_SUITE_P(
    Values, SplitRowValueTest,
    ::testing::Values(
        SplitCase{"12,a,b,c,d", {"12", "a", "b", "c", "d"}},
        // An unquoted space ends a field.
        SplitCase{"12,a b,c,d,e", {"12", "a", "b", "c", "d", "e"}},
        SplitCase{"", {}}, SplitCase{" \t ", {}},
        SplitCase{"0012,\"t t\",\"s s\",,", {"0012", "t t", "s s", "", ""}},
        SplitCase{"0012,,,,", {"0012", "", "", "", ""}},
        SplitCase{"a,,b", {"a", "", "b"}}, SplitCase{",a", {"", "a"}}, SplitCase{"a,", {"a", ""}},
        SplitCase{"a , b ,c", {"a", "b", "c"}}, SplitCase{"  a", {"a"}},
        SplitCase{"\"a\"\"b\"", {"a\"b"}}, SplitCase{"\"\"", {""}}, SplitCase{"\"a,b c\"", {"a,b c"}},
        // Text right after a closing quote starts a new field.
        SplitCase{"\"a\"b", {"a", "b"}},
        SplitCase{"\"open", {"open"}}, SplitCase{"\"a\"\"", {"a\""}},
        SplitCase{std::string("a\0b,c", 5), {"a"}},
        SplitCase{"\xC0\xC1,\xFF", {"\xC0\xC1", "\xFF"}}));

TEST(PlaylistRowTest, EveryRowSurvivesWritingAndSplitting) {
  const std::vector<std::string> texts = {
      "", " ", "a", "a b", " lead", "trail ", "\"", "\"\"", ",", ",,", "a,\"b\" c", "\x01\x02", "\t",
      "\xCA\xE0\xEB\xE8\xED\xEA\xE0 \xB8", "x\"", "\"x",
  };
  for (const auto& a : texts) {
    for (const auto& b : texts) {
      const PlaylistRow row = {"0042", a, b, b, a};
      const Fields fields = SplitRowValue(RowValue(row));
      EXPECT_EQ(fields, Fields(row.begin(), row.end())) << RowValue(row);
    }
  }
}

}  // namespace
}  // namespace lyrova
