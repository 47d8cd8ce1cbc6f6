#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "catalog/integer_text.h"

namespace lyrova {
namespace {

TEST(ParseInteger, AcceptsWhatTheSearchBoxTakesAsANumber) {
  const std::pair<const char*, std::int32_t> ok[] = {
      {"25", 25},     {"0025", 25},          {"  7", 7},          {"+3", 3},
      {"-1", -1},     {"$1F", 31},           {"0x10", 16},        {"0X1a", 26},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"$FFFFFFFF", -1},
  };
  for (const auto& [text, value] : ok) EXPECT_EQ(ParseInteger(text), std::optional(value)) << text;
}

TEST(ParseInteger, RejectsEverythingElse) {
  for (const char* text : {"", " ", "25a", "a25", "25 ", "2 5", "-", "$", "0x", "1.5", "2147483648",
                           "-2147483649", "$100000000", "--1", "\xB3"}) {
    EXPECT_EQ(ParseInteger(text), std::nullopt) << text;
  }
}

TEST(ParseInteger, ErrorTextQuotesTheInput) {
  EXPECT_EQ(std::string(NotAnIntegerError("25a").what()), "'25a' is not a valid integer value");
}

}  // namespace
}  // namespace lyrova
