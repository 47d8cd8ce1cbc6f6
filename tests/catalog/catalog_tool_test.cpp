// The catalogue tool's command-line contract, run as a separate program on a
// small disc made here.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/catalog/disc_maker.h"
#include "tests/catalog/tool_runner.h"

namespace lyrova {
namespace {

using testing::Bytes;

using Result = testing::ToolResult;

class CatalogToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disc_ = dir_.path() + "/disc";
    catalog_ = dir_.path() + "/catalog";
    std::filesystem::create_directory(disc_);
    // Песня / М.Агашиной / Г.Пономаренко / O.Воронец in the disc character set.
    const std::string header1 =
        "\"\x8F\xA5\xE1\xAD\xEF\"\rM.\x80\xA3\xA0\xE8\xA8\xAD\xAE\xA9\r"
        "\x83.\x8F\xAE\xAD\xAE\xAC\xA0\xE0\xA5\xAD\xAA\xAE\rO.\x82\xAE\xE0\xAE\xAD\xA5\xE6\r";
    files_ = testing::MakeDisc({
        {header1, testing::MidiWithTrackLength(0xFFFF0100, 0x20), {0x05, 0x81, 0x02, 0x7F},
         "\x8F\xA5\xE1\xAD\xEF \"\xA2\xAE\"\r\n\xF0\x80\xF0\xF0"},
        {"ICE\r\r\r\r", Bytes(30, 0x42), {0x01, 0x02}, "zq"},
        {"no carriage return", {}, {}, ""},
        {"Lime\r", Bytes(30, 0x43), {0x7F}, "Lime"},
    });
    testing::WriteDisc(disc_, files_);
  }

  Result Run(const std::vector<std::string>& args) { return testing::RunCatalogTool(dir_, args); }

  void Build() { ASSERT_EQ(Run({"build", disc_, catalog_}).exitCode, 0); }

  testing::TempDir dir_;
  testing::DiscFiles files_;
  std::string disc_;
  std::string catalog_;
};

const char kRow1[] = "0001\tПесня\tВоронец О.\tПономаренко Г.\tАгашиной М.\n";
const char kRow2[] = "0002\tИСЕ\tнет данных\tнет данных\tнет данных\n";
// A header of one line leaves the other fields empty; the е is Cyrillic.
const char kRow4[] = "0004\tLim\xD0\xB5\t\t\t\n";

TEST_F(CatalogToolTest, BuildThenListPrintsEveryRecordInUtf8) {
  Build();
  const Result r = Run({"list", "--catalog", catalog_});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, std::string(kRow1) + kRow2 + kRow4);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(std::filesystem::file_size(catalog_ + "/catdata.bin"), 4u + 3 * 20);
}

TEST_F(CatalogToolTest, SearchesPrintTheFoundRows) {
  Build();
  struct Case {
    std::vector<std::string> args;
    std::string out;
  };
  const Case cases[] = {
      {{"--by", "title", "песн"}, kRow1},
      {{"--by", "title", "и"}, kRow2},
      {{"--by", "singer", "ворон"}, kRow1},
      {{"--by", "music", "НЕТ"}, kRow2},
      {{"--by", "title", "LIM"}, kRow4},
      {{"--by", "lyricist", "агаш"}, kRow1},
      {{"--by", "code", "0002"}, kRow2},
      {{"--by", "code", "3"}, ""},
      {{"--by=code", "--", "-1"}, ""},
      {{"--by", "lyrics", "--disc", disc_, "ВО\""}, kRow1},
      {{"--by", "lyrics", "--disc", disc_, "ё"}, std::string(kRow1) + kRow4},  // ё finds е as well
      {{"--by", "lyrics", "--disc", disc_, "ZQ"}, kRow2},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"search", "--catalog", catalog_};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result r = Run(args);
    EXPECT_EQ(r.exitCode, 0) << c.args.back() << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.back();
  }
}

