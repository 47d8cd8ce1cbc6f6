#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/errors.h"
#include "catalog/offset_table.h"
#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

using testing::Bytes;

Bytes Entries(const std::vector<std::uint32_t>& sectors) {
  Bytes out;
  for (std::uint32_t s : sectors) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(s >> shift));
  }
  return out;
}

std::vector<std::uint64_t> Offsets(const TrMidi_of& table) {
  std::vector<std::uint64_t> out;
  for (int i = 0; i < table.Count(); ++i) out.push_back(table.Items(i));
  return out;
}

TEST(OffsetTable, StopsAtTheFirstEntryThatGoesBackwards) {
  const TrMidi_of table(Entries({0, 18, 27, 27, 10, 50}));
  EXPECT_EQ(Offsets(table), (std::vector<std::uint64_t>{0, 36864, 55296, 55296}));
}

TEST(OffsetTable, ReadsBigEndianSectorsAndIgnoresAPartialEntry) {
  Bytes bytes = Entries({0x00010203, 0xFFFFFFFF});
  bytes.push_back(0x01);
  const TrMidi_of table(bytes);
  // Sector numbers of 2^21 and above keep their full byte offset.
  EXPECT_EQ(Offsets(table), (std::vector<std::uint64_t>{0x00010203ull * 2048, 0xFFFFFFFFull * 2048}));
  EXPECT_EQ(TrMidi_of(Bytes{0, 0, 1}).Count(), 0);
}

TEST(OffsetTable, IndexOutsideTheTableIsAListError) {
  const TrMidi_of table(Entries({1, 2}));
  for (int bad : {-1, 2}) {
    try {
      table.Items(bad);
      FAIL() << bad;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
}

TEST(OffsetTable, ReadsTheFileOfTheFolder) {
  testing::TempDir dir;
  try {
    TrMidi_of missing(dir.path());
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "I/O error 2");
  }
  testing::WriteFile(dir.File("rmidi_of.img"), Entries({0, 3, 5}));
  EXPECT_EQ(Offsets(TrMidi_of(dir.path() + "/")), (std::vector<std::uint64_t>{0, 6144, 10240}));
}

}  // namespace
}  // namespace lyrova
