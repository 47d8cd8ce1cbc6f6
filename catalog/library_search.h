#pragma once
// The searches over the library's songs, as those over the disc's: each
// sets every song's found flag. Queries are UTF-8; texts compare folded
// (search_folding.h), so "e" finds "É" and "елочка" finds "Ёлочка".

#include <cstdint>
#include <string>

#include "catalog/song_library.h"

namespace lyrova {

void SearchLibraryField(SongLibrary& library, std::string KaraokeFields::*field, const std::string& query);
void SearchLibraryWords(SongLibrary& library, const std::string& query);
// The index of the last song with the code, or -1.
int SearchLibraryCode(SongLibrary& library, std::uint32_t code, bool mark);
void ClearLibrarySearch(SongLibrary& library);

}  // namespace lyrova
