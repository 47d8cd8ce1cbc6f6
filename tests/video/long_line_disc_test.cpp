// A line of words longer than the picture, read from a disc as the player
// reads it, is drawn whole at every window size.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "catalog/song_source.h"
#include "catalog/songs_catalog.h"
#include "tests/catalog/disc_maker.h"
#include "tools/demo_disc/disc_charset.h"
#include "video/picture_scale.h"
#include "video/video_composer.h"

namespace lyrova {
namespace {

TEST(LongLineFromADisc, IsDrawnWholeAtEverySize) {
  testing::TempDir dir;
  const std::string disc = dir.File("disc");
  std::filesystem::create_directory(disc);
  const std::string words = "Ой, то не вечер, то не вечер, мне малым-мало спалось, ой, да во сне привиделось\r\nКороче";
  testing::WriteDisc(disc, testing::MakeDisc({{"Song\r\r\r\r", testing::MidiWithTrackLength(4, 4), {1},
                                               demo::EncodeDiscText(demo::Cp1251FromUtf8(words))}}));
  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(disc));
  const TSongData song = ReadDiscSong(catalog, 0);
  ASSERT_EQ(song.lines.size(), 2u);
  ASSERT_EQ(song.lines[1], "Короче");

  // The introduction, with the long line waiting under it.
  const TimingPairs pairs{{1, 1000}, {1001, 100}};
  for (const QSize size : {QSize(800, 600), QSize(1920, 1080)}) {
    TVideoComposer composer([] { return TLyricLook(); });
    ASSERT_EQ(composer.Open(nullptr, size.width(), size.height()), S_OK);
    composer.SetLyrics(song.lines);
    composer.SetTiming(pairs);
    composer.Tick(500);
    const QImage image = composer.Display().LastFrame();
    const TPictureScale scale = TPictureScale::For(size.width(), size.height());
    int left = size.width(), right = -1;
    for (int y = 0; y < size.height(); ++y) {
      for (int x = 0; x < size.width(); ++x) {
        if ((image.pixel(x, y) & 0xFFFFFF) == 0) continue;
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    ASSERT_GE(right, 0) << "the words are drawn";
    EXPECT_GE(left, scale.X(8)) << size.width() << "x" << size.height();
    EXPECT_LE(right, scale.X(792)) << size.width() << "x" << size.height();
    EXPECT_GT(right - left, scale.X(600) - scale.X(0)) << "the long line spans the picture";
  }
}

}  // namespace
}  // namespace lyrova
