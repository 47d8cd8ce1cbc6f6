// The disc's songs and the library's together: rows, every search mode,
// code lookup, reading a song to play, and playlists with library rows.

#include "session/song_collection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "session/playlist_file.h"
#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "catalog/songs_catalog.h"
#include "tests/app/test_catalog.h"
#include "tests/catalog/smf_maker.h"
#include "tests/session/words_song.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;
using Codes = std::vector<std::string>;

using test::WordsSong;

class SongCollectionTest : public ::testing::Test {
 protected:
  SongCollectionTest()
      : disc_({{1, "Калинка", "Народные", "Народная", "Хор"}, {25, "Ночь", "Пушкин", "Глинка", "Соло"}}) {
    catalog_.LoadRecords(disc_.Resources());
    folder_ = dir_.File("songs");
    fs::create_directories(folder_);
    Put("Caf\xC3\xA9.kar", WordsSong("Caf\xC3\xA9 au lait", "Ca f\xC3\xA9"));
    Put("Хор - Калинка.mid", WordsSong("", "Ка лин ка"));
    Put("silent.mid", testing::MakeSmf(384, {testing::SmfTrack().NoteOn(0, 60).NoteOff(96, 60)}));
    Put("broken.kar", {'n', 'o'});
    Rescan();
  }
  void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    testing::WriteFile(folder_ + "/" + name, std::string(bytes.begin(), bytes.end()));
  }
  void Rescan() { songs_.SetLibrary(ScanLibrary(folder_, "")); }
  Codes FoundCodes() const {
    Codes codes;
    for (const TSongEntry& song : songs_.FoundEntries()) codes.push_back(song.texts[0]);
    return codes;
  }

  testing::TempDir dir_;
  test::TTestCatalog disc_;
  TSongsCatalog catalog_;
  TSongCollection songs_{catalog_};
  std::string folder_;
};

TEST_F(SongCollectionTest, LibrarySongsFollowTheDiscsWithTheirCodesInUtf8) {
  const std::vector<TSongEntry> rows = songs_.Entries();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (TSongEntry{1, {"0001", "Калинка", "Хор", "Народная", "Народные"}, ""}));
  EXPECT_EQ(rows[2],
            (TSongEntry{10001, {"10001", "Caf\xC3\xA9 au lait", kNoDataUtf8, kNoDataUtf8, kNoDataUtf8}, "Caf\xC3\xA9.kar"}));
  // Paths compare as bytes: "silent.mid" before "Хор - Калинка.mid".
  EXPECT_EQ(rows[3].texts, (SongRowTexts{"10002", "silent", kNoDataUtf8, kNoDataUtf8, kNoDataUtf8}));
  EXPECT_EQ(rows[4].texts, (SongRowTexts{"10003", "Калинка", "Хор", kNoDataUtf8, kNoDataUtf8}));
  EXPECT_EQ(songs_.EntryOf(10003), rows[4]);
  EXPECT_EQ(songs_.EntryOf(25), rows[1]);
  EXPECT_FALSE(songs_.EntryOf(10004));
  EXPECT_EQ(songs_.Library().broken.size(), 1u);
}

struct SearchCase {
  int item;
  const char* query;
  Codes found;
};

class SongCollectionSearch : public SongCollectionTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SongCollectionSearch, EveryModeSearchesBothSources) {
  const SearchCase& c = GetParam();
  EXPECT_TRUE(songs_.Search(c.item, c.query));
  EXPECT_EQ(FoundCodes(), c.found) << c.item << " " << c.query;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SongCollectionSearch,
    ::testing::Values(SearchCase{0, "10003", {"10003"}}, SearchCase{0, "0025", {"0025"}},
                      SearchCase{0, "2000", {}},
                      SearchCase{1, "калинка", {"0001", "10003"}},     // case folded in both
                      SearchCase{1, "CAF\xC3\x89", {"10001"}},        // "CAFÉ": beyond the code page
                      SearchCase{2, "хор", {"0001", "10003"}},
                      SearchCase{3, "глинка", {"0025"}},
                      SearchCase{4, "Нар", {"0001"}},
                      SearchCase{4, "нет данных", {"10001", "10002", "10003"}}));

