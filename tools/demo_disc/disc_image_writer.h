#pragma once
// Writes the two disc files: rmidi.img, sparse (only the song blocks and the
// version mark are written, the rest stays a hole), and its offset table
// rmidi_of.img.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tools/demo_disc/points_block.h"

namespace lyrova::demo {

inline constexpr std::uint64_t kImageSize = 111'945'728;
inline constexpr std::uint32_t kSectorBytes = 2048;
inline constexpr std::uint32_t kImageSectors = 54'661;
// Sectors the song blocks of the real disc fill.
inline constexpr std::uint32_t kSongAreaSectors = 52'696;
// Entries at the end of the offset table that the catalogue builder ignores.
inline constexpr int kTrailingEntries = 3;

class DiscImageWriter {
 public:
  // Creates (or empties) rmidi.img in the folder, creating the folder.
  // Throws lyrova::Error when a file cannot be written.
  explicit DiscImageWriter(const std::filesystem::path& folder);

  // Writes a block at `sector`, which may not lie before the end of the last
  // block written; returns the sector.
  std::uint32_t WriteBlock(std::uint32_t sector, const ByteVector& block);
  // The first sector after the blocks written so far.
  std::uint32_t NextFreeSector() const { return nextFree_; }

  // Offset-table entries, in order; equal neighbours are allowed.
  void AddEntry(std::uint32_t sector);

  // Adds the three ignored entries (all at `trailingSector`), writes the
  // version mark at the end of the image and the offset table.
  void Finish(std::uint32_t trailingSector);

 private:
  void Write(std::uint64_t offset, const void* data, std::size_t size);

  std::filesystem::path folder_;
  std::ofstream image_;
  std::uint32_t nextFree_ = 0;
  std::vector<std::uint32_t> entries_;
};

}  // namespace lyrova::demo
