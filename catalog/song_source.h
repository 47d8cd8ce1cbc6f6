#pragma once
// Where the player reads a song from by its code: the disc's catalogue, or
// the disc's and the library's songs together. What it hands over is what
// playing needs: the MIDI file, the lines of words and the timing pairs.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/song_kind.h"
#include "catalog/timing_pair.h"

namespace lyrova {

class TSongsCatalog;
struct KaraokeSong;

// A MIDI song: the file, its words and timing. A recorded song: its files.
struct TSongData {
  std::optional<TRecordedFiles> recorded;
  std::vector<std::uint8_t> midi;
  std::vector<std::string> lines;   // UTF-8
  TimingPairs timing;
};

class ISongSource {
 public:
  virtual ~ISongSource() = default;
  // Nothing when no song has the code; throws lyrova::Error when the song
  // cannot be read.
  virtual std::optional<TSongData> LoadSong(std::uint32_t code) = 0;
};

// The disc's song at a catalogue index, read from its image.
TSongData ReadDiscSong(TSongsCatalog& catalog, int index);
// A library song read again from its file; `midi` is the file's bytes.
TSongData LibrarySongData(std::vector<std::uint8_t> midi, const KaraokeSong& song);

// The disc's songs alone.
class TDiscSongSource : public ISongSource {
 public:
  explicit TDiscSongSource(TSongsCatalog& catalog) : catalog_(catalog) {}
  std::optional<TSongData> LoadSong(std::uint32_t code) override;

 private:
  TSongsCatalog& catalog_;
};

}  // namespace lyrova