TEST_F(SongCollectionTest, WordsSearchReadsTheLibrarySongsWords) {
  TSongsCatalog noDisc;
  TSongCollection songs(noDisc);
  songs.SetLibrary(ScanLibrary(folder_, ""));
  ASSERT_TRUE(songs.Search(5, "ЛИН"));
  ASSERT_EQ(songs.FoundEntries().size(), 1u);
  EXPECT_EQ(songs.FoundEntries()[0].code, 10003u);
  // A code that is not a number changes no flag, in either source.
  EXPECT_THROW(songs.Search(0, "10x"), Error);
  EXPECT_EQ(songs.FoundEntries().size(), 1u);
}

TEST_F(SongCollectionTest, ALibrarySongPlaysFromItsFileWithWordsAndTiming) {
  ASSERT_TRUE(songs_.Search(2, "хор"));
  const std::optional<TSongData> song = songs_.LoadSong(10003);
  ASSERT_TRUE(song);
  const std::vector<std::uint8_t> file = WordsSong("", "Ка лин ка");
  EXPECT_EQ(song->midi, file);
  EXPECT_EQ(song->lines, std::vector<std::string>{"Ка лин ка"});
  // The introduction and one pair for each of the seven letters.
  EXPECT_EQ(song->timing.size(), 8u);
  // Playing leaves the last search's songs as they were.
  EXPECT_EQ(FoundCodes(), (Codes{"0001", "10003"}));

  const std::optional<TSongData> silent = songs_.LoadSong(10002);
  ASSERT_TRUE(silent);
  EXPECT_TRUE(silent->lines.empty());
  EXPECT_TRUE(silent->timing.empty());
  EXPECT_FALSE(songs_.LoadSong(10004));
  EXPECT_FALSE(songs_.LoadSong(2));

  fs::remove(folder_ + "/silent.mid");
  try {
    songs_.LoadSong(10002);
    ADD_FAILURE() << "a vanished file played";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("silent.mid"), std::string::npos) << e.what();
  }
}

TEST_F(SongCollectionTest, APlaylistFindsLibraryRowsByTheirFilesWhenCodesMove) {
  const std::string list = dir_.File("list.lpl");
  const std::vector<TSongEntry> rows = songs_.Entries();
  SavePlaylistFile(list, {rows[0], rows[4], rows[2]});
  const std::string stored = testing::ReadFile(list);
  EXPECT_NE(stored.find(Utf8ToCp1251("[Files]\r\n1=Хор - Калинка.mid\r\n")), std::string::npos) << stored;
  // "é" is beyond CP1251: the path is kept as its own bytes.
  EXPECT_NE(stored.find("2=\xEF\xBB\xBF" "Caf\xC3\xA9.kar"), std::string::npos) << stored;

  // A new file sorts first: every library code moves up by one.
  Put("Aaa.kar", WordsSong("Aaa", "a"));
  Rescan();
  std::vector<TSongEntry> loaded;
  ASSERT_EQ(LoadPlaylistFile(list, songs_, loaded), PlaylistLoad::kLoaded);
  ASSERT_EQ(loaded.size(), 3u);
  EXPECT_EQ(loaded[0].code, 1u);
  EXPECT_EQ(loaded[1],
            (TSongEntry{10004, {"10004", "Калинка", "Хор", kNoDataUtf8, kNoDataUtf8}, "Хор - Калинка.mid"}));
  EXPECT_EQ(loaded[2].code, 10002u);

  // Its file gone, a row is left out: the rows after it load, and the
  // message names the file.
  fs::remove(folder_ + "/Хор - Калинка.mid");
  Rescan();
  try {
    LoadPlaylistFile(list, songs_, loaded);
    ADD_FAILURE() << "a missing file is reported";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("has no file \"Хор - Калинка.mid\""), std::string::npos)
        << e.what();
  }
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[0].code, 1u);
  EXPECT_EQ(loaded[1].code, 10002u);
}

TEST_F(SongCollectionTest, APlaylistOfDiscSongsAloneHasNoFilesSection) {
  const std::string list = dir_.File("disc.lpl");
  SavePlaylistFile(list, {songs_.Entries()[1]});
  EXPECT_EQ(testing::ReadFile(list), Utf8ToCp1251("[Header]\r\nType=Lyrova playlist\r\nVer=1\r\nItems=1\r\n"
                                                  "[Content]\r\n0=0025,Ночь,Соло,Глинка,Пушкин\r\n"));
}

}  // namespace
}  // namespace lyrova
