#include "tools/demo_disc/disc_codes.h"

namespace lyrova::demo {

std::vector<std::uint32_t> DiscCodes() {
  struct Range {
    std::uint32_t first, last;
  };
  static constexpr Range kRanges[] = {{1, 1406},    {3001, 3396}, {4001, 4110}, {5001, 5024},
                                      {5501, 5564}, {6501, 6843}, {7001, 7002}};
  std::vector<std::uint32_t> codes;
  codes.reserve(kDiscSongCount);
  for (const Range& r : kRanges) {
    for (std::uint32_t c = r.first; c <= r.last; ++c) codes.push_back(c);
  }
  return codes;
}

bool CodeIsEncoded(std::uint32_t code) { return code < 6501 || code > 6843; }

}  // namespace lyrova::demo
