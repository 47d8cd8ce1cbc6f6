// The key and tempo kept for each song in the file beside the settings.

#include "config/song_memory.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

using testing::TempDir;

TEST(SongMemory, LivesBesideTheSettingsFile) {
  EXPECT_EQ(TSongMemory::PathBeside("/home/me/.config/lyrova.ini"), "/home/me/.config/lyrova-songs.ini");
  EXPECT_EQ(TSongMemory::PathBeside("/opt/v1.57/lyrova.ini"), "/opt/v1.57/lyrova-songs.ini");
  EXPECT_EQ(TSongMemory::PathBeside("settings"), "settings-songs.ini");
}

TEST(SongMemory, EachSongGetsBackItsOwnChoice) {
  TempDir dir;
  const std::string settings = dir.File("lyrova.ini");
  const auto disc = TSongMemory::DiscSongKey;
  const auto file = TSongMemory::FileSongKey;
  TSongMemory memory(settings);
  EXPECT_EQ(memory.Recall(disc(7)).keyPosition, 0);  // never chosen: at rest
  memory.Remember(disc(7), {-2, -4});
  memory.Remember(disc(3001), {3, 12});
  memory.Remember(disc(7), {-3, -4});  // the last choice counts
  // Library songs by their files, which differ in letter case alone.
  memory.Remember(file("Pop/Song.kar"), {1, 2});
  memory.Remember(file("pop/song.kar"), {-1, -2});
  memory.Remember(file("a=b/ Song .kar"), {4, 4});
  const TSongMemory again(settings);
  EXPECT_EQ(again.Recall(disc(7)).keyPosition, -3);
  EXPECT_EQ(again.Recall(disc(7)).tempoPosition, -4);
  EXPECT_EQ(again.Recall(disc(3001)).keyPosition, 3);
  EXPECT_EQ(again.Recall(disc(3001)).tempoPosition, 12);
  EXPECT_EQ(again.Recall(disc(2)).tempoPosition, 0);
  EXPECT_EQ(again.Recall(file("Pop/Song.kar")).keyPosition, 1);
  EXPECT_EQ(again.Recall(file("pop/song.kar")).keyPosition, -1);
  EXPECT_EQ(again.Recall(file("a=b/ Song .kar")).tempoPosition, 4);
  EXPECT_EQ(again.Recall(file("other.kar")).keyPosition, 0);
  EXPECT_EQ(TIniFile(again.FileName()).ReadString("Songs", "0007", ""), "-3 -4");
}

TEST(SongMemory, ABrokenLineIsAtRest) {
  TempDir dir;
  TSongMemory memory(dir.File("lyrova.ini"));
  for (const char* broken : {"", "2", "x 3", "2 3 4", "2,3"}) {
    TIniFile(memory.FileName()).WriteString("Songs", "0005", broken);
    const TSongChoice choice = memory.Recall(TSongMemory::DiscSongKey(5));
    EXPECT_EQ(choice.keyPosition, 0) << '"' << broken << '"';
    EXPECT_EQ(choice.tempoPosition, 0) << '"' << broken << '"';
  }
}

}  // namespace
}  // namespace lyrova
