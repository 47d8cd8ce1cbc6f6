// The library scan over folders made here: which files are songs, their
// order and codes, links, broken files and the index.

#include "catalog/song_library.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "catalog/library_search.h"
#include "tests/catalog/smf_maker.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;

std::string SongFile(const std::string& title, const std::string& words) {
  const std::vector<std::uint8_t> b =
      testing::MakeSmf(384, {testing::SmfTrack().Text(0, "@T" + title).Lyric(0, words)});
  return std::string(b.begin(), b.end());
}

std::vector<std::string> Paths(const SongLibrary& l) {
  std::vector<std::string> out;
  for (const LibrarySong& s : l.songs) out.push_back(std::to_string(s.code) + " " + s.file.path);
  return out;
}

class SongLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = dir_.File("songs");
    fs::create_directories(root_ + "/a/deep");
    Put("Zeta.kar", SongFile("Zeta", "z"));
    Put("a/b.mid", SongFile("B", "b"));
    Put("a/deep/Y.MIDI", SongFile("Y", "y"));
    Put("broken.kar", "not a midi file");
    Put("c.Midi", SongFile("C", "c"));
    Put("notes.txt", SongFile("txt", "t"));
    Put("a.kar.bak", SongFile("bak", "t"));
    fs::create_symlink(root_ + "/Zeta.kar", root_ + "/link.kar");
    fs::create_directory_symlink(root_, root_ + "/a/loop");
    cache_ = dir_.File("cache/library.idx");
  }
  void Put(const std::string& path, const std::string& bytes) { testing::WriteFile(root_ + "/" + path, bytes); }

  testing::TempDir dir_;
  std::string root_;
  std::string cache_;
};

TEST_F(SongLibraryTest, SongsAreOrderedByPathAndNumberedFrom10001) {
  const SongLibrary l = ScanLibrary(root_, "");
  EXPECT_EQ(Paths(l), (std::vector<std::string>{"10001 Zeta.kar", "10002 a/b.mid", "10003 a/deep/Y.MIDI",
                                                 "10004 c.Midi"}));
  ASSERT_EQ(l.broken.size(), 1u);
  EXPECT_EQ(l.broken[0].path, "broken.kar");
  EXPECT_FALSE(l.broken[0].reason.empty());
  EXPECT_EQ(l.songs[1].fields.title, "B");
  EXPECT_EQ(l.songs[1].words, "b");
}

