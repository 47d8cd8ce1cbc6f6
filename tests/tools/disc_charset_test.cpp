// The disc character set as written must read back through the catalogue's
// own decoding, escape byte included.

#include "tools/demo_disc/disc_charset.h"

#include <gtest/gtest.h>

#include <string>

#include "catalog/disc_text.h"
#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

TEST(DiscCharset, EveryExpressibleCharacterReadsBackAlone) {
  int missing = 0;
  for (int c = 0; c < 256; ++c) {
    SCOPED_TRACE(c);
    const auto bytes = EncodeDiscChar(static_cast<unsigned char>(c));
    if (!bytes) {
      ++missing;
      continue;
    }
    const std::string expected(1, static_cast<char>(c));
    EXPECT_EQ(ConvertDiscText(*bytes, QuoteMode::Keep), expected);
    // And after any other character: no escape is left armed.
    EXPECT_EQ(ConvertDiscText("\x80" + *bytes, QuoteMode::Keep), "\xC0" + expected);
  }
  // Eighteen look-alike Latin letters, the underscore, ° and ±.
  EXPECT_EQ(missing, 21);
}

TEST(DiscCharset, WholeTextsRoundTripInBothQuoteModes) {
  const std::string cp1251 =
      "\xA8\xEB\xEA\xE0 \xA8\xA8 \"\xC5\xB8\xE6\" \xAB\xF1\xEF\xE8\xBB, 1-2!\r\n\x97 \xB9";
  const std::string disc = EncodeDiscText(cp1251);
  EXPECT_EQ(ConvertDiscText(disc, QuoteMode::Keep), cp1251);
  std::string unquoted = cp1251;
  std::erase(unquoted, '"');
  EXPECT_EQ(ConvertDiscText(disc, QuoteMode::Drop), unquoted);
}

TEST(DiscCharset, CapitalYoIsWrittenAsTheEscapedPair) {
  EXPECT_EQ(EncodeDiscText("\xA8"), "\xF0\xF0");
  EXPECT_EQ(EncodeDiscText("\xA8\xA8"), "\xF0\xF0\xF0\xF0");
}

TEST(DiscCharset, CyrillicLettersUseTheDosCodePageBytes) {
  EXPECT_EQ(EncodeDiscText("\xC0\xDF\xE0\xEF\xF0\xFF\xB8"), "\x80\x9F\xA0\xAF\xE0\xEF\xF1");
}

TEST(DiscCharset, LatinLookAlikesAndUnderscoreAreRefused) {
  for (const char* text : {"A", "Moscow", "x", "a_b", "\xB0"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(EncodeDiscText(text), Error);
  }
  EXPECT_EQ(EncodeDiscText("pdq 42"), "pdq 42");
}

TEST(DiscCharset, SourceTextMustHaveACp1251Form) {
  EXPECT_EQ(Cp1251FromUtf8("Ёж «ё»"), "\xA8\xE6 \xAB\xB8\xBB");
  EXPECT_THROW(Cp1251FromUtf8("日本"), Error);
}

}  // namespace
}  // namespace lyrova::demo
