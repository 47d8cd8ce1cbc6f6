#include "session/playlist_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "session/song_collection.h"
#include "catalog/catalog_resources.h"
#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "catalog/songs_catalog.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;
using Rows = std::vector<TSongEntry>;

TSongHeader Song(std::uint32_t code, std::string name, std::string singer) {
  TSongHeader song;
  song.Code = code;
  song.Found = true;
  song.Offset = code * 2048;
  song.Name = Utf8ToCp1251(name);
  song.Singer = Utf8ToCp1251(singer);
  song.MusicAuthor = Utf8ToCp1251("Народная");
  song.LyricAuthor = Utf8ToCp1251("нет данных");
  return song;
}

TSongEntry RowOf(const TSongHeader& s) {
  char caption[16];
  std::snprintf(caption, sizeof caption, "%.4d", static_cast<int>(s.Code));
  return {s.Code,
          {caption, Cp1251ToUtf8(s.Name), Cp1251ToUtf8(s.Singer), Cp1251ToUtf8(s.MusicAuthor),
           Cp1251ToUtf8(s.LyricAuthor)},
          {}};
}

class PlaylistFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    songs_ = {Song(1, "Калинка", "Хор"), Song(12, "Во поле \"берёза\", стояла", "Ансамбль песни"),
              Song(25, "Коробейники", "Хор"), Song(40, "Первая", "А"), Song(40, "Вторая", "Б")};
    dumps_ = MakeCatalogDumps(songs_);
    catalog_.LoadRecords({dumps_.bin, {reinterpret_cast<const std::uint8_t*>(dumps_.txt.data()),
                                       dumps_.txt.size()}});
    ASSERT_EQ(catalog_.Count(), 5);
  }

  // A hand-written playlist file with `content` after the header.
  void WritePlaylist(const std::string& header, const std::string& content) {
    WriteFile(path_, "[Header]\r\n" + header + "[Content]\r\n" + content);
  }
  static std::string TypeVer() { return "Type=Lyrova playlist\r\nVer=1\r\n"; }

  std::vector<TSongHeader> songs_;
  CatalogDumps dumps_;
  TSongsCatalog catalog_;
  TSongCollection all_{catalog_};
  TempDir dir_;
  std::string path_ = dir_.File("list.lpl");
  Rows before_ = {{9999, {"9999", "old", "", "", ""}, {}}};
};

TEST_F(PlaylistFileTest, SavedPlaylistHasTheFixedLayout) {
  WriteFile(path_, "[Other]\r\nkey=an earlier content that must go\r\n");
  SavePlaylistFile(path_, {RowOf(songs_[1]), RowOf(songs_[0])});
  EXPECT_EQ(ReadFile(path_), Utf8ToCp1251("[Header]\r\nType=Lyrova playlist\r\nVer=1\r\nItems=2\r\n[Content]\r\n"
                                          "0=0012,\"Во поле \"\"берёза\"\", стояла\",\"Ансамбль песни\","
                                          "Народная,\"нет данных\"\r\n"
                                          "1=0001,Калинка,Хор,Народная,\"нет данных\"\r\n"));
}

TEST_F(PlaylistFileTest, RoundTripKeepsRowsAndOrder) {
  const Rows saved = {RowOf(songs_[2]), RowOf(songs_[1]), RowOf(songs_[0]), RowOf(songs_[2])};
  SavePlaylistFile(path_, saved);
  Rows loaded = before_;
  EXPECT_EQ(LoadPlaylistFile(path_, all_, loaded), PlaylistLoad::kLoaded);
  EXPECT_EQ(loaded, saved);
}

TEST_F(PlaylistFileTest, RowsComeFromTheCatalogueNotFromTheFile) {
  // Key order inside Content does not matter; texts in the file are not read.
  WritePlaylist(TypeVer() + "Items=3\r\n", "2=1,x,x,x,x\r\n0=12,a,b,c,d\r\n1=0025,\"\",\"\",\"\",\"\"\r\n");
  Rows rows;
  ASSERT_EQ(LoadPlaylistFile(path_, all_, rows), PlaylistLoad::kLoaded);
  EXPECT_EQ(rows, (Rows{RowOf(songs_[1]), RowOf(songs_[2]), RowOf(songs_[0])}));
}

TEST_F(PlaylistFileTest, FilesThatAreNotPlaylistsChangeNothing) {
  const std::string content = "[Content]\r\n0=1,a,b,c,d\r\n";
  const std::string cases[] = {
      content,
      "[Header]\r\nType=lyrova playlist\r\nVer=1\r\nItems=1\r\n" + content,
      "[Header]\r\nType=Lyrova playlist \x01\r\nVer=1\r\nItems=1\r\n" + content,
      "[Header]\r\nVer=1\r\nItems=1\r\n" + content,
      "[Header]\r\nType=Lyrova playlist\r\nItems=1\r\n" + content,
      "[Header]\r\nType=Lyrova playlist\r\nVer=2\r\nItems=1\r\n" + content,
      "[Header]\r\nType=Lyrova playlist\r\nVer=one\r\nItems=1\r\n" + content,
      "[Header]\r\nType=Lyrova playlist\r\nVer=1\r\nItems=1\r\n",
      "[Header]\r\nType=Lyrova playlist\r\nVer=1\r\nItems=1\r\n[Content]\r\n; no keys\r\n",
      "[Header]\r\n[Content]\r\n0=1,a,b,c,d\r\n",
      std::string("\0\xFF\xFE binary", 10),
  };
  for (const auto& text : cases) {
    WriteFile(path_, text);
    Rows rows = before_;
    EXPECT_EQ(LoadPlaylistFile(path_, all_, rows), PlaylistLoad::kNotAPlaylist) << text;
    EXPECT_EQ(rows, before_);
  }
  Rows rows = before_;
  EXPECT_EQ(LoadPlaylistFile(dir_.File("missing.lpl"), all_, rows), PlaylistLoad::kNotAPlaylist);
  EXPECT_EQ(rows, before_);
}

