#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>

#include "video/picture_scale.h"
#include "video/video_composer.h"

namespace lyrova {
namespace {

// Unsung blue, sung green, shadow red, over black: every pixel that is none
// of them has been blended.
constexpr QRgb kColours[] = {qRgb(0, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 0)};

TLyricLook Look() {
  TLyricLook look;
  look.color1 = 0xFF0000;
  look.color2 = 0x00FF00;
  look.shadow = 0x0000FF;
  return look;
}

bool Pure(QRgb p) {
  for (QRgb c : kColours) {
    if (std::abs(qRed(p) - qRed(c)) + std::abs(qGreen(p) - qGreen(c)) +
            std::abs(qBlue(p) - qBlue(c)) <= 24) {
      return true;
    }
  }
  return false;
}

// The long line (slot 2 of the page, design rows 440..520) is sung to
// `fraction` of its tenth character; the line above it (slot 1) is sung.
QImage Compose(QSize size, double fraction) {
  TVideoComposer composer([] { return Look(); });
  EXPECT_EQ(composer.Open(nullptr, size.width(), size.height()), S_OK);
  composer.SetLyrics({"HHHH IIII HHHH", "Мне малым-мало спалось, ой да во сне привиделось"});
  TimingPairs pairs{{1, 1300}};
  for (int i = 0; i < 100; ++i) pairs.push_back({1301 + 100 * i, 100});
  composer.SetTiming(pairs);
  // 12 characters in the first line, then the tenth of the second.
  composer.Tick(1301 + 100 * (12 + 9) + static_cast<int>(std::lround(100 * fraction)));
  return composer.Display().LastFrame();
}

// The right end of the sung (green) ink in rows top..bottom.
int SungRight(const QImage& image, int top, int bottom) {
  int right = -1;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qGreen(p) > 128 && qGreen(p) > qBlue(p) + 60) right = std::max(right, x);
    }
  }
  return right;
}

class ScaledPicture : public testing::TestWithParam<QSize> {};

TEST_P(ScaledPicture, TheWipeEdgeSitsWhereTheDesignPutsIt) {
  const QSize size = GetParam();
  const TPictureScale scale = TPictureScale::For(size.width(), size.height());
  const QImage design = Compose({800, 600}, 0.5);
  const QImage scaled = Compose(size, 0.5);
  ASSERT_EQ(scaled.size(), size);
  const int designEdge = SungRight(design, 440, 520);
  const int scaledEdge = SungRight(scaled, scale.Y(440), scale.Y(520));
  ASSERT_GT(designEdge, 0);
  EXPECT_NEAR(scaledEdge, scale.left + designEdge * scale.scale, 0.01 * size.width())
      << size.width() << "x" << size.height();
}

TEST_P(ScaledPicture, TheTooLongLineFitsWhole) {
  const QSize size = GetParam();
  const TPictureScale scale = TPictureScale::For(size.width(), size.height());
  const QImage image = Compose(size, 0.0);
  int left = size.width(), right = -1;
  for (int y = scale.Y(440); y < scale.Y(520); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_GE(left, scale.X(8)) << "the line starts inside the picture";
  EXPECT_LE(right, scale.X(792)) << "the line ends inside the picture";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaledPicture,
                         testing::Values(QSize(800, 600), QSize(1280, 720), QSize(1920, 1080),
                                         QSize(3840, 2160)));

// Text drawn at the picture's size has edges one or two pixels soft, where
// a stretched picture would blur each stem over several.
TEST(ScaledPictureSharpness, GlyphEdgesStaySharpAt1920x1080) {
  const QImage image = Compose({1920, 1080}, 0.0);
  const TPictureScale scale = TPictureScale::For(1920, 1080);
  int longest = 0;
  int blended = 0;
  // Rows through the middle of the letters of slot 1.
  for (int y = scale.Y(385); y < scale.Y(415); y += 3) {
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
      if (Pure(image.pixel(x, y))) {
        run = 0;
        continue;
      }
      ++blended;
      longest = std::max(longest, ++run);
    }
  }
  EXPECT_GT(blended, 0) << "antialiased edges are there";
  EXPECT_LE(longest, 2);
}

}  // namespace
}  // namespace lyrova
