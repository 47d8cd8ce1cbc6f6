// Whether the catalogue held describes the open song image.

#include <algorithm>

#include "catalog/byte_order.h"
#include "catalog/catalog_errors.h"
#include "catalog/songs_catalog.h"

namespace lyrova {

bool TSongsCatalog::RecordsMatchImage(int maxChecked) const {
  if (records_.empty() || maxChecked < 1 || !image_.IsOpen()) return false;
  const std::size_t n = records_.size();
  const std::size_t checked = std::min<std::size_t>(n, static_cast<std::size_t>(maxChecked));
  try {
    for (std::size_t k = 0; k < checked; ++k) {
      const TSongHeader& r = records_[checked == 1 ? 0 : k * (n - 1) / (checked - 1)];
      std::uint8_t header[12];
      image_.ReadAt(r.Offset, sizeof header, header);
      if (ReadBe16(header) != r.TextSize || ReadBe32(header + 2) != r.MidiSize ||
          ReadBe16(header + 6) != r.PointsSize || ReadBe16(header + 8) != r.WordsSize) {
        return false;
      }
      std::uint8_t last = 0;
      image_.ReadAt(WordsOffset(r) + r.WordsSize - 1, 1, &last);  // the block ends within the image
    }
  } catch (const Error&) {
    return false;
  }
  return true;
}

}  // namespace lyrova
