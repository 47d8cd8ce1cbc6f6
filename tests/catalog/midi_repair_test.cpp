#include <gtest/gtest.h>

#include <vector>

#include "catalog/midi_repair.h"
#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

using testing::Bytes;
using testing::MidiWithTrackLength;

std::uint32_t LengthField(const Bytes& midi) {
  return std::uint32_t{midi[18]} << 24 | std::uint32_t{midi[19]} << 16 | midi[20] << 8 | midi[21];
}

struct RepairCase {
  std::uint32_t stored;
  std::size_t trackBytes;
  std::uint32_t repaired;
};

TEST(RepairFirstTrackLength, MendsTheLengthField) {
  const RepairCase cases[] = {
      {0x00000010, 0x40, 0x10},        // fits: unchanged
      {0x00000040, 0x40, 0x40},        // exactly fits
      {0x00000041, 0x40, 0x40},        // one byte too long: clamped
      {0xFFFF0012, 0x40, 0x12},        // both top bytes 0xFF read as 0
      {0xFFFF1234, 0x2000, 0x1234},
      {0xFF001234, 0x2000, 0x1234},
      {0x00FF1234, 0x2000, 0x1234},
      {0xFE000000, 0x40, 0xFE000000},  // a negative length is left alone
      {0x7F000000, 0x40, 0x40},
  };
  for (const RepairCase& c : cases) {
    Bytes midi = MidiWithTrackLength(c.stored, c.trackBytes);
    const Bytes before = midi;
    RepairFirstTrackLength(midi);
    EXPECT_EQ(LengthField(midi), c.repaired) << std::hex << c.stored;
    ASSERT_EQ(midi.size(), before.size());
    midi[18] = before[18], midi[19] = before[19], midi[20] = before[20], midi[21] = before[21];
    EXPECT_EQ(midi, before) << "only the length field may change";
  }
}

TEST(RepairFirstTrackLength, ShortBlocksAreLeftAsTheyAre) {
  for (std::size_t size : {0u, 1u, 18u, 21u}) {
    Bytes midi(size, 0xFF);
    RepairFirstTrackLength(midi);
    EXPECT_EQ(midi, Bytes(size, 0xFF)) << size;
  }
  Bytes exact(22, 0xFF);  // the field is there, no track data after it
  RepairFirstTrackLength(exact);
  EXPECT_EQ(LengthField(exact), 0u);
}

}  // namespace
}  // namespace lyrova
