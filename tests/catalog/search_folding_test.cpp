#include "catalog/search_folding.h"

#include <gtest/gtest.h>

#include "catalog/cp1251.h"
#include "catalog/library_search.h"

namespace lyrova {
namespace {

// What a query finds: pairs of texts that must fold alike, or must not.
struct Fold {
  const char* typed;
  const char* stored;
  bool same;
};

TEST(SearchFolding, DiscTextsFoldCaseAndYo) {
  const Fold cases[] = {
      {"береза", "БЕРЁЗА", true},     {"елочка", "Ёлочка", true},   {"ЁЛКА", "елка", true},
      {"берёза", "береза", true},     {"kalinka", "KALINKA", true}, {"берёза", "берёзы", false},
      {"е", "э", false},              {"и", "й", false},
  };
  for (const Fold& c : cases) {
    EXPECT_EQ(FoldDiscText(Utf8ToCp1251(c.typed)) == FoldDiscText(Utf8ToCp1251(c.stored)), c.same)
        << c.typed << " / " << c.stored;
  }
}

TEST(SearchFolding, LibraryTextsAlsoFoldAccentsAndApostrophes) {
  const Fold cases[] = {
      {"cafe", "Café", true},           {"CAFE", "café", true},        {"nino", "Niño", true},
      {"senor", "SEÑOR", true},         {"uber", "Über", true},        {"zolc", "Żółć", true},
      {"don't", "Don’t", true},         {"don't", "DON‘T", true},      {"елочка", "Ёлочка", true},
      {"береза", "БЕРЁЗА", true},       {"strasse", "Straße", false},  {"aeon", "Æon", false},
      {"cafe", "cafè", true},           {"i", "ı", true},
  };
  for (const Fold& c : cases) {
    EXPECT_EQ(FoldLibraryText(c.typed) == FoldLibraryText(c.stored), c.same) << c.typed << " / " << c.stored;
  }
  // Malformed bytes stay a character of their own and never swallow the next.
  EXPECT_EQ(FoldLibraryText("a\xFF" "b"), "A\xEF\xBF\xBD" "B");
}

TEST(SearchFolding, EveryLibrarySearchFoldsFieldsAndWords) {
  SongLibrary library;
  const auto add = [&](const char* title, const char* singer, const char* words) {
    LibrarySong song;
    song.fields.title = title;
    song.fields.singer = singer;
    song.words = words;
    library.songs.push_back(song);
  };
  add("Ёлочка", "Хор", "В лесу родилась ёлочка");
  add("Café del Mar", "Señor José", "It’s the night");
  add("Plain", "Someone", "nothing here");
  const auto found = [&] {
    std::string s;
    for (const LibrarySong& song : library.songs) s += song.found ? '1' : '0';
    return s;
  };
  SearchLibraryField(library, &KaraokeFields::title, "елочка");
  EXPECT_EQ(found(), "100");
  SearchLibraryField(library, &KaraokeFields::title, "CAFE");
  EXPECT_EQ(found(), "010");
  SearchLibraryField(library, &KaraokeFields::singer, "jose");
  EXPECT_EQ(found(), "010");
  SearchLibraryWords(library, "родилась елочка");
  EXPECT_EQ(found(), "100");
  SearchLibraryWords(library, "it's");
  EXPECT_EQ(found(), "010");
}

}  // namespace
}  // namespace lyrova
