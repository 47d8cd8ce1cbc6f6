#pragma once
// The library's index file: for each song file its path, size and
// modification time and what reading it gave (the song's texts and words),
// so that unchanged files need not be read again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/song_library.h"

namespace lyrova {

struct IndexEntry {
  LibraryFile file;
  bool song = false;
  KaraokeFields fields;
  std::string words;
  SongKind kind = SongKind::Midi;
  RecordedParts parts;
  std::string reason;
};

// Only the entries of songs are written; a file that could not be read has
// no entry, so that the next scan tries it again.
std::string WriteLibraryIndex(const std::string& folder, const std::vector<IndexEntry>& entries);
// Nothing when the bytes are not an index of this folder.
std::optional<std::vector<IndexEntry>> ReadLibraryIndex(const std::string& folder, std::string_view bytes);

}  // namespace lyrova
