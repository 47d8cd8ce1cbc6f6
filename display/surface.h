#pragma once
// TSurface: an off-screen picture of any size in the display's pixel format
// (32 bits, 0x00RRGGBB; the top byte is not part of the colour).

#include <QImage>
#include <cstdint>

#include "display/result_codes.h"

namespace lyrova {

// A Windows colour value: red in the lowest byte, then green, then blue.
using ColorRef = std::uint32_t;
inline constexpr ColorRef kClrInvalid = 0xFFFFFFFFu;

class TSurface {
 public:
  TSurface() = default;

  // Allocates the picture; E_INVALIDARG for a size below 1, E_OUTOFMEMORY
  // when it cannot be allocated.
  HResult Build(int width, int height);

  // The raw pixel value a colour takes on this surface; 0 without a picture.
  // kClrInvalid reads pixel (0, 0) instead and leaves it unchanged.
  std::uint32_t PixelOfColor(ColorRef colour) const;

  HResult SetSourceKey(ColorRef colour);
  std::uint32_t SourceKey() const { return key_; }

  // Stretches the part (x, y, w, h) of `bitmap` over the whole surface; a
  // width or height of 0 means the bitmap's own.
  HResult PaintBitmap(const QImage* bitmap, int x, int y, int w, int h);

  // Fills the whole surface with a raw pixel value.
  HResult Fill(std::uint32_t pixel);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  bool Exists() const { return !image_.isNull(); }
  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  std::uint32_t key_ = 0;
};

// Raw pixels keep the unused top byte set, as QImage::Format_RGB32 expects.
inline constexpr std::uint32_t kOpaque = 0xFF000000u;

}  // namespace lyrova
