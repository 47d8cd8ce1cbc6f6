// The singer queue over the film: the card only between songs, the line at
// the top edge only during one, nothing for an empty queue, and a QR code
// drawn by whole modules.

#include <gtest/gtest.h>

#include <QImage>

#include "video/video_composer.h"

namespace lyrova {
namespace {

int InkIn(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0;
  return n;
}

TEST(UpNextLayer, CardBetweenSongsLineDuringThem) {
  TVideoComposer composer([] { return TLyricLook(); });
  ASSERT_EQ(composer.Open(nullptr, 800, 600), S_OK);
  const QRect top(0, 0, 800, TUpNextLayer::kEdgeHeight);
  const QRect card(0, TUpNextLayer::kCardTop, 800, TUpNextLayer::kCardHeight);
  const auto picture = [&](std::int32_t songTime) {
    composer.ComposeAt(songTime, 0);
    return composer.Display().LastFrame();
  };
  EXPECT_EQ(InkIn(picture(0), QRect(0, 0, 800, 600)), 0);  // no film, no queue: black

  QImage code(21, 21, QImage::Format_Grayscale8);
  code.fill(255);
  code.setPixel(4, 4, qRgb(0, 0, 0));
  composer.SetUpNext({{"Следующий: Аня — Калинка", "Затем: Борис — Ой, мороз"}, "Начало через 7 с",
                      "Далее: Аня, Борис", "http://192.168.1.20:8765/", code});
  const QImage between = picture(0);
  EXPECT_GT(InkIn(between, card), 1000);
  EXPECT_EQ(InkIn(between, top), 0);
  EXPECT_EQ(InkIn(between, QRect(0, 0, 800, TUpNextLayer::kCardTop)), 0);
  // The code's modules are whole squares of white and black.
  const int module = 150 / 21;
  const QPoint corner(800 - 24 - module * 21, TUpNextLayer::kCardTop + 24);
  EXPECT_EQ(between.pixel(corner + QPoint(1, 1)) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(between.pixel(corner + QPoint(4 * module + module / 2, 4 * module + module / 2)) & 0xFFFFFF, 0u);

  const QImage during = picture(5000);
  EXPECT_GT(InkIn(during, top), 100);
  EXPECT_EQ(InkIn(during, card), 0);

  // A song from the playlist with an empty queue: nothing of the queue.
  composer.SetUpNext({});
  EXPECT_EQ(InkIn(picture(5000), top), 0);
  EXPECT_EQ(InkIn(picture(0), card), 0);
}

}  // namespace
}  // namespace lyrova
