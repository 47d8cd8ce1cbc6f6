// The catalogue searches: each sets every record's Found flag.

#include <string_view>

#include "catalog/disc_text.h"
#include "catalog/search_folding.h"
#include "catalog/songs_catalog.h"

namespace lyrova {
namespace {

// `foldedQuery` is folded and not empty; `text` is folded in place.
bool Contains(std::string& text, std::string_view foldedQuery) {
  FoldDiscTextInPlace(text);
  return std::string_view(text).find(foldedQuery) != std::string_view::npos;
}

}  // namespace

void TSongsCatalog::SearchInField(std::string TSongHeader::*field, const std::string& query) {
  const std::string foldedQuery = FoldDiscText(query);
  std::string text;
  for (TSongHeader& r : records_) {
    if (foldedQuery.empty()) {
      r.Found = false;
      continue;
    }
    text.assign(r.*field);
    r.Found = Contains(text, foldedQuery);
  }
}

void TSongsCatalog::SearchInName(const std::string& query) {
  SearchInField(&TSongHeader::Name, query);
}
void TSongsCatalog::SearchInLyric(const std::string& query) {
  SearchInField(&TSongHeader::LyricAuthor, query);
}
void TSongsCatalog::SearchInMusic(const std::string& query) {
  SearchInField(&TSongHeader::MusicAuthor, query);
}
void TSongsCatalog::SearchInSinger(const std::string& query) {
  SearchInField(&TSongHeader::Singer, query);
}

// One read per song. A song that cannot
// be read stops the search with its error; the songs before it keep their flags.
void TSongsCatalog::SearchFullText(const std::string& query) {
  const std::string foldedQuery = FoldDiscText(query);
  std::string stored;
  std::string words;
  for (TSongHeader& r : records_) {
    if (foldedQuery.empty()) {
      r.Found = false;
      continue;
    }
    image_.ReadBlock(WordsOffset(r), r.WordsSize, stored);
    if (r.Encoded) {
      ConvertDiscTextInto(stored, QuoteMode::Keep, words);
      r.Found = Contains(words, foldedQuery);
    } else {
      r.Found = Contains(stored, foldedQuery);
    }
  }
}

int TSongsCatalog::SearchByOstrelCode(std::uint32_t code, bool mark) {
  int index = -1;
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const bool match = records_[i].Code == code;
    if (match) index = static_cast<int>(i);
    if (mark) records_[i].Found = match;
  }
  return index;
}

void TSongsCatalog::ClearSearchRes() {
  for (TSongHeader& r : records_) r.Found = true;
}

}  // namespace lyrova
