// The catalogue tool on a song library and on a disc the built-in catalogue
// does not describe, run as a separate program.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/catalog/disc_maker.h"
#include "tests/catalog/tool_runner.h"
#include "tests/catalog/smf_maker.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::SmfTrack;

using Result = testing::ToolResult;

std::string Text(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

class LibraryToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_CACHE_HOME", dir_.File("cache").c_str(), 1);
    library_ = dir_.File("songs");
    fs::create_directories(library_ + "/sub");
    SmfTrack words;
    words.Text(0, "@KMIDI KARAOKE FILE").Text(0, "@TЗимний вечер").Text(0, "@TХор");
    words.Text(0, "\\Бу").Text(384, "ря").Text(384, "/мглою");
    SmfTrack notes;
    notes.NoteOn(0, 60).NoteOff(1536, 60);
    karaoke_ = Text(testing::MakeSmf(384, {words, notes}));
    testing::WriteFile(library_ + "/sub/Song.kar", karaoke_);
    testing::WriteFile(library_ + "/Frère - Café.MID",
                       Text(testing::MakeSmf(768, {SmfTrack().Lyric(0, "Fr\xE8re Jacques,\r").Lyric(96, "dormez-vous?")})));
    testing::WriteFile(library_ + "/broken.kar", "MThd");
  }

  Result Run(const std::vector<std::string>& args) { return testing::RunCatalogTool(dir_, args); }

  testing::TempDir dir_;
  std::string library_;
  std::string karaoke_;
};

const char kCafeRow[] = "10001\tCafé\tFrère\tнет данных\tнет данных\tFrère - Café.MID\n";
const char kSongRow[] = "10002\tЗимний вечер\tХор\tнет данных\tнет данных\tsub/Song.kar\n";

TEST_F(LibraryToolTest, ListNamesBrokenFilesAndGoesOn) {
  const Result r = Run({"list", "--library", library_});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, std::string(kCafeRow) + kSongRow);
  EXPECT_EQ(r.err.find(library_ + "/broken.kar: "), 0u) << r.err;
}

TEST_F(LibraryToolTest, SearchesCoverTheLibrary) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--by", "title", "CAFÉ"}, kCafeRow},
      {{"--by", "singer", "хор"}, kSongRow},
      {{"--by", "lyrics", "ЖАК"}, ""},
      {{"--by", "lyrics", "JACQUES,\nDOR"}, kCafeRow},
      {{"--by", "lyrics", "буря"}, kSongRow},
      {{"--by", "code", "10002"}, kSongRow},
      {{"--by", "music", "нет"}, std::string(kCafeRow) + kSongRow},
  };
  for (const auto& [args, out] : cases) {
    std::vector<std::string> all = {"search", "--library", library_};
    all.insert(all.end(), args.begin(), args.end());
    const Result r = Run(all);
    EXPECT_EQ(r.exitCode, 0) << args.back();
    EXPECT_EQ(r.out, out) << args.back();
  }
}

TEST_F(LibraryToolTest, WordsTimingAndTheFileOfALibrarySong) {
  Result r = Run({"words", "--library", library_, "10002"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "Буря\nмглою");
  r = Run({"timing", "--library", library_, "10002"});
  EXPECT_EQ(r.out, "0 0\n0 384\n384 384\n768 384\n1152 384\n1536 308\n1844 307\n2151 307\n2458 307\n2765 307\n");
  r = Run({"words", "--library", library_, "10001"});
  EXPECT_EQ(r.out, "Frère Jacques,\ndormez-vous?");

  const std::string copy = dir_.File("copy.mid");
  EXPECT_EQ(Run({"midi", "--library", library_, "10002", copy}).exitCode, 0);
  EXPECT_EQ(testing::ReadFile(copy), karaoke_);

  r = Run({"words", "--library", library_, "5"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("song 5 is not in the catalogue\n"), std::string::npos) << r.err;
}

// A disc laid out unlike the demo disc: the built-in catalogue does not describe it.
TEST_F(LibraryToolTest, ADiscOfItsOwnIsReadFromItsOffsetTable) {
  const std::string disc = dir_.File("disc");
  fs::create_directory(disc);
  testing::WriteDisc(disc, testing::MakeDisc({
      {"Tiny\r\r\r\r", Bytes(7000, 0x41), {0x03, 0x01, 0x02}, "\x8F\xA5\xE1\xAD\xEF"},
      {"Second\rA.Author\r\r\r", testing::MidiWithTrackLength(4, 4), {0x7F, 0x01}, "zq"},
  }));
  for (int run = 0; run < 2; ++run) {
    const Result list = Run({"list", "--disc", disc, "--library", library_});
    // Encoded texts: the Latin letters that look Cyrillic read as Cyrillic ones.
    EXPECT_EQ(list.out, "0001\tТinу\tнет данных\tнет данных\tнет данных\n"
                        "0002\tSесоnd\tнет данных\tнет данных\tАuthоr А.\n" + std::string(kCafeRow) + kSongRow)
        << run;
  }
  EXPECT_EQ(Run({"words", "--disc", disc, "1"}).out, "Песня");
  EXPECT_EQ(Run({"timing", "--disc", disc, "0002"}).out, "0 12192\n12192 96\n");
  int cachedDiscs = 0;
  for (const auto& e : fs::directory_iterator(dir_.File("cache/lyrova"))) {
    cachedDiscs += e.path().filename().string().starts_with("disc-") && fs::exists(e.path() / "catdata.txt");
  }
  EXPECT_EQ(cachedDiscs, 1);

  fs::remove(disc + "/rmidi_of.img");
  const Result empty = Run({"list", "--disc", disc});
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "");
  EXPECT_NE(empty.err.find(disc + "/rmidi_of.img"), std::string::npos) << empty.err;
  EXPECT_EQ(Run({"words", "--disc", disc, "1"}).exitCode, 1);
}

}  // namespace
}  // namespace lyrova
