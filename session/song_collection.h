#pragma once
// The songs the player offers: the disc's catalogue, then the song library's,
// in one list with one set of found flags. The song views, the searches, the
// playlist files and playing all see the songs through it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/song_library.h"
#include "catalog/song_source.h"
#include "session/song_entry.h"

namespace lyrova {

class TSongsCatalog;

// A song found by its code: a disc record or a library song.
struct TSongRef {
  int discIndex = -1;
  const LibrarySong* library = nullptr;  // valid until the library changes
};

class TSongCollection : public ISongSource {
 public:
  // The catalogue must outlive the collection.
  explicit TSongCollection(TSongsCatalog& disc) : disc_(disc) {}

  TSongsCatalog& Disc() { return disc_; }
  const SongLibrary& Library() const { return library_; }
  // Replaces the library's songs; every one of them counts as found.
  void SetLibrary(SongLibrary library);

  // Every song, the disc's first.
  std::vector<TSongEntry> Entries() const;
  // The songs the last search found, in the same order; `count` of them
  // from the `first` on.
  std::vector<TSongEntry> FoundEntries(std::size_t first = 0, std::size_t count = SIZE_MAX) const;
  std::size_t FoundCount() const;

  // The search of item `item` of the search-mode group over both sources,
  // with a UTF-8 query; as RunSearch, false when no item is chosen, and a
  // code that is not a number throws before any flag changes.
  bool Search(int item, const std::string& query);

  // The last song with the code (the library's come after the disc's);
  // nothing when no song has it. No found flag changes.
  std::optional<TSongRef> Find(std::uint32_t code) const;
  std::optional<TSongEntry> EntryOf(std::uint32_t code) const;
  TSongEntry EntryOf(const TSongRef& song) const;
  // The library song whose file is `path`: relative to the library folder,
  // or absolute; null when the library holds no such file.
  const LibrarySong* LibrarySongAt(const std::string& path) const;

  // What playing the song needs, read from the image or its file. Throws
  // lyrova::Error naming the file when it cannot be read.
  TSongData Load(const TSongRef& song) const;
  std::optional<TSongData> LoadSong(std::uint32_t code) override;

 private:
  TSongsCatalog& disc_;
  SongLibrary library_;
};

// A library song as the lists hold it.
TSongEntry LibraryEntryOf(const LibrarySong& song);

}  // namespace lyrova
