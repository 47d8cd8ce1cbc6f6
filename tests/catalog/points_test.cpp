#include <gtest/gtest.h>

#include <vector>

#include "catalog/points.h"

namespace lyrova {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Points, DecodesOneAndTwoByteValues) {
  EXPECT_EQ(DecodePointValues(Bytes{0x05, 0x81, 0x02, 0x7F}), (std::vector<std::uint16_t>{5, 130, 127}));
  // The second byte counts whole, top bit included.
  EXPECT_EQ(DecodePointValues(Bytes{0x80, 0xFF, 0xFF, 0xFF, 0x00}),
            (std::vector<std::uint16_t>{255, 16511, 0}));
  EXPECT_TRUE(DecodePointValues(Bytes{}).empty());
}

TEST(Points, PairsAccumulateStartsFromZero) {
  EXPECT_EQ(DecodeTiming(Bytes{0x05, 0x81, 0x02, 0x7F}),
            (std::vector<TimingPair>{{0, 480}, {480, 12480}, {12960, 12192}}));
}

TEST(Points, LeadByteWithoutItsSecondByteIsLeftOut) {
  EXPECT_EQ(DecodePointValues(Bytes{0x05, 0x81}), (std::vector<std::uint16_t>{5}));
  EXPECT_TRUE(DecodeTiming(Bytes{0x90}).empty());
}

TEST(Points, StartsWrapAsThirtyTwoBitNumbersInsteadOfOverflowing) {
  // 1,356 values of 16,511 units: the starts pass 2^31.
  Bytes packed;
  for (int i = 0; i < 1356; ++i) packed.insert(packed.end(), {0xFF, 0xFF});
  const std::vector<TimingPair> pairs = DecodeTiming(packed);
  ASSERT_EQ(pairs.size(), 1356u);
  const std::uint32_t lastStart = 1355u * 16511u * 96u;
  EXPECT_EQ(pairs.back().start, static_cast<std::int32_t>(lastStart));
  EXPECT_LT(pairs.back().start, 0);
}

}  // namespace
}  // namespace lyrova
