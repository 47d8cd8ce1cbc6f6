#include "catalog/library_search.h"

#include <string_view>

#include "catalog/utf8_text.h"

namespace lyrova {

void SearchLibraryField(SongLibrary& library, std::string KaraokeFields::*field, const std::string& query) {
  const std::string upper = Utf8UpperCase(query);
  for (LibrarySong& s : library.songs) {
    s.found = !upper.empty() && Utf8UpperCase(s.fields.*field).find(upper) != std::string::npos;
  }
}

// The upper-cased words are kept, so that later searches only compare.
void SearchLibraryWords(SongLibrary& library, const std::string& query) {
  const std::string upper = Utf8UpperCase(query);
  for (LibrarySong& s : library.songs) {
    if (s.upperWords.empty() && !s.words.empty()) s.upperWords = Utf8UpperCase(s.words);
    s.found = !upper.empty() && s.upperWords.find(upper) != std::string::npos;
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