TEST_F(CatalogToolTest, SongBlocksComeOutAsStoredOrDecoded) {
  Build();
  const Result words = Run({"words", "--catalog", catalog_, "--disc", disc_, "1"});
  EXPECT_EQ(words.exitCode, 0) << words.err;
  EXPECT_EQ(words.out, "Песня \"во\"\r\nАЁ");

  const Result timing = Run({"timing", "--catalog", catalog_, "--disc", disc_, "0001"});
  EXPECT_EQ(timing.exitCode, 0) << timing.err;
  EXPECT_EQ(timing.out, "0 480\n480 12480\n12960 12192\n");

  const std::string midiFile = dir_.File("song.mid");
  const Result midi = Run({"midi", "--catalog", catalog_, "--disc", disc_, "1", midiFile});
  EXPECT_EQ(midi.exitCode, 0) << midi.err;
  Bytes expected = testing::MidiWithTrackLength(0x20, 0x20);  // 0xFFFF0100 read as 0x100, clamped
  EXPECT_EQ(testing::ToBytes(testing::ReadFile(midiFile)), expected);
}

TEST_F(CatalogToolTest, FailuresExitWithOne) {
  Build();
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const Case cases[] = {
      {{"search", "--catalog", catalog_, "--by", "code", "25a"}, "'25a' is not a valid integer value\n"},
      {{"words", "--catalog", catalog_, "--disc", disc_, "3"}, "song 3 is not in the catalogue\n"},
      {{"timing", "--catalog", catalog_, "--disc", disc_, "7002"}, "song 7002 is not in the catalogue\n"},
      {{"words", "--catalog", catalog_, "--disc", dir_.path(), "1"}, "rmidi.img not found at the given path\n"},
      {{"midi", "--catalog", catalog_, "--disc", disc_, "1", dir_.path() + "/none/x.mid"},
       "Cannot create file \"" + dir_.path() + "/none/x.mid\". no such file or folder\n"},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.args);
    EXPECT_EQ(r.exitCode, 1) << c.err;
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
  }
  const Result noCatalog = Run({"list", "--catalog", dir_.path() + "/nowhere"});
  EXPECT_EQ(noCatalog.exitCode, 1);
  EXPECT_NE(noCatalog.err.find("catdata.bin"), std::string::npos) << noCatalog.err;
}

TEST_F(CatalogToolTest, ADamagedSongBlockFailsAtOnceAndTheRestOfTheDiscReads) {
  ::setenv("XDG_CACHE_HOME", dir_.File("cache").c_str(), 1);
  testing::DamageBlockLengths(files_, 1);
  testing::WriteDisc(disc_, files_);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"midi", "--disc", disc_, "2", dir_.File("x.mid")}, {"words", "--disc", disc_, "2"},
           {"timing", "--disc", disc_, "2"}}) {
    const Result r = Run(args);
    EXPECT_EQ(r.exitCode, 1) << args[0];
    EXPECT_EQ(r.err, "Read beyond end of file\n") << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.mid")));
  const Result words = Run({"words", "--disc", disc_, "1"});
  EXPECT_EQ(words.exitCode, 0) << words.err;
  // The lengths claim 4 GiB; nothing of that is ever allocated.
  EXPECT_LT(testing::PeakChildMemoryMiB(), 200);
}

TEST_F(CatalogToolTest, BuildWithAMissingFileWritesNothing) {
  std::filesystem::remove(disc_ + "/rmidi_of.img");
  const Result r = Run({"build", disc_, catalog_});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("rmidi_of.img"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(catalog_));
}

TEST_F(CatalogToolTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"play"},
      {"list", "--catalog"},
      {"list", "--colour", "red"},
      {"list", "extra"},
      {"build", disc_},
      {"search", "--by", "year", "1950"},
      {"search", "--by", "title"},
      {"search", "title"},
      {"search", "--by", "lyrics", "x"},
      {"words", "1"},
      {"midi", "--disc", disc_, "1"},
  };
  for (const auto& args : cases) {
    const Result r = Run(args);
    EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "" : args[0]) << " " << args.size();
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace lyrova
