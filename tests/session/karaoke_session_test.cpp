// The session driven without a window: a search, a playlist played through
// to its end, the controls and the key kept per song, the library changing
// under the lists, and what goes wrong reported rather than played.

#include "session/karaoke_session.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>

#include "catalog/errors.h"
#include "config/settings.h"
#include "session/window_messages.h"
#include "tests/app/test_catalog.h"
#include "tests/session/event_loop.h"
#include "tests/session/recording_player.h"
#include "tests/session/words_song.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

void Drain() { QCoreApplication::processEvents(); }

class KaraokeSessionTest : public ::testing::Test {
 protected:
  KaraokeSessionTest()
      : disc_({{1, "Калинка", "Народные", "Народная", "Хор"}, {25, "Ночь", "Пушкин", "Глинка", "Соло"}}),
        session_({dir_.File("lyrova.ini"), dir_.path() + "/"}) {
    // The library's index goes into this test's folder, not the user's cache.
    ::setenv("XDG_CACHE_HOME", dir_.File("cache").c_str(), 1);
    session_.SongsCatalog().LoadRecords(disc_.Resources());
    folder_ = dir_.File("songs/");
    fs::create_directories(folder_);
    for (const char* name : {"Alpha", "Bravo", "Charlie"}) Put(name);
    ReadLibrary();
    session_.AttachPlayer(&player_);
    QObject::connect(&session_, &TKaraokeSession::failed,
                     [this](const UserText& t) { failures_.push_back(t.English()); });
    QObject::connect(&session_, &TKaraokeSession::songStarting,
                     [this](const TNowPlaying& song) { titles_.push_back(song.title); });
    player_.log.clear();
  }

  void Put(const std::string& title) {
    const auto bytes = test::WordsSong(title, title + " words");
    testing::WriteFile(folder_ + title + ".kar", std::string(bytes.begin(), bytes.end()));
  }
  void ReadLibrary() {
    bool read = false;
    const auto c = QObject::connect(&session_, &TKaraokeSession::libraryRead, [&] { read = true; });
    session_.ReadLibrary(folder_);
    ASSERT_TRUE(test::ProcessEventsUntil([&] { return read; }));
    QObject::disconnect(c);
  }
  std::vector<std::uint32_t> Codes(const TSongTableModel& list) const {
    std::vector<std::uint32_t> codes;
    for (const TSongEntry& e : list.Entries()) codes.push_back(e.code);
    return codes;
  }
  // The natural end of the song now playing.
  void EndSong() {
    player_.playing = false;
    session_.WMSongEnd(player_.serial);
    Drain();
  }

  testing::TempDir dir_;
  test::TTestCatalog disc_;
  TKaraokeSession session_;
  test::TRecordingPlayer player_;
  std::string folder_;
  std::vector<std::string> failures_;
  std::vector<std::string> titles_;
};

