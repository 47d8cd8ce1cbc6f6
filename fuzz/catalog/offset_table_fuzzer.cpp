// Offset tables: entries come out in rising order, each a whole sector.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "catalog/offset_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const lyrova::TrMidi_of table(std::span<const std::uint8_t>(data, size));
  if (static_cast<std::size_t>(table.Count()) > size / 4) std::abort();
  for (int i = 0; i < table.Count(); ++i) {
    if (table.Items(i) % lyrova::kSectorSize != 0) std::abort();
    if (i > 0 && table.Items(i) < table.Items(i - 1)) std::abort();
  }
  return 0;
}
