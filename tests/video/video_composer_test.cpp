#include <gtest/gtest.h>

#include <QImage>

#include "catalog/errors.h"
#include "tests/video/test_film.h"
#include "video/film_decoder.h"
#include "video/video_composer.h"

namespace lyrova {
namespace {

TLyricLook Look() {
  TLyricLook look;
  look.fontHeight = 40;
  return look;
}

int InkedPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0;
  return n;
}

class VideoComposerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(composer_.Open([this] { ++presented_; }), S_OK);
    composer_.SetLyrics({"la la la"});
    // introduction 0..130, then six letters of 10 units each
    composer_.SetTiming({{0, 130}, {130, 10}});
  }

  TVideoComposer composer_{[] { return Look(); }};
  int presented_ = 0;
};

TEST_F(VideoComposerTest, WithoutAFilmEachPictureStartsBlack) {
  EXPECT_FALSE(composer_.FilmRunning());
  composer_.Tick(60);
  EXPECT_EQ(presented_, 1);
  EXPECT_GT(InkedPixels(composer_.Display().LastFrame()), 0) << "the intro line";
  // Between songs nothing is drawn, and nothing of the last song stays.
  composer_.Tick(0);
  EXPECT_EQ(InkedPixels(composer_.Display().LastFrame()), 0);
}

TEST_F(VideoComposerTest, TheFilmFillsThePictureUnderTheLyrics) {
  composer_.StartFilm(testing_film::Film());
  EXPECT_TRUE(composer_.FilmRunning());
  TFilmDecoder reference(testing_film::Film(), QSize(800, 600));
  TFilmFrame first;
  ASSERT_TRUE(reference.Next(first));

  composer_.ComposeAt(0, 0);
  EXPECT_EQ(composer_.Display().LastFrame(), first.image) << "no song: film only";
  composer_.ComposeAt(60, 0);
  const QImage withLyrics = composer_.Display().LastFrame();
  EXPECT_EQ(withLyrics.copy(0, 0, 800, 280), first.image.copy(0, 0, 800, 280));
  EXPECT_NE(withLyrics, first.image);

  composer_.StopFilm();
  EXPECT_FALSE(composer_.FilmRunning());
  composer_.Tick(0);
  EXPECT_EQ(InkedPixels(composer_.Display().LastFrame()), 0);
}

TEST_F(VideoComposerTest, AFilmThatCannotPlayLeavesNoFilmRunning) {
  composer_.StartFilm(testing_film::Film());
  EXPECT_THROW(composer_.StartFilm((testing_film::Folder() / "none.img").string()), Error);
  EXPECT_FALSE(composer_.FilmRunning());
  composer_.Tick(0);
  EXPECT_EQ(InkedPixels(composer_.Display().LastFrame()), 0);
}

}  // namespace
}  // namespace lyrova
