#include "catalog/library_search.h"

#include <string_view>

#include "catalog/search_folding.h"

namespace lyrova {

void SearchLibraryField(SongLibrary& library, std::string KaraokeFields::*field, const std::string& query) {
  const std::string folded = FoldLibraryText(query);
  for (LibrarySong& s : library.songs) {
    s.found = !folded.empty() && FoldLibraryText(s.fields.*field).find(folded) != std::string::npos;
  }
}

// The folded words are kept, so that later searches only compare.
void SearchLibraryWords(SongLibrary& library, const std::string& query) {
  const std::string folded = FoldLibraryText(query);
  for (LibrarySong& s : library.songs) {
    if (s.foldedWords.empty() && !s.words.empty()) s.foldedWords = FoldLibraryText(s.words);
    s.found = !folded.empty() && s.foldedWords.find(folded) != std::string::npos;
  }
}

int SearchLibraryCode(SongLibrary& library, std::uint32_t code, bool mark) {
  int index = -1;
  for (std::size_t i = 0; i < library.songs.size(); ++i) {
    const bool match = library.songs[i].code == code;
    if (match) index = static_cast<int>(i);
    if (mark) library.songs[i].found = match;
  }
  return index;
}

void ClearLibrarySearch(SongLibrary& library) {
  for (LibrarySong& s : library.songs) s.found = true;
}

}  // namespace lyrova