TEST_F(PlaylistFileTest, ItemsDecidesWhichKeysAreRead) {
  const std::string keys = "0=1,a,b,c,d\r\n1=12,a,b,c,d\r\n2=25,a,b,c,d\r\n";
  const struct {
    std::string items;
    Rows expected;
  } cases[] = {
      {"Items=3\r\n", {RowOf(songs_[0]), RowOf(songs_[1]), RowOf(songs_[2])}},
      {"Items=2\r\n", {RowOf(songs_[0]), RowOf(songs_[1])}},
      {"Items=5\r\n", {RowOf(songs_[0]), RowOf(songs_[1]), RowOf(songs_[2])}},
      {"Items=0\r\n", {}},
      {"Items=-4\r\n", {}},
      {"Items=abc\r\n", {}},
      {"", {}},
      {"Items=$2\r\n", {RowOf(songs_[0]), RowOf(songs_[1])}},
  };
  for (const auto& c : cases) {
    WritePlaylist(TypeVer() + c.items, keys);
    Rows rows = before_;
    EXPECT_EQ(LoadPlaylistFile(path_, all_, rows), PlaylistLoad::kLoaded) << c.items;
    EXPECT_EQ(rows, c.expected) << c.items;
  }
}

TEST_F(PlaylistFileTest, EntriesWithoutFiveFieldsAreSkipped) {
  WritePlaylist(TypeVer() + "Items=7\r\n",
                "0=12,a b,c,d,e\r\n1=\r\n2=25\r\n3=25,a,b,c\r\n5=12,a,b,c,d\r\n6=1,\"a b\",\"\",,\r\n");
  Rows rows;
  EXPECT_EQ(LoadPlaylistFile(path_, all_, rows), PlaylistLoad::kLoaded);
  EXPECT_EQ(rows, (Rows{RowOf(songs_[1]), RowOf(songs_[0])}));
}

TEST_F(PlaylistFileTest, BadCodeEndsTheLoadKeepingEarlierRows) {
  const std::string cases[] = {"7,a,b,c,d", "x12,a,b,c,d", "$C,a,b,c,d", "-1,a,b,c,d", "4294967297,a,b,c,d"};
  for (const auto& bad : cases) {
    WritePlaylist(TypeVer() + "Items=4\r\n", "0=25,a,b,c,d\r\n1=1,a,b,c,d\r\n2=" + bad + "\r\n3=12,a,b,c,d\r\n");
    Rows rows = before_;
    try {
      LoadPlaylistFile(path_, all_, rows);
      ADD_FAILURE() << bad << " should end the load";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(path_), std::string::npos) << e.what();
    }
    EXPECT_EQ(rows, (Rows{RowOf(songs_[2]), RowOf(songs_[0])})) << bad;
  }
}

TEST_F(PlaylistFileTest, CodeTwiceInTheCatalogueLoadsTheLaterSong) {
  WritePlaylist(TypeVer() + "Items=1\r\n", "0=0040,a,b,c,d\r\n");
  Rows rows;
  LoadPlaylistFile(path_, all_, rows);
  EXPECT_EQ(rows, (Rows{RowOf(songs_[4])}));
}

TEST_F(PlaylistFileTest, HugeItemsCountEndsWithTheLastKey) {
  WritePlaylist(TypeVer() + "Items=2147483647\r\n", "0=1,a,b,c,d\r\n1=12,a,b,c,d\r\n01=25,a,b,c,d\r\n");
  Rows rows;
  const auto start = std::chrono::steady_clock::now();
  LoadPlaylistFile(path_, all_, rows);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(rows, (Rows{RowOf(songs_[0]), RowOf(songs_[1])}));
}

TEST_F(PlaylistFileTest, LineBreakInACatalogueTextCannotBreakTheFile) {
  TSongEntry row = RowOf(songs_[0]);
  row.texts[1] = "two\nlines";
  SavePlaylistFile(path_, {row, RowOf(songs_[2])});
  Rows rows;
  EXPECT_EQ(LoadPlaylistFile(path_, all_, rows), PlaylistLoad::kLoaded);
  EXPECT_EQ(rows, (Rows{RowOf(songs_[0]), RowOf(songs_[2])}));
}

TEST_F(PlaylistFileTest, UnwritableOrUnreadableFilesAreReported) {
  WriteFile(dir_.File("plain"), "");
  EXPECT_THROW(SavePlaylistFile(dir_.File("plain") + "/list.lpl", {RowOf(songs_[0])}), Error);
  std::filesystem::create_directory(dir_.File("folder.lpl"));
  Rows rows = before_;
  EXPECT_THROW(LoadPlaylistFile(dir_.File("folder.lpl"), all_, rows), Error);
  EXPECT_EQ(rows, before_);
}

}  // namespace
}  // namespace lyrova
