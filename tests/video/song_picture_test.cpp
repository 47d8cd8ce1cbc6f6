// A recorded song's picture on the singer's screen: the CD+G graphics
// sharp with the border colour around, a video letterboxed, both at the
// recording's time and in place of the film only while the song plays.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "playback/song_targets.h"
#include "tests/media/command.h"
#include "tests/support/temp_dir.h"
#include "tests/video/test_film.h"
#include "tools/cdg/cdg_writer.h"
#include "video/song_picture.h"
#include "video/video_composer.h"

namespace lyrova {
namespace {

constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kBlue = 0xFF0000FFu;
constexpr QRgb kYellow = 0xFFFFFF00u;

std::int32_t SongTime(double seconds) { return static_cast<std::int32_t>(seconds * kRecordedMusicTimePerSecond); }

TEST(SharpPlacement, WholePixelsWhereTheyNearlyFillElseTheNearest) {
  struct Case {
    QSize screen;
    QRect place;
  };
  const Case cases[] = {
      {{1920, 1080}, {210, 0, 1500, 1080}},  // 5 x, exactly the height
      {{1280, 720}, {190, 36, 900, 648}},    // 3 x is 90 % of the 1000 x 720 that would fit
      {{800, 600}, {0, 12, 800, 576}},       // 2 x would leave a quarter empty
      {{300, 216}, {0, 0, 300, 216}},
      {{200, 100}, {31, 0, 138, 100}},       // smaller than the graphics: shrunk to fit
  };
  for (const Case& c : cases) EXPECT_EQ(SharpPlacement({300, 216}, c.screen), c.place) << c.screen.width();
}

class SongPictureTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(composer_.Open([] {}, 1280, 720), S_OK); }
  QImage Frame() { return composer_.Display().LastFrame(); }
  // With LYROVA_SCREENSHOT_DIR set, the singer's picture as it shows.
  void Screenshot(const char* name) {
    if (const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR"); !dir.isEmpty()) {
      EXPECT_TRUE(Frame().save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
    }
  }

  testing::TempDir dir_;
  TVideoComposer composer_{[] { return TLyricLook{}; }};
};

TEST_F(SongPictureTest, CdgGraphicsAtTheSongTimeWithTheirBorderAround) {
  TCdgWriter w;
  w.LoadColours(false, {TCdgColour{15, 0, 0}, TCdgColour{0, 0, 15}, TCdgColour{15, 15, 0}});
  w.MemoryPreset(0);
  w.BorderPreset(1);
  w.Wait(300);  // a second later the screen turns yellow
  w.MemoryPreset(2);
  w.BorderPreset(1);
  w.Wait(30);
  testing::WriteFile(dir_.File("s.cdg"), std::string(w.Bytes().begin(), w.Bytes().end()));
  TRecordedFiles files;
  files.kind = SongKind::Cdg;
  files.cdg = dir_.File("s.cdg");
  composer_.SetRecording(&files);

  composer_.ComposeAt(SongTime(0.5), 0);
  Screenshot("singer-cdg.png");
  // 3 x at 190, 36: the border preset paints the graphics' own edge, and
  // the screen around it takes the same colour.
  EXPECT_EQ(Frame().pixel(640, 360), kRed);
  EXPECT_EQ(Frame().pixel(5, 5), kBlue);
  EXPECT_EQ(Frame().pixel(190 + 3 * 6 - 1, 360), kBlue) << "the graphics' own border";
  EXPECT_EQ(Frame().pixel(190 + 3 * 6, 360), kRed);
  composer_.ComposeAt(SongTime(1.05), 0);
  EXPECT_EQ(Frame().pixel(640, 360), kYellow);
  // Before the song is heard, and after it, the film's place is the film's.
  composer_.ComposeAt(0, 0);
  EXPECT_EQ(Frame().pixel(640, 360), 0xFF000000u);
  composer_.SetRecording(nullptr);
  composer_.ComposeAt(SongTime(0.5), 0);
  EXPECT_EQ(Frame().pixel(640, 360), 0xFF000000u);
}

TEST_F(SongPictureTest, AVideoReplacesTheFilmLetterboxedAtTheSongTime) {
  // 4:3, red for a second and then blue, with its own sound.
  testing::RunCommand("ffmpeg -v error -y -f lavfi -i color=c=red:s=320x240:r=25:d=1 -f lavfi "
                      "-i color=c=blue:s=320x240:r=25:d=1 -f lavfi -i sine=d=2 -filter_complex "
                      "'[0:v][1:v]concat=n=2:v=1[v]' -map '[v]' -map 2:a -c:v libx264 -pix_fmt yuv420p -c:a aac " +
                      dir_.File("v.mp4"));
  composer_.StartFilm(testing_film::Film());
  TRecordedFiles files;
  files.kind = SongKind::Video;
  files.sound = dir_.File("v.mp4");
  composer_.SetRecording(&files);

  composer_.ComposeAt(SongTime(0.5), 0);
  Screenshot("singer-video.png");
  const QRgb red = Frame().pixel(640, 360);
  EXPECT_GT(qRed(red), 200);
  EXPECT_LT(qBlue(red), 60);
  EXPECT_EQ(Frame().pixel(100, 360), 0xFF000000u) << "bars beside a 4:3 video, nothing cut";
  composer_.ComposeAt(SongTime(1.5), 0);
  const QRgb blue = Frame().pixel(640, 360);
  EXPECT_GT(qBlue(blue), 200);
  EXPECT_LT(qRed(blue), 60);
  composer_.ComposeAt(0, 0);
  EXPECT_NE(Frame().pixel(100, 360), 0xFF000000u) << "between songs the film again";
}

}  // namespace
}  // namespace lyrova
