#include <gtest/gtest.h>

#include <string>

#include "catalog/cp1251.h"
#include "catalog/header_text.h"

namespace lyrova {
namespace {

std::string Cp(const char* utf8) { return Utf8ToCp1251(utf8); }
std::string Utf(const std::string& cp) { return Cp1251ToUtf8(cp); }

TEST(InitialToEnd, MovesOnlyAnInitialOfUpToThreeCharacters) {
  const char* cases[][2] = {
      {"М.Агашиной", "Агашиной М."},   {"Гр.Гладкова", "Гладкова Гр."},
      {"А.Б.Иванов", "Б.Иванов А."},   {"Детский хор", "Детский хор"},
      {"Сл.М.Иванов", "М.Иванов Сл."}, {"М. Агашиной", "Агашиной М."},
      {"Иванов М.", "Иванов М."},
      {"  Хор  ", "Хор"},              {".Х", "Х ."},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf(InitialToEnd(Cp(c[0]))), c[1]) << c[0];
}

TEST(NoDataIfEmpty, ShortTextsHaveNoData) {
  EXPECT_EQ(Utf(NoDataIfEmpty("")), "нет данных");
  EXPECT_EQ(Utf(NoDataIfEmpty(Cp("Ы"))), "нет данных");
  EXPECT_EQ(Utf(NoDataIfEmpty(Cp("М.Ив"))), "Ив М.");
}

TEST(TrimControl, RemovesEveryControlByteAndSpaceAtTheEnds) {
  EXPECT_EQ(TrimControl("\t\n\r \x01x y\x1F \x7F"), "x y\x1F \x7F");
  EXPECT_EQ(TrimControl("\xA0x\xA0"), "\xA0x\xA0");  // no-break space is a character
  EXPECT_EQ(TrimControl("   "), "");
}

TEST(ParseHeaderText, EncodedRecordConvertsEveryLineDroppingQuotes) {
  TSongHeader r;
  r.Encoded = true;
  // "Песня" / М.Агашиной / Г.Пономаренко / O.Воронец, disc character set.
  ParseHeaderText(r, "\"\x8F\xA5\xE1\xAD\xEF\"\rM.\x80\xA3\xA0\xE8\xA8\xAD\xAE\xA9\r"
                     "\x83.\x8F\xAE\xAD\xAE\xAC\xA0\xE0\xA5\xAD\xAA\xAE\r"
                     "O.\x82\xAE\xE0\xAE\xAD\xA5\xE6\r");
  EXPECT_EQ(Utf(r.Name), "Песня");
  EXPECT_EQ(Utf(r.LyricAuthor), "Агашиной М.");
  EXPECT_EQ(Utf(r.MusicAuthor), "Пономаренко Г.");
  EXPECT_EQ(Utf(r.Singer), "Воронец О.");
}

TEST(ParseHeaderText, NotEncodedRecordConvertsOnlyTheSingerKeepingQuotes) {
  TSongHeader r;
  r.Encoded = false;
  ParseHeaderText(r, "Ice \"Song\"\rA.Author\r \r\"ICE\" xop\r");
  EXPECT_EQ(r.Name, "Ice \"Song\"");
  EXPECT_EQ(r.LyricAuthor, "Author A.");
  EXPECT_EQ(Utf(r.MusicAuthor), "нет данных");
  EXPECT_EQ(Utf(r.Singer), "\"ИСЕ\" хоp");  // a Latin p stays Latin
}

TEST(ParseHeaderText, OnlyCarriageReturnsEndLines) {
  TSongHeader r;
  r.Encoded = false;
  // The CR LF pair leaves its LF at the front of the next line, where the trim removes it.
  ParseHeaderText(r, "Title\r\nWords\r\nMusic\nstill music\r\nSung\rextra\rmore\r");
  EXPECT_EQ(r.Name, "Title");
  EXPECT_EQ(r.LyricAuthor, "Words");
  EXPECT_EQ(r.MusicAuthor, "Music\nstill music");
  EXPECT_EQ(r.Singer, "Sung");
}

TEST(ParseHeaderText, LinesWithoutCarriageReturnStayEmpty) {
  TSongHeader r;
  r.Name = "stale";
  ParseHeaderText(r, "Title without end");
  EXPECT_EQ(r.Name, "");
  ParseHeaderText(r, "Title\rWords");
  EXPECT_EQ(r.Name, "Title");
  EXPECT_EQ(r.LyricAuthor, "");
  EXPECT_EQ(r.Singer, "");
  ParseHeaderText(r, "X\r");
  EXPECT_EQ(Utf(r.Name), "нет данных");
}

}  // namespace
}  // namespace lyrova