TEST_F(SongLibraryTest, TheIndexIsUsedForUnchangedFilesAndNoticesChangedOnes) {
  const SongLibrary first = ScanLibrary(root_, cache_);
  ASSERT_TRUE(fs::exists(cache_));
  EXPECT_EQ(ScanLibrary(root_, cache_).songs[0].fields.title, "Zeta");

  // Same size and time: the index is believed, the file not read again.
  const std::string path = root_ + "/Zeta.kar";
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  Put("Zeta.kar", SongFile("Zetb", "z"));
  const timespec times[2] = {st.st_atim, st.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_EQ(ScanLibrary(root_, cache_).songs[0].fields.title, "Zeta");

  Put("Zeta.kar", SongFile("Zeta, new", "z"));
  fs::remove(root_ + "/c.Midi");
  Put("broken.kar", SongFile("Mended", "m"));
  const SongLibrary changed = ScanLibrary(root_, cache_);
  EXPECT_EQ(changed.songs[0].fields.title, "Zeta, new");
  EXPECT_EQ(Paths(changed), (std::vector<std::string>{"10001 Zeta.kar", "10002 a/b.mid", "10003 a/deep/Y.MIDI",
                                                      "10004 broken.kar"}));
  EXPECT_TRUE(changed.broken.empty());

  testing::WriteFile(cache_, "lyrova library index 2\ndamaged");
  EXPECT_EQ(Paths(ScanLibrary(root_, cache_)), Paths(changed));
}

TEST_F(SongLibraryTest, AFileThatFailedIsReadAgainByTheNextScan) {
  // Each is mended with its size and time unchanged.
  const std::string song = SongFile("Late", "l");
  const std::string path = root_ + "/late.kar";
  const struct {
    const char* how;
    std::function<void()> spoil, mend;
  } cases[] = {
      {"a file whose first bytes came late", [&] { Put("late.kar", "X" + song.substr(1)); },
       [&] { Put("late.kar", song); }},
      {"a file nobody may read", [&] { Put("late.kar", song), ::chmod(path.c_str(), 0); },
       [&] { ::chmod(path.c_str(), 0644); }},
  };
  auto brokenPaths = [](const SongLibrary& l) {
    std::vector<std::string> out;
    for (const BrokenFile& b : l.broken) out.push_back(b.path);
    return out;
  };
  testing::AsUnprivilegedUser([&] {
    for (const auto& c : cases) {
      fs::remove(cache_);
      c.spoil();
      struct stat st {};
      ASSERT_EQ(::stat(path.c_str(), &st), 0);
      EXPECT_EQ(brokenPaths(ScanLibrary(root_, cache_)), (std::vector<std::string>{"broken.kar", "late.kar"}))
          << c.how;

      c.mend();
      const timespec times[2] = {st.st_atim, st.st_mtim};
      ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
      const SongLibrary mended = ScanLibrary(root_, cache_);
      EXPECT_EQ(brokenPaths(mended), (std::vector<std::string>{"broken.kar"})) << c.how;
      ASSERT_EQ(mended.songs.size(), 5u) << c.how;
      EXPECT_EQ(mended.songs[4].fields.title, "Late") << c.how;
    }
  }, {dir_.path()});
}

TEST_F(SongLibraryTest, UnreadableFoldersAreReportedAndTheRestIsRead) {
  testing::AsUnprivilegedUser([&] {
    fs::permissions(root_ + "/a", fs::perms::none);
    const SongLibrary l = ScanLibrary(root_, "");
    fs::permissions(root_ + "/a", fs::perms::owner_all);
    EXPECT_EQ(Paths(l), (std::vector<std::string>{"10001 Zeta.kar", "10002 c.Midi"}));
    EXPECT_EQ(l.broken.size(), 2u);
  }, {dir_.path()});
}

TEST_F(SongLibraryTest, ListingTellsOfEachFolderSoAReadingCanBeLeftThere) {
  std::vector<std::size_t> listed;
  std::vector<std::size_t> read;
  ScanLibrary(root_, "", [&](std::size_t done, std::size_t total) { (total == 0 ? listed : read).push_back(done); });
  // The folder, "a" and "a/deep" (the link to a folder is not entered); then each song file.
  EXPECT_EQ(listed.size(), 3u);
  EXPECT_EQ(read.back(), 5u);
  struct Left {};
  int calls = 0;
  EXPECT_THROW(ScanLibrary(root_, cache_, [&](std::size_t, std::size_t) {
                 if (++calls == 2) throw Left{};
               }),
               Left);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(fs::exists(cache_));
}

TEST_F(SongLibraryTest, AMissingFolderIsReported) {
  const SongLibrary l = ScanLibrary(dir_.File("none"), "");
  EXPECT_TRUE(l.songs.empty());
  EXPECT_EQ(l.broken.size(), 1u);
}

TEST_F(SongLibraryTest, SearchesSetTheFoundFlags) {
  SongLibrary l = ScanLibrary(root_, "");
  const auto found = [&l] {
    std::string s;
    for (const LibrarySong& song : l.songs) s += song.found ? '1' : '0';
    return s;
  };
  SearchLibraryField(l, &KaraokeFields::title, "e");
  EXPECT_EQ(found(), "1000");
  SearchLibraryWords(l, "Y");
  EXPECT_EQ(found(), "0010");
  SearchLibraryField(l, &KaraokeFields::singer, "");
  EXPECT_EQ(found(), "0000");
  EXPECT_EQ(SearchLibraryCode(l, 10002, true), 1);
  EXPECT_EQ(found(), "0100");
}

}  // namespace
}  // namespace lyrova
