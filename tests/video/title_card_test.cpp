#include <gtest/gtest.h>

#include <QImage>

#include "video/video_composer.h"

namespace lyrova {
namespace {

TEST(TitleCard, ShowsThroughTheIntroductionAndFadesAsTheFirstLineIsSung) {
  const struct {
    std::int32_t t;
    std::optional<std::int32_t> firstSung;
    float expected;
  } cases[] = {
      {0, 5000, 0.0f},          // no song
      {1, 5000, 1.0f},          {4999, 5000, 1.0f},  {5000, 5000, 1.0f},
      {5000 + 384, 5000, 0.5f}, {5000 + 768, 5000, 0.0f},
      {90000, 5000, 0.0f},      {100, std::nullopt, 0.0f},  // no timing
  };
  for (const auto& c : cases) {
    EXPECT_FLOAT_EQ(TTitleCard::Opacity(c.t, c.firstSung), c.expected) << "t " << c.t;
  }
}

int InkIn(const QImage& image, int top, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0;
  return n;
}

TEST(TitleCard, DrawnInTheUpperPartOnlyDuringTheIntroduction) {
  TLyricLook look;
  look.fontHeight = 40;
  TVideoComposer composer([=] { return look; });
  ASSERT_EQ(composer.Open(nullptr, 1280, 720), S_OK);
  composer.SetTitle({7, "Ой, то не вечер", "Казачья песня"});
  composer.SetLyrics({"la la"});
  // Introduction 1..1301, then two letters of 100 units each.
  composer.SetTiming({{1, 1300}, {1301, 100}, {1401, 100}});
  const int upper = 720 * 280 / 600;  // above the lyric area
  composer.Tick(600);
  const QImage intro = composer.Display().LastFrame();
  EXPECT_GT(InkIn(intro, 0, upper), 1000) << "title, singer and code";
  // The title is white (the sung colour) by default.
  bool white = false;
  for (int y = 0; y < upper && !white; ++y)
    for (int x = 0; x < 1280 && !white; ++x) white = intro.pixel(x, y) == qRgb(255, 255, 255);
  EXPECT_TRUE(white);
  composer.Tick(1301 + 768 + 10);
  EXPECT_EQ(InkIn(composer.Display().LastFrame(), 0, upper), 0) << "faded out";
  composer.Tick(0);
  EXPECT_EQ(InkIn(composer.Display().LastFrame(), 0, upper), 0) << "no song";
}

}  // namespace
}  // namespace lyrova
