#include "tests/catalog/disc_maker.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lyrova::testing {
namespace {

constexpr std::size_t kSector = 2048;

void PutBe(Bytes& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

DiscFiles MakeDisc(const std::vector<DiscSong>& songs) {
  DiscFiles disc;
  for (const DiscSong& song : songs) {
    PutBe(disc.table, static_cast<std::uint32_t>(disc.image.size() / kSector), 4);
    PutBe(disc.image, static_cast<std::uint32_t>(song.header.size()), 2);
    PutBe(disc.image, static_cast<std::uint32_t>(song.midi.size()), 4);
    PutBe(disc.image, static_cast<std::uint32_t>(song.points.size()), 2);
    PutBe(disc.image, static_cast<std::uint32_t>(song.words.size()), 2);
    PutBe(disc.image, 0, 2);
    disc.image.insert(disc.image.end(), song.header.begin(), song.header.end());
    disc.image.insert(disc.image.end(), song.midi.begin(), song.midi.end());
    disc.image.insert(disc.image.end(), song.points.begin(), song.points.end());
    disc.image.insert(disc.image.end(), song.words.begin(), song.words.end());
    disc.image.resize((disc.image.size() + kSector - 1) / kSector * kSector, 0);
  }
  // The three entries after the songs point past them, as the disc's do.
  for (int i = 0; i < 3; ++i) PutBe(disc.table, static_cast<std::uint32_t>(disc.image.size() / kSector), 4);
  return disc;
}

void DamageBlockLengths(DiscFiles& disc, std::size_t song) {
  const std::uint8_t* entry = disc.table.data() + 4 * song;
  const std::size_t offset = (std::size_t{entry[0]} << 24 | entry[1] << 16 | entry[2] << 8 | entry[3]) * kSector;
  for (std::size_t i = 2; i < 10; ++i) disc.image.at(offset + i) = 0xFF;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteDisc(const std::string& folder, const DiscFiles& disc) {
  WriteFile(folder + "/rmidi.img", disc.image);
  WriteFile(folder + "/rmidi_of.img", disc.table);
}

Bytes MidiWithTrackLength(std::uint32_t trackLength, std::size_t trackBytes) {
  Bytes midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 0x60, 'M', 'T', 'r', 'k'};
  PutBe(midi, trackLength, 4);
  midi.resize(midi.size() + trackBytes, 0);
  return midi;
}

}  // namespace lyrova::testing
