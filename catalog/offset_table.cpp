#include "catalog/offset_table.h"

#include "catalog/byte_order.h"
#include "catalog/catalog_errors.h"
#include "catalog/file_path.h"
#include "catalog/song_image.h"

namespace lyrova {

TrMidi_of::TrMidi_of(const std::string& folder) {
  const std::string bytes = SongImage::ReadWholeFile(JoinPath(folder, "rmidi_of.img"));
  Parse({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

TrMidi_of::TrMidi_of(std::span<const std::uint8_t> table) { Parse(table); }

void TrMidi_of::Parse(std::span<const std::uint8_t> table) {
  items_.reserve(table.size() / 4);
  std::uint32_t previous = 0;
  for (std::size_t pos = 0; pos + 4 <= table.size(); pos += 4) {
    const std::uint32_t sector = ReadBe32(table.data() + pos);
    if (sector < previous) break;
    items_.push_back(std::uint64_t{sector} * kSectorSize);
    previous = sector;
  }
}

std::uint64_t TrMidi_of::Items(int i) const {
  if (i < 0 || i >= Count()) throw ListIndexError(i);
  return items_[static_cast<std::size_t>(i)];
}

}  // namespace lyrova
