#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "catalog/songs_catalog.h"
#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

using testing::Bytes;

struct Row {
  std::uint32_t code;
  const char* name;
  const char* lyricist;
  const char* composer;
  const char* singer;
};

// A catalogue from resources made in memory; texts given as Unicode.
class SearchTest : public ::testing::Test {
 protected:
  void Load(const std::vector<Row>& rows) {
    std::vector<TSongHeader> records;
    for (const Row& row : rows) {
      TSongHeader r;
      r.Code = row.code;
      r.Found = true;
      r.Name = Utf8ToCp1251(row.name);
      r.LyricAuthor = Utf8ToCp1251(row.lyricist);
      r.MusicAuthor = Utf8ToCp1251(row.composer);
      r.Singer = Utf8ToCp1251(row.singer);
      records.push_back(r);
    }
    dumps_ = MakeCatalogDumps(records);
    txt_ = testing::ToBytes(dumps_.txt);
    catalog_.LoadRecords({dumps_.bin, txt_});
  }

  std::vector<std::uint32_t> FoundCodes() const {
    std::vector<std::uint32_t> codes;
    for (int i = 0; i < catalog_.Count(); ++i) {
      if (catalog_.Record(i).Found) codes.push_back(catalog_.Record(i).Code);
    }
    return codes;
  }

  CatalogDumps dumps_;
  Bytes txt_;
  TSongsCatalog catalog_;
};

using Codes = std::vector<std::uint32_t>;

TEST_F(SearchTest, TextSearchesIgnoreCaseAndFindInsideWords) {
  Load({{1, "Во поле берёза стояла", "Народные", "Народная", "Хор"},
        {2, "Калинка", "Ларионова И.", "Ларионов И.", "Ансамбль"},
        {3, "БЕРЁЗОНЬКА", "Народные", "Иванов", "Ёлкин"},
        {4, "Yellow Birch", "Smith J.", "Smith", "choir"},
        {5, "", "", "", ""}});
  struct Case {
    void (TSongsCatalog::*search)(const std::string&);
    const char* query;
    Codes found;
  };
  const Case cases[] = {
      {&TSongsCatalog::SearchInName, "берёз", {1, 3}},
      {&TSongsCatalog::SearchInName, "ЛИНК", {2}},
      {&TSongsCatalog::SearchInName, "birch", {4}},
      {&TSongsCatalog::SearchInName, "березо", {3}},  // people type е for ё
      {&TSongsCatalog::SearchInSinger, "елкин", {3}},
      {&TSongsCatalog::SearchInLyric, "народн", {1, 3}},
      {&TSongsCatalog::SearchInMusic, "ов", {2, 3}},
      {&TSongsCatalog::SearchInSinger, "ё", {3}},
      {&TSongsCatalog::SearchInSinger, "CHOIR", {4}},
      {&TSongsCatalog::SearchInName, " поле", {1}},  // the space is part of the query
      {&TSongsCatalog::SearchInName, "Калинка ", {}},
      {&TSongsCatalog::SearchInName, "", {}},         // an empty query matches nothing
  };
  for (const Case& c : cases) {
    catalog_.ClearSearchRes();
    (catalog_.*c.search)(Utf8ToCp1251(c.query));
    EXPECT_EQ(FoundCodes(), c.found) << c.query;
  }
}

TEST_F(SearchTest, CodeLookupMarksTheSongAndGivesTheLastMatch) {
  Load({{1, "a", "", "", ""}, {25, "b", "", "", ""}, {3001, "c", "", "", ""}, {25, "d", "", "", ""}});
  EXPECT_EQ(catalog_.SearchByOstrelCode(3001, true), 2);
  EXPECT_EQ(FoundCodes(), Codes{3001});
  EXPECT_EQ(catalog_.SearchByOstrelCode(25, true), 3);
  EXPECT_EQ(FoundCodes(), (Codes{25, 25}));
  EXPECT_EQ(catalog_.SearchByOstrelCode(2000, true), -1);
  EXPECT_EQ(FoundCodes(), Codes{});
  catalog_.ClearSearchRes();
  EXPECT_EQ(catalog_.SearchByOstrelCode(1, false), 0);
  EXPECT_EQ(FoundCodes(), (Codes{1, 25, 3001, 25}));
}

class FullTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Song 1 encoded ("Берёза" with an escaped Ё), song 2 plain text "Калинка".
    disc_ = testing::MakeDisc({{"One\r", {}, {}, "\x81\xA5\xE0\xF0\xF0\xA7\xA0\r\n\"l2\""},
                               {"Two\r", {}, {}, "\xCA\xE0\xEB\xE8\xED\xEA\xE0\r\nla"}});
    testing::WriteDisc(dir_.path(), disc_);
    ASSERT_TRUE(catalog_.ReadCatalog(dir_.path()));
    dumps_ = catalog_.MakeDumps();
    dumps_.bin[4 + 20 + 4] = 0;  // the second song is not encoded
    txt_ = testing::ToBytes(dumps_.txt);
    ASSERT_TRUE(catalog_.LoadCatalog(dir_.path(), {dumps_.bin, txt_}));
  }

  Codes Search(const char* utf8) {
    catalog_.SearchFullText(Utf8ToCp1251(utf8));
    Codes codes;
    for (int i = 0; i < catalog_.Count(); ++i) {
      if (catalog_.Record(i).Found) codes.push_back(catalog_.Record(i).Code);
    }
    return codes;
  }

  testing::TempDir dir_;
  testing::DiscFiles disc_;
  CatalogDumps dumps_;
  Bytes txt_;
  TSongsCatalog catalog_;
};

TEST_F(FullTextTest, SearchesTheConvertedWordsOfEverySong) {
  EXPECT_EQ(Search("БЕРЁЗА"), Codes{1});
  EXPECT_EQ(Search("береза"), Codes{1});  // nobody types ё
  EXPECT_EQ(Search("калинка"), Codes{2});
  EXPECT_EQ(Search("\"L2\""), Codes{1});       // quotes survive in the words
  EXPECT_EQ(Search("а\r\n"), (Codes{1, 2}));   // line breaks are part of the text
  EXPECT_EQ(Search("l"), (Codes{1, 2}));
  EXPECT_EQ(Search(""), Codes{});
}

TEST_F(FullTextTest, DamagedImageStopsAtTheFirstUnreadableSong) {
  ASSERT_EQ(Search("калинка"), Codes{2});
  disc_.image.resize(2048 + 20);  // the second song's words are cut off
  testing::WriteDisc(dir_.path(), disc_);
  try {
    catalog_.SearchFullText(Utf8ToCp1251("берёза"));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Read beyond end of file");
  }
  EXPECT_TRUE(catalog_.Record(0).Found);
}

}  // namespace
}  // namespace lyrova
