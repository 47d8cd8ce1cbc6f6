// The melody channel found on every song of the demo disc is its lead's.

#include <gtest/gtest.h>

#include "catalog/midi_repair.h"
#include "catalog/points.h"
#include "catalog/songs_catalog.h"
#include "playback/melody_channel.h"
#include "tools/demo_disc/arrangement.h"

namespace lyrova {
namespace {

TEST(DemoMelodyChannel, EverySongsLeadIsFound) {
  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(LYROVA_DEMO_DISC_DIR));
  ASSERT_GT(catalog.Count(), 0);
  for (int index = 0; index < catalog.Count(); ++index) {
    Bytes midi, points;
    catalog.LoadMidi(index, midi);
    catalog.LoadPoints(index, points);
    const int found = FindMelodyChannel(*MakeSegment(std::move(midi)), DecodeTiming(points));
    EXPECT_EQ(found, demo::kLeadChannel) << "song " << catalog.Record(index).Code;
    std::printf("song %.4u: melody channel %d\n", catalog.Record(index).Code, found);
  }
}

}  // namespace
}  // namespace lyrova
