#include <gtest/gtest.h>

#include <QColor>
#include <functional>
#include <memory>
#include <string>

#include "catalog/errors.h"
#include "display/display.h"
#include "display/lyric_line.h"
#include "display/result_codes.h"
#include "display/surface.h"

namespace lyrova {
namespace {

std::uint32_t Pixel(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0x00FFFFFFu;
}

struct CodeCase {
  const char* what;
  std::function<HResult()> call;
  HResult expected;
};

TEST(DisplayResults, MissingObjectsAndArguments) {
  const CodeCase cases[] = {
      {"ShowFrame never opened", [] { TDisplay d; return d.ShowFrame(); }, E_POINTER},
      {"FillBack never opened", [] { TDisplay d; return d.FillBack(0); }, E_POINTER},
      {"NewSurface never opened",
       [] {
         TDisplay d;
         std::unique_ptr<TSurface> s;
         return d.NewSurface(&s, 4, 4);
       },
       E_POINTER},
      {"NewSurface without a place for it",
       [] {
         TDisplay d;
         d.OpenWindowed(nullptr, 8, 8);
         return d.NewSurface(nullptr, 4, 4);
       },
       E_INVALIDARG},
      {"NewSurface of width 0",
       [] {
         TDisplay d;
         d.OpenWindowed(nullptr, 8, 8);
         std::unique_ptr<TSurface> s;
         return d.NewSurface(&s, 0, 4);
       },
       E_INVALIDARG},
      {"OpenWindowed of height 0", [] { TDisplay d; return d.OpenWindowed(nullptr, 8, 0); }, E_FAIL},
      {"SetSourceKey without picture", [] { TSurface s; return s.SetSourceKey(0); }, E_POINTER},
      {"PaintBitmap without bitmap",
       [] {
         TSurface s;
         s.Build(2, 2);
         return s.PaintBitmap(nullptr, 0, 0, 0, 0);
       },
       E_INVALIDARG},
      {"ShowFrame after ReleaseAll",
       [] {
         TDisplay d;
         d.OpenWindowed(nullptr, 8, 8);
         d.ReleaseAll();
         return d.ShowFrame();
       },
       E_POINTER},
  };
  for (const auto& c : cases) EXPECT_EQ(c.call(), c.expected) << c.what;
}

TEST(DisplayResults, FillSurfaceRaisesTheDescription) {
  TSurface missing;
  try {
    FillSurface(missing, 0);
    FAIL() << "no error raised";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), DescribeResult(E_POINTER));
  }
  EXPECT_EQ(DescribeResult(0x887601C2), "Unrecognized Error");
  TSurface present;
  ASSERT_EQ(present.Build(3, 2), S_OK);
  FillSurface(present, 0x123456);
  EXPECT_EQ(Pixel(present.Image(), 2, 1), 0x123456u);
}

TEST(Surface, PixelOfColorSwapsRedAndBlue) {
  TSurface s;
  EXPECT_EQ(s.PixelOfColor(0x0000FF), 0u) << "no picture";
  ASSERT_EQ(s.Build(2, 2), S_OK);
  const struct {
    ColorRef colour;
    std::uint32_t pixel;
  } cases[] = {{0x000000, 0x000000}, {0x0000FF, 0xFF0000}, {0x00FF00, 0x00FF00},
               {0xFF0000, 0x0000FF}, {0xFFFFFF, 0xFFFFFF}, {0x563412, 0x123456}};
  for (const auto& c : cases) EXPECT_EQ(s.PixelOfColor(c.colour), c.pixel) << std::hex << c.colour;
  ASSERT_EQ(s.SetSourceKey(0x0000FF), S_OK);
  EXPECT_EQ(s.SourceKey(), 0xFF0000u);
}

TEST(Surface, InvalidColourReadsTheFirstPixelUnchanged) {
  TSurface s;
  ASSERT_EQ(s.Build(2, 2), S_OK);
  s.Fill(0xABCDEF);
  EXPECT_EQ(s.PixelOfColor(kClrInvalid), 0xABCDEFu);
  EXPECT_EQ(Pixel(s.Image(), 0, 0), 0xABCDEFu);
}

QImage Quadrants() {
  QImage bitmap(2, 2, QImage::Format_RGB888);
  bitmap.setPixel(0, 0, qRgb(255, 0, 0));
  bitmap.setPixel(1, 0, qRgb(0, 255, 0));
  bitmap.setPixel(0, 1, qRgb(0, 0, 255));
  bitmap.setPixel(1, 1, qRgb(255, 255, 255));
  return bitmap;
}

TEST(Surface, PaintBitmapStretchesOverTheWholeSurface) {
  const QImage bitmap = Quadrants();
  TSurface s;
  ASSERT_EQ(s.Build(6, 4), S_OK);
  ASSERT_EQ(s.PaintBitmap(&bitmap, 0, 0, 0, 0), S_OK);
  EXPECT_EQ(Pixel(s.Image(), 0, 0), 0xFF0000u);
  EXPECT_EQ(Pixel(s.Image(), 5, 0), 0x00FF00u);
  EXPECT_EQ(Pixel(s.Image(), 0, 3), 0x0000FFu);
  EXPECT_EQ(Pixel(s.Image(), 5, 3), 0xFFFFFFu);
  // A part of the bitmap: its bottom-right pixel alone fills the surface.
  ASSERT_EQ(s.PaintBitmap(&bitmap, 1, 1, 1, 1), S_OK);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(Pixel(s.Image(), x, y), 0xFFFFFFu);
}

TEST(Surface, PaintBitmapOfTheSameSizeCopiesExactly) {
  QImage bitmap(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) bitmap.setPixel(x, y, qRgb(x * 40, y * 70, 9));
  TSurface s;
  ASSERT_EQ(s.Build(5, 3), S_OK);
  ASSERT_EQ(s.PaintBitmap(&bitmap, 0, 0, 0, 0), S_OK);
  EXPECT_EQ(s.Image(), bitmap);
}

TEST(Display, ShowFrameHandsTheBackBufferOverAndKeepsIt) {
  TDisplay d;
  int presented = 0;
  ASSERT_EQ(d.OpenWindowed([&] { ++presented; }, 40, 30), S_OK);
  EXPECT_TRUE(d.LastFrame().isNull()) << "nothing presented yet";
  ASSERT_EQ(d.FillBack(0x00FF00), S_OK);
  ASSERT_EQ(d.ShowFrame(), S_OK);
  EXPECT_EQ(presented, 1);
  EXPECT_EQ(Pixel(d.LastFrame(), 39, 29), 0x00FF00u);
  EXPECT_EQ(Pixel(d.BackBuffer()->Image(), 0, 0), 0x00FF00u) << "back buffer kept";

  const QImage& painted = d.FrameForPainting();
  EXPECT_EQ(painted.size(), QSize(40, 30));
  EXPECT_EQ(Pixel(painted, 5, 5), 0x00FF00u);
  d.FillBack(0x0000FF);
  EXPECT_EQ(Pixel(d.FrameForPainting(), 5, 5), 0x00FF00u) << "not presented yet";
  d.ShowFrame();
  EXPECT_EQ(Pixel(d.LastFrame(), 5, 5), 0x0000FFu);
  EXPECT_EQ(Pixel(d.FrameForPainting(), 5, 5), 0x0000FFu);
  EXPECT_EQ(Pixel(d.LastFrame(), 5, 5), 0x0000FFu) << "still newest after painting";
}

}  // namespace
}  // namespace lyrova