TEST_F(KaraokeSessionTest, APlaylistPlaysThroughToItsLastRowOnly) {
  EXPECT_EQ(Codes(session_.Catalog()), (std::vector<std::uint32_t>{1, 25, 10001, 10002, 10003}));
  // Library songs keep their files beside their codes.
  EXPECT_EQ(session_.Catalog().Entry(3).file, "Bravo.kar");

  session_.AddToPlaylist({4, 2, 3});
  std::vector<int> chosen;
  QObject::connect(&session_, &TKaraokeSession::playlistRowChosen, [&](int row) { chosen.push_back(row); });
  session_.PlayPlaylistRow(1);
  // Posted: nothing plays before the current event is over.
  EXPECT_TRUE(player_.log.empty());
  Drain();
  EXPECT_EQ(player_.log, (Log{"stop", "play Alpha words"}));
  const std::optional<TNowPlaying> now = session_.NowPlaying();
  ASSERT_TRUE(now);
  EXPECT_EQ(now->code, 10001u);
  EXPECT_EQ(now->title, "Alpha");

  // The end of an earlier song moves nothing; this song's end goes on.
  session_.WMSongEnd(player_.serial - 1);
  Drain();
  EXPECT_EQ(player_.log.size(), 2u);
  EndSong();
  EXPECT_EQ(player_.log.back(), "play Bravo words");
  EndSong();
  EXPECT_EQ(player_.log.size(), 4u);
  EXPECT_EQ(chosen, (std::vector<int>{1, 2}));
  EXPECT_EQ(titles_, (std::vector<std::string>{"Alpha", "Bravo"}));
  EXPECT_FALSE(session_.NowPlaying());

  // A catalogue song never goes on; the next one after it is the playlist's first.
  session_.PlayCatalogRow(4);
  Drain();
  EndSong();
  EXPECT_EQ(player_.log.back(), "play Charlie words");
  session_.PlayNext();
  Drain();
  EXPECT_EQ(player_.log.back(), "play Charlie words");
  EXPECT_EQ(session_.PlayOrigin().PlayedIndex, 0);
  // A song from the queue has no playlist row after it, and its end is told.
  int ended = 0;
  QObject::connect(&session_, &TKaraokeSession::songEnded, [&] { ++ended; });
  session_.PlaySong(10002);
  Drain();
  EndSong();
  EXPECT_EQ(player_.log.back(), "play Bravo words");
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(failures_.empty());
}

TEST_F(KaraokeSessionTest, ASongStartLeavesTheSearchAndTheListsAlone) {
  ASSERT_TRUE(session_.Search(1, "A"));  // Latin: Alpha, Bravo, Charlie, not "Калинка"
  EXPECT_TRUE(session_.SearchShown());
  const std::vector<std::uint32_t> shown = {10001, 10002, 10003};
  EXPECT_EQ(Codes(session_.Catalog()), shown);
  session_.PlayCatalogRow(2);
  Drain();
  EXPECT_EQ(player_.log.back(), "play Charlie words");
  // One lookup by the code, which marks no song: the search's songs stay found.
  EXPECT_EQ(Codes(session_.Catalog()), shown);
  EXPECT_EQ(session_.Songs().FoundEntries().size(), 3u);

  // The remote's paged search leaves the catalogue list as it is.
  const TSongPage page = session_.FindSongs(1, "r", 1, 1);  // Bravo, Charlie
  EXPECT_EQ(page.total, 2);
  ASSERT_EQ(page.songs.size(), 1u);
  EXPECT_EQ(page.songs[0].code, 10003u);
  EXPECT_EQ(session_.FindSongs(1, "r", 5, 10).songs.size(), 0u);
  EXPECT_EQ(session_.FindSongs(-1, "r", 0, 10).total, 0);
  EXPECT_EQ(Codes(session_.Catalog()), shown);

  session_.ShowAllSongs();
  EXPECT_FALSE(session_.SearchShown());
  EXPECT_EQ(session_.Catalog().Count(), 5);
  // A code that is not a number is refused and the list stays.
  EXPECT_THROW(session_.Search(0, "12a"), Error);
  EXPECT_EQ(session_.Catalog().Count(), 5);
}

TEST_F(KaraokeSessionTest, ControlsPostTheirValuesOncePerChange) {
  struct Step {
    void (TKaraokeSession::*set)(int);
    int position;
    const char* heard;  // empty: nothing changed, nothing posted
  };
  const Step steps[] = {
      {&TKaraokeSession::SetTempoPosition, 40, "tempo -40"},
      {&TKaraokeSession::SetTempoPosition, 40, ""},
      {&TKaraokeSession::SetTempoPosition, -99, "tempo 40"},   // brought into range
      {&TKaraokeSession::SetKeyPosition, 3, "pitch -3"},
      {&TKaraokeSession::SetKeyPosition, 9, "pitch -8"},
      {&TKaraokeSession::SetVolumePosition, 0, "volume 0"},
      {&TKaraokeSession::SetVolumePosition, 101, "volume 100"},
  };
  int changes = 0;
  QObject::connect(&session_, &TKaraokeSession::controlsChanged, [&] { ++changes; });
  int expectedChanges = 0;
  for (const Step& step : steps) {
    player_.log.clear();
    (session_.*step.set)(step.position);
    Drain();
    if (*step.heard) ++expectedChanges;
    EXPECT_EQ(player_.log, *step.heard ? Log{step.heard} : Log{}) << step.position;
  }
  EXPECT_EQ(changes, expectedChanges);
  EXPECT_EQ(session_.TempoPosition(), -40);
  EXPECT_EQ(session_.KeyPosition(), 8);
  EXPECT_EQ(session_.VolumePosition(), 100);

  player_.log.clear();
  session_.SetMelodyPercent(50);
  EXPECT_EQ(player_.log, Log{"melody 50"});
  EXPECT_EQ(TSettingsFile(dir_.File("lyrova.ini"), dir_.path() + "/").MelodyPercent(), 50);
  EXPECT_FALSE(session_.SetPaused(true));  // nothing plays
}

