#include <gtest/gtest.h>

#include <vector>

#include "catalog/song_codes.h"

namespace lyrova {
namespace {

TEST(SongCodes, EntriesGetTheCodesAndEncodingOfTheDisc) {
  struct Range {
    std::uint32_t first, last;
    bool encoded;
  };
  const Range ranges[] = {{1, 1406, true},    {3001, 3396, true}, {4001, 4110, true}, {5001, 5024, true},
                          {5501, 5564, true}, {6501, 6843, false}, {7001, 7002, true}};
  std::vector<std::uint32_t> expectedCodes;
  std::vector<bool> expectedEncoded;
  for (const Range& r : ranges) {
    for (std::uint32_t c = r.first; c <= r.last; ++c) {
      expectedCodes.push_back(c);
      expectedEncoded.push_back(r.encoded);
    }
  }
  ASSERT_EQ(expectedCodes.size(), 2345u);

  std::vector<std::uint32_t> codes;
  std::vector<bool> encodedStates;
  bool encoded = true;
  for (std::uint32_t code = kFirstSongCode;; ++code) {
    ApplyCodeJump(code, encoded);
    codes.push_back(code);
    encodedStates.push_back(encoded);
    if (code + 1 > kLastSongCode) break;
  }
  EXPECT_EQ(codes, expectedCodes);
  EXPECT_EQ(encodedStates, expectedEncoded);
  EXPECT_EQ(codes[1406], 3001u);  // the 1,407th entry
}

}  // namespace
}  // namespace lyrova
