#pragma once
// The catalogue resources OFSDAT and TXTDAT and the builder's dump files,
// which share their layouts: a little-endian count and 20-byte records, and
// four CP1251 lines (title, words author, music author, singer) per record.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalog/song_header.h"

namespace lyrova {

inline constexpr std::size_t kResourceRecordSize = 20;

// The two catalogue resources in their dump layouts.
struct CatalogResources {
  std::span<const std::uint8_t> ofsdat;  // count + 20-byte records
  std::span<const std::uint8_t> txtdat;  // four CP1251 lines per record
};

struct CatalogDumps {
  std::vector<std::uint8_t> bin;  // catdata.bin
  std::string txt;                // catdata.txt
};

// The records, texts taken as stored. Throws "Read beyond end of file" when
// OFSDAT is shorter than its count says, "List index out of bounds (i)" when
// TXTDAT lacks line i.
std::vector<TSongHeader> ReadResourceRecords(const CatalogResources& resources);

// A line break inside a field would shift every later record's texts, so it
// is written as a space.
CatalogDumps MakeCatalogDumps(std::span<const TSongHeader> records);

}  // namespace lyrova
