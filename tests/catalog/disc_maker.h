#pragma once
// Small song discs made in tests: an image and an offset table laid out as on
// the real disc (sector-aligned song blocks, big-endian numbers).

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace lyrova::testing {

using Bytes = std::vector<std::uint8_t>;

struct DiscSong {
  std::string header;  // header text as stored
  Bytes midi;
  Bytes points;
  std::string words;   // as stored
};

struct DiscFiles {
  Bytes image;  // rmidi.img
  Bytes table;  // rmidi_of.img: one entry per song, then three trailing entries
};

DiscFiles MakeDisc(const std::vector<DiscSong>& songs);
// The block of song `song` as a damaged disc may hold it: its header claims
// the largest MIDI, points and words blocks a header can name, while its
// title stays readable, so that the catalogue builder still lists it.
void DamageBlockLengths(DiscFiles& disc, std::size_t song);
void WriteDisc(const std::string& folder, const DiscFiles& disc);
void WriteFile(const std::string& path, const Bytes& bytes);
Bytes ToBytes(const std::string& s);
// A Standard MIDI File header chunk and one track chunk announcing `trackLength`.
Bytes MidiWithTrackLength(std::uint32_t trackLength, std::size_t trackBytes);

}  // namespace lyrova::testing
