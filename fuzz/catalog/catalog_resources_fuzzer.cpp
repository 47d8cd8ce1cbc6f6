// Catalogue resources: the first four bytes split the input into a record
// part and a text part. Damaged resources must be errors, not overreads.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "catalog/catalog_resources.h"
#include "catalog/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::uint32_t split = 0;
  std::memcpy(&split, data, 4);
  const std::span<const std::uint8_t> rest(data + 4, size - 4);
  const std::size_t cut = split % (rest.size() + 1);
  const lyrova::CatalogResources resources{rest.first(cut), rest.subspan(cut)};
  try {
    const auto records = lyrova::ReadResourceRecords(resources);
    // What was read writes back to a catalogue that reads the same.
    const lyrova::CatalogDumps dumps = lyrova::MakeCatalogDumps(records);
    const std::span<const std::uint8_t> txt(reinterpret_cast<const std::uint8_t*>(dumps.txt.data()),
                                            dumps.txt.size());
    if (lyrova::ReadResourceRecords({dumps.bin, txt}) != records) std::abort();
  } catch (const lyrova::Error&) {
  }
  return 0;
}
