#pragma once
// The song library with its recorded songs: MP3s with their CDG (loose or
// in a zip archive) and karaoke videos, read into the library's index
// beside the karaoke files: their singer and title from the tags, else
// from an "Artist - Title" file name, or why they cannot be played.

#include <string>

#include "catalog/library_index.h"
#include "catalog/song_library.h"

namespace lyrova {

// A recorded song's file into its index entry; never throws.
void ReadRecordedEntry(const std::string& folder, IndexEntry& entry);

// ScanLibrary with the recorded songs read.
SongLibrary ScanSongLibrary(const std::string& folder, const std::string& cacheFile,
                            const ScanProgress& progress = {});

// A tag as FFmpeg gives it, in UTF-8: a tag written in an 8-bit code page
// but marked Latin-1 (as many are) is read in the code page it is in.
std::string TagText(const std::string& utf8);

}  // namespace lyrova
