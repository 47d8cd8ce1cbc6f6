// Telling the encodings of song-file texts apart, and upper-casing UTF-8.

#include "catalog/text_encoding.h"

#include <gtest/gtest.h>

#include "catalog/cp1251.h"
#include "catalog/utf8_text.h"

namespace lyrova {
namespace {

TEST(TextEncodingTest, ValidUtf8) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("Ёлка, café, 日本, \xF0\x9F\x8E\xA4"));
  for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "caf\xE9", "\xD0",
                          "\xE2\x82", "\x80"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
}

TEST(TextEncodingTest, RussianAndWesternSentencesAreToldApart) {
  const std::string russian = Utf8ToCp1251("Вечерний звон, вечерний звон! Как много дум наводит он");
  EXPECT_EQ(DetectEncoding({russian}), TextEncoding::Cp1251);
  EXPECT_EQ(DetectEncoding({"Le c\xF4t\xE9 de la rivi\xE8re", "ist sch\xF6n"}), TextEncoding::Cp1252);
  // A byte that CP1252 has no character for.
  EXPECT_EQ(DetectEncoding({"\x81x"}), TextEncoding::Cp1251);
  EXPECT_EQ(DecodeToUtf8("\x80\x9F\xFF", TextEncoding::Cp1252), "€Ÿÿ");
}

TEST(TextEncodingTest, UpperCasingAgreesWithTheAnsiUpperCasingOnEveryCp1251Character) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(UnicodeUpper(Cp1251ToUnicode(byte)), Cp1251ToUnicode(AnsiUpper(byte))) << b;
  }
  EXPECT_EQ(Utf8UpperCase("straße café ÿ ł ω ґ ё"), "STRAßE CAFÉ Ÿ Ł Ω Ґ Ё");
  EXPECT_EQ(Utf8UpperCase("a\xFFz"), "A\xFFZ");
}

}  // namespace
}  // namespace lyrova
