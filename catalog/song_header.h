#pragma once
// One song of the catalogue: where its blocks lie in the song image and the
// four texts shown in the song lists.

#include <cstdint>
#include <string>

namespace lyrova {

struct TSongHeader {
  std::uint32_t Code = 0;
  bool Encoded = false;  // header text and words are in the disc character set
  bool Found = false;    // matched the last search
  std::uint32_t Offset = 0;  // byte offset of the song block, a multiple of 2048
  std::uint16_t TextSize = 0;
  std::uint32_t MidiSize = 0;
  std::uint16_t PointsSize = 0;
  std::uint16_t WordsSize = 0;
  // CP1251 texts.
  std::string Name;
  std::string LyricAuthor;
  std::string MusicAuthor;
  std::string Singer;

  bool operator==(const TSongHeader&) const = default;
};

// Where the blocks lie: after the 12-byte block header and the header text.
// Sums in 64 bits, so that a damaged record runs past the end of the image
// instead of wrapping round onto another song.
inline std::uint64_t MidiOffset(const TSongHeader& r) {
  return std::uint64_t{r.Offset} + 12 + r.TextSize;
}
inline std::uint64_t PointsOffset(const TSongHeader& r) { return MidiOffset(r) + r.MidiSize; }
inline std::uint64_t WordsOffset(const TSongHeader& r) { return PointsOffset(r) + r.PointsSize; }

}  // namespace lyrova
