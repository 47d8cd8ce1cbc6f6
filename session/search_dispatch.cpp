#include "session/search_dispatch.h"

#include "catalog/cp1251.h"
#include "catalog/integer_text.h"
#include "catalog/songs_catalog.h"

namespace lyrova {

bool RunSearch(TSongsCatalog& catalog, int item, const std::string& query) {
  if (item < 0 || item >= kSearchModeCount) return false;
  switch (static_cast<TSearchMode>(item)) {
    case TSearchMode::Code: {
      const auto code = ParseInteger(query);
      if (!code) throw NotAnIntegerError(Cp1251ToUtf8(query));
      catalog.SearchByOstrelCode(static_cast<std::uint32_t>(*code), true);
      break;
    }
    case TSearchMode::Name: catalog.SearchInName(query); break;
    case TSearchMode::Singer: catalog.SearchInSinger(query); break;
    case TSearchMode::Music: catalog.SearchInMusic(query); break;
    case TSearchMode::Lyric: catalog.SearchInLyric(query); break;
    case TSearchMode::FullText: catalog.SearchFullText(query); break;
  }
  return true;
}

}  // namespace lyrova