TEST_F(KaraokeSessionTest, EachSongComesBackInTheKeyAndTempoLastChosenForIt) {
  TSettingsFile(dir_.File("lyrova.ini"), dir_.path() + "/").SetSongMemory(true);
  session_.WMPlaySong(10001);
  session_.SetKeyPosition(-2);
  session_.SetTempoPosition(4);
  session_.WMPlaySong(10002);  // never changed: at rest
  EXPECT_EQ(session_.KeyPosition(), 0);
  EXPECT_EQ(session_.TempoPosition(), 0);
  player_.log.clear();
  session_.WMPlaySong(10001);
  // Set before the song starts, so its first note is in its key.
  EXPECT_EQ(player_.log, (Log{"stop", "pitch 2", "tempo -4", "play Alpha words"}));
  EXPECT_EQ(session_.KeyPosition(), -2);
  EXPECT_EQ(session_.NowPlaying()->semitones, 2);
}

TEST_F(KaraokeSessionTest, PlaylistRowsFollowTheirFilesWhenTheLibraryChanges) {
  session_.AddToPlaylist({0, 3, 4});  // Калинка, Bravo, Charlie
  ASSERT_TRUE(session_.Search(1, "charlie"));
  Put("Aaa");  // two that sort first, one that goes: Charlie moves up by one
  Put("Ab");
  fs::remove(folder_ + "Bravo.kar");
  ReadLibrary();
  ASSERT_EQ(session_.Playlist().Count(), 2);
  EXPECT_EQ(session_.Playlist().Entry(0).code, 1u);
  EXPECT_EQ(session_.Playlist().Entry(1).file, "Charlie.kar");
  EXPECT_EQ(session_.Playlist().Entry(1).code, 10004u);
  // The search shown is run again on the new songs.
  EXPECT_EQ(Codes(session_.Catalog()), std::vector<std::uint32_t>{10004});

  // Another folder has other files: its library songs leave the playlist.
  const std::string other = dir_.File("other/");
  fs::create_directories(other);
  fs::copy_file(folder_ + "Charlie.kar", other + "Charlie.kar");
  folder_ = other;
  ReadLibrary();
  EXPECT_EQ(Codes(session_.Playlist()), std::vector<std::uint32_t>{1});
}

TEST_F(KaraokeSessionTest, WhatCannotPlayIsReportedAndNothingElseHappens) {
  EXPECT_THROW(session_.WMPlaySong(9999), Error);  // run directly, an unknown code throws
  EXPECT_TRUE(player_.log.empty());
  QCoreApplication::postEvent(&session_, new TMessageEvent(TMessage::PlaySong, 9999));
  Drain();
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_NE(failures_[0].find("9999"), std::string::npos);

  // A file gone since the reading: what played stops, the message names the file.
  fs::remove(folder_ + "Alpha.kar");
  session_.PlayCatalogRow(2);
  Drain();
  EXPECT_EQ(player_.log, Log{"stop"});
  ASSERT_EQ(failures_.size(), 2u);
  EXPECT_NE(failures_[1].find("Alpha.kar"), std::string::npos) << failures_[1];
}

}  // namespace
}  // namespace lyrova
