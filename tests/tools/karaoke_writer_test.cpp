// The demo song folder's karaoke files read back by the player's reader.

#include "tools/demo_songs/karaoke_writer.h"

#include <gtest/gtest.h>

#include "catalog/karaoke_file.h"
#include "tools/demo_songs/demo_songs.h"
#include "tools/demo_songs/english_songs.h"
#include "tests/support/temp_dir.h"

namespace lyrova::demo {
namespace {

std::size_t Timed(const std::string& words) {
  std::size_t n = 0;
  for (char c : words) n += c != ' ' && c != '\n';
  return n;
}

TEST(KaraokeWriterTest, BothKindsOfWordEventsReadBackAlike) {
  for (SongScore (*score)() : {AmazingGrace, OhSusanna, AuldLangSyne, ScarboroughFair}) {
    const RenderedSong song = RenderSong(score());
    const KaraokeReadResult sk = ReadKaraokeFile(WriteKaraokeFile(song, WordEvents::SoftKaraoke), "x.kar");
    const KaraokeReadResult lyrics = ReadKaraokeFile(WriteKaraokeFile(song, WordEvents::Lyrics), "A - B.kar");
    ASSERT_TRUE(sk.ok && lyrics.ok) << song.title;
    EXPECT_EQ(sk.song.fields.title, song.title);
    EXPECT_EQ(lyrics.song.fields.title, "B");
    EXPECT_EQ(sk.song.words, lyrics.song.words) << song.title;
    EXPECT_EQ(sk.song.timing, lyrics.song.timing) << song.title;
    EXPECT_EQ(sk.song.words.find("\n\n") != std::string::npos, true) << "verses are parted";
    ASSERT_EQ(sk.song.timing.size(), 1 + Timed(sk.song.words)) << song.title;
    for (std::size_t i = 1; i < sk.song.timing.size(); ++i) {
      const TimingPair& p = sk.song.timing[i - 1];
      EXPECT_EQ(p.start + p.length, sk.song.timing[i].start) << song.title << " pair " << i;
    }
  }
}

TEST(KaraokeWriterTest, TheFolderHoldsFourSongs) {
  testing::TempDir dir;
  EXPECT_EQ(WriteDemoSongs(dir.File("songs")), 4);
  const std::string bytes = testing::ReadFile(dir.File("songs/Stephen Foster - Oh! Susanna.kar"));
  const KaraokeReadResult r =
      ReadKaraokeFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, "Stephen Foster - Oh! Susanna.kar");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.song.fields.singer, "Stephen Foster");
  EXPECT_EQ(r.song.words.substr(0, 45), "I come from Alabama with my banjo on my knee\n");
}

}  // namespace
}  // namespace lyrova::demo
