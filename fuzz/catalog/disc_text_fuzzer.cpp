// Disc text in both quote modes: the output never grows past the input.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalog/disc_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (lyrova::QuoteMode mode : {lyrova::QuoteMode::Keep, lyrova::QuoteMode::Drop}) {
    if (lyrova::ConvertDiscText(text, mode).size() > size) std::abort();
  }
  return 0;
}
