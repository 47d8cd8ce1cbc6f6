#pragma once
// The songs the player offers: the disc's catalogue, then the song library's,
// in one list with one set of found flags. The song views, the searches, the
// playlist files and playing all see the songs through it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/core/song_order.h"
#include "catalog/song_library.h"
#include "catalog/song_source.h"

namespace lyrova {

class TSongsCatalog;

class TSongCollection : public ISongSource {
 public:
  // The catalogue must outlive the collection.
  explicit TSongCollection(TSongsCatalog& disc) : disc_(disc) {}

  TSongsCatalog& Disc() { return disc_; }
  const SongLibrary& Library() const { return library_; }
  // Replaces the library's songs; every one of them counts as found.
  void SetLibrary(SongLibrary library);

  // The rows of every song, the disc's first (UTF-8).
  std::vector<SongRowTexts> Rows() const;
  // The rows of the songs the last search found, in the same order.
  std::vector<SongRowTexts> FoundRows() const;

  // The search of item `item` of the search-mode group over both sources,
  // with a UTF-8 query; as RunSearch, false when no item is chosen, and a
  // code that is not a number throws before any flag changes.
  bool Search(int item, const std::string& query);

  // The row of the last song with the code, marking it found and the others
  // not; nothing when no song has it.
  std::optional<SongRowTexts> FindCode(std::uint32_t code);
  // The library song with the code, or null (no flag changes).
  const LibrarySong* LibrarySongOf(std::uint32_t code) const;
  // The library song whose file is `path`: relative to the library folder,
  // or absolute; null when the library holds no such file.
  const LibrarySong* LibrarySongAt(const std::string& path) const;

  std::optional<TSongData> LoadSong(std::uint32_t code) override;
  // As LoadSong, leaving every found flag as it is (a song saved, not played).
  std::optional<TSongData> SongData(std::uint32_t code);

 private:
  std::optional<TSongData> Read(int discIndex, int libraryIndex);

  TSongsCatalog& disc_;
  SongLibrary library_;
};

// A library song's row: its code, then title, singer, music and words authors.
SongRowTexts LibraryRowOf(const LibrarySong& song);

}  // namespace lyrova
