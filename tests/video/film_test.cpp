#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "translations/user_text_qt.h"
#include "tests/video/test_film.h"
#include "video/film_decoder.h"
#include "video/film_player.h"

namespace lyrova {
namespace {

using testing_film::Film;
using testing_film::Folder;
using testing_film::kFrames;
using testing_film::kFrameUs;

std::vector<TFilmFrame> Decode(const std::string& path, QSize size, int count) {
  TFilmDecoder decoder(path, size);
  std::vector<TFilmFrame> frames(static_cast<std::size_t>(count));
  for (auto& f : frames) {
    if (!decoder.Next(f)) ADD_FAILURE() << "film ended";
  }
  return frames;
}

TEST(FilmDecoder, OpensTheDiscFilmByItsContent) {
  TFilmDecoder decoder(Film(), QSize());
  EXPECT_EQ(decoder.FilmSize(), QSize(160, 120));
  EXPECT_EQ(decoder.OutputSize(), QSize(160, 120));
  EXPECT_EQ(decoder.FrameDurationUs(), kFrameUs);
  TFilmFrame frame;
  ASSERT_TRUE(decoder.Next(frame));
  EXPECT_EQ(frame.timeUs, 0);
  EXPECT_EQ(frame.image.format(), QImage::Format_RGB32);
  EXPECT_EQ(qAlpha(frame.image.pixel(80, 60)), 255);
  // A calm dusk: not black, not blown out.
  const QRgb sky = frame.image.pixel(80, 5);
  EXPECT_GT(qBlue(sky), qRed(sky));
}

TEST(FilmDecoder, PicturesComeAtTheChosenSize) {
  TFilmDecoder decoder(Film(), QSize(800, 600));
  EXPECT_EQ(decoder.FilmSize(), QSize(160, 120));
  TFilmFrame frame;
  ASSERT_TRUE(decoder.Next(frame));
  EXPECT_EQ(frame.image.size(), QSize(800, 600));
}

TEST(FilmDecoder, PixelsThatAreNotSquareAreShownInTheFilmsShape) {
  // 200 x 100 stored pixels shown square (each pixel half as wide as high):
  // a red square between green edges. Cut as stored, a square picture would
  // lose the edges.
  const std::string film = (Folder() / "tall-pixels.mp4").string();
  const std::string command =
      "ffmpeg -loglevel error -y -f lavfi -i color=c=green:s=200x100:r=25:d=1 -vf "
      "drawbox=x=50:y=0:w=100:h=100:color=red:t=fill,setsar=1/2 -c:v mpeg4 -q:v 2 " + film;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  TFilmDecoder decoder(film, QSize(100, 100));
  TFilmFrame frame;
  ASSERT_TRUE(decoder.Next(frame));
  const auto green = [](QRgb c) { return qGreen(c) > 100 && qRed(c) < 60; };
  EXPECT_TRUE(green(frame.image.pixel(3, 50)));
  EXPECT_TRUE(green(frame.image.pixel(96, 50)));
  EXPECT_GT(qRed(frame.image.pixel(50, 50)), 200);
}

TEST(FilmDecoder, ThePictureAfterTheLastIsTheFirst) {
  const auto frames = Decode(Film(), QSize(), 2 * kFrames + 3);
  for (int i = 0; i < 2 * kFrames + 3; ++i) {
    EXPECT_EQ(frames[i].timeUs, i * kFrameUs) << "picture " << i;
  }
  EXPECT_NE(frames[kFrames - 1].image, frames[0].image);
  EXPECT_EQ(frames[kFrames].image, frames[0].image);
  EXPECT_EQ(frames[kFrames + 1].image, frames[1].image);
  EXPECT_EQ(frames[2 * kFrames + 2].image, frames[2].image);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(FilmDecoder, FilesThatAreNoFilmSayWhy) {
  std::string noise(20000, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) >> 3);
  WriteBytes(Folder() / "noise.img", noise);
  WriteBytes(Folder() / "empty.mpg", "");
  WriteBytes(Folder() / "words.avi", "these are words, not pictures\n");
  const struct {
    std::string path;
    const char* reason;  // empty: any reason
  } cases[] = {
      {"", "видеофайл не выбран"},
      {(Folder() / "missing.img").string(), "файл не найден"},
      {Folder().string(), "файл не найден"},
      {(Folder() / "noise.img").string(), ""},
      {(Folder() / "empty.mpg").string(), ""},
      {(Folder() / "words.avi").string(), ""},
  };
  for (const auto& c : cases) {
    try {
      TFilmDecoder decoder(c.path, QSize());
      ADD_FAILURE() << c.path << " opened";
    } catch (const Error& e) {
      const std::string reason = Translated(e).toStdString();
      EXPECT_FALSE(reason.empty()) << c.path;
      if (*c.reason != '\0') {
        EXPECT_EQ(reason, c.reason) << c.path;
      }
    }
  }
}

TEST(FilmPlayer, WaitingGivesThePictureDueAtEachTime) {
  const auto frames = Decode(Film(), QSize(), kFrames);
  TFilmPlayer player(Film(), QSize());
  const struct {
    std::int64_t us;
    int picture;
  } cases[] = {{0, 0}, {1000, 0}, {7 * kFrameUs, 7}, {7 * kFrameUs + 39999, 7},
               {49 * kFrameUs, 49}, {50 * kFrameUs + 5, 0}, {75 * kFrameUs, 25}};
  for (const auto& c : cases) {
    const QImage* image = player.FrameAt(c.us, true);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, frames[static_cast<std::size_t>(c.picture)].image) << c.us;
  }
  EXPECT_FALSE(player.Broken());
}

TEST(FilmPlayer, FallingFarBehindPicksUpWhereTheFilmWas) {
  const auto frames = Decode(Film(), QSize(), 4);
  TFilmPlayer player(Film(), QSize());
  EXPECT_EQ(*player.FrameAt(0), frames[0].image);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the queue fills
  const std::int64_t late = 100'000'000;
  EXPECT_EQ(*player.FrameAt(late), frames[1].image);
  EXPECT_EQ(*player.FrameAt(late + kFrameUs), frames[2].image);
  EXPECT_EQ(*player.FrameAt(late + kFrameUs + 10), frames[2].image);
}

}  // namespace
}  // namespace lyrova
