#include <gtest/gtest.h>

#include <string>

#include "catalog/cp1251.h"

namespace lyrova {
namespace {

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, RussianTextConvertsBothWays) {
  const std::string cp = "\xC2\xEE \xEF\xEE\xEB\xE5 \xE1\xE5\xF0\xB8\xE7\xE0";
  EXPECT_EQ(Cp1251ToUtf8(cp), "Во поле берёза");
  EXPECT_EQ(Utf8ToCp1251("Во поле берёза"), cp);
  EXPECT_EQ(Cp1251ToUtf8("\xB9 \x88 \x85"), "№ € …");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD" "b"), "a?b");  // a CJK character
  EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x8E\xA4"), "?");     // outside the BMP
}

TEST(Cp1251, MalformedUtf8NeitherCrashesNorSwallowsText) {
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");          // cut short at the end
  EXPECT_EQ(Utf8ToCp1251("\xD0" "A"), "?A");     // bad continuation
  EXPECT_EQ(Utf8ToCp1251("\x80z"), "?z");        // stray continuation
}

TEST(AnsiUpperCase, CoversLatinAndEveryCyrillicLetter) {
  EXPECT_EQ(AnsiUpperCase("abc xyz 123"), "ABC XYZ 123");
  EXPECT_EQ(Cp1251ToUtf8(AnsiUpperCase(Utf8ToCp1251("абвгдежзийклмнопрстуфхцчшщъыьэюяё"))),
            "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЁ");
  EXPECT_EQ(Cp1251ToUtf8(AnsiUpperCase(Utf8ToCp1251("ђѓљњќћџўјґєїіѕ"))), "ЂЃЉЊЌЋЏЎЈҐЄЇІЅ");
}

TEST(AnsiUpperCase, LeavesCapitalsAndSymbolsAlone) {
  for (int b = 0; b < 256; ++b) {
    const auto up = AnsiUpper(static_cast<unsigned char>(b));
    EXPECT_EQ(AnsiUpper(up), up) << b;  // capitals are fixed points
  }
  EXPECT_EQ(Cp1251ToUtf8(AnsiUpperCase(Utf8ToCp1251("µ№«»§"))), "µ№«»§");
}

}  // namespace
}  // namespace lyrova
